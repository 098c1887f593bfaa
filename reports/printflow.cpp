#include "reports/printflow.h"

#include "reports/sheetpainter.h"

#include <QtCore/QCoreApplication>
#include <QtGui/QPainter>
#include <QtPrintSupport/QPrinter>
#include <QtPrintSupport/QPrinterInfo>
#include <QtWidgets/QProgressDialog>

#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
#include <dlfcn.h>
#define VB_ASK_CUPS 1
#endif

namespace report
{

namespace
{

enum Step { Shown, DrawingsLoaded, PrinterOpened, HandedOver };

#ifdef VB_ASK_CUPS
// Qt's CUPS backend submits the document when the painter ends but does not look at the answer
// of the scheduler, so a queue that refuses the job would pass for printed. libcups keeps the
// status of the last request per thread; ask it, in the copy of libcups that Qt has loaded.
QString cupsRefusal()
{
    void *cups = dlopen("libcups.so.2", RTLD_LAZY | RTLD_NOLOAD);
    if (!cups)
        return {};
    using LastError = int (*)();
    using LastErrorString = const char *(*)();
    const auto lastError = reinterpret_cast<LastError>(dlsym(cups, "cupsLastError"));
    const auto lastErrorString = reinterpret_cast<LastErrorString>(dlsym(cups, "cupsLastErrorString"));
    QString refusal;
    // IPP status codes from 0x0400 on are client and server errors.
    constexpr int firstIppError = 0x0400;
    if (lastError && lastError() >= firstIppError) {
        const char *text = lastErrorString ? lastErrorString() : nullptr;
        refusal = text && *text ? QString::fromLocal8Bit(text)
                                : QStringLiteral("IPP-Status 0x%1").arg(lastError(), 4, 16, QLatin1Char('0'));
    }
    dlclose(cups);
    return refusal;
}
#else
QString cupsRefusal()
{
    return {};
}
#endif

PrintOutcome failed(const QString &text)
{
    return PrintOutcome{PrintStatus::Failed, text};
}

} // namespace

QString printJobName()
{
    return QStringLiteral("Statische Vorbemessung");
}

PrintOutcome printSheet(const Sheet &sheet, QWidget *parent)
{
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull())
        return PrintOutcome{PrintStatus::NoPrinter, {}};

    QProgressDialog progress(parent);
    progress.setWindowTitle(QStringLiteral("Drucken"));
    progress.setLabelText(printJobName());
    progress.setCancelButtonText(QStringLiteral("Abbrechen"));
    progress.setRange(0, HandedOver);
    progress.setMinimumDuration(0);
    progress.setAutoClose(false);
    progress.setAutoReset(false);
    progress.setWindowModality(Qt::ApplicationModal);
    progress.setValue(Shown);
    progress.show();
    // Lets the window paint and a press of "Abbrechen" through before anything is opened.
    QCoreApplication::processEvents();
    if (progress.wasCanceled())
        return PrintOutcome{PrintStatus::Cancelled, {}};

    const SheetPainter sheetPainter(sheet);
    progress.setValue(DrawingsLoaded); // modal: processes events
    if (progress.wasCanceled())
        return PrintOutcome{PrintStatus::Cancelled, {}};

    QPrinter printer(info, QPrinter::HighResolution);
    if (!printer.isValid() || printer.outputFormat() != QPrinter::NativeFormat)
        return failed(QStringLiteral("Der Drucker \"%1\" ist nicht verfügbar.").arg(info.printerName()));
    printer.setDocName(printJobName());
    printer.setCreator(QStringLiteral("vorbemessung"));
    printer.setColorMode(QPrinter::GrayScale);
    printer.setFullPage(true);
    if (!printer.setPageLayout(sheet.layout().page.pageLayout()))
        return failed(
            QStringLiteral("Der Drucker \"%1\" kann nicht auf A4 hochkant drucken.").arg(info.printerName()));

    progress.setValue(PrinterOpened);
    if (progress.wasCanceled())
        return PrintOutcome{PrintStatus::Cancelled, {}};

    // From here on the job exists. Qt's CUPS engine cannot take a job back (QPrinter::abort() fails
    // there), so the window takes no more input until the job is handed over.
    QPainter painter;
    if (!painter.begin(&printer)) {
        printer.abort();
        return failed(QStringLiteral("Der Druckauftrag für \"%1\" kann nicht angelegt werden.")
                          .arg(info.printerName()));
    }
    sheetPainter.paint(painter);
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    const bool ended = painter.end();
    const QString refusal = cupsRefusal();
    if (!ended || printer.printerState() == QPrinter::Error || !refusal.isEmpty()) {
        QString text = QStringLiteral("Der Druckauftrag wurde vom Drucker \"%1\" nicht angenommen.")
                           .arg(info.printerName());
        if (!refusal.isEmpty())
            text += QLatin1Char('\n') + refusal;
        return failed(text);
    }
    progress.setValue(HandedOver);
    return PrintOutcome{PrintStatus::Printed, {}};
}

} // namespace report
