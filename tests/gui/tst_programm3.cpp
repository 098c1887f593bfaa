#include "formdriver.h"
#include "guifixture.h"

#include "core/langflag.h"
#include "forms/erro1024.h"
#include "forms/fieldstate.h"
#include "forms/pgm71024.h"

#include <QtTest/QtTest>
#include <QtWidgets/QLabel>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QRadioButton>
#include <QtWidgets/QToolButton>

namespace
{
using namespace formtest;

void chooseBritish(QWidget *form, bool british)
{
    form->findChild<QRadioButton *>(british ? QStringLiteral("RadioButton3") : QStringLiteral("RadioButton4"))
        ->click();
}

// Presses "Berechnung"; when the error window opens, notes its visible lines (line number and
// text) and closes it. The watch ends with the press, so it cannot catch a later window.
QStringList calculate(QWidget *form)
{
    vb::TForm31 *error = vb::shell::forms().error;
    QStringList lines;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, error, [&] {
        if (!error->isVisible())
            return;
        watch.stop();
        for (int line = 1; line <= 4; ++line) {
            if (error->isLineVisible(line))
                lines << QStringLiteral("%1: %2").arg(line).arg(error->lineText(line));
        }
        error->close();
    });
    watch.start(5);
    click(form, "Button1");
    return lines;
}

// The worked rafter: LP 4, A = B = 1, LS 2, l/200 for the rafter, 8 mm for the pane edge,
// g 0.5, s0 0.75, w 0.5; rows change what they need.
Fields worked(const Fields &changes)
{
    Fields f{{"Edit6", "4"},   {"Edit4", "1"},  {"Edit5", "1"},   {"Edit2", "2"},     {"Edit1", "0"},
             {"Edit3", "200"}, {"Edit14", "8"}, {"Edit7", "0.5"}, {"Edit13", "0.75"}, {"Edit15", "0.5"}};
    for (const auto &change : changes) {
        auto it = std::find_if(f.begin(), f.end(), [&](const auto &e) { return e.first == change.first; });
        if (it != f.end())
            it->second = change.second;
        else
            f.append(change);
    }
    return f;
}

const char *const kResults[] = {"Edit16", "Edit18", "Edit8", "Edit11", "Edit12"};
const QStringList kInputs{"Edit6", "Edit4",  "Edit5",  "Edit2", "Edit1",  "Edit3",
                          "Edit9", "Edit10", "Edit14", "Edit7", "Edit13", "Edit15"};
const QString kLsLine = QStringLiteral("3: LS darf nicht größer sein als LP !");
const QString kPitchLine = QStringLiteral("2: Die Dachneigung muß kleiner sein als 89° !");
} // namespace

class TestProgramm3 : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { m_app.reset(); }

    void commaHandler_data();
    void commaHandler();
    void calculation_data();
    void calculation();
    void checks_data();
    void checks();
    void englishCaptionsAndMessages();
    void newInputResetsAndKeepsTheOption();
    void informationPages_data();
    void informationPages();
    void extremeInputsEndInAMessage();
    // Run on its own under the private CUPS fixture, with a queue and without a printer.
    void printThroughTheDefaultPrinter();

private:
    GuiFixture &app(bool english = false)
    {
        m_app = std::make_unique<GuiFixture>(english ? vb::languageRecord(true) : QByteArray());
        return *m_app;
    }
    std::unique_ptr<GuiFixture> m_app;
};

void TestProgramm3::commaHandler_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("shown"); // after typing 2,5
    for (const char *name : {"Edit6", "Edit4", "Edit5", "Edit2", "Edit1", "Edit3", "Edit9", "Edit10",
                             "Edit14", "Edit7", "Edit13", "Edit15"})
        QTest::newRow(qPrintable(QStringLiteral("a comma typed into %1 becomes a point").arg(name)))
            << name << "2.5";
    QTest::newRow("a comma typed into the position number stays a comma") << "Edit17"
                                                                          << "2,5";
}

void TestProgramm3::commaHandler()
{
    QFETCH(QString, field);
    QFETCH(QString, shown);
    app().withProgramOpen(3, [&](QWidget *form) {
        GuiFixture::type(form, field.toLatin1().constData(), QStringLiteral("2,5"));
        QCOMPARE(text(form, field), shown);
    });
}

