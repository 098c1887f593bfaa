#pragma once

#include "reports/frame.h"
#include "reports/sheet.h"

#include <QtCore/QString>

namespace report
{

// What the sheet of Programm 1 prints: the language, the chosen construction (transom or
// mullion), the project header and the texts of the program form's fields as they are shown.
struct Pgm1SheetInput {
    bool english = false;
    bool transom = false;
    QString project, positionNumber, company, creator, date, time;
    QString edit1, edit2, edit3, edit4, edit5, edit6, edit7, edit8, edit9, edit10, edit11, edit12, edit14,
        edit15;
};

// The frame parameters of the sheet TForm32.
FrameParameters druck1Frame();

// The design of TForm32: the frame plus the body of Programm 1, German design texts.
SheetLayout druck1Layout();

// A fresh TForm32 filled for printing: language, construction, header values, inputs and results.
Sheet makeDruck1(const Pgm1SheetInput &input);

} // namespace report
