// The planner's letterhead through the menu's "Briefkopf…": stored with OK and shown again by a new
// dialog, kept by "Abbrechen", taken back to the program's own by "Standard"; a logo that does not
// load refused; the logo copied beside the settings, so that it outlives the planner's file; a copy
// that cannot be written keeps the letterhead before; the settings read defensively; the button's
// place in the menu.
#include "guifixture.h"

#include "core/userfile.h"
#include "forms/letterhead.h"
#include "forms/tformbriefkopf.h"

#include <QtCore/QDir>
#include <QtCore/QFile>
#include <QtCore/QSettings>
#include <QtCore/QTemporaryDir>
#include <QtCore/QTimer>
#include <QtGui/QImage>
#include <QtTest/QtTest>
#include <QtWidgets/QLabel>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QPushButton>

#include <functional>

namespace
{

const QByteArray kSvg = "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"120\" height=\"30\">"
                        "<rect width=\"120\" height=\"30\" fill=\"#036\"/></svg>";

QByteArray pngBytes()
{
    QImage image(60, 20, QImage::Format_RGB32);
    image.fill(Qt::red);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

QString writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
    return path;
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString settingsFolder()
{
    return QFileInfo(vb::userSettingsPath()).absolutePath();
}

QStringList logoCopies()
{
    return QDir(settingsFolder()).entryList({QStringLiteral("briefkopf-logo*")}, QDir::AllEntries);
}

QLineEdit *lineField(QWidget *dialog)
{
    return dialog->findChild<QLineEdit *>(QStringLiteral("EditFirmenzeile"));
}

QString logoLabel(QWidget *dialog)
{
    return dialog->findChild<QLabel *>(QStringLiteral("LabelLogoDatei"))->text();
}

} // namespace

class TestLetterhead : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void nothingStoredIsTheProgramsOwn();
    void storedLetterheadComesBackInANewDialog_data();
    void storedLetterheadComesBackInANewDialog();
    void cancelKeepsTheStoredLetterhead();
    void standardGoesBackToTheProgramsOwn();
    void logoThatDoesNotLoadIsRefused_data();
    void logoThatDoesNotLoadIsRefused();
    void copyOutlivesThePlannersFile();
    void newLogoReplacesTheOldCopy();
    void copyThatCannotBeWrittenKeepsTheLetterheadBefore();
    void settingsAreReadDefensively_data();
    void settingsAreReadDefensively();
    void menuButtonFitsAndOpensTheDialog_data();
    void menuButtonFitsAndOpensTheDialog();

private:
    // Opens the dialog by the menu's button and runs `inside` while it is shown; a dialog still
    // open afterwards is cancelled. False when the dialog did not show.
    bool withDialog(const std::function<void(vb::TFormBriefkopf *)> &inside);
    // Stores a letterhead through the dialog: the line typed, the logo chosen, OK.
    void storeThroughTheDialog(const QString &line, const QString &logo);
    QString planners(const QString &name) const { return m_files->filePath(name); }

    std::unique_ptr<QTemporaryDir> m_config;
    std::unique_ptr<QTemporaryDir> m_files; // the planner's own files
    std::unique_ptr<GuiFixture> m_app;
};

void TestLetterhead::init()
{
    m_config = std::make_unique<QTemporaryDir>();
    m_files = std::make_unique<QTemporaryDir>();
    qputenv("XDG_CONFIG_HOME", m_config->path().toUtf8());
    m_app = std::make_unique<GuiFixture>();
}

void TestLetterhead::cleanup()
{
    m_app.reset();
    m_files.reset();
    m_config.reset();
}

