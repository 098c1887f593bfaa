#include "forms/programform.h"

#include "core/numberreader.h"
#include "core/resultformat.h"
#include "forms/captions.h"
#include "forms/erro1024.h"
#include "forms/fieldstate.h"
#include "forms/letterhead.h"
#include "forms/pgm71024.h"
#include "forms/printprogress.h"
#include "forms/programlist.h"
#include "forms/projectsession.h"
#include "forms/shell.h"
#include "forms/tformposition.h"
#include "forms/tformprojekt.h"
#include "reports/printflow.h"
#include "reports/sheetitems.h"
#include "reports/sheetpainter.h"

#include <QtCore/QCoreApplication>
#include <QtCore/QDir>
#include <QtCore/QFileInfo>
#include <QtCore/QStandardPaths>
#include <QtCore/QTimer>
#include <QtGui/QCloseEvent>
#include <QtGui/QFontMetrics>
#include <QtGui/QKeyEvent>
#include <QtWidgets/QAbstractButton>
#include <QtWidgets/QApplication>
#include <QtWidgets/QLabel>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QRadioButton>

#include <algorithm>
#include <cmath>
#include <utility>

namespace vb
{

namespace
{
const Caption kCommandCaptions[] = {
    {"Button1", "Berechnung", "Calculate"},
    {"Button4", "Drucken", "Print"},
    {"Button3", "Neue Eingabe", "Reset input"},
    {"Button2", "Zurück", "Back"},
    {"ButtonPdf", "Als PDF…", "Save as PDF…"},
    {"ButtonProfil", "Profil wählen…", "Choose section…"},
    {"ButtonSpeichern", "Position speichern", "Save position"},
};

const Caption kSaveCaption = {"", "Position speichern", "Save position"};
const Caption kChangedSince = {"",
                               "Die Eingaben wurden nach der letzten Berechnung geändert.\n"
                               "Bitte zuerst \"Berechnung\" ausführen.",
                               "The inputs have changed since the last calculation.\n"
                               "Please press \"Calculate\" first."};
const Caption kOpenCaption = {"", "Position öffnen", "Open position"};
const Caption kNoProjectYet = {
    "",
    "Es ist kein Projekt geöffnet.\nEine Position wird in einem Projekt gespeichert: "
    "ein neues anlegen oder ein vorhandenes öffnen?",
    "No project is open.\nA position is saved in a project: make a new one or open "
    "one?"};
const Caption kNewProject = {"", "Neues Projekt…", "New project…"};
const Caption kOpenProject = {"", "Projekt öffnen…", "Open project…"};
const Caption kCancel = {"", "Abbrechen", "Cancel"};
const Caption kSaveQuestion = {"", "Position %1 speichern?", "Save position %1?"};
const Caption kSaveQuestionNoNumber = {"", "Position speichern?", "Save position?"};
const Caption kSave = {"", "Speichern", "Save"};
const Caption kDiscard = {"", "Verwerfen", "Discard"};
const Caption kResultsDiffer = {"", "Die Ergebnisse der Position %1 weichen von den gespeicherten ab:\n%2",
                                "The results of position %1 differ from the stored ones:\n%2"};
const Caption kDifference = {"", "%1: gespeichert %2, jetzt %3", "%1: stored %2, now %3"};
const Caption kSectionFails = {
    "", "Das gespeicherte Profil %1 trägt das Bauteil nicht mehr. Es wurde nicht übernommen.",
    "The stored section %1 no longer carries the member. It has not been chosen."};
const Caption kSectionRemoved = {"", "Profil %1 entfernt: %2 erf. %3, vorh. %4",
                                 "Section %1 removed: %2 req. %3, avail. %4"};
const Caption kSectionNotFound = {"", "Profil %1 entfernt: in keinem Katalog mehr",
                                  "Section %1 removed: no longer in any catalogue"};
const Caption kSectionGone = {
    "", "Das gespeicherte Profil %1 ist in keinem Katalog mehr zu finden. Es wurde nicht übernommen.",
    "The stored section %1 is no longer in any catalogue. It has not been chosen."};
} // namespace

QString fileNameSafe(QString text)
{
    for (QChar &c : text) {
        if (c.unicode() < 0x20 || QStringView(u"<>:\"/\\|?*").contains(c))
            c = QLatin1Char('_');
    }
    return text.simplified();
}

ProgramForm::ProgramForm(const QString &formName, const ProgramTables &tables, QWidget *parent)
    : QDialog(parent), m_tables(tables)
{
    setObjectName(formName);
}

void ProgramForm::ensureBuilt()
{
    if (m_built)
        return;
    m_built = true;
    build();
    Q_ASSERT(m_position);
}

void ProgramForm::setVisible(bool visible)
{
    // Built before the window is first mapped, so that it comes up at its designed size.
    if (visible)
        ensureBuilt();
    QDialog::setVisible(visible);
}

void ProgramForm::setupProgramForm(QLineEdit *positionField)
{
    m_position = positionField;
    // "Als PDF…", "Profil wählen…", the line of the chosen section and "Position speichern" stand
    // in every form's design, beside its command buttons, next after "Zurück" in the Tab order.
    m_sectionButton = findChild<QPushButton *>(QStringLiteral("ButtonProfil"));
    m_sectionLine = findChild<QLabel *>(QStringLiteral("LabelProfil"));
    m_saveButton = findChild<QPushButton *>(QStringLiteral("ButtonSpeichern"));
    Q_ASSERT(m_sectionButton && m_sectionLine && m_saveButton);
    m_sectionLine->hide();
    applyFormFonts(this);
    m_sectionLineFont = m_sectionLine->font();
    const auto connectButton = [this](const char *name, auto handler) {
        auto *button = findChild<QPushButton *>(QString::fromLatin1(name));
        Q_ASSERT(button);
        button->setAutoDefault(false);
        button->setDefault(false);
        connect(button, &QPushButton::clicked, this, handler);
    };
    connectButton("Button1", [this] { Button1Click(); });
    connectButton("Button2", [this] { Button2Click(); });
    connectButton("Button3", [this] { Button3Click(); });
    connectButton("Button4", [this] { Button4Click(); });
    connectButton("ButtonPdf", [this] { ButtonPdfClick(); });
    connectButton("ButtonProfil", [this] { ButtonProfilClick(); });
    connectButton("ButtonSpeichern", [this] { ButtonSpeichernClick(); });
    connect(&projectSession(), &ProjectSession::changed, this, &ProgramForm::updateSaveButton);
    // Every number the planner types takes a comma for a point, the deflection limits too: a
    // limit that kept its comma would not read.
    for (const ResetText &input : m_tables.resetTexts)
        field(input.field)->installEventFilter(this);
    for (const InfoButton &info : m_tables.infoButtons) {
        auto *button = findChild<QAbstractButton *>(QString::fromLatin1(info.button));
        Q_ASSERT(button);
        connect(button, &QAbstractButton::clicked, this, [this, &info] { showInfo(info); });
    }
}

QLineEdit *ProgramForm::field(const char *name) const
{
    auto *field = findChild<QLineEdit *>(QString::fromLatin1(name));
    Q_ASSERT_X(field, "ProgramForm::field", name);
    return field;
}

bool ProgramForm::optionChosen(const char *name) const
{
    const auto *option = findChild<QRadioButton *>(QString::fromLatin1(name));
    Q_ASSERT_X(option, "ProgramForm::optionChosen", name);
    return option->isChecked();
}

std::span<const Caption> ProgramForm::commandCaptions()
{
    return kCommandCaptions;
}

void ProgramForm::applyCommandCaptions()
{
    applyCaptions(this, kCommandCaptions, shell::english());
}

void ProgramForm::Button1Click()
{
    shell::refreshDateTime();
    // The section chosen for the member is judged against the new values, not forgotten: it
    // waits for the next calculation that writes results.
    if (m_section)
        m_pendingSection = m_section->name;
    m_section.reset();
    m_required.clear();
    m_sectionButton->setEnabled(false);
    showSectionChoice();
    m_calculated.reset();
    updateSaveButton();
    const std::span<const ResultField> results = m_tables.resultFields;
    for (const ResultField &result : results)
        field(result.field)->setText(QStringLiteral("0"));
    TForm31 *error = shell::forms().error;
    if (m_tables.usesErrorWindow) {
        for (int line = 1; line <= 4; ++line)
            error->hideLine(line);
    }

    // The conditions judge the values as read, taken before the checks reset a failed text.
    QHash<QByteArray, double> asRead;
    const auto take = [&](const char *name) {
        if (name)
            asRead.insert(name, readNumber(field(name)->text()).value_or(0.0));
    };
    for (const CrossCondition &condition : m_tables.conditions) {
        take(condition.field);
        take(condition.than[0]);
        take(condition.than[1]);
    }

    FieldChecker check;
    checkInputs(check);
    judgeConditions(check, [&asRead](const char *name) { return asRead.value(name); });

    if (check.failures() == 0) {
        const Calculated out = calculate();
        if (out.failure != FpFailure::None) {
            shell::errorReport(fpFailureMessage(out.failure));
            return;
        }
        // Nothing infinite or undefined reaches a field, also where no flag was raised.
        if (!std::all_of(out.values.begin(), out.values.end(), [](double v) { return std::isfinite(v); })) {
            shell::errorReport(fpFailureMessage(FpFailure::Overflow));
            return;
        }
        Q_ASSERT(out.values.isEmpty() || out.values.size() == qsizetype(results.size()));
        for (qsizetype i = 0; i < std::min(out.values.size(), qsizetype(results.size())); ++i)
            field(results[i].field)->setText(formatFixed(out.values[i], results[i].decimals));
        // What a section must offer: the results as calculated, not as rounded for display, or
        // the larger value the calculation says governs the member.
        for (const SectionRequirement &requirement : m_tables.sectionRequirements) {
            for (qsizetype i = 0; i < std::min(out.values.size(), qsizetype(results.size())); ++i) {
                if (qstrcmp(results[i].field, requirement.field) != 0)
                    continue;
                RequiredValue value{requirement.quantity, std::abs(out.values[i]), requirement.label};
                for (const GoverningValue &governing : out.governing) {
                    if (qstrcmp(governing.field, requirement.field) == 0 && governing.value > value.value) {
                        value.formValue = value.value;
                        value.value = governing.value;
                        value.note = requirement.governingNote;
                    }
                }
                m_required.append(value);
            }
        }
        m_sectionButton->setEnabled(!m_required.isEmpty());
        if (m_pendingSection && !m_required.isEmpty())
            judgeSection(*std::exchange(m_pendingSection, std::nullopt));
        if (!out.values.isEmpty())
            m_calculated = currentRecord();
        updateSaveButton();
    }
    if (m_tables.usesErrorWindow && error->anyLineVisible())
        error->exec();
}

void ProgramForm::judgeConditions(FieldChecker &check, const std::function<double(const char *)> &asRead)
{
    const bool english = shell::english();
    for (const CrossCondition &condition : m_tables.conditions) {
        if (condition.onlyWith && !optionChosen(condition.onlyWith))
            continue;
        if (!condition.showsLine()) {
            // A field failure compares only fields that passed their own check.
            const char *const compared[] = {condition.field, condition.than[0], condition.than[1]};
            const bool allPassed =
                std::all_of(std::begin(compared), std::end(compared),
                            [&](const char *name) { return !name || check.passed(field(name)); });
            if (!allPassed)
                continue;
        }
        if (!conditionHolds(condition, asRead))
            continue;
        for (const char *name : condition.marks) {
            if (!name)
                continue;
            setFieldState(field(name), FieldState::Failed);
            if (!condition.showsLine())
                field(name)->setText(QStringLiteral("0"));
        }
        if (condition.showsLine())
            shell::forms().error->showLine(condition.line, captionText(condition.message, english));
        check.addFailure();
    }
}

void ProgramForm::Button3Click()
{
    forgetSectionChoice();
    m_calculated.reset();
    updateSaveButton();
    // Every input gets its reset text and every result "0"; all of them, a switched-off
    // alternative too, the window background colour. Options and the position number stay.
    for (const ResetText &reset : m_tables.resetTexts) {
        QLineEdit *input = field(reset.field);
        input->setText(QString::fromUtf8(reset.text));
        setFieldState(input, FieldState::Normal);
    }
    for (const ResultField &result : m_tables.resultFields) {
        QLineEdit *output = field(result.field);
        output->setText(QStringLiteral("0"));
        setFieldState(output, FieldState::Normal);
    }
}

void ProgramForm::ButtonProfilClick()
{
    if (m_required.isEmpty())
        return;
    if (std::optional<SectionChoice> choice = shell::sectionWindow()->choose(this, m_required)) {
        m_section = std::move(choice);
        m_sectionRemoved.reset();
        showSectionChoice();
    }
}

void ProgramForm::judgeSection(const QString &name)
{
    SectionChoice choice;
    Shortfall missed;
    switch (shell::sectionWindow()->recheck(name, m_required, &choice, &missed)) {
    case TFormProfil::Recheck::Carries:
        m_section = choice;
        m_sectionRemoved.reset();
        break;
    case TFormProfil::Recheck::NoLongerCarries:
        m_sectionRemoved = RemovedSection{name, missed};
        break;
    case TFormProfil::Recheck::NotFound:
        m_sectionRemoved = RemovedSection{name, std::nullopt};
        break;
    }
    showSectionChoice();
}

void ProgramForm::forgetSectionChoice()
{
    // "Neue Eingabe" and closing: the choice, what a section must offer and a removed section's
    // note all go; "Profil wählen…" waits for the next calculation that writes results.
    m_section.reset();
    m_pendingSection.reset();
    m_sectionRemoved.reset();
    m_required.clear();
    m_sectionButton->setEnabled(false);
    showSectionChoice();
}

void ProgramForm::showSectionChoice()
{
    if (!m_sectionLine)
        return;
    const bool english = shell::english();
    QPalette palette = m_sectionLine->palette();
    palette.setColor(QPalette::WindowText, QApplication::palette().color(QPalette::WindowText));
    m_sectionLine->setToolTip(QString());
    m_sectionLine->setFont(m_sectionLineFont);
    if (m_section) {
        m_sectionLine->setText(report::sectionLine(m_section->name, m_section->percent(), english));
    } else if (m_sectionRemoved) {
        // Said in plain words until the planner chooses again: the section and what it misses.
        const RemovedSection &removed = *m_sectionRemoved;
        const auto said = [&](const QString &name) {
            if (!removed.missed)
                return captionText(kSectionNotFound, english).arg(name);
            const QString unit = sections::unitOf(removed.missed->quantity);
            return captionText(kSectionRemoved, english)
                .arg(name, captionText(removed.missed->label, english),
                     formatFixed(removed.missed->required, 1) + u' ' + unit,
                     formatFixed(removed.missed->available, 1) + u' ' + unit);
        };
        // Where the line has no room, the text first shrinks, down to 70 % of its size; then a long
        // section name is shortened with "…" (the tooltip holds it whole), never the values it
        // misses.
        QFont font = m_sectionLineFont;
        const int full = QFontInfo(font).pixelSize();
        QString text = said(removed.name);
        for (int step = 0; step <= 6; ++step) {
            font.setPixelSize(std::max(1, int(std::lround(full * (1.0 - 0.05 * step)))));
            if (QFontMetrics(font).horizontalAdvance(text) <= m_sectionLine->width())
                break;
        }
        const QFontMetrics metrics(font);
        for (int room = metrics.horizontalAdvance(removed.name);
             metrics.horizontalAdvance(text) > m_sectionLine->width() && room > 0; room -= 6)
            text = said(metrics.elidedText(removed.name, Qt::ElideRight, room));
        m_sectionLine->setFont(font);
        m_sectionLine->setText(text);
        m_sectionLine->setToolTip(said(removed.name));
        palette.setColor(QPalette::WindowText, QColor(255, 0, 0));
    }
    m_sectionLine->setPalette(palette);
    m_sectionLine->setVisible(m_section || m_sectionRemoved);
}

void ProgramForm::showInfo(const InfoButton &button)
{
    const InfoPages pages = button.option && optionChosen(button.option) ? button.optionPages : button.pages;
    shell::forms().info->showPage(this, shell::english() ? pages.english : pages.german);
}

void ProgramForm::aufnr()
{
    // The menu's number comes in when the form is opened from the menu. A later activation
    // (after the error window, an information page, a print or its message boxes) keeps
    // what the user typed into the form's own field and has not yet carried back.
    if (m_takeMenuPosition) {
        m_position->setText(shell::menuPositionNumber());
        m_takeMenuPosition = false;
    }
    applyCommandCaptions();
    applyCaptions(this, m_tables.captions, shell::english());
    showSectionChoice();
}

void ProgramForm::Button4Click()
{
    // The position number goes back to the menu first; then the sheet copies every field
    // exactly as it stands, with no new calculation.
    shell::setMenuPositionNumber(m_position->text());
    if (const std::optional<report::Sheet> sheet = makeSheet())
        printSheet(*sheet);
}

QString ProgramForm::proposedPdfName() const
{
    QStringList parts{fileNameSafe(windowTitle())};
    const QString project = fileNameSafe(shell::header().project);
    if (!project.isEmpty())
        parts << project;
    // A number typed as "Pos 12" or "Position 3" keeps its own word, never "Pos Pos 12".
    const QString position = fileNameSafe(m_position->text());
    if (position.startsWith(QLatin1String("pos"), Qt::CaseInsensitive))
        parts << position;
    else if (!position.isEmpty())
        parts << QStringLiteral("Pos ") + position;
    QString name = parts.join(QStringLiteral(" - "));
    // A name of at most 200 characters, and none that ends in a dot.
    name.truncate(200);
    while (name.endsWith(QLatin1Char('.')) || name.endsWith(QLatin1Char(' ')))
        name.chop(1);
    return name + QStringLiteral(".pdf");
}

void ProgramForm::ButtonPdfClick()
{
    shell::setMenuPositionNumber(m_position->text());
    const std::optional<report::Sheet> sheet = makeSheet();
    if (!sheet)
        return;
    const QString caption = shell::english() ? QStringLiteral("Save calculation sheet as PDF")
                                             : QStringLiteral("Rechenblatt als PDF speichern");
    savePdfAs(this, caption, proposedPdfName(), QString(), [&](const QString &path) {
        return report::writePdf(*sheet, path, QFileInfo(path).completeBaseName());
    });
}

QString saveFolder(const QString &fallbackFolder)
{
    for (const QString &folder : {shell::lastSaveFolder(), fallbackFolder,
                                  QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)}) {
        if (!folder.isEmpty() && QFileInfo(folder).isDir())
            return folder;
    }
    return QDir::homePath();
}

