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
#include <QtWidgets/QToolButton>

namespace
{
using namespace formtest;

// The worked example: spans 3 m and 2 m, pane 1.5 m, fields 1.2 m, l/200 or 15 mm for the
// mullion, l/300 or 8 mm for the glass edge, wind pressure 0.8 kN/m².
const Fields kExample{{"Edit1", "3"},   {"Edit6", "2"},   {"Edit2", "1,5"}, {"Edit4", "1,2"},
                      {"Edit5", "1.2"}, {"Edit7", "200"}, {"Edit15", "15"}, {"Edit9", "300"},
                      {"Edit10", "8"},  {"Edit16", "0,8"}};

Fields with(Fields fields, const Fields &changes)
{
    for (const auto &change : changes) {
        auto it = std::find_if(fields.begin(), fields.end(),
                               [&](const auto &e) { return e.first == change.first; });
        if (it != fields.end())
            it->second = change.second;
        else
            fields.append(change);
    }
    return fields;
}

// In the order the form writes them: mullion and glass-edge deflection, Ix, MF, Wx(f), MS, Wx(S).
const QStringList kResults{"Edit17", "Edit18", "Edit8", "Edit11", "Edit12", "Edit3", "Edit14"};
const QStringList kInputs{"Edit1", "Edit6",  "Edit2", "Edit4",  "Edit5",
                          "Edit7", "Edit15", "Edit9", "Edit10", "Edit16"};

QStringList resultTexts(QWidget *form)
{
    QStringList out;
    for (const QString &name : kResults)
        out << text(form, name);
    return out;
}

} // namespace

class TestProgramm4 : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { m_app.reset(); }

    void commaHandler_data();
    void commaHandler();
    void calculation_data();
    void calculation();
    void badInputs_data();
    void badInputs();
    void lsLongerThanTheLongerSpan_data();
    void lsLongerThanTheLongerSpan();
    void newInputResetsEverything();
    void captionsAndPicturesFollowTheLanguage_data();
    void captionsAndPicturesFollowTheLanguage();
    void windInformationPage_data();
    void windInformationPage();
    void extremeInputsEndInAMessage();
    void tabSkipsTheResults();

    // Run on its own under the private CUPS fixture, with a queue and without a printer.
    void printThroughTheDefaultPrinter();

private:
    void start(bool english = false)
    {
        m_app = std::make_unique<GuiFixture>(english ? vb::languageRecord(true) : QByteArray());
    }
    std::unique_ptr<GuiFixture> m_app;
};

void TestProgramm4::commaHandler_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("shown"); // after typing 2,5
    QTest::newRow("a comma in the first span becomes a point") << "Edit1"
                                                               << "2.5";
    QTest::newRow("a comma in the second span becomes a point") << "Edit6"
                                                                << "2.5";
    QTest::newRow("a comma in the pane length becomes a point") << "Edit2"
                                                                << "2.5";
    QTest::newRow("a comma in field width A becomes a point") << "Edit4"
                                                              << "2.5";
    QTest::newRow("a comma in field width B becomes a point") << "Edit5"
                                                              << "2.5";
    QTest::newRow("a comma in the mullion maximum becomes a point") << "Edit15"
                                                                    << "2.5";
    QTest::newRow("a comma in the glass-edge maximum becomes a point") << "Edit10"
                                                                       << "2.5";
    QTest::newRow("a comma in the wind load becomes a point") << "Edit16"
                                                              << "2.5";
    QTest::newRow("a comma in the mullion l/ field becomes a point") << "Edit7"
                                                                     << "2.5";
    QTest::newRow("a comma in the glass-edge l/ field becomes a point") << "Edit9"
                                                                        << "2.5";
    QTest::newRow("a comma in the position number stays") << "Edit13"
                                                          << "2,5";
}

void TestProgramm4::commaHandler()
{
    QFETCH(QString, field);
    QFETCH(QString, shown);
    start();
    m_app->withProgramOpen(4, [&](QWidget *form) {
        GuiFixture::type(form, field.toLatin1().constData(), QStringLiteral("2,5"));
        QCOMPARE(text(form, field), shown);
    });
}

