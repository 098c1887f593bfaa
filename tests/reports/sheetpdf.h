#pragma once

#include "pdfwords.h"

#include "reports/sheet.h"

#include <QtCore/QString>
#include <QtCore/QStringList>

// Paints a sheet on a PDF file as the engine paints it on a printer, and reads the page back.
PdfPage printSheetToPdf(const report::Sheet &sheet, const QString &fileName, int dpi = 1200);

// Checks that `word` stands on the page where a label of `band` at x, top (96-dpi page pixels
// within the band) puts it: its left edge at x, or for a right-aligned value its right edge, and
// its top at top, each within one pixel. Of several such words the one nearest to top is taken.
// Returns an empty string when it stands there, else what was found.
QString wordAt(const PdfPage &page, const report::Sheet &sheet, const QString &word, const QString &band,
               int x, int top, bool rightAligned = false);

// Checks that every text of `present` stands within one row of the page and none of `absent`
// does. Returns an empty string when so, else the first text that is missing or should not
// print, with the page's rows.
QString rowsCheck(const PdfPage &page, const QStringList &present, const QStringList &absent);