void savePdfAs(QWidget *parent, const QString &caption, const QString &name, const QString &fallbackFolder,
               const std::function<Result<>(const QString &path)> &write)
{
    QString path = shell::askSaveFileName(parent, caption, QDir(saveFolder(fallbackFolder)).filePath(name),
                                          QStringLiteral("PDF (*.pdf)"));
    if (path.isEmpty())
        return;
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".pdf");
    if (const Result<> written = write(path); !written) {
        shell::message({QMessageBox::Critical, caption, written.reason().in(shell::english())});
        return;
    }
    shell::setLastSaveFolder(QFileInfo(path).absolutePath());
}

bool ProgramForm::inEnglish()
{
    return shell::english();
}

void ProgramForm::Button2Click()
{
    close();
}

report::FormTexts ProgramForm::sheetTexts() const
{
    report::FormTexts texts;
    texts.english = shell::english();
    const HeaderSnapshot &header = shell::header();
    texts.header.project = header.project;
    texts.header.positionNumber = m_position->text();
    texts.header.company = header.company;
    texts.header.creator = shell::menuCreator();
    texts.header.date = shell::menuDate();
    texts.header.time = shell::menuTime();
    if (m_section) {
        texts.sectionName = m_section->name;
        texts.sectionUtilisation = m_section->percent();
    }
    for (const QLineEdit *field : findChildren<QLineEdit *>())
        texts.fields.insert(field->objectName(), field->text());
    for (const QRadioButton *option : findChildren<QRadioButton *>())
        texts.options.insert(option->objectName(), option->isChecked());
    texts.letterhead = currentLetterhead();
    // A sheet of the stored position names what the position is; one of a calculation not
    // stored, or stored otherwise, does not claim its description.
    const ProjectSession &session = projectSession();
    const qsizetype stored = session.indexOf(m_position->text().trimmed());
    if (stored >= 0 && m_calculated && !calculationUnstored())
        texts.description = session.project().positions[stored].description;
    return texts;
}

