#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
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

} // namespace vb::fuzz
