// A project's booklet as one PDF file: the cover with the table of positions, the sheets as the
// single print paints them, the page numbers below the frame; a file that cannot be written; and,
// on the private CUPS queue, one print job of all pages.

#include "pdfwords.h"
#include "sheetfixtures.h"

#include "forms/programlist.h"
#include "reports/booklet.h"
#include "reports/frame.h"
#include "reports/sheetpainter.h"

#include <QtCore/QDir>
#include <QtCore/QFile>
#include <QtCore/QFileInfo>
#include <QtCore/QRegularExpression>
#include <QtCore/QTemporaryDir>
#include <QtPrintSupport/QPrinterInfo>
#include <QtTest/QtTest>

#include <algorithm>
#include <cmath>
#include <csignal>
#include <sys/resource.h>
#include <tuple>

using namespace report;

namespace
{

// A booklet of real sheets: one position for each program given, its cover row naming it.
Booklet programBooklet(const QList<int> &programs, bool english)
{
    Booklet booklet;
    booklet.cover = {english,
                     QStringLiteral("Bürohaus Nord"),
                     QStringLiteral("Fensterbau Beispiel"),
                     QStringLiteral("A. Planer"),
                     QStringLiteral("08.12.2026"),
                     {},
                     {}};
    for (qsizetype i = 0; i < programs.size(); ++i)
        booklet.cover.rows.append(
            CoverRow{QStringLiteral("P-%1").arg(i + 1), QStringLiteral("Programm %1").arg(programs[i]),
                     QStringLiteral("Wx 26%1.5 cm³").arg(i), QStringLiteral("RR 50x100x3"), 0});
    booklet.sheetCount = int(programs.size());
    booklet.sheet = [programs, english](int index) {
        return vb::findProgram(programs[index])->makeSheet(sampleInput(english, false));
    };
    return booklet;
}

// A sheet with one line naming its position, quick to make for long booklets.
Sheet tinySheet(int index)
{
    SheetLayout layout;
    layout.name = QStringLiteral("Tiny");
    layout.bands = {{QStringLiteral("Band"), 900}};
    layout.labels = {Label{QStringLiteral("Line"), QStringLiteral("Band"), 8, 100,
                           QStringLiteral("Blatt %1").arg(index + 1)}};
    return Sheet(layout);
}

int pdfPageCount(const QString &file)
{
    bool ok = false;
    const QString info = QString::fromUtf8(runTool(QStringLiteral("pdfinfo"), {file}, &ok));
    static const QRegularExpression pages(QStringLiteral("^Pages:\\s+(\\d+)"),
                                          QRegularExpression::MultilineOption);
    const QRegularExpressionMatch m = pages.match(info);
    return ok && m.hasMatch() ? m.captured(1).toInt() : -1;
}

// Page n (from 1) of a PDF file, read as the single-sheet tests read their page.
PdfPage pdfPage(const QString &file, int n)
{
    const QString single = file + QStringLiteral(".page%1.pdf").arg(n);
    bool ok = false;
    runTool(
        QStringLiteral("pdfseparate"),
        {QStringLiteral("-f"), QString::number(n), QStringLiteral("-l"), QString::number(n), file, single},
        &ok);
    PdfPage page = ok ? readPdfPage(single) : PdfPage{};
    if (!ok)
        page.error = QStringLiteral("pdfseparate could not take page %1 out of %2").arg(n).arg(file);
    QFile::remove(single);
    return page;
}

// In rows from the top, each from the left.
void sortWords(QList<PdfWord> &words)
{
    std::sort(words.begin(), words.end(), [](const PdfWord &a, const PdfWord &b) {
        return std::tuple(std::round(a.box.top() * 10), a.box.left(), a.text) <
               std::tuple(std::round(b.box.top() * 10), b.box.left(), b.text);
    });
}

// Limits the size of every file this process writes, as a full disk would; a write beyond the
// limit fails instead of ending the process.
struct FileSizeLimit {
    explicit FileSizeLimit(rlim_t bytes)
    {
        std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &old);
        rlimit limited{bytes, old.rlim_max};
        set = setrlimit(RLIMIT_FSIZE, &limited) == 0;
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &old); }
    rlimit old{};
    bool set = false;
};

} // namespace

