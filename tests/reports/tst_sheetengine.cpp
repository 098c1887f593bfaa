// The report engine and the sheet of Programm 1, checked on the PDF that the engine writes: page
// size, margins, where each text stands, fonts, which texts print in which language and mode.

#include "pdfwords.h"
#include "sheetfixtures.h"

#include "programs/pgm11024/druck1.h"
#include "programs/pgm21024/druck2.h"
#include "programs/pgm31024/druck3.h"
#include "programs/pgm41024/druck4.h"
#include "programs/pgm51024/druck5.h"
#include "programs/pgm61024/druck6.h"
#include "reports/sheetpainter.h"

#include <QtCore/QFile>
#include <QtCore/QHash>
#include <QtCore/QTemporaryDir>
#include <QtGui/QImage>
#include <QtGui/QPainter>
#include <QtGui/QPdfWriter>
#include <QtSvg/QSvgRenderer>
#include <QtTest/QTest>

using namespace report;

namespace
{
// Page pixels from the paper's edges to the bands: 25 mm left, 15 mm top.
constexpr double kLeftMarginPx = 25.0 / 25.4 * 96.0;
constexpr double kTopMarginPx = 15.0 / 25.4 * 96.0;
// Band tops of the sheet of Programm 1 below the top margin: 51 + 91 + 15.
constexpr int kPageHeaderTop = 0, kTitleTop = 51, kChildTop = 157;
constexpr double kTolerancePx = 1.0;

double xPt(double bandX)
{
    return pagePixelsToPoints(kLeftMarginPx + bandX);
}
double yPt(int bandTop, double top)
{
    return pagePixelsToPoints(kTopMarginPx + bandTop + top);
}
} // namespace

class TestSheetEngine : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void pageSetUp_data();
    void pageSetUp();
    void pictureSwitch_data();
    void pictureSwitch();
    void unknownNamesAreReportedNotFatal();
    void drawingLabelsStandWhereTheDrawingPutsThem_data();
    void drawingLabelsStandWhereTheDrawingPutsThem();
    void drawingLabelsTheRendererKeeps_data();
    void drawingLabelsTheRendererKeeps();
    void druck1DrawingLabelsAreText_data();
    void druck1DrawingLabelsAreText();

    void druck1Positions_data();
    void druck1Positions();
    void druck1EmptiedRows_data();
    void druck1EmptiedRows();
    void druck1Texts_data();
    void druck1Texts();
    void druck1ExactTexts_data();
    void druck1ExactTexts();
    void druck1Pictures_data();
    void druck1Pictures();
    void druck1FontsAndDrawingsStayVector();
    void sectionLineBesideTheResultsHeading_data();
    void sectionLineBesideTheResultsHeading();

private:
    PdfPage printed(const Sheet &sheet, int dpi = 1200);
    QString pdfFile(const QString &stem) const { return m_dir.filePath(stem + QStringLiteral(".pdf")); }

    QTemporaryDir m_dir;
    int m_count = 0;
};

void TestSheetEngine::initTestCase()
{
    QVERIFY(m_dir.isValid());
    bool ok = false;
    runTool(QStringLiteral("pdftotext"), {QStringLiteral("-v")}, &ok);
    if (!ok)
        QFAIL("pdftotext is missing: install the Debian package poppler-utils");
}

PdfPage TestSheetEngine::printed(const Sheet &sheet, int dpi)
{
    const QString file = pdfFile(QStringLiteral("sheet%1").arg(++m_count));
    {
        QPdfWriter writer(file);
        setUpPdfWriter(writer, sheet, dpi);
        const SheetPainter sheetPainter(sheet);
        QPainter painter(&writer);
        sheetPainter.paint(painter);
    }
    return readPdfPage(file);
}

// A bare sheet of two bands: a label in each band's corner and a value at the right margin.
static SheetLayout probeLayout()
{
    SheetLayout layout;
    layout.name = QStringLiteral("Probe");
    layout.bands = {{QStringLiteral("Upper"), 100}, {QStringLiteral("Lower"), 300}};
    layout.labels = {
        {QStringLiteral("Corner"), QStringLiteral("Upper"), 0, 0, QStringLiteral("Corner")},
        {QStringLiteral("Edge"), QStringLiteral("Upper"), 604, 40, QStringLiteral("Edge"), {}, Align::Right},
        {QStringLiteral("Lower"), QStringLiteral("Lower"), 50, 20, QStringLiteral("Lower")},
    };
    return layout;
}

void TestSheetEngine::pageSetUp_data()
{
    QTest::addColumn<int>("dpi");
    QTest::newRow("at 1200 dpi the page is A4 and texts keep to the margins") << 1200;
    QTest::newRow("at 600 dpi the page is A4 and texts keep to the margins") << 600;
    QTest::newRow("at 300 dpi, where font sizes are not whole dots, texts keep their places") << 300;
}

