// Long planner's texts on the six sheets and the cover, in both languages: every text keeps its
// room. Each page is written as PDF and read back word by word; no two words overlap and no word
// leaves the paper's printable area.

#include "sheetfixtures.h"
#include "sheetpdf.h"

#include "programs/pgm11024/druck1.h"
#include "programs/pgm21024/druck2.h"
#include "programs/pgm31024/druck3.h"
#include "programs/pgm41024/druck4.h"
#include "programs/pgm51024/druck5.h"
#include "programs/pgm61024/druck6.h"
#include "reports/booklet.h"
#include "reports/sheetpainter.h"

#include <QtCore/QRegularExpression>
#include <QtCore/QSet>
#include <QtCore/QTemporaryDir>
#include <QtTest/QTest>

using namespace report;

namespace
{
constexpr double kMm = 72.0 / 25.4; // points

// Two words overlap where their boxes share more than this, in points: a raised exponent may
// touch the unit it follows, as designed.
constexpr double kOverlapTolerance = 1.5;

// The planner's texts a sheet is printed with: long ones that fit by a smaller font, and much
// longer ones that are cut short.
struct PlannerTexts {
    HeaderValues header;
    QString companyLine, description, section;
};

PlannerTexts longTexts()
{
    return {{QStringLiteral("Bürogebäude am Stadtpark, Haus B"), QStringLiteral("1.01 EG Pfosten Achse A-F"),
             QStringLiteral("Metallbau Kröger GmbH & Co. KG"), QStringLiteral("Dipl.-Ing. (FH) S. Weiß"),
             QStringLiteral("08.12.2026"), QStringLiteral("10:15:00")},
            QStringLiteral("Metallbau Kröger GmbH & Co. KG · Am Hafen 12 · 28197 Bremen · Tel. 0421 123456"),
            QStringLiteral("EG Pfosten Achse A-F"),
            QStringLiteral("Musterprofil 50/120/3,5 verstärkt")};
}

PlannerTexts overlongTexts()
{
    return {
        {QStringLiteral("Neubau eines Verwaltungsgebäudes mit Tiefgarage, Bauabschnitt 2 (Nordflügel)"),
         QStringLiteral("2026-0815/1.01.03 EG Pfosten Achse A-F Nordseite"),
         QStringLiteral("Metallbau Kröger GmbH & Co. KG, Niederlassung Bremerhaven"),
         QStringLiteral("Dipl.-Ing. (FH) Sabine Weiß-Oberländer, Tragwerksplanung"),
         QStringLiteral("Montag, 08. Dezember 2026"), QStringLiteral("10:15:00 Uhr MEZ")},
        QStringLiteral("Metallbau Kröger GmbH & Co. KG · Niederlassung Bremerhaven · Am Alten Hafen 112 · "
                       "27568 Bremerhaven · Telefon 0471 1234567 · www.metallbau-kroeger.example"),
        QStringLiteral("Erdgeschoss, Pfosten der Pfosten-Riegel-Fassade in Achse A bis F, Nordseite, mit "
                       "Zusatzlast aus dem außenliegenden Sonnenschutz"),
        QStringLiteral("Pfosten-Riegel-System Musterfassade 50 SG, Statikprofil 50 x 185 x 3,5 mit "
                       "Stahlkern-Verstärkung und Zusatzprofil")};
}

Sheet makeSheet(int program, const FormTexts &texts)
{
    Sheet (*const make[])(const FormTexts &) = {makeDruck1, makeDruck2, makeDruck3,
                                                makeDruck4, makeDruck5, makeDruck6};
    return make[program - 1](texts);
}

QString describe(const PdfWord &word)
{
    return QStringLiteral("\"%1\" (%2, %3 – %4, %5 pt)")
        .arg(word.text)
        .arg(word.box.left(), 0, 'f', 1)
        .arg(word.box.top(), 0, 'f', 1)
        .arg(word.box.right(), 0, 'f', 1)
        .arg(word.box.bottom(), 0, 'f', 1);
}

// Where a word puts ink: its box, but for a rule (a row of underscores), whose line lies at the
// foot of its box.
QRectF inked(const PdfWord &word)
{
    static const QRegularExpression underscores(QStringLiteral("^_+$"));
    if (!underscores.match(word.text).hasMatch())
        return word.box;
    return QRectF(word.box.left(), word.box.bottom() - word.box.height() / 4, word.box.width(),
                  word.box.height() / 4);
}

// The first two words that overlap, or the first word outside the printable area, the paper less
// 5 mm at every edge; above `headerBottom` (the page header and the project header, where the
// planner's texts stand) within the sheet's side margins. Empty when there is none.
QString layoutFault(const PdfPage &page, double sideMargin, double headerBottom)
{
    if (!page.error.isEmpty())
        return page.error;
    if (page.words.isEmpty())
        return QStringLiteral("the page is empty");
    const QRectF printable(5 * kMm, 5 * kMm, page.size.width() - 10 * kMm, page.size.height() - 10 * kMm);
    const QRectF header(sideMargin - 0.5, 0, page.size.width() - 2 * sideMargin + 1, headerBottom);
    for (qsizetype i = 0; i < page.words.size(); ++i) {
        const PdfWord &a = page.words.at(i);
        if (!printable.contains(a.box) || (a.box.top() < headerBottom && !header.contains(a.box)))
            return QStringLiteral("%1 leaves the printable area").arg(describe(a));
        for (qsizetype j = i + 1; j < page.words.size(); ++j) {
            const QRectF shared = inked(a).intersected(inked(page.words.at(j)));
            if (shared.width() > kOverlapTolerance && shared.height() > kOverlapTolerance)
                return QStringLiteral("%1 overlaps %2").arg(describe(a), describe(page.words.at(j)));
        }
    }
    return QString();
}
// Whether `word` stands among the printed words, whole or broken into pieces a column wide.
bool inPieces(const QString &word, const QSet<QString> &printed)
{
    QList<bool> reached(word.size() + 1, false);
    reached[0] = true;
    for (qsizetype from = 0; from < word.size(); ++from)
        if (reached[from])
            for (qsizetype to = from + 1; to <= word.size(); ++to)
                if (printed.contains(word.mid(from, to - from)))
                    reached[to] = true;
    return reached[word.size()];
}
} // namespace

