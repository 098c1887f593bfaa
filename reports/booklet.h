#pragma once

// A project's booklet: a cover with the project header and the table of its positions, then the
// sheet of every position as "Drucken" prints it, every page numbered below the sheet's frame.
// Written as one PDF file or sent as one print job. The sheets are made and painted one after
// another, never all held at once.

#include "core/userfile.h"
#include "reports/frame.h"
#include "reports/printflow.h"
#include "reports/sheet.h"

#include <QtCore/QList>
#include <QtCore/QString>

#include <functional>

namespace report
{

// One line of the cover's table of positions.
struct CoverRow {
    QString number;           // position number
    QString program;          // e.g. "Programm 1"
    QString required;         // governing required values, e.g. "Ix 112.1 cm⁴, Wx 22.4 cm³"
    QString section;          // chosen section with its utilisation, or empty
    int page = 0;             // filled in by the booklet: the page the position's sheet is on
    QString description = {}; // what the position is, as the planner described it
    QString member = {};      // the member the program sizes, as the project window names it
};

struct BookletCover {
    bool english = false;
    QString project, company, creator;
    QString date; // the day the booklet is made
    Letterhead letterhead = {};
    QList<CoverRow> rows = {};
};

struct Booklet {
    BookletCover cover;
    int sheetCount = 0;
    // Makes the sheet of position `index` (0 … sheetCount - 1) when it is painted.
    std::function<Sheet(int index)> sheet;
};

// Pages the cover takes (at least one): as many as its rows need, a row as high as its longest
// cell once the cells are wrapped in their columns, below the project header, which wraps too.
int coverPageCount(const BookletCover &cover);

// "Seite n von m" / "Page n of m".
QString pageNumberText(int page, int pages, bool english);

// Cover page `coverPage` (0 … coverPageCount() - 1) with its share of the rows; a row's page
// prints as it stands (none for 0). The booklet fills the pages in before it makes its cover.
Sheet makeCoverSheet(const BookletCover &cover, int coverPage);

// Writes the booklet as one PDF file; the file appears only complete. On failure the reason
// names the file.
vb::Result<> writeBookletPdf(const Booklet &booklet, const QString &fileName,
                             const QString &title = QString());

// Sends the booklet to the default printer as one job, with the progress and the outcomes of
// printSheet().
vb::Result<PrintedJob> printBooklet(const Booklet &booklet, PrintProgress *progress);

} // namespace report