void TestSheetEngine::pageSetUp()
{
    QFETCH(int, dpi);
    const PdfPage page = printed(Sheet(probeLayout()), dpi);
    QVERIFY2(page.error.isEmpty(), qPrintable(page.error));
    QCOMPARE(qRound(page.size.width()), 595);
    QCOMPARE(qRound(page.size.height()), 842);
    QCOMPARE(page.words.size(), 3);
    const double tol = pagePixelsToPoints(kTolerancePx);
    // Corner of the first band = the left and top margins, 25 mm and 15 mm.
    QVERIFY(qAbs(page.words[0].box.left() - 25.0 / 25.4 * 72.0) < tol);
    QVERIFY(qAbs(page.words[0].box.top() - 15.0 / 25.4 * 72.0) < tol);
    // A 16-pixel Times line is ascent + descent = 1.107 em high: 13.28 pt.
    QVERIFY2(qAbs(page.words[0].box.height() - 13.28) < 0.3,
             qPrintable(QString::number(page.words[0].box.height())));
    // A value aligned to 604 pixels ends at the right margin, 25 mm from the paper's edge.
    QVERIFY(qAbs(page.words[1].box.right() - (595.28 - 25.0 / 25.4 * 72.0)) < tol);
    // The second band starts below the first band's 100 pixels.
    QVERIFY(qAbs(page.words[2].box.left() - xPt(50)) < tol);
    QVERIFY(qAbs(page.words[2].box.top() - pagePixelsToPoints(kTopMarginPx + 100 + 20)) < tol);
}

void TestSheetEngine::pictureSwitch_data()
{
    QTest::addColumn<bool>("on");
    QTest::newRow("a picture switched on prints its drawing in its rectangle") << true;
    QTest::newRow("a picture switched off prints nothing") << false;
}

// Counts the dark pixels of a page rendered at 96 dpi (one pixel per page pixel) inside a rectangle.
static int darkPixels(const QImage &page, const QRect &pagePixels)
{
    int count = 0;
    for (int y = pagePixels.top(); y <= pagePixels.bottom(); ++y)
        for (int x = pagePixels.left(); x <= pagePixels.right(); ++x)
            if (qGray(page.pixel(x, y)) < 128)
                ++count;
    return count;
}

void TestSheetEngine::pictureSwitch()
{
    QFETCH(bool, on);
    // A drawing framed by its own border: stretched into its rectangle, the border runs along
    // the rectangle's edges.
    const QString svg = m_dir.filePath(QStringLiteral("probe.svg"));
    QFile file(svg);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(R"(<svg xmlns="http://www.w3.org/2000/svg" width="200" height="100" viewBox="0 0 200 100">)"
               R"(<rect x="0" y="0" width="200" height="100" fill="none" stroke="black" stroke-width="6"/>)"
               R"(<rect x="60" y="30" width="80" height="40" fill="black"/></svg>)");
    file.close();
    SheetLayout layout = probeLayout();
    layout.pictures = {
        {QStringLiteral("Drawing"), QStringLiteral("Lower"), QRect(300, 100, 100, 50), svg, true, true}};
    Sheet sheet(layout);
    sheet.setPictureOn(QStringLiteral("Drawing"), on);
    const QString pdf = pdfFile(QStringLiteral("picture"));
    QVERIFY(writePdf(sheet, pdf));
    bool ok = false;
    runTool(QStringLiteral("pdftoppm"),
            {QStringLiteral("-r"), QStringLiteral("96"), QStringLiteral("-png"),
             QStringLiteral("-singlefile"), pdf, m_dir.filePath(QStringLiteral("picture"))},
            &ok);
    QVERIFY(ok);
    const QImage page(m_dir.filePath(QStringLiteral("picture.png")));
    QCOMPARE(page.size(), QSize(794, 1123));
    // The rectangle on the page: band Lower starts 100 pixels below the top margin.
    const QRect rect(qRound(25.0 / 25.4 * 96.0) + 300, qRound(15.0 / 25.4 * 96.0) + 100 + 100, 100, 50);
    const int inside = darkPixels(page, rect.adjusted(2, 2, -2, -2));
    const int frame =
        darkPixels(page, rect.adjusted(-1, -1, 1, 1)) - darkPixels(page, rect.adjusted(3, 3, -3, -3));
    const int around =
        darkPixels(page, rect.adjusted(-12, -12, 12, 12)) - darkPixels(page, rect.adjusted(-2, -2, 2, 2));
    if (on) {
        QVERIFY2(inside > 20 * 10, qPrintable(QString::number(inside)));      // the filled block, 40 x 20
        QVERIFY2(frame > 2 * (100 + 50), qPrintable(QString::number(frame))); // the border along the edges
    } else {
        QCOMPARE(inside + frame, 0);
    }
    QCOMPARE(around, 0); // nothing spills out of the rectangle
}

void TestSheetEngine::drawingLabelsStandWhereTheDrawingPutsThem_data()
{
    QTest::addColumn<bool>("stretch");
    QTest::addColumn<QRect>("box");
    QTest::newRow("a drawing stretched into a box of other proportions keeps its labels at their places")
        << true << QRect(100, 40, 300, 120);
    QTest::newRow("a drawing at its own size keeps its labels at their places")
        << false << QRect(100, 40, 300, 300);
    QTest::newRow("a drawing scaled down into a smaller box keeps its labels at their places")
        << false << QRect(100, 40, 150, 60);
}

