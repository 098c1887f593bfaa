#include "forms/tformprofil.h"

#include "core/cataloguestore.h"
#include "core/resultformat.h"
#include "core/userfile.h"
#include "forms/captions.h"
#include "forms/shell.h"
#include "forms/sortproxy.h"

#include "ui_tformprofil.h"

#include <QtCore/QAbstractTableModel>
#include <QtCore/QDir>
#include <QtCore/QFile>
#include <QtCore/QFileInfo>
#include <QtCore/QSortFilterProxyModel>
#include <QtGui/QFont>
#include <QtWidgets/QHeaderView>
#include <QtWidgets/QLabel>
#include <QtWidgets/QListWidget>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QTableView>

#include <cmath>

namespace vb
{

namespace
{

const Caption kCaptions[] = {
    {"TFormProfil", "Profil wählen", "Choose section"},
    {"LabelErforderlich", "Erforderlich:", "Required:"},
    {"LabelKataloge", "Kataloge:", "Catalogues:"},
    {"ButtonImport", "Katalog importieren…", "Import catalogue…"},
    {"ButtonKatalogEntfernen", "Katalog entfernen", "Remove catalogue"},
    {"LabelProfile",
     "Ausreichende Profile, das leichteste zuerst:", "Sufficient sections, the lightest first:"},
    {"LabelKeinProfil", "Kein Profil des Katalogs genügt.", "No section of the catalogue is sufficient."},
    {"ButtonUebernehmen", "Übernehmen", "Choose"},
    {"ButtonAbbrechen", "Abbrechen", "Cancel"},
};

// The generic series, named so that nobody takes it for a maker's system section.
const Caption kGenericSeries = {"", "Aluminium-Rechteckrohre, allgemein, scharfkantig (nur zur Orientierung)",
                                "Aluminium rectangular tubes, generic, sharp corners (for orientation only)"};

// The table: the section and its mass, one utilisation per required value, then where the
// section comes from.
const Caption kLeadingColumns[] = {{"", "Profil", "Section"}, {"", "kg/m", "kg/m"}};
const Caption kTrailingColumns[] = {{"", "Serie", "Series"}, {"", "Katalog", "Catalogue"}};
constexpr int kFirstUtilisationColumn = 2;

// The series of the generic tubes, as the planner's language names them.
const Text kRectangularTube = {"Rechteckrohr", "rectangular tube"};
const Text kSquareTube = {"Quadratrohr", "square tube"};

const Caption kImportCaption = {"", "Katalog importieren", "Import catalogue"};
const Caption kNotRead = {"", "%1\n\nDie Datei kann nicht gelesen werden:\n%2",
                          "%1\n\nThe file cannot be read:\n%2"};
// Above the files of the catalogue folder that are not offered, each with its reason.
const Caption kLeftOut = {
    "", "Nicht geladen aus dem Katalogordner %1:", "Not loaded from the catalogue folder %1:"};
const Caption kUnreadable = {"", "%1\n\nDie Datei enthält keinen lesbaren Katalog:\n%2",
                             "%1\n\nThe file holds no catalogue that reads:\n%2"};
const Caption kBadRows = {
    "", "%1\n\nLesbare Zeilen: %2, nicht lesbare: %3\n%4\n\nSollen die lesbaren Zeilen importiert werden?",
    "%1\n\nRows that read: %2, rows that do not: %3\n%4\n\nImport the rows that read?"};
const Caption kImportGood = {"", "Lesbare Zeilen importieren", "Import the rows that read"};
const Caption kImportNothing = {"", "Nichts importieren", "Import nothing"};
const Caption kLine = {"", "Zeile %1: %2", "Line %1: %2"};
const Caption kMoreLines = {"", "… und %1 weitere", "… and %1 more"};
const Caption kRemoveQuestion = {"", "Katalog „%1“ entfernen?", "Remove catalogue “%1”?"};
const Caption kRemove = {"", "Entfernen", "Remove"};
const Caption kCancel = {"", "Abbrechen", "Cancel"};

// At most this many refused rows are listed in the message; the rest are counted.
constexpr int kListedProblems = 15;
// At most this many left-out files are named in the window; the rest are counted.
constexpr int kListedLeftOut = 5;

} // namespace

// The sufficient sections as a table: the section and its mass, one utilisation per required
// value, the series and the catalogue. A cell shows its text and sorts by its value (Qt::UserRole):
// numbers as numbers, a section without a mass after those with one.
class SectionTableModel final : public QAbstractTableModel
{
public:
    using QAbstractTableModel::QAbstractTableModel;

    void reset(QStringList headers, QList<sections::Candidate> candidates, QStringList catalogues)
    {
        beginResetModel();
        m_headers = std::move(headers);
        m_candidates = std::move(candidates);
        m_catalogues = std::move(catalogues);
        endResetModel();
    }
    const sections::Candidate &candidate(int row) const { return m_candidates.at(row); }