class TestOverlap : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void sheetsKeepTheirRooms_data();
    void sheetsKeepTheirRooms();
    void coverKeepsEveryText_data();
    void coverKeepsEveryText();

private:
    QTemporaryDir m_dir;
};

void TestOverlap::initTestCase()
{
    QVERIFY(m_dir.isValid());
    bool ok = false;
    runTool(QStringLiteral("pdftotext"), {QStringLiteral("-v")}, &ok);
    if (!ok)
        QFAIL("pdftotext is missing: install the Debian package poppler-utils");
}

void TestOverlap::sheetsKeepTheirRooms_data()
{
    QTest::addColumn<int>("program");
    QTest::addColumn<bool>("english");
    QTest::addColumn<bool>("option");
    QTest::addColumn<bool>("overlong");
    // Programm 2 and 4 have no option that changes their sheet.
    for (int program = 1; program <= 6; ++program)
        for (const bool english : {false, true})
            for (const bool option : {false, true}) {
                if (option && (program == 2 || program == 4))
                    continue;
                for (const bool overlong : {false, true})
                    QTest::addRow("Programm %d, %s%s, %s texts", program, english ? "English" : "German",
                                  option ? ", other option" : "", overlong ? "overlong" : "long")
                        << program << english << option << overlong;
            }
}

// The long texts all print whole, smaller where they must; the overlong ones end in "…". Nothing
// prints over anything else or off the printable area.
void TestOverlap::sheetsKeepTheirRooms()
{
    QFETCH(int, program);
    QFETCH(bool, english);
    QFETCH(bool, option);
    QFETCH(bool, overlong);
    const PlannerTexts planner = overlong ? overlongTexts() : longTexts();
    FormTexts texts = programInput(program, english, option);
    texts.header = planner.header;
    texts.letterhead.companyLine = planner.companyLine;
    texts.description = planner.description;
    texts.sectionName = planner.section;
    texts.sectionUtilisation = 87;
    const Sheet sheet = makeSheet(program, texts);
    const PdfPage page = printSheetToPdf(sheet, m_dir.filePath(QStringLiteral("sheet.pdf")));
    const QString fault = layoutFault(page, pagePixelsToPoints(sheet.bandLeft()),
                                      pagePixelsToPoints(sheet.bandTop(kColumnHeaderBand)));
    QVERIFY2(fault.isEmpty(), qPrintable(fault));

    const QString text = page.text();
    if (overlong) {
        QVERIFY2(text.contains(QChar(0x2026)), qPrintable(text));
        return;
    }
    for (const QString &whole : {planner.header.project, planner.header.positionNumber,
                                 planner.header.company, planner.header.creator, planner.companyLine,
                                 planner.description, sectionLine(planner.section, 87, english)})
        QVERIFY2(text.contains(whole),
                 qPrintable(QStringLiteral("\"%1\" is not whole in\n%2").arg(whole, text)));
}

void TestOverlap::coverKeepsEveryText_data()
{
    QTest::addColumn<bool>("english");
    QTest::addColumn<bool>("overlong");
    for (const bool english : {false, true})
        for (const bool overlong : {false, true})
            QTest::addRow("%s cover, %s texts", english ? "English" : "German",
                          overlong ? "overlong" : "long")
                << english << overlong;
}

