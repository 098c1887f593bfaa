#include "reports/booklet.h"

#include "reports/frame.h"
#include "reports/sheetitems.h"
#include "reports/sheetpainter.h"

#include <QtGui/QFontMetricsF>
#include <QtGui/QPainter>
#include <QtGui/QPdfWriter>
#include <QtGui/QRawFont>

#include <algorithm>
#include <cmath>
#include <memory>
#include <utility>

namespace report
{

namespace
{

// The cover: the page header of the sheets (company line, logo, rule), the heading and the
// project header, the column heads of the table of positions, then one row a position.
const QString kCoverTitleBand = QStringLiteral("CoverTitleBand");
const QString kCoverHeadBand = QStringLiteral("CoverColumnHeadBand");
const QString kCoverRowBand = QStringLiteral("CoverRowBand");

constexpr int kRowsPerCoverPage = 40;
constexpr int kRowPitch = 18;
constexpr int kFirstRowTop = 4;
constexpr int kCoverTitleBandHeight = 164;
constexpr int kCoverHeadBandHeight = 32;
constexpr int kCoverRowBandHeight = kFirstRowTop + kRowsPerCoverPage * kRowPitch + 20;

// Left edges of the project header block, as on the sheets.
constexpr int kCaptionLeft = 8;
constexpr int kValueLeft = 176;
constexpr int kHeaderTops[4] = {48, 72, 96, 120};

// The right end of the sheets' rules: the frame's right edge.
int frameRight()
{
    const Label r = rule(QString(), QString(), 0);
    return r.x + r.width;
}

// A column of the table: the left edge of its texts and their width, beyond which they are clipped;
// 6 pixels apart. The page column is right-aligned at the frame's right edge.
struct Column {
    const char *name;
    int x;
    int width;
};
constexpr Column kPositionColumn{"Number", 8, 44};
constexpr Column kProgramColumn{"Program", 58, 66};
constexpr Column kRequiredColumn{"Required", 130, 294};
constexpr Column kSectionColumn{"Section", 430, 136};

LabelFont rowFont()
{
    return smallFont(13);
}

LabelFont columnHeadFont()
{
    LabelFont font = smallFont(13);
    font.bold = true;
    return font;
}

// The cover's own texts; the design text is the German one.
const vb::Caption kCoverTexts[] = {
    {"CoverHeading", "Projekt", "Project"},        {"CoverProjectCaption", "Projekt:", "Project:"},
    {"CoverCompanyCaption", "Firma:", "Company:"}, {"CoverCreatorCaption", "Ersteller:", "Calculated by:"},
    {"CoverDateCaption", "Datum:", "Date:"},       {"CoverHeadNumber", "Pos.", "Pos."},
    {"CoverHeadProgram", "Programm", "Program"},   {"CoverHeadRequired", "Erforderlich", "Required"},
    {"CoverHeadSection", "Profil", "Section"},     {"CoverHeadPage", "Seite", "Page"},
};

Label coverText(const QString &name, const QString &band, int x, int top, const QString &text,
                LabelFont font = textFont(), int width = 0, Align align = Align::Left)
{
    return Label{name, band, x, top, text, std::move(font), align, width};
}

// The digit or sign a superscript character raises, or nothing.
QChar superscriptBase(QChar c)
{
    switch (c.unicode()) {
    case 0x2070:
        return QLatin1Char('0');
    case 0x00b9:
        return QLatin1Char('1');
    case 0x00b2:
        return QLatin1Char('2');
    case 0x00b3:
        return QLatin1Char('3');
    case 0x207a:
        return QLatin1Char('+');
    case 0x207b:
        return QLatin1Char('-');
    default:
        return c.unicode() >= 0x2074 && c.unicode() <= 0x2079 ? QChar(u'4' + (c.unicode() - 0x2074))
                                                              : QChar();
    }
}

QFont metricsFont(const LabelFont &style)
{
    QFont font(resolvedFamily(style.family));
    font.setPixelSize(style.pixelSize);
    font.setBold(style.bold);
    font.setKerning(false);
    return font;
}

// What setting the cells needs to know of their fonts, found once for a cover page.
struct CellFonts {
    LabelFont text = rowFont();
    LabelFont exponent = smallFont(9);
    QFontMetricsF textMetrics{metricsFont(text)};
    QFontMetricsF exponentMetrics{metricsFont(exponent)};
    // The font itself, not the fonts the platform would fall back on.
    QRawFont raw = QRawFont::fromFont(metricsFont(text));
};

// Appends the labels of one cell of the table, its text clipped to the column. Superscripts the
// sheets' fonts do not have (the ⁴ of cm⁴) are set as the sheets set exponents, as a smaller
// digit raised, so that the cover embeds no font the sheets do not use.
void appendCell(QList<Label> &labels, const CellFonts &fonts, const QString &name, const QString &band, int x,
                int top, int width, const QString &text)
{
    struct Run {
        QString text;
        bool raised = false;
    };
    QList<Run> runs;
    for (const QChar c : text) {
        const QChar base = superscriptBase(c);
        const bool raised = !base.isNull() && !fonts.raw.supportsCharacter(c);
        if (runs.isEmpty() || runs.last().raised != raised)
            runs.append(Run{QString(), raised});
        runs.last().text += raised ? base : c;
    }
    if (runs.isEmpty() || (runs.size() == 1 && !runs.first().raised)) {
        labels.append(coverText(name, band, x, top, text, fonts.text, width));
        return;
    }
    double advance = 0;
    for (qsizetype i = 0; i < runs.size(); ++i) {
        const int left = x + int(std::lround(advance));
        if (left >= x + width)
            break;
        const Run &run = runs.at(i);
        labels.append(coverText(i == 0 ? name : QStringLiteral("%1Part%2").arg(name).arg(i), band, left,
                                run.raised ? top - 2 : top, run.text,
                                run.raised ? fonts.exponent : fonts.text, x + width - left));
        advance += (run.raised ? fonts.exponentMetrics : fonts.textMetrics).horizontalAdvance(run.text);
    }
}

SheetLayout coverLayout(const BookletCover &cover, int coverPage)
{
    SheetLayout layout;
    layout.name = QStringLiteral("Deckblatt");
    layout.bands = {
        {kPageHeaderBand, 51},
        {kCoverTitleBand, kCoverTitleBandHeight},
        {kCoverHeadBand, kCoverHeadBandHeight},
        {kCoverRowBand, kCoverRowBandHeight},
    };
    const int right = frameRight();

    // The page header of the sheets.
    layout.labels.append(
        coverText(QStringLiteral("CoverCompanyLine"), kPageHeaderBand, 9, 16, companyLine()));
    layout.pictures.append(Picture{QStringLiteral("CoverLogo"), kPageHeaderBand, QRect(460, 15, 130, 20),
                                   QStringLiteral(":/logo.svg"), true, true});
    layout.labels.append(rule(QStringLiteral("CoverHeaderRule"), kPageHeaderBand, 32));

    // Heading and project header; the values end at the frame's right edge.
    const QString &tb = kCoverTitleBand;
    layout.labels.append(coverText(QStringLiteral("CoverHeading"), tb, 8, 8, QString(), headingFont(21)));
    const std::pair<const char *, const QString *> header[] = {
        {"Project", &cover.project},
        {"Company", &cover.company},
        {"Creator", &cover.creator},
        {"Date", &cover.date},
    };
    for (int i = 0; i < 4; ++i) {
        const QString name = QLatin1String(header[i].first);
        layout.labels.append(coverText(QStringLiteral("Cover%1Caption").arg(name), tb, kCaptionLeft,
                                       kHeaderTops[i], QString()));
        layout.labels.append(coverText(QStringLiteral("Cover%1").arg(name), tb, kValueLeft, kHeaderTops[i],
                                       *header[i].second, textFont(), right - kValueLeft));
    }
    layout.labels.append(rule(QStringLiteral("CoverTitleRule"), tb, 140));

    // Column heads.
    const QString &hb = kCoverHeadBand;
    for (const Column &column : {kPositionColumn, kProgramColumn, kRequiredColumn, kSectionColumn})
        layout.labels.append(coverText(QStringLiteral("CoverHead%1").arg(QLatin1String(column.name)), hb,
                                       column.x, 4, QString(), columnHeadFont(), column.width));
    layout.labels.append(coverText(QStringLiteral("CoverHeadPage"), hb, right, 4, QString(), columnHeadFont(),
                                   0, Align::Right));
    layout.labels.append(rule(QStringLiteral("CoverHeadRule"), hb, 10));

    // The rows of this cover page; every text is clipped to its column.
    const qsizetype first = qsizetype(coverPage) * kRowsPerCoverPage;
    const qsizetype last = std::min<qsizetype>(cover.rows.size(), first + kRowsPerCoverPage);
    const QString &rb = kCoverRowBand;
    const CellFonts fonts;
    for (qsizetype i = first; i < last; ++i) {
        const CoverRow &row = cover.rows.at(i);
        const int top = kFirstRowTop + int(i - first) * kRowPitch;
        const QString prefix = QStringLiteral("CoverRow%1").arg(i - first + 1);
        const std::pair<const Column *, const QString *> cells[] = {
            {&kPositionColumn, &row.number},
            {&kProgramColumn, &row.program},
            {&kRequiredColumn, &row.required},
            {&kSectionColumn, &row.section},
        };
        for (const auto &[column, text] : cells)
            appendCell(layout.labels, fonts, prefix + QLatin1String(column->name), rb, column->x, top,
                       column->width, *text);
        layout.labels.append(coverText(prefix + QStringLiteral("Page"), rb, right, top,
                                       row.page > 0 ? QString::number(row.page) : QString(), rowFont(), 0,
                                       Align::Right));
    }
    layout.labels.append(
        rule(QStringLiteral("CoverClosingRule"), rb, kFirstRowTop + int(last - first) * kRowPitch));
    return layout;
}

// The page number stands in the bottom margin, right-aligned at the frame's right edge, a little
// below the bottom margin's edge or below the frame where that reaches further down; so it is at
// the same place on every page and never touches the frame.
Sheet pageNumberSheet(const Sheet &sheet, const QString &text)
{
    const PageSetup &page = sheet.layout().page;
    const double topMargin = mmToPagePixels(page.marginsMm.top());
    double frameBottom = topMargin;
    for (const Band &band : sheet.layout().bands)
        frameBottom += band.height;
    const double paperHeight = page.pageLayout().fullRectPoints().height() * kPagePixelsPerInch / 72.0;
    const double top =
        std::max(paperHeight - mmToPagePixels(page.marginsMm.bottom()), frameBottom) + mmToPagePixels(2.0);

    SheetLayout layout;
    layout.name = QStringLiteral("Seitenzahl");
    layout.page = page;
    const QString band = QStringLiteral("PageNumberBand");
    layout.bands = {{QStringLiteral("AboveThePageNumber"), int(std::ceil(top - topMargin))}, {band, 16}};
    layout.labels = {
        Label{QStringLiteral("PageNumber"), band, frameRight(), 0, text, rowFont(), Align::Right, 0}};
    return Sheet(std::move(layout));
}

// One page of the booklet: its sheet and the page number, with what painting them needs loaded.
class BookletPage final : public PrintPage
{
public:
    BookletPage(Sheet sheet, const QString &pageNumber)
        : m_sheet(std::move(sheet)), m_painter(m_sheet), m_number(pageNumberSheet(m_sheet, pageNumber)),
          m_numberPainter(m_number)
    {
    }