std::optional<report::Sheet> ProgramForm::makeSheet() const
{
    // Every field copied exactly as it stands, with no new calculation.
    const Program *program = findProgram(m_tables.program);
    if (!program)
        return std::nullopt;
    return program->makeSheet(sheetTexts());
}

void ProgramForm::printSheet(const report::Sheet &sheet)
{
    // The progress window goes before a message about the print is shown.
    const Result<report::PrintedJob> printed = [&] {
        PrintProgressWindow progress(this);
        return report::printSheet(sheet, &progress);
    }();
    reportPrintOutcome(printed);
}

project::ProgramFields ProgramForm::projectFields()
{
    // The names a record of this form holds are the names a project file may use.
    ensureBuilt();
    const project::Position record = currentRecord();
    const auto names = [](const auto &map) { return QSet<QString>(map.keyBegin(), map.keyEnd()); };
    return {names(record.inputs), names(record.results), names(record.options)};
}

QString ProgramForm::rowCaption(const QLineEdit *field) const
{
    // The caption of a field is the nearest text left of it on its row that is a word, not a
    // symbol, index or unit such as "W", "x (f)" or "[kNcm]".
    const QRect place(field->mapTo(this, QPoint(0, 0)), field->size());
    const QLabel *nearest = nullptr;
    int nearestRight = -1;
    for (const QLabel *label : findChildren<QLabel *>()) {
        const QRect at(label->mapTo(this, QPoint(0, 0)), label->size());
        const QString text = label->text();
        const int letters =
            int(std::count_if(text.begin(), text.end(), [](QChar c) { return c.isLetter(); }));
        if (!label->isVisible() || letters < 6 || at.right() > place.left() ||
            std::abs(at.center().y() - place.center().y()) > place.height() / 2 + 2)
            continue;
        if (at.right() > nearestRight) {
            nearest = label;
            nearestRight = at.right();
        }
    }
    return nearest ? nearest->text().simplified() : QString();
}