void TestProgramm4::calculation_data()
{
    QTest::addColumn<Fields>("inputs");
    QTest::addColumn<QStringList>("results"); // Edit17, Edit18, Edit8, Edit11, Edit12, Edit3, Edit14

    QTest::newRow("the worked example, typed with commas")
        << kExample << QStringList{"15.00", "3.75", "50.2", "70.1", "8.0", "-84.0", "9.5"};
    QTest::newRow("the longer span in the second field gives the same results")
        << with(kExample, {{"Edit1", "2"}, {"Edit6", "3"}})
        << QStringList{"15.00", "3.75", "50.2", "70.1", "8.0", "-84.0", "9.5"};
    QTest::newRow("suction turns both moments round")
        << with(kExample, {{"Edit16", "-0.8"}})
        << QStringList{"15.00", "3.75", "50.2", "-70.1", "8.0", "84.0", "9.5"};
    QTest::newRow("a glass-edge maximum of 3 mm governs")
        << with(kExample, {{"Edit10", "3"}})
        << QStringList{"12.00", "3.00", "62.8", "70.1", "8.0", "-84.0", "9.5"};
    QTest::newRow("LS = 2.5 m is accepted beside a 3 m span in the second field")
        << with(kExample, {{"Edit1", "2"}, {"Edit6", "3"}, {"Edit2", "2.5"}})
        << QStringList{"11.52", "8.00", "65.4", "70.1", "8.0", "-84.0", "9.5"};
    QTest::newRow("LS equal to the longer span is accepted")
        << with(kExample, {{"Edit2", "3"}, {"Edit7", ""}, {"Edit15", ""}, {"Edit10", ""}})
        << QStringList{"10.00", "10.00", "75.3", "70.1", "8.0", "-84.0", "9.5"};
    QTest::newRow("a comma in the l/ field is ignored while another limit is given")
        << with(kExample, {{"Edit7", "2,5"}})
        << QStringList{"15.00", "3.75", "50.2", "70.1", "8.0", "-84.0", "9.5"};
    QTest::newRow("field width A of 0 is accepted")
        << with(kExample, {{"Edit4", "0"}})
        << QStringList{"15.00", "3.75", "25.1", "35.0", "4.0", "-42.0", "4.8"};
    QTest::newRow("no wind writes no moment, the deflections as usual")
        << with(kExample, {{"Edit16", "0"}})
        << QStringList{"15.00", "3.75", "0.0", "0.0", "0.0", "0.0", "0.0"};
}

void TestProgramm4::calculation()
{
    QFETCH(Fields, inputs);
    QFETCH(QStringList, results);
    start();
    m_app->withProgramOpen(4, [&](QWidget *form) {
        typeAll(form, inputs);
        click(form, "Button1");
        QCOMPARE(resultTexts(form), results);
        for (const QString &name : kInputs)
            QCOMPARE(state(form, name), vb::FieldState::Normal);
        QVERIFY(!vb::shell::forms().error->anyLineVisible());
        QVERIFY(m_app->messages.isEmpty());
    });
}