bool TestLetterhead::withDialog(const std::function<void(vb::TFormBriefkopf *)> &inside)
{
    QWidget *menu = m_app->menu();
    bool shown = false;
    auto *poll = new QTimer(menu);
    connect(poll, &QTimer::timeout, menu, [&, poll] {
        auto *dialog = menu->findChild<vb::TFormBriefkopf *>();
        if (!dialog || !dialog->isVisible())
            return;
        poll->stop();
        poll->deleteLater();
        shown = true;
        inside(dialog);
        if (dialog->isVisible())
            dialog->reject();
    });
    poll->start(5);
    QTimer::singleShot(10000, poll, [poll] { poll->deleteLater(); });
    GuiFixture::press(menu, "ButtonBriefkopf");
    return shown;
}

void TestLetterhead::storeThroughTheDialog(const QString &line, const QString &logo)
{
    vb::shell::setOpenDialogHook([logo](const QString &) { return logo; });
    QVERIFY(withDialog([&](vb::TFormBriefkopf *dialog) {
        // Set, not typed: the test's key clicks know no umlauts.
        lineField(dialog)->setText(line);
        if (!logo.isEmpty())
            GuiFixture::press(dialog, "ButtonLogo");
        GuiFixture::press(dialog, "ButtonOK");
        QVERIFY(!dialog->isVisible());
    }));
}

void TestLetterhead::nothingStoredIsTheProgramsOwn()
{
    QCOMPARE(vb::currentLetterhead(), report::Letterhead{});
    QVERIFY(withDialog([](vb::TFormBriefkopf *dialog) {
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Briefkopf"));
        QCOMPARE(lineField(dialog)->text(), QString());
        QCOMPARE(logoLabel(dialog), QStringLiteral("Logo des Programms"));
        // OK on the letterhead as shown stores nothing of the planner's.
        GuiFixture::press(dialog, "ButtonOK");
    }));
    QCOMPARE(vb::currentLetterhead(), report::Letterhead{});
    QVERIFY(logoCopies().isEmpty());
}

void TestLetterhead::storedLetterheadComesBackInANewDialog_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("copy"); // the copy's name in the settings folder
    QTest::newRow("an SVG logo keeps its kind") << "Planungsbüro Süd · Hauptstraße 5"
                                                << "Büro Süd.svg" << kSvg << "briefkopf-logo.svg";
    QTest::newRow("a PNG logo keeps its kind") << "Nord GmbH"
                                               << "nord.png" << pngBytes() << "briefkopf-logo.png";
    QTest::newRow("an SVG with a capital suffix") << "Ost"
                                                  << "OST.SVG" << kSvg << "briefkopf-logo.svg";
    QTest::newRow("a line without a logo") << "Nur die Zeile" << QString() << QByteArray() << QString();
}

void TestLetterhead::storedLetterheadComesBackInANewDialog()
{
    QFETCH(QString, line);
    QFETCH(QString, file);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, copy);
    const QString original = file.isEmpty() ? QString() : writeFile(planners(file), bytes);
    storeThroughTheDialog(line, original);
    QVERIFY(m_app->messages.isEmpty());

    const report::Letterhead stored = vb::currentLetterhead();
    QCOMPARE(stored.companyLine, line);
    if (copy.isEmpty()) {
        QCOMPARE(stored.logoFile, QString());
    } else {
        QCOMPARE(stored.logoFile, QDir(settingsFolder()).filePath(copy));
        QCOMPARE(readFile(stored.logoFile), bytes);
    }
    QCOMPARE(logoCopies(), copy.isEmpty() ? QStringList() : QStringList{copy});

    // A new dialog, in English this time, shows what was stored, the logo by the planner's name.
    GuiFixture::press(m_app->menu(), "Button8");
    QVERIFY(withDialog([&](vb::TFormBriefkopf *dialog) {
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Letterhead"));
        QCOMPARE(lineField(dialog)->text(), line);
        QCOMPARE(logoLabel(dialog), file.isEmpty() ? QStringLiteral("The program's logo") : file);
        // OK again keeps the same copy.
        GuiFixture::press(dialog, "ButtonOK");
    }));
    QCOMPARE(vb::currentLetterhead(), stored);
}

