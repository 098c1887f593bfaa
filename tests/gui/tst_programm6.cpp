// "Programm 6" on its real form: the comma handler, the checks and their red marks, the
// switched alternative fields, the results as the form shows them, captions and pictures in
// both languages, the information page, and "Drucken" through the default printer.

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

void choose(QWidget *form, bool glass)
{
    auto *radio = form->findChild<QRadioButton *>(glass ? QStringLiteral("RadioButton1")
                                                        : QStringLiteral("RadioButton2"));
    QTest::mouseClick(radio, Qt::LeftButton, {}, QPoint(6, radio->height() / 2));
    QVERIFY(radio->isChecked());
}

// Results in the order the form writes them: I, F, W, G, M.
const QStringList kResults{"Edit5", "Edit6", "Edit8", "Edit9", "Edit10"};
const QStringList kInputs{"Edit1", "Edit13", "Edit14", "Edit2", "Edit3", "Edit7"};

QStringList results(QWidget *form)
{
    QStringList shown;
    for (const QString &name : kResults)
        shown << text(form, name);
    return shown;
}

// The worked example: span 1.5 m, height 2.0 m, 8 mm glass, c 0.15 m and f 3 mm by default.
const Fields kGlass{{"Edit1", "1,5"}, {"Edit13", "2"}, {"Edit14", "8"}};
// The same weight as an infill of 0.2 kN/m², typed into the field that is switched on.
Fields goodInputs(bool glass)
{
    return {{"Edit1", "1.5"},
            {"Edit13", "2"},
            glass ? QPair<QString, QString>{"Edit14", "8"} : QPair<QString, QString>{"Edit2", "0.2"},
            {"Edit3", "0.15"},
            {"Edit7", "3"}};
}
} // namespace

class TestProgramm6 : public QObject
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
    void alternativeFieldsSwitchAndKeepTheirTexts();
    void newInputResetsAndKeepsTheOption();
    void extremeInputsEndInAMessage();
    void captionsInBothLanguages_data();
    void captionsInBothLanguages();
    void subscriptReadsRiegelAgainAfterEnglish();
    void informationPage_data();
    void informationPage();

    // Run on its own under the private CUPS fixture, with a queue and without a printer.
    void printThroughTheDefaultPrinter();

private:
    std::unique_ptr<GuiFixture> m_app;
};

void TestProgramm6::commaHandler_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::newRow("a comma in the span becomes a point") << "Edit1"
                                                         << "1,5"
                                                         << "1.5";
    QTest::newRow("a comma in the pane height becomes a point") << "Edit13"
                                                                << "2,25"
                                                                << "2.25";
    QTest::newRow("a comma in the glass thickness becomes a point") << "Edit14"
                                                                    << "8,76"
                                                                    << "8.76";
    QTest::newRow("a comma in the setting-block distance becomes a point") << "Edit3"
                                                                           << "0,1"
                                                                           << "0.1";
    QTest::newRow("a comma in the allowed deflection becomes a point") << "Edit7"
                                                                       << "2,5"
                                                                       << "2.5";
    QTest::newRow("a comma in the position number stays") << "Edit11"
                                                          << "1,2"
                                                          << "1,2";
}

void TestProgramm6::commaHandler()
{
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    m_app->withProgramOpen(6, [&](QWidget *form) {
        GuiFixture::type(form, field.toLatin1().constData(), typed);
        QCOMPARE(text(form, field), shown);
        if (field != QLatin1String("Edit11")) {
            // A comma that arrives by pasting passes the key handler and does not read.
            edit(form, field)->clear();
            edit(form, field)->insert(typed);
            QCOMPARE(text(form, field), typed);
            click(form, "Button1");
            QCOMPARE(state(form, field), vb::FieldState::Failed);
            QCOMPARE(text(form, field), QStringLiteral("0"));
        }
        // The infill weight takes typing only while its option is chosen.
        choose(form, false);
        GuiFixture::type(form, "Edit2", QStringLiteral("0,5"));
        QCOMPARE(text(form, "Edit2"), QStringLiteral("0.5"));
    });
}

