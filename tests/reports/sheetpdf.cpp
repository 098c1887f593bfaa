#include "sheetpdf.h"

#include "reports/sheetpainter.h"

#include <QtGui/QPainter>
#include <QtGui/QPdfWriter>

#include <algorithm>

PdfPage printSheetToPdf(const report::Sheet &sheet, const QString &fileName, int dpi)
{
    {
        QPdfWriter writer(fileName);
        report::setUpPdfWriter(writer, sheet, dpi);
        const report::SheetPainter sheetPainter(sheet);
        QPainter painter(&writer);
        sheetPainter.paint(painter);
    }
    return readPdfPage(fileName);
}

QString wordAt(const PdfPage &page, const report::Sheet &sheet, const QString &word, const QString &band,
               int x, int top, bool rightAligned)
{
    if (!page.error.isEmpty())
        return page.error;
    const double bandTop = sheet.bandTop(band);
    if (bandTop < 0)
        return QStringLiteral("no band %1 on the sheet").arg(band);
    const double expectedTop = pagePixelsToPoints(bandTop + top);
    const double expectedX = pagePixelsToPoints(sheet.bandLeft() + x);
    const PdfWord *best = nullptr;
    for (const PdfWord &w : page.words)
        if (w.text == word &&
            (!best || qAbs(w.box.top() - expectedTop) < qAbs(best->box.top() - expectedTop)))
            best = &w;
    if (!best)
        return QStringLiteral("\"%1\" is not on the sheet").arg(word);
    const double tolerance = pagePixelsToPoints(1.0);
    const double edge = rightAligned ? best->box.right() : best->box.left();
    if (qAbs(best->box.top() - expectedTop) > 1.5 * tolerance || qAbs(edge - expectedX) > tolerance)
        return QStringLiteral("\"%1\" stands at %2 (%3 edge), top %4 pt; expected %5, top %6 pt")
            .arg(word)
            .arg(edge)
            .arg(rightAligned ? "right" : "left")
            .arg(best->box.top())
            .arg(expectedX)
            .arg(expectedTop);
    return QString();
}

QString rowsCheck(const PdfPage &page, const QStringList &present, const QStringList &absent)
{
    if (!page.error.isEmpty())
        return page.error;
    const QStringList rows = page.rows();
    const auto onPage = [&rows](const QString &text) {
        return std::any_of(rows.cbegin(), rows.cend(),
                           [&text](const QString &row) { return row.contains(text); });
    };
    for (const QString &text : present)
        if (!onPage(text))
            return QStringLiteral("missing: \"%1\" in\n%2").arg(text, rows.join(QLatin1Char('\n')));
    for (const QString &text : absent)
        if (onPage(text))
            return QStringLiteral("should not print: \"%1\"").arg(text);
    return QString();
}
