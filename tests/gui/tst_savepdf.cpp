// "Als PDF…" on the six real program forms: the proposed name, the file as written, cancel,
// an unwritable folder, and (under the private CUPS fixture) the file against the printed job.

#include "formdriver.h"
#include "guifixture.h"
#include "pdfwords.h"

#include "forms/erro1024.h"
#include "forms/programform.h"

#include <QtCore/QDir>
#include <QtCore/QFile>
#include <QtCore/QTemporaryDir>
#include <QtTest/QtTest>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QPushButton>

#include <unistd.h>

namespace
{
using formtest::click;

void setMenuField(GuiFixture &app, const char *name, const QString &text)
{
    app.menu()->findChild<QLineEdit *>(QString::fromLatin1(name))->setText(text);
}

QString pdfInfo(const QString &file, const char *key)
{
    bool ok = false;
    const QString out = QString::fromUtf8(runTool(QStringLiteral("pdfinfo"), {file}, &ok));
    for (const QString &line : out.split(QLatin1Char('\n')))
        if (line.startsWith(QLatin1String(key) + QLatin1Char(':')))
            return line.section(QLatin1Char(':'), 1).trimmed();
    return QString();
}

// The words of a page with their places rounded to half a point, for comparing two pages.
QStringList placedWords(const PdfPage &page)
{
    QStringList out;
    for (const PdfWord &w : page.words)
        out << QStringLiteral("%1 @ %2,%3")
                   .arg(w.text)
                   .arg(qRound(w.box.left() * 2) / 2.0)
                   .arg(qRound(w.box.top() * 2) / 2.0);
    out.sort();
    return out;
}
} // namespace

class TestSavePdf : public QObject
{
    Q_OBJECT

private slots:
    void init() { resetShellState(); }
    void savesTheSheetUnderTheProposedName_data();
    void savesTheSheetUnderTheProposedName();
    void proposedName_data();
    void proposedName();
    void cancelWritesNothing();
    void unwritableFolderEndsInAMessage();
    // Run on its own under the private CUPS fixture with the default queue.
    void pdfIsThePrintedPage_data();
    void pdfIsThePrintedPage();

private:
    void programs();
};

void TestSavePdf::programs()
{
    QTest::addColumn<int>("program");
    for (int n = 1; n <= 6; ++n)
        QTest::newRow(qPrintable(QStringLiteral("Programm %1").arg(n))) << n;
}

void TestSavePdf::savesTheSheetUnderTheProposedName_data()
{
    programs();
}

void TestSavePdf::savesTheSheetUnderTheProposedName()
{
    QFETCH(int, program);
    GuiFixture app;
    QTemporaryDir dir;
    vb::shell::setLastSaveFolder(dir.path());
    setMenuField(app, "Edit1", QStringLiteral("Musterbau Nord"));
    setMenuField(app, "Edit2", QStringLiteral("7/2"));
    QString proposed;
    vb::shell::setSaveDialogHook([&](const QString &, const QString &path) {
        proposed = path;
        return path;
    });
    app.withProgramOpen(program, [&](QWidget *form) {
        auto *pdf = form->findChild<QPushButton *>(QStringLiteral("ButtonPdf"));
        auto *back = form->findChild<QPushButton *>(QStringLiteral("Button2"));
        QVERIFY(pdf && back);
        // As high as the other command buttons and at least as wide, in their row, right of
        // "Zurück" (wider where the English text needs it).
        QCOMPARE(pdf->height(), back->height());
        QVERIFY(pdf->width() >= back->width());
        QCOMPARE(pdf->y(), back->y());
        QVERIFY(pdf->x() > back->x() + back->width());
        QVERIFY(pdf->geometry().right() < form->width());
        QCOMPARE(pdf->text(), QStringLiteral("Als PDF…"));
        QCOMPARE(back->nextInFocusChain(), pdf);
        click(form, "ButtonPdf");
    });
    QVERIFY(app.messages.isEmpty());
    // The slash of the position number is no file-name character.
    const QString name = QStringLiteral("Programm %1 - Musterbau Nord - Pos 7_2.pdf").arg(program);
    QCOMPARE(proposed, QDir(dir.path()).filePath(name));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{name});
    const QString file = QDir(dir.path()).filePath(name);
    const PdfPage page = readPdfPage(file);
    QVERIFY2(page.error.isEmpty(), qPrintable(page.error));
    // A4 in points, the text as text.
    QVERIFY(qAbs(page.size.width() - 595.3) < 1 && qAbs(page.size.height() - 841.9) < 1);
    QVERIFY2(page.text().contains(QStringLiteral("Statische Vorbemessung")), qPrintable(page.text()));
    QVERIFY(page.text().contains(QStringLiteral("Musterbau Nord")));
    QCOMPARE(pdfInfo(file, "Title"), QStringLiteral("Programm %1 - Musterbau Nord - Pos 7_2").arg(program));
    QCOMPARE(pdfInfo(file, "Creator"), QStringLiteral("vorbemessung"));
    // Every font is embedded.
    bool ok = false;
    const QStringList fonts =
        QString::fromUtf8(runTool(QStringLiteral("pdffonts"), {file}, &ok)).split(QLatin1Char('\n'));
    QVERIFY(ok && fonts.size() > 3);
    for (const QString &line : fonts.mid(2, fonts.size() - 3)) {
        const QStringList columns = line.simplified().split(QLatin1Char(' '));
        QVERIFY2(columns.size() > 4 && columns.at(columns.size() - 5) == QLatin1String("yes"),
                 qPrintable(line));
    }
    // The next save proposes the same folder; the menu has the form's position number.
    QCOMPARE(vb::shell::lastSaveFolder(), QDir(dir.path()).absolutePath());
    QCOMPARE(vb::shell::menuPositionNumber(), QStringLiteral("7/2"));
}