    int rowCount(const QModelIndex &parent = {}) const override
    {
        return parent.isValid() ? 0 : int(m_candidates.size());
    }
    int columnCount(const QModelIndex &parent = {}) const override
    {
        return parent.isValid() ? 0 : int(m_headers.size());
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        if (orientation == Qt::Horizontal && role == Qt::DisplayRole)
            return m_headers.value(section);
        return QAbstractTableModel::headerData(section, orientation, role);
    }
    QVariant data(const QModelIndex &index, int role) const override
    {
        if (!index.isValid())
            return {};
        const sections::Candidate &candidate = m_candidates.at(index.row());
        const sections::Section &section = *candidate.section;
        const int column = index.column();
        const int utilisations = int(candidate.utilisation.size());
        const int k = column - kFirstUtilisationColumn;
        const bool utilisation = k >= 0 && k < utilisations;
        // The governing utilisation is marked; it is the one the form shows.
        const bool governing = utilisation && k == candidate.governing;
        switch (role) {
        case Qt::DisplayRole:
            if (column == 0)
                return section.name;
            if (column == 1)
                return section.mass ? formatFixed(*section.mass, 2) : QString();
            if (utilisation)
                return QStringLiteral("%1 %").arg(std::round(candidate.utilisation[k])) +
                       (governing ? QStringLiteral(" ◄") : QString());
            return column == kFirstUtilisationColumn + utilisations ? section.series
                                                                    : m_catalogues.value(index.row());
        case Qt::UserRole:
            if (column == 1)
                return section.mass.value_or(HUGE_VAL);
            if (utilisation)
                return candidate.utilisation[k];
            return data(index, Qt::DisplayRole);
        case Qt::TextAlignmentRole:
            return utilisation ? QVariant(Qt::AlignRight | Qt::AlignVCenter) : QVariant();
        case Qt::FontRole:
            if (governing) {
                QFont font;
                font.setBold(true);
                return font;
            }
            return {};
        default:
            return {};
        }
    }

private:
    QStringList m_headers;
    QList<sections::Candidate> m_candidates;
    QStringList m_catalogues; // the catalogue of each row
};

TFormProfil::TFormProfil(QWidget *parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::TFormProfil>()),
      m_folder(sections::CatalogueStore::defaultFolder()), m_model(new SectionTableModel(this)),
      m_sorted(new SortProxy(this))
{
    m_ui->setupUi(this);
    m_values = m_ui->LabelWerte;
    m_catalogueList = m_ui->ListKataloge;
    // File names are the planner's: shown as they are, never as markup.
    m_hint = m_ui->LabelHinweis;
    m_hint->hide();
    m_remove = m_ui->ButtonKatalogEntfernen;
    m_none = m_ui->LabelKeinProfil;
    m_take = m_ui->ButtonUebernehmen;
    m_sectionList = m_ui->ListProfile;
    m_sorted->setSourceModel(m_model);
    m_sorted->setSortRole(Qt::UserRole);
    m_sectionList->setModel(m_sorted);

    connect(m_ui->ButtonImport, &QPushButton::clicked, this, &TFormProfil::ButtonImportClick);
    connect(m_remove, &QPushButton::clicked, this, &TFormProfil::ButtonKatalogEntfernenClick);
    connect(m_take, &QPushButton::clicked, this, &TFormProfil::takeSelected);
    connect(m_ui->ButtonAbbrechen, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_sectionList, &QTableView::doubleClicked, this, &TFormProfil::takeSelected);
    connect(m_sectionList->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this] { m_take->setEnabled(m_sectionList->selectionModel()->hasSelection()); });
    connect(m_catalogueList, &QListWidget::itemChanged, this, [this](QListWidgetItem *item) {
        const QString name = item->data(Qt::UserRole).toString();
        m_leftOut.removeAll(name);
        if (item->checkState() != Qt::Checked)
            m_leftOut << name;
        fillSections();
    });
    connect(m_catalogueList, &QListWidget::currentRowChanged, this,
            [this](int row) { m_remove->setEnabled(row > 0); });
}

TFormProfil::~TFormProfil() = default;

std::span<const Caption> TFormProfil::captions()
{
    return kCaptions;
}

void TFormProfil::setCatalogueFolder(const QString &folder)
{
    m_folder = folder;
}

std::optional<SectionChoice> TFormProfil::choose(QWidget *form, const QList<RequiredValue> &required)
{
    m_required = required;
    m_choice.reset();
    // The lightest first, as the window says, until the planner clicks a column's header.
    m_sectionList->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    m_sorted->unsort();
    applyLanguage();
    loadCatalogues();
    if (form)
        move(form->pos());
    exec();
    return m_choice;
}

