#include "formdriver.h"
#include "guifixture.h"

#include "core/langflag.h"
#include "forms/erro1024.h"
#include "forms/fieldstate.h"
#include "forms/pgm71024.h"
#include "programs/pgm51024/pgm51024.h"

#include <QtTest/QtTest>
#include <QtWidgets/QLabel>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QRadioButton>
#include <QtWidgets/QToolButton>

namespace
{
using namespace formtest;

void chooseBs(QWidget *form, bool bs)
{
    form->findChild<QRadioButton *>(bs ? QStringLiteral("RadioButton3") : QStringLiteral("RadioButton4"))
        ->click();
}

// The roof field of the worked examples at a pitch: L1 = 3.0, L2 = 2.5, LS = 1.5, A = B = 1.2,
// g = 0.5, s0 = 0.75, w = 0.8, limits l/200, 15 mm, l/300, 8 mm.
Fields roofField(const QString &pitch)
{
    return {{"Edit6", "3"},   {"Edit3", "2.5"},   {"Edit4", "1.2"}, {"Edit5", "1.2"},  {"Edit2", "1.5"},
            {"Edit1", pitch}, {"Edit9", "200"},   {"Edit10", "15"}, {"Edit14", "300"}, {"Edit16", "8"},
            {"Edit7", "0.5"}, {"Edit13", "0.75"}, {"Edit19", "0.8"}};
}

Fields with(Fields fields, const Fields &changes)
{
    for (const auto &change : changes) {
        const auto it = std::find_if(fields.begin(), fields.end(),
                                     [&](const auto &e) { return e.first == change.first; });
        if (it != fields.end())
            it->second = change.second;
        else
            fields.append(change);
    }
    return fields;
}

// In the order the form writes them: span moment, support moment, I, Wx(f), Wx(S), rafter
// and glass-edge deflection.
const QStringList kResults{"Edit11", "Edit17", "Edit8", "Edit12", "Edit18", "Edit20", "Edit21"};
const QStringList kInputs{"Edit6",  "Edit3",  "Edit4",  "Edit5", "Edit2",  "Edit1", "Edit9",
                          "Edit10", "Edit14", "Edit16", "Edit7", "Edit13", "Edit19"};

QStringList resultTexts(QWidget *form)
{
    QStringList out;
    for (const QString &name : kResults)
        out << text(form, name);
    return out;
}

const QStringList kZero{"0", "0", "0", "0", "0", "0", "0"};
} // namespace

class TestProgramm5 : public QObject
{
    Q_OBJECT

private slots:
    void commaHandler_data();
    void commaHandler();
    void calculation_data();
    void calculation();
    void noLoadWritesNothing_data();
    void noLoadWritesNothing();
    void badInputs_data();
    void badInputs();
    void crossFieldChecksOpenTheErrorWindow_data();
    void crossFieldChecksOpenTheErrorWindow();
    void informationPages_data();
    void informationPages();
    void captionsInBothLanguages_data();
    void captionsInBothLanguages();
    void newInputResetsEverything();
    void tabOrderFollowsTheRows();
    void extremeInputsEndInAMessage();
    // Run on its own under the private CUPS fixture, with a queue and without a printer.
    void printThroughTheDefaultPrinter();
};

void TestProgramm5::commaHandler_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("shown"); // after typing 2,5

    for (const char *name : {"Edit6", "Edit3", "Edit4", "Edit5", "Edit2", "Edit1", "Edit10", "Edit16",
                             "Edit19", "Edit13", "Edit7"})
        QTest::newRow(qPrintable(QStringLiteral("a comma in %1 becomes a point").arg(QLatin1String(name))))
            << name << "2.5";
    QTest::newRow("a comma in the rafter ratio l/ becomes a point") << "Edit9"
                                                                    << "2.5";
    QTest::newRow("a comma in the glass-edge ratio l/ becomes a point") << "Edit14"
                                                                        << "2.5";
    QTest::newRow("a comma in the position number stays") << "Edit15"
                                                          << "2,5";
}

void TestProgramm5::commaHandler()
{
    QFETCH(QString, field);
    QFETCH(QString, shown);
    GuiFixture app;
    app.withProgramOpen(5, [&](QWidget *form) {
        GuiFixture::type(form, field.toLatin1().constData(), QStringLiteral("2,5"));
        QCOMPARE(text(form, field), shown);
    });
}