void TestProgramm4::badInputs_data()
{
    QTest::addColumn<Fields>("inputs");
    QTest::addColumn<QStringList>("red");
    QTest::addColumn<Fields>("after"); // field texts after the check

    QTest::newRow("an empty first span turns red and shows 0")
        << with(kExample, {{"Edit1", ""}}) << QStringList{"Edit1"} << Fields{{"Edit1", "0"}};
    QTest::newRow("a second span of 0 turns red")
        << with(kExample, {{"Edit6", "0"}}) << QStringList{"Edit6"} << Fields{{"Edit6", "0"}};
    QTest::newRow("a trailing blank fails the pane length")
        << with(kExample, {{"Edit2", "1.5 "}}) << QStringList{"Edit2"} << Fields{{"Edit2", "0"}};
    QTest::newRow("both field widths 0 mark both")
        << with(kExample, {{"Edit4", "0"}, {"Edit5", "0"}}) << QStringList{"Edit4", "Edit5"}
        << Fields{{"Edit4", "0"}, {"Edit5", "0"}};
    QTest::newRow("a negative field width is marked and keeps its text")
        << with(kExample, {{"Edit5", "-1"}}) << QStringList{"Edit5"} << Fields{{"Edit5", "-1"}};
    QTest::newRow("no usable limit marks and empties all four")
        << with(kExample, {{"Edit7", "0"}, {"Edit15", "0"}, {"Edit9", ""}, {"Edit10", ""}})
        << QStringList{"Edit7", "Edit15", "Edit9", "Edit10"}
        << Fields{{"Edit7", ""}, {"Edit15", ""}, {"Edit9", ""}, {"Edit10", ""}};
    QTest::newRow("an empty first span turns red alone while LS fits the second span")
        << with(kExample, {{"Edit1", ""}, {"Edit2", "2"}}) << QStringList{"Edit1"} << Fields{{"Edit1", "0"}};
    QTest::newRow("a pane length that failed counts as 0 and raises no line beside an empty span")
        << with(kExample, {{"Edit2", "x"}, {"Edit6", ""}}) << QStringList{"Edit2", "Edit6"}
        << Fields{{"Edit2", "0"}, {"Edit6", "0"}};
    QTest::newRow("an empty wind load turns red and reads 0")
        << with(kExample, {{"Edit16", ""}}) << QStringList{"Edit16"} << Fields{{"Edit16", "0"}};
    QTest::newRow("a wind load with its unit typed does not read")
        << with(kExample, {{"Edit16", "0.8kN"}}) << QStringList{"Edit16"} << Fields{{"Edit16", "0"}};
}

void TestProgramm4::badInputs()
{
    QFETCH(Fields, inputs);
    QFETCH(QStringList, red);
    QFETCH(Fields, after);
    start();
    m_app->withProgramOpen(4, [&](QWidget *form) {
        // Results of an earlier good calculation must go back to 0.
        typeAll(form, kExample);
        click(form, "Button1");
        QCOMPARE(text(form, "Edit3"), QStringLiteral("-84.0"));
        typeAll(form, inputs);
        click(form, "Button1");
        for (const QString &name : kInputs)
            QVERIFY2((state(form, name) == vb::FieldState::Failed) == red.contains(name), qPrintable(name));
        for (const auto &[name, value] : after)
            QCOMPARE(text(form, name), value);
        QCOMPARE(resultTexts(form), QStringList(kResults.size(), QStringLiteral("0")));
        QVERIFY(!vb::shell::forms().error->anyLineVisible());
        QVERIFY(m_app->messages.isEmpty());
        // Corrected, every field loses its mark at the next calculation.
        typeAll(form, kExample);
        click(form, "Button1");
        for (const QString &name : kInputs)
            QCOMPARE(state(form, name), vb::FieldState::Normal);
        QCOMPARE(text(form, "Edit11"), QStringLiteral("70.1"));
    });
}

void TestProgramm4::lsLongerThanTheLongerSpan_data()
{
    QTest::addColumn<bool>("english");
    QTest::addColumn<Fields>("inputs");
    QTest::addColumn<QStringList>("red");
    QTest::addColumn<QString>("line");

    QTest::newRow("LS longer than both spans opens the window on its second line")
        << false << with(kExample, {{"Edit2", "3.5"}}) << QStringList{}
        << QStringLiteral("2: LS darf nicht größer sein als LP !");
    QTest::newRow("LS longer than the longer span held in the second field")
        << false << with(kExample, {{"Edit1", "2"}, {"Edit6", "3"}, {"Edit2", "3.01"}}) << QStringList{}
        << QStringLiteral("2: LS darf nicht größer sein als LP !");
    QTest::newRow("field failures beside it mark their fields and the window shows the one line")
        << false << with(kExample, {{"Edit2", "3.5"}, {"Edit16", ""}, {"Edit4", "-1"}})
        << QStringList{"Edit16", "Edit4"} << QStringLiteral("2: LS darf nicht größer sein als LP !");
    QTest::newRow("an empty first span counts as 0, so LS longer than the second span shows the line")
        << false << with(kExample, {{"Edit1", ""}, {"Edit2", "2.5"}}) << QStringList{"Edit1"}
        << QStringLiteral("2: LS darf nicht größer sein als LP !");
    QTest::newRow("both spans failed: any pane is longer than the spans as read")
        << false << with(kExample, {{"Edit1", "3 "}, {"Edit6", "-2"}}) << QStringList{"Edit1", "Edit6"}
        << QStringLiteral("2: LS darf nicht größer sein als LP !");
    QTest::newRow("the English message in English")
        << true << with(kExample, {{"Edit2", "3.5"}}) << QStringList{}
        << QStringLiteral("2: LS has to be smaller than LP !");
}

