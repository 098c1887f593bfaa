// Times printing each program's sheet through the print flow against a bare QPrinter job of one
// line of text (once on a printer looked up beforehand, once on a QPrinter that finds the default
// printer itself, as a bare program does) and a bare job of three lines in the sheets' three fonts,
// against which each sheet is also given as a ratio, all to the default queue of a CUPS server whose backend
// stores each job (the private test server of scripts/cups-test-server.sh).
//
//   scripts/cups-test-server.sh start /tmp/vbbench
//   env $(cat /tmp/vbbench/env) print_bench /tmp/vbbench/jobs [prints]
//
// For each kind it prints once to warm up, then the given number of times (10), and reports the
// median time from the call until the job was accepted by CUPS, until the call returned (the print
// flow watches the job a little longer) and until the backend had stored it, and the size of the
// PDF the queue received.

#include "samplesheets.h"

#include "reports/printflow.h"

#include <QtCore/QDir>
#include <QtCore/QElapsedTimer>
#include <QtCore/QFileInfo>
#include <QtCore/QThread>
#include <QtGui/QPainter>
#include <QtPrintSupport/QPrinter>
#include <QtPrintSupport/QPrinterInfo>
#include <QtWidgets/QApplication>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace
{

QStringList jobs(const QDir &dir)
{
    return dir.entryList({QStringLiteral("job-*.pdf")}, QDir::Files);
}

// Waits up to 30 s for a job file that was not there before; returns its path or an empty string.
QString waitForJob(const QDir &dir, const QStringList &before)
{
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 30000) {
        for (const QString &job : jobs(dir))
            if (!before.contains(job))
                return dir.filePath(job);
        QThread::usleep(500);
    }
    return {};
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2.0;
}

struct Figures {
    std::vector<double> accepted, returned, stored;
    qint64 pdfBytes = 0;
};

// print() prints once and returns the milliseconds from its start until CUPS had accepted the job,
// or a negative number when printing failed. The medians go to *medians when asked for; with
// `against`, the ratios of time and size to those figures are printed too.
bool measure(const char *name, const QDir &dir, int prints, const std::function<double()> &print,
             Figures *medians = nullptr, const Figures *against = nullptr)
{
    Figures figures;
    for (int i = 0; i <= prints; ++i) {
        const QStringList before = jobs(dir);
        QElapsedTimer clock;
        clock.start();
        const double accepted = print();
        if (accepted < 0) {
            std::fprintf(stderr, "%s: printing failed\n", name);
            return false;
        }
        const double returned = clock.nsecsElapsed() / 1e6;
        const QString job = waitForJob(dir, before);
        const double stored = clock.nsecsElapsed() / 1e6;
        if (job.isEmpty()) {
            std::fprintf(stderr, "%s: no job was stored in %s\n", name, qPrintable(dir.path()));
            return false;
        }
        if (i == 0) {
            std::printf("%-13s first print (cold): accepted %.1f ms, returned %.1f ms, stored %.1f ms\n",
                        name, accepted, returned, stored);
            continue;
        }
        figures.accepted.push_back(accepted);
        figures.returned.push_back(returned);
        figures.stored.push_back(stored);
        figures.pdfBytes = QFileInfo(job).size();
    }
    std::printf(
        "%-13s median of %d: accepted by CUPS %.1f ms, returned %.1f ms, stored by the backend %.1f ms, "
        "PDF %lld bytes\n",
        name, prints, median(figures.accepted), median(figures.returned), median(figures.stored),
        static_cast<long long>(figures.pdfBytes));
    if (against && !against->accepted.empty() && against->pdfBytes > 0)
        std::printf("%-13s against the bare three-font job: %.2f x the time to acceptance, %.2f x the size\n",
                    name, median(figures.accepted) / median(against->accepted),
                    double(figures.pdfBytes) / double(against->pdfBytes));
    if (medians)
        *medians = figures;
    return true;
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QString jobsDir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : qEnvironmentVariable("VB_CUPS_JOBS");
    const int prints = argc > 2 ? std::max(1, QString::fromLocal8Bit(argv[2]).toInt()) : 10;
    if (jobsDir.isEmpty() || !QDir(jobsDir).exists()) {
        std::fprintf(stderr, "usage: print_bench <folder where the queue stores jobs> [prints]\n");
        return 2;
    }
    const QDir dir(jobsDir);
    const QPrinterInfo printer = QPrinterInfo::defaultPrinter();
    if (printer.isNull()) {
        std::fprintf(stderr, "no default printer: set CUPS_SERVER to the test server\n");
        return 2;
    }
    std::printf("default printer: %s\n", qPrintable(printer.printerName()));

    // One line of text on a bare QPrinter, made on the printer looked up above or, as a bare program
    // writes it, on the default printer that Qt finds itself.
    const auto bare = [&](bool givenPrinter) {
        return [&, givenPrinter] {
            QElapsedTimer clock;
            clock.start();
            QPrinter bare = givenPrinter ? QPrinter(printer, QPrinter::HighResolution)
                                         : QPrinter(QPrinter::HighResolution);
            bare.setDocName(QStringLiteral("bare"));
            QPainter painter;
            if (!painter.begin(&bare))
                return -1.0;
            painter.drawText(QPointF(1000, 1000), QStringLiteral("Statische Vorbemessung"));
            return painter.end() ? clock.nsecsElapsed() / 1e6 : -1.0;
        };
    };
    const bool bareOk = measure("bare QPrinter", dir, prints, bare(true));
    const bool bareDefaultOk = measure("bare default", dir, prints, bare(false));
    // The bare job once more with a line in each of the sheets' three fonts, on the printer looked up
    // above: what sending those fonts costs any program that prints them.
    Figures threeFonts;
    const bool threeFontsOk = measure(
        "bare 3 fonts", dir, prints,
        [&] {
            QElapsedTimer clock;
            clock.start();
            QPrinter bare(printer, QPrinter::HighResolution);
            bare.setDocName(QStringLiteral("bare"));
            QPainter painter;
            if (!painter.begin(&bare))
                return -1.0;
            paintThreeFontLines(painter);
            return painter.end() ? clock.nsecsElapsed() / 1e6 : -1.0;
        },
        &threeFonts);
    bool sheetsOk = threeFontsOk;
    for (const auto &[name, make] : sampleSheets()) {
        sheetsOk = measure(
                       name, dir, prints,
                       [&make] {
                           QElapsedTimer clock;
                           clock.start();
                           const report::Sheet sheet = make();
                           const double filled = clock.nsecsElapsed() / 1e6;
                           const vb::Result<report::PrintedJob> job = report::printSheet(sheet, nullptr);
                           return job ? filled + job->handedOverMs : -1.0;
                       },
                       nullptr, threeFontsOk ? &threeFonts : nullptr) &&
                   sheetsOk;
    }
    return bareOk && bareDefaultOk && sheetsOk ? 0 : 1;
}
