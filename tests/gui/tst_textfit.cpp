// Every text of every window fits its control, in German and in English: the main menu, the six
// program forms in each of their options, the error window with every line a program shows there,
// the information, section, project and letterhead windows and the position dialog. A text that
// needs more width than its control has (its own font's metrics plus the style's margins) is
// clipped on the screen; each one is named with its window, control, language and the pixels it
// lacks. Labels that wrap (wordWrap) are exempt, and so are the rules drawn as a row of hyphens or
// underscores, which the design cuts to their length.
#include "guifixture.h"

#include "forms/erro1024.h"
#include "forms/pgm71024.h"
#include "forms/programform.h"
#include "forms/programlist.h"
#include "forms/shell.h"
#include "forms/tformprofil.h"
#if __has_include("forms/tformposition.h")
#include "forms/tformposition.h"
#define VB_HAS_POSITION_DIALOG 1
#endif

#include <QtCore/QFile>
#include <QtCore/QTemporaryDir>
#include <QtCore/QTimer>
#include <QtGui/QScreen>
#include <QtTest/QtTest>
#include <QtWidgets/QApplication>
#include <QtWidgets/QCheckBox>
#include <QtWidgets/QDialog>
#include <QtWidgets/QGroupBox>
#include <QtWidgets/QLabel>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QRadioButton>
#include <QtWidgets/QStyle>
#include <QtWidgets/QStyleOptionButton>
#include <QtWidgets/QToolButton>

#include <functional>

namespace
{

// A row of one character repeated: a rule, drawn to the control's length.
bool isRule(const QString &text)
{
    return text.size() > 3 &&
           (text.count(QLatin1Char('-')) == text.size() || text.count(QLatin1Char('_')) == text.size());
}

// The width a push or tool button needs for its text (and icon): what the style draws around the
// contents (frame, margin, the default button's indicator), without the least width the style
// gives a button of short text.
int buttonWidth(const QAbstractButton *button)
{
    const QStyle *style = button->style();
    QStyleOptionButton option;
    option.initFrom(button);
    int width = button->fontMetrics().size(Qt::TextShowMnemonic, button->text()).width();
    if (!button->icon().isNull())
        width += button->iconSize().width() + 4;
    if (qobject_cast<const QToolButton *>(button))
        return button->sizeHint().width();
    width += style->pixelMetric(QStyle::PM_ButtonMargin, &option, button) +
             2 * style->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, button);
    const auto *push = qobject_cast<const QPushButton *>(button);
    if (push && (push->autoDefault() || push->isDefault()))
        width += 2 * style->pixelMetric(QStyle::PM_ButtonDefaultIndicator, &option, button);
    return width;
}

// The width the control's text needs; 0 where it has no text to measure or is exempt.
int neededWidth(const QWidget *control, QString *text)
{
    if (const auto *label = qobject_cast<const QLabel *>(control)) {
        *text = label->text();
        if (text->isEmpty() || label->wordWrap() || isRule(*text))
            return 0;
        return label->sizeHint().width();
    }
    if (const auto *box = qobject_cast<const QGroupBox *>(control)) {
        *text = box->title();
        return text->isEmpty() ? 0 : box->minimumSizeHint().width();
    }
    if (const auto *button = qobject_cast<const QAbstractButton *>(control)) {
        *text = button->text();
        if (text->isEmpty())
            return 0;
        if (qobject_cast<const QCheckBox *>(control) || qobject_cast<const QRadioButton *>(control))
            return button->sizeHint().width();
        return buttonWidth(button);
    }
    return 0;
}

// The width of the control that is seen: cut by every widget that holds it, up to its window.
int shownWidth(const QWidget *control)
{
    const QWidget *window = control->window();
    QRect shown(control->mapTo(window, QPoint(0, 0)), control->size());
    for (const QWidget *holder = control->parentWidget(); holder && holder != window->parentWidget();
         holder = holder->parentWidget())
        shown &= QRect(holder->mapTo(window, QPoint(0, 0)), holder->size());
    return shown.width();
}

