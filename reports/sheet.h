#pragma once

#include <QtCore/QList>
#include <QtCore/QMarginsF>
#include <QtCore/QRect>
#include <QtCore/QString>
#include <QtGui/QPageLayout>

namespace report
{

// Positions on a sheet are pixels of the page drawn at 96 dpi (A4 is 794 x 1123 of them).
inline constexpr double kPagePixelsPerInch = 96.0;

// Converts millimetres on paper to 96-dpi page pixels.
constexpr double mmToPagePixels(double mm)
{
    return mm / 25.4 * kPagePixelsPerInch;
}

enum class Align { Left, Right };

struct LabelFont {
    QString family = QStringLiteral("Times New Roman");
    int pixelSize = 16; // em height in 96-dpi page pixels
    bool bold = false;
    bool underline = false;
};

// A horizontal strip of the page; bands are printed top to bottom in the order of the layout.
struct Band {
    QString name;
    int height = 0;
};

// The room a planner's text has (a header value, the company line, the section line, the
// description): `width` pixels from x, to the right of a left-aligned label and to the left of a
// right-aligned one, narrowed by what else stands on the label's row (texts and drawings of its
// band); `height` pixels from the label's top, room for a second line where it holds two. The
// painter fits a text too long for it (textfit.h); a label without a room prints as it stands.
struct Room {
    int width = 0;
    int height = 0;
};

// A positioned line of text. A left-aligned label starts at x; a right-aligned label (a value)
// ends at x and grows to the left. A width > 0 clips the text to [x, x + width] (used for rules).
struct Label {
    QString name;
    QString band;
    int x = 0;
    int top = 0;
    QString text; // the design text; the sheet holds the current one
    LabelFont font = {};
    Align align = Align::Left;
    int width = 0;
    Room room = {};
};

// A drawing from the resources. Stretched drawings fill their rectangle; the others are drawn
// at their own size from the rectangle's top left corner and clipped to it. A planner's logo
// (`plannerLogo`) is the file `resource`, an SVG or an image (logo.h), scaled into the rectangle
// keeping its aspect ratio.
struct Picture {
    QString name;
    QString band;
    QRect rect;
    QString resource;
    bool stretch = false;
    bool on = true;
    bool plannerLogo = false;
};

struct PageSetup {
    QPageSize::PageSizeId size = QPageSize::A4;
    QPageLayout::Orientation orientation = QPageLayout::Portrait;
    QMarginsF marginsMm{25.0, 15.0, 25.0, 15.0}; // left, top, right, bottom

    // The page layout in full-page mode: painting starts at the paper's corner and the sheet
    // keeps its own margins.
    QPageLayout pageLayout() const;
};

struct SheetLayout {
    QString name;
    PageSetup page;
    QList<Band> bands;
    QList<Label> labels;
    QList<Picture> pictures;
};

// One sheet to print: a layout whose label texts and picture switches can be changed. A fresh
// sheet carries the design texts. Names are the component names of the layout; an unknown name
// is a programming error, reported with qWarning and otherwise ignored.
class Sheet
{
public:
    explicit Sheet(SheetLayout layout);

    const SheetLayout &layout() const { return m_layout; }

    bool setText(const QString &label, const QString &text);
    bool setPictureOn(const QString &picture, bool on);

    const Label *label(const QString &name) const;
    const Picture *picture(const QString &name) const;
    QString text(const QString &label) const;
    bool pictureOn(const QString &picture) const;

    // Top of a band, in page pixels from the paper's top edge (the top margin included);
    // -1 for an unknown band.
    double bandTop(const QString &band) const;
    // Left edge of every band, in page pixels from the paper's left edge.
    double bandLeft() const;
    // Width of the bands within the left and right margins, in page pixels: the printable width.
    double bandWidth() const;

private:
    Label *findLabel(const QString &name);
    Picture *findPicture(const QString &name);

    SheetLayout m_layout;
};

} // namespace report
