#pragma once

#include "reports/druck1.h"

// The form texts the tests print: every value differs, so that each can be found on the sheet.
inline report::Pgm1SheetInput sampleInput(bool english, bool transom)
{
    report::Pgm1SheetInput in;
    in.english = english;
    in.transom = transom;
    in.project = QStringLiteral("Bürohaus Nord");
    in.positionNumber = QStringLiteral("P-4711");
    in.company = QStringLiteral("Fensterbau Beispiel");
    in.creator = QStringLiteral("A. Planer");
    in.date = QStringLiteral("08.12.2026");
    in.time = QStringLiteral("10:15:00");
    in.edit1 = QStringLiteral("3.5");
    in.edit2 = QStringLiteral("1.25");
    in.edit3 = QStringLiteral("1.35");
    in.edit4 = QStringLiteral("200");
    in.edit5 = QStringLiteral("300");
    in.edit6 = QStringLiteral("2.8");
    in.edit7 = QStringLiteral("8.5");
    in.edit8 = QStringLiteral("123.4");
    in.edit9 = QStringLiteral("17.50");
    in.edit10 = QStringLiteral("11.20");
    in.edit11 = QStringLiteral("-2345.6");
    in.edit12 = QStringLiteral("266.5");
    in.edit14 = QStringLiteral("-0.8");
    in.edit15 = QStringLiteral("15");
    return in;
}

inline const char *variantName(bool english, bool transom)
{
    if (english)
        return transom ? "English transom sheet" : "English mullion sheet";
    return transom ? "German transom sheet" : "German mullion sheet";
}
