// Times writing a project's booklet as PDF (a cover and the sheets of 10 and of 100 positions,
// cycling over the six programs) and reports the file sizes, what each added page costs, and the
// peak memory of a booklet of 100 positions against saving one sheet, each measured in a process
// of its own. Then the same booklets as a planner's project fills them: every position described,
// long project, company and creator names, the letterhead's company line and a PNG logo, a chosen
// section on every sheet, so that texts are fitted to their rooms and the cover's cells wrap.
//
//   bench_booklet [runs]               times and sizes (median of runs, 7), then the peaks
//   bench_booklet --peak sheet <n>     writes sample sheet n (1 … 6) once, prints the peak in kB
//   bench_booklet --peak booklet <n>   writes a booklet of n positions once, prints the peak in kB
//   bench_booklet --write <file> <n>   writes a booklet of n positions to the file
//   bench_booklet --described ...      the same with the planner's texts (--described --write …)
//
// Goals: 100 positions in at most 1.5 s and 3 MB, at a peak of at most 1.3 times one sheet's.

#include "peakmemory.h"
#include "samplesheets.h"

#include "reports/booklet.h"
#include "reports/sheetitems.h"
#include "reports/sheetpainter.h"

#include <QtCore/QElapsedTimer>
#include <QtCore/QFileInfo>
#include <QtCore/QProcess>
#include <QtCore/QTemporaryDir>
#include <QtGui/QGuiApplication>
#include <QtGui/QImage>
#include <QtGui/QPainter>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace
{

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2.0;
}

// The planner's texts of a described booklet; its logo is written once, beside the booklet.
bool g_described = false;

QString plannerLogo()
{
    static QTemporaryDir dir;
    static const QString file = [] {
        const QString path = dir.filePath(QStringLiteral("logo.png"));
        QImage logo(600, 150, QImage::Format_RGB32);
        logo.fill(Qt::white);
        QPainter painter(&logo);
        painter.fillRect(0, 0, 150, 150, QColor(0, 60, 140));
        painter.fillRect(170, 40, 420, 70, QColor(180, 180, 180));
        painter.end();
        logo.save(path);
        return path;
    }();
    return file;
}

report::FormTexts describedTexts(int index)
{
    report::FormTexts texts;
    texts.header = {
        QStringLiteral("Neubau Verwaltungsgebäude Nord mit Tiefgarage, Bauabschnitt 2"),
        QStringLiteral("2026-0815/%1.%2 EG").arg(index / 10 + 1).arg(index % 10 + 1, 2, 10, QLatin1Char('0')),
        QStringLiteral("Metallbau Kröger GmbH & Co. KG, Niederlassung Bremerhaven"),
        QStringLiteral("Dipl.-Ing. (FH) Sabine Weiß-Oberländer"),
        QStringLiteral("08.12.2026"),
        QStringLiteral("10:15")};
    for (int n = 1; n <= 20; ++n)
        texts.fields.insert(QStringLiteral("Edit%1").arg(n), QStringLiteral("%1.25").arg(n));
    texts.options.insert(QStringLiteral("RadioButton1"), true);
    texts.options.insert(QStringLiteral("RadioButton3"), true);
    texts.description =
        QStringLiteral("Erdgeschoss, Pfosten der Pfosten-Riegel-Fassade in Achse %1, Nordseite")
            .arg(QChar(u'A' + index % 26));
    texts.letterhead = {
        QStringLiteral("Metallbau Kröger GmbH & Co. KG · Am Alten Hafen 112 · 27568 Bremerhaven · "
                       "Telefon 0471 1234567"),
        plannerLogo()};
    texts.sectionName = QStringLiteral("Musterfassade 50 SG, Statikprofil 50 x 185 x 3,5 mit Stahlkern");
    texts.sectionUtilisation = 87;
    return texts;
}

// A booklet of `positions` positions whose sheets are the sample sheets, program after program;
// described, the sheets carry the planner's texts.
report::Booklet sampleBooklet(int positions)
{
    static const auto sheets = sampleSheets();
    report::Booklet booklet;
    booklet.cover.project = QStringLiteral("Bürohaus Nord");
    booklet.cover.company = QStringLiteral("Fensterbau Beispiel");
    booklet.cover.creator = QStringLiteral("A. Planer");
    booklet.cover.date = QStringLiteral("08.12.2026");
    for (int i = 0; i < positions; ++i) {
        const int program = i % int(sheets.size()) + 1;
        booklet.cover.rows.append(
            report::CoverRow{QStringLiteral("P-%1").arg(i + 1, 3, 10, QLatin1Char('0')),
                             QStringLiteral("Programm %1").arg(program),
                             QStringLiteral("Ix 55.0 cm⁴, Wx (Feld) 10.2 cm³, Wx (Stütze) 12.3 cm³"),
                             QStringLiteral("RR 50 x 100 x 3 (87 %)"), 0});
    }
    booklet.sheetCount = positions;
    booklet.sheet = [](int index) { return sheets[size_t(index) % sheets.size()].second(); };
    if (!g_described)
        return booklet;

    const report::FormTexts first = describedTexts(0);
    booklet.cover.project = first.header.project;
    booklet.cover.company = first.header.company;
    booklet.cover.creator = first.header.creator;
    booklet.cover.letterhead = first.letterhead;
    for (int i = 0; i < positions; ++i) {
        const report::FormTexts texts = describedTexts(i);
        report::CoverRow &row = booklet.cover.rows[i];
        row.number = texts.header.positionNumber;
        row.description = texts.description;
        row.member = QStringLiteral("Zweifeldsparren L1 4.25 m, L2 3.80 m");
        row.section = QStringLiteral("%1 (%2 %)").arg(texts.sectionName).arg(texts.sectionUtilisation);
    }
    using Make = report::Sheet (*)(const report::FormTexts &);
    static const Make make[] = {report::makeDruck1, report::makeDruck2, report::makeDruck3,
                                report::makeDruck4, report::makeDruck5, report::makeDruck6};
    booklet.sheet = [](int index) { return make[index % 6](describedTexts(index)); };
    return booklet;
}

