#include "guifixture.h"

#include "app/bild.h"
#include "core/langflag.h"
#include "forms/erro1024.h"
#include "forms/pgm71024.h"
#include "forms/programform.h"
#include "forms/programlist.h"

#include <QtCore/QFile>
#include <QtGui/QScreen>
#include <QtTest/QtTest>
#include <QtWidgets/QAbstractButton>
#include <QtWidgets/QApplication>
#include <QtWidgets/QLabel>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QVBoxLayout>

namespace
{
QWidget *child(QWidget *form, const char *name)
{
    return form->findChild<QWidget *>(QString::fromLatin1(name));
}

} // namespace

class TestShell : public QObject
{
    Q_OBJECT

private slots:
    void menuLayout_data();
    void menuLayout();
    void tabOrder();
    void hoursAndMinutes_data();
    void hoursAndMinutes();
    void dateAndTimeAreRefreshedOnReturn();
    void openingTakesTheHeaderSnapshot();
    void everyProgramOpensAndReturns_data();
    void everyProgramOpensAndReturns();
    void programFormsAreMadeWhenFirstOpened();
    void typedPositionNumberSurvivesTheWindowsAbove_data();
    void typedPositionNumberSurvivesTheWindowsAbove();
    void closeBoxEndsTheRun();
    void exitButtonEndsTheRun();
    void windowsOpenInsideTheScreen_data();
    void windowsOpenInsideTheScreen();
};

void TestShell::menuLayout_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<QString>("text");
    QTest::newRow("the language button") << "Button8" << QRect(56, 40, 75, 57) << "English";
    QTest::newRow("the project field") << "Edit1" << QRect(248, 130, 473, 24) << "";
    QTest::newRow("the position number field") << "Edit2" << QRect(248, 157, 473, 24) << "";
    QTest::newRow("the company field") << "Edit3" << QRect(248, 184, 473, 24) << "";
    QTest::newRow("the creator field") << "Edit6" << QRect(248, 212, 217, 24) << "";
    QTest::newRow("the first program button")
        << "Button1" << QRect(56, 257, 665, 29) << "Fassadensystem: Pfosten / Riegel (LF Winddruck /-sog)";
    QTest::newRow("the second program button")
        << "Button3" << QRect(56, 291, 664, 29)
        << "Fassadensystem: Pfosten mit horizontaler Verkehrslast (LF Linienlast)";
    QTest::newRow("the third program button")
        << "Button4" << QRect(56, 329, 664, 29)
        << "Schräge Konstruktion / Schrägdach (LF Eigenlast, Wind, Schnee)";
    QTest::newRow("the fourth program button")
        << "Button5" << QRect(56, 364, 664, 29)
        << "Fassadensystem : Pfosten als Zweifeldträger (LF Winddruck /-sog)";
    QTest::newRow("the fifth program button")
        << "Button6" << QRect(56, 402, 664, 30)
        << "Schräge Konstruktion / Schrägdach, Zweifeldträger (LF Eigenlast, Wind, Schnee)";
    QTest::newRow("the sixth program button")
        << "Button7" << QRect(56, 439, 664, 27) << "Riegel- Bemessung (LF Riegeleigengewicht und Füllung)";
    QTest::newRow("the exit button") << "Button2" << QRect(324, 486, 179, 28) << "Programm Beenden";
    QTest::newRow("the heading") << "Label1" << QRect() << "Statische Vorbemessung im Metallbau";
    QTest::newRow("the title") << "Label7" << QRect() << "Hauptmenü";
    QTest::newRow("the project caption stands level with its field")
        << "Label2" << QRect(60, 130, 180, 17) << "Projekt:";
    QTest::newRow("the position caption stands level with its field")
        << "Label3" << QRect(60, 157, 180, 17) << "Pos.-/Auftragsnummer :";
    QTest::newRow("the company caption stands level with its field")
        << "Label4" << QRect(60, 184, 180, 17) << "Firma :";
    const QString hyphens(150, QLatin1Char('-'));
    QTest::newRow("the rule above the heading is in the menu's text font")
        << "Label9" << QRect(56, 92, 671, 18) << hyphens;
    QTest::newRow("the rule above the program buttons is in the menu's text font")
        << "Label11" << QRect(56, 244, 666, 18) << hyphens;
    QTest::newRow("the creator caption") << "Label12" << QRect() << "Ersteller :";
    QTest::newRow("the version note") << "Label13" << QRect() << "Version 2.1";
}