class TestBooklet : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void coverAndNumberedPages_data();
    void coverAndNumberedPages();
    void sheetPagesAreTheSinglePrintNumberedBelowTheFrame();
    void coverSpansItsPages_data();
    void coverSpansItsPages();
    void coverEmbedsOnlyTheSheetsFonts();
    void failedWriteLeavesTheFileAsItWas_data();
    void failedWriteLeavesTheFileAsItWas();
    void printBookletHandsOverOneJob();

private:
    QString file(const QString &name) const { return m_dir.filePath(name); }
    QTemporaryDir m_dir;
};

void TestBooklet::initTestCase()
{
    QVERIFY(m_dir.isValid());
}

void TestBooklet::coverAndNumberedPages_data()
{
    QTest::addColumn<bool>("english");
    QTest::addColumn<QStringList>("cover");
    QTest::addColumn<QString>("pageNumber"); // of page %1 of %2
    QTest::newRow("German: Projekt, the header, the table and Seite n von m")
        << false
        << QStringList{"Projekt",
                       "Projekt: Bürohaus Nord",
                       "Firma: Fensterbau Beispiel",
                       "Ersteller: A. Planer",
                       "Datum: 08.12.2026",
                       "Pos. Bezeichnung Programm Bauteil Erforderlich Profil Seite",
                       "P-1 Programm 1 Wx 260.5 cm³ RR 50x100x3 2",
                       "P-2 Programm 4 Wx 261.5 cm³ RR 50x100x3 3",
                       "P-3 Programm 6 Wx 262.5 cm³ RR 50x100x3 4"}
        << "Seite %1 von %2";
    QTest::newRow("English: Project, the menu's words and Page n of m")
        << true
        << QStringList{"Project",
                       "Project: Bürohaus Nord",
                       "Company: Fensterbau Beispiel",
                       "Calculated by: A. Planer",
                       "Date: 08.12.2026",
                       "Pos. Description Program Member Required Section Page",
                       "P-1 Programm 1 Wx 260.5 cm³ RR 50x100x3 2",
                       "P-3 Programm 6 Wx 262.5 cm³ RR 50x100x3 4"}
        << "Page %1 of %2";
}

void TestBooklet::coverAndNumberedPages()
{
    QFETCH(bool, english);
    QFETCH(QStringList, cover);
    QFETCH(QString, pageNumber);
    const QString pdf = file(QStringLiteral("three-%1.pdf").arg(english));
    const vb::Result<> written = writeBookletPdf(programBooklet({1, 4, 6}, english), pdf);
    QVERIFY2(written, qPrintable(written.reason().german));
    QCOMPARE(pdfPageCount(pdf), 4);

    const PdfPage first = pdfPage(pdf, 1);
    QVERIFY2(first.error.isEmpty(), qPrintable(first.error));
    for (const QString &row : std::as_const(cover))
        QVERIFY2(first.rows().contains(row),
                 qPrintable(QStringLiteral("\"%1\" not a row of\n%2").arg(row, first.rows().join('\n'))));
    for (int n = 1; n <= 4; ++n) {
        const PdfPage page = n == 1 ? first : pdfPage(pdf, n);
        QVERIFY2(page.rows().last() == pageNumber.arg(n).arg(4),
                 qPrintable(QStringLiteral("page %1 ends in \"%2\"").arg(n).arg(page.rows().last())));
    }
    // The sheets keep their own language: an English booklet of English sheets.
    const QString title =
        english ? QStringLiteral("Static predimensioning") : QStringLiteral("Statische Vorbemessung");
    QVERIFY(pdfPage(pdf, 3).rows().contains(title));
}

