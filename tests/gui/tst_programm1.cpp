#include "formdriver.h"
#include "guifixture.h"

#include "core/langflag.h"
#include "forms/erro1024.h"
#include "forms/fieldstate.h"
#include "programs/pgm11024/pgm11024.h"

#include <QtTest/QtTest>
#include <QtWidgets/QLabel>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QMainWindow>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QRadioButton>

namespace
{
using namespace formtest;

void chooseTransom(QWidget *form, bool transom)
{
    auto *radio = form->findChild<QRadioButton *>(transom ? QStringLiteral("RadioButton2")
                                                          : QStringLiteral("RadioButton1"));
    QTest::mouseClick(radio, Qt::LeftButton);
}

const char *const kResults[] = {"Edit9", "Edit10", "Edit8", "Edit11", "Edit12"};
} // namespace

class TestProgramm1 : public QObject
{
    Q_OBJECT

private slots:
    void init() { m_app = std::make_unique<GuiFixture>(); }
    void cleanup() { m_app.reset(); }

    void commaHandler_data();
    void commaHandler();
    void calculation_data();
    void calculation();
    void badInputs_data();
    void badInputs();
    void correctedFieldLosesRed();
    void lsGreaterThanLpShowsTheErrorWindow_data();
    void lsGreaterThanLpShowsTheErrorWindow();
    void newInputResetsEverything();
    void optionSwitchResetsAndChangesTheForm();
    void extremeInputsEndInAMessage_data();
    void extremeInputsEndInAMessage();
    void backCarriesNumberAndPlaceToTheMenu();

private:
    std::unique_ptr<GuiFixture> m_app;
};

void TestProgramm1::commaHandler_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::newRow("a comma in the mullion length becomes a point") << "Edit1"
                                                                   << "2,5"
                                                                   << "2.5";
    QTest::newRow("a comma in the wind load becomes a point") << "Edit14"
                                                              << "-0,8"
                                                              << "-0.8";
    QTest::newRow("a comma in the mullion cap becomes a point") << "Edit15"
                                                                << "1,5"
                                                                << "1.5";
    QTest::newRow("a comma in the pane-edge cap becomes a point") << "Edit7"
                                                                  << "2,5"
                                                                  << "2.5";
    QTest::newRow("a comma in the mullion l/ field becomes a point") << "Edit4"
                                                                     << "2,5"
                                                                     << "2.5";
    QTest::newRow("a comma in the pane-edge l/ field becomes a point") << "Edit5"
                                                                       << "2,5"
                                                                       << "2.5";
    QTest::newRow("a comma in the position number stays") << "Edit13"
                                                          << "1,2"
                                                          << "1,2";
    QTest::newRow("letters pass unchanged") << "Edit2"
                                            << "abc"
                                            << "abc";
}

void TestProgramm1::commaHandler()
{
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    m_app->withProgramOpen(1, [&](QWidget *form) {
        GuiFixture::type(form, field.toLatin1().constData(), typed);
        QCOMPARE(text(form, field.toLatin1().constData()), shown);
    });
}

