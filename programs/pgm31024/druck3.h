#pragma once

#include "reports/sheetitems.h"

namespace report
{

// The frame parameters of the sheet TForm34.
FrameParameters druck3Frame();

// The design of TForm34: the frame plus the body of Programm 3, German design texts.
SheetLayout druck3Layout();

// A fresh TForm34 filled for printing from the texts of Programm 3's form: the load-case
// line of the chosen snow rule, the language, the header values, inputs and results.
Sheet makeDruck3(const FormTexts &texts);

} // namespace report