// Each position's page is its sheet as writePdf() writes it, word for word at the same place. On
// every page, cover and sheets of all six programs alike, the number stands at one place: a few
// millimetres below the frame's bands and every text, ending at the right end of the rules.
void TestBooklet::sheetPagesAreTheSinglePrintNumberedBelowTheFrame()
{
    const Booklet booklet = programBooklet({1, 2, 3, 4, 5, 6}, false);
    const QString pdf = file(QStringLiteral("six.pdf"));
    QVERIFY(writeBookletPdf(booklet, pdf));
    const double mm = 72.0 / 25.4;
    const Label rules = rule(QString(), QString(), 0);
    double firstTop = -1;
    for (int n = 1; n <= 7; ++n) {
        const Sheet sheet = n == 1 ? makeCoverSheet(booklet.cover, 0) : booklet.sheet(n - 2);
        double bands = mmToPagePixels(sheet.layout().page.marginsMm.top());
        for (const Band &band : sheet.layout().bands)
            bands += band.height;
        const PdfPage page = pdfPage(pdf, n);
        QVERIFY2(page.error.isEmpty(), qPrintable(page.error));
        QCOMPARE(page.rows().last(), QStringLiteral("Seite %1 von 7").arg(n));
        // The number is the last row; the words above it are the sheet's.
        double top = 0, textBottom = 0, numberRight = 0;
        for (const PdfWord &w : page.words)
            top = std::max(top, w.box.top());
        QList<PdfWord> words;
        for (const PdfWord &w : page.words) {
            if (w.box.top() > top - 1) {
                numberRight = std::max(numberRight, w.box.right());
            } else {
                textBottom = std::max(textBottom, w.box.bottom());
                words.append(w);
            }
        }
        const double belowBands = top - pagePixelsToPoints(bands);
        QVERIFY2(belowBands >= 1.5 * mm && belowBands <= 8 * mm && top - textBottom >= 2 * mm,
                 qPrintable(QStringLiteral("page %1: number at %2 pt, texts end at %3 pt")
                                .arg(n)
                                .arg(top)
                                .arg(textBottom)));
        QVERIFY(top + 5 * mm < page.size.height() - 5 * mm);
        QVERIFY2(qAbs(numberRight - pagePixelsToPoints(sheet.bandLeft() + rules.x + rules.width)) < 1.0,
                 qPrintable(QStringLiteral("page %1: number ends at %2 pt").arg(n).arg(numberRight)));
        if (firstTop < 0)
            firstTop = top;
        QVERIFY2(qAbs(top - firstTop) < 0.5,
                 qPrintable(QStringLiteral("page %1 has its number elsewhere").arg(n)));
        if (n == 1)
            continue;

        const QString single = file(QStringLiteral("single.pdf"));
        QVERIFY(writePdf(sheet, single));
        QList<PdfWord> expected = readPdfPage(single).words;
        QCOMPARE(words.size(), expected.size());
        sortWords(words);
        sortWords(expected);
        for (qsizetype k = 0; k < words.size(); ++k)
            QVERIFY2(words[k].text == expected[k].text &&
                         qAbs(words[k].box.left() - expected[k].box.left()) < 0.1 &&
                         qAbs(words[k].box.top() - expected[k].box.top()) < 0.1,
                     qPrintable(QStringLiteral("page %1: \"%2\" where the sheet has \"%3\"")
                                    .arg(n)
                                    .arg(words[k].text, expected[k].text)));
    }
}

void TestBooklet::coverSpansItsPages_data()
{
    QTest::addColumn<int>("positions");
    QTest::addColumn<int>("coverPages");
    QTest::newRow("a booklet without positions is its cover") << 0 << 1;
    QTest::newRow("40 positions fill one cover page") << 40 << 1;
    QTest::newRow("the 41st position opens a second cover page") << 41 << 2;
    QTest::newRow("100 positions take three cover pages") << 100 << 3;
}

