// What the planner gives beyond the form's fields, on paper: a text set into its room (smaller,
// on two lines, cut short), the letterhead's company line and logo on the sheets and the cover,
// the check of a logo file, and the description on the title's row.

#include "sheetfixtures.h"
#include "sheetpdf.h"

#include "programs/pgm11024/druck1.h"
#include "programs/pgm21024/druck2.h"
#include "programs/pgm31024/druck3.h"
#include "programs/pgm41024/druck4.h"
#include "programs/pgm51024/druck5.h"
#include "programs/pgm61024/druck6.h"
#include "reports/booklet.h"
#include "reports/logo.h"
#include "reports/sheetpainter.h"
#include "reports/textfit.h"

#include <QtCore/QDir>
#include <QtCore/QFile>
#include <QtCore/QRegularExpression>
#include <QtCore/QTemporaryDir>
#include <QtGui/QImage>
#include <QtGui/QPainter>
#include <QtTest/QTest>

using namespace report;

namespace
{
Sheet makeSheet(int program, const FormTexts &texts)
{
    Sheet (*const make[])(const FormTexts &) = {makeDruck1, makeDruck2, makeDruck3,
                                                makeDruck4, makeDruck5, makeDruck6};
    return make[program - 1](texts);
}

double width(QStringView text)
{
    return textWidth(textFont(), text);
}

// The colour of the planner's logo in the tests: a 4:1 band, so that it is narrower than the
// logo's place (6.5:1) once scaled to its height.
const QColor kLogoBlue(0, 0, 200);
} // namespace

class TestPlannerTexts : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void fitting_data();
    void fitting();
    void wrapping_data();
    void wrapping();
    void checkLogo_data();
    void checkLogo();
    void letterhead_data();
    void letterhead();
    void bookletHoldsTheLogoOnce();
    void descriptionOnTheTitleRow_data();
    void descriptionOnTheTitleRow();

private:
    QString path(const QString &name) const { return m_dir.filePath(name); }
    QImage rendered(const QString &pdf, int page = 1);
    QTemporaryDir m_dir;
    QString m_png, m_svg;
};