void TestProgramm1::calculation_data()
{
    QTest::addColumn<bool>("transom");
    QTest::addColumn<Fields>("inputs");
    QTest::addColumn<QStringList>("results"); // Edit9, Edit10, Edit8, Edit11, Edit12

    QTest::newRow("mullion 3 m under 1 kN/m² with l/200, typed with commas")
        << false << Fields{{"Edit1", "3"},   {"Edit6", "2"},   {"Edit2", "1,2"},
                           {"Edit3", "1,2"}, {"Edit4", "200"}, {"Edit14", "1"}}
        << QStringList{"15.00", "6.67", "120.5", "135.0", "15.3"};
    QTest::newRow("mullion under suction keeps the moment's sign")
        << false << Fields{{"Edit1", "3"},   {"Edit6", "2"},   {"Edit2", "1.2"},
                           {"Edit3", "1.2"}, {"Edit4", "200"}, {"Edit14", "-0,8"}}
        << QStringList{"15.00", "6.67", "96.4", "-108.0", "12.3"};
    QTest::newRow("the 15 mm cap governs the 6 m mullion")
        << false << Fields{{"Edit1", "6"},   {"Edit6", "3"},   {"Edit2", "1"}, {"Edit3", "1"},
                           {"Edit4", "200"}, {"Edit15", "15"}, {"Edit14", "1"}}
        << QStringList{"15.00", "3.75", "1607.1", "450.0", "51.1"};
    QTest::newRow("LS equal to LP passes")
        << false << Fields{{"Edit1", "3"}, {"Edit6", "3"},   {"Edit2", "1"},
                           {"Edit3", "1"}, {"Edit5", "300"}, {"Edit14", "1"}}
        << QStringList{"10.00", "10.00", "150.7", "112.5", "12.8"};
    QTest::newRow("a comma in the l/ field is ignored when a cap is given")
        << false << Fields{{"Edit1", "6"},   {"Edit6", "3"},   {"Edit2", "1"}, {"Edit3", "1"},
                           {"Edit4", "2,5"}, {"Edit15", "15"}, {"Edit14", "1"}}
        << QStringList{"15.00", "3.75", "1607.1", "450.0", "51.1"};
    QTest::newRow("transom with two trapezoids")
        << true << Fields{{"Edit1", "1"}, {"Edit6", "1"}, {"Edit2", "1,5"}, {"Edit5", "300"}, {"Edit14", "1"}}
        << QStringList{"hidden", "5.00", "15.6", "24.0", "2.7"};
    QTest::newRow("transom with H2 greater than H1 is allowed")
        << true
        << Fields{{"Edit1", "1"}, {"Edit6", "2.5"}, {"Edit2", "2"}, {"Edit7", "6"}, {"Edit14", "-0.6"}}
        << QStringList{"hidden", "6.00", "32.5", "-33.8", "3.8"};
}

void TestProgramm1::calculation()
{
    QFETCH(bool, transom);
    QFETCH(Fields, inputs);
    QFETCH(QStringList, results);
    m_app->withProgramOpen(1, [&](QWidget *form) {
        chooseTransom(form, transom);
        typeAll(form, inputs);
        click(form, "Button1");
        QStringList actual;
        for (const char *name : kResults)
            actual << (GuiFixture::field(form, name)->isHidden() ? QStringLiteral("hidden")
                                                                 : text(form, name));
        QCOMPARE(actual, results);
        QVERIFY(!vb::shell::forms().error->isVisible());
        QVERIFY(m_app->messages.isEmpty());
    });
}

void TestProgramm1::badInputs_data()
{
    QTest::addColumn<bool>("transom");
    QTest::addColumn<Fields>("inputs");
    QTest::addColumn<QStringList>("red");
    QTest::addColumn<Fields>("after"); // field texts after the check

    const Fields good{{"Edit1", "3"},   {"Edit6", "2"},   {"Edit2", "1.2"},
                      {"Edit3", "1.2"}, {"Edit4", "200"}, {"Edit14", "1"}};
    const auto with = [&good](const Fields &changes) {
        Fields f = good;
        for (const auto &change : changes) {
            for (auto &entry : f) {
                if (entry.first == change.first)
                    entry.second = change.second;
            }
            if (std::none_of(f.begin(), f.end(), [&](const auto &e) { return e.first == change.first; }))
                f.append(change);
        }
        return f;
    };
    QTest::newRow("an empty mullion length beside an empty pane turns red and shows 0")
        << false << with({{"Edit1", ""}, {"Edit6", ""}}) << QStringList{"Edit1", "Edit6"}
        << Fields{{"Edit1", "0"}, {"Edit6", "0"}};
    QTest::newRow("a trailing blank fails the pane length")
        << false << with({{"Edit6", "2 "}}) << QStringList{"Edit6"} << Fields{{"Edit6", "0"}};
    QTest::newRow("both widths 0 mark both widths")
        << false << with({{"Edit2", "0"}, {"Edit3", "0"}}) << QStringList{"Edit2", "Edit3"}
        << Fields{{"Edit2", "0"}, {"Edit3", "0"}};
    QTest::newRow("a negative width is marked and kept")
        << false << with({{"Edit2", "-1"}}) << QStringList{"Edit2"} << Fields{{"Edit2", "-1"}};
    QTest::newRow("no usable limit marks and empties all four")
        << false << with({{"Edit4", "0"}, {"Edit5", "0"}}) << QStringList{"Edit4", "Edit15", "Edit5", "Edit7"}
        << Fields{{"Edit4", ""}, {"Edit15", ""}, {"Edit5", ""}, {"Edit7", ""}};
    QTest::newRow("a cap that does not read fails beside a usable ratio")
        << false << with({{"Edit15", "15mm"}}) << QStringList{"Edit15"}
        << Fields{{"Edit15", ""}, {"Edit4", "200"}};
    QTest::newRow("a negative pane-edge ratio fails beside a usable mullion ratio")
        << false << with({{"Edit5", "-300"}}) << QStringList{"Edit5"} << Fields{{"Edit5", ""}};
    QTest::newRow("a wind load that does not read is emptied")
        << false << with({{"Edit14", "1kN"}}) << QStringList{"Edit14"} << Fields{{"Edit14", ""}};
    QTest::newRow("a transom ignores a mullion limit and needs its own")
        << true << Fields{{"Edit1", "1"}, {"Edit6", "1"}, {"Edit2", "1.5"}, {"Edit14", "1"}}
        << QStringList{"Edit4", "Edit15", "Edit5", "Edit7"} << Fields{{"Edit5", ""}};
    QTest::newRow("a transom span of 0 is marked")
        << true << Fields{{"Edit1", "1"}, {"Edit6", "1"}, {"Edit2", "0"}, {"Edit5", "300"}, {"Edit14", "1"}}
        << QStringList{"Edit2"} << Fields{{"Edit2", "0"}};
}