void TestProgramm4::lsLongerThanTheLongerSpan()
{
    QFETCH(bool, english);
    QFETCH(Fields, inputs);
    QFETCH(QStringList, red);
    QFETCH(QString, line);
    start(english);
    vb::TForm31 *error = vb::shell::forms().error;
    m_app->withProgramOpen(4, [&](QWidget *form) {
        typeAll(form, inputs);
        bool shown = false;
        QStringList lines;
        whenShown(error, [&] {
            shown = true;
            for (int n = 1; n <= 4; ++n) {
                if (error->isLineVisible(n))
                    lines << QStringLiteral("%1: %2").arg(n).arg(error->lineText(n));
            }
            QTest::mouseClick(error->findChild<QPushButton *>(QStringLiteral("Button1")), Qt::LeftButton);
        });
        click(form, "Button1");
        QVERIFY(shown);
        QCOMPARE(lines, QStringList{line});
        QCOMPARE(error->windowTitle(), QStringLiteral("Fehler"));
        QVERIFY(!error->isVisible());
        for (const QString &name : kInputs)
            QVERIFY2((state(form, name) == vb::FieldState::Failed) == red.contains(name), qPrintable(name));
        QCOMPARE(resultTexts(form), QStringList(kResults.size(), QStringLiteral("0")));
    });
}

void TestProgramm4::newInputResetsEverything()
{
    start();
    m_app->withProgramOpen(4, [&](QWidget *form) {
        typeAll(form, kExample);
        click(form, "Button1");
        typeAll(form, {{"Edit1", ""}, {"Edit4", "-1"}, {"Edit16", "x"}});
        GuiFixture::field(form, "Edit13")->setText(QStringLiteral("Pos 7"));
        click(form, "Button1");
        click(form, "Button3");
        const Fields expected{{"Edit1", "0"},  {"Edit6", "0"},     {"Edit2", "0"},  {"Edit4", "0"},
                              {"Edit5", "0"},  {"Edit7", ""},      {"Edit15", ""},  {"Edit9", ""},
                              {"Edit10", ""},  {"Edit16", ""},     {"Edit17", "0"}, {"Edit18", "0"},
                              {"Edit8", "0"},  {"Edit11", "0"},    {"Edit12", "0"}, {"Edit3", "0"},
                              {"Edit14", "0"}, {"Edit13", "Pos 7"}};
        for (const auto &[name, value] : expected) {
            QCOMPARE(text(form, name), value);
            QCOMPARE(state(form, name), vb::FieldState::Normal);
        }
    });
}