void TestProgramm3::calculation_data()
{
    QTest::addColumn<bool>("british");
    QTest::addColumn<Fields>("inputs");
    QTest::addColumn<QStringList>("results"); // Edit16, Edit18, Edit8, Edit11, Edit12

    QTest::newRow("a flat roof, typed with commas") << false << worked({{"Edit7", "0,5"}, {"Edit13", "0,75"}})
                                                    << QStringList{"20.00", "5.00", "297.6", "250.0", "28.4"};
    QTest::newRow("15 degrees under the British snow rule")
        << true << worked({{"Edit1", "15"}}) << QStringList{"20.00", "5.00", "239.8", "208.6", "23.7"};
    QTest::newRow("28 degrees halves the wind")
        << false << worked({{"Edit1", "28"}}) << QStringList{"20.00", "5.00", "318.7", "267.7", "30.4"};
    QTest::newRow("40 degrees under the British snow rule")
        << true << worked({{"Edit1", "40"}}) << QStringList{"20.00", "5.00", "221.5", "186.1", "21.1"};
    QTest::newRow("all four limits at 30 degrees")
        << false << Fields{{"Edit6", "3"},  {"Edit4", "1,2"}, {"Edit5", "1,2"},   {"Edit2", "1,5"},
                           {"Edit1", "30"}, {"Edit3", "200"}, {"Edit9", "15"},    {"Edit10", "300"},
                           {"Edit14", "8"}, {"Edit7", "0.5"}, {"Edit13", "0.75"}, {"Edit15", "0.6"}}
        << QStringList{"15.00", "3.75", "165.2", "185.0", "21.0"};
    QTest::newRow("a pitch of 88.9 degrees passes")
        << false << worked({{"Edit1", "88.9"}}) << QStringList{"20.00", "5.00", "151.1", "126.9", "14.4"};
    QTest::newRow("LS equal to LP passes")
        << false << worked({{"Edit2", "4"}, {"Edit3", ""}, {"Edit10", "300"}, {"Edit14", ""}})
        << QStringList{"13.33", "13.33", "446.4", "250.0", "28.4"};
    QTest::newRow("empty loads give zero results and the deflections")
        << false << worked({{"Edit7", ""}, {"Edit13", ""}, {"Edit15", ""}})
        << QStringList{"20.00", "5.00", "0.0", "0.0", "0.0"};
    QTest::newRow("a dead load that does not read counts as 0")
        << false << worked({{"Edit7", "abc"}, {"Edit13", ""}, {"Edit15", ""}})
        << QStringList{"20.00", "5.00", "0.0", "0.0", "0.0"};
    QTest::newRow("a rafter maximum typed with a comma reads and governs beside the ratio")
        << false << worked({{"Edit9", "12,5"}}) << QStringList{"12.50", "3.13", "476.2", "250.0", "28.4"};
    QTest::newRow("a rafter ratio of 0 counts as not given beside a maximum")
        << false << worked({{"Edit3", "0"}, {"Edit14", ""}, {"Edit9", "12"}})
        << QStringList{"12.00", "3.00", "496.0", "250.0", "28.4"};
}

void TestProgramm3::calculation()
{
    QFETCH(bool, british);
    QFETCH(Fields, inputs);
    QFETCH(QStringList, results);
    GuiFixture &a = app();
    a.withProgramOpen(3, [&](QWidget *form) {
        chooseBritish(form, british);
        typeAll(form, inputs);
        QCOMPARE(calculate(form), QStringList());
        QStringList actual;
        for (const char *name : kResults)
            actual << text(form, name);
        QCOMPARE(actual, results);
        for (const QString &name : kInputs)
            QCOMPARE(state(form, name), vb::FieldState::Normal);
        if (QTest::currentDataTag() == QByteArrayLiteral("a dead load that does not read counts as 0"))
            QCOMPARE(text(form, "Edit7"), QString());
        QVERIFY(a.messages.isEmpty());
        chooseBritish(form, false);
    });
}

