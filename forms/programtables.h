#pragma once

// The tables a program form is made of, and the entries several programs share.

#include "core/caption.h"
#include "core/crosscheck.h"
#include "core/fpfailure.h"
#include "core/rafterloads.h"
#include "core/sections.h"

#include <QtCore/QList>

#include <array>
#include <span>

namespace vb
{

// An input field and the text "Neue Eingabe" gives it: "0", empty or a typical value.
struct ResetText {
    const char *field;
    const char *text;
};

// A result field and its number of decimals.
struct ResultField {
    const char *field;
    int decimals;
};

// A result that a section must offer more of than its field shows, and how much.
struct GoverningValue {
    const char *field;
    double value; // a magnitude
};

// What a program's calculation hands back: a failure of the arithmetic, or the values of its
// result fields in the order of its table. No values where the member has nothing to show.
// `governing` names the results a section is chosen by instead of the value of their field.
struct Calculated {
    FpFailure failure = FpFailure::None;
    QList<double> values;
    QList<GoverningValue> governing{};
};

// An information button and the pages it opens in German and in English; where an option
// button chooses the rule the loads follow, the pages while that option is chosen.
struct InfoPages {
    int german;
    int english;
};
struct InfoButton {
    const char *button;
    InfoPages pages;
    const char *option = nullptr;
    InfoPages optionPages{0, 0};
};

// A result field that a catalogue section must offer: which section value, and its name in the
// section window; where the calculation hands a larger value that governs the choice, what the
// section window says of it (%1: the factor on the field's value).
struct SectionRequirement {
    const char *field;
    sections::Quantity quantity;
    Caption label;
    Caption governingNote{"", "", ""};
};

// One value of a member's short description in the project's list: its symbol, the field it is
// read from as typed, and its unit.
struct SummaryValue {
    const char *symbol;
    const char *field;
    const char *unit;
};

// The member a program sizes as the project's list describes it, e.g. "Pfosten LP 4.64 m,
// w 1.64 kN/m²": its name and its governing dimensions and load. Where an option button makes it
// another member (a transom instead of a mullion), the entry of that option comes first.
struct MemberSummary {
    Caption member;
    std::span<const SummaryValue> values;
    const char *option = nullptr;
};

// What a program is, as tables: its number, its captions (the texts its design shows, set on every
// activation, and those of its other modes, which the program sets itself), the reset texts
// of its inputs, its result fields, its cross-field conditions, its information buttons and the
// results a catalogue section must offer, and how the project's list names its member.
struct ProgramTables {
    int program = 0; // 1 … 6: its sheet, and its place in a project file
    std::span<const Caption> captions{};
    std::span<const std::span<const Caption>> modeCaptions{};
    std::span<const ResetText> resetTexts{};
    std::span<const ResultField> resultFields{};
    std::span<const char *const> options{}; // its option buttons
    std::span<const CrossCondition> conditions{};
    std::span<const InfoButton> infoButtons{};
    std::span<const SectionRequirement> sectionRequirements{};
    std::span<const MemberSummary> summaries{};
    // The result fields of its bending moments (span and support); the project's list shows the
    // largest.
    std::span<const char *const> momentFields{};
    // Programm 6 has no cross-field message and leaves the error window as it is.
    bool usesErrorWindow = true;
};

// LS, the largest pane, longer than the member (LP, or the longer of two spans): the error
// window's "LS" line, which the programs put on different lines and Programm 1 marks.
inline CrossCondition paneLongerThanMember(const char *pane, std::array<const char *, 2> member, int line,
                                           const char *onlyWith = nullptr,
                                           std::array<const char *, 2> marks = {})
{
    return {.field = pane,
            .compare = CrossCondition::Compare::Greater,
            .than = member,
            .onlyWith = onlyWith,
            .marks = marks,
            .line = line,
            .message = {"", "LS darf nicht größer sein als LP !", "LS has to be smaller than LP !"}};
}

// A roof pitch of 89° or more is a wall, not a roof: line 2 of the error window in both rafter
// programs.
inline CrossCondition pitchTooSteep(const char *pitch)
{
    return {.field = pitch,
            .compare = CrossCondition::Compare::AtLeast,
            .limit = rafter::kSteepestPitch,
            .line = 2,
            .message = {"", "Die Dachneigung muß kleiner sein als 89° !",
                        "Roof pitch has to be smaller than 89° !"}};
}

// The information buttons of both rafter programs: wind and snow pages follow the load case,
// DIN 1055 first, or BS 6399 first with RadioButton3; the pages on superposing wind and snow are
// the same for both.
inline constexpr InfoButton kRafterInfoButtons[] = {
    {"SpeedButton1", {6, 4}, "RadioButton3", {8, 3}},
    {"SpeedButton2", {7, 5}, "RadioButton3", {9, 1}},
    {"SpeedButton3", {13, 14}},
    {"SpeedButton4", {15, 16}},
};

// The results a section must offer in the programs that size about the x axis by one second
// moment of area and one section modulus.
inline const SectionRequirement kSectionIxWx[] = {
    {"Edit8", sections::Quantity::Ix, {"", "Ix", "Ix"}},
    {"Edit12", sections::Quantity::Wx, {"", "Wx", "Wx"}},
};

// The results a section must offer in the two-span programs: Ix, judged against the longer
// span's elastic line, and the section modulus for both the span moment and the support moment
// (`supportModulus`, the field of the latter).
inline std::array<SectionRequirement, 3> twoSpanSectionRequirements(const char *supportModulus)
{
    return {{{"Edit8",
              sections::Quantity::Ix,
              {"", "Ix", "Ix"},
              {"",
               "Maßgebend für die Profilwahl ist die größte Durchbiegung des längeren Feldes nach der "
               "Biegelinie des Zweifeldträgers: das Ix des Formulars, das die Durchbiegung in Feldmitte "
               "nähert, mal %1.",
               "The choice is governed by the largest deflection of the longer span from the elastic line "
               "of the two-span beam: the form's Ix, which approximates the deflection at mid-span, times "
               "%1."}},
             {"Edit12", sections::Quantity::Wx, {"", "Wx (Feld)", "Wx (span)"}},
             {supportModulus, sections::Quantity::Wx, {"", "Wx (Stütze)", "Wx (support)"}}}};
}

} // namespace vb
