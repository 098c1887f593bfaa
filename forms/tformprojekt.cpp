#include "forms/tformprojekt.h"

#include "core/userfile.h"
#include "forms/captions.h"
#include "forms/letterhead.h"
#include "forms/printprogress.h"
#include "forms/programform.h"
#include "forms/programlist.h"
#include "forms/projectsession.h"
#include "forms/schedule.h"
#include "forms/shell.h"
#include "forms/sortproxy.h"
#include "forms/tformposition.h"
#include "reports/booklet.h"

#include "ui_tformprojekt.h"

#include <QtCore/QDate>
#include <QtCore/QDir>
#include <QtCore/QFileInfo>
#include <QtCore/QLocale>
#include <QtGui/QStandardItemModel>
#include <QtWidgets/QHeaderView>
#include <QtWidgets/QLabel>
#include <QtWidgets/QListWidget>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QTableView>

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
    {"ButtonPositionKopieren", "Kopieren…", "Copy…"},
    {"ButtonPositionUmnummerieren", "Umnummerieren…", "Renumber…"},
    {"ButtonListeCsv", "Liste als CSV…", "List as CSV…"},
    {"ButtonAlleDrucken", "Alle drucken", "Print all"},
    {"ButtonAlleAlsPdf", "Alle als PDF…", "Save all as PDF…"},
    {"ButtonSchliessen", "Schließen", "Close"},
    {"LabelZuletzt", "Zuletzt geöffnet:", "Recently opened:"},
};

const Caption kColumns[] = {
    {"", "Pos.", "Pos."},      {"", "Bezeichnung", "Description"}, {"", "Programm", "Program"},
    {"", "Bauteil", "Member"}, {"", "Moment", "Moment"},           {"", "Erforderlich", "Required"},
    {"", "Profil", "Section"}, {"", "Ausnutzung", "Utilisation"},  {"", "Datum", "Date"},
};

enum Column { kNumberColumn, kDescriptionColumn, kUtilisationColumn = 7, kDateColumn = 8 };

// The date and time of a calculation as they sort: the local short format read back, else the
// text as it stands.
QString dateSortKey(const project::Position &position)
{
    const QLocale locale = QLocale::system();
    const QDate date = locale.toDate(position.date, QLocale::ShortFormat);
    if (!date.isValid())
        return position.date + QLatin1Char(' ') + position.time;
    return date.toString(Qt::ISODate) + QLatin1Char(' ') + position.time;
}

const Caption kNoProject = {"", "Kein Projekt geöffnet", "No project open"};
const Caption kReadOnly = {"", "%1 (schreibgeschützt)", "%1 (read-only)"};
const Caption kNewCaption = {"", "Neues Projekt", "New project"};
const Caption kOpenCaption = {"", "Projekt öffnen", "Open project"};
const Caption kPdfCaption = {"", "Projekt als PDF speichern", "Save project as PDF"};
const Caption kFilter = {"", "Projekte (*.vorbemessung)", "Projects (*.vorbemessung)"};
const Caption kProjectWord = {"", "Projekt", "Project"};
const Caption kCsvCaption = {"", "Liste als CSV speichern", "Save list as CSV"};
const Caption kCsvFilter = {"", "CSV-Dateien (*.csv)", "CSV files (*.csv)"};
const Caption kCsvName = {"", "Profilliste", "Section list"};
const Caption kCsvNotSaved = {"", "Die Liste kann nicht gespeichert werden:\n%1",
                              "The list cannot be saved:\n%1"};

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
    report::BookletCover &cover = booklet.cover;
    cover.english = english;
    cover.project = project.header.project;
    cover.company = project.header.company;
    cover.creator = project.header.creator;
    cover.date = shell::menuDate();
    cover.letterhead = currentLetterhead();
    // The positions in the natural order of their numbers, on the cover and in the sheets.
    QList<project::Position> positions;
    for (const qsizetype index : naturalOrder(project.positions))
        positions.append(project.positions[index]);
    for (const project::Position &position : positions) {
        const ProgramTables &tables = tablesOf(position.program);
        report::CoverRow row;
        row.number = position.number;
        row.program = programName(position.program, english);
        row.required = requiredValues(tables, position, english);
        row.section = sectionText(position);
        row.description = position.description;
        row.member = memberDescription(tables, position, english);
        booklet.cover.rows.append(row);
    }
    booklet.sheetCount = int(positions.size());
    // The sheets are made one at a time as they are painted, from a copy of the positions.
    booklet.sheet = [positions, header = project.header, english, letterhead = cover.letterhead](int index) {
        const project::Position &position = positions.at(index);
        return findProgram(position.program)->makeSheet(positionTexts(header, position, english, letterhead));
    };
    return booklet;
}

} // namespace

