#pragma once

#include "reports/sheetitems.h"

namespace report
{

// The frame parameters of the sheet TForm36.
FrameParameters druck5Frame();

// The design of TForm36: the frame plus the body of Programm 5, German design texts.
SheetLayout druck5Layout();

// A fresh TForm36 filled for printing from the texts of TForm27: the load case by its
// snow rule (RadioButton4: DIN, otherwise BS), header values, inputs and results as shown.
Sheet makeDruck5(const FormTexts &texts);

} // namespace report
