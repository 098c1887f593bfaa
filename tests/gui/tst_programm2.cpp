#include "formdriver.h"
#include "guifixture.h"

#include "core/langflag.h"
#include "forms/erro1024.h"
#include "forms/fieldstate.h"
#include "forms/pgm71024.h"

#include <QtTest/QtTest>
#include <QtWidgets/QAbstractButton>
#include <QtWidgets/QLabel>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QPushButton>

namespace
{
using namespace formtest;

// The worked example: a 3 m mullion between fields of 1.2 m, l/200 or at most 15 mm, the
// barrier load 1 kN/m at 1 m above the support.
const Fields kExample{{"Edit1", "3"},  {"Edit2", "1.2"}, {"Edit3", "1.2"}, {"Edit5", "200"},
                      {"Edit6", "15"}, {"Edit7", "1"},   {"Edit14", "1"}};

Fields with(const Fields &changes)
{
    Fields f = kExample;
    for (const auto &change : changes) {
        const auto it =
            std::find_if(f.begin(), f.end(), [&](const auto &e) { return e.first == change.first; });
        if (it != f.end())
            it->second = change.second;
        else
            f.append(change);
    }
    return f;
}

const QStringList kResults{"Edit11", "Edit12", "Edit8", "Edit10"};
const QStringList kInputs{"Edit1", "Edit2", "Edit3", "Edit5", "Edit6", "Edit7", "Edit14"};

QStringList results(QWidget *form)
{
    QStringList shown;
    for (const QString &name : kResults)
        shown << text(form, name);
    return shown;
}
} // namespace

class TestProgramm2 : public QObject
{
    Q_OBJECT

private slots:
    void commaHandler_data();
    void commaHandler();
    void calculation_data();
    void calculation();
    void badInputs_data();
    void badInputs();
    void correctedFieldLosesRed();
    void newInputResetsEverything();
    void extremeInputsEndInAMessage_data();
    void extremeInputsEndInAMessage();
    void captions_data();
    void captions();
    void informationPage_data();
    void informationPage();
    void tabOrderSkipsTheResults();
    // Run on its own under the private CUPS fixture, with a queue and without a printer.
    void printThroughTheDefaultPrinter();
};

void TestProgramm2::commaHandler_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::newRow("a comma in the mullion length becomes a point") << "Edit1"
                                                                   << "3,5"
                                                                   << "3.5";
    QTest::newRow("a comma in field width A becomes a point") << "Edit2"
                                                              << "1,2"
                                                              << "1.2";
    QTest::newRow("a comma in field width B becomes a point") << "Edit3"
                                                              << "1,35"
                                                              << "1.35";
    QTest::newRow("a comma in the maximum deflection becomes a point") << "Edit6"
                                                                       << "7,5"
                                                                       << "7.5";
    QTest::newRow("a comma in the load height becomes a point") << "Edit7"
                                                                << "1,1"
                                                                << "1.1";
    QTest::newRow("a comma in the barrier load becomes a point") << "Edit14"
                                                                 << "0,5"
                                                                 << "0.5";
    QTest::newRow("a comma in the l/ field becomes a point") << "Edit5"
                                                             << "2,5"
                                                             << "2.5";
    QTest::newRow("a comma in the position number stays") << "Edit13"
                                                          << "1,2"
                                                          << "1,2";
}

void TestProgramm2::commaHandler()
{
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    GuiFixture app;
    app.withProgramOpen(2, [&](QWidget *form) {
        GuiFixture::type(form, field.toLatin1().constData(), typed);
        QCOMPARE(text(form, field), shown);
    });
}