void TestProgramm1::badInputs()
{
    QFETCH(bool, transom);
    QFETCH(Fields, inputs);
    QFETCH(QStringList, red);
    QFETCH(Fields, after);
    m_app->withProgramOpen(1, [&](QWidget *form) {
        chooseTransom(form, transom);
        // Results of an earlier good calculation must go back to 0.
        GuiFixture::field(form, "Edit11")->setText(QStringLiteral("99.9"));
        typeAll(form, inputs);
        click(form, "Button1");
        const QStringList inputsChecked{"Edit1",  "Edit6", "Edit2", "Edit4",
                                        "Edit15", "Edit5", "Edit7", "Edit14"};
        for (const QString &name : inputsChecked) {
            const bool expectRed = red.contains(name);
            QCOMPARE(state(form, name.toLatin1().constData()) == vb::FieldState::Failed, expectRed);
        }
        for (const auto &[name, value] : after)
            QCOMPARE(text(form, name.toLatin1().constData()), value);
        for (const char *name : kResults)
            QCOMPARE(text(form, name), QStringLiteral("0"));
        QVERIFY(!vb::shell::forms().error->anyLineVisible());
        QVERIFY(m_app->messages.isEmpty());
    });
}

void TestProgramm1::correctedFieldLosesRed()
{
    m_app->withProgramOpen(1, [&](QWidget *form) {
        typeAll(form, {{"Edit1", ""},
                       {"Edit6", "2"},
                       {"Edit2", "1"},
                       {"Edit3", "1"},
                       {"Edit4", "200"},
                       {"Edit14", "x"}});
        // The empty mullion counts as 0 against LS: the error window comes too.
        vb::TForm31 *error = vb::shell::forms().error;
        whenShown(error, [error] { error->close(); });
        click(form, "Button1");
        QCOMPARE(state(form, "Edit1"), vb::FieldState::Failed);
        typeAll(form, {{"Edit1", "3"}});
        click(form, "Button1");
        QCOMPARE(state(form, "Edit1"), vb::FieldState::Normal);
        // The wind load was emptied by its check and fails again: only it stays red.
        QCOMPARE(state(form, "Edit14"), vb::FieldState::Failed);
    });
}

void TestProgramm1::lsGreaterThanLpShowsTheErrorWindow_data()
{
    QTest::addColumn<bool>("english");
    QTest::addColumn<QString>("lp");
    QTest::addColumn<bool>("pasted"); // set as pasted text, past the comma handler
    QTest::addColumn<QString>("lpAfter");
    QTest::addColumn<QString>("message");
    const QString german = QStringLiteral("LS darf nicht größer sein als LP !");
    QTest::newRow("LS 3 m on a 2 m mullion") << false << "2" << false << "2" << german;
    QTest::newRow("an empty LP counts as 0, so LS 2 m is longer") << false << "" << false << "0" << german;
    QTest::newRow("a pasted 2,5 does not read and counts as 0") << false << "2,5" << true << "0" << german;
    QTest::newRow("the English message in English")
        << true << "2" << false << "2" << QStringLiteral("LS has to be smaller than LP !");
}

