// A long random run over every program form: random texts into random fields, options,
// every button, the error and information windows, and now and then "Drucken" to the
// private test queue. After every "Berechnung" each result field must read "0" or a
// fixed-point number with its decimals; nothing may crash or hang.

#include "guifixture.h"

#include "forms/erro1024.h"
#include "forms/pgm71024.h"

#include <QtCore/QElapsedTimer>
#include <QtCore/QRandomGenerator>
#include <QtCore/QRegularExpression>
#include <QtCore/QTimer>
#include <QtTest/QtTest>
#include <QtWidgets/QAbstractButton>
#include <QtWidgets/QApplication>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QProgressDialog>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QRadioButton>

namespace
{

// One line per program form: its number in the menu and its result fields with their
// decimals.
struct MonkeyForm {
    int program;
    QList<QPair<QString, int>> results;
};

const QList<MonkeyForm> kForms = {
    {1, {{"Edit9", 2}, {"Edit10", 2}, {"Edit8", 1}, {"Edit11", 1}, {"Edit12", 1}}},
    {2, {{"Edit11", 1}, {"Edit12", 1}, {"Edit8", 1}, {"Edit10", 2}}},
    {3, {{"Edit16", 2}, {"Edit18", 2}, {"Edit8", 1}, {"Edit11", 1}, {"Edit12", 1}}},
    {4,
     {{"Edit17", 2}, {"Edit18", 2}, {"Edit8", 1}, {"Edit11", 1}, {"Edit12", 1}, {"Edit3", 1}, {"Edit14", 1}}},
    {5,
     {{"Edit20", 2},
      {"Edit21", 2},
      {"Edit8", 1},
      {"Edit17", 1},
      {"Edit11", 1},
      {"Edit12", 1},
      {"Edit18", 1}}},
    {6, {{"Edit5", 1}, {"Edit6", 1}, {"Edit8", 1}, {"Edit9", 1}, {"Edit10", 1}}},
};

const QStringList kPool = {
    "0",      "1",         "2.5",
    "3",      "-0.8",      "1.2",
    "200",    "300",       "15",
    ".5",     "5.",        ".",
    "-",      "+1",        "1e3",
    "2E-1",   "1e300",     "-1e300",
    "1e308",  "1e309",     "1e-300",
    "1e-400", "0.0000001", "123456789",
    "2,5",    ",",         " ",
    " 3",     "3 ",        "abc",
    "x",      "inf",       "nan",
    "0x10",   "1..2",      "e5",
    "--1",    "",          "9999999999999999999999",
    "-0",     "4.",        "1,2,3",
};
// Texts that only arrive by pasting: a comma stays a comma there, and letters beyond ASCII.
const QStringList kPasted = {"2,5", "ä", "1 000", "½", "٣", "1e3\n"};

// Plausible inputs, so that many calculations get through their checks.
const QStringList kGood = {"1",   "1.2",  "1,5", "2",   "3",   "4.5", "6",
                           "0.8", "-0.8", "200", "300", "500", "10",  "15"};

QString randomText(QRandomGenerator &rng)
{
    if (rng.bounded(10) < 7)
        return kGood.at(rng.bounded(kGood.size()));
    QString text = kPool.at(rng.bounded(kPool.size()));
    if (rng.bounded(4) == 0)
        text += kPool.at(rng.bounded(kPool.size()));
    return text;
}

// Each form's run must end within this, also in a sanitizer build.
constexpr int kBoundMs = 240000;

bool printingAvailable()
{
    return qEnvironmentVariableIntValue("VB_CUPS_WITH_QUEUE") == 1;
}

} // namespace

class TestMonkey : public QObject
{
    Q_OBJECT

private slots:
    void run_data();
    void run();
};

void TestMonkey::run_data()
{
    QTest::addColumn<int>("index");
    for (int i = 0; i < kForms.size(); ++i)
        QTest::newRow(qPrintable(QStringLiteral("Programm %1").arg(kForms[i].program))) << i;
}

