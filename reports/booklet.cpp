#include "reports/booklet.h"

#include "reports/frame.h"
#include "reports/sheetitems.h"
#include "reports/sheetpainter.h"
#include "reports/textfit.h"

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
// project header, the column heads of the table of positions, then one row a position. The
// planner's texts wrap and are never cut: a header value takes more lines (and the header block
// grows), a cell takes more lines (and its row grows), and the table takes the cover pages its
// rows need.
const QString kCoverTitleBand = QStringLiteral("CoverTitleBand");
const QString kCoverHeadBand = QStringLiteral("CoverColumnHeadBand");
const QString kCoverRowBand = QStringLiteral("CoverRowBand");

// The cover's bands take as much of the page as the sheets' do.
constexpr int kCoverHeight = 991;
constexpr int kPageHeaderHeight = 51;
constexpr int kCoverHeadBandHeight = 32;

// The table: rows of one line 18 pixels apart, a cell's further lines 15 (the 13-pixel font's
// line spacing, 14.99), and room for the closing rule below the last row.
constexpr int kRowPitch = 18;
constexpr int kCellLinePitch = 15;
constexpr int kFirstRowTop = 4;
constexpr int kRowsFoot = 20;

// The project header: rows 24 pixels apart, a value's further lines 19 (the 16-pixel font's
// 18.4); at most this many lines, so that the table keeps most of the page.
constexpr int kCaptionLeft = 8;
constexpr int kValueLeft = 176;
constexpr int kFirstHeaderTop = 48;
constexpr int kHeaderRowPitch = 24;
constexpr int kHeaderLinePitch = 19;
constexpr int kMostHeaderLines = 4;

// The right end of the sheets' rules: the frame's right edge.
int frameRight()
{
    const Label r = rule(QString(), QString(), 0);
    return r.x + r.width;
}

// A column of the table: the left edge of its texts and the width they wrap at, 6 pixels apart.
// The page column is right-aligned at the frame's right edge.
struct Column {
    const char *name;
    int x;
    int width;
};
constexpr Column kPositionColumn{"Number", 8, 50};
constexpr Column kDescriptionColumn{"Description", 64, 82};
constexpr Column kProgramColumn{"Program", 152, 66};
constexpr Column kMemberColumn{"Member", 224, 88};
constexpr Column kRequiredColumn{"Required", 318, 112};
constexpr Column kSectionColumn{"Section", 436, 84};
constexpr Column kColumns[] = {kPositionColumn, kDescriptionColumn, kProgramColumn,
                               kMemberColumn,   kRequiredColumn,    kSectionColumn};

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
    {"CoverHeading", "Projekt", "Project"},
    {"CoverProjectCaption", "Projekt:", "Project:"},
    {"CoverCompanyCaption", "Firma:", "Company:"},
    {"CoverCreatorCaption", "Ersteller:", "Calculated by:"},
    {"CoverDateCaption", "Datum:", "Date:"},
    {"CoverHeadNumber", "Pos.", "Pos."},
    {"CoverHeadDescription", "Bezeichnung", "Description"},
    {"CoverHeadProgram", "Programm", "Program"},
    {"CoverHeadMember", "Bauteil", "Member"},
    {"CoverHeadRequired", "Erforderlich", "Required"},
    {"CoverHeadSection", "Profil", "Section"},
    {"CoverHeadPage", "Seite", "Page"},
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

// A run of a cell's line: plain text, or superscripts the font does not have, set as the sheets
// set exponents, as smaller characters raised.
struct Run {
    QString text;
    bool raised = false;
};

// How the cells are set: their fonts and which superscripts the text font has.
class CellSetter
{
public:
    CellSetter()
    {
        QFont font(resolvedFamily(m_text.family));
        font.setPixelSize(m_text.pixelSize);
        m_raw = QRawFont::fromFont(font);
    }

    QList<Run> runs(QStringView text) const
    {
        QList<Run> runs;
        for (const QChar c : text) {
            const QChar base = superscriptBase(c);
            const bool raised = !base.isNull() && !(m_raw.isValid() && m_raw.supportsCharacter(c));
            if (runs.isEmpty() || runs.last().raised != raised)
                runs.append(Run{QString(), raised});
            runs.last().text += raised ? base : c;
        }
        return runs;
    }

    double width(QStringView text) const
    {
        double width = 0;
        for (const Run &run : runs(text))
            width += textWidth(run.raised ? m_exponent : m_text, run.text);
        return width;
    }

    // The lines of a cell `width` pixels wide, at most `most` of them: a cell longer than a whole
    // cover page ends in "…" on the page's last line.
    QStringList lines(const QString &text, int width, int most) const
    {
        const auto measure = [this](QStringView t) { return this->width(t); };
        QStringList lines = wrapText(text, width, measure);
        if (lines.size() > most) {
            const QString rest = QStringList(lines.mid(most - 1)).join(QLatin1Char(' '));
            lines = lines.first(most - 1);
            lines.append(shortenText(rest, width, measure));
        }
        return lines;
    }