// The cover wraps what does not fit and cuts nothing: every word of every row and of the header
// stands on one of its pages, no word over another, and a long section keeps clear of the page
// column. The rows take as many cover pages as they need.
void TestOverlap::coverKeepsEveryText()
{
    QFETCH(bool, english);
    QFETCH(bool, overlong);
    const PlannerTexts planner = overlong ? overlongTexts() : longTexts();
    Booklet booklet;
    booklet.cover.english = english;
    booklet.cover.project = planner.header.project;
    booklet.cover.company = planner.header.company;
    booklet.cover.creator = planner.header.creator;
    booklet.cover.date = planner.header.date;
    booklet.cover.letterhead.companyLine = planner.companyLine;
    const int positions = 45;
    for (int i = 0; i < positions; ++i) {
        CoverRow row{QStringLiteral("1.%1 EG Pfosten Achse A-F").arg(i + 1, 2, 10, QLatin1Char('0')),
                     QStringLiteral("Programm %1").arg(i % 6 + 1),
                     QStringLiteral("Ix 112.1 cm⁴, Wx 25.7 cm³"),
                     QStringLiteral("%1 (87 %)").arg(planner.section), 0};
        row.description = planner.description;
        row.member = english ? QStringLiteral("Two-span rafter L1 4.25 m, L2 3.80 m")
                             : QStringLiteral("Zweifeldsparren L1 4.25 m, L2 3.80 m");
        booklet.cover.rows.append(row);
    }
    booklet.sheetCount = positions;
    booklet.sheet = [](int) {
        return Sheet(SheetLayout{QStringLiteral("Leer"), {}, {{QStringLiteral("B"), 10}}, {}, {}});
    };
    const QString pdf = m_dir.filePath(QStringLiteral("cover.pdf"));
    QVERIFY(writeBookletPdf(booklet, pdf));
    const int coverPages = coverPageCount(booklet.cover);
    QVERIFY2(coverPages > 2, qPrintable(QString::number(coverPages)));

    const Sheet first = makeCoverSheet(booklet.cover, 0);
    const double side = pagePixelsToPoints(first.bandLeft());
    QStringList words;
    for (int n = 1; n <= coverPages; ++n) {
        const PdfPage page = readPdfPage(pdf, n);
        // The page number stands in the bottom margin, within the printable area.
        const QString fault = layoutFault(page, side, page.size.height());
        QVERIFY2(fault.isEmpty(), qPrintable(QStringLiteral("cover page %1: %2").arg(n).arg(fault)));
        const Sheet cover = makeCoverSheet(booklet.cover, n - 1);
        // No text of the section column reaches the page column, whose head ends the top row.
        double pageColumn = 0, headTop = page.size.height();
        for (const PdfWord &word : page.words)
            if (word.text == (english ? QStringLiteral("Page") : QStringLiteral("Seite")) &&
                word.box.top() < headTop) {
                headTop = word.box.top();
                pageColumn = word.box.left();
            }
        const double sectionColumn =
            side + pagePixelsToPoints(cover.label(QStringLiteral("CoverHeadSection"))->x);
        for (const PdfWord &word : page.words)
            if (word.box.left() >= sectionColumn - 0.5 && word.box.left() < pageColumn &&
                word.box.top() < page.size.height() - 15 * kMm) // the page number is below the table
                QVERIFY2(word.box.right() < pageColumn - 1,
                         qPrintable(QStringLiteral("%1 reaches the page column").arg(describe(word))));
        // The company line of the page header is set as on the sheets; the rest is the cover's.
        const double belowPageHeader = pagePixelsToPoints(cover.bandTop(QStringLiteral("CoverTitleBand")));
        for (const PdfWord &word : page.words)
            if (word.box.top() > belowPageHeader)
                words.append(word.text);
        QVERIFY(page.text().contains(english ? QStringLiteral("Member") : QStringLiteral("Bauteil")));
    }
    const QString all = words.join(QLatin1Char(' '));
    // Nothing is cut: every word of every text stands on the cover, the cubic centimetres with
    // their ³ (the font has it), the fourth power raised.
    QVERIFY(!all.contains(QChar(0x2026)));
    QStringList texts = {booklet.cover.project, booklet.cover.company, booklet.cover.creator,
                         planner.description,   planner.section,       QStringLiteral("Wx 25.7 cm³")};
    for (const CoverRow &row : booklet.cover.rows)
        texts << row.number << row.member;
    const QSet<QString> printed(words.cbegin(), words.cend());
    for (const QString &text : std::as_const(texts))
        for (const QString &word : text.split(QLatin1Char(' ')))
            QVERIFY2(inPieces(word, printed),
                     qPrintable(QStringLiteral("\"%1\" of \"%2\" is not on the cover").arg(word, text)));
}

QTEST_MAIN(TestOverlap)
#include "tst_overlap.moc"
