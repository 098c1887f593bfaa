// "Drucken" on the real Programm 1 form when the printer or its scheduler is at fault. Each row
// runs on a private CUPS scheduler of its own: set up with a stopped queue, a queue that rejects
// jobs or a backend that fails (VB_CUPS_FAULT says which), or a sound one that the row stops
// between the start of the program and the press of "Drucken" (VB_CUPS_STOP holds the command).
// CTest runs every row by its name under the server made for it; a row whose server is not the
// one at hand skips, and a run in which no row found its server fails.
//
// Whatever the fault, the planner sees exactly one message, the form keeps every typed input and
// result, no sheet comes out of the printer and the press returns within a short time.

#include "guifixture.h"

#include <QtCore/QDir>
#include <QtCore/QElapsedTimer>
#include <QtCore/QFile>
#include <QtCore/QFileInfo>
#include <QtCore/QProcess>
#include <QtTest/QtTest>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QPushButton>

namespace
{

// The longest a press of "Drucken" may take on a broken printer: the flow watches a handed-over
// job for a moment, and no request to a scheduler that is gone may block the form.
constexpr qint64 pressBoundMs = 10000;

QStringList storedJobs()
{
    return QDir(qEnvironmentVariable("VB_CUPS_JOBS"))
        .entryList({QStringLiteral("job-*.pdf")}, QDir::Files, QDir::Name);
}

// Waits until the queue's backend has stored a job that was not there before.
bool newJobStored(const QStringList &before)
{
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 20000) {
        for (const QString &job : storedJobs())
            if (!before.contains(job))
                return true;
        QTest::qWait(20);
    }
    return false;
}

// Jobs the scheduler has not finished: pending, held or being processed.
int pendingJobs()
{
    QProcess lpstat;
    lpstat.start(QStringLiteral("lpstat"), {QStringLiteral("-o")});
    if (!lpstat.waitForFinished(20000) || lpstat.exitCode() != 0)
        return -1;
    return int(lpstat.readAllStandardOutput().count('\n'));
}

void click(QWidget *form, const char *button)
{
    QTest::mouseClick(form->findChild<QPushButton *>(QString::fromLatin1(button)), Qt::LeftButton);
}

void fillMullion(QWidget *form)
{
    for (const auto &[name, value] : {std::pair{"Edit1", "3"},
                                      {"Edit6", "2"},
                                      {"Edit2", "1.2"},
                                      {"Edit3", "1.25"},
                                      {"Edit4", "200"},
                                      {"Edit15", "12"},
                                      {"Edit14", "-0.8"}})
        GuiFixture::type(form, name, QString::fromLatin1(value));
}

QStringList fieldTexts(QWidget *form)
{
    QStringList texts;
    for (QLineEdit *edit : form->findChildren<QLineEdit *>())
        texts << edit->objectName() + QLatin1Char('=') + edit->text();
    return texts;
}

// Stops this test's own scheduler the way its fixture does; true when it is gone.
bool stopScheduler()
{
    QStringList command = QProcess::splitCommand(qEnvironmentVariable("VB_CUPS_STOP"));
    if (command.isEmpty())
        return false;
    QProcess stop;
    stop.start(command.takeFirst(), command);
    if (!stop.waitForFinished(20000) || stop.exitCode() != 0)
        return false;
    return !QFileInfo::exists(qEnvironmentVariable("CUPS_SERVER"));
}

} // namespace

class TestPrintFaults : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void druckenEndsInOneMessage_data();
    void druckenEndsInOneMessage();
    void cleanupTestCase();

private:
    bool m_underFixture = false;
    bool m_schedulerStopped = false;
    int m_rowsRun = 0;
};

void TestPrintFaults::initTestCase()
{
    const QString dir = qEnvironmentVariable("VB_CUPS_DIR");
    if (dir.isEmpty())
        QSKIP("runs only under a private CUPS fixture");
    if (QFile::exists(QDir(dir).filePath(QStringLiteral("unavailable"))))
        QSKIP("cupsd is not installed");
    m_underFixture = true;
}