void TestPlannerTexts::initTestCase()
{
    QVERIFY(m_dir.isValid());
    bool ok = false;
    runTool(QStringLiteral("pdftoppm"), {QStringLiteral("-v")}, &ok);
    if (!ok)
        QFAIL("pdftoppm is missing: install the Debian package poppler-utils");
    QImage logo(400, 100, QImage::Format_RGB32);
    logo.fill(kLogoBlue);
    m_png = path(QStringLiteral("logo.png"));
    QVERIFY(logo.save(m_png));
    m_svg = path(QStringLiteral("logo.svg"));
    QFile svg(m_svg);
    QVERIFY(svg.open(QIODevice::WriteOnly));
    svg.write(R"(<svg xmlns="http://www.w3.org/2000/svg" width="40" height="10" viewBox="0 0 40 10">)"
              R"(<rect width="40" height="10" fill="#0000c8"/></svg>)");
}

QImage TestPlannerTexts::rendered(const QString &pdf, int page)
{
    const QString stem = pdf + QStringLiteral(".render");
    bool ok = false;
    runTool(QStringLiteral("pdftoppm"),
            {QStringLiteral("-r"), QStringLiteral("96"), QStringLiteral("-png"),
             QStringLiteral("-singlefile"), QStringLiteral("-f"), QString::number(page), QStringLiteral("-l"),
             QString::number(page), pdf, stem},
            &ok);
    return ok ? QImage(stem + QStringLiteral(".png")) : QImage();
}

void TestPlannerTexts::fitting_data()
{
    QTest::addColumn<double>("share"); // the room as a share of the text's width at its size
    QTest::addColumn<int>("height");   // the room's height in pixels
    QTest::addColumn<int>("lines");
    QTest::addColumn<bool>("smaller");
    QTest::addColumn<bool>("shortened");
    QTest::newRow("a text that fits prints as it stands") << 1.05 << 0 << 1 << false << false;
    QTest::newRow("a text a little too wide is set smaller") << 0.85 << 0 << 1 << true << false;
    QTest::newRow("down to 70 % the text stays on one line, though there is room below")
        << 0.71 << 60 << 1 << true << false;
    QTest::newRow("wider still, without room below, it is cut short at 70 %")
        << 0.5 << 24 << 1 << true << true;
    QTest::newRow("wider still, with room below, it takes a second line") << 0.6 << 60 << 2 << false << false;
    QTest::newRow("where two lines of full size do not fit, they are set smaller")
        << 0.6 << 34 << 2 << true << false;
    QTest::newRow("more than two lines' worth: the second line is cut short")
        << 0.3 << 60 << 2 << true << true;
}

// The order of the rule: smaller first, then a second line, only then "…"; every line within the
// room, and the words as typed.
void TestPlannerTexts::fitting()
{
    QFETCH(double, share);
    QFETCH(int, height);
    QFETCH(int, lines);
    QFETCH(bool, smaller);
    QFETCH(bool, shortened);
    const QString text = QStringLiteral("Metallbau Kröger GmbH & Co. KG, Niederlassung Bremerhaven");
    const double room = share * width(text);
    const FittedText fitted = fitText(text, textFont(), room, height);
    QCOMPARE(fitted.lines.size(), lines);
    QCOMPARE(fitted.scale < 1.0, smaller);
    QVERIFY(fitted.scale >= kSmallestTextScale);
    QCOMPARE(fitted.shortened, shortened);
    for (const QString &line : fitted.lines)
        QVERIFY2(textWidth(textFont(), line, fitted.scale) <= room,
                 qPrintable(QStringLiteral("\"%1\" is wider than %2 px").arg(line).arg(room)));
    const QString printed = fitted.lines.join(QLatin1Char(' '));
    if (shortened) {
        QVERIFY(printed.endsWith(QChar(0x2026)));
        QVERIFY(text.startsWith(printed.chopped(1).trimmed()));
    } else {
        QCOMPARE(printed, text);
    }
    if (lines == 2) {
        const TextMetrics full = textMetrics(textFont());
        const TextMetrics set = textMetrics(textFont(), fitted.scale);
        QVERIFY(full.ascent + set.lineSpacing + set.descent <= height);
    }
}

void TestPlannerTexts::wrapping_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("width");
    QTest::addColumn<QStringList>("lines"); // empty: each line within the width, the letters as typed
    QTest::newRow("a list of values breaks after its comma")
        << QStringLiteral("Ix 112.1 cm³, Wx 22.4 cm³") << 110
        << QStringList{QStringLiteral("Ix 112.1 cm³,"), QStringLiteral("Wx 22.4 cm³")};
    QTest::newRow("a per cent sign stays with its number")
        << QStringLiteral("Ausnutzung 87 %") << 90
        << QStringList{QStringLiteral("Ausnutzung"), QStringLiteral("87 %")};
    QTest::newRow("a word longer than the line breaks after its hyphens")
        << QStringLiteral("Pfosten-Riegel-Fassade") << 60
        << QStringList{QStringLiteral("Pfosten-"), QStringLiteral("Riegel-"), QStringLiteral("Fassade")};
    QTest::newRow("a word without hyphens breaks where the line is full")
        << QStringLiteral("Zweifeldsparren") << 50 << QStringList{};
    QTest::newRow("a line narrower than any letter still takes one letter a line")
        << QStringLiteral("EG") << 2 << QStringList{QStringLiteral("E"), QStringLiteral("G")};
    QTest::newRow("line breaks and runs of blanks typed are one blank")
        << QStringLiteral("EG\nPfosten   Achse") << 500 << QStringList{QStringLiteral("EG Pfosten Achse")};
}

void TestPlannerTexts::wrapping()
{
    QFETCH(QString, text);
    QFETCH(int, width);
    QFETCH(QStringList, lines);
    const QStringList wrapped = wrapText(text, width, ::width);
    if (!lines.isEmpty()) {
        QCOMPARE(wrapped, lines);
        return;
    }
    QVERIFY(wrapped.size() > 1);
    QCOMPARE(wrapped.join(QString()), text);
    for (const QString &line : wrapped)
        QVERIFY(::width(line) <= width);
}

void TestPlannerTexts::checkLogo_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("takes");
    QTest::newRow("a PNG image is a logo") << "png" << true;
    QTest::newRow("an SVG drawing is a logo") << "svg" << true;
    QTest::newRow("a JPEG image is a logo") << "jpeg" << true;
    QTest::newRow("a text file is no logo") << "text" << false;
    QTest::newRow("an SVG without a size is no logo") << "empty svg" << false;
    QTest::newRow("a PNG cut short is no logo") << "broken png" << false;
    QTest::newRow("a file that is not there is no logo") << "missing" << false;
    QTest::newRow("a folder is no logo") << "folder" << false;
    QTest::newRow("a file of many megabytes is not read") << "huge" << false;
}

