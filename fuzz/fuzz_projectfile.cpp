// The project file reader against any file content: it never crashes; a file it refuses gives no
// project and a reason in both languages, and a file from a newer version is always refused; it
// says "not UTF-8" exactly when the bytes do not survive decoding and encoding as UTF-8; a file it
// reads keeps JSON's grammar for texts (no control character inside one, only JSON's escapes);
// every project it reads holds only programs and fields the forms know, a utilisation in range
// and texts a field holds; and what it reads, written again, reads back to the same project and
// writes the same bytes.
//
// Input: the file's bytes. The forms' fields are a fixed stand-in: program N knows the input
// fields Edit1 … Edit(10 + N), the result fields Edit(N + 7) … Edit(N + 11) and the option
// buttons RadioButton1 … RadioButton(N + 1).
#include "core/projectfile.h"

#include "fuzzcheck.h"

#include <QtCore/QByteArray>
#include <QtCore/QStringDecoder>

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdint>

using vb::fuzz::require;
namespace p = vb::project;

namespace
{

const p::ProgramFields *fakeFields(int program)
{
    static const std::array<p::ProgramFields, 6> fields = [] {
        std::array<p::ProgramFields, 6> all;
        for (int n = 1; n <= 6; ++n) {
            p::ProgramFields &f = all[n - 1];
            for (int k = 1; k <= 10 + n; ++k)
                f.inputs.insert(QStringLiteral("Edit%1").arg(k));
            for (int k = n + 7; k <= n + 11; ++k)
                f.results.insert(QStringLiteral("Edit%1").arg(k));
            for (int k = 1; k <= n + 1; ++k)
                f.options.insert(QStringLiteral("RadioButton%1").arg(k));
        }
        return all;
    }();
    return program >= 1 && program <= 6 ? &fields[program - 1] : nullptr;
}

// Whether the texts of a JSON file keep the grammar: no byte below 0x20 inside a text, and after
// a backslash only one of " \ / b f n r t, or u and four hex digits; between the values only
// blanks, tabs and line breaks below 0x20.
bool strictTexts(const QByteArray &bytes)
{
    bool inText = false;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto c = static_cast<unsigned char>(bytes[i]);
        if (!inText) {
            if (c < 0x20 && c != '\t' && c != '\n' && c != '\r')
                return false;
            inText = c == '"';
            continue;
        }
        if (c < 0x20)
            return false;
        if (c == '"') {
            inText = false;
        } else if (c == '\\') {
            const QByteArray rest = bytes.mid(i + 1, 5);
            if (rest.startsWith('u')) {
                if (rest.size() < 5 || !std::all_of(rest.begin() + 1, rest.end(), [](char h) {
                        return std::isxdigit(static_cast<unsigned char>(h)) != 0;
                    }))
                    return false;
                i += 5;
            } else if (rest.isEmpty() || !QByteArray("\"\\/bfnrt").contains(rest[0])) {
                return false;
            } else {
                ++i;
            }
        }
    }
    return true;
}

bool fitsAField(const QString &text)
{
    return text.size() <= p::kMaxTextLength;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const p::KnownFields known = fakeFields;
    const vb::Result<p::Project> read = p::readProject(bytes, known);

    // Qt's decoder, keeping a byte-order mark as a character, and marking what it cannot decode
    // (a sequence cut off at the end too) so that it does not encode back to the same bytes.
    QStringDecoder decoder(QStringDecoder::Utf8,
                           QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
    const QString decoded = decoder(bytes);
    const bool notUtf8 = read.reason().german.startsWith(QStringLiteral("Die Datei ist kein UTF-8-Text"));
    require(size > std::size_t(p::kMaxProjectBytes) || notUtf8 == (decoded.toUtf8() != bytes),
            "the UTF-8 check disagrees with Qt's decoder", data, size);
    if (!read) {
        require(!read.reason().german.isEmpty() && !read.reason().english.isEmpty(),
                "a refusal without a reason", data, size);
        return 0;
    }
    require(strictTexts(bytes), "a control character or an unknown escape in a text read", data, size);

    const p::Project &project = *read;
    const p::Header &header = project.header;
    require(fitsAField(header.project) && fitsAField(header.company) && fitsAField(header.creator),
            "a header text longer than a field holds", data, size);
    for (const p::Position &pos : project.positions) {
        require(fitsAField(pos.number) && fitsAField(pos.date) && fitsAField(pos.time) &&
                    fitsAField(pos.section) && fitsAField(pos.description) &&
                    std::all_of(pos.inputs.cbegin(), pos.inputs.cend(), fitsAField) &&
                    std::all_of(pos.results.cbegin(), pos.results.cend(), fitsAField),
                "a position text longer than a field holds", data, size);
        const p::ProgramFields *fields = fakeFields(pos.program);
        require(fields != nullptr, "a position of an unknown program", data, size);
        for (auto it = pos.options.cbegin(); it != pos.options.cend(); ++it)
            require(fields->options.contains(it.key()), "an unknown option button", data, size);
        for (auto it = pos.inputs.cbegin(); it != pos.inputs.cend(); ++it)
            require(fields->inputs.contains(it.key()), "an unknown input field", data, size);
        for (auto it = pos.results.cbegin(); it != pos.results.cend(); ++it)
            require(fields->results.contains(it.key()), "an unknown result field", data, size);
        require(pos.sectionUtilisation >= 0 && pos.sectionUtilisation <= 1000, "a utilisation out of range",
                data, size);
        require(!pos.section.isEmpty() || pos.sectionUtilisation == 0, "a utilisation without a section",
                data, size);
    }

    const QByteArray written = p::writeProject(project);
    require(written.endsWith('\n'), "a written file without its final line break", data, size);
    const vb::Result<p::Project> again = p::readProject(written, known);
    require(again.ok(), "a written project does not read", data, size);
    require(*again == project, "a written project reads back differently", data, size);
    require(p::writeProject(*again) == written, "a project read back writes other bytes", data, size);
    return 0;
}