void TestProgramm6::calculation_data()
{
    QTest::addColumn<bool>("glass");
    QTest::addColumn<Fields>("inputs");
    QTest::addColumn<QStringList>("shown"); // I, F, W, G, M

    QTest::newRow("8 mm glass on 1.5 m with the default block distance and limit")
        << true << kGlass << QStringList{"6.9", "0.3", "0.6", "0.6", "5.3"};
    QTest::newRow("an infill of 0.5 kN/m² on 1.2 m by 1.0 m")
        << false << Fields{{"Edit1", "1.2"}, {"Edit13", "1"}, {"Edit2", "0,5"}}
        << QStringList{"4.2", "0.3", "0.6", "0.6", "5.0"};
    QTest::newRow("blocks at exactly half the span are accepted")
        << true << (kGlass + Fields{{"Edit3", "0.75"}}) << QStringList{"21.0", "0.3", "2.7", "0.6", "23.3"};
    QTest::newRow("a glass thickness of 0 is not looked at with the infill option")
        << false << Fields{{"Edit1", "1.2"}, {"Edit13", "1"}, {"Edit2", "0.5"}}
        << QStringList{"4.2", "0.3", "0.6", "0.6", "5.0"};
}

void TestProgramm6::calculation()
{
    QFETCH(bool, glass);
    QFETCH(Fields, inputs);
    QFETCH(QStringList, shown);
    vb::TForm31 *error = vb::shell::forms().error;
    error->showLine(2, QStringLiteral("left from another program"));
    m_app->withProgramOpen(6, [&](QWidget *form) {
        // The defaults of the block distance and the deflection limit.
        QCOMPARE(text(form, "Edit3"), QStringLiteral("0.15"));
        QCOMPARE(text(form, "Edit7"), QStringLiteral("3"));
        choose(form, glass);
        typeAll(form, inputs);
        click(form, "Button1");
        QCOMPARE(results(form), shown);
        const QString off = glass ? QStringLiteral("Edit2") : QStringLiteral("Edit14");
        for (const QString &name : kInputs)
            QCOMPARE(state(form, name), name == off ? vb::FieldState::Off : vb::FieldState::Normal);
    });
    // This program leaves the error window as it found it.
    QVERIFY(error->isLineVisible(2));
    QVERIFY(m_app->messages.isEmpty());
}

void TestProgramm6::badInputs_data()
{
    QTest::addColumn<bool>("glass");
    QTest::addColumn<Fields>("inputs");
    QTest::addColumn<QStringList>("red");
    QTest::addColumn<Fields>("after"); // field texts after the check

    const auto with = [](const Fields &changes) {
        Fields f = kGlass;
        for (const auto &change : changes) {
            auto it =
                std::find_if(f.begin(), f.end(), [&](const auto &e) { return e.first == change.first; });
            if (it != f.end())
                it->second = change.second;
            else
                f.append(change);
        }
        return f;
    };
    QTest::newRow("an empty span turns red and shows 0")
        << true << with({{"Edit1", ""}}) << QStringList{"Edit1"} << Fields{{"Edit1", "0"}};
    QTest::newRow("a glass thickness of 0 with the glass option turns red")
        << true << with({{"Edit14", "0"}}) << QStringList{"Edit14"} << Fields{{"Edit14", "0"}};
    QTest::newRow("an infill weight that does not read turns red and shows 0")
        << false << Fields{{"Edit1", "1.2"}, {"Edit13", "1"}, {"Edit2", "0.5kN"}} << QStringList{"Edit2"}
        << Fields{{"Edit2", "0"}};
    QTest::newRow("a negative height and a trailing blank in the limit both turn red")
        << true << with({{"Edit13", "-2"}, {"Edit7", "3 "}}) << QStringList{"Edit13", "Edit7"}
        << Fields{{"Edit13", "0"}, {"Edit7", "0"}};
    QTest::newRow("blocks beyond half the span turn red and read 0")
        << true << with({{"Edit3", "0.76"}}) << QStringList{"Edit3"} << Fields{{"Edit3", "0"}};
    QTest::newRow("blocks are not held against a span that failed its own check")
        << true << with({{"Edit1", "x"}, {"Edit3", "0.76"}}) << QStringList{"Edit1"}
        << Fields{{"Edit1", "0"}, {"Edit3", "0.76"}};
}