project::Position ProgramForm::currentRecord() const
{
    project::Position record;
    record.program = m_tables.program;
    record.number = m_position->text();
    for (const ResultField &result : m_tables.resultFields)
        record.results.insert(QString::fromLatin1(result.field), field(result.field)->text());
    for (const QLineEdit *edit : findChildren<QLineEdit *>()) {
        if (edit != m_position && !record.results.contains(edit->objectName()))
            record.inputs.insert(edit->objectName(), edit->text());
    }
    for (const QRadioButton *option : findChildren<QRadioButton *>())
        record.options.insert(option->objectName(), option->isChecked());
    record.date = shell::menuDate();
    record.time = shell::menuTime();
    return record;
}

void ProgramForm::updateSaveButton()
{
    if (!m_saveButton)
        return;
    // Without a project the button offers to make or open one; a project opened read-only
    // takes no position.
    const ProjectSession &session = projectSession();
    m_saveButton->setEnabled(m_calculated.has_value() && (!session.isOpen() || session.canWrite()));
}

bool ProgramForm::ButtonSpeichernClick()
{
    if (!m_calculated)
        return false;
    const bool english = shell::english();
    const QString caption = captionText(kSaveCaption, english);
    ProjectSession &session = projectSession();
    if (!session.isOpen()) {
        const int answer = shell::ask({QMessageBox::Question,
                                       caption,
                                       captionText(kNoProjectYet, english),
                                       {captionText(kNewProject, english), captionText(kOpenProject, english),
                                        captionText(kCancel, english)}});
        if (answer == 0)
            askNewProject(this);
        else if (answer == 1)
            askOpenProject(this);
    }
    if (!session.canWrite())
        return false;
    // What is stored must be what was calculated: inputs changed since then would go into the
    // file beside results that are not theirs.
    const project::Position now = currentRecord();
    if (now.inputs != m_calculated->inputs || now.options != m_calculated->options ||
        now.results != m_calculated->results) {
        shell::message({QMessageBox::Warning, caption, captionText(kChangedSince, english)});
        return false;
    }
    // The number and the description, asked in one dialog, which also says when the number is
    // stored already and the position would be replaced.
    TFormPosition dialog(TFormPosition::Purpose::Save, session.project(), m_position->text().trimmed(), {},
                         {}, this);
    if (shell::execDialog(dialog) != QDialog::Accepted || dialog.number().isEmpty())
        return false;
    project::Position record = storedRecord();
    record.number = dialog.number();
    record.description = dialog.description();
    if (!session.store(record))
        return false;
    m_position->setText(record.number);
    shell::setMenuPositionNumber(record.number);
    return true;
}

