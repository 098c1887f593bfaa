#pragma once

#include "core/text.h"

namespace vb
{

// One text of a table in its two languages, letter for letter, and the control it goes to (or the
// sheet label, or the error-window line); the control is empty for a message of the table.
struct Caption {
    const char *control;
    Text text;
};

inline QString captionText(const Caption &caption, bool english)
{
    return caption.text.in(english);
}

} // namespace vb