void TestProgramm1::lsGreaterThanLpShowsTheErrorWindow()
{
    QFETCH(bool, english);
    QFETCH(QString, lp);
    QFETCH(bool, pasted);
    QFETCH(QString, lpAfter);
    QFETCH(QString, message);
    if (english) {
        m_app.reset();
        m_app = std::make_unique<GuiFixture>(vb::languageRecord(true));
    }
    vb::TForm31 *error = vb::shell::forms().error;
    m_app->withProgramOpen(1, [&](QWidget *form) {
        const QString ls = lp.isEmpty() || pasted ? QStringLiteral("2") : QStringLiteral("3");
        typeAll(form, {{"Edit6", ls}, {"Edit2", "1"}, {"Edit3", "1"}, {"Edit4", "200"}, {"Edit14", "1"}});
        if (pasted)
            GuiFixture::field(form, "Edit1")->setText(lp);
        else
            typeAll(form, {{"Edit1", lp}});
        bool shown = false;
        QStringList visibleLines;
        whenShown(error, [&] {
            shown = true;
            for (int line = 1; line <= 4; ++line) {
                if (error->isLineVisible(line))
                    visibleLines << error->lineText(line);
            }
            QTest::mouseClick(error->findChild<QPushButton *>(QStringLiteral("Button1")), Qt::LeftButton);
        });
        click(form, "Button1");
        QVERIFY(shown);
        QCOMPARE(visibleLines, QStringList{message});
        QVERIFY(error->isLineVisible(3));
        QCOMPARE(error->windowTitle(), QStringLiteral("Fehler"));
        QCOMPARE(text(form, "Edit1"), lpAfter);
        QCOMPARE(state(form, "Edit1"), vb::FieldState::Failed);
        QCOMPARE(state(form, "Edit6"), vb::FieldState::Failed);
        QCOMPARE(text(form, "Edit11"), QStringLiteral("0"));
        QVERIFY(!error->isVisible());
    });
}

void TestProgramm1::newInputResetsEverything()
{
    m_app->withProgramOpen(1, [&](QWidget *form) {
        typeAll(form, {{"Edit1", ""}, {"Edit6", ""}, {"Edit2", "0"}, {"Edit3", "0"}, {"Edit14", "1"}});
        GuiFixture::field(form, "Edit13")->setText(QStringLiteral("Pos 7"));
        click(form, "Button1");
        click(form, "Button3");
        const Fields expected{{"Edit1", "0"},  {"Edit2", "0"},  {"Edit3", "0"},     {"Edit6", "0"},
                              {"Edit4", ""},   {"Edit5", ""},   {"Edit14", ""},     {"Edit15", ""},
                              {"Edit7", ""},   {"Edit8", "0"},  {"Edit9", "0"},     {"Edit10", "0"},
                              {"Edit11", "0"}, {"Edit12", "0"}, {"Edit13", "Pos 7"}};
        for (const auto &[name, value] : expected) {
            QCOMPARE(text(form, name.toLatin1().constData()), value);
            QCOMPARE(state(form, name.toLatin1().constData()), vb::FieldState::Normal);
        }
    });
}

