// The number reader against any field text: it never crashes, it accepts exactly the
// grammar of a typed number, and a number it accepts has the value std::from_chars
// gives for the same text, bit for bit.
//
// Input: the field text, byte for byte.
//
// Signed zero: "-0", "-.", "-0e7" and a negative number too small for a double ("-1e-400")
// read as -0.0, the value from_chars gives for "-0"; the comparison includes the sign of
// zero. The checks treat -0.0 like 0 (it is not > 0 and it is >= 0), and the result
// format never shows "-0.0", so the sign is harmless, and keeping it means the reader
// is exactly from_chars plus the leading blanks, the "+" and the lone point.
#include "core/numberreader.h"

#include "fuzzcheck.h"

#include <QtCore/QString>

#include <bit>
#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <locale.h>
#include <regex>
#include <string>
#include <string_view>

using vb::fuzz::require;

namespace
{

// The grammar a second way: blanks, an optional sign, digits with an optional point and
// fraction or a point with optional fraction (so a lone point), an optional exponent.
// std::regex_match anchors at both ends, so nothing may follow. Written without
// ambiguity between its repetitions, so matching stays linear in the text's length.
const std::regex &grammar()
{
    static const std::regex re(R"( *[+-]?([0-9]+(\.[0-9]*)?|\.[0-9]*)([eE][+-]?[0-9]+)?)",
                               std::regex::ECMAScript);
    return re;
}

// std::regex recurses once per matched character and runs out of stack on a text of some
// ten thousand digits. The grammar has digits and blanks only in runs ([0-9]+, [0-9]*,
// " *"), so a text with every run of digits and every run of blanks shortened to one
// character is in the grammar exactly when the text is; that short text is matched.
bool matchesGrammar(std::string_view text)
{
    std::string shortened;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        const bool run =
            (c == ' ' || (c >= '0' && c <= '9')) && !shortened.empty() &&
            (c == ' ' ? shortened.back() == ' ' : shortened.back() >= '0' && shortened.back() <= '9');
        if (!run)
            shortened.push_back(c);
    }
    return std::regex_match(shortened, grammar());
}

// The same number in the form std::from_chars takes: blanks and a "+" dropped, a
// mantissa without digits (the lone point) written as 0, the rest unchanged.
std::string forFromChars(std::string_view text)
{
    std::size_t i = text.find_first_not_of(' ');
    std::string out;
    if (text[i] == '-')
        out.push_back('-');
    if (text[i] == '+' || text[i] == '-')
        ++i;
    const std::size_t expPos = text.find_first_of("eE", i);
    const std::string_view mantissa =
        text.substr(i, expPos == std::string_view::npos ? std::string_view::npos : expPos - i);
    if (mantissa.find_first_of("0123456789") == std::string_view::npos)
        out.push_back('0');
    else
        out.append(mantissa);
    if (expPos != std::string_view::npos)
        out.append(text.substr(expPos));
    return out;
}

// strtod in the "C" locale, whatever the process locale is: tells an overflow (±HUGE_VAL)
// from an underflow (a value below the smallest subnormal) where from_chars reports only
// "out of range".
double strtodC(const std::string &text)
{
    static const locale_t c = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    return strtod_l(text.c_str(), nullptr, c);
}

bool sameBits(double a, double b)
{
    return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char *>(data), size);
    const std::optional<double> read = vb::readNumber(text);
    const bool inGrammar = matchesGrammar(text);

    if (read)
        require(inGrammar, "the reader accepts a text outside the grammar", data, size);
    if (read)
        require(std::isfinite(*read), "the reader gives an infinite or undefined value", data, size);

    if (inGrammar) {
        const std::string canonical = forFromChars(text);
        double expected = 0.0;
        const char *const end = canonical.data() + canonical.size();
        const auto [ptr, ec] = std::from_chars(canonical.data(), end, expected, std::chars_format::general);
        require(ptr == end, "from_chars stops inside a text of the grammar", data, size);
        if (ec == std::errc()) {
            require(read.has_value(), "the reader refuses a number in the grammar that fits a double", data,
                    size);
            require(sameBits(*read, expected), "the reader's value differs from from_chars", data, size);
        } else {
            require(ec == std::errc::result_out_of_range, "from_chars refuses a text of the grammar", data,
                    size);
            const double magnitude = strtodC(canonical);
            if (std::isinf(magnitude)) {
                require(!read.has_value(), "the reader accepts a number too large for a double", data, size);
            } else {
                // Below half the smallest subnormal: the value is 0, with the typed sign.
                require(read.has_value(), "the reader refuses a number too small for a double", data, size);
                require(sameBits(*read, canonical[0] == '-' ? -0.0 : 0.0),
                        "a number too small for a double does not read as 0", data, size);
            }
        }
    }

    // The field's text as Qt holds it: the same for plain ASCII, and nothing reads once a
    // character outside ASCII is in it (a non-breaking blank, an Arabic digit, "²").
    const QString field =
        QString::fromUtf8(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const std::optional<double> readField = vb::readNumber(field);
    bool ascii = true;
    for (std::size_t i = 0; i < size; ++i)
        ascii = ascii && data[i] < 0x80;
    if (ascii) {
        require(readField.has_value() == read.has_value() && (!read || sameBits(*readField, *read)),
                "the field text reads differently from the same bytes", data, size);
    } else {
        require(!readField.has_value(), "a field text with a character outside ASCII reads", data, size);
    }
    return 0;
}
