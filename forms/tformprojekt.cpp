#include "forms/tformprojekt.h"

#include "forms/captions.h"
#include "forms/printprogress.h"
#include "forms/programform.h"
#include "forms/programlist.h"
#include "forms/projectsession.h"
#include "forms/shell.h"
#include "reports/booklet.h"

#include <QtCore/QDir>
#include <QtCore/QFileInfo>
#include <QtWidgets/QHBoxLayout>
#include <QtWidgets/QHeaderView>
#include <QtWidgets/QLabel>
#include <QtWidgets/QListWidget>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QTableWidget>
#include <QtWidgets/QVBoxLayout>

namespace vb
{

namespace
{

const Caption kCaptions[] = {
    {"TFormProjekt", "Projekt", "Project"},
    {"ButtonNeu", "Neu…", "New…"},
    {"ButtonOeffnen", "Öffnen…", "Open…"},
    {"ButtonPositionOeffnen", "Position öffnen", "Open position"},
    {"ButtonPositionLoeschen", "Position löschen", "Delete position"},
    {"ButtonAlleDrucken", "Alle drucken", "Print all"},
    {"ButtonAlleAlsPdf", "Alle als PDF…", "Save all as PDF…"},
    {"ButtonSchliessen", "Schließen", "Close"},
    {"LabelZuletzt", "Zuletzt geöffnet:", "Recently opened:"},
};

const Caption kColumns[] = {
    {"", "Pos.", "Pos."},      {"", "Programm", "Program"},
    {"", "Bauteil", "Member"}, {"", "Erforderlich", "Required"},
    {"", "Profil", "Section"}, {"", "Datum", "Date"},
};

const Caption kNoProject = {"", "Kein Projekt geöffnet", "No project open"};
const Caption kReadOnly = {"", "%1 (schreibgeschützt)", "%1 (read-only)"};
const Caption kNewCaption = {"", "Neues Projekt", "New project"};
const Caption kOpenCaption = {"", "Projekt öffnen", "Open project"};
const Caption kPdfCaption = {"", "Projekt als PDF speichern", "Save project as PDF"};
const Caption kFilter = {"", "Projekte (*.vorbemessung)", "Projects (*.vorbemessung)"};
const Caption kProjectWord = {"", "Projekt", "Project"};

QString text(const Caption &caption)
{
    return captionText(caption, shell::english());
}

const ProgramTables &tablesOf(int program)
{
    return *findProgram(program)->tables;
}

// A folder to start a file dialog in: the open project's, else where a file was last saved.
QString startFolder()
{
    const QString open = projectSession().path();
    return open.isEmpty() ? saveFolder() : QFileInfo(open).absolutePath();
}

report::Booklet makeBooklet(bool english)
{
    const project::Project &project = projectSession().project();
    report::Booklet booklet;
    shell::refreshDateTime();
    booklet.cover = {
        english, project.header.project, project.header.company, project.header.creator, shell::menuDate(),
        {}};
    for (const project::Position &position : project.positions) {
        const ProgramTables &tables = tablesOf(position.program);
        booklet.cover.rows.append({position.number, programName(position.program, english),
                                   requiredValues(tables, position, english), sectionText(position)});
    }
    booklet.sheetCount = int(project.positions.size());
    // The sheets are made one at a time as they are painted, from a copy of the positions.
    booklet.sheet = [positions = project.positions, header = project.header, english](int index) {
        const project::Position &position = positions.at(index);
        return findProgram(position.program)->makeSheet(positionTexts(header, position, english));
    };
    return booklet;
}

} // namespace

TFormProjekt::TFormProjekt(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TFormProjekt"));
    resize(1040, 520);
    const auto named = [this](auto *widget, const char *name) {
        widget->setParent(this);
        widget->setObjectName(QString::fromLatin1(name));
        return widget;
    };
    m_file = named(new QLabel, "LabelDatei");
    m_file->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_positions = named(new QTableWidget, "ListPositionen");
    m_positions->setColumnCount(int(std::size(kColumns)));
    m_positions->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_positions->setSelectionMode(QAbstractItemView::SingleSelection);
    m_positions->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_positions->verticalHeader()->hide();
    m_positions->horizontalHeader()->setStretchLastSection(true);
    auto *create = named(new QPushButton, "ButtonNeu");
    auto *open = named(new QPushButton, "ButtonOeffnen");
    m_openPosition = named(new QPushButton, "ButtonPositionOeffnen");
    m_deletePosition = named(new QPushButton, "ButtonPositionLoeschen");
    m_printAll = named(new QPushButton, "ButtonAlleDrucken");
    m_pdfAll = named(new QPushButton, "ButtonAlleAlsPdf");
    auto *close = named(new QPushButton, "ButtonSchliessen");
    auto *recent = named(new QLabel, "LabelZuletzt");
    m_recent = named(new QListWidget, "ListZuletzt");
    m_recent->setMaximumHeight(96);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_file);
    layout->addWidget(m_positions, 1);
    auto *positionButtons = new QHBoxLayout;
    for (QPushButton *button : {m_openPosition, m_deletePosition, m_printAll, m_pdfAll})
        positionButtons->addWidget(button);
    positionButtons->addStretch();
    layout->addLayout(positionButtons);
    layout->addWidget(recent);
    layout->addWidget(m_recent);
    auto *fileButtons = new QHBoxLayout;
    fileButtons->addWidget(create);
    fileButtons->addWidget(open);
    fileButtons->addStretch();
    fileButtons->addWidget(close);
    layout->addLayout(fileButtons);