project::Position ProgramForm::storedRecord() const
{
    project::Position record = *m_calculated;
    record.number = m_position->text().trimmed();
    if (m_section) {
        record.section = m_section->name;
        record.sectionUtilisation = m_section->percent();
    }
    return record;
}

bool ProgramForm::calculationUnstored() const
{
    const ProjectSession &session = projectSession();
    if (!m_calculated || !session.canWrite())
        return false;
    const project::Position record = storedRecord();
    const qsizetype index = session.indexOf(record.number);
    if (index < 0)
        return true;
    const project::Position &stored = session.project().positions[index];
    return stored.program != record.program || stored.options != record.options ||
           stored.inputs != record.inputs || stored.results != record.results ||
           stored.section != record.section || stored.sectionUtilisation != record.sectionUtilisation;
}

bool ProgramForm::mayClose()
{
    if (!m_built || !calculationUnstored())
        return true;
    const bool english = shell::english();
    const QString number = m_position->text().trimmed();
    const QString question = number.isEmpty() ? captionText(kSaveQuestionNoNumber, english)
                                              : captionText(kSaveQuestion, english).arg(number);
    const int answer = shell::ask(
        {QMessageBox::Question,
         captionText(kSaveCaption, english),
         question,
         {captionText(kSave, english), captionText(kDiscard, english), captionText(kCancel, english)}});
    if (answer == 0)
        return ButtonSpeichernClick();
    return answer == 1;
}