void TestProgramm6::badInputs()
{
    QFETCH(bool, glass);
    QFETCH(Fields, inputs);
    QFETCH(QStringList, red);
    QFETCH(Fields, after);
    m_app->withProgramOpen(6, [&](QWidget *form) {
        choose(form, glass);
        // Results of an earlier good calculation go back to 0.
        typeAll(form, goodInputs(glass));
        click(form, "Button1");
        QCOMPARE(text(form, "Edit5"), QStringLiteral("6.9"));
        typeAll(form, inputs);
        click(form, "Button1");
        const QString off = glass ? QStringLiteral("Edit2") : QStringLiteral("Edit14");
        for (const QString &name : kInputs) {
            const vb::FieldState expected = red.contains(name) ? vb::FieldState::Failed
                                            : name == off      ? vb::FieldState::Off
                                                               : vb::FieldState::Normal;
            QCOMPARE(state(form, name), expected);
        }
        for (const auto &[name, value] : after)
            QCOMPARE(text(form, name), value);
        QCOMPARE(results(form), (QStringList{"0", "0", "0", "0", "0"}));
        QVERIFY(!vb::shell::forms().error->isVisible());
        QVERIFY(m_app->messages.isEmpty());
        // Corrected, the field loses its red at the next calculation.
        typeAll(form, goodInputs(glass));
        click(form, "Button1");
        for (const QString &name : red)
            QCOMPARE(state(form, name), vb::FieldState::Normal);
        QCOMPARE(text(form, "Edit5"), QStringLiteral("6.9"));
    });
}

void TestProgramm6::alternativeFieldsSwitchAndKeepTheirTexts()
{
    m_app->withProgramOpen(6, [&](QWidget *form) {
        QVERIFY(edit(form, "Edit14")->isEnabled());
        QVERIFY(!edit(form, "Edit2")->isEnabled());
        QCOMPARE(state(form, "Edit14"), vb::FieldState::Normal);
        QCOMPARE(state(form, "Edit2"), vb::FieldState::Off);
        // The menu background colour is not the window background colour.
        QVERIFY(edit(form, "Edit2")->palette().color(QPalette::Disabled, QPalette::Base) !=
                edit(form, "Edit14")->palette().color(QPalette::Active, QPalette::Base));
        GuiFixture::type(form, "Edit14", QStringLiteral("12"));
        GuiFixture::type(form, "Edit1", QStringLiteral(""));
        click(form, "Button1"); // the span fails, the thickness stays as typed
        choose(form, false);
        QVERIFY(!edit(form, "Edit14")->isEnabled());
        QVERIFY(edit(form, "Edit2")->isEnabled());
        QCOMPARE(state(form, "Edit14"), vb::FieldState::Off);
        QCOMPARE(state(form, "Edit2"), vb::FieldState::Normal);
        QCOMPARE(text(form, "Edit14"), QStringLiteral("12"));
        GuiFixture::type(form, "Edit2", QStringLiteral("0.4"));
        choose(form, true);
        QCOMPARE(text(form, "Edit14"), QStringLiteral("12"));
        QCOMPARE(text(form, "Edit2"), QStringLiteral("0.4"));
        QCOMPARE(state(form, "Edit2"), vb::FieldState::Off);
        QVERIFY(edit(form, "Edit14")->isEnabled());
    });
}

void TestProgramm6::newInputResetsAndKeepsTheOption()
{
    m_app->withProgramOpen(6, [&](QWidget *form) {
        choose(form, false);
        typeAll(form, {{"Edit1", ""}, {"Edit13", "2"}, {"Edit2", "0.5"}, {"Edit3", "1"}, {"Edit7", "5"}});
        GuiFixture::field(form, "Edit11")->setText(QStringLiteral("Pos 7"));
        click(form, "Button1");
        QCOMPARE(state(form, "Edit1"), vb::FieldState::Failed);
        click(form, "Button3");
        const Fields expected{{"Edit1", "0"},    {"Edit13", "0"}, {"Edit14", "0"}, {"Edit2", "0"},
                              {"Edit3", "0.15"}, {"Edit7", "3"},  {"Edit5", "0"},  {"Edit6", "0"},
                              {"Edit8", "0"},    {"Edit9", "0"},  {"Edit10", "0"}, {"Edit11", "Pos 7"}};
        for (const auto &[name, value] : expected) {
            QCOMPARE(text(form, name), value);
            QCOMPARE(state(form, name), vb::FieldState::Normal);
        }
        // The switched-off field is back in the window colour but stays switched off.
        QVERIFY(!edit(form, "Edit14")->isEnabled());
        QVERIFY(form->findChild<QRadioButton *>(QStringLiteral("RadioButton2"))->isChecked());
    });
    // The option survives closing and reopening.
    m_app->withProgramOpen(6, [&](QWidget *form) {
        QVERIFY(form->findChild<QRadioButton *>(QStringLiteral("RadioButton2"))->isChecked());
        QVERIFY(edit(form, "Edit2")->isEnabled());
    });
}

