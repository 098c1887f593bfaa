#include "reports/printflow.h"

#include "reports/sheetpainter.h"

#include <QtCore/QCoreApplication>
#include <QtCore/QElapsedTimer>
#include <QtCore/QThread>
#include <QtGui/QPainter>
#include <QtPrintSupport/QPrinter>
#include <QtPrintSupport/QPrinterInfo>

#ifdef VB_ASK_CUPS
#include "reports/cupsqueue.h"

#include <QtCore/QDir>
#include <QtCore/QLibrary>
#endif

namespace report
{

namespace
{

enum Step { Shown, DrawingsLoaded, PrinterOpened, HandedOver };

#ifdef VB_ASK_CUPS
// The scheduler's view of the default printer and of the job the flow hands over, read through
// the same copy of libcups. A stopped printer accepts a job and only holds it, and a backend that
// cannot reach the printer fails after the job has been accepted: both would pass for printed.
class CupsQueue
{
public:
    // The job states of IPP (RFC 8011, 5.3.7) that the flow tells apart.
    enum JobState {
        Unknown = 0,
        Pending = 3,
        Held = 4,
        Processing = 5,
        Stopped = 6,
        Canceled = 7,
        Aborted = 8,
        Completed = 9
    };
    struct Job {
        int id = 0;
        JobState state = Unknown;
    };

    explicit CupsQueue(const QString &printerName)
        : m_printer(printerName.section(QLatin1Char('/'), 0, 0).toLocal8Bit())
    {
        QLibrary &module = cupsModule();
        if (!module.isLoaded())
            return;
        m_printerStopped =
            reinterpret_cast<decltype(&vb_cups_printer_stopped)>(module.resolve("vb_cups_printer_stopped"));
        m_newestJob = reinterpret_cast<decltype(&vb_cups_newest_job)>(module.resolve("vb_cups_newest_job"));
        m_lastError = reinterpret_cast<decltype(&vb_cups_last_error)>(module.resolve("vb_cups_last_error"));
    }

    // Why the scheduler refused the last request of this thread, or nothing. Qt's CUPS backend
    // submits the document when the painter ends but does not look at the answer, so a queue
    // that refuses the job would pass for printed; libcups keeps that answer per thread, and the
    // process holds one libcups, the one Qt's print support uses.
    QString lastRefusal() const
    {
        if (!m_lastError)
            return {};
        const char *text = nullptr;
        const int status = m_lastError(&text);
        // IPP status codes from 0x0400 on are client and server errors.
        constexpr int firstIppError = 0x0400;
        if (status < firstIppError)
            return {};
        return text && *text ? QString::fromLocal8Bit(text)
                             : QStringLiteral("IPP-Status 0x%1").arg(status, 4, 16, QLatin1Char('0'));
    }

    // True when the scheduler reports the printer as stopped (printer-state 5): it keeps every
    // job it accepts until someone resumes it.
    bool printerStopped() const { return m_printerStopped && m_printerStopped(m_printer.constData()) != 0; }

    // Which jobs newestJob() looks at. The scheduler keeps finished jobs for a long time (hundreds
    // on a desktop that has printed for a while), so asking for all of them is slow; the jobs still
    // under way are few.
    enum Which { Active = 0, All = -1 }; // CUPS_WHICHJOBS_ACTIVE, CUPS_WHICHJOBS_ALL

    // This user's newest job of the given name on the printer.
    Job newestJob(const QString &title, Which which) const
    {
        if (!m_newestJob)
            return {};
        int state = 0;
        const int id = m_newestJob(m_printer.constData(), title.toLocal8Bit().constData(), which, &state);
        return id > 0 ? Job{id, JobState(state)} : Job{};
    }

private:
    // The module, loaded at the first print: beside the installed program in
    // lib/vorbemessung, else where the build put it.
    static QLibrary &cupsModule()
    {
        static QLibrary module;
        if (!module.isLoaded()) {
            const QStringList places = {
                QDir(QCoreApplication::applicationDirPath())
                    .filePath(QStringLiteral("../lib/vorbemessung/libvb_cupsqueue.so")),
                QStringLiteral(VB_CUPS_MODULE),
            };
            for (const QString &place : places) {
                module.setFileName(place);
                if (module.load())
                    break;
            }
        }
        return module;
    }