    const Sheet &sheet() const { return m_sheet; }
    QPageLayout pageLayout() const override { return m_sheet.layout().page.pageLayout(); }
    void paint(QPainter &painter) const override
    {
        m_painter.paint(painter);
        m_numberPainter.paint(painter);
    }

private:
    const Sheet m_sheet;
    const SheetPainter m_painter;
    const Sheet m_number;
    const SheetPainter m_numberPainter;
};

// The pages of a booklet, made one at a time: the cover pages, then the sheet of every position.
class BookletPages
{
public:
    explicit BookletPages(const Booklet &booklet)
        : m_booklet(booklet), m_cover(booklet.cover), m_coverPages(coverPageCount(booklet.cover.rows.size())),
          m_sheets(std::max(0, booklet.sheetCount))
    {
        // A row has a page only where its position has a sheet.
        for (qsizetype i = 0; i < m_cover.rows.size(); ++i)
            m_cover.rows[i].page = i < m_sheets ? m_coverPages + int(i) + 1 : 0;
        if (m_sheets > 0 && !booklet.sheet)
            m_problem = {QStringLiteral("Die Blätter der Positionen fehlen."),
                         QStringLiteral("The sheets of the positions are missing.")};
        else if (m_cover.rows.size() != m_sheets)
            qWarning("report: the booklet's cover lists %lld positions for %d sheets",
                     static_cast<long long>(m_cover.rows.size()), m_sheets);
    }