// The labels of a drawing print as text of the page (pdftotext finds them) and stand where the SVG
// renderer itself lays them out: start, middle and end anchors, in every way a picture is scaled.
void TestSheetEngine::drawingLabelsStandWhereTheDrawingPutsThem()
{
    QFETCH(bool, stretch);
    QFETCH(QRect, box);
    const QString svg = m_dir.filePath(QStringLiteral("labels.svg"));
    QFile file(svg);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(
        R"(<?xml version="1.0" encoding="UTF-8"?>)"
        R"(<svg xmlns="http://www.w3.org/2000/svg" width="240" height="160" viewBox="0 0 240 160">)"
        R"(<rect x="10" y="10" width="220" height="140" fill="none" stroke="black"/>)"
        R"(<text id="start" x="20" y="40" font-family="Arial" font-size="11" text-anchor="start">Beginn</text>)"
        R"(<text id="middle" x="120" y="90" font-family="Arial" font-size="14" text-anchor="middle")"
        R"( fill="#000000">Mitte</text>)"
        R"(<text id="end" x="220" y="140" font-family="Arial" font-size="11" text-anchor="end">Ende</text>)"
        R"(</svg>)");
    file.close();
    SheetLayout layout = probeLayout();
    layout.pictures = {{QStringLiteral("Drawing"), QStringLiteral("Lower"), box, svg, stretch, true}};
    const PdfPage page = printed(Sheet(layout), 1200);
    QVERIFY2(page.error.isEmpty(), qPrintable(page.error));

    // Where the renderer puts the drawing: the box, or the drawing's own size from its corner,
    // scaled down to fit when it is larger, keeping its proportions.
    QSvgRenderer renderer(svg);
    QRectF target(box);
    if (!stretch) {
        QSizeF size = renderer.defaultSize();
        if (size.width() > box.width() || size.height() > box.height())
            size = size.scaled(box.size(), Qt::KeepAspectRatio);
        target = QRectF(box.topLeft(), size);
    }
    const double sx = target.width() / 240.0, sy = target.height() / 160.0;
    constexpr int lowerTop = 100;
    for (const char *id : {"start", "middle", "end"}) {
        const QRectF bounds = renderer.boundsOnElement(QLatin1String(id)); // drawing units
        const QString word = id == QByteArray("start")    ? QStringLiteral("Beginn")
                             : id == QByteArray("middle") ? QStringLiteral("Mitte")
                                                          : QStringLiteral("Ende");
        const auto found = std::find_if(page.words.cbegin(), page.words.cend(),
                                        [&](const PdfWord &w) { return w.text == word; });
        QVERIFY2(found != page.words.cend(), qPrintable(word + QStringLiteral(" is not text of the page")));
        const double left = xPt(target.left() + bounds.left() * sx);
        const double right = xPt(target.left() + bounds.right() * sx);
        const double centre = (left + right) / 2;
        // The renderer's box is the line's box, taller than the glyphs; the word's box lies in it.
        const double top = yPt(lowerTop, target.top() + bounds.top() * sy);
        const double bottom = yPt(lowerTop, target.top() + bounds.bottom() * sy);
        const QRectF &got = found->box;
        const double slack = 1.5;
        if (stretch && sx > sy) {
            // Stretched wider than high: the label keeps its proportions, so only its anchor holds.
            const double anchor = id == QByteArray("start") ? got.left()
                                  : id == QByteArray("end") ? got.right()
                                                            : got.center().x();
            const double expected = id == QByteArray("start") ? left
                                    : id == QByteArray("end") ? right
                                                              : centre;
            QVERIFY2(qAbs(anchor - expected) <= slack,
                     qPrintable(QStringLiteral("%1: anchor at %2 pt, drawing puts it at %3 pt")
                                    .arg(word)
                                    .arg(anchor)
                                    .arg(expected)));
        } else {
            QVERIFY2(qAbs(got.left() - left) <= slack && qAbs(got.right() - right) <= slack,
                     qPrintable(QStringLiteral("%1: %2..%3 pt, drawing puts it at %4..%5 pt")
                                    .arg(word)
                                    .arg(got.left())
                                    .arg(got.right())
                                    .arg(left)
                                    .arg(right)));
        }
        QVERIFY2(got.top() >= top - slack && got.bottom() <= bottom + slack,
                 qPrintable(QStringLiteral("%1: %2..%3 pt high, drawing line %4..%5 pt")
                                .arg(word)
                                .arg(got.top())
                                .arg(got.bottom())
                                .arg(top)
                                .arg(bottom)));
    }
}

