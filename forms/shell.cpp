#include "forms/shell.h"

#include "forms/programform.h"
#include "forms/tformprofil.h"
#include "reports/resources.h"

#include <QtCore/QCoreApplication>
#include <QtCore/QDateTime>
#include <QtCore/QEvent>
#include <QtCore/QLocale>
#include <QtCore/QRegularExpression>
#include <QtGui/QFont>
#include <QtGui/QGuiApplication>
#include <QtGui/QScreen>
#include <QtWidgets/QDialog>
#include <QtWidgets/QFileDialog>
#include <QtWidgets/QPushButton>

#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
#include <algorithm>

#include <dlfcn.h>
#define VB_FONTCONFIG 1
#endif

namespace vb
{
ProgramForm *FormRegistry::program(int number) const
{
    for (ProgramForm *form : programs) {
        if (form && form->tables().program == number)
            return form;
    }
    return nullptr;
}

} // namespace vb

namespace vb::shell
{

namespace
{
struct State {
    bool english = false;
    HeaderSnapshot header;
    FormRegistry forms;
    MessageHook hook;
    QuestionHook questionHook;
    OpenDialogHook openDialogHook;
    SaveDialogHook saveDialogHook;
    DialogHook dialogHook;
    QString lastSaveFolder;
};

State &state()
{
    static State s;
    return s;
}

// Keeps a window that is being shown inside its screen's available area.
class OnScreen final : public QObject
{
public:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show && watched->isWidgetType()) {
            // Forms, dialogs and message boxes; popups and tool tips place themselves.
            auto *widget = static_cast<QWidget *>(watched);
            const Qt::WindowType type = widget->windowType();
            if (widget->isWindow() && (type == Qt::Window || type == Qt::Dialog))
                keepOnScreen(widget);
        }
        return false;
    }
};
} // namespace

FontConfigWarmUp::FontConfigWarmUp()
{
#ifdef VB_FONTCONFIG
    // Qt's font database on this platform is fontconfig, already loaded with Qt. Its
    // initialisation is safe from any thread; Qt's own later call then finds it done.
    using FcInit = int (*)();
    if (const auto init = reinterpret_cast<FcInit>(dlsym(RTLD_DEFAULT, "FcInit")))
        m_thread = std::thread([init] { init(); });
#endif
}

FontConfigWarmUp::~FontConfigWarmUp()
{
    wait();
}

void FontConfigWarmUp::wait()
{
    if (m_thread.joinable())
        m_thread.join();
}

void prepareApplication()
{
    QCoreApplication::setApplicationName(QStringLiteral("vorbemessung"));
    // The menu hides while a program is open; the run ends only when the host form closes.
    QGuiApplication::setQuitOnLastWindowClosed(false);
    vb::initResources();
    // The forms' own type as the default, so that no field is first laid out in the
    // desktop's font and then again in its own, and message boxes match the forms.
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(13);
    QGuiApplication::setFont(font);
    // Every window, the forms of 800 x 570 and the project window included, opens inside the
    // screen's available area, also on a small screen or one with panels.
    static OnScreen onScreen;
    QCoreApplication::instance()->installEventFilter(&onScreen);
}

bool english()
{
    return state().english;
}
void setEnglish(bool english)
{
    state().english = english;
}
HeaderSnapshot &header()
{
    return state().header;
}
FormRegistry &forms()
{
    return state().forms;
}

void message(const Message &message)
{
    if (state().hook) {
        state().hook(message);
        return;
    }
    QMessageBox box(message.icon, message.caption, message.text, QMessageBox::Ok);
    box.exec();
}

void setMessageHook(MessageHook hook)
{
    state().hook = std::move(hook);
}

int ask(const Question &question)
{
    if (state().questionHook)
        return state().questionHook(question);
    QMessageBox box(question.icon, question.caption, question.text);
    QList<QAbstractButton *> buttons;
    for (const QString &answer : question.answers)
        buttons << box.addButton(answer, QMessageBox::AcceptRole);
    if (!buttons.isEmpty()) {
        box.setEscapeButton(buttons.last());
        box.setDefaultButton(qobject_cast<QPushButton *>(buttons.last()));
    }
    box.exec();
    const qsizetype answer = buttons.indexOf(box.clickedButton());
    return answer < 0 ? int(buttons.size()) - 1 : int(answer);
}

void setQuestionHook(QuestionHook hook)
{
    state().questionHook = std::move(hook);
}

QString askOpenFileName(QWidget *parent, const QString &caption, const QString &folder, const QString &filter)
{
    if (state().openDialogHook)
        return state().openDialogHook(caption);
    return QFileDialog::getOpenFileName(parent, caption, folder, filter);
}

