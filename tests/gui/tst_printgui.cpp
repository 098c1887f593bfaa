// "Drucken" on the real Programm 1 form through a private CUPS scheduler started by the
// test fixtures: with its default queue, whose backend stores every job, or without any
// printer (VB_CUPS_WITH_QUEUE says which).

#include "guifixture.h"

#include "core/langflag.h"

#include <QtCore/QDir>
#include <QtCore/QFile>
#include <QtCore/QProcess>
#include <QtTest/QtTest>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QRadioButton>

namespace
{
using namespace cupsfixture;

void skipWithoutCups()
{
    const QString reason = skipReason();
    if (!reason.isEmpty())
        QSKIP(qPrintable(reason));
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

} // namespace

class TestPrintGui : public QObject
{
    Q_OBJECT

private slots:
    void init() { skipWithoutCups(); }
    void mullionSheetCarriesTheForm();
    void printingTwiceGivesTheSameSheet();
    void sheetAfterNewInputShowsTheResetTexts();
    void englishTransomSheetAndBackToGerman();
    void noPrinterShowsTheMessage();
};

void TestPrintGui::mullionSheetCarriesTheForm()
{
    if (!withQueue())
        QSKIP("needs the queue");
    GuiFixture app;
    qobject_cast<QLineEdit *>(app.menu()->findChild<QWidget *>(QStringLiteral("Edit1")))
        ->setText(QStringLiteral("Bürohaus Süd"));
    qobject_cast<QLineEdit *>(app.menu()->findChild<QWidget *>(QStringLiteral("Edit3")))
        ->setText(QStringLiteral("Metallbau Nord"));
    qobject_cast<QLineEdit *>(app.menu()->findChild<QWidget *>(QStringLiteral("Edit6")))
        ->setText(QStringLiteral("K. Planer"));
    QString sheet;
    QStringList shown;
    app.withProgramOpen(1, [&](QWidget *form) {
        fillMullion(form);
        click(form, "Button1");
        for (const char *name : {"Edit11", "Edit12", "Edit8", "Edit9", "Edit10"})
            shown << GuiFixture::field(form, name)->text();
        GuiFixture::type(form, "Edit13", QStringLiteral("Pos. 4711"));
        const QStringList before = storedJobs();
        click(form, "Button4");
        sheet = words(nextJobText(before));
    });
    QVERIFY2(!sheet.isEmpty(), "no job stored");
    QVERIFY(app.messages.isEmpty());
    QCOMPARE(vb::shell::menuPositionNumber(), QStringLiteral("Pos. 4711"));
    for (const QString &expected :
         {QStringLiteral("Projekt : Bürohaus Süd"), QStringLiteral("Pos. 4711"),
          QStringLiteral("Metallbau Nord"), QStringLiteral("K. Planer"),
          QStringLiteral("Statische Vorbemessung"), QStringLiteral("Fassadensystem: Pfosten"),
          QStringLiteral("Lastfall: gleichmäßige Streckenlast"), QStringLiteral("Länge Pfosten LP 3 m"),
          QStringLiteral("Länge größte Scheibe LS 2 m"), QStringLiteral("Windlast w -0.8 kN/m²"),
          QStringLiteral("Werkstoff: Aluminium EN AW6060 T66"),
          QStringLiteral("Die Berechnung ersetzt keine prüfbare Statik.")})
        QVERIFY2(sheet.contains(expected), qPrintable(expected + QStringLiteral(" in: ") + sheet));
    for (const QString &value : shown)
        QVERIFY2(sheet.contains(value), qPrintable(value));
    QVERIFY(sheet.contains(QStringLiteral("200")));
    QVERIFY(sheet.contains(QStringLiteral("1.25")));
}

void TestPrintGui::printingTwiceGivesTheSameSheet()
{
    if (!withQueue())
        QSKIP("needs the queue");
    GuiFixture app;
    QString first;
    QString second;
    app.withProgramOpen(1, [&](QWidget *form) {
        fillMullion(form);
        click(form, "Button1");
        QStringList before = storedJobs();
        click(form, "Button4");
        first = nextJobText(before);
        before = storedJobs();
        click(form, "Button4");
        second = nextJobText(before);
    });
    QVERIFY(!first.isEmpty());
    QCOMPARE(second, first);
}

void TestPrintGui::sheetAfterNewInputShowsTheResetTexts()
{
    if (!withQueue())
        QSKIP("needs the queue");
    GuiFixture app;
    QString sheet;
    app.withProgramOpen(1, [&](QWidget *form) {
        fillMullion(form);
        click(form, "Button1");
        click(form, "Button3");
        const QStringList before = storedJobs();
        click(form, "Button4");
        sheet = words(nextJobText(before));
    });
    QVERIFY(!sheet.isEmpty());
    QVERIFY2(sheet.contains(QStringLiteral("Länge Pfosten LP 0 m")), qPrintable(sheet));
    QVERIFY2(sheet.contains(QStringLiteral("Max. Feldmoment Mf 0 kNcm")), qPrintable(sheet));
    QVERIFY(!sheet.contains(QStringLiteral("-0.8")));
}

void TestPrintGui::englishTransomSheetAndBackToGerman()
{
    if (!withQueue())
        QSKIP("needs the queue");
    GuiFixture app(vb::languageRecord(true));
    QString english;
    app.withProgramOpen(1, [&](QWidget *form) {
        form->findChild<QRadioButton *>(QStringLiteral("RadioButton2"))->click();
        for (const auto &[name, value] :
             {std::pair{"Edit1", "1"}, {"Edit6", "1"}, {"Edit2", "1.5"}, {"Edit5", "300"}, {"Edit14", "1"}})
            GuiFixture::type(form, name, QString::fromLatin1(value));
        click(form, "Button1");
        const QStringList before = storedJobs();
        click(form, "Button4");
        english = words(nextJobText(before));
    });
    QVERIFY(!english.isEmpty());
    for (const QString &expected :
         {QStringLiteral("Static predimensioning"), QStringLiteral("Facade section: transom"),
          QStringLiteral("allowed deflection of transom"), QStringLiteral("deflection of glass edge 5.00 mm"),
          QStringLiteral("Material: Aluminium EN AW-6060 T66")})
        QVERIFY2(english.contains(expected), qPrintable(expected + QStringLiteral(" in: ") + english));
    QVERIFY(!english.contains(QStringLiteral("deflection of construction")));

    GuiFixture::press(app.menu(), "Button8");
    QString german;
    app.withProgramOpen(1, [&](QWidget *form) {
        const QStringList before = storedJobs();
        click(form, "Button4");
        german = words(nextJobText(before));
        form->findChild<QRadioButton *>(QStringLiteral("RadioButton1"))->click();
    });
    QVERIFY(german.contains(QStringLiteral("Werkstoff: Aluminium EN AW6060 T66")));
    QVERIFY(german.contains(QStringLiteral("Fassadensystem: Riegel")));
    QVERIFY(!german.contains(QStringLiteral("Material:")));
}

void TestPrintGui::noPrinterShowsTheMessage()
{
    if (withQueue())
        QSKIP("needs a server without a printer");
    GuiFixture app;
    QStringList before;
    QStringList after;
    app.withProgramOpen(1, [&](QWidget *form) {
        fillMullion(form);
        click(form, "Button1");
        GuiFixture::type(form, "Edit13", QStringLiteral("7"));
        for (QLineEdit *edit : form->findChildren<QLineEdit *>())
            before << edit->objectName() + QLatin1Char('=') + edit->text();
        click(form, "Button4");
        for (QLineEdit *edit : form->findChildren<QLineEdit *>())
            after << edit->objectName() + QLatin1Char('=') + edit->text();
    });
    QCOMPARE(app.messages.size(), 1);
    QCOMPARE(app.messages[0].caption, QStringLiteral("Access Violation"));
    QCOMPARE(app.messages[0].icon, QMessageBox::Critical);
    QCOMPARE(app.messages[0].text,
             QStringLiteral("Bitte installieren Sie\neinen Drucker, um den\nDruckvorgang auszuführen."));
    QCOMPARE(after, before);
    QCOMPARE(vb::shell::menuPositionNumber(), QStringLiteral("7"));
    QVERIFY(storedJobs().isEmpty());
}

QTEST_MAIN(TestPrintGui)
#include "tst_printgui.moc"