TFormProjekt::TFormProjekt(QWidget *parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::TFormProjekt>()), m_rows(new QStandardItemModel(this)),
      m_sorted(new SortProxy(this))
{
    m_ui->setupUi(this);
    m_file = m_ui->LabelDatei;
    m_positions = m_ui->ListPositionen;
    m_openPosition = m_ui->ButtonPositionOeffnen;
    m_deletePosition = m_ui->ButtonPositionLoeschen;
    m_printAll = m_ui->ButtonAlleDrucken;
    m_pdfAll = m_ui->ButtonAlleAlsPdf;
    m_recent = m_ui->ListZuletzt;
    m_rows->setColumnCount(int(std::size(kColumns)));
    m_sorted->setSourceModel(m_rows);
    m_sorted->setSortRole(Qt::UserRole);
    m_positions->setModel(m_sorted);
    // The natural order of the numbers (1.2 before 1.10) until the planner clicks a column's
    // header. Rows are one line high, so that a building's positions show at a glance.
    m_positions->sortByColumn(kNumberColumn, Qt::AscendingOrder);
    m_positions->verticalHeader()->setDefaultSectionSize(m_positions->fontMetrics().height() + 6);
    m_positions->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    // The description is typed into its cell; the other cells are the calculation's.
    m_positions->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                                 QAbstractItemView::SelectedClicked);
    connect(m_rows, &QStandardItemModel::itemChanged, this, &TFormProjekt::descriptionEdited);

    connect(m_ui->ButtonNeu, &QPushButton::clicked, this, &TFormProjekt::ButtonNeuClick);
    connect(m_ui->ButtonOeffnen, &QPushButton::clicked, this, &TFormProjekt::ButtonOeffnenClick);
    connect(m_openPosition, &QPushButton::clicked, this, &TFormProjekt::ButtonPositionOeffnenClick);
    connect(m_deletePosition, &QPushButton::clicked, this, &TFormProjekt::ButtonPositionLoeschenClick);
    connect(m_ui->ButtonPositionKopieren, &QPushButton::clicked, this,
            &TFormProjekt::ButtonPositionKopierenClick);
    connect(m_ui->ButtonPositionUmnummerieren, &QPushButton::clicked, this,
            &TFormProjekt::ButtonPositionUmnummerierenClick);
    connect(m_ui->ButtonListeCsv, &QPushButton::clicked, this, &TFormProjekt::ButtonListeCsvClick);
    connect(m_printAll, &QPushButton::clicked, this, &TFormProjekt::ButtonAlleDruckenClick);
    connect(m_pdfAll, &QPushButton::clicked, this, &TFormProjekt::ButtonAlleAlsPdfClick);
    connect(m_ui->ButtonSchliessen, &QPushButton::clicked, this, &QDialog::reject);
    // A double-click or Return on a row opens the position; on the description it edits that.
    const auto openUnlessDescription = [this](const QModelIndex &index) {
        if (index.column() != kDescriptionColumn || !projectSession().canWrite())
            ButtonPositionOeffnenClick();
    };
    connect(m_positions, &QTableView::activated, this, openUnlessDescription);
    connect(m_positions->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &TFormProjekt::updateButtons);
    connect(m_recent, &QListWidget::itemActivated, this,
            [this](QListWidgetItem *item) { openRecent(item->data(Qt::UserRole).toString()); });
    connect(&projectSession(), &ProjectSession::changed, this, &TFormProjekt::fill);
}