void TestSheetEngine::drawingLabelsTheRendererKeeps_data()
{
    QTest::addColumn<QByteArray>("root");
    QTest::addColumn<QByteArray>("label");
    QTest::addColumn<bool>("laterLabelIsText");
    const QByteArray plainRoot =
        R"(<svg xmlns="http://www.w3.org/2000/svg" width="240" height="160" viewBox="0 0 240 160">)";
    QTest::newRow("a label with a child element is drawn by the renderer, and the next one is text")
        << plainRoot
        << QByteArray(R"(<text x="20" y="40" font-size="14">Tra<tspan font-weight="bold">ufe</tspan></text>)")
        << true;
    QTest::newRow("a label with a transform is drawn by the renderer")
        << plainRoot
        << QByteArray(R"svg(<text x="20" y="40" font-size="14" transform="translate(0 0)">Traufe</text>)svg")
        << true;
    QTest::newRow("a label inside a group is drawn by the renderer")
        << plainRoot << QByteArray(R"(<g><text x="20" y="40" font-size="14">Traufe</text></g>)") << true;
    QTest::newRow("a label sized in pixels is drawn by the renderer")
        << plainRoot << QByteArray(R"(<text x="20" y="40" font-size="14px">Traufe</text>)") << true;
    QTest::newRow("under a root that passes a style down, every label is drawn by the renderer")
        << QByteArray(
               R"(<svg xmlns="http://www.w3.org/2000/svg" width="240" height="160" viewBox="0 0 240 160")"
               R"( font-weight="bold">)")
        << QByteArray(R"(<text x="20" y="40" font-size="14">Traufe</text>)") << false;
}

// Labels the sheet painter does not take over are left in the drawing and still printed; the
// plain labels after them are still taken over.
void TestSheetEngine::drawingLabelsTheRendererKeeps()
{
    QFETCH(QByteArray, root);
    QFETCH(QByteArray, label);
    QFETCH(bool, laterLabelIsText);
    const QString svg = m_dir.filePath(QStringLiteral("kept%1.svg").arg(++m_count));
    QFile file(svg);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(root + label +
               R"(<text x="20" y="120" font-family="Arial" font-size="14">Danach</text></svg>)");
    file.close();
    SheetLayout layout = probeLayout();
    layout.pictures = {
        {QStringLiteral("Drawing"), QStringLiteral("Lower"), QRect(100, 40, 240, 160), svg, true, true}};
    const Sheet sheet(layout);
    const QString pdf = pdfFile(QStringLiteral("kept%1").arg(m_count));
    QVERIFY(writePdf(sheet, pdf));
    const PdfPage page = readPdfPage(pdf);
    QVERIFY2(page.error.isEmpty(), qPrintable(page.error));
    const auto isText = [&](const QString &word) {
        return std::any_of(page.words.cbegin(), page.words.cend(),
                           [&](const PdfWord &w) { return w.text == word; });
    };
    QCOMPARE(isText(QStringLiteral("Danach")), laterLabelIsText);
    QVERIFY(!isText(QStringLiteral("Traufe")));
    bool ok = false;
    runTool(QStringLiteral("pdftoppm"),
            {QStringLiteral("-r"), QStringLiteral("96"), QStringLiteral("-png"),
             QStringLiteral("-singlefile"), pdf, m_dir.filePath(QStringLiteral("kept"))},
            &ok);
    QVERIFY(ok);
    const QImage image(m_dir.filePath(QStringLiteral("kept.png")));
    // The kept label's baseline: 40 drawing units into a box at 100, 40 of band Lower (top 100).
    const QPoint origin(qRound(kLeftMarginPx) + 100, qRound(kTopMarginPx) + 100 + 40);
    QVERIFY2(darkPixels(image, QRect(origin + QPoint(20, 40 - 14), QSize(60, 16))) > 20,
             "the label the renderer keeps is not printed");
    QVERIFY2(darkPixels(image, QRect(origin + QPoint(20, 120 - 14), QSize(60, 16))) > 20,
             "the label after it is not printed");
}

void TestSheetEngine::druck1DrawingLabelsAreText_data()
{
    QTest::addColumn<bool>("english");
    QTest::addColumn<bool>("transom");
    QTest::addColumn<QStringList>("words");
    QTest::newRow("the German mullion sheet prints the labels of elevation and load areas")
        << false << false << QStringList{"LP", "LS", "A/2", "B/2", "Einfluss-", "flächen"};
    QTest::newRow("the English mullion sheet prints the English labels of the load areas")
        << true << false << QStringList{"LP", "LS", "A/2", "B/2", "influence", "areas"};
    QTest::newRow("the German transom sheet prints the labels of the transom drawing")
        << false << true << QStringList{"H1", "H2", "Einfluss-", "flächen"};
    QTest::newRow("the English transom sheet prints the English labels of the transom drawing")
        << true << true << QStringList{"H1", "H2", "influence", "areas"};
}

// The sketches' labels are text of the printed page, inside the sketches' right-hand column.
void TestSheetEngine::druck1DrawingLabelsAreText()
{
    QFETCH(bool, english);
    QFETCH(bool, transom);
    QFETCH(QStringList, words);
    const PdfPage page = printed(makeDruck1(sampleInput(english, transom)), 1200);
    QVERIFY2(page.error.isEmpty(), qPrintable(page.error));
    // Every drawing of the sheet stands right of x = 376 in the child band.
    const double column = xPt(376) - 1;
    for (const QString &word : std::as_const(words)) {
        const bool there = std::any_of(page.words.cbegin(), page.words.cend(), [&](const PdfWord &w) {
            return w.text == word && w.box.left() >= column && w.box.top() >= yPt(kChildTop, 0);
        });
        QVERIFY2(there, qPrintable(word + QStringLiteral(" is not printed as text beside the drawings")));
    }
}