// Every cover page carries the heading and its share of the rows; every row names the page its
// sheet is on, and that page holds the sheet and its number.
void TestBooklet::coverSpansItsPages()
{
    QFETCH(int, positions);
    QFETCH(int, coverPages);
    Booklet booklet;
    for (int i = 0; i < positions; ++i)
        booklet.cover.rows.append(CoverRow{QStringLiteral("P-%1").arg(i + 1), QStringLiteral("Programm 1"),
                                           QString(), QString(), 0});
    QCOMPARE(coverPageCount(booklet.cover), coverPages);
    booklet.sheetCount = positions;
    booklet.sheet = tinySheet;
    const QString pdf = file(QStringLiteral("long.pdf"));
    const vb::Result<> written = writeBookletPdf(booklet, pdf);
    QVERIFY2(written, qPrintable(written.reason().german));
    const int pages = coverPages + positions;
    QCOMPARE(pdfPageCount(pdf), pages);

    int row = 0;
    for (int n = 1; n <= coverPages; ++n) {
        const QStringList rows = pdfPage(pdf, n).rows();
        QVERIFY(rows.contains(QStringLiteral("Projekt")));
        for (const QString &text : rows) {
            if (!text.startsWith(QLatin1String("P-")))
                continue;
            ++row;
            QCOMPARE(text, QStringLiteral("P-%1 Programm 1 %2").arg(row).arg(coverPages + row));
        }
        QCOMPARE(rows.last(), QStringLiteral("Seite %1 von %2").arg(n).arg(pages));
    }
    QCOMPARE(row, positions);
    if (positions == 0)
        return;
    for (const int i : {0, positions - 1}) {
        const int n = coverPages + i + 1;
        const QStringList rows = pdfPage(pdf, n).rows();
        QCOMPARE(rows, (QStringList{QStringLiteral("Blatt %1").arg(i + 1),
                                    QStringLiteral("Seite %1 von %2").arg(n).arg(pages)}));
    }
}

// The cover is set in the sheets' fonts only: a superscript they do not have (cm⁴) is raised as
// the sheets raise their exponents rather than taken from another font, and each font is
// embedded once for the whole booklet.
void TestBooklet::coverEmbedsOnlyTheSheetsFonts()
{
    Booklet booklet = programBooklet({1, 2, 3, 4, 5, 6}, false);
    booklet.cover.rows[0].required = QStringLiteral("Ix 112.1 cm⁴, Wx 22.4 cm³");
    booklet.cover.rows[1].required = QStringLiteral("Ix ⁰¹²³⁴⁵⁶⁷⁸⁹ cm⁴");
    const QString pdf = file(QStringLiteral("fonts.pdf"));
    QVERIFY(writeBookletPdf(booklet, pdf));
    const auto fontsOf = [](const QString &file) {
        bool ok = false;
        QStringList names;
        const QStringList lines =
            QString::fromUtf8(runTool(QStringLiteral("pdffonts"), {file}, &ok)).split('\n');
        for (const QString &line : lines.mid(2))
            if (!line.isEmpty())
                names.append(line.section(QLatin1Char(' '), 0, 0));
        return names;
    };
    QStringList sheetFonts;
    for (int i = 0; i < 6; ++i) {
        const QString single = file(QStringLiteral("fonts%1.pdf").arg(i));
        QVERIFY(writePdf(booklet.sheet(i), single));
        sheetFonts += fontsOf(single);
    }
    const QStringList fonts = fontsOf(pdf);
    QVERIFY(!fonts.isEmpty());
    QCOMPARE(QSet<QString>(fonts.cbegin(), fonts.cend()).size(), fonts.size());
    for (const QString &font : fonts)
        QVERIFY2(sheetFonts.contains(font), qPrintable(font + QStringLiteral(" is no font of the sheets")));
}

void TestBooklet::failedWriteLeavesTheFileAsItWas_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("the disk fills up while the pages are written") << "full";
    QTest::newRow("the disk fills up with the last bytes of the file") << "last bytes";
    QTest::newRow("the positions' sheets are missing") << "no sheets";
    QTest::newRow("one sheet as PDF: the disk fills up with its last bytes") << "sheet last bytes";
    QTest::newRow("the folder does not exist") << "no folder";
}