void TestProgramm6::extremeInputsEndInAMessage()
{
    m_app->withProgramOpen(6, [&](QWidget *form) {
        typeAll(form, {{"Edit1", "1e300"}, {"Edit13", "2"}, {"Edit14", "8"}});
        click(form, "Button1");
        QCOMPARE(m_app->messages.size(), 1);
        QCOMPARE(m_app->messages.first().text, QStringLiteral("Gleitkommaüberlauf"));
        QCOMPARE(results(form), (QStringList{"0", "0", "0", "0", "0"}));
    });
}

void TestProgramm6::captionsInBothLanguages_data()
{
    QTest::addColumn<bool>("english");
    QTest::addColumn<Fields>("captions");
    QTest::newRow("German captions, with Berechnung replacing the design's Berechnen")
        << false
        << Fields{{"Label17", "Riegel - Bemessung"},
                  {"Label29", "- Riegeleigengewicht: 0,03 kN/m"},
                  {"RadioButton1", "Glasdicke (ohne LZR) [mm]"},
                  {"RadioButton2", "Füllgewicht  [kN/m²]"},
                  {"Label7", "Klotzungsabstand c [m]  (i.d.R. 0,15 m)"},
                  {"Label12", "Durchbiegung des Riegels f         [mm]"},
                  {"Label24", "Riegel"},
                  {"Label26", "Pos.-/Auftragsnummer:"},
                  {"Button1", "Berechnung"},
                  {"Label22", "M    [kNcm]"}};
    QTest::newRow("English captions; the symbols and units stay")
        << true
        << Fields{{"Label17", "Dimensioning of transom"},
                  {"Label29", "- load of transom: 0,03 kN/m"},
                  {"RadioButton1", "thickness of glass (without air space) [mm]"},
                  {"RadioButton2", "weight of filling [kN/m²]"},
                  {"Label7", "distance c from glass edge to center of support [m] (generally 0,15 m)"},
                  {"Label12", "deflection of transom         f             [mm]"},
                  {"Label24", "transom"},
                  {"Label26", "Pos-/Contract number :"},
                  {"Button1", "Calculate"},
                  {"Label22", "M    [kNcm]"}};
}

void TestProgramm6::captionsInBothLanguages()
{
    QFETCH(bool, english);
    QFETCH(Fields, captions);
    m_app.reset();
    m_app = std::make_unique<GuiFixture>(vb::languageRecord(english));
    m_app->withProgramOpen(6, [&](QWidget *form) {
        QCOMPARE(form->windowTitle(), QStringLiteral("Programm 6"));
        for (const auto &[name, caption] : captions)
            QCOMPARE(GuiFixture::textOf(form, name.toLatin1().constData()), caption);
        QCOMPARE(form->findChild<QLabel *>(QStringLiteral("Image1"))->isHidden(), english);
        QCOMPARE(form->findChild<QLabel *>(QStringLiteral("Image2"))->isHidden(), !english);
        QVERIFY(!form->findChild<QLabel *>(QStringLiteral("Image1"))->pixmap().isNull() ||
                !form->findChild<QLabel *>(QStringLiteral("Image2"))->pixmap().isNull());
    });
}

void TestProgramm6::subscriptReadsRiegelAgainAfterEnglish()
{
    GuiFixture::press(m_app->menu(), "Button8");
    m_app->withProgramOpen(
        6, [&](QWidget *form) { QCOMPARE(GuiFixture::textOf(form, "Label24"), QStringLiteral("transom")); });
    GuiFixture::press(m_app->menu(), "Button8");
    m_app->withProgramOpen(6, [&](QWidget *form) {
        QCOMPARE(GuiFixture::textOf(form, "Label24"), QStringLiteral("Riegel"));
        // The subscript stands right of the f of its caption and clear of the unit.
        auto *caption = form->findChild<QLabel *>(QStringLiteral("Label12"));
        auto *subscript = form->findChild<QLabel *>(QStringLiteral("Label24"));
        const QFontMetrics metrics(caption->font());
        const QString text = caption->text();
        const int f =
            caption->x() + metrics.horizontalAdvance(text.left(text.indexOf(QLatin1String(" f ")) + 2));
        const int unit = caption->x() + metrics.horizontalAdvance(text.left(text.indexOf(QLatin1Char('['))));
        QVERIFY(subscript->x() >= f);
        QVERIFY(subscript->x() + subscript->width() <= unit);
    });
}

void TestProgramm6::informationPage_data()
{
    QTest::addColumn<bool>("english");
    QTest::addColumn<int>("page");
    QTest::newRow("in German the button beside the deflection opens Image2") << false << 2;
    QTest::newRow("in English it opens Image12") << true << 12;
}