void TestProgramm5::calculation_data()
{
    QTest::addColumn<bool>("bs");
    QTest::addColumn<Fields>("inputs");
    QTest::addColumn<QStringList>("results"); // Edit11, Edit17, Edit8, Edit12, Edit18, Edit20, Edit21

    QTest::newRow("15 degrees with the DIN rule, typed with commas")
        << false << with(roofField("15"), {{"Edit3", "2,5"}, {"Edit13", "0,75"}})
        << QStringList{"98.3", "-137.5", "62.5", "11.2", "15.6", "15.00", "3.75"};
    QTest::newRow("15 degrees with the BS rule")
        << true << roofField("15") << QStringList{"86.7", "-121.2", "55.1", "9.9", "13.8", "15.00", "3.75"};
    QTest::newRow("35 degrees with the DIN rule halves the snow")
        << false << roofField("35")
        << QStringList{"135.5", "-189.5", "71.0", "15.4", "21.5", "15.00", "3.75"};
    QTest::newRow("50 degrees with the BS rule")
        << true << roofField("50") << QStringList{"116.7", "-163.2", "55.2", "13.3", "18.5", "15.00", "3.75"};
    QTest::newRow("L2 the longer rafter gives the same results")
        << false << with(roofField("35"), {{"Edit6", "2.5"}, {"Edit3", "3"}})
        << QStringList{"135.5", "-189.5", "71.0", "15.4", "21.5", "15.00", "3.75"};
    QTest::newRow("88.9 degrees is accepted")
        << false << roofField("88.9")
        << QStringList{"83.9", "-117.4", "56.6", "9.5", "13.3", "15.00", "3.75"};
    QTest::newRow("a snow text that does not read is emptied and counts as 0")
        << false << with(roofField("40"), {{"Edit7", ""}, {"Edit13", "abc"}, {"Edit19", "0.7"}})
        << QStringList{"72.7", "-101.7", "35.4", "8.3", "11.6", "15.00", "3.75"};
}

void TestProgramm5::calculation()
{
    QFETCH(bool, bs);
    QFETCH(Fields, inputs);
    QFETCH(QStringList, results);
    GuiFixture app;
    app.withProgramOpen(5, [&](QWidget *form) {
        chooseBs(form, bs);
        typeAll(form, inputs);
        click(form, "Button1");
        QCOMPARE(resultTexts(form), results);
        for (const QString &name : kInputs)
            QCOMPARE(state(form, name), vb::FieldState::Normal);
        QVERIFY(!vb::shell::forms().error->anyLineVisible());
        QVERIFY(app.messages.isEmpty());
    });
}

void TestProgramm5::noLoadWritesNothing_data()
{
    QTest::addColumn<bool>("bs");
    QTest::addColumn<Fields>("inputs");

    QTest::newRow("no load at all") << false
                                    << with(roofField("35"), {{"Edit7", ""}, {"Edit13", ""}, {"Edit19", ""}});
    QTest::newRow("only wind below 25 degrees")
        << false << with(roofField("20"), {{"Edit7", "0"}, {"Edit13", ""}, {"Edit19", "0.8"}});
    QTest::newRow("only snow at 75 degrees with the DIN rule")
        << false << with(roofField("75"), {{"Edit7", ""}, {"Edit13", "0.75"}, {"Edit19", ""}});
    QTest::newRow("only snow at 60 degrees with the BS rule")
        << true << with(roofField("60"), {{"Edit7", ""}, {"Edit13", "0.75"}, {"Edit19", ""}});
}

void TestProgramm5::noLoadWritesNothing()
{
    QFETCH(bool, bs);
    QFETCH(Fields, inputs);
    GuiFixture app;
    app.withProgramOpen(5, [&](QWidget *form) {
        chooseBs(form, bs);
        typeAll(form, inputs);
        click(form, "Button1");
        QCOMPARE(resultTexts(form), kZero);
        for (const QString &name : kInputs)
            QCOMPARE(state(form, name), vb::FieldState::Normal);
        QVERIFY(!vb::shell::forms().error->anyLineVisible());
        QVERIFY(app.messages.isEmpty());
    });
}

