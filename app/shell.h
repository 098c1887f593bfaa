#pragma once

#include <QtCore/QString>
#include <QtWidgets/QMessageBox>

#include <array>
#include <functional>
#include <thread>

// The state the whole run shares, in one place: the language flag, the header snapshot
// and the form registry; plus the one seam through which every message box goes.

class QLocale;
class QPoint;
class QTime;
class QWidget;

namespace vb
{

class TForm1;
class TForm22;
class TForm29;
class TForm31;
class ProgramForm;

// The five header fields a program takes over when it is opened ("Ersteller" is read
// from the menu itself at printing time).
struct HeaderSnapshot {
    QString project;  // Edit1
    QString position; // Edit2
    QString company;  // Edit3
    QString date;     // Edit4
    QString time;     // Edit5
};

// One reference per long-lived form, set when the form is created.
struct FormRegistry {
    TForm1 *host = nullptr;
    TForm22 *menu = nullptr;
    std::array<ProgramForm *, 6> programs{}; // TForm23 … TForm28
    TForm29 *info = nullptr;
    TForm31 *error = nullptr;
};

struct Message {
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QString caption;
    QString text;
};

namespace shell
{

// Reads the desktop's font configuration on a second thread while the application object is
// made. Reading it takes longer than anything else at start-up, and every form needs it the
// moment its first field is made. Make one before the application object and call wait()
// once that exists; the destructor waits too.
class FontConfigWarmUp
{
public:
    FontConfigWarmUp();
    ~FontConfigWarmUp();
    FontConfigWarmUp(const FontConfigWarmUp &) = delete;
    FontConfigWarmUp &operator=(const FontConfigWarmUp &) = delete;
    void wait();

private:
    std::thread m_thread;
};

// Settings of the application object every run needs before the first form: its name,
// the resources and fonts (every text of the system, message boxes included, in Arial 13
// pixels high), and that the host form, not the last window, ends the run.
void prepareApplication();

bool english();
void setEnglish(bool english);

HeaderSnapshot &header();
FormRegistry &forms();

// Shows a message box with an OK button and waits for it; a test can take the messages
// instead by installing a hook.
void message(const Message &message);
using MessageHook = std::function<void(const Message &)>;
void setMessageHook(MessageHook hook);

// Asks for the name of a file to save in the desktop's save dialog, proposing `proposed` (a full
// path); empty when the user cancels. A test can answer instead by installing a hook, which gets
// the dialog's caption and the proposed path.
QString askSaveFileName(QWidget *parent, const QString &caption, const QString &proposed,
                        const QString &filter);
using SaveDialogHook = std::function<QString(const QString &caption, const QString &proposed)>;
void setSaveDialogHook(SaveDialogHook hook);

// The folder a calculation sheet was last saved to in this run; empty before the first.
QString lastSaveFolder();
void setLastSaveFolder(const QString &folder);

// The general error report: an error box with the failure's own text.
void errorReport(const QString &text);

// Writes the current local date (short date format) and hours:minutes (short time format)
// into the main menu's "Datum" and "Uhrzeit" fields.
void refreshDateTime();
QString hoursAndMinutes(const QTime &time, const QLocale &locale);

// The main menu's position/order number field, read and written by every program form.
QString menuPositionNumber();
void setMenuPositionNumber(const QString &text);

// The main menu's "Ersteller", "Datum" and "Uhrzeit" as they stand now, for a sheet.
QString menuCreator();
QString menuDate();
QString menuTime();

// Opens program 1 … 6 from the main menu, as its program button does, and returns when the
// program form is closed.
void openProgram(int program);

// Moves the main menu to `position` and shows it again, as a program form closes.
void showMenuAt(const QPoint &position);

} // namespace shell
} // namespace vb
