#pragma once

#include "reports/sheetitems.h"

namespace report
{

// The frame parameters of the sheet TForm37.
FrameParameters druck6Frame();

// The design of TForm37: the frame plus the body of Programm 6, German design texts.
SheetLayout druck6Layout();

// A fresh TForm37 filled for printing from the texts of the form TForm28: language, the
// glass or infill option, header values, inputs and results as the form shows them.
Sheet makeDruck6(const FormTexts &texts);

} // namespace report