void TestProgramm5::badInputs_data()
{
    QTest::addColumn<Fields>("inputs");
    QTest::addColumn<QStringList>("red");
    QTest::addColumn<Fields>("after"); // field texts after the check

    const Fields good = roofField("35");
    QTest::newRow("an empty rafter length turns red and shows 0")
        << with(good, {{"Edit6", ""}}) << QStringList{"Edit6"} << Fields{{"Edit6", "0"}};
    QTest::newRow("a trailing blank fails the pane length")
        << with(good, {{"Edit2", "1.5 "}}) << QStringList{"Edit2"} << Fields{{"Edit2", "0"}};
    QTest::newRow("both field widths 0 mark both")
        << with(good, {{"Edit4", "0"}, {"Edit5", "0"}}) << QStringList{"Edit4", "Edit5"}
        << Fields{{"Edit4", "0"}, {"Edit5", "0"}};
    QTest::newRow("a negative field width is marked and kept")
        << with(good, {{"Edit5", "-1"}}) << QStringList{"Edit5"} << Fields{{"Edit5", "-1"}};
    QTest::newRow("a negative pitch turns red and shows 0")
        << with(good, {{"Edit1", "-5"}}) << QStringList{"Edit1"} << Fields{{"Edit1", "0"}};
    QTest::newRow("no usable limit marks and empties all four")
        << with(good, {{"Edit9", "0"}, {"Edit10", "0"}, {"Edit14", ""}, {"Edit16", ""}})
        << QStringList{"Edit9", "Edit10", "Edit14", "Edit16"}
        << Fields{{"Edit9", ""}, {"Edit10", ""}, {"Edit14", ""}, {"Edit16", ""}};
    QTest::newRow("a negative snow load turns red and shows 0")
        << with(good, {{"Edit13", "-0.75"}}) << QStringList{"Edit13"} << Fields{{"Edit13", "0"}};
    QTest::newRow("a negative dead load turns red and shows 0")
        << with(good, {{"Edit7", "-1"}}) << QStringList{"Edit7"} << Fields{{"Edit7", "0"}};
    QTest::newRow("a negative wind load turns red and shows 0")
        << with(good, {{"Edit19", "-0.8"}}) << QStringList{"Edit19"} << Fields{{"Edit19", "0"}};
}

void TestProgramm5::badInputs()
{
    QFETCH(Fields, inputs);
    QFETCH(QStringList, red);
    QFETCH(Fields, after);
    GuiFixture app;
    app.withProgramOpen(5, [&](QWidget *form) {
        // A good calculation first: its results must go back to 0.
        typeAll(form, roofField("35"));
        click(form, "Button1");
        QCOMPARE(text(form, "Edit11"), QStringLiteral("135.5"));
        typeAll(form, inputs);
        click(form, "Button1");
        for (const QString &name : kInputs)
            QCOMPARE(state(form, name) == vb::FieldState::Failed, red.contains(name));
        for (const auto &[name, value] : after)
            QCOMPARE(text(form, name), value);
        QCOMPARE(resultTexts(form), kZero);
        QVERIFY(!vb::shell::forms().error->anyLineVisible());
        QVERIFY(app.messages.isEmpty());
        // Corrected, the fields lose their red at the next calculation.
        typeAll(form, roofField("35"));
        click(form, "Button1");
        for (const QString &name : kInputs)
            QCOMPARE(state(form, name), vb::FieldState::Normal);
        QCOMPARE(text(form, "Edit11"), QStringLiteral("135.5"));
    });
}

void TestProgramm5::crossFieldChecksOpenTheErrorWindow_data()
{
    QTest::addColumn<bool>("english");
    QTest::addColumn<Fields>("inputs");
    QTest::addColumn<QStringList>("lines"); // Label1 … Label4, "-" for a hidden line

    QTest::newRow("LS longer than both rafters shows the third line")
        << false << with(roofField("35"), {{"Edit2", "3.1"}})
        << QStringList{"-", "-", "LS darf nicht größer sein als LP !", "-"};
    QTest::newRow("LS longer than L1 but not than L2 passes the check")
        << false << with(roofField("35"), {{"Edit6", "1"}, {"Edit3", "3"}, {"Edit2", "2"}})
        << QStringList{"-", "-", "-", "-"};
    QTest::newRow("an empty L1 counts as 0, so LS longer than L2 shows the third line")
        << false << with(roofField("35"), {{"Edit6", ""}, {"Edit2", "2.8"}})
        << QStringList{"-", "-", "LS darf nicht größer sein als LP !", "-"};
    QTest::newRow("negative lengths are compared as typed: a pane of -1 is longer than rafters of -3 and -2")
        << false << with(roofField("35"), {{"Edit6", "-3"}, {"Edit3", "-2"}, {"Edit2", "-1"}})
        << QStringList{"-", "-", "LS darf nicht größer sein als LP !", "-"};
    QTest::newRow("a pitch of 89 degrees shows the second line")
        << false << roofField("89")
        << QStringList{"-", "Die Dachneigung muß kleiner sein als 89° !", "-", "-"};
    QTest::newRow("both conditions show both lines")
        << false << with(roofField("89"), {{"Edit2", "3.1"}})
        << QStringList{"-", "Die Dachneigung muß kleiner sein als 89° !",
                       "LS darf nicht größer sein als LP !", "-"};
    QTest::newRow("in English the messages are English")
        << true << with(roofField("90"), {{"Edit2", "3.1"}})
        << QStringList{"-", "Roof pitch has to be smaller than 89° !", "LS has to be smaller than LP !", "-"};
}