    // Appends the labels of one line of a cell: one for each run.
    void append(QList<Label> &labels, const QString &name, const QString &band, int x, int top,
                const QString &line) const
    {
        const QList<Run> lineRuns = runs(line);
        double advance = 0;
        for (qsizetype i = 0; i < lineRuns.size(); ++i) {
            const Run &run = lineRuns.at(i);
            const LabelFont &font = run.raised ? m_exponent : m_text;
            labels.append(coverText(i == 0 ? name : QStringLiteral("%1Part%2").arg(name).arg(i), band,
                                    x + int(std::lround(advance)), run.raised ? top - 2 : top, run.text,
                                    font));
            advance += textWidth(font, run.text);
        }
    }

private:
    LabelFont m_text = rowFont();
    LabelFont m_exponent = smallFont(9);
    QRawFont m_raw; // the font itself, not the fonts the platform would fall back on
};

// What the cover's pages hold, worked out once for the whole cover: the lines of the header
// values, the lines of every cell, and where each page's rows begin.
struct CoverPlan {
    QList<QStringList> header; // project, company, creator, date
    int titleBandHeight = 0;
    int rowBandHeight = 0;
    QList<QList<QStringList>> cells; // by row, by column
    QList<int> rowHeights;
    QList<qsizetype> pageStarts; // the first row of every page; one page at least
};

QList<const QString *> headerValues(const BookletCover &cover)
{
    return {&cover.project, &cover.company, &cover.creator, &cover.date};
}

QList<const QString *> cellTexts(const CoverRow &row)
{
    return {&row.number, &row.description, &row.program, &row.member, &row.required, &row.section};
}

CoverPlan planCover(const BookletCover &cover)
{
    CoverPlan plan;
    const LabelFont font = textFont();
    const auto measure = [&font](QStringView t) { return textWidth(font, t); };
    const int valueWidth = frameRight() - kValueLeft;
    int next = kFirstHeaderTop;
    for (const QString *value : headerValues(cover)) {
        QStringList lines = value->isEmpty() ? QStringList{QString()} : wrapText(*value, valueWidth, measure);
        if (lines.size() > kMostHeaderLines) {
            const QString rest = QStringList(lines.mid(kMostHeaderLines - 1)).join(QLatin1Char(' '));
            lines = lines.first(kMostHeaderLines - 1);
            lines.append(shortenText(rest, valueWidth, measure));
        }
        next += kHeaderRowPitch + int(lines.size() - 1) * kHeaderLinePitch;
        plan.header.append(lines);
    }
    // The rule 4 pixels above where a fifth row would begin, the band 24 pixels below the rule.
    plan.titleBandHeight = next + 20;
    plan.rowBandHeight = kCoverHeight - kPageHeaderHeight - plan.titleBandHeight - kCoverHeadBandHeight;

    const int rowRoom = plan.rowBandHeight - kRowsFoot - kFirstRowTop;
    const int mostLines = std::max(1, (rowRoom - kRowPitch) / kCellLinePitch + 1);
    const CellSetter setter;
    for (const CoverRow &row : cover.rows) {
        QList<QStringList> cells;
        qsizetype lines = 1;
        const QList<const QString *> texts = cellTexts(row);
        for (qsizetype c = 0; c < texts.size(); ++c) {
            cells.append(setter.lines(*texts.at(c), kColumns[c].width, mostLines));
            lines = std::max(lines, cells.last().size());
        }
        plan.cells.append(cells);
        plan.rowHeights.append(kRowPitch + int(lines - 1) * kCellLinePitch);
    }

    plan.pageStarts.append(0);
    int top = kFirstRowTop;
    for (qsizetype i = 0; i < plan.rowHeights.size(); ++i) {
        if (top + plan.rowHeights.at(i) > plan.rowBandHeight - kRowsFoot && top > kFirstRowTop) {
            plan.pageStarts.append(i);
            top = kFirstRowTop;
        }
        top += plan.rowHeights.at(i);
    }
    return plan;
}

