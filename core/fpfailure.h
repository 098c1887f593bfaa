#pragma once

#include <QtCore/QString>

namespace vb
{

// A floating-point failure of a calculation: the cases in which IEEE arithmetic would go
// on with an infinite or undefined value. Such a value must never reach a result field.
enum class FpFailure { None, DivisionByZero, Overflow, Invalid };

// The message the planner sees for a failure; German in both languages.
QString fpFailureMessage(FpFailure failure);

// Watches the floating-point exception flags over a calculation. Construction clears the
// flags; note() records the first failure raised since then, so the message names the
// step that failed first, as a trapping calculation would stop there.
class FpWatch
{
public:
    FpWatch();
    // Checks the flags after a step of the calculation; returns the first failure so far.
    FpFailure note();
    // Checks a result that must be finite; an infinite or undefined value that raised
    // no flag still counts as a failure.
    FpFailure noteResult(double value);
    FpFailure failure() const { return m_failure; }

private:
    FpFailure m_failure = FpFailure::None;
};

} // namespace vb