void setOpenDialogHook(OpenDialogHook hook)
{
    state().openDialogHook = std::move(hook);
}

QString askSaveFileName(QWidget *parent, const QString &caption, const QString &proposed,
                        const QString &filter)
{
    if (state().saveDialogHook)
        return state().saveDialogHook(caption, proposed);
    return QFileDialog::getSaveFileName(parent, caption, proposed, filter);
}

void setSaveDialogHook(SaveDialogHook hook)
{
    state().saveDialogHook = std::move(hook);
}

int execDialog(QDialog &dialog)
{
    if (state().dialogHook)
        return state().dialogHook(dialog);
    return dialog.exec();
}

void setDialogHook(DialogHook hook)
{
    state().dialogHook = std::move(hook);
}

void keepOnScreen(QWidget *window)
{
    if (!window)
        return;
    const QWidget *anchor = window->parentWidget() ? window->parentWidget()->window() : window;
    QScreen *screen = anchor->screen() ? anchor->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    // The frame the window system adds (title bar, borders) is known only once a window was
    // shown; before that a title bar of about 30 pixels is kept free.
    const QRect frame = window->frameGeometry();
    const QSize decoration = window->isVisible() || window->testAttribute(Qt::WA_WState_Created)
                                 ? frame.size() - window->size()
                                 : QSize(0, 30);
    // A window laid out by a layout (the project window) shrinks to the screen; a form designed
    // at fixed places keeps its size, or its controls at the edge would be cut off.
    QSize size = window->size();
    if (window->layout())
        size = size.boundedTo(area.size() - decoration).expandedTo(window->minimumSizeHint());
    if (size != window->size())
        window->resize(size);
    QPoint at = window->pos();
    at.setX(std::clamp(at.x(), area.left(),
                       std::max(area.left(), area.right() + 1 - size.width() - decoration.width())));
    at.setY(std::clamp(at.y(), area.top(),
                       std::max(area.top(), area.bottom() + 1 - size.height() - decoration.height())));
    if (at != window->pos())
        window->move(at);
}

QString lastSaveFolder()
{
    return state().lastSaveFolder;
}
void setLastSaveFolder(const QString &folder)
{
    state().lastSaveFolder = folder;
}

void errorReport(const QString &text)
{
    message({QMessageBox::Critical, QCoreApplication::applicationName(), text});
}

QString hoursAndMinutes(const QTime &time, const QLocale &locale)
{
    // The desktop's short time format, without seconds where a locale shows them there
    // (the C locale does): the field holds hours and minutes only.
    QString format = locale.timeFormat(QLocale::ShortFormat);
    static const QRegularExpression seconds(QStringLiteral("[:.]?s+|[.,]?z+"));
    format.remove(seconds);
    return locale.toString(time, format.trimmed());
}

void refreshDateTime()
{
    MainMenu *menu = state().forms.menu();
    if (!menu)
        return;
    const QDateTime now = QDateTime::currentDateTime();
    const QLocale locale = QLocale::system();
    menu->setDateTimeTexts(locale.toString(now.date(), QLocale::ShortFormat),
                           hoursAndMinutes(now.time(), locale));
}

QString menuPositionNumber()
{
    MainMenu *menu = state().forms.menu();
    return menu ? menu->positionNumber() : QString();
}

void setMenuPositionNumber(const QString &text)
{
    if (MainMenu *menu = state().forms.menu())
        menu->setPositionNumber(text);
}

QString menuProject()
{
    MainMenu *menu = state().forms.menu();
    return menu ? menu->project() : QString();
}

QString menuCompany()
{
    MainMenu *menu = state().forms.menu();
    return menu ? menu->company() : QString();
}

QString menuCreator()
{
    const MainMenu *menu = state().forms.menu();
    return menu ? menu->creator() : QString();
}

QString menuDate()
{
    const MainMenu *menu = state().forms.menu();
    return menu ? menu->date() : QString();
}

QString menuTime()
{
    const MainMenu *menu = state().forms.menu();
    return menu ? menu->time() : QString();
}

TFormProfil *sectionWindow()
{
    QPointer<TFormProfil> &window = state().forms.sections;
    if (!window)
        window = new TFormProfil(state().forms.menuWindow);
    return window;
}

void openProgram(int program)
{
    if (MainMenu *menu = state().forms.menu())
        menu->openProgram(program);
}

void showMenuAt(const QPoint &position)
{
    if (MainMenu *menu = state().forms.menu()) {
        menu->window()->move(position);
        menu->window()->show();
    }
}

} // namespace vb::shell