void TestShell::menuLayout()
{
    QFETCH(QString, name);
    QFETCH(QRect, geometry);
    QFETCH(QString, text);
    GuiFixture app;
    QWidget *menu = app.menu();
    QCOMPARE(menu->windowTitle(), QStringLiteral("Lastkon"));
    QCOMPARE(menu->size(), QSize(801, 582));
    QWidget *w = child(menu, name.toLatin1().constData());
    QVERIFY(w);
    if (geometry.isValid())
        QCOMPARE(w->geometry(), geometry);
    QCOMPARE(GuiFixture::textOf(menu, name.toLatin1().constData()), text);
    QCOMPARE(w->font().family(), QStringLiteral("Arial"));
    QCOMPARE(w->font().pixelSize(), 13);
}

void TestShell::tabOrder()
{
    GuiFixture app;
    QWidget *menu = app.menu();
    const QStringList expected{"Edit1",   "Edit2",   "Edit3",   "Edit6",   "Edit4",   "Edit5",   "Button1",
                               "Button3", "Button4", "Button5", "Button6", "Button7", "Button2", "Button8"};
    QWidget *w = child(menu, "Edit1");
    QStringList order;
    for (int i = 0; i < expected.size(); ++i) {
        order << w->objectName();
        w = w->nextInFocusChain();
        while (w && !expected.contains(w->objectName()))
            w = w->nextInFocusChain();
    }
    QCOMPARE(order, expected);
}

void TestShell::hoursAndMinutes_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QTime>("time");
    QTest::addColumn<QString>("shown");
    QTest::newRow("a German desktop shows 14:05") << "de_DE" << QTime(14, 5, 33) << "14:05";
    QTest::newRow("before ten a German desktop shows 09:05") << "de_DE" << QTime(9, 5, 7) << "09:05";
    QTest::newRow("the C locale drops its seconds") << "C" << QTime(14, 5, 33) << "14:05";
}

void TestShell::hoursAndMinutes()
{
    QFETCH(QString, locale);
    QFETCH(QTime, time);
    QFETCH(QString, shown);
    QCOMPARE(vb::shell::hoursAndMinutes(time, QLocale(locale)), shown);
}

void TestShell::dateAndTimeAreRefreshedOnReturn()
{
    GuiFixture app;
    auto *date = qobject_cast<QLineEdit *>(child(app.menu(), "Edit4"));
    auto *time = qobject_cast<QLineEdit *>(child(app.menu(), "Edit5"));
    date->setText(QStringLiteral("typed by hand"));
    time->setText(QStringLiteral("xx"));
    app.withProgramOpen(1, [](QWidget *) {});
    QTRY_VERIFY(date->text() != QStringLiteral("typed by hand"));
    QCOMPARE(date->text(), QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat));
    QCOMPARE(time->text(), vb::shell::hoursAndMinutes(QTime::currentTime(), QLocale::system()));
}

void TestShell::openingTakesTheHeaderSnapshot()
{
    GuiFixture app;
    const struct {
        const char *field;
        const char *text;
    } header[] = {{"Edit1", "Projekt Nord"}, {"Edit2", "12"}, {"Edit3", "Firma A"}, {"Edit6", "Ersteller B"}};
    for (const auto &h : header)
        qobject_cast<QLineEdit *>(child(app.menu(), h.field))->setText(QString::fromUtf8(h.text));
    app.withProgramOpen(1, [](QWidget *) {});
    QCOMPARE(vb::shell::header().project, QStringLiteral("Projekt Nord"));
    QCOMPARE(vb::shell::header().position, QStringLiteral("12"));
    QCOMPARE(vb::shell::header().company, QStringLiteral("Firma A"));
}

