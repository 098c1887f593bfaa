#include "app/shell.h"

#include "app/stat1024.h"
#include "reports/resources.h"

#include <QtCore/QCoreApplication>
#include <QtCore/QDateTime>
#include <QtCore/QLocale>
#include <QtCore/QRegularExpression>
#include <QtGui/QGuiApplication>

namespace vb::shell {

namespace {
struct State {
    bool english = false;
    HeaderSnapshot header;
    FormRegistry forms;
    MessageHook hook;
};

State &state()
{
    static State s;
    return s;
}
} // namespace

void prepareApplication()
{
    QCoreApplication::setApplicationName(QStringLiteral("vorbemessung"));
    // The menu hides while a program is open; the run ends only when the host form closes.
    QGuiApplication::setQuitOnLastWindowClosed(false);
    vb::initResources();
}

bool english() { return state().english; }
void setEnglish(bool english) { state().english = english; }
HeaderSnapshot &header() { return state().header; }
FormRegistry &forms() { return state().forms; }

void message(const Message &message)
{
    if (state().hook) {
        state().hook(message);
        return;
    }
    QMessageBox box(message.icon, message.caption, message.text, QMessageBox::Ok);
    box.exec();
}

void setMessageHook(MessageHook hook) { state().hook = std::move(hook); }

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
    TForm22 *menu = state().forms.menu;
    if (!menu)
        return;
    const QDateTime now = QDateTime::currentDateTime();
    const QLocale locale = QLocale::system();
    menu->setDateTimeTexts(locale.toString(now.date(), QLocale::ShortFormat),
                           hoursAndMinutes(now.time(), locale));
}

QString menuPositionNumber()
{
    TForm22 *menu = state().forms.menu;
    return menu ? menu->positionNumber() : QString();
}

void setMenuPositionNumber(const QString &text)
{
    if (TForm22 *menu = state().forms.menu)
        menu->setPositionNumber(text);
}

} // namespace vb::shell