void TestLetterhead::cancelKeepsTheStoredLetterhead()
{
    storeThroughTheDialog(QStringLiteral("Erste GmbH"), writeFile(planners("erste.svg"), kSvg));
    const report::Letterhead before = vb::currentLetterhead();
    const QByteArray settings = readFile(vb::userSettingsPath());
    vb::shell::setOpenDialogHook(
        [&](const QString &) { return writeFile(planners("zweite.png"), pngBytes()); });
    QVERIFY(withDialog([](vb::TFormBriefkopf *dialog) {
        QTest::keyClicks(lineField(dialog), QStringLiteral(" und Partner"));
        GuiFixture::press(dialog, "ButtonLogo");
        QCOMPARE(logoLabel(dialog), QStringLiteral("zweite.png"));
        GuiFixture::press(dialog, "ButtonStandard");
        GuiFixture::press(dialog, "ButtonAbbrechen");
        QVERIFY(!dialog->isVisible());
    }));
    QCOMPARE(vb::currentLetterhead(), before);
    QCOMPARE(readFile(vb::userSettingsPath()), settings);
    QCOMPARE(logoCopies(), QStringList{"briefkopf-logo.svg"});
}

void TestLetterhead::standardGoesBackToTheProgramsOwn()
{
    storeThroughTheDialog(QStringLiteral("Erste GmbH"), writeFile(planners("erste.svg"), kSvg));
    QVERIFY(withDialog([](vb::TFormBriefkopf *dialog) {
        GuiFixture::press(dialog, "ButtonStandard");
        QCOMPARE(lineField(dialog)->text(), QString());
        QCOMPARE(logoLabel(dialog), QStringLiteral("Logo des Programms"));
        GuiFixture::press(dialog, "ButtonOK");
    }));
    QCOMPARE(vb::currentLetterhead(), report::Letterhead{});
    QVERIFY(logoCopies().isEmpty());
    QSettings settings(vb::userSettingsPath(), QSettings::IniFormat);
    QVERIFY(settings.childKeys().isEmpty() && !settings.childGroups().contains(QStringLiteral("briefkopf")));
}

void TestLetterhead::logoThatDoesNotLoadIsRefused_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArray>("bytes"); // nothing: no such file
    QTest::newRow("garbage bytes named .png")
        << "logo.png" << QByteArray("\x89PNG but no image at all\x01\x02", 26);
    QTest::newRow("a broken SVG") << "logo.svg"
                                  << QByteArray("<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"120\" "
                                                "height=\"30\"><rect width=\"120\" height=");
    QTest::newRow("an empty file") << "leer.svg" << QByteArray("");
    QTest::newRow("a file that is not there") << "fort.svg" << QByteArray();
}

void TestLetterhead::logoThatDoesNotLoadIsRefused()
{
    QFETCH(QString, file);
    QFETCH(QByteArray, bytes);
    storeThroughTheDialog(QStringLiteral("Erste GmbH"), writeFile(planners("erste.svg"), kSvg));
    const report::Letterhead before = vb::currentLetterhead();
    const QString path = planners(file);
    if (!bytes.isNull())
        writeFile(path, bytes);
    vb::shell::setOpenDialogHook([&](const QString &) { return path; });
    QVERIFY(withDialog([&](vb::TFormBriefkopf *dialog) {
        GuiFixture::press(dialog, "ButtonLogo");
        QCOMPARE(m_app->messages.size(), 1);
        QCOMPARE(m_app->messages[0].icon, QMessageBox::Warning);
        QCOMPARE(m_app->messages[0].caption, QStringLiteral("Briefkopf"));
        QVERIFY2(m_app->messages[0].text.contains(file), qPrintable(m_app->messages[0].text));
        // The logo shown before stays, and is what OK stores.
        QCOMPARE(logoLabel(dialog), QStringLiteral("erste.svg"));
        GuiFixture::press(dialog, "ButtonOK");
    }));
    QCOMPARE(vb::currentLetterhead(), before);
    QCOMPARE(logoCopies(), QStringList{"briefkopf-logo.svg"});
}

