#pragma once

// The six sheets filled as a planner's form would fill them, for the print and PDF benchmarks.

#include "reports/druck1.h"
#include "reports/druck2.h"
#include "reports/druck3.h"
#include "reports/druck4.h"
#include "reports/druck5.h"
#include "reports/druck6.h"

#include <functional>
#include <utility>
#include <vector>

inline std::vector<std::pair<const char *, std::function<report::Sheet()>>> sampleSheets()
{
    // The sheets take the form's texts by field name: every field reads a number.
    report::FormTexts texts;
    texts.header = {QStringLiteral("Bürohaus Nord"),       QStringLiteral("P-4711"),
                    QStringLiteral("Fensterbau Beispiel"), QStringLiteral("A. Planer"),
                    QStringLiteral("08.12.2026"),          QStringLiteral("10:15")};
    for (int n = 1; n <= 20; ++n)
        texts.fields.insert(QStringLiteral("Edit%1").arg(n), QStringLiteral("%1.25").arg(n));
    texts.options.insert(QStringLiteral("RadioButton1"), true);
    texts.options.insert(QStringLiteral("RadioButton3"), true);

    return {
        {"druck1 sheet", [texts] { return report::makeDruck1(texts); }},
        {"druck2 sheet", [texts] { return report::makeDruck2(texts); }},
        {"druck3 sheet", [texts] { return report::makeDruck3(texts); }},
        {"druck4 sheet", [texts] { return report::makeDruck4(texts); }},
        {"druck5 sheet", [texts] { return report::makeDruck5(texts); }},
        {"druck6 sheet", [texts] { return report::makeDruck6(texts); }},
    };
}
