#pragma once

#include "forms/shell.h"

#include <QtCore/QList>
#include <QtCore/QStringList>
#include <QtCore/QTemporaryDir>
#include <QtWidgets/QMainWindow>

#include <functional>
#include <memory>

class QDialog;
class QLineEdit;
class QWidget;

namespace vb
{
class TForm1;
} // namespace vb

// The running program for a GUI test: host form and main menu (which creates every
// other form), the language file in a temporary directory, message boxes captured.
class GuiFixture
{
public:
    // `languageRecord` is written as the flag file before start-up unless empty.
    explicit GuiFixture(const QByteArray &languageRecord = QByteArray());
    ~GuiFixture();

    vb::TForm1 *host() const { return m_host.get(); }
    QMainWindow *menu() const { return m_menu.get(); }
    QString languageFilePath() const;

    // The questions the default question hook answered.
    QList<vb::Question> questions;
    QList<vb::Message> messages;

    // Opens program `n` from the menu and runs `inside` while it is shown modally; the
    // form is closed afterwards by its close box unless `inside` closed it. After
    // `safetyMs` every window still open is closed, so that a failing test never hangs.
    void withProgramOpen(int n, const std::function<void(QWidget *form)> &inside, int safetyMs = 20000);

    static QLineEdit *field(QWidget *form, const char *name);
    // The text a control shows: a label's, a button's or a field's.
    static QString textOf(QWidget *form, const char *name);
    // Presses a button of a form or of the menu, as a click on it does.
    static void press(QWidget *form, const char *name);
    // Types into a field as the user does: cleared first, then key by key.
    static void type(QWidget *form, const char *name, const QString &text);

private:
    QTemporaryDir m_dir;
    std::unique_ptr<vb::TForm1> m_host;
    std::unique_ptr<QMainWindow> m_menu;
};

// Forgets the forms, header, language, message, question and dialog hooks and the last save
// folder of a test's run.
void resetShellState();

// A dialog hook that presses the dialog's "OK" where it is enabled, else cancels.
int pressOk(QDialog &dialog);

// Runs `action` as soon as `window` is shown; when it does not show within `timeoutMs`,
// nothing runs. A test that expects a modal window closes it in `action`.
void whenShown(QWidget *window, const std::function<void()> &action, int timeoutMs = 5000);

// The private CUPS fixture the print tests run under (tests/reports/CupsTestServer.cmake).
namespace cupsfixture
{
// Why a print test cannot run here (not under the fixture, cupsd missing); empty when it can.
QString skipReason();
// Whether the fixture's server has the default queue; without one it has no printer at all.
bool withQueue();
// The jobs the queue's backend has stored so far.
QStringList storedJobs();
// The path of the first job stored that is not in `before`, once it is written; empty when
// none arrives within 20 s.
QString nextJobFile(const QStringList &before);
// The text (pdftotext -layout) of that job; empty when none arrives.
QString nextJobText(const QStringList &before);
// Collapses the layout's runs of blanks so that a test can look for words in their order.
inline QString words(const QString &text)
{
    return text.simplified();
}
} // namespace cupsfixture