// A logo is taken when it loads as the painter loads it; otherwise the reason names the file in
// both languages.
void TestPlannerTexts::checkLogo()
{
    QFETCH(QString, kind);
    QFETCH(bool, takes);
    QString file = path(QStringLiteral("check-%1").arg(kind).replace(QLatin1Char(' '), QLatin1Char('-')));
    QFile out(file);
    if (kind == QLatin1String("png") || kind == QLatin1String("svg")) {
        QVERIFY(QFile::copy(kind == QLatin1String("png") ? m_png : m_svg, file));
    } else if (kind == QLatin1String("jpeg")) {
        QVERIFY(QImage(m_png).save(file, "JPEG"));
    } else if (kind == QLatin1String("folder")) {
        QVERIFY(QDir().mkpath(file));
    } else if (kind != QLatin1String("missing")) {
        QVERIFY(out.open(QIODevice::WriteOnly));
        if (kind == QLatin1String("text"))
            out.write("Metallbau Kröger\n");
        else if (kind == QLatin1String("empty svg"))
            out.write(R"(<svg xmlns="http://www.w3.org/2000/svg" width="0" height="0"/>)");
        else if (kind == QLatin1String("broken png")) {
            QFile png(m_png);
            QVERIFY(png.open(QIODevice::ReadOnly));
            out.write(png.read(60));
        } else if (kind == QLatin1String("huge"))
            QVERIFY(out.resize(64 * 1024 * 1024));
        out.close();
    }
    const vb::Result<> checked = report::checkLogo(file);
    QCOMPARE(checked.ok(), takes);
    if (takes)
        return;
    const QString shown = QDir::toNativeSeparators(file);
    QVERIFY2(checked.reason().german.startsWith(
                 QStringLiteral("Das Logo %1 kann nicht gelesen werden").arg(shown)),
             qPrintable(checked.reason().german));
    QVERIFY2(checked.reason().english.startsWith(QStringLiteral("The logo %1 cannot be read").arg(shown)),
             qPrintable(checked.reason().english));
}

void TestPlannerTexts::letterhead_data()
{
    QTest::addColumn<int>("program"); // 0: the cover
    QTest::addColumn<QString>("logo");
    QTest::addColumn<bool>("companyLine");
    for (int program = 0; program <= 6; ++program) {
        const QByteArray page = program ? QByteArray("Programm ") + QByteArray::number(program) : "the cover";
        QTest::addRow("%s with the planner's PNG logo and company line", page.constData())
            << program << "png" << true;
        QTest::addRow("%s with the planner's SVG logo only", page.constData()) << program << "svg" << false;
        QTest::addRow("%s with a logo that does not load", page.constData()) << program << "broken" << false;
        QTest::addRow("%s without a letterhead", page.constData()) << program << "" << false;
    }
}

// The planner's logo stands in the logo's place scaled to its height, flush right, the program's
// logo gone; a logo that does not load leaves the place empty and is named as missing. The
// company line stands where the program's stood.
void TestPlannerTexts::letterhead()
{
    QFETCH(int, program);
    QFETCH(QString, logo);
    QFETCH(bool, companyLine);
    Letterhead letterhead;
    if (companyLine)
        letterhead.companyLine =
            QStringLiteral("Metallbau Kröger GmbH & Co. KG · Am Hafen 12 · 28197 Bremen");
    if (logo == QLatin1String("png"))
        letterhead.logoFile = m_png;
    else if (logo == QLatin1String("svg"))
        letterhead.logoFile = m_svg;
    else if (logo == QLatin1String("broken"))
        letterhead.logoFile = path(QStringLiteral("no-such-logo.png"));

    const auto sheetOf = [&] {
        if (program == 0) {
            BookletCover cover;
            cover.letterhead = letterhead;
            return makeCoverSheet(cover, 0);
        }
        FormTexts texts = programInput(program, false, false);
        texts.letterhead = letterhead;
        return makeSheet(program, texts);
    };
    const Sheet sheet = sheetOf();
    const SheetPainter painter(sheet);
    QCOMPARE(painter.missingResources(),
             logo == QLatin1String("broken") ? QStringList{letterhead.logoFile} : QStringList{});

    const QString pdf = path(QStringLiteral("letterhead.pdf"));
    const PdfPage page = printSheetToPdf(sheet, pdf);
    QVERIFY2(page.error.isEmpty(), qPrintable(page.error));
    const QString firstRow = page.rows().first();
    QCOMPARE(firstRow, companyLine ? letterhead.companyLine : report::companyLine());

    const QImage image = rendered(pdf);
    QVERIFY(!image.isNull());
    const QRect place =
        kLogoPlace.translated(qRound(sheet.bandLeft()), qRound(sheet.bandTop(kPageHeaderBand)));
    const auto count = [&image](const QRect &area, auto &&test) {
        int n = 0;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                n += test(QColor(image.pixel(x, y))) ? 1 : 0;
        return n;
    };
    const auto blue = [](const QColor &c) { return c.blue() > 150 && c.red() < 60 && c.green() < 60; };
    const auto ink = [](const QColor &c) { return qGray(c.rgb()) < 230; };
    // A 4:1 logo 20 pixels high is 80 wide: the right 80 pixels of the place, the rest empty.
    const QRect logoArea(place.right() - 79, place.top(), 80, place.height());
    const QRect left(place.left(), place.top(), place.width() - 80, place.height());
    if (logo == QLatin1String("png") || logo == QLatin1String("svg")) {
        QVERIFY(count(logoArea.adjusted(2, 2, -2, -2), blue) ==
                (logoArea.width() - 4) * (logoArea.height() - 4));
        QCOMPARE(count(left.adjusted(1, 0, -2, 0), ink), 0);
    } else if (logo == QLatin1String("broken")) {
        QCOMPARE(count(place, ink), 0);
    } else {
        // The program's own logo, stretched over the whole place.
        QVERIFY(count(left, ink) > 0);
        QVERIFY(count(logoArea, ink) > 0);
        QCOMPARE(count(place, blue), 0);
    }
}

// A booklet paints the planner's PNG logo on every page but holds its image once.
void TestPlannerTexts::bookletHoldsTheLogoOnce()
{
    Booklet booklet;
    booklet.cover.letterhead.logoFile = m_png;
    for (int i = 0; i < 6; ++i)
        booklet.cover.rows.append(CoverRow{QStringLiteral("P-%1").arg(i + 1),
                                           QStringLiteral("Programm %1").arg(i + 1), QString(), QString(),
                                           0});
    booklet.sheetCount = 6;
    booklet.sheet = [&](int index) {
        FormTexts texts = programInput(index + 1, false, false);
        texts.letterhead.logoFile = m_png;
        return makeSheet(index + 1, texts);
    };
    const QString pdf = path(QStringLiteral("booklet.pdf"));
    QVERIFY(writeBookletPdf(booklet, pdf));
    bool ok = false;
    const QStringList lines =
        QString::fromUtf8(runTool(QStringLiteral("pdfimages"), {QStringLiteral("-list"), pdf}, &ok))
            .split(QLatin1Char('\n'), Qt::SkipEmptyParts)
            .mid(2);
    QVERIFY(ok);
    QCOMPARE(lines.size(), 7);
    QSet<QString> objects;
    for (const QString &line : lines)
        objects.insert(line.simplified().section(QLatin1Char(' '), 10, 11));
    QCOMPARE(objects.size(), 1);
}

void TestPlannerTexts::descriptionOnTheTitleRow_data()
{
    QTest::addColumn<int>("program");
    QTest::addColumn<bool>("english");
    for (int program = 1; program <= 6; ++program)
        for (const bool english : {false, true})
            QTest::addRow("Programm %d, %s", program, english ? "English" : "German") << program << english;
}

// The description ends at the frame's right edge on the title's row, in the text font; on
// Programm 1's sheet, where the load sketch stands at the right of that row, it ends before the
// sketch. Without a description the row holds the title alone.
void TestPlannerTexts::descriptionOnTheTitleRow()
{
    QFETCH(int, program);
    QFETCH(bool, english);
    FormTexts texts = programInput(program, english, false);
    const Sheet plain = makeSheet(program, texts);
    QVERIFY(!plain.label(QStringLiteral("QRLabelBezeichnung")));
    texts.description = QStringLiteral("EG Pfosten Achse A-F");
    const Sheet sheet = makeSheet(program, texts);
    const Label *title = sheet.label(QStringLiteral("QRLabel9"));
    const Label *description = sheet.label(QStringLiteral("QRLabelBezeichnung"));
    QVERIFY(title && description);
    QCOMPARE(description->band, title->band);

    const PdfPage page = printSheetToPdf(sheet, path(QStringLiteral("description.pdf")));
    QVERIFY2(page.error.isEmpty(), qPrintable(page.error));
    const PdfWord *last = nullptr, *titleWord = nullptr;
    for (const PdfWord &word : page.words) {
        if (word.text == QLatin1String("A-F"))
            last = &word;
        if (word.text == (english ? QLatin1String("Static") : QLatin1String("Statische")))
            titleWord = &word;
    }
    QVERIFY(last && titleWord);
    // On the title's row: the baselines agree within a pixel (the title is larger).
    QVERIFY2(
        qAbs(last->box.bottom() - titleWord->box.bottom()) < pagePixelsToPoints(2.5),
        qPrintable(QStringLiteral("%1 against %2").arg(last->box.bottom()).arg(titleWord->box.bottom())));
    const double frameRight = pagePixelsToPoints(sheet.bandLeft() + 8 + 547);
    if (program == 1) {
        const Picture *sketch =
            sheet.picture(english ? QStringLiteral("QRImage5") : QStringLiteral("QRImage3"));
        QVERIFY(sketch);
        QVERIFY(last->box.right() < pagePixelsToPoints(sheet.bandLeft() + sketch->rect.left()));
    } else {
        QVERIFY2(
            qAbs(last->box.right() - frameRight) < pagePixelsToPoints(1.0),
            qPrintable(QStringLiteral("ends at %1, the frame at %2").arg(last->box.right()).arg(frameRight)));
    }
}

QTEST_MAIN(TestPlannerTexts)
#include "tst_plannertexts.moc"
