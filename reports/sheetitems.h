#pragma once

#include "core/caption.h"

#include "reports/frame.h"
#include "reports/sheet.h"

#include <QtCore/QHash>
#include <QtCore/QRect>
#include <QtCore/QString>

#include <span>

namespace report
{

// Building blocks of the body of a sheet, all in the child band: captions at the left edge,
// texts at a place, value labels that end at their right edge, drawings from the resources.
Label caption(const char *name, int top, const QString &design, LabelFont font = textFont());
Label at(const char *name, int x, int top, const QString &design, LabelFont font = textFont());
// A value label ends at its right edge; its design text is its name until it is filled.
Label valueAt(const char *name, int rightEdge, int top, LabelFont font = textFont());
Picture drawing(const char *name, QRect rect, const char *resource, bool stretch);

void set(Sheet &sheet, const char *label, const QString &text);
void show(Sheet &sheet, const char *picture, bool on);

// What a program form hands to its sheet when "Drucken" is pressed: the language, the
// project header and the text of every field of the form by its name, exactly as shown.
struct FormTexts {
    bool english = false;
    HeaderValues header;
    QHash<QString, QString> fields; // objectName -> text
    // Option buttons by name, checked or not.
    QHash<QString, bool> options;
    // The catalogue section chosen for the member and its governing utilisation in per cent;
    // no name where none was chosen.
    QString sectionName;
    int sectionUtilisation = 0;
    // What the member is, as the planner described the stored position; empty for a sheet not
    // printed from a stored position.
    QString description;
    Letterhead letterhead;

    // The field's text; empty for a field the form does not have.
    QString field(const char *name) const;
    bool option(const char *name) const;
};

// One value label of a sheet and the form field it copies.
struct ValueSource {
    const char *label;
    const char *field;
};

// Copies the field texts into the value labels, in the order of the table.
void fillValues(Sheet &sheet, std::span<const ValueSource> table, const FormTexts &texts);

// The captions of a sheet that depend on the language or on an option of the form (the
// construction, the load case), by label. Where the German is null, a German sheet keeps the
// design text; where the English is null, an English sheet takes the German.
void applyTexts(Sheet &sheet, std::span<const vb::Caption> table, bool english);

// The line naming the section chosen for a member and its governing utilisation in whole per
// cent, as the form shows it and the sheet prints it.
QString sectionLine(const QString &name, int utilisation, bool english);

// The layout with that line on the row of the results heading, right-aligned at the frame's right
// edge and kept clear of the heading; the layout unchanged where no section was chosen.
SheetLayout withSectionLine(SheetLayout layout, const FormTexts &texts);

// The layout with what the planner gives beyond the form's fields: the letterhead in the page
// header, the description on the title's row (right-aligned at the frame's right edge, kept clear
// of the title) and the section line; each part given, the sheet as designed without it.
SheetLayout withPlannerTexts(SheetLayout layout, const FormTexts &texts);

} // namespace report