SheetLayout coverLayout(const BookletCover &cover, const CoverPlan &plan, int coverPage)
{
    SheetLayout layout;
    layout.name = QStringLiteral("Deckblatt");
    layout.bands = {
        {kPageHeaderBand, kPageHeaderHeight},
        {kCoverTitleBand, plan.titleBandHeight},
        {kCoverHeadBand, kCoverHeadBandHeight},
        {kCoverRowBand, plan.rowBandHeight},
    };
    const int right = frameRight();

    // The page header of the sheets, with the planner's letterhead where there is one.
    layout.labels.append(companyLineLabel(QStringLiteral("CoverCompanyLine")));
    layout.pictures.append(logoPicture(QStringLiteral("CoverLogo")));
    layout.labels.append(rule(QStringLiteral("CoverHeaderRule"), kPageHeaderBand, 32));
    applyLetterhead(layout, cover.letterhead, QStringLiteral("CoverCompanyLine"));

    // Heading and project header; the values wrap at the frame's right edge.
    const QString &tb = kCoverTitleBand;
    layout.labels.append(coverText(QStringLiteral("CoverHeading"), tb, 8, 8, QString(), headingFont(21)));
    const char *const header[] = {"Project", "Company", "Creator", "Date"};
    int top = kFirstHeaderTop;
    for (int i = 0; i < 4; ++i) {
        const QString name = QLatin1String(header[i]);
        layout.labels.append(
            coverText(QStringLiteral("Cover%1Caption").arg(name), tb, kCaptionLeft, top, QString()));
        const QStringList &lines = plan.header.at(i);
        for (qsizetype l = 0; l < lines.size(); ++l)
            layout.labels.append(coverText(l == 0 ? QStringLiteral("Cover%1").arg(name)
                                                  : QStringLiteral("Cover%1Line%2").arg(name).arg(l + 1),
                                           tb, kValueLeft, top + int(l) * kHeaderLinePitch, lines.at(l)));
        top += kHeaderRowPitch + int(lines.size() - 1) * kHeaderLinePitch;
    }
    layout.labels.append(rule(QStringLiteral("CoverTitleRule"), tb, top - 4));

    // Column heads.
    const QString &hb = kCoverHeadBand;
    for (const Column &column : kColumns)
        layout.labels.append(coverText(QStringLiteral("CoverHead%1").arg(QLatin1String(column.name)), hb,
                                       column.x, 4, QString(), columnHeadFont()));
    layout.labels.append(coverText(QStringLiteral("CoverHeadPage"), hb, right, 4, QString(), columnHeadFont(),
                                   0, Align::Right));
    layout.labels.append(rule(QStringLiteral("CoverHeadRule"), hb, 10));

    // The rows of this cover page, each as high as its longest cell.
    const qsizetype first = plan.pageStarts.value(coverPage, cover.rows.size());
    const qsizetype last = plan.pageStarts.value(coverPage + 1, cover.rows.size());
    const QString &rb = kCoverRowBand;
    const CellSetter setter;
    top = kFirstRowTop;
    for (qsizetype i = first; i < last; ++i) {
        const CoverRow &row = cover.rows.at(i);
        const QString prefix = QStringLiteral("CoverRow%1").arg(i - first + 1);
        const QList<QStringList> &cells = plan.cells.at(i);
        for (qsizetype c = 0; c < cells.size(); ++c) {
            const QString name = prefix + QLatin1String(kColumns[c].name);
            for (qsizetype l = 0; l < cells.at(c).size(); ++l)
                setter.append(layout.labels, l == 0 ? name : QStringLiteral("%1Line%2").arg(name).arg(l + 1),
                              rb, kColumns[c].x, top + int(l) * kCellLinePitch, cells.at(c).at(l));
        }
        layout.labels.append(coverText(prefix + QStringLiteral("Page"), rb, right, top,
                                       row.page > 0 ? QString::number(row.page) : QString(), rowFont(), 0,
                                       Align::Right));
        top += plan.rowHeights.at(i);
    }
    layout.labels.append(rule(QStringLiteral("CoverClosingRule"), rb, top));
    return layout;
}

Sheet coverSheet(const BookletCover &cover, const CoverPlan &plan, int coverPage)
{
    Sheet sheet(coverLayout(cover, plan, coverPage));
    applyTexts(sheet, kCoverTexts, cover.english);
    return sheet;
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
        : m_booklet(booklet), m_cover(booklet.cover), m_plan(planCover(booklet.cover)),
          m_coverPages(int(m_plan.pageStarts.size())), m_sheets(std::max(0, booklet.sheetCount))
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
            return std::make_unique<BookletPage>(coverSheet(m_cover, m_plan, index), number);
        return std::make_unique<BookletPage>(m_booklet.sheet(index - m_coverPages), number);
    }

private:
    const Booklet &m_booklet;
    BookletCover m_cover; // with the rows' pages
    CoverPlan m_plan;     // the rows' pages change no row's height
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

int coverPageCount(const BookletCover &cover)
{
    return int(planCover(cover).pageStarts.size());
}

QString pageNumberText(int page, int pages, bool english)
{
    return english ? QStringLiteral("Page %1 of %2").arg(page).arg(pages)
                   : QStringLiteral("Seite %1 von %2").arg(page).arg(pages);
}

Sheet makeCoverSheet(const BookletCover &cover, int coverPage)
{
    return coverSheet(cover, planCover(cover), coverPage);
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
