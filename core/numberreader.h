#pragma once

#include <QtCore/QString>

#include <optional>
#include <string_view>

namespace vb
{

// Reads a field text as a decimal number. Accepted: leading blanks, an optional sign,
// digits with an optional point (digits may be missing on one side, a lone point reads
// as 0), an optional exponent (E or e, optional sign, digits). Nothing may follow, not
// even a blank. A comma, "inf", "nan", hex and thousands separators do not read. A
// value too large for a double does not read; a value too small becomes 0.
std::optional<double> readNumber(std::string_view text);
std::optional<double> readNumber(const QString &text);

} // namespace vb
