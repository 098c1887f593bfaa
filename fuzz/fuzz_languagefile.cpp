// The language flag reader against any file content of any length: it never crashes and
// never reads past the bytes it is given, and it follows the record format: a file
// shorter than one 62-byte record, or whose record holds no text (length 0) or a length
// over 61, is unreadable; otherwise the first character "0" is German and any other
// character English.
//
// Input: the file's bytes. They are handed over without a copy, so AddressSanitizer sees
// any read behind the last byte.
#include "core/langflag.h"

#include "fuzzcheck.h"

#include <QtCore/QByteArray>

#include <cstdint>

using vb::fuzz::require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const std::optional<bool> english = vb::parseLanguageRecord(bytes);

    const bool unreadable = size < 62 || data[0] == 0 || data[0] > 61;
    if (unreadable) {
        require(!english.has_value(), "an incomplete record or a record without text reads", data, size);
    } else {
        require(english.has_value(), "a complete record with a text does not read", data, size);
        require(*english == (data[1] != '0'), "the language is not taken from the first character", data,
                size);
    }

    // What the program writes reads back as the language it wrote.
    const bool written = size > 0 && (data[0] & 1);
    require(vb::parseLanguageRecord(vb::languageRecord(written)) == written,
            "a written record does not read back", data, size);
    return 0;
}
