#include "guifixture.h"

#include "app/mainmenu.h"
#include "languagerecords.h"

#include "core/langflag.h"
#include "forms/erro1024.h"
#include "forms/pgm71024.h"

#include <QtCore/QDir>
#include <QtCore/QFile>
#include <QtCore/QRandomGenerator>

#include <QtTest/QtTest>
#include <QtWidgets/QAbstractButton>
#include <QtWidgets/QLabel>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QRadioButton>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <thread>

#include <sys/stat.h>
#include <unistd.h>

namespace
{
QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

// Ends the whole test run when a start-up blocks longer than its bound: a hung read of the
// flag file must fail the test, not stall the suite.
class HardBound
{
public:
    explicit HardBound(std::chrono::seconds bound)
        : m_thread([this, bound] {
              const auto end = std::chrono::steady_clock::now() + bound;
              while (!m_done && std::chrono::steady_clock::now() < end)
                  std::this_thread::sleep_for(std::chrono::milliseconds(20));
              if (!m_done) {
                  std::fputs("FAIL: start-up blocked on the flag file\n", stderr);
                  std::_Exit(1);
              }
          })
    {
    }
    ~HardBound()
    {
        m_done = true;
        m_thread.join();
    }

private:
    std::atomic<bool> m_done{false};
    std::thread m_thread;
};

} // namespace

class TestLanguage : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { resetShellState(); }
    void startUp_data();
    void startUp();
    void missingDirectoryEndsTheRun();
    void hostileFiles_data();
    void hostileFiles();
    void nonRegularFilesCountAsUnreadable_data();
    void nonRegularFilesCountAsUnreadable();
    void directoryInThePlaceOfTheFile();
    void fileWithoutReadPermission();
    void symlinkIsReplacedNotWrittenThrough();
    void twoTogglesReturnToTheFirstLanguage();
    void unwritableFileOnToggle();
    void menuTexts_data();
    void menuTexts();
    void programmOneFollowsTheLanguage();
    void transomOptionCaption();
    void errorWindowSpeaksTheLanguage();
    void informationPage_data();
    void informationPage();
};

void TestLanguage::startUp_data()
{
    QTest::addColumn<bool>("present");
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<bool>("english");
    QTest::newRow("a missing file is created with German") << false << QByteArray() << false;
    QTest::newRow("a stored 1 starts in English") << true << languageFileBytes(1, "1") << true;
    QTest::newRow("a stored 0 starts in German") << true << languageFileBytes(1, "0") << false;
    QTest::newRow("any other first character starts in English") << true << languageFileBytes(1, "x") << true;
    QTest::newRow("an empty file starts in German") << true << QByteArray() << false;
    QTest::newRow("a file one byte short of a record starts in German")
        << true << languageFileBytes(1, "1", 61) << false;
    QTest::newRow("a file one byte over a record reads its first record")
        << true << languageFileBytes(1, "1", 63) << true;
    QTest::newRow("an empty text starts in German") << true << languageFileBytes(0, "1") << false;
    QTest::newRow("a length byte of 200 starts in German") << true << languageFileBytes(200, "1") << false;
}

void TestLanguage::startUp()
{
    QFETCH(bool, present);
    QFETCH(QByteArray, before);
    QFETCH(bool, english);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral(".msdos2.ini"));
    if (present) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(before);
    }
    vb::shell::setMessageHook([](const vb::Message &m) { QFAIL(qPrintable(m.text)); });
    {
        bool started = false;
        const auto menu = vb::makeMainMenu(path, &started);
        QVERIFY(started);
        QCOMPARE(vb::shell::english(), english);
        QCOMPARE(GuiFixture::textOf(menu.get(), "Button8"),
                 english ? QStringLiteral("German") : QStringLiteral("English"));
        QCOMPARE(GuiFixture::textOf(menu.get(), "Label7"),
                 english ? QStringLiteral("Mainmenu") : QStringLiteral("Hauptmenü"));
        // The stored language is written again as a fresh one-character record.
        QCOMPARE(fileBytes(path), vb::languageRecord(english));
    }
}

void TestLanguage::missingDirectoryEndsTheRun()
{
    QTemporaryDir dir;
    const QString missing = dir.filePath(QStringLiteral("gone"));
    QList<vb::Message> messages;
    vb::shell::setMessageHook([&](const vb::Message &m) { messages << m; });
    {
        bool started = false;
        const auto menu = vb::makeMainMenu(missing + QStringLiteral("/.msdos2.ini"), &started);
        QVERIFY(!started);
        QVERIFY(!menu->isVisible());
    }
    QCOMPARE(messages.size(), 1);
    QCOMPARE(messages[0].caption, QStringLiteral("Error"));
    QCOMPARE(messages[0].text,
             QStringLiteral("Bitte legen sie das Verzeichnis %1 an.").arg(QDir::toNativeSeparators(missing)));
    QVERIFY(!QFileInfo::exists(missing));
}

