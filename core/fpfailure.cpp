#include "core/fpfailure.h"

#include <cfenv>
#include <cmath>

namespace vb
{

QString fpFailureMessage(FpFailure failure)
{
    switch (failure) {
    case FpFailure::DivisionByZero:
        return QStringLiteral("Gleitkommadivision durch Null");
    case FpFailure::Overflow:
        return QStringLiteral("Gleitkommaüberlauf");
    case FpFailure::Invalid:
        return QStringLiteral("Ungültige Gleitkommaoperation");
    case FpFailure::None:
        break;
    }
    return QString();
}

FpWatch::FpWatch()
{
    std::feclearexcept(FE_ALL_EXCEPT);
}

FpFailure FpWatch::note()
{
    if (m_failure != FpFailure::None)
        return m_failure;
    const int flags = std::fetestexcept(FE_DIVBYZERO | FE_OVERFLOW | FE_INVALID);
    // Within one step an undefined value mostly follows from an infinite one (inf/inf),
    // so division by zero and overflow are named before the invalid operation.
    if (flags & FE_DIVBYZERO)
        m_failure = FpFailure::DivisionByZero;
    else if (flags & FE_OVERFLOW)
        m_failure = FpFailure::Overflow;
    else if (flags & FE_INVALID)
        m_failure = FpFailure::Invalid;
    return m_failure;
}

FpFailure FpWatch::noteResult(double value)
{
    note();
    if (m_failure == FpFailure::None && !std::isfinite(value))
        m_failure = std::isnan(value) ? FpFailure::Invalid : FpFailure::Overflow;
    return m_failure;
}

} // namespace vb
