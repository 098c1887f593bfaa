#include "app/stat1024.h"
#include "app/mainmenu.h"

#include "app/bild.h"
#include "core/langflag.h"
#include "forms/captions.h"
#include "forms/erro1024.h"
#include "forms/pgm71024.h"
#include "forms/programform.h"
#include "forms/programlist.h"
#include "forms/projectsession.h"
#include "forms/shell.h"
#include "forms/tformbriefkopf.h"
#include "forms/tformprojekt.h"
#include "ui_stat1024.h"

#include <QtGui/QCloseEvent>

namespace vb
{

namespace
{
// Texts of the main menu; the caption "Lastkon" and "Version 2.1" stay in both languages.
const Caption kMenuCaptions[] = {
    {"Button8", "English", "German"},
    {"Label7", "Hauptmenü", "Mainmenu"},
    {"Label1", "Statische Vorbemessung im Metallbau", "Static predimensioning in metal construction"},
    {"Label2", "Projekt:", "Project:"},
    {"Label3", "Pos.-/Auftragsnummer :", "Pos.-/Contractnumber :"},
    {"Label4", "Firma :", "Company :"},
    {"Label5", "Datum :", "Date :"},
    {"Label6", "Uhrzeit :", "Time :"},
    {"Label12", "Ersteller :", "Calculated by :"},
    {"Button1", "Fassadensystem: Pfosten / Riegel (LF Winddruck /-sog)",
     "Facade section: mullion / transom (wind pressure /-suction)"},
    {"Button3", "Fassadensystem: Pfosten mit horizontaler Verkehrslast (LF Linienlast)",
     "Facade section: mullion with horizontal imposed load (linear load)"},
    {"Button4", "Schräge Konstruktion / Schrägdach (LF Eigenlast, Wind, Schnee)",
     "Overhead construction / roof construction (permanent load, wind, snow)"},
    {"Button5", "Fassadensystem : Pfosten als Zweifeldträger (LF Winddruck /-sog)",
     "Facade section: mullion as two-span beam (wind pressure /-suction)"},
    {"Button6", "Schräge Konstruktion / Schrägdach, Zweifeldträger (LF Eigenlast, Wind, Schnee)",
     "Overhead construction / roof construction, mullion as two-span beam (permanent load, wind, snow)"},
    {"Button7", "Riegel- Bemessung (LF Riegeleigengewicht und Füllung)",
     "Dimensioning of transom (load of transom and filling)"},
    {"Button2", "Programm Beenden", "Exit"},
    {"ButtonProjekt", "Projekt…", "Project…"},
    {"ButtonBriefkopf", "Briefkopf…", "Letterhead…"},
};
} // namespace

TForm22::TForm22(const QString &languageFile, QWidget *parent)
    : QMainWindow(parent), m_ui(std::make_unique<Ui::TForm22>()),
      m_languageFile(std::make_unique<LanguageFile>(languageFile))
{
    m_ui->setupUi(this);
    m_ui->StatusBar1->setFixedHeight(27);
    applyFormFonts(this);
    loadFormPictures(this);
    move(257, 124);
    shell::forms().menuWindow = this;

    for (const Program &program : programList()) {
        const int number = program.tables->program;
        auto *button = findChild<QPushButton *>(QLatin1String(program.menuButton));
        connect(button, &QPushButton::clicked, this, [this, number] { openProgram(number); });
    }
    connect(m_ui->Button2, &QPushButton::clicked, this, &QWidget::close);
    connect(m_ui->Button8, &QPushButton::clicked, this, &TForm22::Button8Click);
    connect(m_ui->ButtonBriefkopf, &QPushButton::clicked, this, &TForm22::ButtonBriefkopfClick);
    connectProject();
    request();
}

TForm22::~TForm22()
{
    // The header fields lose the focus while the window goes: nothing is committed then.
    for (QLineEdit *field : {m_ui->Edit1, m_ui->Edit3, m_ui->Edit6})
        disconnect(field, nullptr, this, nullptr);
}

void TForm22::connectProject()
{
    connect(m_ui->ButtonProjekt, &QPushButton::clicked, this, &TForm22::ButtonProjektClick);

    // A project opened fills the header; what is typed there afterwards belongs to it.
    ProjectSession &session = projectSession();
    connect(&session, &ProjectSession::opened, this, [this] {
        const project::Header &header = projectSession().project().header;
        m_ui->Edit1->setText(header.project);
        m_ui->Edit3->setText(header.company);
        m_ui->Edit6->setText(header.creator);
    });
    for (QLineEdit *field : {m_ui->Edit1, m_ui->Edit3, m_ui->Edit6})
        connect(field, &QLineEdit::editingFinished, this, &TForm22::commitHeader);
}

void TForm22::commitHeader()
{
    projectSession().setHeader({m_ui->Edit1->text(), m_ui->Edit3->text(), m_ui->Edit6->text()});
}

void TForm22::ButtonProjektClick()
{
    commitHeader();
    FormRegistry &forms = shell::forms();
    if (!forms.project)
        forms.project = new TFormProjekt(this);
    forms.project->move(pos());
    const int index = forms.project->run();
    const QList<project::Position> &positions = projectSession().project().positions;
    if (index < 0 || index >= positions.size())
        return;
    const project::Position position = positions[index];
    setPositionNumber(position.number);
    ProgramForm *form = shell::forms().program(position.program);
    if (!form)
        return;
    form->loadPosition(position);
    openProgram(position.program);
}

void TForm22::ButtonBriefkopfClick()
{
    // Made for each use: it shows what the settings hold now.
    TFormBriefkopf dialog(this);
    dialog.run();
}

void TForm22::openProjectFile(const QString &path)
{
    if (projectSession().open(path))
        ButtonProjektClick();
}

void TForm22::request()
{
    FormRegistry &forms = shell::forms();
    forms.programs.clear();
    for (const Program &program : programList())
        forms.programs.append(program.makeForm(this));
    forms.info = new TForm29(this);
    forms.error = new TForm31(this);

    // Language step: the stored language is read, the flag preset to its opposite, and
    // the toggle then arrives at the stored language and writes it again. A file that
    // cannot be read is written anew with German.
    if (const std::optional<bool> stored = m_languageFile->read()) {
        shell::setEnglish(!*stored);
    } else if (m_languageFile->write(false)) {
        shell::setEnglish(true);
    } else {
        shell::message({QMessageBox::NoIcon, QStringLiteral("Error"),
                        QStringLiteral("Bitte legen sie das Verzeichnis %1 an.")
                            .arg(m_languageFile->directoryForMessage())});
        m_startedUp = false;
        return;
    }
    Button8Click();
}

void TForm22::Button8Click()
{
    shell::setEnglish(!shell::english());
    applyLanguage();
    if (!m_languageFile->write(shell::english()) && !m_languageFile->write(shell::english()))
        shell::errorReport(m_languageFile->errorString());
}

void TForm22::applyLanguage()
{
    applyCaptions(this, kMenuCaptions, shell::english());
}

void TForm22::openProgram(int program)
{
    commitHeader();
    ProgramForm *form = shell::forms().program(program);
    if (!form)
        return;
    HeaderSnapshot &header = shell::header();
    header.project = m_ui->Edit1->text();
    header.position = m_ui->Edit2->text();
    header.company = m_ui->Edit3->text();
    header.date = m_ui->Edit4->text();
    header.time = m_ui->Edit5->text();
    hide();
    form->move(pos());
    form->exec();
}

bool TForm22::event(QEvent *event)
{
    if (event->type() == QEvent::WindowActivate)
        datuhr();
    return QMainWindow::event(event);
}

void TForm22::showEvent(QShowEvent *event)
{
    // The date and time must be current when the menu appears, also where the window
    // manager activates it late or not at all.
    datuhr();
    QMainWindow::showEvent(event);
}

void TForm22::datuhr()
{
    shell::refreshDateTime();
}

void TForm22::closeEvent(QCloseEvent *event)
{
    // dicht: closing the menu, by "Programm Beenden" or the close box, ends the run.
    commitHeader();
    event->accept();
    if (QWidget *host = shell::forms().host)
        host->close();
}

QString TForm22::positionNumber() const
{
    return m_ui->Edit2->text();
}
void TForm22::setPositionNumber(const QString &text)
{
    m_ui->Edit2->setText(text);
}

void TForm22::setDateTimeTexts(const QString &date, const QString &time)
{
    m_ui->Edit4->setText(date);
    m_ui->Edit5->setText(time);
}

QString TForm22::project() const
{
    return m_ui->Edit1->text();
}
QString TForm22::company() const
{
    return m_ui->Edit3->text();
}

QString TForm22::creator() const
{
    return m_ui->Edit6->text();
}
QString TForm22::date() const
{
    return m_ui->Edit4->text();
}
QString TForm22::time() const
{
    return m_ui->Edit5->text();
}

std::span<const Caption> menuCaptions()
{
    return kMenuCaptions;
}

std::unique_ptr<QMainWindow> makeMainMenu(const QString &languageFile, bool *startedUp)
{
    auto menu = std::make_unique<TForm22>(languageFile);
    if (startedUp)
        *startedUp = menu->startedUp();
    return menu;
}

} // namespace vb