void TestLanguage::hostileFiles_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<bool>("english");
    QTest::newRow("0 bytes") << QByteArray() << false;
    QTest::newRow("1 byte") << QByteArray(1, '\1') << false;
    QTest::newRow("61 bytes") << languageFileBytes(1, "1", 61) << false;
    QTest::newRow("62 bytes") << languageFileBytes(1, "1", 62) << true;
    QTest::newRow("63 bytes") << languageFileBytes(1, "1", 63) << true;
    QTest::newRow("100 000 bytes behind an English record") << languageFileBytes(1, "1", 100000) << true;
    QTest::newRow("100 000 bytes behind a German record") << languageFileBytes(1, "0", 100000) << false;
    QRandomGenerator rng(62);
    for (int i = 0; i < 8; ++i) {
        QByteArray bytes(static_cast<int>(rng.bounded(200)), '\0');
        for (char &c : bytes)
            c = static_cast<char>(rng.bounded(256));
        const std::optional<bool> stored = vb::parseLanguageRecord(bytes);
        QTest::newRow(qPrintable(QStringLiteral("random bytes %1").arg(i)))
            << bytes << stored.value_or(false);
    }
}

void TestLanguage::hostileFiles()
{
    QFETCH(QByteArray, before);
    QFETCH(bool, english);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral(".msdos2.ini"));
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(before);
    }
    QList<vb::Message> messages;
    vb::shell::setMessageHook([&](const vb::Message &m) { messages << m; });
    {
        bool started = false;
        const auto menu = vb::makeMainMenu(path, &started);
        QVERIFY(started);
        QCOMPARE(vb::shell::english(), english);
    }
    QVERIFY(messages.isEmpty());
    // Whatever was there, the file now holds exactly one record of the language in use.
    QCOMPARE(fileBytes(path), vb::languageRecord(english));
}

void TestLanguage::nonRegularFilesCountAsUnreadable_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("a named pipe in the file's place starts German without blocking") << "fifo";
    QTest::newRow("a link to a character device starts German") << "/dev/zero";
    QTest::newRow("a link to a terminal device starts German without blocking") << "/dev/tty";
}

void TestLanguage::nonRegularFilesCountAsUnreadable()
{
    QFETCH(QString, kind);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral(".msdos2.ini"));
    if (kind == QLatin1String("fifo"))
        QVERIFY(::mkfifo(QFile::encodeName(path).constData(), 0600) == 0);
    else if (!QFileInfo::exists(kind))
        QSKIP("the device is missing on this machine");
    else
        QVERIFY(QFile::link(kind, path));
    QList<vb::Message> messages;
    vb::shell::setMessageHook([&](const vb::Message &m) { messages << m; });
    {
        const HardBound bound(std::chrono::seconds(10));
        bool started = false;
        const auto menu = vb::makeMainMenu(path, &started);
        QVERIFY(started);
        QVERIFY(!vb::shell::english());
    }
    QVERIFY(messages.isEmpty());
    // The pipe or link is replaced by a regular file holding the German record.
    const QFileInfo info(path);
    QVERIFY(!info.isSymLink());
    QVERIFY(info.isFile());
    QCOMPARE(fileBytes(path), vb::languageRecord(false));
}

void TestLanguage::directoryInThePlaceOfTheFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral(".msdos2.ini"));
    QVERIFY(QDir().mkdir(path));
    QVERIFY(QFile::copy(QStringLiteral(":/logo.svg"), path + QStringLiteral("/keep")));
    QList<vb::Message> messages;
    vb::shell::setMessageHook([&](const vb::Message &m) { messages << m; });
    {
        bool started = false;
        const auto menu = vb::makeMainMenu(path, &started);
        QVERIFY(!started);
    }
    QCOMPARE(messages.size(), 1);
    QCOMPARE(messages[0].caption, QStringLiteral("Error"));
    // Nothing of the directory is touched.
    QVERIFY(QFileInfo(path).isDir());
    QVERIFY(QFile::exists(path + QStringLiteral("/keep")));
}

void TestLanguage::fileWithoutReadPermission()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral(".msdos2.ini"));
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(vb::languageRecord(true));
    }
    QVERIFY(QFile::setPermissions(path, QFileDevice::WriteOwner));
    // The superuser reads it all the same; anyone else cannot, and starts in German with
    // the file written anew.
    const bool superuser = ::geteuid() == 0;
    vb::shell::setMessageHook([](const vb::Message &m) { QFAIL(qPrintable(m.text)); });
    {
        bool started = false;
        const auto menu = vb::makeMainMenu(path, &started);
        QVERIFY(started);
        QCOMPARE(vb::shell::english(), superuser);
    }
    QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    QCOMPARE(fileBytes(path), vb::languageRecord(superuser));
}