void TestSheetEngine::unknownNamesAreReportedNotFatal()
{
    Sheet sheet = makeDruck1(sampleInput(false, false));
    QTest::ignoreMessage(QtWarningMsg, "report: TForm32 has no label QRLabel999");
    QVERIFY(!sheet.setText(QStringLiteral("QRLabel999"), QStringLiteral("x")));
    QTest::ignoreMessage(QtWarningMsg, "report: TForm32 has no picture QRImage9");
    QVERIFY(!sheet.setPictureOn(QStringLiteral("QRImage9"), false));
}

void TestSheetEngine::druck1Positions_data()
{
    QTest::addColumn<bool>("english");
    QTest::addColumn<bool>("transom");
    QTest::addColumn<QString>("word");
    QTest::addColumn<bool>("rightAligned");
    QTest::addColumn<int>("x"); // left edge, or right edge of a right-aligned value
    QTest::addColumn<int>("bandTop");
    QTest::addColumn<int>("top");

    struct Place {
        const char *what;
        const char *german, *english;
        bool right;
        int x, bandTop, top;
        bool mullionOnly;
    };
    static const Place places[] = {
        {"the company line starts at 9, 16 of the page header", "Musterbau", "Musterbau", false, 9,
         kPageHeaderTop, 16, false},
        {"the project caption stands at 8, 8 of the title band", "Projekt", "Project:", false, 8, kTitleTop,
         8, false},
        {"the project value stands at 176 beside its caption", "Bürohaus", "Bürohaus", false, 176, kTitleTop,
         8, false},
        {"the position number stands at 176 in the second row", "P-4711", "P-4711", false, 176, kTitleTop, 32,
         false},
        {"the date caption opens the right column", "Datum:", "Date:", false, 392, kTitleTop, 8, false},
        {"the creator value stands at 496 in the third row", "A.", "A.", false, 496, kTitleTop, 56, false},
        {"the title opens the child band at 8, 8", "Statische", "Static", false, 8, kChildTop, 8, false},
        {"the first length ends at its right edge 344", "3.5", "3.5", true, 344, kChildTop, 232, false},
        {"the second length ends at 344", "2.8", "2.8", true, 344, kChildTop, 256, false},
        {"the field width ends at 344", "1.25", "1.25", true, 344, kChildTop, 280, false},
        {"the unit of the first length stands at 352", "m", "m", false, 352, kChildTop, 232, false},
        {"the width B ends at 344", "1.35", "1.35", true, 344, kChildTop, 304, true},
        {"the mullion limit's denominator ends at 344", "200", "200", true, 344, kChildTop, 376, true},
        {"the mullion cap ends at 451 in the gap of its caption", "15", "15", true, 451, kChildTop, 376,
         true},
        {"L / of the pane-edge row stands at 288", "L", "L", false, 288, kChildTop, 400, false},
        {"the pane-edge denominator ends at 344", "300", "300", true, 344, kChildTop, 400, false},
        {"the pane-edge cap ends at 451 in the gap of its caption", "8.5", "8.5", true, 451, kChildTop, 400,
         false},
        {"the wind load ends at its right edge 347", "-0.8", "-0.8", true, 347, kChildTop, 456, false},
        {"the wind load unit stands at 352", "kN/m²", "kN/m²", false, 352, kChildTop, 456, false},
        {"the results heading stands at 8, 532", "Ergebnisse", "Results", false, 8, kChildTop, 532, false},
        {"the moment ends at 384", "-2345.6", "-2345.6", true, 384, kChildTop, 556, false},
        {"the moment unit stands at 392", "kNcm", "kNcm", false, 392, kChildTop, 556, false},
        {"the index f stands lowered at 271 beside M", "f", "f", false, 271, kChildTop, 562, false},
        {"the bold second moment of area ends at 384", "123.4", "123.4", true, 384, kChildTop, 612, false},
        {"the member deflection ends at 384", "17.50", "17.50", true, 384, kChildTop, 636, true},
        {"the pane-edge deflection ends at 384", "11.20", "11.20", true, 384, kChildTop, 660, false},
        {"the material line stands at 8, 704 of the child band", "Werkstoff:", "Material:", false, 8,
         kChildTop, 704, false},
        {"the first liability note stands at 746", "Wir", "We", false, 8, kChildTop, 746, false},
        {"the disclaimer stands 22 pixels below the second note", "Die", "The", false, 8, kChildTop, 792,
         false},
    };
    for (const bool english : {false, true}) {
        for (const bool transom : {false, true}) {
            for (const Place &p : places) {
                if (p.mullionOnly && transom)
                    continue;
                const QByteArray name = QByteArray(p.what) + " on the " + variantName(english, transom);
                QTest::newRow(name.constData())
                    << english << transom << QString::fromUtf8(english ? p.english : p.german) << p.right
                    << p.x << p.bandTop << p.top;
            }
        }
    }
}