void TestProgramm5::crossFieldChecksOpenTheErrorWindow()
{
    QFETCH(bool, english);
    QFETCH(Fields, inputs);
    QFETCH(QStringList, lines);
    GuiFixture app(vb::languageRecord(english));
    vb::TForm31 *error = vb::shell::forms().error;
    const bool expectWindow = lines != QStringList{"-", "-", "-", "-"};
    app.withProgramOpen(5, [&](QWidget *form) {
        bool shown = false;
        QStringList seen;
        QString caption;
        whenShown(error, [&] {
            shown = true;
            caption = error->windowTitle();
            for (int line = 1; line <= 4; ++line)
                seen << (error->isLineVisible(line) ? error->lineText(line) : QStringLiteral("-"));
            QTest::mouseClick(error->findChild<QPushButton *>(QStringLiteral("Button1")), Qt::LeftButton);
        });
        typeAll(form, inputs);
        click(form, "Button1");
        QCOMPARE(shown, expectWindow);
        if (expectWindow) {
            QCOMPARE(seen, lines);
            QCOMPARE(caption, QStringLiteral("Fehler"));
            QCOMPARE(resultTexts(form), kZero);
        } else {
            QVERIFY(text(form, "Edit11") != QStringLiteral("0"));
        }
        QVERIFY(!error->isVisible());
    });
}

void TestProgramm5::informationPages_data()
{
    QTest::addColumn<bool>("english");
    QTest::addColumn<bool>("bs");
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("page");

    QTest::newRow("wind, DIN case, German: DIN first") << false << false << "SpeedButton1" << 6;
    QTest::newRow("wind, BS case, German: BS first") << false << true << "SpeedButton1" << 8;
    QTest::newRow("wind, DIN case, English: DIN first") << true << false << "SpeedButton1" << 4;
    QTest::newRow("wind, BS case, English: BS first") << true << true << "SpeedButton1" << 3;
    QTest::newRow("snow, DIN case, German") << false << false << "SpeedButton2" << 7;
    QTest::newRow("snow, BS case, German") << false << true << "SpeedButton2" << 9;
    QTest::newRow("snow, DIN case, English") << true << false << "SpeedButton2" << 5;
    QTest::newRow("snow, BS case, English") << true << true << "SpeedButton2" << 1;
    QTest::newRow("DIN superposition in German, whatever the case") << false << true << "SpeedButton3" << 13;
    QTest::newRow("DIN superposition in English") << true << false << "SpeedButton3" << 14;
    QTest::newRow("BS superposition in German, whatever the case") << false << false << "SpeedButton4" << 15;
    QTest::newRow("BS superposition in English") << true << true << "SpeedButton4" << 16;
}

void TestProgramm5::informationPages()
{
    QFETCH(bool, english);
    QFETCH(bool, bs);
    QFETCH(QString, button);
    QFETCH(int, page);
    GuiFixture app(vb::languageRecord(english));
    vb::TForm29 *info = vb::shell::forms().info;
    app.withProgramOpen(5, [&](QWidget *form) {
        chooseBs(form, bs);
        int shownPage = 0;
        QPoint place;
        whenShown(info, [&] {
            shownPage = info->visiblePage();
            place = info->pos();
            info->close();
        });
        click(form, button.toLatin1().constData());
        QCOMPARE(shownPage, page);
        QCOMPARE(place, form->pos());
        QVERIFY(!info->isVisible());
    });
}

