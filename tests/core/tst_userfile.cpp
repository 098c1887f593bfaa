// The files a planner keeps: what is read and what is refused without reading, and a file written
// atomically that holds its old content or the new one whole, whatever goes wrong.

#include "core/userfile.h"

#include <QtTest/QtTest>

#include <csignal>

#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace
{

QByteArray contentOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

void put(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
}

// Every name in the folder: a failed or abandoned write leaves no new file beside the target.
QStringList namesIn(const QTemporaryDir &dir)
{
    return QDir(dir.path())
        .entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System, QDir::Name);
}

} // namespace

class TestUserFile : public QObject
{
    Q_OBJECT

private slots:
    void reading_data();
    void reading();
    void replacingKeepsModeAndLinks();
    void protectedFileIsRefused();
    void fullDiskLeavesTheOldContent();
    void abandonedWriteLeavesNothing();
};

void TestUserFile::reading_data()
{
    QTest::addColumn<QString>("what");
    QTest::addColumn<bool>("read");
    QTest::addColumn<bool>("tooLarge");
    QTest::newRow("a regular file is read whole") << "file" << true << false;
    QTest::newRow("a link to a regular file is followed") << "link" << true << false;
    QTest::newRow("a file one byte over the limit is refused") << "large" << false << true;
    QTest::newRow("a named pipe is refused at once, without waiting for a writer")
        << "pipe" << false << false;
    QTest::newRow("a link to /dev/zero is refused instead of read for ever") << "zero" << false << false;
    QTest::newRow("a folder is refused") << "folder" << false << false;
    QTest::newRow("a missing file names the system's reason") << "missing" << false << false;
}

void TestUserFile::reading()
{
    QFETCH(QString, what);
    QFETCH(bool, read);
    QFETCH(bool, tooLarge);
    const QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("katalog.csv"));
    const QByteArray content(100, 'x');
    if (what == QLatin1String("file") || what == QLatin1String("link")) {
        put(dir.filePath(QStringLiteral("real.csv")), content);
        if (what == QLatin1String("file"))
            QVERIFY(QFile::rename(dir.filePath(QStringLiteral("real.csv")), path));
        else
            QVERIFY(QFile::link(dir.filePath(QStringLiteral("real.csv")), path));
    } else if (what == QLatin1String("large")) {
        put(path, content + 'x');
    } else if (what == QLatin1String("pipe")) {
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    } else if (what == QLatin1String("zero")) {
        QVERIFY(QFile::link(QStringLiteral("/dev/zero"), path));
    } else if (what == QLatin1String("folder")) {
        QVERIFY(QDir().mkpath(path));
    }
    const vb::Result<QByteArray> file = vb::readRegularFile(path, content.size());
    QCOMPARE(file.ok(), read);
    QCOMPARE(file.kind() == vb::FailureKind::TooLarge, tooLarge);
    if (read) {
        QCOMPARE(*file, content);
    } else {
        QVERIFY(!file.reason().german.isEmpty() && !file.reason().english.isEmpty());
        QVERIFY(file.reason().german != file.reason().english);
    }
}

void TestUserFile::replacingKeepsModeAndLinks()
{
    const QTemporaryDir dir;
    const QString real = dir.filePath(QStringLiteral("Nord.vorbemessung"));
    const QString link = dir.filePath(QStringLiteral("Verknüpfung.vorbemessung"));
    put(real, "alt");
    QCOMPARE(::chmod(QFile::encodeName(real).constData(), 0640), 0);
    QVERIFY(QFile::link(real, link));
    QVERIFY(vb::writeFileAtomically(link, "neu"));
    // The link stays a link, the file it names holds the new content with its own permissions.
    QVERIFY(QFileInfo(link).isSymLink());
    QCOMPARE(contentOf(real), QByteArray("neu"));
    struct stat st {
    };
    QCOMPARE(::stat(QFile::encodeName(real).constData(), &st), 0);
    QCOMPARE(st.st_mode & 07777, mode_t(0640));
    QCOMPARE(namesIn(dir), QStringList({"Nord.vorbemessung", "Verknüpfung.vorbemessung"}));
}

void TestUserFile::protectedFileIsRefused()
{
    // An archived calculation whose write permissions were taken away, also for an administrator.
    const QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Archiv.pdf"));
    put(path, "freigegeben");
    QCOMPARE(::chmod(QFile::encodeName(path).constData(), 0444), 0);
    const vb::Result<> written = vb::writeFileAtomically(path, "neu");
    QVERIFY(!written);
    QVERIFY2(written.reason().german.endsWith(QStringLiteral("Die Datei ist schreibgeschützt.")),
             qPrintable(written.reason().german));
    QCOMPARE(contentOf(path), QByteArray("freigegeben"));
    QCOMPARE(namesIn(dir), QStringList{"Archiv.pdf"});
}

void TestUserFile::fullDiskLeavesTheOldContent()
{
    // The file size limit makes the disk refuse the new content part way, as a full disk does.
    const QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Nord.vorbemessung"));
    put(path, "alt");
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit old{};
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &old), 0);
    const rlimit limited{4096, old.rlim_max};
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &limited), 0);
    const vb::Result<> written = vb::writeFileAtomically(path, QByteArray(10000, 'n'));
    setrlimit(RLIMIT_FSIZE, &old);
    QVERIFY(!written);
    const QString where = QDir::toNativeSeparators(path) + QStringLiteral(": ");
    QCOMPARE(written.reason().german, where + QStringLiteral("Die Datei ist zu groß für den Datenträger."));
    QCOMPARE(written.reason().english, where + QStringLiteral("The file is too large for the disk."));
    QCOMPARE(contentOf(path), QByteArray("alt"));
    QCOMPARE(namesIn(dir), QStringList{"Nord.vorbemessung"});
}

void TestUserFile::abandonedWriteLeavesNothing()
{
    const QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Nord.vorbemessung"));
    put(path, "alt");
    {
        vb::AtomicFile file(path);
        QVERIFY(file.open() && file.write("neu") && file.finish());
        QCOMPARE(namesIn(dir).size(), 2); // the new content waits beside the old
    }
    QCOMPARE(contentOf(path), QByteArray("alt"));
    QCOMPARE(namesIn(dir), QStringList{"Nord.vorbemessung"});
}

QTEST_APPLESS_MAIN(TestUserFile)
#include "tst_userfile.moc"
