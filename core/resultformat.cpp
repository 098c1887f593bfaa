#include "core/resultformat.h"

#include <charconv>
#include <cmath>
#include <cstdlib>

namespace vb
{

std::string formatFixedStd(double value, int decimals)
{
    if (!std::isfinite(value))
        return "0";
    if (decimals < 0)
        decimals = 0;

    // The decimal value of a double: its 15 significant digits, the precision every
    // double carries exactly. Rounding these digits, not the binary value, makes 0.15 or
    // 6.665 round up as the planner reads them.
    char buf[64];
    const auto res =
        std::to_chars(buf, buf + sizeof buf, std::fabs(value), std::chars_format::scientific, 14);
    const std::string sci(buf, res.ptr);
    // sci looks like d.dddddddddddddde±XX
    const std::size_t ePos = sci.find('e');
    std::string digits;
    digits.push_back(sci[0]);
    digits.append(sci.substr(2, ePos - 2));
    const int exponent = std::atoi(sci.c_str() + ePos + 1);

    // digits d0 d1 ... d14 stand for d0.d1...d14 × 10^exponent. Position of the point
    // after the integer part: exponent + 1 digits.
    const int intCount = exponent + 1;
    std::string intPart;
    std::string fracPart;
    for (int k = 0; k < intCount; ++k)
        intPart.push_back(k < static_cast<int>(digits.size()) ? digits[static_cast<std::size_t>(k)] : '0');
    // Fraction digits: as many as needed for rounding (decimals + 1).
    for (int k = 0; k < decimals + 1; ++k) {
        const int idx = intCount + k;
        if (idx < 0 || idx >= static_cast<int>(digits.size()))
            fracPart.push_back('0');
        else
            fracPart.push_back(digits[static_cast<std::size_t>(idx)]);
    }
    if (intPart.empty())
        intPart = "0";

    // Half away from zero: the magnitude is rounded up when the first dropped digit is 5 or more.
    std::string number = intPart + fracPart.substr(0, static_cast<std::size_t>(decimals));
    if (fracPart[static_cast<std::size_t>(decimals)] >= '5') {
        int k = static_cast<int>(number.size()) - 1;
        while (k >= 0) {
            if (number[static_cast<std::size_t>(k)] == '9') {
                number[static_cast<std::size_t>(k)] = '0';
                --k;
            } else {
                ++number[static_cast<std::size_t>(k)];
                break;
            }
        }
        if (k < 0)
            number.insert(number.begin(), '1');
    }
    const std::size_t intLen = number.size() - static_cast<std::size_t>(decimals);
    std::string integer = number.substr(0, intLen);
    const std::string fraction = number.substr(intLen);
    const std::size_t nz = integer.find_first_not_of('0');
    integer = nz == std::string::npos ? "0" : integer.substr(nz);

    const bool isZero = integer == "0" && fraction.find_first_not_of('0') == std::string::npos;
    std::string out;
    if (value < 0 && !isZero)
        out.push_back('-');
    out += integer;
    if (decimals > 0) {
        out.push_back('.');
        out += fraction;
    }
    return out;
}

QString formatFixed(double value, int decimals)
{
    return QString::fromStdString(formatFixedStd(value, decimals));
}

} // namespace vb
