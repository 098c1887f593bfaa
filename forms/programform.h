#pragma once

#include "core/projectfile.h"
#include "forms/programtables.h"
#include "forms/tformprofil.h"
#include "reports/printflow.h"
#include "reports/sheet.h"

#include <QtCore/QList>
#include <QtGui/QFont>
#include <QtWidgets/QDialog>

#include <functional>
#include <optional>
#include <span>

class QLabel;
class QLineEdit;
class QPushButton;

namespace report
{
struct FormTexts;
}

namespace vb
{

class FieldChecker;

// What the six program forms share: the four command buttons with the calculate handler and new
// input, the position-number field carried to and from the main menu, activation with the
// captions, the comma key handler, the information buttons, and the close handler that resets
// the form and brings the menu back at this form's position.
//
// A program supplies only what is its own: its tables, and as code the check of its inputs in
// its order and its calculation.
class ProgramForm : public QDialog
{
    Q_OBJECT

public:
    // `formName` is the form's class name, its objectName from the start.
    ProgramForm(const QString &formName, const ProgramTables &tables, QWidget *parent = nullptr);

    // The form's controls are made from its design the first time it is shown (or driven), not
    // at start-up: the menu creates all six forms before it is first seen, and a planner opens
    // one or two of them in a run.
    void ensureBuilt();
    bool isBuilt() const { return m_built; }
    void setVisible(bool visible) override;

    // The form's position/order number field.
    QLineEdit *positionField() const { return m_position; }

    // Check and calculate; new input; print. Public so that the menu's tests and the
    // monkey runs can drive them as the buttons do.
    void Button1Click();
    void Button3Click();
    void Button4Click();
    void Button2Click();
    // "Als PDF…": the sheet "Drucken" prints, saved as a PDF file the user names.
    void ButtonPdfClick();
    // "Profil wählen…": the catalogue sections that carry the member of the last calculation.
    void ButtonProfilClick();
    // "Position speichern": the record of the last calculation stored in the open project under
    // the number and with the description the position dialog asks for; without an open project
    // the planner first makes or opens one. True when it was stored.
    bool ButtonSpeichernClick();
    // Whether the last calculation with results is not stored in the open project, or differs
    // from the position stored under the form's number; never without a writable project.
    bool calculationUnstored() const;
    // The section chosen for the member since the last calculation, if any.
    const std::optional<SectionChoice> &sectionChoice() const { return m_section; }

    // The name the save dialog proposes: the program, the project and the position number,
    // with the characters no file system takes replaced, e.g.
    // "Programm 1 - Musterbau Nord - Pos 7.pdf".
    QString proposedPdfName() const;

    const ProgramTables &tables() const { return m_tables; }

    // The input fields, result fields and option buttons a project file may name for this form
    // (makes the form's controls).
    project::ProgramFields projectFields();
    // The position as the last "Berechnung" that wrote results left the form; nothing after a
    // calculation without results or "Neue Eingabe".
    const std::optional<project::Position> &calculatedRecord() const { return m_calculated; }
    // Puts a stored position into the form: its options and the texts of its inputs. When the
    // form is next shown it runs "Berechnung", names every result that now differs from the
    // stored one, and restores the chosen section where it still carries the member.
    void loadPosition(const project::Position &position);
    // The command buttons' caption table, the same for all six forms.
    static std::span<const Caption> commandCaptions();

protected:
    // The language the run shows its texts in.
    static bool inEnglish();
    // Makes the form's controls (setupUi and what belongs to it); runs once, from ensureBuilt().
    virtual void build() = 0;

    // Wires the command buttons, the position field, the comma handler on every input field
    // (those of the reset-text table) and the information buttons; called by each form after
    // setupUi.
    void setupProgramForm(QLineEdit *positionField);

    // Checks the inputs by their rules in the program's order and keeps their values for
    // calculate(), which runs only when no check and no condition failed.
    virtual void checkInputs(FieldChecker &check) = 0;
    virtual Calculated calculate() const = 0;

