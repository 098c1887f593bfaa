#include "core/langflag.h"
#include "languagerecords.h"

#include <QtCore/QFile>
#include <QtCore/QTemporaryDir>
#include <QtTest/QtTest>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

class TestLanguageFile : public QObject
{
    Q_OBJECT

private slots:
    void parse_data();
    void parse();
    void directoryThatTakesNoNewFile_data();
    void directoryThatTakesNoNewFile();
};

void TestLanguageFile::parse_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("expected"); // -1 unreadable, 0 German, 1 English

    QTest::newRow("0 is German") << languageFileBytes(1, "0") << 0;
    QTest::newRow("1 is English") << languageFileBytes(1, "1") << 1;
    QTest::newRow("any other first character is English") << languageFileBytes(1, "x") << 1;
    QTest::newRow("only the first character counts") << languageFileBytes(3, "0ab") << 0;
    QTest::newRow("a longer file reads its first record") << languageFileBytes(1, "0", 100) << 0;
    QTest::newRow("a file shorter than one record is unreadable") << languageFileBytes(1, "1", 61) << -1;
    QTest::newRow("the empty file is unreadable") << QByteArray() << -1;
    QTest::newRow("an empty text is unreadable") << languageFileBytes(0, "1") << -1;
    QTest::newRow("a length over 61 is unreadable") << languageFileBytes(200, "1") << -1;
    QTest::newRow("the longest text reads") << languageFileBytes(61, "1") << 1;
}

void TestLanguageFile::parse()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, expected);
    const std::optional<bool> read = vb::parseLanguageRecord(bytes);
    QCOMPARE(read.has_value() ? (*read ? 1 : 0) : -1, expected);
}

void TestLanguageFile::directoryThatTakesNoNewFile_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<bool>("english");
    QTest::newRow("a short file is written in place with German") << QByteArray("\1") << false;
    QTest::newRow("a German record is switched to English in place") << vb::languageRecord(false) << true;
}

// A folder where the user may not make a new file, holding a flag file the user may write
// (a shared folder, a read-only home): the record is written into the file itself. Run as a
// normal user; as root the check runs in a child that drops to the user "nobody".
void TestLanguageFile::directoryThatTakesNoNewFile()
{
    QFETCH(QByteArray, before);
    QFETCH(bool, english);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("msdos2.ini"));
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(before);
    }
    QVERIFY(::chmod(QFile::encodeName(path).constData(), 0666) == 0);
    QVERIFY(::chmod(QFile::encodeName(dir.path()).constData(), 0555) == 0);
    const auto restore = qScopeGuard([&] { ::chmod(QFile::encodeName(dir.path()).constData(), 0700); });

    const auto writeIt = [&] { return vb::LanguageFile(path).write(english); };
    if (::geteuid() != 0) {
        QVERIFY(writeIt());
    } else {
        // The temporary folder's parents must let "nobody" through.
        if (::access(QFile::encodeName(dir.path()).constData(), X_OK) != 0)
            QSKIP("the temporary folder cannot be reached by an unprivileged user");
        const pid_t child = ::fork();
        QVERIFY(child >= 0);
        if (child == 0) {
            if (::setgid(65534) != 0 || ::setuid(65534) != 0)
                ::_exit(3);
            // Unprivileged now: no new file can be made in the folder.
            QFile probe(dir.filePath(QStringLiteral("probe")));
            if (probe.open(QIODevice::WriteOnly))
                ::_exit(4);
            ::_exit(writeIt() ? 0 : 1);
        }
        int status = 0;
        QVERIFY(::waitpid(child, &status, 0) == child);
        QVERIFY(WIFEXITED(status));
        if (WEXITSTATUS(status) == 3 || WEXITSTATUS(status) == 4)
            QSKIP("cannot drop privileges to a user the folder refuses");
        QCOMPARE(WEXITSTATUS(status), 0);
    }
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), vb::languageRecord(english));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
             QStringList{QStringLiteral("msdos2.ini")});
}

QTEST_APPLESS_MAIN(TestLanguageFile)
#include "tst_languagefile.moc"
