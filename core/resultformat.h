#pragma once

#include <QtCore/QString>

#include <string>

namespace vb
{

// Writes a result in fixed-point notation with the given number of decimals: a point as
// decimal separator, a leading minus for negative values, no thousands separator, no
// blanks. The value is rounded half away from zero on its decimal digits (0.25 with one
// decimal gives 0.3, 0.15 gives 0.2), and a value that rounds to zero never shows "-0.0".
// Expects a finite value; the calculation reports infinite and undefined values before
// anything is written.
std::string formatFixedStd(double value, int decimals);
QString formatFixed(double value, int decimals);

} // namespace vb
