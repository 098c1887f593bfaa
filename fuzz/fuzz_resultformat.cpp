// The result format against any double and 0 to 4 decimals: the text is a plain
// fixed-point number with exactly those decimals, never "-0.0", "inf" or "nan", and it
// reads back to the value within the rounding the format allows.
//
// Input: byte 0 gives the decimals (low seven bits, modulo 5) and the form of the value
// (top bit): clear, the next 8 bytes are the double's bits, little-endian, missing bytes
// zero, so every double including subnormals, infinities and NaNs comes up; set, the
// remaining bytes are the value as decimal text (as a result like 0.15 or 999.95 is
// computed), and an input whose text does not read whole is skipped.
#include "core/resultformat.h"

#include "fuzzcheck.h"

#include <algorithm>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <regex>
#include <string>

using vb::fuzz::require;

namespace
{

// "-"? integer part without leading zeros, then "." and exactly n decimals when n > 0.
const std::regex &pattern(int decimals)
{
    static const std::regex patterns[] = {
        std::regex(R"(-?(0|[1-9][0-9]*))"),           std::regex(R"(-?(0|[1-9][0-9]*)\.[0-9]{1})"),
        std::regex(R"(-?(0|[1-9][0-9]*)\.[0-9]{2})"), std::regex(R"(-?(0|[1-9][0-9]*)\.[0-9]{3})"),
        std::regex(R"(-?(0|[1-9][0-9]*)\.[0-9]{4})"),
    };
    return patterns[decimals];
}

// The decimal exponent E of the first significant digit of v ≠ 0, 10^E ≤ |v| < 10^(E+1),
// taken from v's exact decimal expansion (a double never has more than 767 significant
// digits), so no rounding can carry into the next power of ten.
int decimalExponent(double v)
{
    char buf[1024];
    const auto res = std::to_chars(buf, buf + sizeof buf, std::fabs(v), std::chars_format::scientific, 767);
    const char *e = std::find(buf, res.ptr, 'e');
    int exponent = 0;
    std::from_chars(e + (e[1] == '+' ? 2 : 1), res.ptr, exponent);
    return exponent;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size == 0)
        return 0;
    const int decimals = (data[0] & 0x7f) % 5;
    double value = 0.0;
    if (data[0] & 0x80) {
        const char *begin = reinterpret_cast<const char *>(data + 1);
        const char *end = reinterpret_cast<const char *>(data + size);
        const auto [ptr, ec] = std::from_chars(begin, end, value, std::chars_format::general);
        if (ec != std::errc() || ptr != end)
            return 0;
    } else {
        std::uint64_t bits = 0;
        std::memcpy(&bits, data + 1, std::min<std::size_t>(size - 1, sizeof bits));
        value = std::bit_cast<double>(bits);
    }

    const std::string text = vb::formatFixedStd(value, decimals);
    require(text.find_first_not_of("-.0123456789") == std::string::npos,
            "the result text holds more than digits, a point and a minus", data, size);
    if (!std::isfinite(value))
        return 0; // the calculation reports such a value instead of writing it

    require(std::regex_match(text, pattern(decimals)), "the result text is not fixed-point with its decimals",
            data, size);
    const bool minus = text[0] == '-';
    const bool zero = text.find_first_not_of("-.0") == std::string::npos;
    require(!(minus && zero), "a result that rounds to zero shows a minus", data, size);
    require(minus == (value < 0 && !zero), "the minus does not follow the sign of the value", data, size);

    // Reading the text back. The format rounds the value's 15 significant digits, not the
    // binary value, and then rounds those to the decimals, so the text R and the value v
    // differ by at most
    //     T = 0.5·10^-n           (rounding to n decimals, half away from zero)
    //       + 0.5·10^(E-14)       (rounding v to 15 significant digits, E its exponent),
    // the second term mattering only where 15 digits do not reach the last decimal, that
    // is for |v| of 10^(14-n) and more. The check runs in long double (64-bit
    // significand, unit roundoff u = 2^-64): reading R costs at most u·|R|, the
    // subtraction u of the difference, powl and the sum a few u of T. Hence the bound
    // T·(1 + 2^-60) + 2^-62·(|v| + T): a wrong last decimal exceeds it by 0.5·10^-n, a
    // wrong 15th digit by at least ten times the slack.
    long double back = 0.0L;
    const auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), back);
    require(ec == std::errc() && ptr == text.data() + text.size(), "the result text does not read back", data,
            size);
    const long double v = value;
    long double tolerance = 0.5L * powl(10.0L, -decimals);
    if (value != 0.0)
        tolerance += 0.5L * powl(10.0L, decimalExponent(value) - 14);
    const long double bound = tolerance * (1.0L + 0x1p-60L) + 0x1p-62L * (fabsl(v) + tolerance);
    require(fabsl(back - v) <= bound, "the result text is further from the value than the rounding allows",
            data, size);
    return 0;
}