void TestProgramm3::checks_data()
{
    QTest::addColumn<Fields>("inputs");
    QTest::addColumn<QStringList>("red");
    QTest::addColumn<Fields>("after");      // field texts after the check
    QTest::addColumn<QStringList>("lines"); // error-window lines shown

    QTest::newRow("an empty rafter length turns red, reads 0 and is shorter than the pane")
        << worked({{"Edit6", ""}}) << QStringList{"Edit6"} << Fields{{"Edit6", "0"}} << QStringList{kLsLine};
    QTest::newRow("a negative rafter length is compared as typed: a pane of -1 is longer than a rafter of -3")
        << worked({{"Edit6", "-3"}, {"Edit2", "-1"}}) << QStringList{"Edit6", "Edit2"}
        << Fields{{"Edit6", "0"}, {"Edit2", "0"}} << QStringList{kLsLine};
    QTest::newRow("a trailing blank fails the pane length")
        << worked({{"Edit2", "2 "}}) << QStringList{"Edit2"} << Fields{{"Edit2", "0"}} << QStringList();
    QTest::newRow("both widths 0 mark both widths")
        << worked({{"Edit4", "0"}, {"Edit5", "0"}}) << QStringList{"Edit4", "Edit5"}
        << Fields{{"Edit4", "0"}, {"Edit5", "0"}} << QStringList();
    QTest::newRow("a negative width is marked and kept")
        << worked({{"Edit4", "-1"}}) << QStringList{"Edit4"} << Fields{{"Edit4", "-1"}} << QStringList();
    QTest::newRow("a negative pitch turns red and reads 0")
        << worked({{"Edit1", "-5"}}) << QStringList{"Edit1"} << Fields{{"Edit1", "0"}} << QStringList();
    QTest::newRow("a rafter maximum that does not read fails beside a usable ratio")
        << worked({{"Edit9", "12.5 mm"}}) << QStringList{"Edit9"} << Fields{{"Edit9", ""}, {"Edit3", "200"}}
        << QStringList();
    QTest::newRow("limits of 0 count as not given and fail the group")
        << worked({{"Edit3", "0"}, {"Edit9", "0"}, {"Edit10", "0"}, {"Edit14", "0"}})
        << QStringList{"Edit3", "Edit9", "Edit10", "Edit14"}
        << Fields{{"Edit3", ""}, {"Edit9", ""}, {"Edit10", ""}, {"Edit14", ""}} << QStringList();
    QTest::newRow("a negative wind load turns red and reads 0")
        << worked({{"Edit15", "-0.5"}}) << QStringList{"Edit15"} << Fields{{"Edit15", "0"}} << QStringList();
    QTest::newRow("a negative snow load turns red and reads 0")
        << worked({{"Edit13", "-1"}}) << QStringList{"Edit13"} << Fields{{"Edit13", "0"}} << QStringList();
    QTest::newRow("LS longer than LP shows its line and marks nothing")
        << worked({{"Edit2", "4.5"}}) << QStringList() << Fields{{"Edit2", "4.5"}} << QStringList{kLsLine};
    QTest::newRow("a pitch of 89 degrees shows its line")
        << worked({{"Edit1", "89"}}) << QStringList() << Fields{{"Edit1", "89"}} << QStringList{kPitchLine};
    QTest::newRow("LS longer than LP at 89 degrees shows both lines")
        << worked({{"Edit2", "4.5"}, {"Edit1", "89"}}) << QStringList() << Fields()
        << QStringList{kPitchLine, kLsLine};
    QTest::newRow("a field failure and a cross-field line together")
        << worked({{"Edit13", "-1"}, {"Edit1", "90"}}) << QStringList{"Edit13"} << Fields{{"Edit13", "0"}}
        << QStringList{kPitchLine};
}

void TestProgramm3::checks()
{
    QFETCH(Fields, inputs);
    QFETCH(QStringList, red);
    QFETCH(Fields, after);
    QFETCH(QStringList, lines);
    GuiFixture &a = app();
    a.withProgramOpen(3, [&](QWidget *form) {
        // Results of an earlier calculation must go back to 0, and a red mark of an earlier
        // failure must go when the field is right now.
        typeAll(form, worked({{"Edit4", "0"}, {"Edit5", "0"}}));
        QCOMPARE(calculate(form), QStringList());
        QCOMPARE(state(form, "Edit4"), vb::FieldState::Failed);
        GuiFixture::field(form, "Edit11")->setText(QStringLiteral("99.9"));
        typeAll(form, inputs);
        QCOMPARE(calculate(form), lines);
        for (const QString &name : kInputs)
            QVERIFY2((state(form, name) == vb::FieldState::Failed) == red.contains(name), qPrintable(name));
        for (const auto &[name, value] : after)
            QCOMPARE(text(form, name), value);
        for (const char *name : kResults)
            QCOMPARE(text(form, name), QStringLiteral("0"));
        QVERIFY(!vb::shell::forms().error->isVisible());
        QVERIFY(a.messages.isEmpty());
    });
}

