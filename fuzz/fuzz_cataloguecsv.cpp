// The catalogue CSV reader against any file content: it never crashes; a file it cannot use
// gives no section and one problem for the file as a whole, named at a line only where the file
// mixes encodings; every section it reads has a non-empty trimmed name of its own and finite
// section values and mass above 0; every problem names a line of the file; what the writer makes
// of the sections reads back to the same sections, every value to the bit, and a header the
// writer leaves without rows is refused. Then the choice of sections over what was read: every
// candidate carries every requirement, every other section fails one, and the lightest come
// first.
//
// Input: the file's bytes. Requirements for the choice are taken from the values of the
// first section read, scaled by the input's first byte.
#include "core/sections.h"

#include "fuzzcheck.h"

#include <QtCore/QByteArray>
#include <QtCore/QSet>

#include <algorithm>
#include <cmath>
#include <cstdint>

using vb::fuzz::require;
using vb::fuzz::sameBits;
namespace s = vb::sections;

namespace
{

// Lines as the reader counts them: CR LF, LF and CR each end one.
int lineCount(const std::uint8_t *data, std::size_t size)
{
    int lines = 1;
    for (std::size_t i = 0; i < size; ++i) {
        if (data[i] == '\r' && i + 1 < size && data[i + 1] == '\n')
            ++i;
        if (data[i] == '\r' || data[i] == '\n')
            ++lines;
    }
    return lines;
}

// Whether the bytes hold text in two encodings: they are not UTF-8 throughout, yet hold a UTF-8
// sequence of several bytes (a byte-order mark counts as one). Judged by Qt's own decoder, which
// drops a leading mark and gives U+FFFD for every byte that is not UTF-8.
bool mixesEncodings(const QByteArray &bytes)
{
    static const QByteArray kMark("\xEF\xBB\xBF");
    static const QByteArray kReplacement("\xEF\xBF\xBD");
    const bool marked = bytes.startsWith(kMark);
    const QString decoded = QString::fromUtf8(bytes);
    if (decoded.toUtf8() == (marked ? bytes.mid(kMark.size()) : bytes))
        return false;
    return marked || bytes.contains(kReplacement) ||
           std::any_of(decoded.cbegin(), decoded.cend(),
                       [](QChar c) { return c.unicode() >= 0x80 && c != QChar::ReplacementCharacter; });
}

bool positive(double v)
{
    return std::isfinite(v) && v > 0.0;
}

bool same(const s::Section &a, const s::Section &b)
{
    return a.name == b.name && a.series == b.series && sameBits(a.ix, b.ix) && sameBits(a.wx, b.wx) &&
           sameBits(a.iy, b.iy) && sameBits(a.wy, b.wy) && a.mass.has_value() == b.mass.has_value() &&
           (!a.mass || sameBits(*a.mass, *b.mass));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const s::CsvRead read = s::readCsv(bytes);

    if (!read.usable) {
        require(read.sections.isEmpty(), "an unusable file gives sections", data, size);
        require(read.problems.size() == 1, "an unusable file is not one problem for the whole file", data,
                size);
    }
    // Text in two encodings is refused whole, at a line: no decoding reads all of it right. Every
    // other file refused whole is refused for the file.
    const bool mixed = mixesEncodings(bytes);
    require(!mixed || !read.usable, "a file that mixes encodings is read", data, size);
    require(read.usable || (read.problems[0].line > 0) == mixed,
            "a file refused whole at a line, other than for mixed encodings", data, size);
    const int lines = lineCount(data, size);
    for (const s::CsvProblem &p : read.problems) {
        require(p.line >= 0 && p.line <= lines, "a problem names a line outside the file", data, size);
        require(!p.what.german.isEmpty() && !p.what.english.isEmpty(), "a problem without a reason", data,
                size);
    }
    QSet<QString> names;
    for (const s::Section &sec : read.sections) {
        require(!sec.name.isEmpty() && sec.name == sec.name.trimmed(), "an empty or untrimmed name", data,
                size);
        require(!names.contains(sec.name), "a name read twice", data, size);
        names.insert(sec.name);
        require(positive(sec.ix) && positive(sec.wx) && positive(sec.iy) && positive(sec.wy),
                "a section value that is not finite and above 0", data, size);
        require(!sec.mass || positive(*sec.mass), "a mass that is not finite and above 0", data, size);
    }

    const s::CsvRead again = s::readCsv(s::writeCsv(read.sections));
    if (read.sections.isEmpty()) {
        require(!again.usable && again.problems.size() == 1 && again.problems[0].line == 0,
                "a header without rows is not refused whole", data, size);
        return 0;
    }
    require(again.usable && again.problems.isEmpty(), "a written catalogue does not read cleanly", data,
            size);
    require(again.sections.size() == read.sections.size(), "a written catalogue loses sections", data, size);
    for (qsizetype k = 0; k < read.sections.size(); ++k)
        require(same(again.sections[k], read.sections[k]), "a written section reads back differently", data,
                size);

    const s::Section &first = read.sections.first();
    const double scale = size > 0 ? (data[0] % 5) * 0.5 : 1.0; // 0 to 2: nothing asked up to twice
    const QList<s::Requirement> requirements = {{s::Quantity::Wy, first.wy * scale},
                                                {s::Quantity::Ix, first.ix * scale},
                                                {s::Quantity::Wx, first.wx}};
    const s::Catalogue catalogue{QStringLiteral("fuzz"), read.sections};
    const QList<s::Candidate> found = s::sufficientSections({&catalogue}, requirements);
    QSet<const s::Section *> chosen;
    const s::Candidate *previous = nullptr;
    for (const s::Candidate &c : found) {
        require(c.section >= catalogue.sections.constData() &&
                    c.section < catalogue.sections.constData() + catalogue.sections.size(),
                "a candidate outside the catalogue", data, size);
        require(!chosen.contains(c.section), "a candidate twice", data, size);
        chosen.insert(c.section);
        require(c.utilisation.size() == requirements.size(), "a utilisation missing", data, size);
        for (qsizetype k = 0; k < requirements.size(); ++k) {
            require(s::available(*c.section, requirements[k].quantity) >= requirements[k].value,
                    "a candidate that does not carry a requirement", data, size);
            require(c.utilisation[k] <= 100.0 && c.utilisation[k] <= c.utilisation[c.governing],
                    "a utilisation over 100 % or above the governing one", data, size);
        }
        if (previous) {
            const s::Section &a = *previous->section;
            const s::Section &b = *c.section;
            require(a.mass ? (!b.mass || *a.mass <= *b.mass) : (!b.mass && a.iy <= b.iy),
                    "candidates out of order", data, size);
        }
        previous = &c;
    }
    for (const s::Section &sec : catalogue.sections) {
        if (chosen.contains(&sec))
            continue;
        bool fails = false;
        for (const s::Requirement &r : requirements)
            fails = fails || s::available(sec, r.quantity) < r.value;
        require(fails, "a section that carries every requirement is not a candidate", data, size);
    }
    if (scale <= 1.0)
        require(chosen.contains(&catalogue.sections.first()),
                "the section the requirements come from is not chosen", data, size);
    return 0;
}