void TestSheetEngine::druck1Positions()
{
    QFETCH(bool, english);
    QFETCH(bool, transom);
    QFETCH(QString, word);
    QFETCH(bool, rightAligned);
    QFETCH(int, x);
    QFETCH(int, bandTop);
    QFETCH(int, top);

    // One PDF per variant serves all its rows.
    static QHash<int, PdfPage> pages;
    const int key = int(english) * 2 + int(transom);
    if (!pages.contains(key))
        pages.insert(key, printed(makeDruck1(sampleInput(english, transom))));
    const PdfPage &page = pages[key];
    QVERIFY2(page.error.isEmpty(), qPrintable(page.error));

    const double expectedTop = yPt(bandTop, top);
    const PdfWord *best = nullptr;
    for (const PdfWord &w : page.words)
        if (w.text == word &&
            (!best || qAbs(w.box.top() - expectedTop) < qAbs(best->box.top() - expectedTop)))
            best = &w;
    QVERIFY2(best, qPrintable(QStringLiteral("\"%1\" is not on the sheet").arg(word)));
    const double tol = pagePixelsToPoints(kTolerancePx);
    QVERIFY2(qAbs(best->box.top() - expectedTop) < 1.5 * tol,
             qPrintable(QStringLiteral("top %1 pt, expected %2 pt").arg(best->box.top()).arg(expectedTop)));
    const double edge = rightAligned ? best->box.right() : best->box.left();
    QVERIFY2(qAbs(edge - xPt(x)) < tol, qPrintable(QStringLiteral("%1 edge at %2 pt, expected %3 pt")
                                                       .arg(rightAligned ? "right" : "left")
                                                       .arg(edge)
                                                       .arg(xPt(x))));
}

void TestSheetEngine::druck1EmptiedRows_data()
{
    QTest::addColumn<bool>("english");
    QTest::addColumn<bool>("transom");
    QTest::addColumn<int>("left");
    QTest::addColumn<int>("top");
    QTest::addColumn<bool>("empty");

    struct Region {
        const char *what;
        int left, top;
    };
    static const Region regions[] = {
        {"the width B row", 0, 304},
        {"the first limit row after its caption", 286, 376},
        {"the member deflection row", 0, 636},
    };
    for (const bool english : {false, true}) {
        for (const bool transom : {false, true}) {
            for (const Region &r : regions) {
                const QByteArray name = QByteArray(r.what) + (transom ? " prints nothing" : " prints") +
                                        " on the " + variantName(english, transom);
                QTest::newRow(name.constData()) << english << transom << r.left << r.top << transom;
            }
        }
    }
}

void TestSheetEngine::druck1EmptiedRows()
{
    QFETCH(bool, english);
    QFETCH(bool, transom);
    QFETCH(int, left);
    QFETCH(int, top);
    QFETCH(bool, empty);
    const PdfPage page = printed(makeDruck1(sampleInput(english, transom)));
    // The row's 16-pixel line, from the given left edge to the right margin.
    const QRectF row(QPointF(xPt(left), yPt(kChildTop, top)), QPointF(xPt(605), yPt(kChildTop, top + 16)));
    QStringList found;
    for (const PdfWord &w : page.words)
        if (row.contains(w.box.center()))
            found.append(w.text);
    if (empty)
        QVERIFY2(found.isEmpty(), qPrintable(found.join(QLatin1Char(' '))));
    else
        QVERIFY(!found.isEmpty());
}

void TestSheetEngine::druck1Texts_data()
{
    QTest::addColumn<bool>("english");
    QTest::addColumn<bool>("transom");
    QTest::addColumn<QStringList>("present");
    QTest::addColumn<QStringList>("absent");

    QTest::newRow("the German mullion sheet names the mullion and all four limits")
        << false << false
        << QStringList{"Projekt : Bürohaus Nord",
                       "Firma: Fensterbau Beispiel",
                       "Fassadensystem: Pfosten",
                       "Lastfall: gleichmäßige Streckenlast",
                       "Länge Pfosten LP 3.5 m",
                       "Länge größte Scheibe LS 2.8 m",
                       "Feldbreite A 1.25 m",
                       "Feldbreite B 1.35 m",
                       "zulässige Durchbiegung des Pfostens L / 200 bzw. max. 15 mm",
                       "zulässige Durchbiegung der Scheibenkante L / 300 bzw. max. 8.5 mm",
                       "Windlast w -0.8 kN/m²",
                       "Durchbiegung der Konstruktion 17.50 mm",
                       "Werkstoff: Aluminium EN AW6060 T66",
                       "für die Richtigkeit keine Gewähr.",
                       "Die Berechnung ersetzt keine prüfbare Statik."}
        << QStringList{"Project", "Riegel", "Material:", "QRLabel"};
    QTest::newRow("the English mullion sheet carries the English captions")
        << true << false
        << QStringList{"Project: Bürohaus Nord",
                       "Pos.-/Contract number: P-4711",
                       "Company: Fensterbau Beispiel",
                       "Calculated by: A. Planer",
                       "Static predimensioning",
                       "Facade section: mullion",
                       "Loading case: rectangular load",
                       "Construction",
                       "length LP 3.5 m",
                       "longest glass edge LS 2.8 m",
                       "span A 1.25 m",
                       "span B 1.35 m",
                       "allowed deflection of mullion L / 200 or max. 15 mm",
                       "allowed deflection of glass edge L / 300 or max. 8.5 mm",
                       "Deflection limits",
                       "Load",
                       "wind load p -0.8 kN/m²",
                       "max. bending moment",
                       "req. section modulus",
                       "req. moment of inertia",
                       "deflection of construction 17.50 mm",
                       "deflection of glass edge 11.20 mm",
                       "Material: Aluminium EN AW-6060 T66",
                       "The calculation does not replace any valid structural calculation"}
        << QStringList{"Projekt", "Feldbreite", "Werkstoff", "bzw.", "Durchbiegung", "QRLabel"};
    QTest::newRow("the German transom sheet names the transom and only the second limit row")
        << false << true
        << QStringList{"Fassadensystem: Riegel",
                       "Lastfall: Trapezlast bzw. Dreieckslast",
                       "Länge H1 3.5 m",
                       "Länge H2 2.8 m",
                       "Feldbreite L 1.25 m",
                       "Zulässige Durchbiegung der Konstruktion",
                       "bzw. Scheibenkante L / 300 bzw. max. 8.5 mm",
                       "Durchbiegung der Scheibenkante 11.20 mm",
                       "Werkstoff: Aluminium EN AW6060 T66"}
        << QStringList{"Feldbreite B", "1.35", "200", "15 mm", "17.50", "Pfosten", "QRLabel"};
    QTest::newRow("the English transom sheet names the transom in English")
        << true << true
        << QStringList{"Facade section: transom",
                       "Loading case: trapezoid- and/or triangular load",
                       "height H1 3.5 m",
                       "height H2 2.8 m",
                       "span L 1.25 m",
                       "allowed deflection of transom",
                       "and deflection of glass edge L / 300 or max. 8.5 mm",
                       "deflection of glass edge 11.20 mm",
                       "Material: Aluminium EN AW-6060 T66"}
        << QStringList{"span B",    "1.35",   "200", "17.50", "deflection of construction",
                       "Werkstoff", "QRLabel"};
}

