#include "guifixture.h"

#include "app/bild.h"
#include "app/mainmenu.h"
#include "forms/programform.h"
#include "forms/projectsession.h"
#include "reports/resources.h"

#include <QtCore/QDir>
#include <QtCore/QElapsedTimer>
#include <QtCore/QFile>
#include <QtCore/QProcess>
#include <QtCore/QTimer>
#include <QtTest/QTest>
#include <QtWidgets/QAbstractButton>
#include <QtWidgets/QApplication>
#include <QtWidgets/QDialog>
#include <QtWidgets/QLabel>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QMainWindow>
#include <QtWidgets/QPushButton>

#include <memory>

GuiFixture::GuiFixture(const QByteArray &languageRecord)
{
    vb::initResources();
    if (!languageRecord.isEmpty()) {
        QFile file(languageFilePath());
        if (file.open(QIODevice::WriteOnly))
            file.write(languageRecord);
    }
    vb::shell::setMessageHook([this](const vb::Message &m) { messages.append(m); });
    // The position dialog is answered as shown, as a planner presses "OK" on what it proposes.
    vb::shell::setDialogHook(&pressOk);
    // A question no test answers gets its Escape answer, but for the one asked when a form with a
    // calculation not stored closes: that is answered "Verwerfen", as a test closes its form.
    vb::shell::setQuestionHook([this](const vb::Question &q) {
        questions.append(q);
        const qsizetype discard = q.answers.indexOf(QStringLiteral("Verwerfen"));
        const qsizetype english = q.answers.indexOf(QStringLiteral("Discard"));
        return int(discard >= 0 ? discard : english >= 0 ? english : q.answers.size() - 1);
    });
    m_host = std::make_unique<vb::TForm1>();
    m_menu = vb::makeMainMenu(languageFilePath());
    m_menu->show();
    QApplication::processEvents();
}

GuiFixture::~GuiFixture()
{
    m_menu.reset();
    resetShellState();
}

void resetShellState()
{
    vb::projectSession().close();
    vb::shell::forms() = vb::FormRegistry{};
    vb::shell::header() = vb::HeaderSnapshot{};
    vb::shell::setEnglish(false);
    vb::shell::setMessageHook({});
    vb::shell::setSaveDialogHook({});
    vb::shell::setQuestionHook({});
    vb::shell::setOpenDialogHook({});
    vb::shell::setDialogHook({});
    vb::shell::setLastSaveFolder(QString());
}

int pressOk(QDialog &dialog)
{
    auto *ok = dialog.findChild<QPushButton *>(QStringLiteral("ButtonOK"));
    if (!ok || !ok->isEnabled())
        return QDialog::Rejected;
    ok->click();
    return dialog.result();
}

QString GuiFixture::languageFilePath() const
{
    return m_dir.filePath(QStringLiteral(".msdos2.ini"));
}

void GuiFixture::withProgramOpen(int n, const std::function<void(QWidget *form)> &inside, int safetyMs)
{
    vb::ProgramForm *form = vb::shell::forms().program(n);
    QTimer::singleShot(0, form, [form, inside] {
        QApplication::processEvents();
        inside(form);
        if (form->isVisible())
            form->close();
    });
    QTimer safety;
    safety.setSingleShot(true);
    // A failing test must not hang: close whatever modal window is still open.
    QObject::connect(&safety, &QTimer::timeout, form, [form] {
        const auto windows = QApplication::topLevelWidgets();
        for (QWidget *w : windows) {
            if (auto *dialog = qobject_cast<QDialog *>(w); dialog && dialog != form && dialog->isVisible())
                dialog->reject();
        }
        // Hidden, not closed: closing may ask about a calculation not stored.
        form->hide();
    });
    safety.start(safetyMs);
    vb::shell::openProgram(n);
}

QLineEdit *GuiFixture::field(QWidget *form, const char *name)
{
    auto *edit = form->findChild<QLineEdit *>(QString::fromLatin1(name));
    Q_ASSERT_X(edit, "field", name);
    return edit;
}

QString GuiFixture::textOf(QWidget *form, const char *name)
{
    QWidget *w = form->findChild<QWidget *>(QString::fromLatin1(name));
    Q_ASSERT_X(w, "textOf", name);
    if (auto *label = qobject_cast<QLabel *>(w))
        return label->text();
    if (auto *button = qobject_cast<QAbstractButton *>(w))
        return button->text();
    return qobject_cast<QLineEdit *>(w)->text();
}

void GuiFixture::press(QWidget *form, const char *name)
{
    auto *button = form->findChild<QAbstractButton *>(QString::fromLatin1(name));
    Q_ASSERT_X(button, "press", name);
    button->click();
}

void GuiFixture::type(QWidget *form, const char *name, const QString &text)
{
    QLineEdit *edit = field(form, name);
    edit->clear();
    QTest::keyClicks(edit, text);
}

void whenShown(QWidget *window, const std::function<void()> &action, int timeoutMs)
{
    auto *poll = new QTimer(window);
    const auto started = std::make_shared<QElapsedTimer>();
    started->start();
    QObject::connect(poll, &QTimer::timeout, window, [poll, started, window, action, timeoutMs] {
        if (window->isVisible()) {
            poll->stop();
            poll->deleteLater();
            action();
        } else if (started->elapsed() > timeoutMs) {
            poll->stop();
            poll->deleteLater();
        }
    });
    poll->start(5);
}

namespace cupsfixture
{

QString skipReason()
{
    const QString dir = qEnvironmentVariable("VB_CUPS_DIR");
    if (dir.isEmpty())
        return QStringLiteral("runs only under the private CUPS fixture");
    if (QFile::exists(QDir(dir).filePath(QStringLiteral("unavailable"))))
        return QStringLiteral("cupsd is not installed");
    return QString();
}

bool withQueue()
{
    return qEnvironmentVariableIntValue("VB_CUPS_WITH_QUEUE") == 1;
}

QStringList storedJobs()
{
    return QDir(qEnvironmentVariable("VB_CUPS_JOBS"))
        .entryList({QStringLiteral("job-*.pdf")}, QDir::Files, QDir::Name);
}

QString nextJobFile(const QStringList &before)
{
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 20000) {
        for (const QString &job : storedJobs()) {
            if (before.contains(job))
                continue;
            QTest::qWait(100); // the backend writes the file in one go; let it finish
            return QDir(qEnvironmentVariable("VB_CUPS_JOBS")).filePath(job);
        }
        QTest::qWait(20);
    }
    return QString();
}

QString nextJobText(const QStringList &before)
{
    const QString path = nextJobFile(before);
    if (path.isEmpty())
        return QString();
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
    if (!pdftotext.waitForFinished(20000))
        return QString();
    return QString::fromUtf8(pdftotext.readAllStandardOutput());
}

} // namespace cupsfixture