void TestProgramm2::calculation_data()
{
    QTest::addColumn<Fields>("inputs");
    QTest::addColumn<QStringList>("shown"); // Edit11, Edit12, Edit8, Edit10

    QTest::newRow("the worked example, widths typed with commas")
        << with({{"Edit2", "1,2"}, {"Edit3", "1,2"}}) << QStringList{"80.0", "9.1", "55.3", "15.00"};
    QTest::newRow("a load height typed with a comma at mid-height")
        << with({{"Edit7", "1,5"}}) << QStringList{"90.0", "10.2", "64.3", "15.00"};
    QTest::newRow("only the 10 mm maximum given")
        << with({{"Edit5", ""}, {"Edit6", "10"}}) << QStringList{"80.0", "9.1", "82.9", "10.00"};
    QTest::newRow("a comma in the l/ field counts as no ratio; the maximum governs alone")
        << with({{"Edit5", "2,5"}, {"Edit6", "10"}}) << QStringList{"80.0", "9.1", "82.9", "10.00"};
    QTest::newRow("only the ratio given, the maximum field left empty")
        << with({{"Edit6", ""}}) << QStringList{"80.0", "9.1", "55.3", "15.00"};
    QTest::newRow("both limits given: l/300 is smaller than the 15 mm maximum")
        << with({{"Edit5", "300"}}) << QStringList{"80.0", "9.1", "82.9", "10.00"};
    QTest::newRow("field A of 0 is valid and halves the load")
        << with({{"Edit2", "0"}}) << QStringList{"40.0", "4.5", "27.6", "15.00"};
}

void TestProgramm2::calculation()
{
    QFETCH(Fields, inputs);
    QFETCH(QStringList, shown);
    GuiFixture app;
    app.withProgramOpen(2, [&](QWidget *form) {
        typeAll(form, inputs);
        click(form, "Button1");
        QCOMPARE(results(form), shown);
        for (const QString &name : kInputs)
            QCOMPARE(state(form, name), vb::FieldState::Normal);
        QVERIFY(!vb::shell::forms().error->isVisible());
        QVERIFY(app.messages.isEmpty());
    });
}

void TestProgramm2::badInputs_data()
{
    QTest::addColumn<Fields>("inputs");
    QTest::addColumn<QStringList>("red");
    QTest::addColumn<Fields>("after"); // field texts after the check

    QTest::newRow("an empty barrier load turns red and shows 0")
        << with({{"Edit14", ""}}) << QStringList{"Edit14"} << Fields{{"Edit14", "0"}};
    QTest::newRow("a negative barrier load turns red and shows 0")
        << with({{"Edit14", "-1"}}) << QStringList{"Edit14"} << Fields{{"Edit14", "0"}};
    QTest::newRow("an empty mullion length turns red and shows 0")
        << with({{"Edit1", ""}}) << QStringList{"Edit1"} << Fields{{"Edit1", "0"}};
    QTest::newRow("a trailing blank fails the mullion length")
        << with({{"Edit1", "3 "}}) << QStringList{"Edit1"} << Fields{{"Edit1", "0"}};
    QTest::newRow("letters in the barrier load turn it red and show 0")
        << with({{"Edit14", "abc"}}) << QStringList{"Edit14"} << Fields{{"Edit14", "0"}};
    QTest::newRow("a mullion length too large to hold does not read")
        << with({{"Edit1", "1e400"}}) << QStringList{"Edit1"} << Fields{{"Edit1", "0"}};
    QTest::newRow("both widths 0 mark both widths and keep them")
        << with({{"Edit2", "0"}, {"Edit3", "0"}}) << QStringList{"Edit2", "Edit3"}
        << Fields{{"Edit2", "0"}, {"Edit3", "0"}};
    QTest::newRow("a negative width is marked and kept")
        << with({{"Edit3", "-1.2"}}) << QStringList{"Edit3"} << Fields{{"Edit3", "-1.2"}};
    QTest::newRow("a width that does not read is marked and kept")
        << with({{"Edit2", "1.2m"}}) << QStringList{"Edit2"} << Fields{{"Edit2", "1.2m"}};
    QTest::newRow("no usable limit marks and empties both limit fields")
        << with({{"Edit5", "0"}, {"Edit6", "0"}}) << QStringList{"Edit5", "Edit6"}
        << Fields{{"Edit5", ""}, {"Edit6", ""}};
    QTest::newRow("a ratio with a trailing blank and no maximum empties both limit fields")
        << with({{"Edit5", "200 "}, {"Edit6", ""}}) << QStringList{"Edit5", "Edit6"}
        << Fields{{"Edit5", ""}, {"Edit6", ""}};
    QTest::newRow("a negative ratio fails beside a usable maximum")
        << with({{"Edit5", "-200"}}) << QStringList{"Edit5"} << Fields{{"Edit5", ""}};
    QTest::newRow("a ratio of 0 beside a usable maximum is left out without a mark")
        << with({{"Edit5", "0"}, {"Edit14", ""}}) << QStringList{"Edit14"} << Fields{{"Edit5", "0"}};
    QTest::newRow("a load height of 0 turns red and shows 0")
        << with({{"Edit7", "0"}}) << QStringList{"Edit7"} << Fields{{"Edit7", "0"}};
    QTest::newRow("a load height at the top support is rejected")
        << with({{"Edit7", "3"}}) << QStringList{"Edit7"} << Fields{{"Edit7", "0"}};
    QTest::newRow("a load height above the mullion is rejected")
        << with({{"Edit7", "4.5"}}) << QStringList{"Edit7"} << Fields{{"Edit7", "0"}};
    QTest::newRow("a load height is not compared with a mullion length that failed")
        << with({{"Edit1", "x"}, {"Edit7", "4.5"}}) << QStringList{"Edit1"}
        << Fields{{"Edit1", "0"}, {"Edit7", "4.5"}};
}