    QLineEdit *field(const char *name) const;
    bool optionChosen(const char *name) const;

    // What "Drucken" copies into the sheet: the language, the project header (project and
    // company of the snapshot taken when the program was opened, this form's position
    // number, creator, date and time from the menu now), the text of every field and the
    // state of every option button, by name.
    report::FormTexts sheetTexts() const;

    // The program's sheet, filled from the form's fields as they stand. "Drucken" and "Als PDF…"
    // both take it, so that the file is the printed page.
    std::optional<report::Sheet> makeSheet() const;

    // Hands a filled sheet to the default printer; a missing printer and any other failure
    // end in their message boxes.
    void printSheet(const report::Sheet &sheet);

    // Activation: sets the captions; on the first activation after the form was opened from
    // the menu it also copies the menu's position number.
    virtual void aufnr();
    // The command buttons' captions in the current language.
    void applyCommandCaptions();

    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    // What the form's design calls a field: the caption on its row, empty where it has none.
    QString rowCaption(const QLineEdit *field) const;
    // The form's state as a position record: options, inputs and results as they stand.
    project::Position currentRecord() const;
    void updateSaveButton();
    // The calculation of a reopened position, compared with what was stored.
    void recalculateReopened();
    void forgetSectionChoice();
    // Judges the section chosen before against the values of the calculation just made: it stays
    // with its new utilisation where it carries, else it is removed and the form says why.
    void judgeSection(const QString &name);
    void showSectionChoice();
    void showInfo(const InfoButton &button);
    // Judges the cross-field conditions after the inputs' own checks; `asRead` gives the value
    // of a field as read before its check.
    void judgeConditions(FieldChecker &check, const std::function<double(const char *)> &asRead);

    // The close handler (schliesen, schlies): position number back to the menu, new
    // input, the menu moved to this form's place and shown.
    void closeHandler();
    // Asks before an unstored calculation is closed away: store it, discard it, or stay.
    bool mayClose();
    // The last calculation as it would be stored now: the form's number and section.
    project::Position storedRecord() const;

    const ProgramTables m_tables;
    QLineEdit *m_position = nullptr;
    bool m_built = false;
    bool m_picturesLoaded = false;
    bool m_takeMenuPosition = false; // opened from the menu, its number not yet taken
    QPushButton *m_sectionButton = nullptr;
    QLabel *m_sectionLine = nullptr;
    QFont m_sectionLineFont;         // as the design gives it; a long note shrinks from it
    QList<RequiredValue> m_required; // of the last calculation that wrote results
    std::optional<SectionChoice> m_section;
    // A section chosen before the last "Berechnung", judged at the next one that writes results.
    std::optional<QString> m_pendingSection;
    // A section removed by a new calculation, with the value it missed (none where no catalogue
    // holds it any more); shown until the next choice.
    struct RemovedSection {
        QString name;
        std::optional<Shortfall> missed;
    };
    std::optional<RemovedSection> m_sectionRemoved;
    QPushButton *m_saveButton = nullptr;
    std::optional<project::Position> m_calculated;
    std::optional<project::Position> m_reopened; // loaded, its calculation still to run
};

// `text` with the characters one of the usual file systems does not take in a file name replaced.
QString fileNameSafe(QString text);

// Where a file dialog starts: the folder a file was last saved to in this run, else
// `fallbackFolder`, else the documents, else home.
QString saveFolder(const QString &fallbackFolder = QString());

// "Als PDF…" of a sheet or a project: asks for the file, proposing `name` in saveFolder(), writes it with
// `write`, reports a failure in a message box under `caption` and remembers the folder.
void savePdfAs(QWidget *parent, const QString &caption, const QString &name, const QString &fallbackFolder,
               const std::function<Result<>(const QString &path)> &write);

} // namespace vb