void TestLanguage::symlinkIsReplacedNotWrittenThrough()
{
    QTemporaryDir dir;
    QTemporaryDir elsewhere;
    const QString target = elsewhere.filePath(QStringLiteral("precious.txt"));
    const QByteArray precious = QByteArray("the user's own file, not a language record\n").repeated(3);
    {
        QFile file(target);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(precious);
    }
    const QString path = dir.filePath(QStringLiteral(".msdos2.ini"));
    QVERIFY(QFile::link(target, path));
    vb::shell::setMessageHook([](const vb::Message &m) { QFAIL(qPrintable(m.text)); });
    {
        bool started = false;
        const auto menu = vb::makeMainMenu(path, &started);
        QVERIFY(started);
        // The link's target holds no record: German, and the link itself is replaced.
        QVERIFY(!vb::shell::english());
        GuiFixture::press(menu.get(), "Button8");
    }
    QCOMPARE(fileBytes(target), precious);
    QVERIFY(!QFileInfo(path).isSymLink());
    QCOMPARE(fileBytes(path), vb::languageRecord(true));
}

void TestLanguage::twoTogglesReturnToTheFirstLanguage()
{
    GuiFixture app;
    QVERIFY(!vb::shell::english());
    auto *button = app.menu()->findChild<QPushButton *>(QStringLiteral("Button8"));
    QTest::mouseClick(button, Qt::LeftButton);
    QVERIFY(vb::shell::english());
    QCOMPARE(fileBytes(app.languageFilePath()), vb::languageRecord(true));
    QTest::mouseClick(button, Qt::LeftButton);
    QVERIFY(!vb::shell::english());
    QCOMPARE(button->text(), QStringLiteral("English"));
    QCOMPARE(fileBytes(app.languageFilePath()), vb::languageRecord(false));
}

void TestLanguage::unwritableFileOnToggle()
{
    GuiFixture app;
    // A directory in the file's place cannot be replaced by a file, not even by root.
    QVERIFY(QFile::remove(app.languageFilePath()));
    QVERIFY(QDir().mkdir(app.languageFilePath()));
    GuiFixture::press(app.menu(), "Button8");
    QCOMPARE(app.messages.size(), 1);
    QCOMPARE(app.messages[0].icon, QMessageBox::Critical);
    QVERIFY(!app.messages[0].text.isEmpty());
    // The run goes on in the new language.
    QVERIFY(vb::shell::english());
    QCOMPARE(GuiFixture::textOf(app.menu(), "Button2"), QStringLiteral("Exit"));
    QVERIFY(QFileInfo(app.languageFilePath()).isDir());
}

void TestLanguage::menuTexts_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("english");
    QTest::newRow("heading") << "Label1"
                             << "Static predimensioning in metal construction";
    QTest::newRow("project") << "Label2"
                             << "Project:";
    QTest::newRow("position") << "Label3"
                              << "Pos.-/Contractnumber :";
    QTest::newRow("company") << "Label4"
                             << "Company :";
    QTest::newRow("date") << "Label5"
                          << "Date :";
    QTest::newRow("time") << "Label6"
                          << "Time :";
    QTest::newRow("creator") << "Label12"
                             << "Calculated by :";
    QTest::newRow("program 1") << "Button1"
                               << "Facade section: mullion / transom (wind pressure /-suction)";
    QTest::newRow("program 2") << "Button3"
                               << "Facade section: mullion with horizontal imposed load (linear load)";
    QTest::newRow("program 3") << "Button4"
                               << "Overhead construction / roof construction (permanent load, wind, snow)";
    QTest::newRow("program 4") << "Button5"
                               << "Facade section: mullion as two-span beam (wind pressure /-suction)";
    QTest::newRow("program 5")
        << "Button6"
        << "Overhead construction / roof construction, mullion as two-span beam (permanent load, wind, snow)";
    QTest::newRow("program 6") << "Button7"
                               << "Dimensioning of transom (load of transom and filling)";
    QTest::newRow("exit") << "Button2"
                          << "Exit";
    QTest::newRow("the version note stays") << "Label13"
                                            << "Version 2.1";
}

void TestLanguage::menuTexts()
{
    QFETCH(QString, control);
    QFETCH(QString, english);
    GuiFixture app(vb::languageRecord(true));
    QCOMPARE(GuiFixture::textOf(app.menu(), control.toLatin1().constData()), english);
    QCOMPARE(app.menu()->windowTitle(), QStringLiteral("Lastkon"));
}