// One line per control of `window` whose text does not fit; `state` says what the window shows.
QStringList clippedTexts(QWidget *window, const QString &state)
{
    QStringList clipped;
    const QString language = vb::shell::english() ? QStringLiteral("English") : QStringLiteral("German");
    const auto controls = window->findChildren<QWidget *>();
    for (const QWidget *control : controls) {
        // The windows the menu holds (the program forms, the error window …) are checked as their own.
        if (control->window() != window || !control->isVisibleTo(window))
            continue;
        QString text;
        const int needed = neededWidth(control, &text);
        const int has = shownWidth(control);
        if (needed > has)
            clipped << QStringLiteral("%1%2, %3 (%4): \"%5\" lacks %6 px")
                           .arg(window->objectName(),
                                state.isEmpty() ? QString() : QStringLiteral(" ") + state,
                                control->objectName(), language, text)
                           .arg(needed - has);
    }
    return clipped;
}

using Check = std::function<void(QWidget *window, const QString &state)>;

// Runs `action` once a window named `name` shows, then closes it where it is still open.
void whenWindowShows(const QString &name, const std::function<void(QWidget *)> &action)
{
    auto *poll = new QTimer(qApp);
    QObject::connect(poll, &QTimer::timeout, qApp, [poll, name, action] {
        for (QWidget *window : QApplication::topLevelWidgets()) {
            if (window->objectName() != name || !window->isVisible())
                continue;
            poll->stop();
            poll->deleteLater();
            action(window);
            if (auto *dialog = qobject_cast<QDialog *>(window); dialog && dialog->isVisible())
                dialog->reject();
            return;
        }
    });
    poll->start(5);
    QTimer::singleShot(10000, poll, [poll] { poll->deleteLater(); });
}

void openFromMenu(GuiFixture &app, const char *button, const QString &name, const Check &check)
{
    whenWindowShows(name, [&](QWidget *window) { check(window, QString()); });
    GuiFixture::press(app.menu(), button);
}

// How each window is opened and put into the states whose texts it shows.
struct Window {
    QString name;
    std::function<void(GuiFixture &, const Check &)> open;
};

QList<Window> windows()
{
    QList<Window> list;
    list.append(
        {QStringLiteral("TForm22"), [](GuiFixture &app, const Check &check) { check(app.menu(), {}); }});
    for (const vb::Program &program : vb::programList()) {
        const int number = program.tables->program;
        list.append({QLatin1String(program.form), [number](GuiFixture &app, const Check &check) {
                         app.withProgramOpen(number, [&](QWidget *form) {
                             check(form, QString());
                             // An option sets the captions of its mode.
                             for (const char *option : vb::findProgram(number)->tables->options) {
                                 GuiFixture::press(form, option);
                                 check(form, QStringLiteral("with %1").arg(QLatin1String(option)));
                             }
                         });
                     }});
    }
    list.append({QStringLiteral("TForm31"), [](GuiFixture &, const Check &check) {
                     vb::TForm31 *error = vb::shell::forms().error;
                     for (const vb::Program &program : vb::programList()) {
                         for (int line = 1; line <= 4; ++line)
                             error->hideLine(line);
                         for (const vb::CrossCondition &condition : program.tables->conditions) {
                             if (condition.showsLine())
                                 error->showLine(condition.line,
                                                 vb::captionText(condition.message, vb::shell::english()));
                         }
                         error->show();
                         check(error,
                               QStringLiteral("with the lines of Programm %1").arg(program.tables->program));
                         error->hide();
                     }
                 }});
    list.append({QStringLiteral("TForm29"), [](GuiFixture &app, const Check &check) {
                     whenWindowShows(QStringLiteral("TForm29"), [&](QWidget *info) { check(info, {}); });
                     vb::shell::forms().info->showPage(app.menu(), 1);
                 }});
    list.append({QStringLiteral("TFormProfil"), [](GuiFixture &app, const Check &check) {
                     whenWindowShows(QStringLiteral("TFormProfil"),
                                     [&](QWidget *sections) { check(sections, {}); });
                     vb::shell::sectionWindow()->choose(app.menu(), {});
                 }});
    list.append({QStringLiteral("TFormProjekt"), [](GuiFixture &app, const Check &check) {
                     openFromMenu(app, "ButtonProjekt", QStringLiteral("TFormProjekt"), check);
                 }});
    list.append({QStringLiteral("TFormBriefkopf"), [](GuiFixture &app, const Check &check) {
                     openFromMenu(app, "ButtonBriefkopf", QStringLiteral("TFormBriefkopf"), check);
                 }});
#ifdef VB_HAS_POSITION_DIALOG
    list.append({QStringLiteral("TFormPosition"), [](GuiFixture &app, const Check &check) {
                     const vb::project::Project project;
                     using Purpose = vb::TFormPosition::Purpose;
                     const std::pair<Purpose, const char *> purposes[] = {{Purpose::Save, "to save"},
                                                                          {Purpose::Copy, "to copy"},
                                                                          {Purpose::Renumber, "to renumber"}};
                     for (const auto &[purpose, state] : purposes) {
                         vb::TFormPosition dialog(purpose, project, QStringLiteral("1"), QString(),
                                                  purpose == Purpose::Save ? QString() : QStringLiteral("1"),
                                                  app.menu());
                         dialog.show();
                         QApplication::processEvents();
                         check(&dialog, QLatin1String(state));
                     }
                 }});
#endif
    return list;
}

} // namespace

