// Every text of every window fits what is seen of its control, in German and in English: the menu,
// the program forms in each option, the error window with every program's lines, the information,
// section, project and letterhead windows and the position dialog.
#include "guifixture.h"

#include "forms/erro1024.h"
#include "forms/pgm71024.h"
#include "forms/programlist.h"
#include "forms/tformposition.h"
#include "forms/tformprofil.h"

#include <QtGui/QScreen>
#include <QtTest/QtTest>
#include <QtWidgets/QApplication>
#include <QtWidgets/QDialog>
#include <QtWidgets/QGroupBox>
#include <QtWidgets/QLabel>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QStyleOptionButton>

// The width the control's text needs; 0 without text, for a wrapping label and for a rule, which the
// design cuts to length. A push button: its text and the style's frame, without the style's least width.
static int neededWidth(const QWidget *control, QString *text)
{
    if (const auto *label = qobject_cast<const QLabel *>(control)) {
        *text = label->text();
        const bool rule = text->size() > 3 && text->count(QLatin1Char('-')) == text->size();
        return text->isEmpty() || label->wordWrap() || rule ? 0 : label->sizeHint().width();
    }
    if (const auto *box = qobject_cast<const QGroupBox *>(control)) {
        *text = box->title();
        return text->isEmpty() ? 0 : box->minimumSizeHint().width();
    }
    const auto *button = qobject_cast<const QAbstractButton *>(control);
    if (!button || (*text = button->text()).isEmpty())
        return 0;
    const auto *push = qobject_cast<const QPushButton *>(control);
    if (!push) // a check or radio box
        return button->sizeHint().width();
    QStyleOptionButton option;
    option.initFrom(push);
    const auto metric = [&](QStyle::PixelMetric m) { return push->style()->pixelMetric(m, &option, push); };
    return push->fontMetrics().size(Qt::TextShowMnemonic, *text).width() + metric(QStyle::PM_ButtonMargin) +
           2 * metric(QStyle::PM_DefaultFrameWidth) +
           (push->autoDefault() || push->isDefault() ? 2 * metric(QStyle::PM_ButtonDefaultIndicator) : 0);
}

class TestTextFit : public QObject
{
    Q_OBJECT

private slots:
    void everyTextFits_data();
    void everyTextFits();

private:
    // Notes each control of `window` whose text does not fit; `state` says what the window shows.
    void check(QWidget *window, const QString &state = QString())
    {
        ++m_checked;
        for (const QWidget *control : window->findChildren<QWidget *>()) {
            // The windows the menu holds (the program forms, the error window …) are checked as their own.
            if (control->window() != window || !control->isVisibleTo(window))
                continue;
            QRect shown = window->rect(); // cut by every widget that holds the control
            for (const QWidget *holder = control; holder != window; holder = holder->parentWidget())
                shown &= QRect(holder->mapTo(window, QPoint(0, 0)), holder->size());
            QString text;
            if (const int lacks = neededWidth(control, &text) - shown.width(); lacks > 0)
                m_clipped << QStringLiteral("%1: \"%2\" lacks %3 px %4")
                                 .arg(control->objectName(), text, QString::number(lacks), state);
        }
    }

    // Opens the window `m_window` and checks it in each state whose texts it shows.
    void openAndCheck(GuiFixture &app)
    {
        if (m_window == "TForm22")
            return check(app.menu());
        for (const vb::Program &program : vb::programList()) {
            if (m_window != QLatin1String(program.form))
                continue;
            return app.withProgramOpen(program.tables->program, [&](QWidget *form) {
                check(form);
                for (const char *option : program.tables->options) {
                    GuiFixture::press(form, option);
                    check(form, QStringLiteral("with %1").arg(QLatin1String(option)));
                }
            });
        }
        if (m_window == "TForm31") {
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
                check(error, QStringLiteral("with the lines of Programm %1").arg(program.tables->program));
                error->hide();
            }
        } else if (m_window == "TFormPosition") {
            const vb::project::Project project;
            const char *const purposes[] = {"to save", "to copy", "to renumber"}; // in the order of Purpose
            for (int i = 0; i < 3; ++i) {
                vb::TFormPosition dialog(vb::TFormPosition::Purpose(i), project, QStringLiteral("1"),
                                         QString(), i == 0 ? QString() : QStringLiteral("1"), app.menu());
                dialog.show();
                QApplication::processEvents();
                check(&dialog, QLatin1String(purposes[i]));
            }
        } else {
            auto *poll = new QTimer(app.menu());
            connect(poll, &QTimer::timeout, this, [this, poll] {
                auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
                if (!dialog || dialog->objectName() != m_window)
                    return;
                poll->stop();
                check(dialog);
                dialog->reject();
            });
            poll->start(5);
            if (m_window == "TForm29")
                vb::shell::forms().info->showPage(app.menu(), 1);
            else if (m_window == "TFormProfil")
                vb::shell::sectionWindow()->choose(app.menu(), {});
            else
                GuiFixture::press(app.menu(),
                                  m_window == "TFormProjekt" ? "ButtonProjekt" : "ButtonBriefkopf");
        }
    }

    QString m_window;
    QStringList m_clipped;
    int m_checked = 0;
};

void TestTextFit::everyTextFits_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<bool>("english");
    QStringList windows{"TForm22", "TForm31", "TForm29", "TFormProfil", "TFormProjekt", "TFormBriefkopf"};
    for (const vb::Program &program : vb::programList())
        windows << QLatin1String(program.form);
    for (const QString &window : windows << "TFormPosition") {
        QTest::addRow("%s in German", qPrintable(window)) << window << false;
        QTest::addRow("%s in English", qPrintable(window)) << window << true;
    }
}

void TestTextFit::everyTextFits()
{
    QFETCH(QString, window);
    QFETCH(bool, english);
    QVERIFY(QGuiApplication::primaryScreen()->availableGeometry().width() >= 1024);
    GuiFixture app;
    if (english)
        GuiFixture::press(app.menu(), "Button8");
    QCOMPARE(vb::shell::english(), english);
    m_window = window, m_clipped.clear(), m_checked = 0;
    openAndCheck(app);
    QVERIFY2(m_checked > 0, "the window did not show");
    QVERIFY2(m_clipped.isEmpty(), qPrintable(QStringLiteral("\n") + m_clipped.join(QLatin1Char('\n'))));
}

// The windows are designed for a desktop of 1024 × 768 pixels; the headless screen is made that
// size, so that no window is shrunk to a smaller screen before its texts are measured.
int main(int argc, char **argv)
{
    QTemporaryDir home;
    QFile screen(home.filePath(QStringLiteral("screen.json")));
    if (qgetenv("QT_QPA_PLATFORM") == "offscreen" && screen.open(QIODevice::WriteOnly)) {
        screen.write(R"({"screens": [{"name": "Desktop", "x": 0, "y": 0, "width": 1024, "height": 768,)"
                     R"( "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
        screen.close();
        qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + QFile::encodeName(screen.fileName()));
    }
    QApplication application(argc, argv);
    // The program's own type; settings, catalogues and projects of the test's own.
    vb::shell::prepareApplication();
    qputenv("XDG_CONFIG_HOME", home.filePath(QStringLiteral("config")).toUtf8());
    qputenv("XDG_DATA_HOME", home.filePath(QStringLiteral("data")).toUtf8());
    TestTextFit test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_textfit.moc"