void TestProgramm4::captionsAndPicturesFollowTheLanguage_data()
{
    QTest::addColumn<bool>("english");
    QTest::addColumn<Fields>("captions"); // control, text
    QTest::addColumn<QString>("elevation");
    QTest::newRow("German captions and the German elevation")
        << false
        << Fields{{"Label17", "Fassadensystem: Pfosten als Zweifeldträger (LF Windruck/-sog)"},
                  {"Label19", "Bedingungen:"},
                  {"Label31", "Der Pfosten muß biegesteif über das mittlere Auflager geführt werden."},
                  {"Label2", "Pfostenlänge  L1 [m]"},
                  {"Label13", "Stützmoment"},
                  {"Label23", "bzw. max."},
                  {"Button1", "Berechnung"},
                  {"Button2", "Zurück"}}
        << QStringLiteral("Image2");
    QTest::newRow("English captions and the English elevation")
        << true
        << Fields{{"Label17", "Facade section: mullion as two-span beam (wind pressure/-suction)"},
                  {"Label18", "Loading case: rectangular load"},
                  {"Label19", "Requirements:"},
                  {"Label31", "the mullion has to be led bending resistant across the middle bearing."},
                  {"Label3", "length L2 [m]"},
                  {"Label4", "longest glass edge LS [m]"},
                  {"Label10", "allowed deflection of glass edge"},
                  {"Label24", "or max."},
                  {"Label11", "wind load p [kN/m²]"},
                  {"Label13", "support moment"},
                  {"Label21", "deflection of glass edge [mm]"},
                  {"LabelPosition", "Pos-/Contract number :"},
                  {"Button3", "Reset input"},
                  {"Button4", "Print"}}
        << QStringLiteral("Image3");
}

void TestProgramm4::captionsAndPicturesFollowTheLanguage()
{
    QFETCH(bool, english);
    QFETCH(Fields, captions);
    QFETCH(QString, elevation);
    start(english);
    m_app->withProgramOpen(4, [&](QWidget *form) {
        QCOMPARE(form->windowTitle(), QStringLiteral("Programm 4"));
        QCOMPARE(form->objectName(), QStringLiteral("TForm26"));
        for (const auto &[name, caption] : captions)
            QCOMPARE(GuiFixture::textOf(form, name.toLatin1().constData()), caption);
        for (const char *image : {"Image1", "Image2", "Image3"}) {
            auto *picture = form->findChild<QLabel *>(QLatin1String(image));
            QVERIFY(picture);
            const bool expected =
                QLatin1String(image) == QLatin1String("Image1") || elevation == QLatin1String(image);
            QVERIFY2(picture->isVisible() == expected, image);
            if (expected)
                QVERIFY2(!picture->pixmap().isNull(), image);
        }
    });
}

void TestProgramm4::windInformationPage_data()
{
    QTest::addColumn<bool>("english");
    QTest::addColumn<int>("page");
    QTest::newRow("the German wind page puts DIN first") << false << 6;
    QTest::newRow("the English wind page puts BS first") << true << 3;
}

void TestProgramm4::windInformationPage()
{
    QFETCH(bool, english);
    QFETCH(int, page);
    start(english);
    vb::TForm29 *info = vb::shell::forms().info;
    m_app->withProgramOpen(4, [&](QWidget *form) {
        int shown = 0;
        QPoint place;
        whenShown(info, [&] {
            shown = info->visiblePage();
            place = info->pos();
            QTest::keyClick(info, Qt::Key_Escape);
        });
        QTest::mouseClick(form->findChild<QToolButton *>(QStringLiteral("SpeedButton2")), Qt::LeftButton);
        QCOMPARE(shown, page);
        QCOMPARE(place, form->pos());
        QVERIFY(!info->isVisible());
    });
}

void TestProgramm4::extremeInputsEndInAMessage()
{
    start();
    m_app->withProgramOpen(4, [&](QWidget *form) {
        typeAll(form, with(kExample, {{"Edit16", "1e307"}}));
        click(form, "Button1");
        QCOMPARE(m_app->messages.size(), 1);
        QCOMPARE(m_app->messages.first().text, QStringLiteral("Gleitkommaüberlauf"));
        QCOMPARE(resultTexts(form), QStringList(kResults.size(), QStringLiteral("0")));
    });
}