    QByteArray m_printer;
    decltype(&vb_cups_printer_stopped) m_printerStopped = nullptr;
    decltype(&vb_cups_newest_job) m_newestJob = nullptr;
    decltype(&vb_cups_last_error) m_lastError = nullptr;
};

// How long the flow watches a job the scheduler has taken. A backend that cannot reach the printer
// fails within a fraction of a second of its start; a job still under way after this time counts
// as handed over, as it does when the scheduler tells nothing about it. A job the printer is
// already working on is left to it after a shorter time, so that a real printer, which takes
// seconds over a page, does not keep the planner waiting.
constexpr int handOverWatchMs = 2000;
constexpr int processingWatchMs = 400;

// Follows the job handed over after `lastJobBefore` (the newest job of the flow still under way
// before it) until the printer has it, the scheduler gives up on it, or the watch time is over.
// Returns why the job was not printed, or nothing.
vb::Text watchHandOver(const CupsQueue &queue, int lastJobBefore)
{
    QElapsedTimer clock;
    clock.start();
    qint64 processingSince = -1;
    do {
        CupsQueue::Job job = queue.newestJob(printJobName(), CupsQueue::Active);
        if (job.id <= lastJobBefore) {
            // No longer under way: the job has ended. Ask once how; a scheduler that keeps no
            // history of ended jobs has nothing more to tell.
            job = queue.newestJob(printJobName(), CupsQueue::All);
            if (job.id <= lastJobBefore)
                return {};
        }
        switch (job.state) {
        case CupsQueue::Completed:
            return {};
        case CupsQueue::Processing:
            if (processingSince < 0)
                processingSince = clock.elapsed();
            else if (clock.elapsed() - processingSince >= processingWatchMs)
                return {};
            break;
        case CupsQueue::Held:
            return {QStringLiteral("Der Auftrag wird zurückgehalten."), QStringLiteral("The job is held.")};
        case CupsQueue::Stopped:
            return {QStringLiteral("Der Auftrag wurde angehalten."), QStringLiteral("The job was stopped.")};
        case CupsQueue::Canceled:
        case CupsQueue::Aborted:
            return {QStringLiteral("Der Auftrag wurde abgebrochen."), QStringLiteral("The job was aborted.")};
        default:
            break;
        }
        // The error policy "stop-printer" puts the job back in line and stops the printer.
        if (queue.printerStopped())
            return {QStringLiteral("Der Drucker wurde angehalten."),
                    QStringLiteral("The printer was stopped.")};
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        QThread::msleep(10);
    } while (clock.elapsed() < handOverWatchMs);
    return {};
}
#endif

vb::Failure failed(const QString &german, const QString &english, const QString &printer)
{
    return vb::failure(vb::Text{german, english}.arg(printer));
}

vb::Failure cancelled()
{
    return vb::failure({}, vb::FailureKind::Cancelled);
}

// The one page of "Drucken": the sheet as the form made it, its drawings loaded.
class SheetPage final : public PrintPage
{
public:
    explicit SheetPage(const Sheet &sheet) : m_sheet(sheet), m_painter(sheet) {}
    QPageLayout pageLayout() const override { return m_sheet.layout().page.pageLayout(); }
    void paint(QPainter &painter) const override { m_painter.paint(painter); }

private:
    const Sheet &m_sheet;
    const SheetPainter m_painter;
};

} // namespace

QString printJobName()
{
    return QStringLiteral("Statische Vorbemessung");
}

vb::Result<PrintedJob> printSheet(const Sheet &sheet, PrintProgress *progress)
{
    return printPages(
        1, [&sheet](int) -> std::unique_ptr<PrintPage> { return std::make_unique<SheetPage>(sheet); },
        progress);
}

vb::Result<PrintedJob> printPages(int pages, const PrintPageMaker &makePage, PrintProgress *progress)
{
    QElapsedTimer sincePress;
    sincePress.start();
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull())
        return vb::failure({}, vb::FailureKind::NoPrinter);
    const QString printerName = info.printerName();
    if (pages < 1 || !makePage)
        return vb::failure({QStringLiteral("Der Druckauftrag hat keine Seiten."),
                            QStringLiteral("The print job has no pages.")});

