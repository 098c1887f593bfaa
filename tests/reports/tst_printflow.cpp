// The print flow through a private CUPS scheduler (started by the CTest fixtures): with the
// default queue "vbtest", whose backend stores each job's document, and with no printer at all.

#include "pdfwords.h"
#include "sheetfixtures.h"

#include "forms/printprogress.h"
#include "programs/pgm11024/druck1.h"
#include "reports/printflow.h"
#include "reports/sheetpainter.h"

#include <QtCore/QDir>
#include <QtCore/QElapsedTimer>
#include <QtCore/QFile>
#include <QtCore/QTemporaryDir>
#include <QtCore/QTimer>
#include <QtPrintSupport/QPrinterInfo>
#include <QtTest/QTest>
#include <QtWidgets/QApplication>
#include <QtWidgets/QProgressBar>
#include <QtWidgets/QProgressDialog>
#include <QtWidgets/QPushButton>

using namespace report;

namespace
{

QString cupsDir()
{
    return qEnvironmentVariable("VB_CUPS_DIR");
}

QStringList storedJobs()
{
    return QDir(qEnvironmentVariable("VB_CUPS_JOBS"))
        .entryList({QStringLiteral("job-*.pdf")}, QDir::Files, QDir::Name);
}

// Waits until the backend has stored a job that was not there before; empty after the timeout.
QString waitForNewJob(const QStringList &before, int timeoutMs = 20000)
{
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < timeoutMs) {
        for (const QString &job : storedJobs())
            if (!before.contains(job))
                return QDir(qEnvironmentVariable("VB_CUPS_JOBS")).filePath(job);
        QTest::qWait(20);
    }
    return {};
}

// Finds the progress window while the flow runs and answers it, from the event loop.
struct ProgressProbe {
    bool seen = false;
    QString title, cancelText;
    bool hasBar = false;

    void watch(bool cancel)
    {
        QTimer::singleShot(0, [this, cancel] {
            for (QWidget *w : QApplication::topLevelWidgets()) {
                auto *dialog = qobject_cast<QProgressDialog *>(w);
                if (!dialog || !dialog->isVisible())
                    continue;
                seen = true;
                title = dialog->windowTitle();
                const auto *button = dialog->findChild<QPushButton *>();
                cancelText = button ? button->text() : QString();
                hasBar = dialog->findChild<QProgressBar *>() != nullptr;
                if (cancel)
                    dialog->cancel();
            }
        });
    }
};

void skipWithoutCups()
{
    if (cupsDir().isEmpty())
        QSKIP("not started by CTest's private CUPS fixture (VB_CUPS_DIR unset)");
    if (QFile::exists(QDir(cupsDir()).filePath(QStringLiteral("unavailable"))))
        QSKIP("cupsd is not installed (Debian packages cups, cups-client)");
}

} // namespace

class TestPrintToQueue : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void defaultPrinterIsThePrivateQueue();
    void printedJobCarriesTheSheet_data();
    void printedJobCarriesTheSheet();
    void printingTwiceGivesIdenticalSheets();
    void cancellingBeforeTheHandOverPrintsNothing();
    void aQueueThatRefusesJobsIsAFailure();
    void cleanup();

private:
    QTemporaryDir m_dir;
};

void TestPrintToQueue::initTestCase()
{
    skipWithoutCups();
    QVERIFY(m_dir.isValid());
}

void TestPrintToQueue::defaultPrinterIsThePrivateQueue()
{
    QCOMPARE(QPrinterInfo::defaultPrinter().printerName(), QStringLiteral("vbtest"));
}