void TestProgramm1::optionSwitchResetsAndChangesTheForm()
{
    m_app->withProgramOpen(1, [&](QWidget *form) {
        typeAll(form, {{"Edit1", "3"}, {"Edit14", "0.8"}});
        chooseTransom(form, true);
        QCOMPARE(text(form, "Edit14"), QString());
        QCOMPARE(text(form, "Edit1"), QStringLiteral("0"));
        QVERIFY(form->findChild<QWidget *>(QStringLiteral("Edit3"))->isHidden());
        QVERIFY(form->findChild<QWidget *>(QStringLiteral("Edit9"))->isHidden());
        QVERIFY(form->findChild<QWidget *>(QStringLiteral("Panel4"))->isHidden());
        QVERIFY(form->findChild<QWidget *>(QStringLiteral("Image1"))->isHidden());
        QVERIFY(!form->findChild<QWidget *>(QStringLiteral("Image4"))->isHidden());
        QCOMPARE(form->findChild<QLabel *>(QStringLiteral("Label2"))->text(),
                 QStringLiteral("Feldhöhe H1 [m]"));
        QCOMPARE(form->findChild<QLabel *>(QStringLiteral("Label24"))->text(),
                 QStringLiteral("bzw. Scheibenkante [mm]"));
        chooseTransom(form, false);
        QVERIFY(!form->findChild<QWidget *>(QStringLiteral("Edit3"))->isHidden());
        QVERIFY(!form->findChild<QWidget *>(QStringLiteral("Image2"))->isHidden());
        QCOMPARE(form->findChild<QLabel *>(QStringLiteral("Label2"))->text(),
                 QStringLiteral("Länge Pfosten LP [m]"));
    });
    // The option survives closing and reopening the form.
    m_app->withProgramOpen(1, [&](QWidget *form) { chooseTransom(form, true); });
    m_app->withProgramOpen(1, [&](QWidget *form) {
        QVERIFY(static_cast<vb::TForm23 *>(form)->transomMode());
        QVERIFY(form->findChild<QWidget *>(QStringLiteral("Edit3"))->isHidden());
    });
}

void TestProgramm1::extremeInputsEndInAMessage_data()
{
    QTest::addColumn<Fields>("inputs");
    QTest::addColumn<QString>("message");
    QTest::newRow("an extreme mullion length overflows")
        << Fields{{"Edit1", "1e300"}, {"Edit6", "1e300"}, {"Edit2", "1"},
                  {"Edit3", "1"},     {"Edit4", "200"},   {"Edit14", "1"}}
        << QStringLiteral("Gleitkommaüberlauf");
    QTest::newRow("an extreme wind load overflows")
        << Fields{{"Edit1", "3"}, {"Edit6", "2"},   {"Edit2", "1"},
                  {"Edit3", "1"}, {"Edit4", "200"}, {"Edit14", "1e300"}}
        << QStringLiteral("Gleitkommaüberlauf");
    QTest::newRow("a vanishing mullion divides by zero")
        << Fields{{"Edit1", "1e-200"}, {"Edit6", "1e-300"}, {"Edit2", "1"},
                  {"Edit3", "1"},      {"Edit5", "300"},    {"Edit14", "1"}}
        << QStringLiteral("Ungültige Gleitkommaoperation");
}

void TestProgramm1::extremeInputsEndInAMessage()
{
    QFETCH(Fields, inputs);
    QFETCH(QString, message);
    m_app->withProgramOpen(1, [&](QWidget *form) {
        typeAll(form, inputs);
        click(form, "Button1");
        QCOMPARE(m_app->messages.size(), 1);
        QCOMPARE(m_app->messages.first().text, message);
        for (const char *name : kResults) {
            QCOMPARE(text(form, name), QStringLiteral("0"));
        }
    });
}

void TestProgramm1::backCarriesNumberAndPlaceToTheMenu()
{
    QMainWindow *menu = m_app->menu();
    vb::shell::setMenuPositionNumber(QStringLiteral("A-12"));
    QPoint formPlace;
    m_app->withProgramOpen(1, [&](QWidget *form) {
        QCOMPARE(GuiFixture::field(form, "Edit13")->text(), QStringLiteral("A-12"));
        QVERIFY(menu->isHidden());
        QCOMPARE(form->pos(), menu->pos());
        form->move(form->pos() + QPoint(40, 30));
        formPlace = form->pos();
        GuiFixture::type(form, "Edit13", QStringLiteral("B-7"));
        GuiFixture::type(form, "Edit1", QStringLiteral("3"));
        click(form, "Button2");
        QVERIFY(!form->isVisible());
    });
    QVERIFY(menu->isVisible());
    QCOMPARE(vb::shell::menuPositionNumber(), QStringLiteral("B-7"));
    QCOMPARE(menu->pos(), formPlace);
    // The next opening shows the reset inputs at the menu's place.
    m_app->withProgramOpen(1, [&](QWidget *form) {
        QCOMPARE(GuiFixture::field(form, "Edit1")->text(), QStringLiteral("0"));
        QCOMPARE(form->pos(), formPlace);
    });
}

QTEST_MAIN(TestProgramm1)
#include "tst_programm1.moc"
