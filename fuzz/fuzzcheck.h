#pragma once

#include "core/fpfailure.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string_view>

namespace vb::fuzz
{

// Prints the broken property and the input, with every byte outside printable ASCII as
// \xNN, then aborts: libFuzzer reports the abort as a crash and keeps the input.
[[noreturn]] inline void fail(const char *what, const std::uint8_t *data, std::size_t size)
{
    std::fprintf(stderr, "\nFAILED: %s\ninput (%zu bytes): \"", what, size);
    for (std::size_t i = 0; i < size; ++i) {
        const unsigned c = data[i];
        if (c >= 0x20 && c < 0x7f && c != '"' && c != '\\')
            std::fputc(static_cast<int>(c), stderr);
        else
            std::fprintf(stderr, "\\x%02x", c);
    }
    std::fprintf(stderr, "\"\n");
    std::abort();
}

inline void require(bool holds, const char *what, const std::uint8_t *data, std::size_t size)
{
    if (!holds)
        fail(what, data, size);
}

// A calculation's input as the fuzzer hands it: a byte of flags (options, which limits are
// given), then N doubles of 8 bytes each, little-endian; missing bytes read as zero.
template <int N> struct Record {
    std::uint8_t flags = 0;
    double v[N] = {};
};

template <int N> Record<N> decodeRecord(const std::uint8_t *data, std::size_t size)
{
    std::uint8_t bytes[1 + N * 8] = {};
    std::memcpy(bytes, data, std::min(size, sizeof bytes));
    Record<N> record;
    record.flags = bytes[0];
    for (int k = 0; k < N; ++k) {
        std::uint64_t bits = 0;
        std::memcpy(&bits, bytes + 1 + 8 * k, sizeof bits);
        record.v[k] = std::bit_cast<double>(bits);
    }
    return record;
}

// Folds any double into [lo, hi): the range of real members, loads and limits.
inline double fold(double x, double lo, double hi)
{
    return std::isfinite(x) ? lo + std::fmod(std::fabs(x), hi - lo) : lo;
}

// The same double to the bit: a calculation must give the same result for the same input.
inline bool sameBits(double a, double b)
{
    return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b);
}

// One of the failures a calculation reports; anything else is a broken result struct.
inline bool knownFailure(FpFailure f)
{
    return f == FpFailure::None || f == FpFailure::DivisionByZero || f == FpFailure::Overflow ||
           f == FpFailure::Invalid;
}

} // namespace vb::fuzz