    for (QPushButton *button : {create, open, m_openPosition, m_deletePosition, m_printAll, m_pdfAll, close})
        button->setAutoDefault(false);
    connect(create, &QPushButton::clicked, this, &TFormProjekt::ButtonNeuClick);
    connect(open, &QPushButton::clicked, this, &TFormProjekt::ButtonOeffnenClick);
    connect(m_openPosition, &QPushButton::clicked, this, &TFormProjekt::ButtonPositionOeffnenClick);
    connect(m_deletePosition, &QPushButton::clicked, this, &TFormProjekt::ButtonPositionLoeschenClick);
    connect(m_printAll, &QPushButton::clicked, this, &TFormProjekt::ButtonAlleDruckenClick);
    connect(m_pdfAll, &QPushButton::clicked, this, &TFormProjekt::ButtonAlleAlsPdfClick);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    // A double-click or Return on a row opens the position.
    connect(m_positions, &QTableWidget::activated, this, &TFormProjekt::ButtonPositionOeffnenClick);
    connect(m_positions, &QTableWidget::doubleClicked, this, &TFormProjekt::ButtonPositionOeffnenClick);
    connect(m_positions, &QTableWidget::itemSelectionChanged, this, &TFormProjekt::updateButtons);
    connect(m_recent, &QListWidget::itemActivated, this,
            [this](QListWidgetItem *item) { openRecent(item->data(Qt::UserRole).toString()); });
    connect(&projectSession(), &ProjectSession::changed, this, &TFormProjekt::fill);
}

std::span<const Caption> TFormProjekt::captions()
{
    return kCaptions;
}

int TFormProjekt::run()
{
    m_requested = -1;
    applyLanguage();
    fill();
    exec();
    return m_requested;
}

void TFormProjekt::applyLanguage()
{
    const bool english = shell::english();
    applyCaptions(this, kCaptions, english);
    QStringList headers;
    for (const Caption &column : kColumns)
        headers << captionText(column, english);
    m_positions->setHorizontalHeaderLabels(headers);
}

int TFormProjekt::selectedRow() const
{
    const QList<QTableWidgetItem *> selected = m_positions->selectedItems();
    return selected.isEmpty() ? -1 : selected.first()->row();
}