struct Figures {
    double ms = 0;
    qint64 bytes = 0;
};

bool timeBooklet(int positions, int runs, const QString &file, Figures *figures)
{
    const report::Booklet booklet = sampleBooklet(positions);
    std::vector<double> ms;
    for (int i = 0; i <= runs; ++i) { // the first run warms up
        QElapsedTimer clock;
        clock.start();
        if (const vb::Result<> written = report::writeBookletPdf(booklet, file); !written) {
            std::fprintf(stderr, "%s\n", qPrintable(written.reason().english));
            return false;
        }
        if (i > 0)
            ms.push_back(clock.nsecsElapsed() / 1e6);
    }
    figures->ms = median(ms);
    figures->bytes = QFileInfo(file).size();
    std::printf("  %3d positions (%d pages): median of %d %.1f ms, %lld bytes\n", positions,
                report::coverPageCount(booklet.cover) + positions, runs, figures->ms,
                static_cast<long long>(figures->bytes));
    return true;
}

// The peak of a process of its own that runs this program in a --peak mode; 0 when it failed.
long peakOf(const QStringList &arguments)
{
    QProcess process;
    process.start(QCoreApplication::applicationFilePath(), arguments);
    if (!process.waitForFinished(120000) || process.exitCode() != 0)
        return 0;
    return process.readAllStandardOutput().trimmed().toLong();
}

int peakMode(const QString &what, int n)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("peak.pdf"));
    vb::Result<> ok = vb::failure({});
    if (what == QLatin1String("sheet")) {
        const auto sheets = sampleSheets();
        if (n < 1 || n > int(sheets.size()))
            return 2;
        ok = report::writePdf(sheets[size_t(n - 1)].second(), file);
    } else if (what == QLatin1String("booklet")) {
        ok = report::writeBookletPdf(sampleBooklet(n), file);
    } else {
        return 2;
    }
    if (!ok) {
        std::fprintf(stderr, "%s\n", qPrintable(ok.reason().english));
        return 1;
    }
    std::printf("%ld\n", peakResidentKb());
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QStringList args = QCoreApplication::arguments().mid(1);
    if (!args.isEmpty() && args[0] == QLatin1String("--described")) {
        g_described = true;
        args.removeFirst();
    }
    if (args.size() == 3 && args[0] == QLatin1String("--peak"))
        return peakMode(args[1], args[2].toInt());
    if (args.size() == 3 && args[0] == QLatin1String("--write")) {
        if (const vb::Result<> written = report::writeBookletPdf(sampleBooklet(args[2].toInt()), args[1]);
            !written) {
            std::fprintf(stderr, "%s\n", qPrintable(written.reason().english));
            return 1;
        }
        return 0;
    }
    const int runs = !args.isEmpty() ? std::max(1, args[0].toInt()) : 7;

    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("booklet.pdf"));
    for (const bool described : {false, true}) {
        g_described = described;
        std::printf(
            "booklet as PDF%s (goals for 100 positions: <= 1500 ms, <= 3 MB, peak <= 1.3 x one sheet):\n",
            described ? ", described, long header texts, letterhead with logo" : "");
        Figures ten, hundred;
        if (!timeBooklet(10, runs, file, &ten) || !timeBooklet(100, runs, file, &hundred))
            return 1;
        const int addedPages = (report::coverPageCount(sampleBooklet(100).cover) + 100) -
                               (report::coverPageCount(sampleBooklet(10).cover) + 10);
        std::printf("  each added page: %.2f ms, %.0f bytes\n", (hundred.ms - ten.ms) / addedPages,
                    double(hundred.bytes - ten.bytes) / addedPages);
        std::printf("  100 positions: %.0f ms (goal <= 1500), %.2f MB (goal <= 3)\n", hundred.ms,
                    hundred.bytes / 1e6);
    }
    g_described = false;

    // Peaks, each in a fresh process: the six sheets one by one, and the booklet.
    long smallest = 0, largest = 0;
    for (int n = 1; n <= int(sampleSheets().size()); ++n) {
        const long peak = peakOf({QStringLiteral("--peak"), QStringLiteral("sheet"), QString::number(n)});
        if (peak <= 0) {
            std::fprintf(stderr, "the sheet %d process failed\n", n);
            return 1;
        }
        smallest = smallest ? std::min(smallest, peak) : peak;
        largest = std::max(largest, peak);
    }
    const long bookletPeak =
        peakOf({QStringLiteral("--peak"), QStringLiteral("booklet"), QStringLiteral("100")});
    if (bookletPeak <= 0) {
        std::fprintf(stderr, "the booklet process failed\n");
        return 1;
    }
    std::printf("  peak memory: one sheet as PDF %ld to %ld kB (the six sheets), booklet of 100 %ld kB: "
                "%.2f x the smallest, %.2f x the largest (goal <= 1.3)\n",
                smallest, largest, bookletPeak, double(bookletPeak) / double(smallest),
                double(bookletPeak) / double(largest));
    const long describedPeak = peakOf({QStringLiteral("--described"), QStringLiteral("--peak"),
                                       QStringLiteral("booklet"), QStringLiteral("100")});
    if (describedPeak <= 0) {
        std::fprintf(stderr, "the described booklet process failed\n");
        return 1;
    }
    std::printf("  peak memory of the described booklet of 100: %ld kB, %.2f x the largest sheet's\n",
                describedPeak, double(describedPeak) / double(largest));
    return 0;
}
