#include "forms/tformprofil.h"

#include "core/cataloguestore.h"
#include "core/resultformat.h"
#include "core/userfile.h"
#include "forms/captions.h"
#include "forms/shell.h"

#include <QtCore/QDir>
#include <QtCore/QFile>
#include <QtCore/QFileInfo>
#include <QtWidgets/QHBoxLayout>
#include <QtWidgets/QHeaderView>
#include <QtWidgets/QLabel>
#include <QtWidgets/QListWidget>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QTableWidget>
#include <QtWidgets/QVBoxLayout>

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

TFormProfil::TFormProfil(QWidget *parent)
    : QDialog(parent), m_folder(sections::CatalogueStore::defaultFolder())
{
    setObjectName(QStringLiteral("TFormProfil"));
    resize(720, 520);
    const auto named = [this](auto *widget, const char *name) {
        widget->setParent(this);
        widget->setObjectName(QString::fromLatin1(name));
        return widget;
    };
    auto *required = named(new QLabel, "LabelErforderlich");
    m_values = named(new QLabel, "LabelWerte");
    m_values->setWordWrap(true);
    auto *catalogues = named(new QLabel, "LabelKataloge");
    m_catalogueList = named(new QListWidget, "ListKataloge");
    m_catalogueList->setMaximumHeight(90);
    // File names are the planner's: shown as they are, never as markup.
    m_hint = named(new QLabel, "LabelHinweis");
    m_hint->setTextFormat(Qt::PlainText);
    m_hint->setWordWrap(true);
    m_hint->hide();
    auto *import = named(new QPushButton, "ButtonImport");
    m_remove = named(new QPushButton, "ButtonKatalogEntfernen");
    auto *sufficient = named(new QLabel, "LabelProfile");
    m_sectionList = named(new QTableWidget, "ListProfile");
    m_sectionList->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_sectionList->setSelectionMode(QAbstractItemView::SingleSelection);
    m_sectionList->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_sectionList->verticalHeader()->hide();
    m_none = named(new QLabel, "LabelKeinProfil");
    m_take = named(new QPushButton, "ButtonUebernehmen");
    auto *cancel = named(new QPushButton, "ButtonAbbrechen");

    auto *layout = new QVBoxLayout(this);
    auto *valuesRow = new QHBoxLayout;
    valuesRow->addWidget(required);
    valuesRow->addWidget(m_values, 1);
    layout->addLayout(valuesRow);
    layout->addWidget(catalogues);
    auto *catalogueRow = new QHBoxLayout;
    catalogueRow->addWidget(m_catalogueList, 1);
    auto *catalogueButtons = new QVBoxLayout;
    catalogueButtons->addWidget(import);
    catalogueButtons->addWidget(m_remove);
    catalogueButtons->addStretch();
    catalogueRow->addLayout(catalogueButtons);
    layout->addLayout(catalogueRow);
    layout->addWidget(m_hint);
    layout->addWidget(sufficient);
    layout->addWidget(m_sectionList, 1);
    layout->addWidget(m_none);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_take);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);

    for (QPushButton *button : {import, m_remove, m_take, cancel})
        button->setAutoDefault(false);
    connect(import, &QPushButton::clicked, this, &TFormProfil::ButtonImportClick);
    connect(m_remove, &QPushButton::clicked, this, &TFormProfil::ButtonKatalogEntfernenClick);
    connect(m_take, &QPushButton::clicked, this, &TFormProfil::takeSelected);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_sectionList, &QTableWidget::itemDoubleClicked, this, &TFormProfil::takeSelected);
    connect(m_sectionList, &QTableWidget::itemSelectionChanged, this,
            [this] { m_take->setEnabled(!m_sectionList->selectedItems().isEmpty()); });
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
    m_sectionList->clear();
    m_sectionList->setColumnCount(int(headers.size()));
    m_sectionList->setHorizontalHeaderLabels(headers);
    m_sectionList->setRowCount(int(m_candidates.size()));
    for (int row = 0; row < m_candidates.size(); ++row) {
        const sections::Candidate &candidate = m_candidates[row];
        const sections::Section &section = *candidate.section;
        const QString mass = section.mass ? formatFixed(*section.mass, 2) : QString();
        const int afterUtilisation = kFirstUtilisationColumn + int(m_required.size());
        m_sectionList->setItem(row, 0, new QTableWidgetItem(section.name));
        m_sectionList->setItem(row, 1, new QTableWidgetItem(mass));
        m_sectionList->setItem(row, afterUtilisation, new QTableWidgetItem(section.series));
        m_sectionList->setItem(row, afterUtilisation + 1, new QTableWidgetItem(catalogueOf.value(&section)));
        for (int k = 0; k < candidate.utilisation.size(); ++k) {
            // The governing utilisation is marked; it is the one the form shows.
            const bool governing = k == candidate.governing;
            auto *item =
                new QTableWidgetItem(QStringLiteral("%1 %").arg(std::round(candidate.utilisation[k])) +
                                     (governing ? QStringLiteral(" ◄") : QString()));
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            if (governing) {
                QFont font = item->font();
                font.setBold(true);
                item->setFont(font);
            }
            m_sectionList->setItem(row, kFirstUtilisationColumn + k, item);
        }
    }
    m_sectionList->resizeColumnsToContents();
    m_none->setVisible(m_candidates.isEmpty());
    if (!m_candidates.isEmpty())
        m_sectionList->selectRow(0);
    m_take->setEnabled(!m_sectionList->selectedItems().isEmpty());
}

void TFormProfil::takeSelected()
{
    const QList<QTableWidgetItem *> selected = m_sectionList->selectedItems();
    if (selected.isEmpty())
        return;
    const sections::Candidate &candidate = m_candidates.at(selected.first()->row());
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
