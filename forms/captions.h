#pragma once

#include "core/caption.h"

#include <QtCore/QString>

#include <span>

class QWidget;

namespace vb
{

// Sets the text of every control of the table (labels, buttons, the form's own caption)
// for the language.
void applyCaptions(QWidget *form, std::span<const Caption> table, bool english);

// Applies the fonts the form's design asks for: the form's own font from its properties
// vbFontFamily/vbFontPx, every visible text in vbTextFamily/vbTextPx unless a control
// carries its own vbFontFamily/vbFontPx. Bold, italic and underline stay as designed.
void applyFormFonts(QWidget *form);

// Draws the form's sketches: every label with a vbSvg property gets its SVG drawing,
// stretched to the label (scaledContents) or at its own size, at the screen's pixel
// ratio; every button with vbSvgIcon gets the SVG as its icon.
void loadFormPictures(QWidget *form);

} // namespace vb
