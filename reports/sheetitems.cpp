#include "reports/sheetitems.h"

#include <algorithm>
#include <utility>

namespace report
{

Label caption(const char *name, int top, const QString &design, LabelFont font)
{
    return Label{QLatin1String(name), kChildBand, 8, top, design, std::move(font), Align::Left, 0};
}

Label at(const char *name, int x, int top, const QString &design, LabelFont font)
{
    return Label{QLatin1String(name), kChildBand, x, top, design, std::move(font), Align::Left, 0};
}

Label valueAt(const char *name, int rightEdge, int top, LabelFont font)
{
    return Label{QLatin1String(name), kChildBand,      rightEdge,    top,
                 QLatin1String(name), std::move(font), Align::Right, 0};
}

Picture drawing(const char *name, QRect rect, const char *resource, bool stretch)
{
    return Picture{QLatin1String(name), kChildBand, rect, QLatin1String(resource), stretch, true};
}

void set(Sheet &sheet, const char *label, const QString &text)
{
    sheet.setText(QLatin1String(label), text);
}

void show(Sheet &sheet, const char *picture, bool on)
{
    sheet.setPictureOn(QLatin1String(picture), on);
}

QString FormTexts::field(const char *name) const
{
    return fields.value(QLatin1String(name));
}

bool FormTexts::option(const char *name) const
{
    return options.value(QLatin1String(name), false);
}

void fillValues(Sheet &sheet, std::span<const ValueSource> table, const FormTexts &texts)
{
    for (const ValueSource &source : table)
        set(sheet, source.label, texts.field(source.field));
}

void applyTexts(Sheet &sheet, std::span<const vb::Caption> table, bool english)
{
    for (const vb::Caption &entry : table) {
        const QString &text =
            english && !entry.text.english.isNull() ? entry.text.english : entry.text.german;
        if (!text.isNull())
            set(sheet, entry.control, text);
    }
}

QString sectionLine(const QString &name, int utilisation, bool english)
{
    const QString pattern = english ? QStringLiteral("Section: %1, utilisation %2 %")
                                    : QStringLiteral("Profil: %1, Ausnutzung %2 %");
    // One pass: a section name holding "%1" is the catalogue's text, not a place for the utilisation.
    return pattern.arg(name, QString::number(utilisation));
}

namespace
{
// The frame's right edge, where the rules end.
constexpr int kFrameRight = 8 + 547;

const Label *findLabel(const SheetLayout &layout, const char *name)
{
    const auto found = std::find_if(layout.labels.cbegin(), layout.labels.cend(),
                                    [name](const Label &label) { return label.name == QLatin1String(name); });
    return found == layout.labels.cend() ? nullptr : &*found;
}

// The height a text at `top` of `band` has before the next text or drawing below it begins (or
// the band ends), kept a little clear of it: room for a second line where the sheet leaves one.
// Drawings count whether or not they are switched on, which the sheet decides later.
int heightBelow(const SheetLayout &layout, const QString &band, int top)
{
    int next = 0;
    for (const Band &b : layout.bands)
        if (b.name == band)
            next = b.height;
    for (const Label &label : layout.labels)
        if (label.band == band && label.top > top)
            next = std::min(next, label.top);
    for (const Picture &picture : layout.pictures)
        if (picture.band == band && picture.rect.top() > top)
            next = std::min(next, picture.rect.top());
    return std::max(0, next - top - 2);
}
} // namespace

SheetLayout withSectionLine(SheetLayout layout, const FormTexts &texts)
{
    if (texts.sectionName.isEmpty())
        return layout;
    // Every sheet has free room right of its "Ergebnisse" heading; the line ends where the rules
    // of the closing block end, so that a long name grows towards the heading, never off the page.
    const Label *heading = findLabel(layout, "QRLabel21");
    Q_ASSERT(heading);
    if (!heading)
        return layout;
    LabelFont font = textFont();
    font.bold = true;
    Label line = valueAt("QRLabelProfil", kFrameRight, heading->top + 3, font);
    line.text = sectionLine(texts.sectionName, texts.sectionUtilisation, texts.english);
    line.room = {kFrameRight - heading->x, heightBelow(layout, heading->band, line.top)};
    layout.labels.append(line);
    return layout;
}

SheetLayout withPlannerTexts(SheetLayout layout, const FormTexts &texts)
{
    applyLetterhead(layout, texts.letterhead, QStringLiteral("QRLabel1"));
    const Label *title = findLabel(layout, "QRLabel9");
    Q_ASSERT(title);
    if (!texts.description.isEmpty() && title) {
        // In the text font, on the title's baseline; the title is in a larger one.
        Label description = valueAt("QRLabelBezeichnung", kFrameRight, title->top, textFont());
        description.band = title->band;
        description.top = title->top + std::max(0, title->font.pixelSize - description.font.pixelSize);
        description.text = texts.description;
        description.room = {kFrameRight - title->x, heightBelow(layout, title->band, description.top)};
        layout.labels.append(description);
    }
    return withSectionLine(std::move(layout), texts);
}

} // namespace report
