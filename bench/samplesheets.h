#pragma once

// The six sheets filled as a planner's form would fill them, for the print and PDF benchmarks.

#include "programs/pgm11024/druck1.h"
#include "programs/pgm21024/druck2.h"
#include "programs/pgm31024/druck3.h"
#include "programs/pgm41024/druck4.h"
#include "programs/pgm51024/druck5.h"
#include "programs/pgm61024/druck6.h"
#include "reports/frame.h"
#include "reports/sheetpainter.h"

#include <QtGui/QFont>
#include <QtGui/QPainter>

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

// The bare job's text in the three fonts of the sheets (reports/frame.cpp): the body's Times New
// Roman, its bold and underlined variant of the headings, and the Arial of the rules, each as the
// sheets resolve it. One line each, at the sheets' sizes, from the painter's origin.
inline void paintThreeFontLines(QPainter &painter)
{
    const auto font = [](const report::LabelFont &style) {
        QFont f(report::resolvedFamily(style.family));
        f.setPointSizeF(style.pixelSize * 72.0 / 96.0);
        f.setBold(style.bold);
        f.setUnderline(style.underline);
        return f;
    };
    const double dot = painter.device() ? painter.device()->logicalDpiY() / 96.0 : 1.0;
    painter.setFont(font(report::headingFont(21)));
    painter.drawText(QPointF(100 * dot, 100 * dot), QStringLiteral("Statische Vorbemessung"));
    painter.setFont(font(report::textFont()));
    painter.drawText(QPointF(100 * dot, 140 * dot), QStringLiteral("Statische Vorbemessung im Metallbau"));
    painter.setFont(font(report::ruleFont()));
    painter.drawText(QPointF(100 * dot, 170 * dot), QString(78, QLatin1Char('_')));
}