TFormProjekt::~TFormProjekt() = default;

std::span<const Caption> TFormProjekt::captions()
{
    return kCaptions;
}

int TFormProjekt::run()
{
    m_requested = -1;
    refresh();
    exec();
    return m_requested;
}

void TFormProjekt::refresh()
{
    applyLanguage();
    fill();
}

void TFormProjekt::applyLanguage()
{
    const bool english = shell::english();
    applyCaptions(this, kCaptions, english);
    QStringList headers;
    for (const Caption &column : kColumns)
        headers << captionText(column, english);
    m_rows->setHorizontalHeaderLabels(headers);
}

int TFormProjekt::selectedRow() const
{
    // The row of the list as shown; its place in the file is the row of the model beneath.
    const QModelIndexList selected = m_positions->selectionModel()->selectedRows();
    return selected.isEmpty() ? -1 : m_sorted->mapToSource(selected.first()).row();
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
    // The position chosen stays chosen; where it is gone, the row shown in its place.
    const int keep = selectedRow();
    const QString keptNumber = keep >= 0 ? m_rows->item(keep, 0)->text() : QString();
    const QModelIndexList shown = m_positions->selectionModel()->selectedRows();
    const int keptShown = shown.isEmpty() ? 0 : shown.first().row();
    {
        // The list is filled without the sorted view beneath it, which would sort again after
        // every cell, and then sorted once; the cells set here are no planner's edit.
        m_sorted->setSourceModel(nullptr);
        m_filling = true;
        const bool editable = session.canWrite();
        // Emptied first: a cell replaced one at a time costs its model a search through all
        // the others.
        m_rows->setRowCount(0);
        m_rows->setRowCount(int(positions.size()));
        for (int row = 0; row < positions.size(); ++row) {
            const project::Position &position = positions[row];
            const ProgramTables &tables = tablesOf(position.program);
            const QString utilisation = position.section.isEmpty()
                                            ? QString()
                                            : QStringLiteral("%1 %").arg(position.sectionUtilisation);
            const QStringList cells = {position.number,
                                       position.description,
                                       programName(position.program, english),
                                       memberDescription(tables, position, english),
                                       momentText(tables, position),
                                       requiredValues(tables, position, english),
                                       position.section,
                                       utilisation,
                                       position.date};
            for (int column = 0; column < cells.size(); ++column) {
                auto *item = new QStandardItem(cells[column]);
                item->setEditable(column == kDescriptionColumn && editable);
                if (column == kDateColumn)
                    item->setData(dateSortKey(position), Qt::UserRole);
                else if (column == kUtilisationColumn && !position.section.isEmpty())
                    item->setData(double(position.sectionUtilisation), Qt::UserRole);
                else
                    item->setData(cells[column], Qt::UserRole);
                m_rows->setItem(row, column, item);
            }
        }
        m_filling = false;
        m_sorted->setSourceModel(m_rows);
        // Columns as wide as their texts, measured on the first rows only: a building of
        // a thousand positions opens at once, and the planner drags a column wider.
        m_positions->horizontalHeader()->setResizeContentsPrecision(50);
        m_positions->resizeColumnsToContents();
        m_positions->clearSelection();
        int again = -1;
        for (int row = 0; row < positions.size() && !keptNumber.isNull(); ++row) {
            if (positions[row].number == keptNumber)
                again = m_sorted->mapFromSource(m_rows->index(row, 0)).row();
        }
        if (again < 0 && !positions.isEmpty())
            again = std::min(keptShown, int(positions.size()) - 1);
        if (again >= 0)
            m_positions->selectRow(again);
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
    m_ui->ButtonPositionKopieren->setEnabled(chosen && session.canWrite());
    m_ui->ButtonPositionUmnummerieren->setEnabled(chosen && session.canWrite());
    m_ui->ButtonListeCsv->setEnabled(any);
    m_printAll->setEnabled(any);
    m_pdfAll->setEnabled(any);
}

void TFormProjekt::ButtonNeuClick()
{
    askNewProject(this);
}

void TFormProjekt::ButtonOeffnenClick()
{
    askOpenProject(this);
}

bool askNewProject(QWidget *parent)
{
    // The project lives on disk from its first moment: its file is asked for at once, named after
    // the project the menu names.
    QString name = fileNameSafe(shell::menuProject());
    if (name.isEmpty())
        name = text(kProjectWord);
    QString path = shell::askSaveFileName(
        parent, text(kNewCaption), QDir(startFolder()).filePath(name + QLatin1String(project::kFileSuffix)),
        text(kFilter));
    if (path.isEmpty())
        return false;
    if (!path.endsWith(QLatin1String(project::kFileSuffix)))
        path += QLatin1String(project::kFileSuffix);
    return projectSession().create(path, {shell::menuProject(), shell::menuCompany(), shell::menuCreator()});
}

bool askOpenProject(QWidget *parent)
{
    const QString path = shell::askOpenFileName(parent, text(kOpenCaption), startFolder(), text(kFilter));
    return !path.isEmpty() && projectSession().open(path);
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

void TFormProjekt::descriptionEdited(QStandardItem *item)
{
    if (m_filling || item->column() != kDescriptionColumn)
        return;
    // Written once the cell's editor has closed, since writing fills the list anew; a
    // description the file does not take goes back to the stored one.
    const int row = item->row();
    const QString description = item->text();
    QMetaObject::invokeMethod(
        this,
        [this, row, description] {
            if (!projectSession().setDescription(row, description))
                fill();
        },
        Qt::QueuedConnection);
}

void TFormProjekt::ButtonPositionKopierenClick()
{
    const int row = selectedRow();
    const ProjectSession &session = projectSession();
    if (row < 0 || !session.canWrite())
        return;
    const project::Position &position = session.project().positions[row];
    TFormPosition dialog(TFormPosition::Purpose::Copy, session.project(),
                         freeNumber(session.project(), position.number), position.description, {}, this);
    if (shell::execDialog(dialog) == QDialog::Accepted)
        projectSession().copy(row, dialog.number(), dialog.description());
}

void TFormProjekt::ButtonPositionUmnummerierenClick()
{
    const int row = selectedRow();
    const ProjectSession &session = projectSession();
    if (row < 0 || !session.canWrite())
        return;
    const project::Position &position = session.project().positions[row];
    TFormPosition dialog(TFormPosition::Purpose::Renumber, session.project(), position.number,
                         position.description, position.number, this);
    if (shell::execDialog(dialog) == QDialog::Accepted)
        projectSession().renumber(row, dialog.number(), dialog.description());
}

void TFormProjekt::ButtonListeCsvClick()
{
    const ProjectSession &session = projectSession();
    if (session.project().positions.isEmpty())
        return;
    const bool english = shell::english();
    const QFileInfo file(session.path());
    const QString proposed = QDir(file.absolutePath())
                                 .filePath(file.completeBaseName() + QStringLiteral(" - ") + text(kCsvName) +
                                           QStringLiteral(".csv"));
    QString path = shell::askSaveFileName(this, text(kCsvCaption), proposed, text(kCsvFilter));
    if (path.isEmpty())
        return;
    if (!path.endsWith(QLatin1String(".csv"), Qt::CaseInsensitive))
        path += QLatin1String(".csv");
    const Result<> written = writeFileAtomically(path, sectionSchedule(session.project(), english));
    if (!written)
        shell::message(
            {QMessageBox::Warning, text(kCsvCaption), text(kCsvNotSaved).arg(written.reason().in(english))});
}

void TFormProjekt::ButtonAlleDruckenClick()
{
    if (projectSession().project().positions.isEmpty())
        return;
    // The progress window goes before a message about the print is shown.
    const Result<report::PrintedJob> printed = [&] {
        PrintProgressWindow progress(this);
        return report::printBooklet(makeBooklet(shell::english()), &progress);
    }();
    reportPrintOutcome(printed);
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
