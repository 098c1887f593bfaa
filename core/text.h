#pragma once

#include <QtCore/QString>

namespace vb
{

// A text of the system in the planner's two languages: a caption, a message or the reason of a
// failure. A text a language does not give is null; where that matters (a sheet label that keeps
// its design text in German) the user of the table says so.
struct Text {
    QString german;
    QString english;

    const QString &in(bool inEnglish) const { return inEnglish ? english : german; }
    bool isEmpty() const { return german.isEmpty() && english.isEmpty(); }
    // The text with %1, %2 … filled in both languages by the same arguments.
    template <typename... Args> Text arg(const Args &...args) const
    {
        return {german.arg(args...), english.arg(args...)};
    }
    friend bool operator==(const Text &, const Text &) = default;
};

} // namespace vb
