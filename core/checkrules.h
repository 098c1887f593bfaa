#pragma once

#include <QtCore/QList>
#include <QtCore/QString>

#include <optional>

namespace vb
{

// The check rules by which every input of every program is validated. They decide on
// texts alone; the forms apply the outcome to their fields (red mark, new text) and add
// the failures to the calculation's failure count.

enum class Rule { Positive, NonNegative, Number, Optional };

struct FieldCheck {
    bool passed = true;
    double value = 0.0;          // the value that enters the calculation
    bool marked = false;         // the field turns red
    std::optional<QString> text; // the field's new text, when the rule replaces it
    int failures = 0;            // added to the failure count
};

// One field by one of the single-field rules. `resetText` is the Number rule's reset text.
FieldCheck checkField(Rule rule, const QString &text, const QString &resetText = QString());

// Pair: every member must read and be >= 0, and at least one of them must be > 0. A member
// that does not read or is negative is marked (text kept, +1). If no member read to a value
// > 0, every field of `markOnNone` is marked (+1). Returns one outcome per member; the
// extra failure is counted on the outcome of the first member.
struct PairCheck {
    QList<FieldCheck> members;
    bool nonePositive = false;
    int failures = 0;
};
PairCheck checkPair(const QList<QString> &texts);

// Group: at least one member must be usable (reads and meets its bound: > 0, or >= 0 where
// `allowZero` is set). An empty member is not given, and one that reads below its bound (a
// ratio of 0) is left out, both without a mark. A member that holds a text which does not read
// (a pasted comma, a letter) or reads to a negative number is a typed limit that cannot be
// used: it is marked and emptied (+1), also when another member is usable, so that a limit the
// planner meant is never dropped in silence. If none is usable, the whole group is marked and
// emptied (+1). Values of unusable members are reported as absent.
struct GroupCheck {
    QList<std::optional<double>> usable; // value of each usable member, absent otherwise
    QList<bool> failed;                  // members marked and emptied on their own
    bool noneUsable = false;             // mark and empty the whole group
    int failures = 0;
};
GroupCheck checkGroup(const QList<QString> &texts, bool allowZero = false);

} // namespace vb