void TestLetterhead::copyOutlivesThePlannersFile()
{
    const QString original = writeFile(planners("logo.svg"), kSvg);
    storeThroughTheDialog(QStringLiteral("Büro"), original);
    QVERIFY(QFile::remove(original));
    const report::Letterhead stored = vb::currentLetterhead();
    QVERIFY(QFileInfo(stored.logoFile).isFile());
    QCOMPARE(readFile(stored.logoFile), kSvg);
    QVERIFY(withDialog([](vb::TFormBriefkopf *dialog) {
        QCOMPARE(logoLabel(dialog), QStringLiteral("logo.svg"));
        GuiFixture::press(dialog, "ButtonOK");
    }));
    QVERIFY(m_app->messages.isEmpty());
    QCOMPARE(vb::currentLetterhead(), stored);

    // A copy removed from the settings folder by hand is still named: the sheet leaves the logo's
    // place empty instead of printing the program's logo under the planner's line.
    QVERIFY(QFile::remove(stored.logoFile));
    QCOMPARE(vb::currentLetterhead(), stored);
    QVERIFY(withDialog(
        [](vb::TFormBriefkopf *dialog) { QCOMPARE(logoLabel(dialog), QStringLiteral("logo.svg (fehlt)")); }));
}

void TestLetterhead::newLogoReplacesTheOldCopy()
{
    storeThroughTheDialog(QStringLiteral("A"), writeFile(planners("a.svg"), kSvg));
    QCOMPARE(logoCopies(), QStringList{"briefkopf-logo.svg"});
    storeThroughTheDialog(QStringLiteral("A"), writeFile(planners("b.png"), pngBytes()));
    QCOMPARE(logoCopies(), QStringList{"briefkopf-logo-2.png"});
    QCOMPARE(readFile(vb::currentLetterhead().logoFile), pngBytes());
    storeThroughTheDialog(QStringLiteral("A"), writeFile(planners("c.svg"), kSvg));
    QCOMPARE(logoCopies(), QStringList{"briefkopf-logo.svg"});
}

void TestLetterhead::copyThatCannotBeWrittenKeepsTheLetterheadBefore()
{
    storeThroughTheDialog(QStringLiteral("Erste GmbH"), writeFile(planners("erste.png"), pngBytes()));
    const report::Letterhead before = vb::currentLetterhead();
    // Where the next copy goes stands a folder: the copy cannot be renamed into place.
    QVERIFY(QDir(settingsFolder()).mkdir(QStringLiteral("briefkopf-logo-2.svg")));
    vb::shell::setOpenDialogHook([&](const QString &) { return writeFile(planners("zweite.svg"), kSvg); });
    QVERIFY(withDialog([&](vb::TFormBriefkopf *dialog) {
        lineField(dialog)->setText(QStringLiteral("Zweite GmbH"));
        GuiFixture::press(dialog, "ButtonLogo");
        GuiFixture::press(dialog, "ButtonOK");
        QCOMPARE(m_app->messages.size(), 1);
        QCOMPARE(m_app->messages[0].icon, QMessageBox::Critical);
        QVERIFY2(m_app->messages[0].text.startsWith(QStringLiteral("Der Briefkopf wurde nicht gespeichert.")),
                 qPrintable(m_app->messages[0].text));
        // The dialog stays open with what the planner chose.
        QVERIFY(dialog->isVisible());
        QCOMPARE(logoLabel(dialog), QStringLiteral("zweite.svg"));
    }));
    QCOMPARE(vb::currentLetterhead(), before);
    QCOMPARE(readFile(before.logoFile), pngBytes());
}