void TestProgramm6::informationPage()
{
    QFETCH(bool, english);
    QFETCH(int, page);
    if (english)
        GuiFixture::press(m_app->menu(), "Button8");
    vb::TForm29 *info = vb::shell::forms().info;
    int shown = 0;
    QPoint placed;
    QPoint formPlace;
    m_app->withProgramOpen(6, [&](QWidget *form) {
        formPlace = form->pos();
        whenShown(info, [&] {
            shown = info->visiblePage();
            placed = info->pos();
            info->close();
        });
        QTest::mouseClick(form->findChild<QToolButton *>(QStringLiteral("SpeedButton1")), Qt::LeftButton);
    });
    QCOMPARE(shown, page);
    QCOMPARE(placed, formPlace);
}

void TestProgramm6::printThroughTheDefaultPrinter()
{
    const QString reason = cupsfixture::skipReason();
    if (!reason.isEmpty())
        QSKIP(qPrintable(reason));
    qobject_cast<QLineEdit *>(m_app->menu()->findChild<QWidget *>(QStringLiteral("Edit1")))
        ->setText(QStringLiteral("Bürohaus Süd"));
    if (!cupsfixture::withQueue()) {
        QStringList before;
        QStringList after;
        m_app->withProgramOpen(6, [&](QWidget *form) {
            typeAll(form, kGlass);
            click(form, "Button1");
            GuiFixture::type(form, "Edit11", QStringLiteral("7"));
            for (QLineEdit *field : form->findChildren<QLineEdit *>())
                before << field->objectName() + QLatin1Char('=') + field->text();
            click(form, "Button4");
            for (QLineEdit *field : form->findChildren<QLineEdit *>())
                after << field->objectName() + QLatin1Char('=') + field->text();
        });
        QCOMPARE(m_app->messages.size(), 1);
        QCOMPARE(m_app->messages[0].caption, QStringLiteral("Access Violation"));
        QCOMPARE(m_app->messages[0].icon, QMessageBox::Critical);
        QCOMPARE(m_app->messages[0].text,
                 QStringLiteral("Bitte installieren Sie\neinen Drucker, um den\nDruckvorgang auszuführen."));
        QCOMPARE(after, before);
        QCOMPARE(vb::shell::menuPositionNumber(), QStringLiteral("7"));
        return;
    }
    QString glass;
    QString infill;
    m_app->withProgramOpen(6, [&](QWidget *form) {
        typeAll(form, kGlass);
        click(form, "Button1");
        GuiFixture::type(form, "Edit11", QStringLiteral("Pos. 4711"));
        QStringList before = cupsfixture::storedJobs();
        click(form, "Button4");
        glass = cupsfixture::words(cupsfixture::nextJobText(before));
        choose(form, false);
        typeAll(form, {{"Edit1", "1.2"}, {"Edit13", "1"}, {"Edit2", "0.5"}});
        click(form, "Button1");
        before = cupsfixture::storedJobs();
        click(form, "Button4");
        infill = cupsfixture::words(cupsfixture::nextJobText(before));
    });
    QVERIFY2(!glass.isEmpty() && !infill.isEmpty(), "no job stored");
    QVERIFY(m_app->messages.isEmpty());
    QCOMPARE(vb::shell::menuPositionNumber(), QStringLiteral("Pos. 4711"));
    for (const QString &expected :
         {QStringLiteral("Projekt : Bürohaus Süd"), QStringLiteral("Pos. 4711"),
          QStringLiteral("Riegel-Bemessung"), QStringLiteral("Feldbreite 1.5 m"), QStringLiteral("Länge 2 m"),
          QStringLiteral("Klotzungsabstand c 0.15 m"), QStringLiteral("Glasdicke (ohne LZR) 8 mm"),
          QStringLiteral("Auflagerkraft F 0.3 kN"), QStringLiteral("Max. Feldmoment Mf 5.3 kNcm"),
          QStringLiteral("6.9"), QStringLiteral("Werkstoff: Aluminium EN AW6060 T66")})
        QVERIFY2(glass.contains(expected), qPrintable(expected + QStringLiteral(" in: ") + glass));
    for (const QString &expected :
         {QStringLiteral("Füllgewicht 0.5 kN/m²"), QStringLiteral("Feldbreite 1.2 m"), QStringLiteral("4.2")})
        QVERIFY2(infill.contains(expected), qPrintable(expected + QStringLiteral(" in: ") + infill));
    QVERIFY(!infill.contains(QStringLiteral("Glasdicke")));
}

QTEST_MAIN(TestProgramm6)
#include "tst_programm6.moc"
