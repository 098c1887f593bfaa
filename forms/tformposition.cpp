#include "forms/tformposition.h"

#include "forms/captions.h"
#include "forms/shell.h"

#include "ui_tformposition.h"

#include <QtGui/QPalette>
#include <QtWidgets/QLabel>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QPushButton>

namespace vb
{

namespace
{

const Caption kCaptions[] = {
    {"TFormPosition", "Position speichern", "Save position"},
    {"LabelNummer", "Pos.-Nr.:", "Pos. number:"},
    {"LabelBezeichnung", "Bezeichnung:", "Description:"},
    {"ButtonOK", "OK", "OK"},
    {"ButtonAbbrechen", "Abbrechen", "Cancel"},
};

const Caption kOk = {"", "OK", "OK"};
const Caption kCopyCaption = {"", "Position kopieren", "Copy position"};
const Caption kRenumberCaption = {"", "Position umnummerieren", "Renumber position"};
const Caption kReplace = {"", "Ersetzen", "Replace"};
const Caption kStored = {"", "Die Position %1 ist im Projekt schon gespeichert; „Ersetzen“ ersetzt sie.",
                         "Position %1 is already stored in the project; \"Replace\" replaces it."};
const Caption kTaken = {"", "Die Nummer %1 ist im Projekt schon vergeben.",
                        "The number %1 is already taken in the project."};
const Caption kNoNumber = {"", "Bitte geben Sie eine Pos.-/Auftragsnummer ein.",
                           "Please enter a Pos.-/Contractnumber."};

const project::Position *stored(const project::Project &project, const QString &number)
{
    const qsizetype index = project::indexOfNumber(project, number);
    return index < 0 ? nullptr : &project.positions[index];
}

} // namespace

TFormPosition::TFormPosition(Purpose purpose, const project::Project &project, const QString &number,
                             const QString &description, const QString &own, QWidget *parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::TFormPosition>()), m_purpose(purpose), m_project(project),
      m_own(own), m_typedDescription(description)
{
    m_ui->setupUi(this);
    const bool english = shell::english();
    applyCaptions(this, kCaptions, english);
    if (purpose == Purpose::Copy)
        setWindowTitle(captionText(kCopyCaption, english));
    else if (purpose == Purpose::Renumber)
        setWindowTitle(captionText(kRenumberCaption, english));
    QPalette warning = m_ui->LabelVorhanden->palette();
    warning.setColor(QPalette::WindowText, Qt::red);
    m_ui->LabelVorhanden->setPalette(warning);
    // As long as the fields of the forms: a longer text would be cut in the file.
    m_ui->EditNummer->setMaxLength(int(project::kMaxTextLength));
    m_ui->EditBezeichnung->setMaxLength(int(project::kMaxTextLength));
    m_ui->EditBezeichnung->setText(description);
    m_ui->EditNummer->setText(number);

    connect(m_ui->EditNummer, &QLineEdit::textChanged, this, &TFormPosition::numberEdited);
    connect(m_ui->EditBezeichnung, &QLineEdit::textEdited, this, [this] {
        m_descriptionTyped = true;
        m_typedDescription = m_ui->EditBezeichnung->text();
    });
    connect(m_ui->ButtonOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_ui->ButtonAbbrechen, &QPushButton::clicked, this, &QDialog::reject);
    numberEdited();
    m_ui->EditNummer->selectAll();
}

TFormPosition::~TFormPosition() = default;

std::span<const Caption> TFormPosition::captions()
{
    return kCaptions;
}

QString TFormPosition::number() const
{
    return m_ui->EditNummer->text().trimmed();
}

QString TFormPosition::description() const
{
    return m_ui->EditBezeichnung->text();
}

bool TFormPosition::replaces() const
{
    return m_purpose == Purpose::Save && stored(m_project, number());
}

void TFormPosition::numberEdited()
{
    const bool english = shell::english();
    const QString typed = number();
    const project::Position *holder = typed == m_own ? nullptr : stored(m_project, typed);
    // A stored position's description is offered with its number, until the planner types one.
    if (m_purpose == Purpose::Save && !m_descriptionTyped)
        m_ui->EditBezeichnung->setText(holder && !holder->description.isEmpty() ? holder->description
                                                                                : m_typedDescription);
    QString hint;
    bool acceptable = !typed.isEmpty();
    if (typed.isEmpty()) {
        hint = captionText(kNoNumber, english);
    } else if (holder && m_purpose == Purpose::Save) {
        hint = captionText(kStored, english).arg(typed);
    } else if (holder) {
        acceptable = false;
        hint = captionText(kTaken, english).arg(typed);
    }
    m_ui->LabelVorhanden->setText(hint);
    m_ui->ButtonOK->setText(holder && m_purpose == Purpose::Save ? captionText(kReplace, english)
                                                                 : captionText(kOk, english));
    m_ui->ButtonOK->setEnabled(acceptable);
}

} // namespace vb
