// The project file reader against any file content: it never crashes; a file it refuses gives no
// project and a reason in both languages, and a file from a newer version is always refused; it
// says "not UTF-8" exactly when the bytes do not survive decoding and encoding as UTF-8; every
// project it reads holds only programs and fields the forms know and a utilisation in range; and
// what it reads, written again, reads back to the same project and writes the same bytes.
//
// Input: the file's bytes. The forms' fields are a fixed stand-in: program N knows the input
// fields Edit1 … Edit(10 + N), the result fields Edit(N + 7) … Edit(N + 11) and the option
// buttons RadioButton1 … RadioButton(N + 1).
#include "core/projectfile.h"

#include "fuzzcheck.h"

#include <QtCore/QByteArray>
#include <QtCore/QStringDecoder>

#include <array>
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

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const p::KnownFields known = fakeFields;
    const p::ReadResult read = p::readProject(bytes, known);

    // Qt's decoder, keeping a byte-order mark as a character, and marking what it cannot decode
    // (a sequence cut off at the end too) so that it does not encode back to the same bytes.
    QStringDecoder decoder(QStringDecoder::Utf8,
                           QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
    const QString decoded = decoder(bytes);
    const bool notUtf8 = read.problem.startsWith(QStringLiteral("Die Datei ist kein UTF-8-Text"));
    require(size > std::size_t(p::kMaxProjectBytes) || notUtf8 == (decoded.toUtf8() != bytes),
            "the UTF-8 check disagrees with Qt's decoder", data, size);
    if (!read.project) {
        require(!read.problem.isEmpty() && !read.problemEnglish.isEmpty(), "a refusal without a reason", data,
                size);
        return 0;
    }
    require(!read.newerVersion, "a newer version read", data, size);
    require(read.problem.isEmpty() && read.problemEnglish.isEmpty(), "a project read with a problem", data,
            size);

    const p::Project &project = *read.project;
    for (const p::Position &pos : project.positions) {
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
    const p::ReadResult again = p::readProject(written, known);
    require(again.project.has_value(), "a written project does not read", data, size);
    require(*again.project == project, "a written project reads back differently", data, size);
    require(p::writeProject(*again.project) == written, "a project read back writes other bytes", data, size);
    return 0;
}