void TestProgramm5::captionsInBothLanguages_data()
{
    QTest::addColumn<bool>("english");
    QTest::addColumn<Fields>("captions");

    QTest::newRow("German")
        << false
        << Fields{
               {"Label17", "Schräge Konstruktion / Schrägdach, Zweifeldträger (LF Eigenlast, Wind, Schnee)"},
               {"Label8", "Zulässige Durchbiegung des Pfostens"},
               {"Label7", "Dachneigung       [Grad °]"},
               {"Label28", "Dachneigung: 0 - 88°"},
               {"RadioButton3", "Lastfall: gleichmäßige Streckenlast aus Eigengewicht, Wind, Schnee"},
               {"Label45", "s  [kN/m²]"},
               {"Button1", "Berechnung"},
               {"Label27", "Pos.-/Auftragsnummer:"}};
    QTest::newRow("English")
        << true
        << Fields{{"Label17",
                   "Overhead construction / roof construction, mullion as two-span beam (permanent load, "
                   "wind, snow)"},
                  {"Label8", "allowed deflection of rafter"},
                  {"Label7", "roof pitch           °"},
                  {"Label16", "the rafter has to be led bending resistant across the middle bearing."},
                  {"RadioButton4",
                   "Loading case: load resulting from permanent load, wind, snow (DIN 1055-4: 1975-06)"},
                  {"Label14", "permanent load g [kN/m²]"},
                  {"Label24", "or max."},
                  {"Label45", "s  [kN/m²]"},
                  {"Button3", "Reset input"},
                  {"Label27", "Pos-/Contract number :"}};
}

void TestProgramm5::captionsInBothLanguages()
{
    QFETCH(bool, english);
    QFETCH(Fields, captions);
    GuiFixture app(vb::languageRecord(english));
    app.withProgramOpen(5, [&](QWidget *form) {
        QCOMPARE(form->windowTitle(), QStringLiteral("Programm 5"));
        for (const auto &[name, caption] : captions)
            QCOMPARE(GuiFixture::textOf(form, name.toLatin1().constData()), caption);
        QVERIFY(!form->findChild<QWidget *>(QStringLiteral("Image1"))->isHidden());
        QVERIFY(!form->findChild<QWidget *>(QStringLiteral("Image2"))->isHidden());
    });
}

void TestProgramm5::newInputResetsEverything()
{
    GuiFixture app;
    app.withProgramOpen(5, [&](QWidget *form) {
        chooseBs(form, true);
        typeAll(form, with(roofField("35"), {{"Edit6", ""},
                                             {"Edit9", "x"},
                                             {"Edit10", ""},
                                             {"Edit14", ""},
                                             {"Edit16", ""},
                                             {"Edit13", "-1"}}));
        GuiFixture::type(form, "Edit15", QStringLiteral("Pos 7"));
        click(form, "Button1");
        click(form, "Button3");
        QStringList zeros = kResults;
        zeros << QStringList{"Edit1", "Edit2", "Edit3", "Edit4", "Edit5", "Edit6"};
        for (const QString &name : zeros)
            QCOMPARE(text(form, name), QStringLiteral("0"));
        for (const QString &name :
             QStringList{"Edit7", "Edit13", "Edit19", "Edit9", "Edit10", "Edit14", "Edit16"})
            QCOMPARE(text(form, name), QString());
        for (const QString &name : zeros + kInputs)
            QCOMPARE(state(form, name), vb::FieldState::Normal);
        QCOMPARE(text(form, "Edit15"), QStringLiteral("Pos 7"));
        QVERIFY(static_cast<vb::TForm27 *>(form)->bsLoadCase());
    });
    // The load case survives closing and reopening the form.
    app.withProgramOpen(5, [&](QWidget *form) {
        QVERIFY(static_cast<vb::TForm27 *>(form)->bsLoadCase());
        chooseBs(form, false);
    });
}

