// The planner's letterhead through the menu's "Briefkopf…": stored with OK, its logo copied to outlive
// the planner's file; kept by "Abbrechen", a logo that does not load or a copy that cannot be written;
// taken back to the program's own by "Standard".
#include "guifixture.h"

#include "core/userfile.h"
#include "forms/letterhead.h"
#include "forms/tformbriefkopf.h"

#include <QtCore/QSettings>
#include <QtGui/QImage>
#include <QtTest/QtTest>
#include <QtWidgets/QApplication>
#include <QtWidgets/QLabel>
#include <QtWidgets/QLineEdit>

const QByteArray kSvg = "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"120\" height=\"30\">"
                        "<rect width=\"120\" height=\"30\" fill=\"#036\"/></svg>";

static QByteArray pngBytes()
{
    QImage image(60, 20, QImage::Format_RGB32);
    image.fill(Qt::red);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    image.save(&buffer, "PNG");
    return bytes;
}

static QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class TestLetterhead : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        qputenv("XDG_CONFIG_HOME", m_dir->filePath(QStringLiteral("config")).toUtf8());
        m_app = std::make_unique<GuiFixture>();
    }
    void cleanup() { m_app.reset(), m_dir.reset(); }
    void storedComesBackInANewDialog_data();
    void storedComesBackInANewDialog();
    void secondVisit_data();
    void secondVisit();
    void logoNamedElsewhereIsNotRead();

private:
    // Runs `inside` on the dialog the menu's button opens, then cancels it if open; false if none showed.
    bool withDialog(const std::function<void(QWidget *)> &inside)
    {
        bool shown = false;
        QTimer poll;
        connect(&poll, &QTimer::timeout, this, [&] {
            auto *dialog = qobject_cast<vb::TFormBriefkopf *>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            poll.stop();
            shown = true;
            inside(dialog);
            if (dialog->isVisible())
                dialog->reject();
        });
        poll.start(5);
        GuiFixture::press(m_app->menu(), "ButtonBriefkopf");
        return shown;
    }
    // Sets `line` in the dialog and chooses `logo` (unless empty), then presses `buttons` (by blanks).
    void fill(const QString &line, const QString &logo, const QString &buttons = QStringLiteral("OK"))
    {
        vb::shell::setOpenDialogHook([logo](const QString &) { return logo; });
        QVERIFY(withDialog([&](QWidget *dialog) {
            // Set, not typed: the test's key clicks know no umlauts.
            dialog->findChild<QLineEdit *>(QStringLiteral("EditFirmenzeile"))->setText(line);
            if (!logo.isEmpty())
                GuiFixture::press(dialog, "ButtonLogo");
            for (const QString &button : buttons.split(u' '))
                GuiFixture::press(dialog, qPrintable(QStringLiteral("Button") + button));
        }));
    }
    QString planners(const QString &name, const QByteArray &bytes)
    {
        QFile file(m_dir->filePath(name));
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            qFatal("cannot write %s", qPrintable(file.fileName()));
        return file.fileName();
    }

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<GuiFixture> m_app;
};

void TestLetterhead::storedComesBackInANewDialog_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("SVG logo") << QStringLiteral("Planungsbüro Süd · Hauptstraße 5") << "Büro Süd.svg" << kSvg;
    QTest::newRow("PNG logo") << QStringLiteral("Nord GmbH") << "nord.png" << pngBytes();
    QTest::newRow("no logo") << QStringLiteral("Nur die Zeile") << QString() << QByteArray();
}

void TestLetterhead::storedComesBackInANewDialog()
{
    QFETCH(QString, line);
    QFETCH(QString, file);
    QFETCH(QByteArray, bytes);
    const QString original = file.isEmpty() ? QString() : planners(file, bytes);
    fill(line, original);
    const report::Letterhead stored = vb::currentLetterhead();
    QCOMPARE(stored.companyLine, line);
    // The copy outlives the planner's file.
    QVERIFY(original.isEmpty() || QFile::remove(original));
    QCOMPARE(readFile(stored.logoFile), bytes);

    // A new dialog, in English, shows it with the logo by the planner's name; OK keeps it.
    GuiFixture::press(m_app->menu(), "Button8");
    QVERIFY(withDialog([&](QWidget *dialog) {
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Letterhead"));
        QCOMPARE(dialog->findChild<QLineEdit *>(QStringLiteral("EditFirmenzeile"))->text(), line);
        QCOMPARE(dialog->findChild<QLabel *>(QStringLiteral("LabelLogoDatei"))->text(),
                 file.isEmpty() ? QStringLiteral("The program's logo") : file);
        GuiFixture::press(dialog, "ButtonOK");
    }));
    QCOMPARE(vb::currentLetterhead(), stored);
    QCOMPARE(readFile(stored.logoFile), bytes);
}

void TestLetterhead::secondVisit_data()
{
    QTest::addColumn<QString>("file"); // the logo chosen over the one stored
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("buttons");
    QTest::addColumn<QString>("says"); // the message shown, empty for none
    QTest::addColumn<bool>("kept");
    const QByteArray garbage("\x89PNG but no image at all\x01\x02", 26);
    const QString ok = QStringLiteral("OK");
    QTest::newRow("Abbrechen") << "b.png" << pngBytes() << QStringLiteral("Standard Abbrechen") << "" << true;
    QTest::newRow("Standard") << "b.png" << pngBytes() << QStringLiteral("Standard OK") << "" << false;
    QTest::newRow("garbage .png") << "b.png" << garbage << ok << "b.png" << true;
    QTest::newRow("broken .svg") << "b.svg" << kSvg.left(kSvg.size() - 20) << ok << "b.svg" << true;
    QTest::newRow("copy not written") << "b.svg" << kSvg << ok << "nicht gespeichert" << true;
}

void TestLetterhead::secondVisit()
{
    QFETCH(QString, file);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, buttons);
    QFETCH(QString, says);
    QFETCH(bool, kept);
    fill(QStringLiteral("Erste GmbH"), planners("a.svg", kSvg));
    const report::Letterhead before = vb::currentLetterhead();
    // Where a new SVG's copy goes stands a folder: that copy cannot be renamed into place.
    QVERIFY(QDir(QFileInfo(before.logoFile).absolutePath()).mkdir(QStringLiteral("briefkopf-logo-2.svg")));
    fill(QStringLiteral("Erste GmbH"), planners(file, bytes), buttons);
    QCOMPARE(m_app->messages.size(), says.isEmpty() ? 0 : 1);
    for (const vb::Message &message : m_app->messages)
        QVERIFY2(message.text.contains(says), qPrintable(message.text));
    QCOMPARE(vb::currentLetterhead(), kept ? before : report::Letterhead{});
    QCOMPARE(readFile(before.logoFile), kept ? kSvg : QByteArray());
}

// The settings file is the planner's to edit: a logo it names outside the settings folder (a
// path elsewhere, one that climbs out) is never read as the letterhead's logo.
void TestLetterhead::logoNamedElsewhereIsNotRead()
{
    for (const char *named : {"/etc/passwd", "../briefkopf-logo.png"}) {
        QSettings settings(vb::userSettingsPath(), QSettings::IniFormat);
        settings.setValue(QStringLiteral("briefkopf/logo"), QString::fromLatin1(named));
        settings.sync();
        QVERIFY2(vb::currentLetterhead().logoFile.isEmpty(), named);
    }
}

QTEST_MAIN(TestLetterhead)
#include "tst_letterhead.moc"