void TestProgramm2::badInputs()
{
    QFETCH(Fields, inputs);
    QFETCH(QStringList, red);
    QFETCH(Fields, after);
    GuiFixture app;
    vb::TForm31 *error = vb::shell::forms().error;
    // A line left visible by another program must be hidden, and the window never shown.
    error->showLine(2, QStringLiteral("left over"));
    app.withProgramOpen(2, [&](QWidget *form) {
        // Results of an earlier good calculation go back to 0.
        typeAll(form, kExample);
        click(form, "Button1");
        QCOMPARE(text(form, "Edit11"), QStringLiteral("80.0"));
        typeAll(form, inputs);
        click(form, "Button1");
        for (const QString &name : kInputs)
            QCOMPARE(state(form, name) == vb::FieldState::Failed, red.contains(name));
        for (const auto &[name, value] : after)
            QCOMPARE(text(form, name), value);
        QCOMPARE(results(form), (QStringList{"0", "0", "0", "0"}));
        QVERIFY(!error->anyLineVisible());
        QVERIFY(!error->isVisible());
        QVERIFY(app.messages.isEmpty());
    });
}

void TestProgramm2::correctedFieldLosesRed()
{
    GuiFixture app;
    app.withProgramOpen(2, [&](QWidget *form) {
        typeAll(form, with({{"Edit7", "3"}, {"Edit14", "x"}}));
        click(form, "Button1");
        QCOMPARE(state(form, "Edit7"), vb::FieldState::Failed);
        QCOMPARE(state(form, "Edit14"), vb::FieldState::Failed);
        typeAll(form, {{"Edit7", "1"}});
        click(form, "Button1");
        QCOMPARE(state(form, "Edit7"), vb::FieldState::Normal);
        // The load was reset to 0 by its check and fails again: only it stays red.
        QCOMPARE(state(form, "Edit14"), vb::FieldState::Failed);
        typeAll(form, {{"Edit14", "1"}});
        click(form, "Button1");
        QCOMPARE(state(form, "Edit14"), vb::FieldState::Normal);
        QCOMPARE(results(form), (QStringList{"80.0", "9.1", "55.3", "15.00"}));
    });
}

void TestProgramm2::newInputResetsEverything()
{
    GuiFixture app;
    app.withProgramOpen(2, [&](QWidget *form) {
        typeAll(form, kExample);
        click(form, "Button1");
        typeAll(form, {{"Edit1", ""}, {"Edit2", "0"}, {"Edit3", "0"}, {"Edit5", "x"}, {"Edit6", ""}});
        GuiFixture::type(form, "Edit13", QStringLiteral("Pos 7"));
        click(form, "Button1");
        click(form, "Button3");
        const Fields expected{{"Edit1", "0"},  {"Edit2", "0"},  {"Edit3", "0"},  {"Edit7", "0"},
                              {"Edit5", ""},   {"Edit6", ""},   {"Edit14", ""},  {"Edit8", "0"},
                              {"Edit10", "0"}, {"Edit11", "0"}, {"Edit12", "0"}, {"Edit13", "Pos 7"}};
        for (const auto &[name, value] : expected) {
            QCOMPARE(text(form, name), value);
            QCOMPARE(state(form, name), vb::FieldState::Normal);
        }
    });
}

