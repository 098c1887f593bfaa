// The planner's texts on paper: fitted into their rooms, the letterhead and its logo on the sheets
// and the cover, the check of a logo file, and the description on the title's row.

#include "sheetfixtures.h"
#include "sheetpdf.h"

#include "reports/booklet.h"
#include "reports/logo.h"
#include "reports/sheetpainter.h"
#include "reports/textfit.h"

#include <QtCore/QFile>
#include <QtCore/QTemporaryDir>
#include <QtGui/QImage>
#include <QtGui/QPainter>
#include <QtTest/QTest>

using namespace report;

const char kSvgLogo[] = R"(<svg xmlns="http://www.w3.org/2000/svg" width="40" height="10">)"
                        R"(<rect width="40" height="10" fill="#0000c8"/></svg>)";

class TestPlannerTexts : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir;
    QString path(const QString &name) const { return m_dir.filePath(name); }

private slots:
    void initTestCase()
    {
        // A 4:1 blue band, as PNG and as SVG: at the logo place's height narrower than the place.
        QImage logo(400, 100, QImage::Format_RGB32);
        logo.fill(QColor(0, 0, 200));
        QVERIFY(logo.save(path(QStringLiteral("logo.png"))));
        QFile svg(path(QStringLiteral("logo.svg")));
        QVERIFY(svg.open(QIODevice::WriteOnly));
        svg.write(kSvgLogo);
    }

    void fitting_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("share"); // the room as a share of the text's full width
        QTest::addColumn<int>("height");
        QTest::addColumn<QString>("expected"); // lines, set smaller, cut short
        const QString company = QStringLiteral("Metallbau Kröger GmbH & Co. KG, Niederlassung Bremerhaven");
        QTest::newRow("fits as it stands") << company << 1.05 << 0 << "1";
        QTest::newRow("down to 70 % one line, though there is room below")
            << company << 0.71 << 60 << "1 smaller";
        QTest::newRow("no room below: cut short at 70 %") << company << 0.5 << 24 << "1 smaller cut";
        QTest::newRow("room below: a second line at full size") << company << 0.6 << 60 << "2";
        QTest::newRow("two lines set smaller where full size is too high")
            << company << 0.6 << 34 << "2 smaller";
        QTest::newRow("beyond two lines: the second is cut short") << company << 0.3 << 60 << "2 smaller cut";
        QTest::newRow("a long word is broken")
            << QStringLiteral("Zweifeldsparrenanschlussprofil") << 0.6 << 60 << "2";
    }
    void fitting()
    {
        QFETCH(QString, text);
        QFETCH(double, share);
        QFETCH(int, height);
        QFETCH(QString, expected);
        const double room = share * textWidth(textFont(), text);
        const FittedText fit = fitText(text, textFont(), room, height);
        QCOMPARE(QString::number(fit.lines.size()) + (fit.scale < 1 ? " smaller" : "") +
                     (fit.shortened ? " cut" : ""),
                 expected);
        QVERIFY(fit.scale >= kSmallestTextScale);
        for (const QString &line : fit.lines)
            QVERIFY2(textWidth(textFont(), line, fit.scale) <= room, qPrintable(line));
        const QString printed = fit.lines.join(QString());
        const auto letters = [](QString t) { return t.remove(QLatin1Char(' ')).remove(QChar(0x2026)); };
        QCOMPARE(printed.endsWith(QChar(0x2026)), fit.shortened);
        QVERIFY(fit.shortened ? letters(text).startsWith(letters(printed))
                              : letters(printed) == letters(text));
    }

    void checkLogo_data()
    {
        QTest::addColumn<QByteArray>("content"); // empty: no file
        QTest::addColumn<bool>("takes");
        QFile png(path(QStringLiteral("logo.png"))), svg(path(QStringLiteral("logo.svg")));
        QVERIFY(png.open(QIODevice::ReadOnly) && svg.open(QIODevice::ReadOnly));
        const QByteArray pngBytes = png.readAll();
        QTest::newRow("PNG") << pngBytes << true;
        QTest::newRow("SVG") << svg.readAll() << true;
        QTest::newRow("garbage") << QByteArray("Metallbau Kröger\n") << false;
        QTest::newRow("broken PNG") << pngBytes.left(60) << false;
        QTest::newRow("too large") << pngBytes.leftJustified(64 << 20, '\0') << false;
        QTest::newRow("missing") << QByteArray() << false;
    }
    // A logo is taken when it loads as the painter loads it; otherwise the reason names the file.
    void checkLogo()
    {
        QFETCH(QByteArray, content);
        QFETCH(bool, takes);
        QFile file(path(QLatin1String(QTest::currentDataTag())));
        QVERIFY(content.isEmpty() ||
                (file.open(QIODevice::WriteOnly) && file.write(content) == content.size()));
        file.close();
        const vb::Result<> checked = report::checkLogo(file.fileName());
        QCOMPARE(checked.ok(), takes);
        QVERIFY(takes || (checked.reason().german.contains(file.fileName()) &&
                          checked.reason().english.contains(file.fileName())));
    }

    void header_data()
    {
        QTest::addColumn<int>("program"); // 0: the cover
        QTest::addColumn<bool>("english");
        QTest::addColumn<QString>("logo"); // with the PNG logo the planner's company line
        for (int program = 0; program <= 6; ++program)
            for (const bool english : {false, true})
                QTest::addRow("%d %s", program, english ? "English, SVG" : "German, PNG and company line")
                    << program << english << (english ? "svg" : "png");
        QTest::newRow("cover, a logo that does not load") << 0 << false << "broken";
        QTest::newRow("Programm 4 without letterhead") << 4 << true << "";
    }
    // The planner's logo fills the right of the logo's place at its height, the program's logo
    // gone; a logo that does not load leaves the place empty and is named as missing. The company
    // line heads the page. A sheet's description ends on the title's row at the frame's right
    // edge, on Programm 1's sheet before the load sketch at the right of that row.
    void header()
    {
        QFETCH(int, program);
        QFETCH(bool, english);
        QFETCH(QString, logo);
        BookletCover cover;
        if (logo == QLatin1String("png"))
            cover.letterhead.companyLine = QStringLiteral("Metallbau Kröger GmbH & Co. KG · Am Hafen 12");
        if (!logo.isEmpty())
            cover.letterhead.logoFile = path(QStringLiteral("logo.") + logo); // logo.broken is not there
        FormTexts texts = programInput(qMax(program, 1), english, false);
        texts.letterhead = cover.letterhead;
        QVERIFY(!makeSheet(qMax(program, 1), texts).label(QStringLiteral("QRLabelBezeichnung")));
        texts.description = QStringLiteral("EG Pfosten Achse A-F");
        const Sheet sheet = program ? makeSheet(program, texts) : makeCoverSheet(cover, 0);
        const PdfPage page = printSheetToPdf(sheet, path(QStringLiteral("header.pdf")));
        QVERIFY2(page.error.isEmpty(), qPrintable(page.error));
        QCOMPARE(page.rows().first(),
                 logo == QLatin1String("png") ? cover.letterhead.companyLine : companyLine());

        QImage image(800, 200, QImage::Format_RGB32);
        image.fill(Qt::white);
        const SheetPainter painter(sheet);
        QCOMPARE(painter.missingResources().size(), logo == QLatin1String("broken") ? 1 : 0);
        QPainter onImage(&image);
        painter.paint(onImage, 96);
        onImage.end();
        const auto solid = [&image](const QRect &area, QRgb colour) {
            QImage expected(area.size(), image.format());
            expected.fill(colour);
            return image.copy(area) == expected;
        };
        // A 4:1 logo 20 pixels high is 80 wide: the right 80 pixels of the place, the rest empty.
        const QRect place =
            kLogoPlace.translated(qRound(sheet.bandLeft()), qRound(sheet.bandTop(kPageHeaderBand)));
        const QRect logoArea = place.adjusted(place.width() - 80, 0, 0, 0),
                    left = place.adjusted(0, 0, -80, 0);
        if (logo == QLatin1String("png") || logo == QLatin1String("svg"))
            QVERIFY(solid(logoArea.adjusted(2, 2, -2, -2), qRgb(0, 0, 200)) &&
                    solid(left.adjusted(1, 0, -2, 0), qRgb(255, 255, 255)));
        else if (logo == QLatin1String("broken"))
            QVERIFY(solid(place, qRgb(255, 255, 255)));
        else // the program's own logo, over the whole place
            QVERIFY(!solid(left, qRgb(255, 255, 255)) && !solid(logoArea, qRgb(255, 255, 255)));
        if (!program)
            return;
        const auto lastBox = [&page](QLatin1String text) {
            QRectF found;
            for (const PdfWord &word : page.words)
                found = word.text == text ? word.box : found;
            return found;
        };
        const QRectF last = lastBox(QLatin1String("A-F"));
        const QRectF title = lastBox(english ? QLatin1String("Static") : QLatin1String("Statische"));
        QVERIFY(!last.isNull() && !title.isNull());
        QVERIFY2(qAbs(last.bottom() - title.bottom()) < pagePixelsToPoints(2.5), "not on the title's row");
        const Picture *sketch =
            sheet.picture(english ? QStringLiteral("QRImage5") : QStringLiteral("QRImage3"));
        const double end =
            pagePixelsToPoints(sheet.bandLeft() + (program == 1 ? sketch->rect.left() : 8 + 547));
        QVERIFY2(program == 1 ? last.right() < end : qAbs(last.right() - end) < 0.75,
                 qPrintable(QStringLiteral("ends at %1, not %2").arg(last.right()).arg(end)));
    }

    // The booklet paints the raster logo on its cover and six sheets but holds its image once.
    void bookletHoldsTheLogoOnce()
    {
        Booklet booklet;
        booklet.cover.letterhead.logoFile = path(QStringLiteral("logo.png"));
        for (int i = 1; i <= 6; ++i)
            booklet.cover.rows.append(
                CoverRow{QString::number(i), QStringLiteral("Programm %1").arg(i), {}, {}});
        booklet.sheetCount = 6;
        booklet.sheet = [&](int index) {
            FormTexts texts = programInput(index + 1, false, false);
            texts.letterhead = booklet.cover.letterhead;
            return makeSheet(index + 1, texts);
        };
        const QString pdf = path(QStringLiteral("booklet.pdf"));
        QVERIFY(writeBookletPdf(booklet, pdf));
        bool ok = false;
        const QString list = QString::fromUtf8(runTool(QStringLiteral("pdfimages"), {"-list", pdf}, &ok));
        const QStringList images = list.split(QLatin1Char('\n'), Qt::SkipEmptyParts).mid(2);
        QStringList objects; // the object number and generation of each image painted
        for (const QString &line : images)
            objects.append(line.simplified().section(QLatin1Char(' '), 10, 11));
        QVERIFY(ok);
        QCOMPARE(images.size(), 7);
        QCOMPARE(objects.removeDuplicates(), 6);
    }
};

QTEST_MAIN(TestPlannerTexts)
#include "tst_plannertexts.moc"
