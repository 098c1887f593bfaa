#pragma once

#include "reports/sheetitems.h"

namespace report
{

// The frame parameters of the sheet TForm33.
FrameParameters druck2Frame();

// The design of TForm33: the frame plus the body of Programm 2, German design texts.
SheetLayout druck2Layout();

// A fresh TForm33 filled for printing from the texts of the form TForm24: language, header
// values, inputs and results exactly as the form shows them.
Sheet makeDruck2(const FormTexts &texts);

} // namespace report