TFormProfil::Recheck TFormProfil::recheck(const QString &name, const QList<RequiredValue> &required,
                                          SectionChoice *choice, Shortfall *missed)
{
    loadCatalogues();
    QList<sections::Requirement> requirements;
    for (const RequiredValue &value : required)
        requirements.append({value.quantity, value.value});
    for (const sections::Catalogue &catalogue : std::as_const(m_catalogues)) {
        for (const sections::Section &section : catalogue.sections) {
            if (section.name != name)
                continue;
            const sections::Catalogue alone{catalogue.name, {section}};
            const QList<sections::Candidate> carries = sections::sufficientSections({&alone}, requirements);
            if (carries.isEmpty()) {
                if (missed) {
                    // The value it falls short of the most, by the ratio of required to offered.
                    double worst = -1.0;
                    for (const RequiredValue &value : required) {
                        const double offered = sections::available(section, value.quantity);
                        const double ratio = offered > 0.0 ? value.value / offered : HUGE_VAL;
                        if (value.value > offered && ratio > worst) {
                            worst = ratio;
                            *missed = {value.label, value.quantity, value.value, offered};
                        }
                    }
                }
                return Recheck::NoLongerCarries;
            }
            *choice = SectionChoice{name, carries[0].utilisation.value(carries[0].governing)};
            return Recheck::Carries;
        }
    }
    return Recheck::NotFound;
}

void TFormProfil::applyLanguage()
{
    const bool english = shell::english();
    applyCaptions(this, kCaptions, english);
    QStringList values;
    QStringList notes;
    for (const RequiredValue &value : m_required) {
        const QString unit = sections::unitOf(value.quantity);
        QString shown = QStringLiteral("%1 = %2 %3")
                            .arg(captionText(value.label, english), formatFixed(value.value, 1), unit);
        // Both values where a larger one governs: the form's, and the one the sections are judged by.
        if (value.formValue) {
            shown += (english ? QStringLiteral(" (form: %1 %2)") : QStringLiteral(" (Formular: %1 %2)"))
                         .arg(formatFixed(*value.formValue, 1), unit);
            if (*value.formValue > 0.0)
                notes << captionText(value.note, english).arg(formatFixed(value.value / *value.formValue, 3));
        }
        values << shown;
    }
    m_values->setText(values.join(QStringLiteral(",   ")) +
                      (notes.isEmpty() ? QString() : QStringLiteral("\n") + notes.join(QLatin1Char('\n'))));
}

void TFormProfil::loadCatalogues()
{
    const bool english = shell::english();
    QList<sections::Section> generic = sections::genericTubes();
    for (sections::Section &section : generic) {
        if (section.tube != sections::Tube::None)
            section.series =
                (section.tube == sections::Tube::Square ? kSquareTube : kRectangularTube).in(english);
    }
    m_catalogues = {{captionText(kGenericSeries, english), generic}};
    const sections::StoredCatalogues stored = sections::CatalogueStore(m_folder).load();
    m_catalogues += stored.catalogues;

    // A file that is not offered is named with its reason, so that the planner learns why a
    // catalogue is missing; the window opens all the same.
    QStringList lines;
    for (const sections::LeftOutFile &file : stored.leftOut) {
        if (lines.size() == kListedLeftOut) {
            lines << captionText(kMoreLines, english).arg(stored.leftOut.size() - kListedLeftOut);
            break;
        }
        lines << file.fileName + QStringLiteral(": ") + file.why.in(english);
    }
    if (!lines.isEmpty())
        lines.prepend(captionText(kLeftOut, english).arg(QDir::toNativeSeparators(m_folder)));
    m_hint->setText(lines.join(QLatin1Char('\n')));
    m_hint->setVisible(!lines.isEmpty());
    fillCatalogueList();
}

void TFormProfil::fillCatalogueList()
{
    const QSignalBlocker blocker(m_catalogueList);
    m_catalogueList->clear();
    for (qsizetype i = 0; i < m_catalogues.size(); ++i) {
        auto *item = new QListWidgetItem(m_catalogues[i].name, m_catalogueList);
        // The generic series has a name of its own in each language; the left-out list knows it
        // by the empty name, which no imported catalogue has.
        const QString key = i == 0 ? QString() : m_catalogues[i].name;
        item->setData(Qt::UserRole, key);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(m_leftOut.contains(key) ? Qt::Unchecked : Qt::Checked);
    }
    m_remove->setEnabled(m_catalogueList->currentRow() > 0);
    fillSections();
}