void TestPrintFaults::druckenEndsInOneMessage_data()
{
    QTest::addColumn<QString>("fault");             // how the fixture set the queue up
    QTest::addColumn<bool>("stopServer");           // the row stops the scheduler before "Drucken"
    QTest::addColumn<bool>("printFirst");           // one good print before the scheduler goes
    QTest::addColumn<bool>("noPrinter");            // "Access Violation" rather than the general report
    QTest::addColumn<QStringList>("reportPhrases"); // what the general report says besides the name
    QTest::addColumn<int>("jobsLeft");              // jobs the scheduler still holds; -1: gone

    const QString notPrinted = QStringLiteral("nicht gedruckt");
    QTest::newRow("a stopped queue gets no job and the general error report names the printer")
        << QStringLiteral("stopped") << false << false << false
        << QStringList{QStringLiteral("ist angehalten"), QStringLiteral("nicht gesendet")} << 0;
    QTest::newRow("a queue that rejects jobs ends in the general error report naming the printer")
        << QStringLiteral("rejecting") << false << false << false
        << QStringList{QStringLiteral("nicht angenommen")} << 0;
    QTest::newRow("a backend that fails while the scheduler retries later ends in the general error report")
        << QStringLiteral("failing") << false << false << false
        << QStringList{notPrinted, QStringLiteral("zurückgehalten")} << 1;
    QTest::newRow("a backend that fails and stops the queue ends in the general error report")
        << QStringLiteral("failing-stops") << false << false << false
        << QStringList{notPrinted, QStringLiteral("Drucker wurde angehalten")} << 1;
    QTest::newRow("a backend that fails and aborts the job ends in the general error report")
        << QStringLiteral("failing-aborts") << false << false << false
        << QStringList{notPrinted, QStringLiteral("abgebrochen")} << 0;
    QTest::newRow("a scheduler gone before the first print ends in the Access Violation box")
        << QString() << true << false << true << QStringList() << -1;
    QTest::newRow("a scheduler gone after a good print ends in the Access Violation box")
        << QString() << true << true << true << QStringList() << -1;
}

void TestPrintFaults::druckenEndsInOneMessage()
{
    QFETCH(QString, fault);
    QFETCH(bool, stopServer);
    QFETCH(bool, printFirst);
    QFETCH(bool, noPrinter);
    QFETCH(QStringList, reportPhrases);
    QFETCH(int, jobsLeft);
    if (fault != qEnvironmentVariable("VB_CUPS_FAULT") ||
        (stopServer && qEnvironmentVariable("VB_CUPS_STOP").isEmpty()))
        QSKIP("needs a scheduler set up for this case");
    if (m_schedulerStopped)
        QSKIP("an earlier row stopped this scheduler");
    ++m_rowsRun;

    GuiFixture app;
    bool printedFirst = false;
    bool stopped = false;
    QStringList before;
    QStringList after;
    QString menuPositionAfter;
    qint64 pressMs = -1;
    app.withProgramOpen(1, [&](QWidget *form) {
        fillMullion(form);
        click(form, "Button1");
        GuiFixture::type(form, "Edit13", QStringLiteral("Pos. 12"));
        if (printFirst) {
            const QStringList jobs = storedJobs();
            click(form, "Button4");
            printedFirst = newJobStored(jobs) && app.messages.isEmpty();
        }
        if (stopServer) {
            stopped = stopScheduler();
            m_schedulerStopped = true;
        }
        GuiFixture::type(form, "Edit13", QStringLiteral("Pos. 13"));
        before = fieldTexts(form);
        QElapsedTimer clock;
        clock.start();
        click(form, "Button4");
        pressMs = clock.elapsed();
        after = fieldTexts(form);
        menuPositionAfter = vb::shell::menuPositionNumber();
    });
    if (printFirst)
        QVERIFY2(printedFirst, "the print before the fault did not come out");
    if (stopServer)
        QVERIFY2(stopped, "the private scheduler did not stop");

    QVERIFY2(pressMs >= 0 && pressMs < pressBoundMs,
             qPrintable(QStringLiteral("Drucken took %1 ms").arg(pressMs)));
    QCOMPARE(app.messages.size(), 1);
    const vb::Message &message = app.messages.first();
    QCOMPARE(message.icon, QMessageBox::Critical);
    if (noPrinter) {
        QCOMPARE(message.caption, QStringLiteral("Access Violation"));
        QCOMPARE(message.text,
                 QStringLiteral("Bitte installieren Sie\neinen Drucker, um den\nDruckvorgang auszuführen."));
    } else {
        QCOMPARE(message.caption, QCoreApplication::applicationName());
        QVERIFY2(message.text.contains(QLatin1String("\"vbtest\"")), qPrintable(message.text));
        for (const QString &phrase : std::as_const(reportPhrases))
            QVERIFY2(message.text.contains(phrase),
                     qPrintable(phrase + QStringLiteral(" in: ") + message.text));
    }
    QCOMPARE(after, before);
    QCOMPARE(menuPositionAfter, QStringLiteral("Pos. 13"));
    if (!printFirst)
        QCOMPARE(storedJobs(), QStringList());
    if (jobsLeft >= 0)
        QCOMPARE(pendingJobs(), jobsLeft);
    qInfo("Drucken returned after %lld ms with: %s", pressMs, qPrintable(message.text));
}

void TestPrintFaults::cleanupTestCase()
{
    if (m_underFixture && m_rowsRun == 0)
        QFAIL("no case is made for this scheduler's set-up");
}

QTEST_MAIN(TestPrintFaults)
#include "tst_printfaults.moc"