void ProgramForm::loadPosition(const project::Position &position)
{
    ensureBuilt();
    Button3Click();
    // Options first, as the planner clicks them: their handlers switch captions and fields.
    for (QRadioButton *option : findChildren<QRadioButton *>()) {
        if (position.options.value(option->objectName()))
            option->click();
    }
    for (QLineEdit *edit : findChildren<QLineEdit *>()) {
        const auto typed = position.inputs.find(edit->objectName());
        if (edit != m_position && typed != position.inputs.end())
            edit->setText(*typed);
    }
    m_position->setText(position.number);
    m_reopened = position;
}

void ProgramForm::recalculateReopened()
{
    if (!m_reopened)
        return;
    const project::Position stored = *std::exchange(m_reopened, std::nullopt);
    Button1Click();
    const bool english = shell::english();

    QStringList differences;
    for (const ResultField &result : m_tables.resultFields) {
        const QString name = QString::fromLatin1(result.field);
        const QString now = field(result.field)->text();
        const QString before = stored.results.value(name);
        if (now == before)
            continue;
        const QString caption = rowCaption(field(result.field));
        const QString label = caption.isEmpty() ? name : QStringLiteral("%1 (%2)").arg(caption, name);
        differences << captionText(kDifference, english).arg(label, before, now);
    }
    const QString caption = captionText(kOpenCaption, english);
    if (!differences.isEmpty()) {
        shell::message(
            {QMessageBox::Warning, caption,
             captionText(kResultsDiffer, english).arg(stored.number, differences.join(QLatin1Char('\n')))});
    }
    if (stored.section.isEmpty())
        return;
    SectionChoice choice;
    const TFormProfil::Recheck recheck =
        m_required.isEmpty() ? TFormProfil::Recheck::NoLongerCarries
                             : shell::sectionWindow()->recheck(stored.section, m_required, &choice);
    switch (recheck) {
    case TFormProfil::Recheck::Carries:
        m_section = choice;
        showSectionChoice();
        break;
    case TFormProfil::Recheck::NoLongerCarries:
        shell::message(
            {QMessageBox::Warning, caption, captionText(kSectionFails, english).arg(stored.section)});
        break;
    case TFormProfil::Recheck::NotFound:
        shell::message(
            {QMessageBox::Warning, caption, captionText(kSectionGone, english).arg(stored.section)});
        break;
    }
}