void TFormProfil::fillSections()
{
    const bool english = shell::english();
    QList<const sections::Catalogue *> chosen;
    QHash<const sections::Section *, QString> catalogueOf;
    for (qsizetype i = 0; i < m_catalogues.size(); ++i) {
        const QListWidgetItem *item = m_catalogueList->item(int(i));
        if (!item || item->checkState() != Qt::Checked)
            continue;
        chosen << &m_catalogues[i];
        for (const sections::Section &section : m_catalogues[i].sections)
            catalogueOf.insert(&section, m_catalogues[i].name);
    }
    QList<sections::Requirement> requirements;
    for (const RequiredValue &value : m_required)
        requirements.append({value.quantity, value.value});
    m_candidates = sections::sufficientSections(chosen, requirements);

    QStringList headers;
    for (const Caption &column : kLeadingColumns)
        headers << captionText(column, english);
    for (const RequiredValue &value : m_required)
        headers << captionText(value.label, english);
    for (const Caption &column : kTrailingColumns)
        headers << captionText(column, english);
    QStringList catalogues;
    for (const sections::Candidate &candidate : std::as_const(m_candidates))
        catalogues << catalogueOf.value(candidate.section);
    m_model->reset(headers, m_candidates, catalogues);
    m_sectionList->resizeColumnsToContents();
    m_none->setVisible(m_candidates.isEmpty());
    if (!m_candidates.isEmpty())
        m_sectionList->selectRow(0);
    m_take->setEnabled(m_sectionList->selectionModel()->hasSelection());
}

void TFormProfil::takeSelected()
{
    const QModelIndexList selected = m_sectionList->selectionModel()->selectedRows();
    if (selected.isEmpty())
        return;
    const sections::Candidate &candidate = m_model->candidate(m_sorted->mapToSource(selected.first()).row());
    m_choice = SectionChoice{candidate.section->name, candidate.utilisation.value(candidate.governing)};
    accept();
}

void TFormProfil::ButtonImportClick()
{
    const bool english = shell::english();
    const QString caption = captionText(kImportCaption, english);
    const QString path =
        shell::askOpenFileName(this, caption, QDir::homePath(), QStringLiteral("CSV (*.csv *.txt)"));
    if (path.isEmpty())
        return;
    const QString shownPath = QDir::toNativeSeparators(path);
    // Only a regular file is read, so that a pipe or a device chosen here never hangs the
    // program.
    const Result<QByteArray> file = readRegularFile(path, sections::kMaxCsvBytes);
    if (!file) {
        shell::message({QMessageBox::Warning, caption,
                        captionText(kNotRead, english).arg(shownPath, file.reason().in(english))});
        return;
    }
    const sections::CsvRead read = sections::readCsv(*file);

    QStringList lines;
    for (const sections::CsvProblem &problem : read.problems) {
        if (lines.size() == kListedProblems) {
            lines << captionText(kMoreLines, english).arg(read.problems.size() - kListedProblems);
            break;
        }
        const QString &what = problem.what.in(english);
        lines << (problem.line > 0 ? captionText(kLine, english).arg(QString::number(problem.line), what)
                                   : what);
    }
    if (!read.usable || read.sections.isEmpty()) {
        shell::message({QMessageBox::Warning, caption,
                        captionText(kUnreadable, english).arg(shownPath, lines.join('\n'))});
        return;
    }
    if (!read.problems.isEmpty()) {
        // One arg() with every argument: the path may hold "%1".
        const QString text = captionText(kBadRows, english)
                                 .arg(shownPath, QString::number(read.sections.size()),
                                      QString::number(read.problems.size()), lines.join('\n'));
        const int answer =
            shell::ask({QMessageBox::Warning,
                        caption,
                        text,
                        {captionText(kImportGood, english), captionText(kImportNothing, english)}});
        if (answer != 0)
            return;
    }
    const Result<QString> added =
        sections::CatalogueStore(m_folder).add(QFileInfo(path).completeBaseName(), read.sections);
    if (!added) {
        shell::message({QMessageBox::Critical, caption, added.reason().in(english)});
        return;
    }
    const QString &name = added.value();
    // A new import is searched at once.
    m_leftOut.removeAll(name);
    loadCatalogues();
}

void TFormProfil::ButtonKatalogEntfernenClick()
{
    const int row = m_catalogueList->currentRow();
    if (row <= 0 || row >= m_catalogues.size())
        return; // the generic series stays
    const bool english = shell::english();
    const QString name = m_catalogues[row].name;
    const int answer = shell::ask({QMessageBox::Question,
                                   captionText(kCaptions[4], english),
                                   captionText(kRemoveQuestion, english).arg(name),
                                   {captionText(kRemove, english), captionText(kCancel, english)}});
    if (answer != 0)
        return;
    if (const Result<> removed = sections::CatalogueStore(m_folder).remove(name); !removed)
        shell::message(
            {QMessageBox::Critical, captionText(kCaptions[4], english), removed.reason().in(english)});
    loadCatalogues();
}

} // namespace vb