void TestProgramm4::tabSkipsTheResults()
{
    start();
    m_app->withProgramOpen(4, [&](QWidget *form) {
        GuiFixture::field(form, "Edit1")->setFocus();
        const QStringList expected{"Edit1",   "Edit6",   "Edit2",   "Edit4",   "Edit5",
                                   "Edit7",   "Edit15",  "Edit9",   "Edit10",  "Edit16",
                                   "Button1", "Button4", "Button3", "Button2", "Edit13"};
        // One round through the form; command buttons the forms share beyond these four may
        // stand between "Zurück" and the position number.
        QStringList order;
        for (int i = 0; i < 20 && !order.contains(QLatin1String("Edit13")); ++i) {
            const QString name = QApplication::focusWidget()->objectName();
            QVERIFY2(!kResults.contains(name), qPrintable(name + QStringLiteral(" takes the focus by Tab")));
            if (expected.contains(name))
                order << name;
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        QCOMPARE(order, expected);
        for (const QString &name : kResults)
            QVERIFY(GuiFixture::field(form, name.toLatin1().constData())->isReadOnly());
    });
}

void TestProgramm4::printThroughTheDefaultPrinter()
{
    const QString reason = cupsfixture::skipReason();
    if (!reason.isEmpty())
        QSKIP(qPrintable(reason));
    start();
    if (cupsfixture::withQueue()) {
        QString sheet;
        QStringList shown;
        m_app->withProgramOpen(4, [&](QWidget *form) {
            // The longer span in the second field, printed as typed.
            typeAll(form, with(kExample, {{"Edit1", "2"}, {"Edit6", "3"}}));
            click(form, "Button1");
            shown = resultTexts(form);
            GuiFixture::type(form, "Edit13", QStringLiteral("Pos. 4.2"));
            const QStringList before = cupsfixture::storedJobs();
            click(form, "Button4");
            sheet = cupsfixture::words(cupsfixture::nextJobText(before));
        });
        QVERIFY2(!sheet.isEmpty(), "no job stored");
        QVERIFY(m_app->messages.isEmpty());
        QCOMPARE(vb::shell::menuPositionNumber(), QStringLiteral("Pos. 4.2"));
        QCOMPARE(shown, (QStringList{"15.00", "3.75", "50.2", "70.1", "8.0", "-84.0", "9.5"}));
        for (const QString &expected :
             {QStringLiteral("Pos. 4.2"), QStringLiteral("Statische Vorbemessung"),
              QStringLiteral("Fassadensystem: Pfosten als Zweifeldträger"),
              QStringLiteral("Lastfall: gleichmäßige Streckenlast auf Pfosten"),
              QStringLiteral("Pfostenlänge L1 2 m"), QStringLiteral("Pfostenlänge L2 3 m"),
              QStringLiteral("Länge größte Scheibe LS 1.5 m"), QStringLiteral("Windlast w 0.8 kN/m²"),
              QStringLiteral("Stützmoment"), QStringLiteral("-84.0"),
              QStringLiteral("Werkstoff: Aluminium EN AW6060 T66"),
              QStringLiteral("Die Berechnung ersetzt keine prüfbare Statik.")})
            QVERIFY2(sheet.contains(expected), qPrintable(expected + QStringLiteral(" in: ") + sheet));
        for (const QString &value : shown)
            QVERIFY2(sheet.contains(value), qPrintable(value));
        return;
    }
    QStringList before;
    QStringList after;
    m_app->withProgramOpen(4, [&](QWidget *form) {
        typeAll(form, kExample);
        click(form, "Button1");
        GuiFixture::type(form, "Edit13", QStringLiteral("7"));
        for (QLineEdit *edit : form->findChildren<QLineEdit *>())
            before << edit->objectName() + QLatin1Char('=') + edit->text();
        click(form, "Button4");
        for (QLineEdit *edit : form->findChildren<QLineEdit *>())
            after << edit->objectName() + QLatin1Char('=') + edit->text();
    });
    QCOMPARE(m_app->messages.size(), 1);
    QCOMPARE(m_app->messages[0].caption, QStringLiteral("Access Violation"));
    QCOMPARE(m_app->messages[0].icon, QMessageBox::Critical);
    QCOMPARE(m_app->messages[0].text,
             QStringLiteral("Bitte installieren Sie\neinen Drucker, um den\nDruckvorgang auszuführen."));
    QCOMPARE(after, before);
    QCOMPARE(vb::shell::menuPositionNumber(), QStringLiteral("7"));
}

QTEST_MAIN(TestProgramm4)
#include "tst_programm4.moc"