    // The bar: the window shown, the first page ready, the printer opened, then one step for every
    // further page painted, and the hand-over. One page gives the steps of Step.
    const int handedOver = HandedOver + pages - 1;
    const auto step = [progress](int value) {
        if (progress)
            progress->setStep(value);
        return progress && progress->cancelled();
    };
    if (progress)
        progress->start(handedOver);
    // Lets the window paint and a press of "Abbrechen" through before anything is opened.
    if (step(Shown))
        return cancelled();

    std::unique_ptr<PrintPage> page = makePage(0);
    if (step(DrawingsLoaded))
        return cancelled();

    QPrinter printer(info, QPrinter::HighResolution);
    if (!printer.isValid() || printer.outputFormat() != QPrinter::NativeFormat)
        return failed(QStringLiteral("Der Drucker \"%1\" ist nicht verfügbar."),
                      QStringLiteral("The printer \"%1\" is not available."), printerName);
    printer.setDocName(printJobName());
    printer.setCreator(QStringLiteral("vorbemessung"));
    printer.setFullPage(true);
    if (!printer.setPageLayout(page->pageLayout()))
        return failed(QStringLiteral("Der Drucker \"%1\" kann nicht auf A4 hochkant drucken."),
                      QStringLiteral("The printer \"%1\" cannot print on A4 portrait."), printerName);

    if (step(PrinterOpened))
        return cancelled();

#ifdef VB_ASK_CUPS
    const CupsQueue queue(printerName);
    if (queue.printerStopped())
        return failed(
            QStringLiteral("Der Drucker \"%1\" ist angehalten; der Druckauftrag wurde nicht gesendet."),
            QStringLiteral("The printer \"%1\" is stopped; the print job was not sent."), printerName);
    const int lastJobBefore = queue.newestJob(printJobName(), CupsQueue::Active).id;
#endif

    // From here on the job exists. Qt's CUPS engine cannot take a job back (QPrinter::abort() fails
    // there), so the window takes no more input until the job is handed over.
    QPainter painter;
    if (!painter.begin(&printer)) {
        printer.abort();
        return failed(QStringLiteral("Der Druckauftrag für \"%1\" kann nicht angelegt werden."),
                      QStringLiteral("The print job for \"%1\" cannot be made."), printerName);
    }
    bool allPages = true;
    for (int index = 0;;) {
        page->paint(painter);
        page.reset();
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        if (++index == pages)
            break;
        if (progress)
            progress->moveBar(PrinterOpened + index);
        page = makePage(index);
        // A page of another paper takes its layout just before it begins.
        if (!page->pageLayout().isEquivalentTo(printer.pageLayout()))
            printer.setPageLayout(page->pageLayout());
        if (!printer.newPage()) {
            allPages = false;
            break;
        }
    }
    const bool ended = painter.end() && allPages;
    const double handedOverMs = sincePress.nsecsElapsed() / 1e6;
#ifdef VB_ASK_CUPS
    const QString refusal = queue.lastRefusal();
#else
    const QString refusal;
#endif
    if (!ended || printer.printerState() == QPrinter::Error || !refusal.isEmpty()) {
        vb::Failure refused =
            failed(QStringLiteral("Der Druckauftrag wurde vom Drucker \"%1\" nicht angenommen."),
                   QStringLiteral("The printer \"%1\" did not accept the print job."), printerName);
        // The scheduler's own words, as it gives them.
        if (!refusal.isEmpty()) {
            refused.reason.german += QLatin1Char('\n') + refusal;
            refused.reason.english += QLatin1Char('\n') + refusal;
        }
        return refused;
    }
#ifdef VB_ASK_CUPS
    const vb::Text notPrinted = watchHandOver(queue, lastJobBefore);
    if (!notPrinted.isEmpty()) {
        vb::Failure outcome =
            failed(QStringLiteral("Der Druckauftrag wurde vom Drucker \"%1\" nicht gedruckt."),
                   QStringLiteral("The printer \"%1\" did not print the print job."), printerName);
        outcome.reason.german += QLatin1Char('\n') + notPrinted.german;
        outcome.reason.english += QLatin1Char('\n') + notPrinted.english;
        return outcome;
    }
#endif
    if (progress)
        progress->moveBar(handedOver);
    return PrintedJob{handedOverMs};
}

} // namespace report