void TestSavePdf::proposedName_data()
{
    QTest::addColumn<QString>("project");
    QTest::addColumn<QString>("position");
    QTest::addColumn<QString>("name");
    QTest::newRow("project and number") << "Musterbau Nord"
                                        << "7"
                                        << "Programm 1 - Musterbau Nord - Pos 7.pdf";
    QTest::newRow("a number typed with its own Pos keeps it once")
        << "Musterbau Nord"
        << "Pos 12b"
        << "Programm 1 - Musterbau Nord - Pos 12b.pdf";
    QTest::newRow("a number typed as Position keeps its word") << ""
                                                               << "Position 3"
                                                               << "Programm 1 - Position 3.pdf";
    QTest::newRow("no project and no number leave only the program") << ""
                                                                     << " "
                                                                     << "Programm 1.pdf";
    QTest::newRow("characters no file system takes become underscores")
        << "Haus <A>: \"Süd\""
        << "1/2"
        << "Programm 1 - Haus _A__ _Süd_ - Pos 1_2.pdf";
}

void TestSavePdf::proposedName()
{
    QFETCH(QString, project);
    QFETCH(QString, position);
    QFETCH(QString, name);
    GuiFixture app;
    setMenuField(app, "Edit1", project);
    setMenuField(app, "Edit2", position);
    QString proposed;
    app.withProgramOpen(
        1, [&](QWidget *form) { proposed = qobject_cast<vb::ProgramForm *>(form)->proposedPdfName(); });
    QCOMPARE(proposed, name);
}

void TestSavePdf::cancelWritesNothing()
{
    GuiFixture app;
    QTemporaryDir dir;
    vb::shell::setLastSaveFolder(dir.path());
    int asked = 0;
    vb::shell::setSaveDialogHook([&](const QString &, const QString &) {
        ++asked;
        return QString();
    });
    app.withProgramOpen(1, [&](QWidget *form) { click(form, "ButtonPdf"); });
    QCOMPARE(asked, 1);
    QVERIFY(app.messages.isEmpty());
    QVERIFY(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).isEmpty());
    QCOMPARE(vb::shell::lastSaveFolder(), dir.path());
}

void TestSavePdf::unwritableFolderEndsInAMessage()
{
    if (::geteuid() == 0)
        QSKIP("root writes into any folder; the check needs a normal user");
    GuiFixture app;
    QTemporaryDir dir;
    const QString locked = dir.filePath(QStringLiteral("locked"));
    QVERIFY(QDir().mkdir(locked));
    QVERIFY(QFile::setPermissions(locked, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
    const QString target = QDir(locked).filePath(QStringLiteral("Blatt.pdf"));
    vb::shell::setSaveDialogHook([&](const QString &, const QString &) { return target; });
    QStringList before;
    QStringList after;
    app.withProgramOpen(1, [&](QWidget *form) {
        for (QLineEdit *edit : form->findChildren<QLineEdit *>())
            before << edit->objectName() + QLatin1Char('=') + edit->text();
        click(form, "ButtonPdf");
        for (QLineEdit *edit : form->findChildren<QLineEdit *>())
            after << edit->objectName() + QLatin1Char('=') + edit->text();
    });
    QFile::setPermissions(locked, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    QCOMPARE(app.messages.size(), 1);
    QCOMPARE(app.messages[0].icon, QMessageBox::Critical);
    QVERIFY2(app.messages[0].text.contains(QDir::toNativeSeparators(target)),
             qPrintable(app.messages[0].text));
    QVERIFY(QDir(locked).entryList(QDir::Files | QDir::Hidden).isEmpty());
    QCOMPARE(after, before);
}

void TestSavePdf::pdfIsThePrintedPage_data()
{
    programs();
}

void TestSavePdf::pdfIsThePrintedPage()
{
    const QString reason = cupsfixture::skipReason();
    if (!reason.isEmpty())
        QSKIP(qPrintable(reason));
    if (!cupsfixture::withQueue())
        QSKIP("needs the queue");
    QFETCH(int, program);
    GuiFixture app;
    QTemporaryDir dir;
    vb::shell::setLastSaveFolder(dir.path());
    setMenuField(app, "Edit1", QStringLiteral("Bürohaus Süd"));
    setMenuField(app, "Edit6", QStringLiteral("K. Planer"));
    QString saved;
    vb::shell::setSaveDialogHook([&](const QString &, const QString &path) { return saved = path; });
    QString job;
    app.withProgramOpen(program, [&](QWidget *form) {
        vb::TForm31 *error = vb::shell::forms().error;
        whenShown(error, [error] { error->accept(); });
        click(form, "Button1");
        const QStringList before = cupsfixture::storedJobs();
        click(form, "Button4");
        job = cupsfixture::nextJobFile(before);
        click(form, "ButtonPdf");
    });
    QVERIFY2(!job.isEmpty(), "no job stored");
    QVERIFY(QFile::exists(saved));
    const PdfPage printed = readPdfPage(job);
    const PdfPage file = readPdfPage(saved);
    QVERIFY(printed.error.isEmpty() && file.error.isEmpty());
    QVERIFY(printed.words.size() > 40);
    QCOMPARE(placedWords(file), placedWords(printed));
}

QTEST_MAIN(TestSavePdf)
#include "tst_savepdf.moc"
