// The real program, started as a planner starts it: it must come up, take its language from the
// language file in the home directory, and keep running until it is closed.

#include "languagerecords.h"

#include <QtCore/QElapsedTimer>
#include <QtCore/QFile>
#include <QtCore/QProcess>
#include <QtCore/QTemporaryDir>
#include <QtTest/QTest>

class TestStartup : public QObject
{
    Q_OBJECT

private slots:
    void startsAndKeepsRunning_data();
    void startsAndKeepsRunning();
};

void TestStartup::startsAndKeepsRunning_data()
{
    QTest::addColumn<QByteArray>("before"); // the language file before the start; empty: none
    QTest::addColumn<QByteArray>("after");
    QTest::newRow("in a fresh home the program starts in German and writes the language file")
        << QByteArray() << languageFileBytes(1, "0");
    QTest::newRow("in a home set to English the program starts and leaves the file as it is")
        << languageFileBytes(1, "1") << languageFileBytes(1, "1");
    QTest::newRow("an unreadable language file is written anew with German")
        << languageFileBytes(0, "", 5) << languageFileBytes(1, "0");
}

void TestStartup::startsAndKeepsRunning()
{
    QFETCH(QByteArray, before);
    QFETCH(QByteArray, after);
    QTemporaryDir home;
    QVERIFY(home.isValid());
    const QString path = home.filePath(QStringLiteral(".msdos2.ini"));
    if (!before.isEmpty()) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(before);
    }
    const auto onDisk = [&path] {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    };

    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("HOME"), home.path());
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(VB_PROGRAM), {});
    QVERIFY2(program.waitForStarted(10000), qPrintable(program.errorString()));

    // The language step runs before the menu is shown; give the menu time to come up after it.
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 1500 || (onDisk() != after && clock.elapsed() < 20000)) {
        // Waiting for the end also lets QProcess notice one.
        QVERIFY2(!program.waitForFinished(20),
                 qPrintable(QStringLiteral("the program ended at start-up:\n") +
                            QString::fromLocal8Bit(program.readAllStandardError())));
    }
    QCOMPARE(onDisk(), after);
    QVERIFY(!program.waitForFinished(20));

    program.terminate();
    if (!program.waitForFinished(10000)) {
        program.kill();
        program.waitForFinished(10000);
    }
    const QString errors = QString::fromLocal8Bit(program.readAllStandardError());
    QVERIFY2(!errors.contains(QLatin1String("Sanitizer")) && !errors.contains(QLatin1String("runtime error")),
             qPrintable(errors));
}

QTEST_GUILESS_MAIN(TestStartup)
#include "tst_startup.moc"