void TestSheetEngine::druck1Texts()
{
    QFETCH(bool, english);
    QFETCH(bool, transom);
    QFETCH(QStringList, present);
    QFETCH(QStringList, absent);
    const QStringList rows = printed(makeDruck1(sampleInput(english, transom))).rows();
    for (const QString &text : std::as_const(present))
        QVERIFY2(
            std::any_of(rows.cbegin(), rows.cend(), [&](const QString &r) { return r.contains(text); }),
            qPrintable(QStringLiteral("missing: \"%1\" in\n%2").arg(text, rows.join(QLatin1Char('\n')))));
    for (const QString &text : std::as_const(absent))
        QVERIFY2(std::none_of(rows.cbegin(), rows.cend(), [&](const QString &r) { return r.contains(text); }),
                 qPrintable(QStringLiteral("should not print: \"%1\"").arg(text)));
}

void TestSheetEngine::druck1ExactTexts_data()
{
    // The blanks inside the limit captions leave the gap in which the cap value stands.
    QTest::addColumn<bool>("english");
    QTest::addColumn<bool>("transom");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("text");
    QTest::newRow("the German mullion cap caption keeps its ten blanks")
        << false << false << "QRLabel44" << QString("bzw. max." + QString(10, ' ') + "mm");
    QTest::newRow("the English mullion cap caption keeps its thirteen blanks")
        << true << false << "QRLabel44" << QString("or max." + QString(13, ' ') + "mm");
    QTest::newRow("the English pane-edge cap caption keeps its thirteen blanks")
        << true << false << "QRLabel73" << QString("or max." + QString(13, ' ') + "mm");
    QTest::newRow("the German transom keeps the German pane-edge cap caption")
        << false << true << "QRLabel73" << QString("bzw. max." + QString(10, ' ') + "mm");
    QTest::newRow("the English transom sets the pane-edge cap caption to English")
        << true << true << "QRLabel73" << QString("or max." + QString(13, ' ') + "mm");
    QTest::newRow("the German field width A keeps its trailing blank") << false << false << "QRLabel16"
                                                                       << "Feldbreite A ";
    QTest::newRow("the German transom names its span L") << false << true << "QRLabel16"
                                                         << "Feldbreite L";
    QTest::newRow("the transom empties width B although the form holds one") << false << true << "QRLabel41"
                                                                             << "";
    QTest::newRow("the English transom empties the mullion cap caption") << true << true << "QRLabel44"
                                                                         << "";
    QTest::newRow("the mullion prints the cap from Edit15") << false << false << "QRLabel67"
                                                            << "15";
    QTest::newRow("the transom empties the mullion cap") << false << true << "QRLabel67"
                                                         << "";
    QTest::newRow("QRLabel23 beside the wind load is emptied on the German mullion sheet")
        << false << false << "QRLabel23"
        << "";
    QTest::newRow("QRLabel23 beside the wind load is emptied on the English transom sheet")
        << true << true << "QRLabel23"
        << "";
    QTest::newRow("the German sheet keeps the German design unit of the second moment of area")
        << false << false << "QRLabel12"
        << "cm";
}

void TestSheetEngine::druck1ExactTexts()
{
    QFETCH(bool, english);
    QFETCH(bool, transom);
    QFETCH(QString, label);
    QFETCH(QString, text);
    const Sheet sheet = makeDruck1(sampleInput(english, transom));
    QVERIFY(sheet.label(label));
    QCOMPARE(sheet.text(label), text);
}

