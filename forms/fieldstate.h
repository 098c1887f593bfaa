#pragma once

#include "core/checkrules.h"

#include <QtCore/QList>
#include <QtCore/QSet>
#include <QtCore/QString>

#include <optional>

class QLineEdit;

namespace vb
{

// A field's colour: normal (window background), failed its check (red 255, 0, 0), or a
// switched-off alternative (menu background).
enum class FieldState { Normal, Failed, Off };

void setFieldState(QLineEdit *field, FieldState state);
FieldState fieldState(const QLineEdit *field);

// Applies the check rules to a form's fields during one calculation: every field's
// colour is reset before it is read, a failed field is marked and its text replaced as
// its rule says, and the failures are counted.
class FieldChecker
{
public:
    int failures() const { return m_failures; }
    void addFailure() { ++m_failures; }
    // Whether the field passed its own check in this calculation.
    bool passed(const QLineEdit *field) const { return !m_failed.contains(field); }

    double positive(QLineEdit *field);
    double nonNegative(QLineEdit *field);
    double number(QLineEdit *field, const QString &resetText);
    double optional(QLineEdit *field);

    // Pair over `members`; when no member is > 0, every field of `markOnNone` is marked.
    // Returns the values of the members (0 for a failed member).
    QList<double> pair(const QList<QLineEdit *> &members, const QList<QLineEdit *> &markOnNone);

    // Group: `candidates` are read; a candidate holding a text that does not read or a negative
    // number is marked and emptied on its own; when none is usable, every field of `wholeGroup`
    // is marked and emptied. Returns a value for each usable candidate.
    QList<std::optional<double>> group(const QList<QLineEdit *> &candidates,
                                       const QList<QLineEdit *> &wholeGroup, bool allowZero = false);

private:
    double single(Rule rule, QLineEdit *field, const QString &resetText = QString());
    int m_failures = 0;
    QSet<const QLineEdit *> m_failed;
};

} // namespace vb