void TestLanguage::programmOneFollowsTheLanguage()
{
    GuiFixture app(vb::languageRecord(true));
    app.withProgramOpen(1, [](QWidget *form) {
        QCOMPARE(GuiFixture::textOf(form, "Label2"), QStringLiteral("length LP [m]"));
        QCOMPARE(GuiFixture::textOf(form, "Label8"), QStringLiteral("wind load p [kN/m²]"));
        QCOMPARE(GuiFixture::textOf(form, "Label15"), QStringLiteral("Pos-/Contract number :"));
        QCOMPARE(GuiFixture::textOf(form, "Button1"), QStringLiteral("Calculate"));
        QCOMPARE(GuiFixture::textOf(form, "Button3"), QStringLiteral("Reset input"));
        QVERIFY(!form->findChild<QWidget *>(QStringLiteral("Image3"))->isHidden());
        QVERIFY(form->findChild<QWidget *>(QStringLiteral("Image2"))->isHidden());
    });
    GuiFixture::press(app.menu(), "Button8");
    app.withProgramOpen(1, [](QWidget *form) {
        QCOMPARE(GuiFixture::textOf(form, "Label2"), QStringLiteral("Länge Pfosten LP [m]"));
        QCOMPARE(GuiFixture::textOf(form, "Button2"), QStringLiteral("Zurück"));
        QVERIFY(!form->findChild<QWidget *>(QStringLiteral("Image2"))->isHidden());
    });
}

void TestLanguage::transomOptionCaption()
{
    GuiFixture app(vb::languageRecord(true));
    app.withProgramOpen(1, [](QWidget *form) {
        form->findChild<QRadioButton *>(QStringLiteral("RadioButton2"))->click();
        // The option handler writes its own spelling of the caption.
        QCOMPARE(GuiFixture::textOf(form, "Label7"), QStringLiteral("heigth H2 [m]"));
        QVERIFY(!form->findChild<QWidget *>(QStringLiteral("Image5"))->isHidden());
        QVERIFY(form->findChild<QWidget *>(QStringLiteral("Image4"))->isHidden());
    });
    app.withProgramOpen(1, [](QWidget *form) {
        QCOMPARE(GuiFixture::textOf(form, "Label7"), QStringLiteral("height H2 [m]"));
        form->findChild<QRadioButton *>(QStringLiteral("RadioButton1"))->click();
    });
}

void TestLanguage::errorWindowSpeaksTheLanguage()
{
    GuiFixture app(vb::languageRecord(true));
    vb::TForm31 *error = vb::shell::forms().error;
    QString line;
    app.withProgramOpen(1, [&](QWidget *form) {
        for (const auto &[name, value] :
             {std::pair{"Edit1", "2"}, {"Edit6", "3"}, {"Edit2", "1"}, {"Edit4", "200"}, {"Edit14", "1"}})
            GuiFixture::type(form, name, QString::fromLatin1(value));
        whenShown(error, [&] {
            line = error->lineText(3);
            error->accept();
        });
        QTest::mouseClick(form->findChild<QPushButton *>(QStringLiteral("Button1")), Qt::LeftButton);
    });
    QCOMPARE(line, QStringLiteral("LS has to be smaller than LP !"));
    QCOMPARE(error->windowTitle(), QStringLiteral("Fehler"));
}

void TestLanguage::informationPage_data()
{
    QTest::addColumn<bool>("english");
    QTest::addColumn<int>("page");
    QTest::newRow("German wind page puts DIN first") << false << 6;
    QTest::newRow("English wind page puts BS first") << true << 3;
}

void TestLanguage::informationPage()
{
    QFETCH(bool, english);
    QFETCH(int, page);
    GuiFixture app(vb::languageRecord(english));
    vb::TForm29 *info = vb::shell::forms().info;
    int shownPage = 0;
    QPoint infoPlace;
    QPoint formPlace;
    app.withProgramOpen(1, [&](QWidget *form) {
        formPlace = form->pos();
        whenShown(info, [&] {
            shownPage = info->visiblePage();
            infoPlace = info->pos();
            QTest::keyClick(info, Qt::Key_Escape);
        });
        QTest::mouseClick(form->findChild<QAbstractButton *>(QStringLiteral("SpeedButton1")), Qt::LeftButton);
        QVERIFY(!info->isVisible());
    });
    QCOMPARE(shownPage, page);
    QCOMPARE(infoPlace, formPlace);
}

QTEST_MAIN(TestLanguage)
#include "tst_language.moc"
