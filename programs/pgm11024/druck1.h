#pragma once

#include "reports/sheetitems.h"

namespace report
{

// The frame parameters of the sheet TForm32.
FrameParameters druck1Frame();

// The design of TForm32: the frame plus the body of Programm 1, German design texts.
SheetLayout druck1Layout();

// A fresh TForm32 filled for printing from the texts of the form TForm23: language, header values,
// the construction chosen (mullion with RadioButton1, transom with RadioButton2), inputs and
// results exactly as the form shows them.
Sheet makeDruck1(const FormTexts &texts);

} // namespace report
