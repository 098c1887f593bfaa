#pragma once

#include <QtCore/QPointer>
#include <QtCore/QString>
#include <QtCore/QStringList>
#include <QtWidgets/QMessageBox>

#include <array>
#include <functional>
#include <thread>

// The state the whole run shares, in one place: the language flag, the header snapshot
// and the form registry; plus the one seam through which every message box goes.

class QLocale;
class QPoint;
class QTime;
class QDialog;
class QWidget;

namespace vb
{

class TForm29;
class TForm31;
class TFormProfil;
class TFormProjekt;
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

// What the forms need of the main menu: its header fields, its position number, opening a
// program and showing it again. The menu implements it; the forms never see its class.
class MainMenu
{
public:
    virtual ~MainMenu() = default;
    virtual QWidget *window() = 0;
    virtual QString positionNumber() const = 0;
    virtual void setPositionNumber(const QString &text) = 0;
    virtual void setDateTimeTexts(const QString &date, const QString &time) = 0;
    virtual QString project() const = 0;
    virtual QString company() const = 0;
    virtual QString creator() const = 0;
    virtual QString date() const = 0;
    virtual QString time() const = 0;
    // Opens program `program` as its button does; returns when the form is closed.
    virtual void openProgram(int program) = 0;
};

// One reference per long-lived form, set when the form is created. The forms belong to the
// main menu (their Qt parent), which deletes them; a reference goes null with its form.
struct FormRegistry {
    QPointer<QWidget> host;
    QPointer<QWidget> menuWindow;          // the main menu, a MainMenu
    QList<QPointer<ProgramForm>> programs; // in the order of the list of programs
    QPointer<TForm29> info;
    QPointer<TForm31> error;
    QPointer<TFormProfil> sections; // made when a section is first chosen
    QPointer<TFormProjekt> project; // made when the project window is first opened

    // The menu's face for the forms; nullptr before it is made, and from the moment it goes.
    MainMenu *menu() const { return dynamic_cast<MainMenu *>(menuWindow.data()); }
    // The form of program `number`; nullptr before the menu made it.
    ProgramForm *program(int number) const;
};

struct Message {
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QString caption;
    QString text;
};

// A question with its answers, the last of which is the one Escape gives.
struct Question {
    QMessageBox::Icon icon = QMessageBox::Question;
    QString caption;
    QString text;
    QStringList answers;
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

// Asks a question in a message box and waits; returns the index of the answer given. A test can
// answer instead by installing a hook.
int ask(const Question &question);
using QuestionHook = std::function<int(const Question &)>;
void setQuestionHook(QuestionHook hook);

// Asks for a file to open in the desktop's open dialog, starting in `folder`; empty when the user
// cancels. A test can answer instead by installing a hook, which gets the dialog's caption.
QString askOpenFileName(QWidget *parent, const QString &caption, const QString &folder,
                        const QString &filter);
using OpenDialogHook = std::function<QString(const QString &caption)>;
void setOpenDialogHook(OpenDialogHook hook);

// Asks for the name of a file to save in the desktop's save dialog, proposing `proposed` (a full
// path); empty when the user cancels. A test can answer instead by installing a hook, which gets
// the dialog's caption and the proposed path.
QString askSaveFileName(QWidget *parent, const QString &caption, const QString &proposed,
                        const QString &filter);
using SaveDialogHook = std::function<QString(const QString &caption, const QString &proposed)>;
void setSaveDialogHook(SaveDialogHook hook);

// Runs a modal dialog of the program (the position dialog) and returns its result
// (QDialog::Accepted or Rejected). A test can fill and answer it instead by installing a hook,
// which gets the dialog as it is about to be shown.
int execDialog(QDialog &dialog);
using DialogHook = std::function<int(QDialog &dialog)>;
void setDialogHook(DialogHook hook);

// Moves a window that is about to be shown into the available area of its screen (the screen
// without its panels), shrinking it where it is larger, so that no window opens with its title
// bar or its buttons off the screen.
void keepOnScreen(QWidget *window);

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

// The main menu's "Projekt" and "Firma" as they stand now, for a new project.
QString menuProject();
QString menuCompany();
// The main menu's "Ersteller", "Datum" and "Uhrzeit" as they stand now, for a sheet.
QString menuCreator();
QString menuDate();
QString menuTime();

// The section window, made the first time a section is chosen.
TFormProfil *sectionWindow();

// Opens program 1 … 6 from the main menu, as its program button does, and returns when the
// program form is closed.
void openProgram(int program);

// Moves the main menu to `position` and shows it again, as a program form closes.
void showMenuAt(const QPoint &position);

} // namespace shell
} // namespace vb
