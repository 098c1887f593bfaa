// Times "Als PDF…" from the sheet to the file written, for each program's sheet, beside a bare
// QPdfWriter page of one line of text, and reports the size of each file.
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

bool measure(const char *name, const QString &file, int runs, const std::function<bool()> &write)
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
    std::printf("%-13s median of %d: %.1f ms, %lld bytes\n", name, runs, median(ms),
                static_cast<long long>(QFileInfo(file).size()));
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
    for (const auto &[name, make] : sampleSheets()) {
        const QString file = dir.filePath(QString::fromLatin1(name) + QStringLiteral(".pdf"));
        ok = measure(name, file, runs,
                     [&make, &file] {
                         // From the filled sheet to the file in place, as "Als PDF…" does after the dialog.
                         QString error;
                         return report::writePdf(make(), file, &error);
                     }) &&
             ok;
    }
    return ok ? 0 : 1;
}