class TestTextFit : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void everyTextFits_data();
    void everyTextFits();

private:
    QTemporaryDir m_home;
};

void TestTextFit::initTestCase()
{
    QVERIFY(QGuiApplication::primaryScreen()->availableGeometry().width() >= 1024);
    // The run's own type, as the program sets it before its first window; settings, catalogues and
    // projects of the test's own.
    vb::shell::prepareApplication();
    qputenv("XDG_CONFIG_HOME", m_home.filePath(QStringLiteral("config")).toUtf8());
    qputenv("XDG_DATA_HOME", m_home.filePath(QStringLiteral("data")).toUtf8());
}

void TestTextFit::everyTextFits_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<bool>("english");
    for (const Window &window : windows()) {
        QTest::addRow("%s in German", qPrintable(window.name)) << window.name << false;
        QTest::addRow("%s in English", qPrintable(window.name)) << window.name << true;
    }
}

void TestTextFit::everyTextFits()
{
    QFETCH(QString, window);
    QFETCH(bool, english);
    GuiFixture app;
    if (english)
        GuiFixture::press(app.menu(), "Button8");
    QCOMPARE(vb::shell::english(), english);
    QStringList clipped;
    int checked = 0;
    const Check check = [&](QWidget *shown, const QString &state) {
        QCOMPARE(shown->objectName(), window);
        ++checked;
        clipped << clippedTexts(shown, state);
    };
    for (const Window &row : windows()) {
        if (row.name == window)
            row.open(app, check);
    }
    QVERIFY2(checked > 0, "the window did not show");
    QVERIFY2(clipped.isEmpty(), qPrintable(QStringLiteral("\n") + clipped.join(QLatin1Char('\n'))));
}

// The windows are designed for a desktop of 1024 × 768 pixels; the headless screen is made that
// size, so that no window is shrunk to a smaller screen before its texts are measured.
int main(int argc, char **argv)
{
    QTemporaryDir folder;
    if (qgetenv("QT_QPA_PLATFORM") == "offscreen") {
        const QString config = folder.filePath(QStringLiteral("screen.json"));
        QFile file(config);
        if (file.open(QIODevice::WriteOnly))
            file.write(R"({"screens": [{"name": "Desktop", "x": 0, "y": 0, "width": 1024, "height": 768,)"
                       R"( "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
        file.close();
        qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + QFile::encodeName(config));
    }
    QApplication application(argc, argv);
    TestTextFit test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_textfit.moc"