void TestShell::everyProgramOpensAndReturns_data()
{
    QTest::addColumn<int>("program");
    QTest::addColumn<QString>("form");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("positionField");
    QTest::newRow("Programm 1") << 1 << "TForm23"
                                << "Programm 1"
                                << "Edit13";
    QTest::newRow("Programm 2") << 2 << "TForm24"
                                << "Programm 2"
                                << "Edit13";
    QTest::newRow("Programm 3") << 3 << "TForm25"
                                << "Programm 3"
                                << "Edit17";
    QTest::newRow("Programm 4") << 4 << "TForm26"
                                << "Programm 4"
                                << "Edit13";
    QTest::newRow("Programm 5") << 5 << "TForm27"
                                << "Programm 5"
                                << "Edit15";
    QTest::newRow("Programm 6") << 6 << "TForm28"
                                << "Programm 6"
                                << "Edit11";
}

void TestShell::everyProgramOpensAndReturns()
{
    QFETCH(int, program);
    QFETCH(QString, form);
    QFETCH(QString, caption);
    QFETCH(QString, positionField);
    GuiFixture app;
    vb::shell::setMenuPositionNumber(QStringLiteral("P1"));
    bool opened = false;
    app.withProgramOpen(program, [&](QWidget *w) {
        opened = w->isVisible();
        QCOMPARE(w->objectName(), form);
        QCOMPARE(w->windowTitle(), caption);
        auto *position = w->findChild<QLineEdit *>(positionField);
        QVERIFY(position);
        QCOMPARE(position->text(), QStringLiteral("P1"));
        position->setText(QStringLiteral("P2"));
        for (const char *button : {"Button1", "Button4", "Button3", "Button2"})
            QVERIFY(w->findChild<QPushButton *>(QString::fromLatin1(button)));
        // Escape does not close a program form.
        QTest::keyClick(w, Qt::Key_Escape);
        QVERIFY(w->isVisible());
    });
    QVERIFY(opened);
    QVERIFY(app.menu()->isVisible());
    QCOMPARE(vb::shell::menuPositionNumber(), QStringLiteral("P2"));
}

void TestShell::programFormsAreMadeWhenFirstOpened()
{
    // The six forms exist from start-up in their order, named, but their controls are made
    // only when the user first opens them, so that the menu comes up fast.
    GuiFixture app;
    const auto &programs = vb::shell::forms().programs;
    QCOMPARE(programs.size(), vb::programList().size());
    for (qsizetype i = 0; i < programs.size(); ++i) {
        QVERIFY(programs[i]);
        QCOMPARE(programs[i]->objectName(), QStringLiteral("TForm%1").arg(23 + i));
        QVERIFY(!programs[i]->isBuilt());
    }
    app.withProgramOpen(
        3, [](QWidget *form) { QVERIFY(form->findChild<QLineEdit *>(QStringLiteral("Edit17"))); });
    QVERIFY(programs[2]->isBuilt());
    QVERIFY(!programs[1]->isBuilt());
}

void TestShell::typedPositionNumberSurvivesTheWindowsAbove_data()
{
    QTest::addColumn<int>("program");
    QTest::addColumn<QString>("positionField");
    QTest::addColumn<QString>("infoButton");
    QTest::newRow("Programm 1 keeps it over its wind page") << 1 << "Edit13"
                                                            << "SpeedButton1";
    QTest::newRow("Programm 2 keeps it over its barrier-load page") << 2 << "Edit13"
                                                                    << "SpeedButton1";
    QTest::newRow("Programm 3 keeps it over its wind page") << 3 << "Edit17"
                                                            << "SpeedButton1";
    QTest::newRow("Programm 4 keeps it over its wind page") << 4 << "Edit13"
                                                            << "SpeedButton2";
    QTest::newRow("Programm 5 keeps it over its wind page") << 5 << "Edit15"
                                                            << "SpeedButton1";
    QTest::newRow("Programm 6 keeps it over its deflection page") << 6 << "Edit11"
                                                                  << "SpeedButton1";
}