void TestProgramm2::extremeInputsEndInAMessage_data()
{
    QTest::addColumn<Fields>("inputs");
    QTest::newRow("a mullion of 1e300 m overflows") << with({{"Edit1", "1e300"}});
    QTest::newRow("a barrier load of 1e300 kN/m overflows") << with({{"Edit14", "1e300"}});
    QTest::newRow("a ratio too small to divide by overflows even beside a usable maximum")
        << with({{"Edit5", "1e-320"}});
}

void TestProgramm2::extremeInputsEndInAMessage()
{
    QFETCH(Fields, inputs);
    GuiFixture app;
    app.withProgramOpen(2, [&](QWidget *form) {
        typeAll(form, inputs);
        click(form, "Button1");
        QCOMPARE(app.messages.size(), 1);
        QCOMPARE(app.messages.first().text, QStringLiteral("Gleitkommaüberlauf"));
        QCOMPARE(results(form), (QStringList{"0", "0", "0", "0"}));
    });
}

void TestProgramm2::captions_data()
{
    QTest::addColumn<bool>("english");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("caption");
    const struct {
        const char *control, *german, *english;
    } rows[] = {
        {"Label17", "Fassadensystem: Pfosten mit horizontaler Verkehrslast",
         "Facade section: mullion with horizontal imposed load"},
        {"Label18", "Lastfall: Linienlast", "Loading case: linear load"},
        {"Label2", "Länge Pfosten LP [m]", "length LP [m]"},
        {"Label10", "Höhe c Lastangriff vom Auflager [m]",
         "loads application height c related to bearing [m]"},
        {"Label6", "bzw. der Scheibenkante", "and/or deflection of glass edge"},
        {"Label12", "bzw. max.", "or max."},
        {"Label7", "mm", "mm"},
        {"Label8", "Horizontale Verkehrslast qk [kN/m]", "horizontal imposed load qk [kN/m]"},
        {"Label15", "erf. Trägheitsmoment", "req. moment of inertia"},
        {"Label24", "bzw. der Scheibenkante [mm]", "or deflection of glass edge [mm]"},
        {"Label29", "Pos.-/Auftragsnummer:", "Pos-/Contract number :"},
        {"Label19", "M    [kNcm]", "M    [kNcm]"},
        {"Button1", "Berechnung", "Calculate"},
        {"Button2", "Zurück", "Back"},
    };
    for (const bool english : {false, true}) {
        for (const auto &row : rows) {
            const QByteArray name = QByteArray(row.control) + (english ? " reads English" : " reads German");
            QTest::newRow(name.constData()) << english << QString::fromLatin1(row.control)
                                            << QString::fromUtf8(english ? row.english : row.german);
        }
    }
}

void TestProgramm2::captions()
{
    QFETCH(bool, english);
    QFETCH(QString, control);
    QFETCH(QString, caption);
    GuiFixture app(vb::languageRecord(english));
    app.withProgramOpen(2, [&](QWidget *form) {
        QCOMPARE(form->windowTitle(), QStringLiteral("Programm 2"));
        QCOMPARE(GuiFixture::textOf(form, control.toLatin1().constData()), caption);
    });
}

void TestProgramm2::informationPage_data()
{
    QTest::addColumn<bool>("english");
    QTest::addColumn<int>("page");
    QTest::newRow("the German page on barrier loads") << false << 11;
    QTest::newRow("the English page on barrier loads") << true << 10;
}

void TestProgramm2::informationPage()
{
    QFETCH(bool, english);
    QFETCH(int, page);
    GuiFixture app(vb::languageRecord(english));
    vb::TForm29 *info = vb::shell::forms().info;
    int shownPage = 0;
    QPoint infoPlace;
    QPoint formPlace;
    app.withProgramOpen(2, [&](QWidget *form) {
        formPlace = form->pos();
        whenShown(info, [&] {
            shownPage = info->visiblePage();
            infoPlace = info->pos();
            QTest::keyClick(info, Qt::Key_Escape);
        });
        click(form, "SpeedButton1");
        QVERIFY(!info->isVisible());
    });
    QCOMPARE(shownPage, page);
    QCOMPARE(infoPlace, formPlace);
}