void TestLetterhead::settingsAreReadDefensively_data()
{
    QTest::addColumn<QByteArray>("ini");
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("logo"); // the copy's name in the settings folder
    QTest::newRow("a line with commas written by hand")
        << QByteArray("[briefkopf]\nfirmenzeile=Nord GmbH, Hafenstr. 1, Kiel\n")
        << "Nord GmbH, Hafenstr. 1, Kiel" << QString();
    QTest::newRow("a line break becomes a blank")
        << QByteArray("[briefkopf]\nfirmenzeile=\"  Nord\\nGmbH \"\n") << "Nord GmbH" << QString();
    QTest::newRow("a line longer than a page header is cut")
        << QByteArray("[briefkopf]\nfirmenzeile=" + QByteArray(300, 'x') + "\n") << QString(200, u'x')
        << QString();
    QTest::newRow("a logo elsewhere is not read")
        << QByteArray("[briefkopf]\nlogo=/etc/passwd\n") << QString() << QString();
    QTest::newRow("a logo above the settings folder is not read")
        << QByteArray("[briefkopf]\nlogo=../briefkopf-logo.svg\n") << QString() << QString();
    QTest::newRow("a copy of the program's naming is read, also when gone")
        << QByteArray("[briefkopf]\nlogo=briefkopf-logo-2.png\n") << QString() << "briefkopf-logo-2.png";
    QTest::newRow("a value of another type")
        << QByteArray("[briefkopf]\nfirmenzeile=@Variant(\\0\\0\\0\\x2\\0\\0\\0\\0\\x5)\n") << QString()
        << QString();
}

void TestLetterhead::settingsAreReadDefensively()
{
    QFETCH(QByteArray, ini);
    QFETCH(QString, line);
    QFETCH(QString, logo);
    QVERIFY(QDir().mkpath(settingsFolder()));
    writeFile(vb::userSettingsPath(), ini);
    const report::Letterhead read = vb::currentLetterhead();
    QCOMPARE(read.companyLine, line);
    QCOMPARE(read.logoFile, logo.isEmpty() ? QString() : QDir(settingsFolder()).filePath(logo));
}

void TestLetterhead::menuButtonFitsAndOpensTheDialog_data()
{
    QTest::addColumn<bool>("english");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("caption");
    QTest::newRow("German") << false << "Briefkopf…"
                            << "Briefkopf";
    QTest::newRow("English") << true << "Letterhead…"
                             << "Letterhead";
}

void TestLetterhead::menuButtonFitsAndOpensTheDialog()
{
    QFETCH(bool, english);
    QFETCH(QString, text);
    QFETCH(QString, caption);
    QWidget *menu = m_app->menu();
    if (english)
        GuiFixture::press(menu, "Button8");
    auto *button = menu->findChild<QPushButton *>(QStringLiteral("ButtonBriefkopf"));
    QVERIFY(button && button->isVisible());
    QCOMPARE(button->text(), text);
    QCOMPARE(button->geometry(), QRect(514, 486, 130, 28));

    // In the window, over no other control, and next after "Projekt…" in the Tab order.
    QWidget *central = button->parentWidget();
    QVERIFY(central->rect().contains(button->geometry()));
    for (const QWidget *other : central->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (other != button && other->isVisible())
            QVERIFY2(!other->geometry().intersects(button->geometry()), qPrintable(other->objectName()));
    }
    QWidget *next = menu->findChild<QWidget *>(QStringLiteral("ButtonProjekt"))->nextInFocusChain();
    QCOMPARE(next, button);

    QVERIFY(withDialog([&](vb::TFormBriefkopf *dialog) {
        QCOMPARE(dialog->objectName(), QStringLiteral("TFormBriefkopf"));
        QCOMPARE(dialog->parentWidget(), menu);
        QVERIFY(dialog->isModal());
        QCOMPARE(dialog->windowTitle(), caption);
        for (const vb::Caption &row : vb::TFormBriefkopf::captions()) {
            const QString name = QLatin1String(row.control);
            QVERIFY2(name == dialog->objectName() || dialog->findChild<QWidget *>(name), row.control);
        }
    }));
    // Made for each use: none is left behind.
    QTRY_VERIFY(!menu->findChild<vb::TFormBriefkopf *>());
}

QTEST_MAIN(TestLetterhead)
#include "tst_letterhead.moc"