void TestProgramm3::englishCaptionsAndMessages()
{
    GuiFixture &a = app(true);
    a.withProgramOpen(3, [&](QWidget *form) {
        QCOMPARE(GuiFixture::textOf(form, "Label17"),
                 QStringLiteral("Overhead construction / roof construction"));
        QCOMPARE(GuiFixture::textOf(form, "RadioButton4"),
                 QStringLiteral(
                     "Loading case: load resulting from permanent load, wind, snow (DIN 1055-4:1975-06)"));
        QCOMPARE(GuiFixture::textOf(form, "Label28"), QStringLiteral("Requirement"));
        QCOMPARE(GuiFixture::textOf(form, "Label7"), QStringLiteral("roof pitch           [degree]"));
        QCOMPARE(GuiFixture::textOf(form, "Label29"), QStringLiteral("Pos-/Contract number :"));
        QCOMPARE(GuiFixture::textOf(form, "Button3"), QStringLiteral("Reset input"));
        typeAll(form, worked({{"Edit2", "4.5"}, {"Edit1", "89"}}));
        QCOMPARE(calculate(form), (QStringList{QStringLiteral("2: Roof pitch has to be smaller than 89° !"),
                                               QStringLiteral("3: LS has to be smaller than LP !")}));
        QCOMPARE(vb::shell::forms().error->windowTitle(), QStringLiteral("Fehler"));
    });
    // Back in German the same form shows its German texts.
    GuiFixture::press(a.menu(), "Button8");
    a.withProgramOpen(3, [&](QWidget *form) {
        QCOMPARE(GuiFixture::textOf(form, "Label17"), QStringLiteral("Schräge Konstruktion / Schrägdach"));
        QCOMPARE(GuiFixture::textOf(form, "Label16"), QStringLiteral("Dachneigung: 0 - 88°"));
        QCOMPARE(GuiFixture::textOf(form, "Button1"), QStringLiteral("Berechnung"));
    });
}

void TestProgramm3::newInputResetsAndKeepsTheOption()
{
    GuiFixture &a = app();
    vb::shell::setMenuPositionNumber(QStringLiteral("P-3"));
    a.withProgramOpen(3, [&](QWidget *form) {
        chooseBritish(form, true);
        typeAll(form,
                worked({{"Edit6", ""}, {"Edit4", "0"}, {"Edit5", "0"}, {"Edit9", "12"}, {"Edit10", "300"}}));
        calculate(form);
        GuiFixture::field(form, "Edit16")->setText(QStringLiteral("1.00"));
        click(form, "Button3");
        const Fields expected{{"Edit1", "0"},  {"Edit2", "0"},   {"Edit4", "0"},  {"Edit5", "0"},
                              {"Edit6", "0"},  {"Edit3", ""},    {"Edit7", ""},   {"Edit9", ""},
                              {"Edit10", ""},  {"Edit13", ""},   {"Edit14", ""},  {"Edit15", ""},
                              {"Edit8", "0"},  {"Edit11", "0"},  {"Edit12", "0"}, {"Edit16", "0"},
                              {"Edit18", "0"}, {"Edit17", "P-3"}};
        for (const auto &[name, value] : expected) {
            QCOMPARE(text(form, name), value);
            QCOMPARE(state(form, name), vb::FieldState::Normal);
        }
        QVERIFY(form->findChild<QRadioButton *>(QStringLiteral("RadioButton3"))->isChecked());
        GuiFixture::type(form, "Edit6", QStringLiteral("4"));
    });
    // Closing resets the inputs, keeps the snow rule and carries the number back.
    a.withProgramOpen(3, [&](QWidget *form) {
        QCOMPARE(text(form, "Edit6"), QStringLiteral("0"));
        QVERIFY(form->findChild<QRadioButton *>(QStringLiteral("RadioButton3"))->isChecked());
        QCOMPARE(text(form, "Edit17"), QStringLiteral("P-3"));
        chooseBritish(form, false);
    });
}

void TestProgramm3::informationPages_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<bool>("british");
    QTest::addColumn<bool>("english");
    QTest::addColumn<int>("page");

    const struct {
        const char *button;
        const char *subject;
        int pages[4]; // DIN German, DIN English, BS German, BS English
    } table[] = {
        {"SpeedButton1", "wind", {6, 4, 8, 3}},
        {"SpeedButton2", "snow", {7, 5, 9, 1}},
        {"SpeedButton3", "German superposition", {13, 14, 13, 14}},
        {"SpeedButton4", "British superposition", {15, 16, 15, 16}},
    };
    for (const auto &row : table) {
        for (int i = 0; i < 4; ++i) {
            const bool british = i >= 2;
            const bool english = i % 2 == 1;
            QTest::newRow(qPrintable(QStringLiteral("the %1 button under the %2 rule in %3 opens page %4")
                                         .arg(QLatin1String(row.subject), british ? "British" : "German",
                                              english ? "English" : "German")
                                         .arg(row.pages[i])))
                << QString::fromLatin1(row.button) << british << english << row.pages[i];
        }
    }
}