void TestProgramm5::tabOrderFollowsTheRows()
{
    GuiFixture app;
    app.withProgramOpen(5, [&](QWidget *form) {
        form->activateWindow();
        GuiFixture::field(form, "Edit6")->setFocus();
        QStringList order{QStringLiteral("Edit6")};
        for (int k = 0; k < 16; ++k) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            order << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(order, (QStringList{"Edit6", "Edit3", "Edit4", "Edit5", "Edit2", "Edit1", "Edit9", "Edit10",
                                     "Edit14", "Edit16", "Edit19", "Edit13", "Edit7", "Button1", "Button4",
                                     "Button3", "Button2"}));
        // The position number follows the command buttons; the result fields never take the focus.
        QStringList rest;
        for (int k = 0; k < 4; ++k) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            rest << QApplication::focusWidget()->objectName();
        }
        QVERIFY2(rest.contains(QStringLiteral("Edit15")), qPrintable(rest.join(u',')));
        for (const QString &name : kResults)
            QVERIFY(!rest.contains(name) && !order.contains(name));
    });
}

void TestProgramm5::extremeInputsEndInAMessage()
{
    GuiFixture app;
    app.withProgramOpen(5, [&](QWidget *form) {
        typeAll(form, with(roofField("35"), {{"Edit7", "1e306"}}));
        click(form, "Button1");
        QCOMPARE(app.messages.size(), 1);
        QCOMPARE(app.messages.first().text, QStringLiteral("Gleitkommaüberlauf"));
        QCOMPARE(resultTexts(form), kZero);
    });
}

void TestProgramm5::printThroughTheDefaultPrinter()
{
    const QString reason = cupsfixture::skipReason();
    if (!reason.isEmpty())
        QSKIP(qPrintable(reason));
    GuiFixture app;
    qobject_cast<QLineEdit *>(app.menu()->findChild<QWidget *>(QStringLiteral("Edit1")))
        ->setText(QStringLiteral("Wintergarten Ost"));
    QString sheet;
    QStringList before;
    QStringList after;
    app.withProgramOpen(5, [&](QWidget *form) {
        chooseBs(form, true);
        typeAll(form, with(roofField("35"), {{"Edit6", "2.5"}, {"Edit3", "3"}}));
        click(form, "Button1");
        GuiFixture::type(form, "Edit15", QStringLiteral("Pos. 55"));
        for (QLineEdit *edit : form->findChildren<QLineEdit *>())
            before << edit->objectName() + QLatin1Char('=') + edit->text();
        const QStringList jobs = cupsfixture::storedJobs();
        click(form, "Button4");
        if (cupsfixture::withQueue())
            sheet = cupsfixture::words(cupsfixture::nextJobText(jobs));
        for (QLineEdit *edit : form->findChildren<QLineEdit *>())
            after << edit->objectName() + QLatin1Char('=') + edit->text();
        chooseBs(form, false);
    });
    QCOMPARE(after, before);
    QCOMPARE(vb::shell::menuPositionNumber(), QStringLiteral("Pos. 55"));
    if (!cupsfixture::withQueue()) {
        QCOMPARE(app.messages.size(), 1);
        QCOMPARE(app.messages[0].caption, QStringLiteral("Access Violation"));
        QCOMPARE(app.messages[0].icon, QMessageBox::Critical);
        QCOMPARE(app.messages[0].text,
                 QStringLiteral("Bitte installieren Sie\neinen Drucker, um den\nDruckvorgang auszuführen."));
        QVERIFY(cupsfixture::storedJobs().isEmpty());
        return;
    }
    QVERIFY2(!sheet.isEmpty(), "no job stored");
    QVERIFY(app.messages.isEmpty());
    for (const QString &expected :
         {QStringLiteral("Projekt : Wintergarten Ost"), QStringLiteral("Pos. 55"),
          QStringLiteral("Schräge Konstruktion (Schrägdach), Zweifeldträger"),
          QStringLiteral(
              "Lastfall: gleichmäßige Streckenlast aus Eigengewicht, Wind, Schnee nach BS 6399-2:1998"),
          QStringLiteral("Sparrenlänge der Dachfl. L1 2.5 m"),
          QStringLiteral("Sparrenlänge der Dachfl. L2 3 m"), QStringLiteral("35 ° (Grad)"),
          QStringLiteral("Schneelast"), QStringLiteral("0.75 kN/m²"), QStringLiteral("131.1 kNcm"),
          QStringLiteral("-183.4 kNcm"), QStringLiteral("68.6"),
          QStringLiteral("Durchbiegung der Scheibenkante 3.75 mm"),
          QStringLiteral("Die Berechnung ersetzt keine prüfbare Statik.")})
        QVERIFY2(sheet.contains(expected), qPrintable(expected + QStringLiteral(" in: ") + sheet));
}

QTEST_MAIN(TestProgramm5)
#include "tst_programm5.moc"