void TestShell::typedPositionNumberSurvivesTheWindowsAbove()
{
    QFETCH(int, program);
    QFETCH(QString, positionField);
    QFETCH(QString, infoButton);
    GuiFixture app;
    vb::shell::setMenuPositionNumber(QStringLiteral("P1"));
    QString afterInfo;
    QString afterError;
    app.withProgramOpen(program, [&](QWidget *form) {
        auto *position = form->findChild<QLineEdit *>(positionField);
        QVERIFY(position);
        QCOMPARE(position->text(), QStringLiteral("P1"));
        GuiFixture::type(form, positionField.toLatin1().constData(), QStringLiteral("Pos. 12b"));

        vb::TForm29 *info = vb::shell::forms().info;
        whenShown(info, [info] { QTest::keyClick(info, Qt::Key_Escape); });
        auto *button = form->findChild<QAbstractButton *>(infoButton);
        QVERIFY(button);
        QTest::mouseClick(button, Qt::LeftButton);
        QApplication::setActiveWindow(form);
        QCoreApplication::processEvents();
        afterInfo = position->text();

        // The error window, opened as any program opens it.
        vb::TForm31 *error = vb::shell::forms().error;
        whenShown(error, [error] { error->accept(); });
        error->exec();
        QApplication::setActiveWindow(form);
        QCoreApplication::processEvents();
        afterError = position->text();
    });
    QCOMPARE(afterInfo, QStringLiteral("Pos. 12b"));
    QCOMPARE(afterError, QStringLiteral("Pos. 12b"));
    QCOMPARE(vb::shell::menuPositionNumber(), QStringLiteral("Pos. 12b"));
}

void TestShell::closeBoxEndsTheRun()
{
    GuiFixture app;
    QSignalSpy ended(app.host(), &vb::TForm1::ended);
    app.menu()->close();
    QCOMPARE(ended.count(), 1);
    QVERIFY(app.host()->runEnded());
}

void TestShell::exitButtonEndsTheRun()
{
    GuiFixture app;
    QTest::mouseClick(qobject_cast<QPushButton *>(child(app.menu(), "Button2")), Qt::LeftButton);
    QVERIFY(app.host()->runEnded());
    QVERIFY(!app.menu()->isVisible());
}

QTEST_MAIN(TestShell)
void TestShell::windowsOpenInsideTheScreen_data()
{
    QTest::addColumn<bool>("laidOut");
    QTest::addColumn<QRect>("placed");
    QTest::addColumn<QSize>("size"); // afterwards; empty: as large as the screen's area allows
    QTest::newRow("a window off the top left comes in")
        << true << QRect(-300, -200, 400, 300) << QSize(400, 300);
    QTest::newRow("a window off the bottom right comes in")
        << true << QRect(5000, 4000, 400, 300) << QSize(400, 300);
    QTest::newRow("a laid-out window larger than the screen shrinks")
        << true << QRect(0, 0, 4000, 3000) << QSize();
    QTest::newRow("a form of fixed places keeps its size, its corner inside")
        << false << QRect(-50, -50, 4000, 3000) << QSize(4000, 3000);
}

void TestShell::windowsOpenInsideTheScreen()
{
    QFETCH(bool, laidOut);
    QFETCH(QRect, placed);
    QFETCH(QSize, size);
    QWidget window;
    if (laidOut)
        (new QVBoxLayout(&window))->addWidget(new QLabel(QStringLiteral("Pos.")));
    window.setGeometry(placed);
    vb::shell::keepOnScreen(&window);
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    QVERIFY(area.contains(window.pos()));
    if (size.isEmpty()) {
        // Room is left for the title bar the window system adds.
        QVERIFY(window.width() <= area.width() && window.height() + 30 <= area.height());
        QVERIFY(window.y() + window.height() + 30 <= area.bottom() + 1);
    } else {
        QCOMPARE(window.size(), size);
        if (size.width() <= area.width())
            QVERIFY(area.contains(window.geometry()));
    }
}

#include "tst_shell.moc"