void TestBooklet::failedWriteLeavesTheFileAsItWas()
{
    QFETCH(QString, how);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QString target = dir.filePath(QStringLiteral("Projekt.pdf"));
    const QByteArray before = "%PDF-1.4 the booklet of yesterday\n";
    {
        QFile existing(target);
        QVERIFY(existing.open(QIODevice::WriteOnly));
        existing.write(before);
    }
    Booklet booklet = programBooklet({1, 2, 3}, false);
    vb::Result<> written;
    if (how == QLatin1String("full") || how == QLatin1String("last bytes")) {
        // The cover fits, the sheets do not; or all but the end of the file, which is written
        // when the file is flushed.
        qint64 limitBytes = 30000;
        if (how == QLatin1String("last bytes")) {
            const QString whole = dir.filePath(QStringLiteral("whole.pdf"));
            QVERIFY(writeBookletPdf(booklet, whole));
            limitBytes = QFileInfo(whole).size() - 10;
            QVERIFY(QFile::remove(whole));
        }
        const FileSizeLimit limit{rlim_t(limitBytes)};
        QVERIFY(limit.set);
        written = writeBookletPdf(booklet, target);
    } else if (how == QLatin1String("sheet last bytes")) {
        const Sheet sheet = booklet.sheet(0);
        const QString whole = dir.filePath(QStringLiteral("whole.pdf"));
        QVERIFY(writePdf(sheet, whole));
        const qint64 limitBytes = QFileInfo(whole).size() - 10;
        QVERIFY(QFile::remove(whole));
        const FileSizeLimit limit{rlim_t(limitBytes)};
        QVERIFY(limit.set);
        written = writePdf(sheet, target);
    } else if (how == QLatin1String("no sheets")) {
        booklet.sheet = nullptr;
        written = writeBookletPdf(booklet, target);
    } else {
        target = dir.filePath(QStringLiteral("Archiv/Projekt.pdf"));
        written = writeBookletPdf(booklet, target);
    }
    QVERIFY(!written);
    const vb::Text error = written.reason();
    // The file and the system's reason, in both languages.
    const QString where =
        QDir::toNativeSeparators(QFileInfo(target).absoluteFilePath()) + QStringLiteral(": ");
    QVERIFY2(error.german.startsWith(QStringLiteral("Das PDF kann nicht gespeichert werden:\n") + where),
             qPrintable(error.german));
    QVERIFY2(error.english.startsWith(QStringLiteral("The PDF cannot be saved:\n") + where),
             qPrintable(error.english));
    QVERIFY2(error.german.size() > error.german.indexOf(where) + where.size() + 5, "no reason given");
    QVERIFY(!error.english.contains(QStringLiteral("Unknown error")));
    QFile kept(dir.filePath(QStringLiteral("Projekt.pdf")));
    QVERIFY(kept.open(QIODevice::ReadOnly));
    QCOMPARE(kept.readAll(), before);
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
             QStringList{QStringLiteral("Projekt.pdf")});
}

// printBooklet() sends cover and sheets as one job, numbered as the file is.
void TestBooklet::printBookletHandsOverOneJob()
{
    const QString cups = qEnvironmentVariable("VB_CUPS_DIR");
    if (cups.isEmpty())
        QSKIP("not started by CTest's private CUPS fixture (VB_CUPS_DIR unset)");
    if (QFile::exists(QDir(cups).filePath(QStringLiteral("unavailable"))))
        QSKIP("cupsd is not installed (Debian packages cups, cups-client)");
    QCOMPARE(QPrinterInfo::defaultPrinter().printerName(), QStringLiteral("vbtest"));
    const QDir jobs(qEnvironmentVariable("VB_CUPS_JOBS"));
    const QStringList before = jobs.entryList({QStringLiteral("job-*.pdf")}, QDir::Files);
    const vb::Result<PrintedJob> outcome = printBooklet(programBooklet({2, 3, 5}, true), nullptr);
    QVERIFY2(outcome, qPrintable(outcome.reason().german));
    // Stored within a second or two; a second job, had the pages gone out one by one, too.
    QStringList added;
    for (int wait = 0; wait < 100 && (added.isEmpty() || wait < 10); ++wait) {
        QTest::qWait(100);
        added = jobs.entryList({QStringLiteral("job-*.pdf")}, QDir::Files);
        added.removeIf([&before](const QString &job) { return before.contains(job); });
    }
    QCOMPARE(added.size(), 1);
    const QString job = jobs.filePath(added.first());
    QCOMPARE(pdfPageCount(job), 4);
    QCOMPARE(pdfPage(job, 2).rows().last(), QStringLiteral("Page 2 of 4"));
    QVERIFY(pdfPage(job, 1).rows().contains(QStringLiteral("P-3 Programm 5 Wx 262.5 cm³ RR 50x100x3 4")));
}

QTEST_MAIN(TestBooklet)

#include "tst_booklet.moc"
