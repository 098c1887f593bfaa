#include "core/numberreader.h"

#include <charconv>
#include <string>

namespace vb
{

namespace
{
bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}
} // namespace

std::optional<double> readNumber(std::string_view text)
{
    std::size_t i = 0;
    const std::size_t n = text.size();
    while (i < n && text[i] == ' ')
        ++i;
    if (i == n)
        return std::nullopt;

    bool negative = false;
    if (text[i] == '+' || text[i] == '-') {
        negative = text[i] == '-';
        ++i;
    }
    const std::size_t intStart = i;
    while (i < n && isDigit(text[i]))
        ++i;
    const std::string_view intDigits = text.substr(intStart, i - intStart);
    std::string_view fracDigits;
    bool point = false;
    if (i < n && text[i] == '.') {
        point = true;
        ++i;
        const std::size_t fracStart = i;
        while (i < n && isDigit(text[i]))
            ++i;
        fracDigits = text.substr(fracStart, i - fracStart);
    }
    if (intDigits.empty() && !point)
        return std::nullopt; // a sign alone, or no number at all
    std::string_view expDigits;
    bool expNegative = false;
    if (i < n && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        if (i < n && (text[i] == '+' || text[i] == '-')) {
            expNegative = text[i] == '-';
            ++i;
        }
        const std::size_t expStart = i;
        while (i < n && isDigit(text[i]))
            ++i;
        expDigits = text.substr(expStart, i - expStart);
        if (expDigits.empty())
            return std::nullopt;
    }
    if (i != n)
        return std::nullopt;

    // Rebuild the number in the one form std::from_chars takes without question:
    // digits "." digits, exponent with its sign. A missing side of the point is 0.
    std::string canonical;
    canonical.reserve(text.size() + 4);
    canonical.append(intDigits.empty() ? std::string_view("0") : intDigits);
    canonical.push_back('.');
    canonical.append(fracDigits.empty() ? std::string_view("0") : fracDigits);
    if (!expDigits.empty()) {
        canonical.push_back('e');
        canonical.push_back(expNegative ? '-' : '+');
        canonical.append(expDigits);
    }

    double value = 0.0;
    const auto [end, ec] = std::from_chars(canonical.data(), canonical.data() + canonical.size(), value,
                                           std::chars_format::general);
    if (end != canonical.data() + canonical.size())
        return std::nullopt;
    if (ec == std::errc::result_out_of_range) {
        // Out of range is either overflow (does not read) or underflow (reads as 0).
        // Decide by the decimal exponent of the first significant digit.
        long long firstDigit = 0; // position of the first nonzero digit relative to the point
        bool found = false;
        for (std::size_t k = 0; k < intDigits.size() && !found; ++k) {
            if (intDigits[k] != '0') {
                firstDigit = static_cast<long long>(intDigits.size() - k);
                found = true;
            }
        }
        for (std::size_t k = 0; k < fracDigits.size() && !found; ++k) {
            if (fracDigits[k] != '0') {
                firstDigit = -static_cast<long long>(k);
                found = true;
            }
        }
        long long exponent = 0;
        for (const char c : expDigits) {
            if (exponent < 100000000)
                exponent = exponent * 10 + (c - '0');
        }
        if (expNegative)
            exponent = -exponent;
        if (!found || firstDigit + exponent <= 0)
            value = 0.0;
        else
            return std::nullopt;
    } else if (ec != std::errc()) {
        return std::nullopt;
    }
    return negative ? -value : value;
}

std::optional<double> readNumber(const QString &text)
{
    // Only plain ASCII can form a number; anything else fails on the way.
    std::string ascii;
    ascii.reserve(static_cast<std::size_t>(text.size()));
    for (const QChar ch : text) {
        if (ch.unicode() > 0x7f)
            return std::nullopt;
        ascii.push_back(static_cast<char>(ch.unicode()));
    }
    return readNumber(std::string_view(ascii));
}

} // namespace vb
