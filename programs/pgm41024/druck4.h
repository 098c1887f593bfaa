#pragma once

#include "reports/sheetitems.h"

namespace report
{

// The frame parameters of the sheet TForm35.
FrameParameters druck4Frame();

// The design of TForm35: the frame plus the body of Programm 4, German design texts.
SheetLayout druck4Layout();

// A fresh TForm35 filled for printing from the texts of the Programm 4 form: language,
// header values, the two spans, pane, widths, limits, wind load and the seven results.
Sheet makeDruck4(const FormTexts &texts);

} // namespace report