void TestProgramm2::tabOrderSkipsTheResults()
{
    GuiFixture app;
    app.withProgramOpen(2, [&](QWidget *form) {
        // The fields and the four command buttons in their order; the result fields never
        // take the focus by Tab. Controls the shared form may add are left out.
        const QStringList expected{"Edit1",  "Edit2",   "Edit3",   "Edit7",   "Edit5",   "Edit6",
                                   "Edit14", "Button1", "Button4", "Button3", "Button2", "Edit13"};
        QWidget *first = GuiFixture::field(form, "Edit1");
        QStringList order{first->objectName()};
        for (QWidget *w = first->nextInFocusChain(); w != first; w = w->nextInFocusChain()) {
            const bool tabStop = (w->focusPolicy() & Qt::TabFocus) && w->isVisibleTo(form) && w->isEnabled();
            if (tabStop && (expected.contains(w->objectName()) || kResults.contains(w->objectName())))
                order << w->objectName();
        }
        QCOMPARE(order, expected);
    });
}

void TestProgramm2::printThroughTheDefaultPrinter()
{
    const QString reason = cupsfixture::skipReason();
    if (!reason.isEmpty())
        QSKIP(qPrintable(reason));
    GuiFixture app;
    qobject_cast<QLineEdit *>(app.menu()->findChild<QWidget *>(QStringLiteral("Edit1")))
        ->setText(QStringLiteral("Schule am Park"));
    if (!cupsfixture::withQueue()) {
        // Without any printer: the message box, and no field of the form changes.
        QStringList before;
        QStringList after;
        app.withProgramOpen(2, [&](QWidget *form) {
            typeAll(form, kExample);
            click(form, "Button1");
            GuiFixture::type(form, "Edit13", QStringLiteral("Pos. 12"));
            for (const QLineEdit *edit : form->findChildren<QLineEdit *>())
                before << edit->objectName() + QLatin1Char('=') + edit->text();
            click(form, "Button4");
            for (const QLineEdit *edit : form->findChildren<QLineEdit *>())
                after << edit->objectName() + QLatin1Char('=') + edit->text();
        });
        QCOMPARE(app.messages.size(), 1);
        QCOMPARE(app.messages[0].caption, QStringLiteral("Access Violation"));
        QCOMPARE(app.messages[0].icon, QMessageBox::Critical);
        QCOMPARE(app.messages[0].text,
                 QStringLiteral("Bitte installieren Sie\neinen Drucker, um den\nDruckvorgang auszuführen."));
        QCOMPARE(after, before);
        QCOMPARE(vb::shell::menuPositionNumber(), QStringLiteral("Pos. 12"));
        QVERIFY(cupsfixture::storedJobs().isEmpty());
        return;
    }
    QString sheet;
    app.withProgramOpen(2, [&](QWidget *form) {
        typeAll(form, kExample);
        click(form, "Button1");
        GuiFixture::type(form, "Edit13", QStringLiteral("Pos. 12"));
        const QStringList before = cupsfixture::storedJobs();
        click(form, "Button4");
        sheet = cupsfixture::words(cupsfixture::nextJobText(before));
    });
    QVERIFY2(!sheet.isEmpty(), "no job stored");
    QVERIFY(app.messages.isEmpty());
    QCOMPARE(vb::shell::menuPositionNumber(), QStringLiteral("Pos. 12"));
    for (const QString &expected :
         {QStringLiteral("Projekt : Schule am Park"), QStringLiteral("Pos. 12"),
          QStringLiteral("Statische Vorbemessung"),
          QStringLiteral("Fassadensystem: Pfosten mit horizentaler Verkehrslast"),
          QStringLiteral("Länge Pfosten LP 3 m"), QStringLiteral("Feldbreite A 1.2 m"),
          QStringLiteral("Höhe c Lastangriff vom Auflager 1 m"), QStringLiteral("200 bzw. max. 15 mm"),
          QStringLiteral("Horizontale Verkehrslast qk 1 kN/m"), QStringLiteral("80.0 kNcm"),
          QStringLiteral("9.1 cm³"), QStringLiteral("55.3"), QStringLiteral("15.00 mm"),
          QStringLiteral("Werkstoff: Aluminium EN AW6060 T66"),
          QStringLiteral("Die Berechnung ersetzt keine prüfbare Statik.")})
        QVERIFY2(sheet.contains(expected), qPrintable(expected + QStringLiteral(" in: ") + sheet));
}

QTEST_MAIN(TestProgramm2)
#include "tst_programm2.moc"
