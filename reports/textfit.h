#pragma once

// Setting a planner's text in the room it has on paper. A text too wide for its room is set
// smaller, down to 70 % of its size; where that is not enough and the room is high enough, it is
// broken onto a second line; only then is it cut short with "…". The cover's table breaks its
// cells onto as many lines as they need. Widths are those of the fonts the painter prints with
// (resolvedFamily), in 96-dpi page pixels.

#include "reports/sheet.h"

#include <QtCore/QString>
#include <QtCore/QStringList>
#include <QtCore/QStringView>

#include <functional>

namespace report
{

// The smallest share of its size a planner's text is set in before it is broken or cut.
inline constexpr double kSmallestTextScale = 0.7;

// What a text needs of a font, in page pixels, at a share of the label font's size.
struct TextMetrics {
    double ascent = 0;
    double descent = 0;
    double lineSpacing = 0; // from one baseline to the next
    double height = 0;      // ascent + descent
};

// Measures texts as the painter prints them: the sheet's font with its stand-in family, no
// kerning, at `scale` of its size.
double textWidth(const LabelFont &font, QStringView text, double scale = 1.0);
TextMetrics textMetrics(const LabelFont &font, double scale = 1.0);

// Breaks a text onto lines no wider than `width` as `measure` measures them: at blanks, and a
// word wider than a line inside the word. A text without a blank that fits stays one line.
QStringList wrapText(const QString &text, double width, const std::function<double(QStringView)> &measure);

// The longest start of `text` that fits `width` with "…" after it, as `measure` measures it.
QString shortenText(const QString &text, double width, const std::function<double(QStringView)> &measure);

// A text as it fits its room: the share of the font's size it is set in, its lines (one or two),
// and whether it had to be cut short.
struct FittedText {
    double scale = 1.0;
    QStringList lines;
    bool shortened = false;
};

// Fits `text` into a room `width` pixels wide. The first line's baseline stays where the text
// at its full size has it, so that a smaller text still reads on its row; a second line is
// taken only where both lines end within `height` pixels of the label's top.
FittedText fitText(const QString &text, const LabelFont &font, double width, double height);

} // namespace report