void TFormProjekt::fill()
{
    const ProjectSession &session = projectSession();
    const bool english = shell::english();
    if (!session.isOpen())
        m_file->setText(text(kNoProject));
    else if (session.readOnly())
        m_file->setText(text(kReadOnly).arg(QDir::toNativeSeparators(session.path())));
    else
        m_file->setText(QDir::toNativeSeparators(session.path()));

    const QList<project::Position> &positions = session.project().positions;
    const int keep = selectedRow();
    {
        const QSignalBlocker blocker(m_positions);
        m_positions->setRowCount(int(positions.size()));
        for (int row = 0; row < positions.size(); ++row) {
            const project::Position &position = positions[row];
            const ProgramTables &tables = tablesOf(position.program);
            const QStringList cells = {position.number,
                                       programName(position.program, english),
                                       memberDescription(tables, position, english),
                                       requiredValues(tables, position, english),
                                       sectionText(position),
                                       position.date};
            for (int column = 0; column < cells.size(); ++column)
                m_positions->setItem(row, column, new QTableWidgetItem(cells[column]));
        }
        m_positions->resizeColumnsToContents();
        if (keep >= 0 && keep < positions.size())
            m_positions->selectRow(keep);
        else if (!positions.isEmpty())
            m_positions->selectRow(0);
    }

    m_recent->clear();
    for (const QString &path : ProjectSession::recentProjects()) {
        auto *item = new QListWidgetItem(QDir::toNativeSeparators(path), m_recent);
        item->setData(Qt::UserRole, path);
    }
    updateButtons();
}

void TFormProjekt::updateButtons()
{
    const ProjectSession &session = projectSession();
    const bool any = !session.project().positions.isEmpty();
    const bool chosen = selectedRow() >= 0;
    m_openPosition->setEnabled(chosen);
    m_deletePosition->setEnabled(chosen && session.canWrite());
    m_printAll->setEnabled(any);
    m_pdfAll->setEnabled(any);
}

void TFormProjekt::ButtonNeuClick()
{
    // The project lives on disk from its first moment: its file is asked for at once, named after
    // the project the menu names.
    QString name = fileNameSafe(shell::menuProject());
    if (name.isEmpty())
        name = text(kProjectWord);
    QString path = shell::askSaveFileName(
        this, text(kNewCaption), QDir(startFolder()).filePath(name + QLatin1String(project::kFileSuffix)),
        text(kFilter));
    if (path.isEmpty())
        return;
    if (!path.endsWith(QLatin1String(project::kFileSuffix)))
        path += QLatin1String(project::kFileSuffix);
    projectSession().create(path, {shell::menuProject(), shell::menuCompany(), shell::menuCreator()});
}

void TFormProjekt::ButtonOeffnenClick()
{
    const QString path = shell::askOpenFileName(this, text(kOpenCaption), startFolder(), text(kFilter));
    if (!path.isEmpty())
        projectSession().open(path);
}

void TFormProjekt::openRecent(const QString &path)
{
    if (!path.isEmpty())
        projectSession().open(path);
}

void TFormProjekt::ButtonPositionOeffnenClick()
{
    const int row = selectedRow();
    if (row < 0 || m_requested >= 0)
        return;
    m_requested = row;
    accept();
}

void TFormProjekt::ButtonPositionLoeschenClick()
{
    const int row = selectedRow();
    if (row >= 0)
        projectSession().remove(row);
}

void TFormProjekt::ButtonAlleDruckenClick()
{
    if (projectSession().project().positions.isEmpty())
        return;
    PrintProgressWindow progress(this);
    reportPrintOutcome(report::printBooklet(makeBooklet(shell::english()), &progress));
}

void TFormProjekt::ButtonAlleAlsPdfClick()
{
    const ProjectSession &session = projectSession();
    if (session.project().positions.isEmpty())
        return;
    const QFileInfo file(session.path());
    savePdfAs(this, text(kPdfCaption), file.completeBaseName() + QStringLiteral(".pdf"), file.absolutePath(),
              [](const QString &path) {
                  return report::writeBookletPdf(makeBooklet(shell::english()), path,
                                                 QFileInfo(path).completeBaseName());
              });
}

} // namespace vb