    // Why the booklet cannot be made; empty when it can.
    const vb::Text &problem() const { return m_problem; }
    int count() const { return m_coverPages + m_sheets; }

    std::unique_ptr<BookletPage> make(int index) const
    {
        const QString number = pageNumberText(index + 1, count(), m_cover.english);
        if (index < m_coverPages)
            return std::make_unique<BookletPage>(makeCoverSheet(m_cover, index), number);
        return std::make_unique<BookletPage>(m_booklet.sheet(index - m_coverPages), number);
    }

private:
    const Booklet &m_booklet;
    BookletCover m_cover; // with the rows' pages
    int m_coverPages;
    int m_sheets;
    vb::Text m_problem;
};

// Paints every page of the booklet on the writer; fails with why it could not.
vb::Result<> paintBooklet(const BookletPages &pages, QPdfWriter &writer, const QString &title,
                          const vb::AtomicFile &file)
{
    const auto failure = [] { return vb::failure(pdfNotMade()); };
    std::unique_ptr<BookletPage> page = pages.make(0);
    setUpPdfWriter(writer, page->sheet());
    if (!title.isEmpty())
        writer.setTitle(title);
    QPainter painter;
    if (!painter.begin(&writer))
        return failure();
    for (int index = 0;;) {
        page->paint(painter);
        page.reset();
        // A file that can no longer be written is not painted on for the other pages.
        if (file.failure())
            return failure();
        if (++index == pages.count())
            break;
        page = pages.make(index);
        // A page of another paper takes its layout just before it begins.
        if (!page->pageLayout().isEquivalentTo(writer.pageLayout()))
            writer.setPageLayout(page->pageLayout());
        if (!writer.newPage())
            return failure();
    }
    if (!painter.end())
        return failure();
    return {};
}

} // namespace

int coverPageCount(qsizetype rows)
{
    return rows <= kRowsPerCoverPage ? 1 : int((rows + kRowsPerCoverPage - 1) / kRowsPerCoverPage);
}

QString pageNumberText(int page, int pages, bool english)
{
    return english ? QStringLiteral("Page %1 of %2").arg(page).arg(pages)
                   : QStringLiteral("Seite %1 von %2").arg(page).arg(pages);
}

Sheet makeCoverSheet(const BookletCover &cover, int coverPage)
{
    Sheet sheet(coverLayout(cover, coverPage));
    applyTexts(sheet, kCoverTexts, cover.english);
    return sheet;
}

vb::Result<> writeBookletPdf(const Booklet &booklet, const QString &fileName, const QString &title)
{
    const BookletPages pages(booklet);
    return writePdfFile(fileName, [&](QPdfWriter &writer, const vb::AtomicFile &file) -> vb::Result<> {
        if (!pages.problem().isEmpty())
            return vb::failure(pages.problem());
        return paintBooklet(pages, writer, title, file);
    });
}

vb::Result<PrintedJob> printBooklet(const Booklet &booklet, PrintProgress *progress)
{
    const BookletPages pages(booklet);
    if (!pages.problem().isEmpty())
        return vb::failure(pages.problem());
    return printPages(
        pages.count(), [&pages](int index) -> std::unique_ptr<PrintPage> { return pages.make(index); },
        progress);
}

} // namespace report
