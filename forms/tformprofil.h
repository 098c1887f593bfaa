#pragma once

#include "core/caption.h"
#include "core/sections.h"

#include <QtWidgets/QDialog>

#include <cmath>
#include <memory>
#include <optional>
#include <span>

class QLabel;
class QListWidget;
class QPushButton;
class QTableView;

namespace Ui
{
class TFormProfil;
}

namespace vb
{

class SectionTableModel;
class SortProxy;

// A required value of one calculation as the section window shows it.
struct RequiredValue {
    sections::Quantity quantity;
    double value; // as calculated, a magnitude; the one that governs the choice
    Caption label;
    // Where a larger value governs than the form's field shows: the field's value, and what the
    // window says of it (%1: the factor).
    std::optional<double> formValue{};
    Caption note{"", "", ""};
};

// The required value a section misses most, and what the section offers of it.
struct Shortfall {
    Caption label{"", "", ""};
    sections::Quantity quantity = sections::Quantity::Ix;
    double required = 0.0;
    double available = 0.0;
};

// The section a planner chose for a member, and its governing utilisation in per cent.
struct SectionChoice {
    QString name;
    double utilisation = 0.0;
    // In whole per cent, as the form and the sheet show it.
    int percent() const { return int(std::lround(utilisation)); }
};

// "Profil wählen": the sections of the chosen catalogues that carry the member, lightest first,
// with how far each of the required values uses them. The planner's own catalogues are imported
// from CSV here and kept in the user's data folder; the generic series is always there.
class TFormProfil : public QDialog
{
    Q_OBJECT

public:
    explicit TFormProfil(QWidget *parent = nullptr);
    ~TFormProfil() override;

    // Where the imported catalogues are kept; the user's data folder unless a test says otherwise.
    void setCatalogueFolder(const QString &folder);

    // Shows the window at `form`'s place for the required values and waits; the section the
    // planner takes, or nothing.
    std::optional<SectionChoice> choose(QWidget *form, const QList<RequiredValue> &required);

    static std::span<const Caption> captions();

    // A section chosen before, looked for by its name in the generic series and the imported
    // catalogues, and judged against the required values of a new calculation: where it carries,
    // `choice` with its new utilisation; where it does not, `missed` with the value it misses most.
    enum class Recheck { Carries, NoLongerCarries, NotFound };
    Recheck recheck(const QString &name, const QList<RequiredValue> &required, SectionChoice *choice,
                    Shortfall *missed = nullptr);

    void ButtonImportClick();
    void ButtonKatalogEntfernenClick();

private:
    void applyLanguage();
    void loadCatalogues();
    void fillCatalogueList();
    void fillSections();
    void takeSelected();

    std::unique_ptr<Ui::TFormProfil> m_ui;
    QString m_folder;
    QList<RequiredValue> m_required;
    QList<sections::Catalogue> m_catalogues; // the generic series first, then the imported ones
    QStringList m_leftOut;                   // catalogues the planner left out, by name
    QList<sections::Candidate> m_candidates;
    std::optional<SectionChoice> m_choice;

    QLabel *m_values = nullptr;
    QListWidget *m_catalogueList = nullptr;
    SectionTableModel *m_model;
    SortProxy *m_sorted; // the sections in the order of the column the planner clicked
    QTableView *m_sectionList = nullptr;
    QLabel *m_none = nullptr;
    QLabel *m_hint = nullptr; // the catalogue files left out, and why
    QPushButton *m_remove = nullptr;
    QPushButton *m_take = nullptr;
};

} // namespace vb