void ProgramForm::closeHandler()
{
    if (!m_built)
        return;
    shell::setMenuPositionNumber(m_position->text());
    Button3Click();
    shell::showMenuAt(pos());
}

bool ProgramForm::event(QEvent *event)
{
    if (event->type() == QEvent::WindowActivate && m_built)
        aufnr();
    return QDialog::event(event);
}

bool ProgramForm::eventFilter(QObject *watched, QEvent *event)
{
    // punkt: a typed comma becomes a point; every other key passes unchanged.
    if (event->type() == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(event);
        if (key->text() == QLatin1String(",")) {
            QKeyEvent point(QEvent::KeyPress, Qt::Key_Period, key->modifiers(), QStringLiteral("."),
                            key->isAutoRepeat(), static_cast<ushort>(key->count()));
            QCoreApplication::sendEvent(watched, &point);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void ProgramForm::closeEvent(QCloseEvent *event)
{
    // A calculation not stored in the open project is not thrown away unasked.
    if (!mayClose()) {
        event->ignore();
        return;
    }
    closeHandler();
    QDialog::closeEvent(event);
}

void ProgramForm::keyPressEvent(QKeyEvent *event)
{
    // A program form closes by "Zurück" or its close box only; Escape must not throw
    // away the inputs, and Enter must not press a button.
    switch (event->key()) {
    case Qt::Key_Escape:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        event->accept();
        return;
    default:
        QDialog::keyPressEvent(event);
    }
}

void ProgramForm::showEvent(QShowEvent *event)
{
    // The sketches are drawn when the form is first shown, not at start-up.
    if (!m_picturesLoaded) {
        loadFormPictures(this);
        m_picturesLoaded = true;
    }
    m_takeMenuPosition = true;
    // A reopened position is calculated once the form is on screen, so that its error window
    // and messages come over the form.
    if (m_reopened)
        QTimer::singleShot(0, this, &ProgramForm::recalculateReopened);
    // Activation follows as soon as the window manager gives the form the focus; the form
    // must not show the previous position number or language should that come late or,
    // with focus-stealing prevention, not at all.
    aufnr();
    QDialog::showEvent(event);
}

} // namespace vb