void TestSheetEngine::druck1Pictures_data()
{
    QTest::addColumn<bool>("english");
    QTest::addColumn<bool>("transom");
    QTest::addColumn<QStringList>("on");
    QTest::newRow("the German mullion sheet shows the elevation and the German load areas")
        << false << false << QStringList{"QRImage4", "QRImage1", "QRImage3"};
    QTest::newRow("the English mullion sheet shows the elevation and the English load areas")
        << true << false << QStringList{"QRImage4", "QRImage1", "QRImage5"};
    QTest::newRow("the German transom sheet shows only the German transom drawing")
        << false << true << QStringList{"QRImage4", "QRImage2"};
    QTest::newRow("the English transom sheet shows only the English transom drawing")
        << true << true << QStringList{"QRImage4", "QRImage6"};
}

void TestSheetEngine::druck1Pictures()
{
    QFETCH(bool, english);
    QFETCH(bool, transom);
    QFETCH(QStringList, on);
    const Sheet sheet = makeDruck1(sampleInput(english, transom));
    for (const char *name : {"QRImage1", "QRImage2", "QRImage3", "QRImage4", "QRImage5", "QRImage6"}) {
        QVERIFY(sheet.picture(QLatin1String(name)));
        QVERIFY2(sheet.pictureOn(QLatin1String(name)) == on.contains(QLatin1String(name)), name);
    }
}

void TestSheetEngine::druck1FontsAndDrawingsStayVector()
{
    const Sheet sheet = makeDruck1(sampleInput(false, false));
    const QString file = pdfFile(QStringLiteral("fonts"));
    const vb::Result<> written = writePdf(sheet, file);
    QVERIFY2(written, qPrintable(written.reason().german));
    bool ok = false;
    const QString fonts = QString::fromUtf8(runTool(QStringLiteral("pdffonts"), {file}, &ok));
    QVERIFY(ok);
    // Times New Roman and Arial print as their metric twins, so the widths of the design hold.
    QVERIFY2(fonts.contains(QLatin1String("LiberationSerif ")), qPrintable(fonts));
    QVERIFY2(fonts.contains(QLatin1String("LiberationSerif-Bold")), qPrintable(fonts));
    QVERIFY2(fonts.contains(QLatin1String("LiberationSans")), qPrintable(fonts));
    QVERIFY2(!fonts.contains(QLatin1String("DejaVu")), qPrintable(fonts));
    // The drawings and the logo are paths, not bitmaps: the page holds no image.
    const QStringList images =
        QString::fromUtf8(runTool(QStringLiteral("pdfimages"), {QStringLiteral("-list"), file}, &ok))
            .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QVERIFY(ok);
    QCOMPARE(images.size(), 2); // the two header lines of the list
}

void TestSheetEngine::sectionLineBesideTheResultsHeading_data()
{
    QTest::addColumn<int>("program");
    QTest::addColumn<bool>("english");
    for (int n = 1; n <= 6; ++n) {
        QTest::addRow("Programm %d, German", n) << n << false;
        QTest::addRow("Programm %d, English", n) << n << true;
    }
}

// A chosen section prints on the row of the results heading, right of it and within the
// rules' width; a sheet without a choice keeps its layout label for label.
void TestSheetEngine::sectionLineBesideTheResultsHeading()
{
    QFETCH(int, program);
    QFETCH(bool, english);
    using Make = Sheet (*)(const FormTexts &);
    const Make makes[] = {makeDruck1, makeDruck2, makeDruck3, makeDruck4, makeDruck5, makeDruck6};
    FormTexts texts = sampleInput(english, false);
    const Sheet plain = makes[program - 1](texts);
    QVERIFY(!plain.label(QStringLiteral("QRLabelProfil")));
    texts.sectionName = QStringLiteral("50 x 100 x 3");
    texts.sectionUtilisation = 87;
    const Sheet chosen = makes[program - 1](texts);
    QCOMPARE(chosen.layout().labels.size(), plain.layout().labels.size() + 1);
    const QString heading = english ? QStringLiteral("Results") : QStringLiteral("Ergebnisse");
    const QString line = english ? QStringLiteral("Section: 50 x 100 x 3, utilisation 87 %")
                                 : QStringLiteral("Profil: 50 x 100 x 3, Ausnutzung 87 %");
    const PdfPage page = printed(chosen);
    QVERIFY2(page.error.isEmpty(), qPrintable(page.error));
    const QStringList rows = page.rows();
    QVERIFY2(rows.contains(line), qPrintable(rows.join(QLatin1Char('\n'))));
    const auto word = [&page](const QString &text) {
        return *std::find_if(page.words.cbegin(), page.words.cend(),
                             [&](const PdfWord &w) { return w.text == text; });
    };
    // On the heading's line: the two stand on one baseline, within a point.
    QVERIFY(std::abs(word(heading).box.bottom() - word(line.section(QLatin1Char(' '), 0, 0)).box.bottom()) <
            1.0);
    const double rightEdge = xPt(8 + 547) + 0.5;
    for (const PdfWord &word : page.words)
        QVERIFY2(word.box.right() <= rightEdge || word.text != QLatin1String("%"), qPrintable(word.text));
}

QTEST_MAIN(TestSheetEngine)
#include "tst_sheetengine.moc"