void TestPrintToQueue::printedJobCarriesTheSheet_data()
{
    QTest::addColumn<bool>("english");
    QTest::addColumn<bool>("transom");
    QTest::addColumn<QStringList>("texts");
    QTest::newRow("a German mullion sheet reaches the queue with header, title, material and disclaimer")
        << false << false
        << QStringList{"Projekt : Bürohaus Nord",
                       "Pos. -/ Auftragnummer: P-4711",
                       "Statische Vorbemessung",
                       "Länge Pfosten LP 3.5 m",
                       "Werkstoff: Aluminium EN AW6060 T66",
                       "Die Berechnung ersetzt keine prüfbare Statik."};
    QTest::newRow("an English transom sheet reaches the queue in English")
        << true << true
        << QStringList{"Project: Bürohaus Nord", "Static predimensioning", "Facade section: transom",
                       "Material: Aluminium EN AW-6060 T66",
                       "The calculation does not replace any valid structural calculation"};
}

void TestPrintToQueue::printedJobCarriesTheSheet()
{
    QFETCH(bool, english);
    QFETCH(bool, transom);
    QFETCH(QStringList, texts);
    const Sheet sheet = makeDruck1(sampleInput(english, transom));
    const QStringList before = storedJobs();
    ProgressProbe probe;
    probe.watch(false);
    vb::PrintProgressWindow window(nullptr);
    const vb::Result<PrintedJob> outcome = printSheet(sheet, &window);
    QVERIFY2(outcome, qPrintable(outcome.reason().german));
    QVERIFY(probe.seen);
    QCOMPARE(probe.title, QStringLiteral("Drucken"));
    QCOMPARE(probe.cancelText, QStringLiteral("Abbrechen"));
    QVERIFY(probe.hasBar);

    const QString job = waitForNewJob(before);
    QVERIFY2(!job.isEmpty(), "the queue stored no job");
    QFile file(job);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY2(file.read(5) == "%PDF-", "the queue received no PDF");
    file.close();
    QFile title(QString(job).replace(QLatin1String(".pdf"), QLatin1String(".title")));
    QVERIFY(title.open(QIODevice::ReadOnly));
    QCOMPARE(QString::fromUtf8(title.readAll()).trimmed(), QStringLiteral("Statische Vorbemessung"));

    const PdfPage page = readPdfPage(job);
    QVERIFY2(page.error.isEmpty(), qPrintable(page.error));
    QCOMPARE(qRound(page.size.width()), 595);
    QCOMPARE(qRound(page.size.height()), 842);
    const QString text = page.text();
    for (const QString &t : std::as_const(texts))
        QVERIFY2(text.contains(t), qPrintable(QStringLiteral("missing \"%1\" in %2").arg(t, text)));

    // The printer gets the very page the engine lays out: same words at the same places, so no
    // printer margin shifts the sheet.
    const QString reference = m_dir.filePath(QStringLiteral("reference.pdf"));
    QVERIFY(writePdf(sheet, reference));
    const PdfPage expected = readPdfPage(reference);
    QCOMPARE(page.words.size(), expected.words.size());
    for (qsizetype i = 0; i < page.words.size(); ++i) {
        QCOMPARE(page.words[i].text, expected.words[i].text);
        QVERIFY2(qAbs(page.words[i].box.left() - expected.words[i].box.left()) < 0.5 &&
                     qAbs(page.words[i].box.top() - expected.words[i].box.top()) < 0.5,
                 qPrintable(page.words[i].text));
    }
}

void TestPrintToQueue::printingTwiceGivesIdenticalSheets()
{
    const FormTexts input = sampleInput(false, false);
    QStringList jobs;
    for (int i = 0; i < 2; ++i) {
        const QStringList before = storedJobs();
        QVERIFY(printSheet(makeDruck1(input), nullptr));
        jobs.append(waitForNewJob(before));
        QVERIFY(!jobs.last().isEmpty());
    }
    const PdfPage first = readPdfPage(jobs[0]);
    const PdfPage second = readPdfPage(jobs[1]);
    QVERIFY(!first.words.isEmpty());
    QCOMPARE(second.rows(), first.rows());
}

