#pragma once

#include <QtCore/QString>

namespace vb
{

// One text of the system in its two languages: the control (or sheet label, or error-window line)
// it goes to, its German and its English text, letter for letter.
struct Caption {
    const char *control;
    const char *german;
    const char *english;
};

inline QString captionText(const Caption &caption, bool english)
{
    return QString::fromUtf8(english ? caption.english : caption.german);
}

} // namespace vb