void TestMonkey::run()
{
    QFETCH(int, index);
    const MonkeyForm &entry = kForms.at(index);
    const int events = qEnvironmentVariableIsSet("VB_MONKEY_EVENTS")
                           ? qEnvironmentVariableIntValue("VB_MONKEY_EVENTS")
                           : 20000;
    GuiFixture app;
    QRandomGenerator rng(4711 + static_cast<quint32>(entry.program));

    // The nested windows close themselves after a while, as a user would close them.
    QTimer closer;
    int errorWindows = 0;
    int infoWindows = 0;
    connect(&closer, &QTimer::timeout, &closer, [&] {
        if (vb::shell::forms().error->isVisible()) {
            ++errorWindows;
            vb::shell::forms().error->accept();
        }
        if (vb::shell::forms().info->isVisible()) {
            ++infoWindows;
            QTest::keyClick(vb::shell::forms().info, Qt::Key_Escape);
        }
    });
    closer.start(0);

    QStringList faults;
    int calculations = 0;
    int withResults = 0;
    int prints = 0;
    QElapsedTimer clock;
    clock.start();
    app.withProgramOpen(
        entry.program,
        [&](QWidget *form) {
            QList<QLineEdit *> inputs;
            for (QLineEdit *edit : form->findChildren<QLineEdit *>()) {
                if (!edit->isReadOnly())
                    inputs << edit;
            }
            const QList<QRadioButton *> options = form->findChildren<QRadioButton *>();
            QList<QAbstractButton *> infoButtons;
            for (QAbstractButton *b : form->findChildren<QAbstractButton *>()) {
                if (b->objectName().startsWith(QLatin1String("SpeedButton")))
                    infoButtons << b;
            }
            const auto button = [form](const char *name) {
                return form->findChild<QPushButton *>(QString::fromLatin1(name));
            };
            const QRegularExpression number1(QStringLiteral("^(0|-?\\d+\\.\\d)$"));
            const QRegularExpression number2(QStringLiteral("^(0|-?\\d+\\.\\d\\d)$"));

            for (int e = 0; e < events && faults.size() < 5; ++e) {
                const int action = static_cast<int>(rng.bounded(100));
                if (action < 60 && !inputs.isEmpty()) {
                    QLineEdit *edit = inputs.at(rng.bounded(inputs.size()));
                    if (edit->isVisible() && edit->isEnabled()) {
                        edit->clear();
                        if (rng.bounded(10) == 0)
                            edit->insert(kPasted.at(rng.bounded(kPasted.size())));
                        else
                            QTest::keyClicks(edit, randomText(rng));
                    }
                } else if (action < 64 && !options.isEmpty()) {
                    options.at(rng.bounded(options.size()))->click();
                } else if (action < 88) {
                    QTest::mouseClick(button("Button1"), Qt::LeftButton);
                    ++calculations;
                    bool any = false;
                    for (const auto &[name, decimals] : entry.results) {
                        auto *field = form->findChild<QLineEdit *>(name);
                        const QString text = field->text();
                        any = any || text != QLatin1String("0");
                        const bool ok = (decimals == 1 ? number1 : number2).match(text).hasMatch();
                        if (!ok || text.contains(QLatin1String("inf")) || text.contains(QLatin1String("nan")))
                            faults << QStringLiteral("%1 shows \"%2\" after event %3").arg(name, text).arg(e);
                    }
                    withResults += any ? 1 : 0;
                } else if (action < 94) {
                    QTest::mouseClick(button("Button3"), Qt::LeftButton);
                } else if (action < 98 && !infoButtons.isEmpty()) {
                    QTest::mouseClick(infoButtons.at(rng.bounded(infoButtons.size())), Qt::LeftButton);
                } else if (action < 99 && printingAvailable() && rng.bounded(4) == 0) {
                    QTest::mouseClick(button("Button4"), Qt::LeftButton);
                    ++prints;
                } else {
                    // Keys that must do nothing harmful on a program form.
                    QTest::keyClick(form, rng.bounded(2) ? Qt::Key_Escape : Qt::Key_Return);
                }
                if (!form->isVisible())
                    faults << QStringLiteral("the form closed by itself after event %1").arg(e);
                if (clock.elapsed() > kBoundMs)
                    faults << QStringLiteral("the run took longer than its bound");
            }
        },
        kBoundMs + 60000);
    closer.stop();
    qInfo("Programm %d: %d events, %d calculations (%d with results), %d prints, %d error windows, %d "
          "information windows, "
          "%lld ms",
          entry.program, events, calculations, withResults, prints, errorWindows, infoWindows,
          clock.elapsed());
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
    // Messages are only floating-point reports and printer reports, never an empty box.
    for (const vb::Message &m : app.messages)
        QVERIFY2(!m.text.isEmpty(), qPrintable(m.caption));
}

QTEST_MAIN(TestMonkey)
#include "tst_monkey.moc"