void TestPrintToQueue::cancellingBeforeTheHandOverPrintsNothing()
{
    const QStringList before = storedJobs();
    ProgressProbe probe;
    probe.watch(true); // "Abbrechen" as soon as the progress window shows
    vb::PrintProgressWindow window(nullptr);
    const vb::Result<PrintedJob> outcome = printSheet(makeDruck1(sampleInput(false, false)), &window);
    QVERIFY(probe.seen);
    QCOMPARE(outcome.kind(), vb::FailureKind::Cancelled);
    QTest::qWait(1500); // a job, had one been sent, would be stored within this time
    QCOMPARE(storedJobs(), before);
    bool ok = false;
    const QByteArray pending = runTool(QStringLiteral("lpstat"), {QStringLiteral("-o")}, &ok);
    QVERIFY(ok);
    QCOMPARE(pending, QByteArray());
}

void TestPrintToQueue::aQueueThatRefusesJobsIsAFailure()
{
    bool ok = false;
    runTool(QStringLiteral("cupsreject"), {QStringLiteral("vbtest")}, &ok);
    QVERIFY2(ok, "cupsreject failed");
    const QStringList before = storedJobs();
    const vb::Result<PrintedJob> outcome = printSheet(makeDruck1(sampleInput(true, false)), nullptr);
    runTool(QStringLiteral("cupsaccept"), {QStringLiteral("vbtest")}, &ok);
    QVERIFY(!outcome);
    QCOMPARE(outcome.kind(), vb::FailureKind::Refused);
    QVERIFY2(outcome.reason().german.contains(QLatin1String("vbtest")), qPrintable(outcome.reason().german));
    QVERIFY2(outcome.reason().english.contains(QLatin1String("vbtest")),
             qPrintable(outcome.reason().english));
    QTest::qWait(500);
    QCOMPARE(storedJobs(), before);
}

void TestPrintToQueue::cleanup()
{
    bool ok = false;
    runTool(QStringLiteral("cupsaccept"), {QStringLiteral("vbtest")}, &ok);
}

class TestPrintWithoutPrinter : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { skipWithoutCups(); }
    void noPrinterIsReportedAndNothingIsPrinted_data();
    void noPrinterIsReportedAndNothingIsPrinted();
};

void TestPrintWithoutPrinter::noPrinterIsReportedAndNothingIsPrinted_data()
{
    QTest::addColumn<bool>("english");
    QTest::addColumn<bool>("transom");
    QTest::newRow("a German mullion sheet without printer is NoPrinter") << false << false;
    QTest::newRow("an English transom sheet without printer is NoPrinter") << true << true;
}

void TestPrintWithoutPrinter::noPrinterIsReportedAndNothingIsPrinted()
{
    QFETCH(bool, english);
    QFETCH(bool, transom);
    QVERIFY(QPrinterInfo::defaultPrinter().isNull());
    QVERIFY(QPrinterInfo::availablePrinters().isEmpty());
    ProgressProbe probe;
    probe.watch(false);
    vb::PrintProgressWindow window(nullptr);
    const vb::Result<PrintedJob> outcome = printSheet(makeDruck1(sampleInput(english, transom)), &window);
    QCOMPARE(outcome.kind(), vb::FailureKind::NoPrinter);
    QTest::qWait(50); // let the probe look
    QVERIFY2(!probe.seen, "a progress window showed although there is no printer");
    bool ok = false;
    const QByteArray jobs = runTool(QStringLiteral("lpstat"),
                                    {QStringLiteral("-W"), QStringLiteral("all"), QStringLiteral("-o")}, &ok);
    QCOMPARE(jobs, QByteArray());
}

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    app.setAttribute(Qt::AA_Use96Dpi, true);
    if (qEnvironmentVariable("VB_CUPS_WITH_QUEUE") == QLatin1String("0")) {
        TestPrintWithoutPrinter test;
        return QTest::qExec(&test, argc, argv);
    }
    TestPrintToQueue test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_printflow.moc"
