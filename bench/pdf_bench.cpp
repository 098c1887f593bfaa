// Times "Als PDF…" from the sheet to the file written, for each program's sheet, beside a bare
// QPdfWriter page of one line of text and a bare page of three lines in the sheets' three fonts,
// and reports the size of each file; each sheet against the three-font page as a ratio.
//
//   pdf_bench [runs]
//
// Each kind is written once to warm up, then the given number of times (20); the median is shown.

#include "samplesheets.h"

#include "reports/sheetpainter.h"

#include <QtCore/QElapsedTimer>
#include <QtCore/QFileInfo>
#include <QtCore/QTemporaryDir>
#include <QtGui/QGuiApplication>
#include <QtGui/QPainter>
#include <QtGui/QPdfWriter>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace
{
double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2.0;
}

struct Figures {
    double ms = 0;
    qint64 bytes = 0;
};

// Writes the file runs + 1 times and prints the median; false when writing failed.
bool measure(const char *name, const QString &file, int runs, const std::function<bool()> &write,
             Figures *figures = nullptr, const Figures *against = nullptr)
{
    std::vector<double> ms;
    for (int i = 0; i <= runs; ++i) {
        QElapsedTimer clock;
        clock.start();
        if (!write()) {
            std::fprintf(stderr, "%s: writing failed\n", name);
            return false;
        }
        if (i > 0)
            ms.push_back(clock.nsecsElapsed() / 1e6);
    }
    const Figures measured{median(ms), QFileInfo(file).size()};
    std::printf("%-13s median of %d: %.1f ms, %lld bytes", name, runs, measured.ms,
                static_cast<long long>(measured.bytes));
    if (against && against->ms > 0 && against->bytes > 0)
        std::printf("; %.2f x the time, %.2f x the size of the bare three-font page",
                    measured.ms / against->ms, double(measured.bytes) / double(against->bytes));
    std::printf("\n");
    if (figures)
        *figures = measured;
    return true;
}
} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, QString::fromLocal8Bit(argv[1]).toInt()) : 20;
    QTemporaryDir dir;
    const QString bareFile = dir.filePath(QStringLiteral("bare.pdf"));
    bool ok = measure("bare page", bareFile, runs, [&] {
        QPdfWriter writer(bareFile);
        QPainter painter;
        if (!painter.begin(&writer))
            return false;
        painter.drawText(QPointF(1000, 1000), QStringLiteral("Statische Vorbemessung"));
        return painter.end();
    });
    // The same bare page with a line in each of the sheets' three fonts: what embedding those
    // fonts costs any program that writes them.
    const QString fontsFile = dir.filePath(QStringLiteral("fonts.pdf"));
    Figures threeFonts;
    ok = measure(
             "bare 3 fonts", fontsFile, runs,
             [&] {
                 QPdfWriter writer(fontsFile);
                 QPainter painter;
                 if (!painter.begin(&writer))
                     return false;
                 paintThreeFontLines(painter);
                 return painter.end();
             },
             &threeFonts) &&
         ok;
    for (const auto &[name, make] : sampleSheets()) {
        const QString file = dir.filePath(QString::fromLatin1(name) + QStringLiteral(".pdf"));
        ok = measure(
                 name, file, runs,
                 [&make, &file] {
                     // From the filled sheet to the file in place, as "Als PDF…" does after the dialog.
                     return report::writePdf(make(), file).ok();
                 },
                 nullptr, &threeFonts) &&
             ok;
    }
    return ok ? 0 : 1;
}
