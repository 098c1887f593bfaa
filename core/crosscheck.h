#pragma once

#include "core/caption.h"

#include <array>
#include <functional>

namespace vb
{

// A condition that spans several input fields, such as a pane longer than its mullion or a roof
// pitch of a wall. It is judged after every field had its own check.
//
// A condition with an error-window line judges the values as read: the number a field's text
// reads to, 0 for an empty text or one that does not read, whether or not the field passed its
// own check. When it holds, the fields it names are marked, its line shows its message and the
// calculation counts one failure.
//
// A condition without a line is a field failure: it is judged only when every field it compares
// passed its own check, and when it holds its fields are marked and reset to "0" like a bad input;
// the error window stays closed.
struct CrossCondition {
    enum class Compare { Greater, AtLeast };

    const char *field;                   // the value compared (LS, the roof pitch, a height c)
    Compare compare;                     // > or ≥
    std::array<const char *, 2> than{};  // the larger of these fields' values (LP, or L1 and L2) ...
    double factor = 1.0;                 // ... times this factor
    double limit = 0.0;                  // or this fixed value, where `than` names no field
    const char *onlyWith = nullptr;      // judged only while this option button is chosen
    std::array<const char *, 2> marks{}; // the fields marked red when it holds
    int line = 0;                        // the error-window line (1 … 4); 0 for a field failure
    Caption message{nullptr, "", ""};    // the line's text

    bool showsLine() const { return line != 0; }
};

// Whether the condition holds for the values `valueOf` gives by field name.
bool conditionHolds(const CrossCondition &condition, const std::function<double(const char *)> &valueOf);

} // namespace vb