void TestProgramm3::informationPages()
{
    QFETCH(QString, button);
    QFETCH(bool, british);
    QFETCH(bool, english);
    QFETCH(int, page);
    GuiFixture &a = app(english);
    a.withProgramOpen(3, [&](QWidget *form) {
        chooseBritish(form, british);
        vb::TForm29 *info = vb::shell::forms().info;
        int shown = 0;
        QPoint place;
        QTimer watch;
        QObject::connect(&watch, &QTimer::timeout, info, [&] {
            if (!info->isVisible())
                return;
            watch.stop();
            shown = info->visiblePage();
            place = info->pos();
            info->close();
        });
        watch.start(5);
        form->findChild<QToolButton *>(button)->click();
        QCOMPARE(shown, page);
        QCOMPARE(place, form->pos());
        chooseBritish(form, false);
    });
}

void TestProgramm3::extremeInputsEndInAMessage()
{
    GuiFixture &a = app();
    a.withProgramOpen(3, [&](QWidget *form) {
        typeAll(form, worked({{"Edit6", "1e300"}, {"Edit2", "1e300"}, {"Edit1", "30"}}));
        QCOMPARE(calculate(form), QStringList());
        QCOMPARE(a.messages.size(), 1);
        QCOMPARE(a.messages.first().text, QStringLiteral("Gleitkommaüberlauf"));
        for (const char *name : kResults)
            QCOMPARE(text(form, name), QStringLiteral("0"));
    });
}

void TestProgramm3::printThroughTheDefaultPrinter()
{
    const QString reason = cupsfixture::skipReason();
    if (!reason.isEmpty())
        QSKIP(qPrintable(reason));
    GuiFixture &a = app();
    a.menu()->findChild<QLineEdit *>(QStringLiteral("Edit1"))->setText(QStringLiteral("Wintergarten Ost"));
    QString sheet;
    QStringList before;
    QStringList after;
    a.withProgramOpen(3, [&](QWidget *form) {
        typeAll(form, worked({}));
        calculate(form);
        GuiFixture::type(form, "Edit17", QStringLiteral("Pos. 31"));
        for (QLineEdit *edit : form->findChildren<QLineEdit *>())
            before << edit->objectName() + QLatin1Char('=') + edit->text();
        const QStringList jobs = cupsfixture::storedJobs();
        click(form, "Button4");
        if (cupsfixture::withQueue())
            sheet = cupsfixture::words(cupsfixture::nextJobText(jobs));
        for (QLineEdit *edit : form->findChildren<QLineEdit *>())
            after << edit->objectName() + QLatin1Char('=') + edit->text();
    });
    QCOMPARE(vb::shell::menuPositionNumber(), QStringLiteral("Pos. 31"));
    QCOMPARE(after, before);
    if (!cupsfixture::withQueue()) {
        QCOMPARE(a.messages.size(), 1);
        QCOMPARE(a.messages[0].caption, QStringLiteral("Access Violation"));
        QCOMPARE(a.messages[0].icon, QMessageBox::Critical);
        QCOMPARE(a.messages[0].text,
                 QStringLiteral("Bitte installieren Sie\neinen Drucker, um den\nDruckvorgang auszuführen."));
        QVERIFY(cupsfixture::storedJobs().isEmpty());
        return;
    }
    QVERIFY2(!sheet.isEmpty(), "no job stored");
    QVERIFY(a.messages.isEmpty());
    for (const QString &expected :
         {QStringLiteral("Projekt : Wintergarten Ost"), QStringLiteral("Pos. 31"),
          QStringLiteral("Statische Vorbemessung"), QStringLiteral("Schräge Konstruktion (Schrägdach)"),
          QStringLiteral(
              "Lastfall: gleichmäßige Streckenlast aus Eigengewicht, Wind, Schnee nach DIN 1055T4"),
          QStringLiteral("Sparrenlänge der Dachfläche 4 m"), QStringLiteral("Länge größte Scheibe LS 2 m"),
          QStringLiteral("Windlast w 0.5 kN/m²"), QStringLiteral("Max. Feldmoment"),
          QStringLiteral("250.0 kNcm"), QStringLiteral("297.6"),
          QStringLiteral("Durchbiegung der Konstruktion 20.00 mm"),
          QStringLiteral("Durchbiegung der Scheibenkante 5.00 mm"),
          QStringLiteral("Werkstoff: Aluminium EN AW6060 T66")})
        QVERIFY2(sheet.contains(expected), qPrintable(expected + QStringLiteral(" in: ") + sheet));
}

QTEST_MAIN(TestProgramm3)
#include "tst_programm3.moc"
