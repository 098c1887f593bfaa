#include "core/sections.h"

#include "core/numberreader.h"
#include "core/userfile.h"

#include <QtCore/QHash>
#include <QtCore/QSet>
#include <QtCore/QStringList>
#include <QtCore/QStringView>

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <vector>

namespace vb::sections
{

namespace
{

// Aluminium, 2.70 g/cm³: A [cm²] · 2.70 g/cm³ = 2.70·A g per cm of length = 0.270·A kg/m.
constexpr double kMassPerAreaKgPerMPerCm2 = 0.270;

bool validDimensions(double b, double h, double t)
{
    return std::isfinite(b) && std::isfinite(h) && std::isfinite(t) && b > 0.0 && h > 0.0 && t > 0.0;
}

// The inner side of a wall; a wall of half the side or more closes the tube to a solid bar.
double inner(double side, double wall)
{
    return std::max(0.0, side - 2.0 * wall);
}

// Second moment of area of the tube about the axis across `depth` [mm⁴].
double secondMomentMm4(double width, double depth, double wall)
{
    const double bi = inner(width, wall);
    const double hi = inner(depth, wall);
    return (width * depth * depth * depth - bi * hi * hi * hi) / 12.0;
}

QString dimension(double mm)
{
    return QString::number(mm, 'g', 15);
}

} // namespace

double hollowArea(double widthMm, double depthMm, double wallMm)
{
    if (!validDimensions(widthMm, depthMm, wallMm))
        return 0.0;
    // mm² → cm²: / 100.
    return (widthMm * depthMm - inner(widthMm, wallMm) * inner(depthMm, wallMm)) / 100.0;
}

Section hollowSection(double widthMm, double depthMm, double wallMm)
{
    Section s;
    s.name = dimension(widthMm) + QLatin1String(" x ") + dimension(depthMm) + QLatin1String(" x ") +
             dimension(wallMm);
    if (!validDimensions(widthMm, depthMm, wallMm))
        return s; // no section: every value 0, no mass

    // mm⁴ → cm⁴: / 10⁴; W = I / (H/2), mm³ → cm³: / 10³.
    const double ixMm4 = secondMomentMm4(widthMm, depthMm, wallMm);
    const double iyMm4 = secondMomentMm4(depthMm, widthMm, wallMm);
    s.ix = ixMm4 / 1.0e4;
    s.iy = iyMm4 / 1.0e4;
    s.wx = 2.0 * ixMm4 / depthMm / 1.0e3;
    s.wy = 2.0 * iyMm4 / widthMm / 1.0e3;
    s.mass = hollowArea(widthMm, depthMm, wallMm) * kMassPerAreaKgPerMPerCm2;
    return s;
}

QList<Section> genericTubes()
{
    struct Size {
        double b, h, t;
    };
    // Width B (across the facade), depth H (along the bending axis x), wall t, in mm: square tube
    // stock first, then rectangular stock by width and depth.
    static constexpr Size kSizes[] = {
        {40, 40, 2},  {40, 40, 3},  {40, 40, 4},  {50, 50, 2},  {50, 50, 3},  {50, 50, 4},  {50, 50, 5},
        {60, 60, 2},  {60, 60, 3},  {60, 60, 4},  {60, 60, 5},  {70, 70, 3},  {70, 70, 4},  {80, 80, 2},
        {80, 80, 3},  {80, 80, 4},  {80, 80, 5},  {40, 60, 2},  {40, 60, 3},  {40, 60, 4},  {40, 80, 2},
        {40, 80, 3},  {40, 80, 4},  {40, 100, 2}, {40, 100, 3}, {40, 100, 4}, {40, 120, 3}, {40, 120, 4},
        {50, 80, 3},  {50, 80, 4},  {50, 100, 2}, {50, 100, 3}, {50, 100, 4}, {50, 100, 5}, {50, 120, 3},
        {50, 120, 4}, {50, 150, 3}, {50, 150, 4}, {50, 150, 5}, {60, 80, 2},  {60, 80, 3},  {60, 80, 4},
        {60, 100, 3}, {60, 100, 4}, {60, 100, 5}, {60, 120, 3}, {60, 120, 4}, {60, 120, 5}, {60, 140, 4},
        {60, 150, 4}, {60, 150, 5}, {60, 160, 4}, {60, 160, 5}, {60, 180, 5}, {80, 100, 3}, {80, 100, 4},
        {80, 120, 3}, {80, 120, 4}, {80, 120, 5}, {80, 140, 4}, {80, 150, 4}, {80, 150, 5}, {80, 160, 4},
        {80, 160, 5}, {80, 180, 5}, {80, 200, 4}, {80, 200, 5},
    };
    QList<Section> tubes;
    tubes.reserve(std::size(kSizes));
    for (const Size &size : kSizes) {
        Section s = hollowSection(size.b, size.h, size.t);
        s.tube = size.b == size.h ? Tube::Square : Tube::Rectangular;
        tubes.append(std::move(s));
    }
    return tubes;
}

QString unitOf(Quantity quantity)
{
    return quantity == Quantity::Ix || quantity == Quantity::Iy ? QStringLiteral("cm⁴")
                                                                : QStringLiteral("cm³");
}

QString symbolOf(Quantity quantity)
{
    switch (quantity) {
    case Quantity::Ix:
        return QStringLiteral("Ix");
    case Quantity::Wx:
        return QStringLiteral("Wx");
    case Quantity::Iy:
        return QStringLiteral("Iy");
    case Quantity::Wy:
        return QStringLiteral("Wy");
    }
    return {};
}

double available(const Section &section, Quantity quantity)
{
    switch (quantity) {
    case Quantity::Ix:
        return section.ix;
    case Quantity::Wx:
        return section.wx;
    case Quantity::Iy:
        return section.iy;
    case Quantity::Wy:
        return section.wy;
    }
    return 0.0;
}

QList<Candidate> sufficientSections(const QList<const Catalogue *> &catalogues,
                                    const QList<Requirement> &requirements)
{
    // A requirement of 0 or below asks nothing of the section. One that is not a number or
    // infinite comes from a calculation that failed: no section can be shown to carry it.
    for (const Requirement &r : requirements) {
        if (!std::isfinite(r.value))
            return {};
    }

    struct Key {
        const Section *section;
        double mass;    // +inf without a mass
        double inertia; // about the axis of the first requirement; NaN sorted last as +inf
        qsizetype order;
    };
    const bool aboutY = !requirements.isEmpty() && (requirements.first().quantity == Quantity::Iy ||
                                                    requirements.first().quantity == Quantity::Wy);
    const auto orderable = [](double v) {
        return std::isnan(v) ? std::numeric_limits<double>::infinity() : v;
    };

    std::vector<Key> passed;
    qsizetype order = 0;
    for (const Catalogue *catalogue : catalogues) {
        if (!catalogue)
            continue;
        for (const Section &section : catalogue->sections) {
            const qsizetype index = order++;
            bool carries = true;
            for (const Requirement &r : requirements) {
                // `!(a >= b)` so that a section value that is not a number never passes.
                if (r.value > 0.0 && !(available(section, r.quantity) >= r.value)) {
                    carries = false;
                    break;
                }
            }
            if (!carries)
                continue;
            const bool weighed = section.mass.has_value() && std::isfinite(*section.mass);
            passed.push_back({&section, weighed ? *section.mass : std::numeric_limits<double>::infinity(),
                              orderable(aboutY ? section.iy : section.ix), index});
        }
    }

    std::sort(passed.begin(), passed.end(), [](const Key &a, const Key &b) {
        if (a.mass != b.mass)
            return a.mass < b.mass;
        // Equal masses: without a mass the stiffer section comes later; with one, the name decides.
        if (std::isinf(a.mass) && a.inertia != b.inertia)
            return a.inertia < b.inertia;
        const int byName = QString::compare(a.section->name, b.section->name);
        if (byName != 0)
            return byName < 0;
        return a.order < b.order;
    });

    QList<Candidate> result;
    result.reserve(static_cast<qsizetype>(passed.size()));
    for (const Key &key : passed) {
        Candidate c;
        c.section = key.section;
        c.utilisation.reserve(requirements.size());
        double largest = -1.0;
        for (qsizetype k = 0; k < requirements.size(); ++k) {
            const Requirement &r = requirements.at(k);
            const double u = r.value > 0.0 ? r.value / available(*key.section, r.quantity) * 100.0 : 0.0;
            c.utilisation.append(u);
            if (u > largest) {
                largest = u;
                c.governing = static_cast<int>(k);
            }
        }
        result.append(std::move(c));
    }
    return result;
}

// ---------------------------------------------------------------------------------------------
// CSV

namespace
{

enum class Column { Name, Ix, Wx, Iy, Wy, Mass, Series };
constexpr int kColumns = 7;

const char *const kColumnGerman[kColumns] = {"Name", "Ix", "Wx", "Iy", "Wy", "Masse", "Serie"};
const char *const kColumnEnglish[kColumns] = {"name", "Ix", "Wx", "Iy", "Wy", "mass", "series"};

std::optional<Column> columnNamed(const QString &key)
{
    static const QHash<QString, Column> names = {
        {QStringLiteral("name"), Column::Name},    {QStringLiteral("bezeichnung"), Column::Name},
        {QStringLiteral("profil"), Column::Name},  {QStringLiteral("section"), Column::Name},
        {QStringLiteral("profile"), Column::Name}, {QStringLiteral("ix"), Column::Ix},
        {QStringLiteral("wx"), Column::Wx},        {QStringLiteral("iy"), Column::Iy},
        {QStringLiteral("wy"), Column::Wy},        {QStringLiteral("masse"), Column::Mass},
        {QStringLiteral("gewicht"), Column::Mass}, {QStringLiteral("mass"), Column::Mass},
        {QStringLiteral("weight"), Column::Mass},  {QStringLiteral("g"), Column::Mass},
        {QStringLiteral("serie"), Column::Series}, {QStringLiteral("series"), Column::Series},
        {QStringLiteral("reihe"), Column::Series}, {QStringLiteral("system"), Column::Series},
    };
    const auto it = names.constFind(key);
    return it == names.constEnd() ? std::nullopt : std::optional<Column>(*it);
}

// The unit a number column is read in, as the planner's messages write it.
QString unitShown(Column c)
{
    switch (c) {
    case Column::Ix:
    case Column::Iy:
        return QStringLiteral("cm⁴");
    case Column::Wx:
    case Column::Wy:
        return QStringLiteral("cm³");
    case Column::Mass:
        return QStringLiteral("kg/m");
    case Column::Name:
    case Column::Series:
        break;
    }
    return {};
}

// The spellings of that unit a header may use, in lower case and without blanks; empty for a
// text column, whose brackets are notes. "kg/lfm": per running metre, as German tables write
// the mass.
QStringList unitSpellings(Column c)
{
    switch (c) {
    case Column::Ix:
    case Column::Iy:
        return {QStringLiteral("cm4"), QStringLiteral("cm^4"), QStringLiteral("cm⁴")};
    case Column::Wx:
    case Column::Wy:
        return {QStringLiteral("cm3"), QStringLiteral("cm^3"), QStringLiteral("cm³")};
    case Column::Mass:
        return {QStringLiteral("kg/m"), QStringLiteral("kg/lfm")};
    case Column::Name:
    case Column::Series:
        break;
    }
    return {};
}

// A bracket's text as it is compared with the spellings: lower case, without blanks.
QString unitKey(QStringView text)
{
    QString key;
    for (const QChar ch : text) {
        if (!ch.isSpace())
            key.append(ch.toLower());
    }
    return key;
}

// Whether a bracket names a unit rather than being a note such as "(x-Achse)": it holds a digit,
// a superscript, a power sign or a slash, or it is a unit of length or mass on its own ("[mm]",
// "[kg]"), which no section value can be given in.
bool namesUnit(const QString &key)
{
    static const QSet<QString> kBareUnits = {
        QStringLiteral("mm"), QStringLiteral("cm"), QStringLiteral("dm"), QStringLiteral("m"),
        QStringLiteral("in"), QStringLiteral("ft"), QStringLiteral("kg"), QStringLiteral("g"),
        QStringLiteral("t"),  QStringLiteral("lb"),
    };
    const bool powerOrRatio = std::any_of(key.cbegin(), key.cend(), [](QChar ch) {
        return ch.isDigit() || ch.category() == QChar::Number_Other || ch == u'^' || ch == u'/';
    });
    return powerOrRatio || kBareUnits.contains(key);
}

// A header cell split into its name (lower case, brackets and blanks removed) and the texts
// of its brackets.
struct HeaderCell {
    QString key;
    QStringList brackets;
};

HeaderCell headerCell(QStringView cell)
{
    HeaderCell h;
    qsizetype i = 0;
    while (i < cell.size()) {
        const QChar ch = cell[i];
        if (ch == u'[' || ch == u'(') {
            const QChar close = ch == u'[' ? u']' : u')';
            qsizetype end = cell.indexOf(close, i + 1);
            if (end < 0)
                end = cell.size();
            h.brackets.append(cell.mid(i + 1, end - i - 1).toString());
            i = end + 1;
            continue;
        }
        if (!ch.isSpace())
            h.key.append(ch.toLower());
        ++i;
    }
    return h;
}

// A bracket that names a unit must be one of the column's spellings: a second moment of area in
// mm⁴ read as cm⁴ would make every section 10⁴ times stiffer. Brackets without a unit are notes.
bool unitFits(Column c, const QStringList &brackets)
{
    const QStringList spellings = unitSpellings(c);
    if (spellings.isEmpty())
        return true;
    return std::all_of(brackets.cbegin(), brackets.cend(), [&spellings](const QString &b) {
        const QString key = unitKey(b);
        return !namesUnit(key) || spellings.contains(key);
    });
}

// Windows-1252 in 0x80 to 0x9F; the five unassigned bytes keep their C1 code points, as
// Windows converts them.
constexpr char16_t kCp1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

QString fromCp1252(QByteArrayView bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    QChar *out = text.data();
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        *out++ = QChar(b >= 0x80 && b < 0xA0 ? kCp1252High[b - 0x80] : char16_t(b));
    }
    return text;
}

// The length of the strict UTF-8 sequence at `i` (no overlong forms, no surrogates, nothing
// above U+10FFFF, not cut off), or 0 where the bytes there are not UTF-8.
int utf8SequenceAt(QByteArrayView bytes, qsizetype i)
{
    const auto b = static_cast<unsigned char>(bytes[i]);
    if (b < 0x80)
        return 1;
    int more = 0;
    unsigned lo = 0x80, hi = 0xBF; // allowed range of the second byte
    if (b >= 0xC2 && b <= 0xDF) {
        more = 1;
    } else if (b >= 0xE0 && b <= 0xEF) {
        more = 2;
        if (b == 0xE0)
            lo = 0xA0;
        else if (b == 0xED)
            hi = 0x9F;
    } else if (b >= 0xF0 && b <= 0xF4) {
        more = 3;
        if (b == 0xF0)
            lo = 0x90;
        else if (b == 0xF4)
            hi = 0x8F;
    } else {
        return 0;
    }
    if (bytes.size() - i <= more)
        return 0;
    for (int k = 1; k <= more; ++k) {
        const auto c = static_cast<unsigned char>(bytes[i + k]);
        if (c < (k == 1 ? lo : 0x80) || c > (k == 1 ? hi : 0xBF))
            return 0;
    }
    return more + 1;
}

// How a file's characters are encoded. A file that is UTF-8 throughout is UTF-8; one without a
// single UTF-8 sequence of several bytes is Windows-1252, as older spreadsheets save. One with
// both holds text from two encodings, and no decoding reads all of it right: it is refused,
// from the line where the second encoding begins. Lines are counted as the reader counts them.
struct Encoding {
    bool utf8 = true;
    int mixedFrom = 0; // the line where the mix begins; 0 where there is none
    int utf8Line = 0;  // the first line with a UTF-8 sequence of several bytes
    int otherLine = 0; // the first line with a byte that is not UTF-8
};

Encoding encodingOf(QByteArrayView bytes)
{
    Encoding e;
    int line = 1;
    const qsizetype n = bytes.size();
    for (qsizetype i = 0; i < n && (e.utf8Line == 0 || e.otherLine == 0);) {
        const char c = bytes[i];
        if (c == '\r' || c == '\n') {
            i += c == '\r' && i + 1 < n && bytes[i + 1] == '\n' ? 2 : 1;
            ++line;
            continue;
        }
        const int length = utf8SequenceAt(bytes, i);
        if (length == 0) {
            if (e.otherLine == 0)
                e.otherLine = line;
            ++i;
            continue;
        }
        if (length > 1 && e.utf8Line == 0)
            e.utf8Line = line;
        i += length;
    }
    e.utf8 = e.otherLine == 0;
    if (e.utf8Line > 0 && e.otherLine > 0)
        e.mixedFrom = std::max(e.utf8Line, e.otherLine);
    return e;
}

using vb::Text;

// Why a file that mixes encodings is refused, said of the line where the mix begins.
Text mixedEncoding(const Encoding &e)
{
    const QString earlier = QString::number(std::min(e.utf8Line, e.otherLine));
    if (e.otherLine >= e.utf8Line)
        return {
            QStringLiteral("Kodierung gemischt: Zeichen, die kein UTF-8 sind, in einer Datei mit UTF-8 ab "
                           "Zeile ") +
                earlier + QStringLiteral("; die Datei als UTF-8 speichern"),
            QStringLiteral("mixed encoding: characters that are not UTF-8, in a file with UTF-8 from "
                           "line ") +
                earlier + QStringLiteral("; save the file as UTF-8")};
    return {QStringLiteral("Kodierung gemischt: UTF-8 in einer Datei mit Zeichen einer anderen Kodierung ab "
                           "Zeile ") +
                earlier + QStringLiteral("; die Datei als UTF-8 speichern"),
            QStringLiteral("mixed encoding: UTF-8 in a file with characters of another encoding from line ") +
                earlier + QStringLiteral("; save the file as UTF-8")};
}

// The cells of one line. `ok` is false with a reason when its quotes do not close or text
// follows a closing quote.
struct Cells {
    QList<QString> cells;
    bool ok = true;
    Text reason;
};

bool isBlank(QChar ch)
{
    return ch == u' ' || ch == u'\t';
}

Cells splitLine(QStringView line, QChar separator)
{
    Cells out;
    const qsizetype n = line.size();
    qsizetype i = 0;
    while (true) {
        qsizetype start = i;
        while (i < n && isBlank(line[i]))
            ++i;
        if (i < n && line[i] == u'"') {
            QString cell;
            ++i;
            bool closed = false;
            while (i < n) {
                if (line[i] == u'"') {
                    if (i + 1 < n && line[i + 1] == u'"') {
                        cell.append(u'"');
                        i += 2;
                        continue;
                    }
                    closed = true;
                    ++i;
                    break;
                }
                cell.append(line[i]);
                ++i;
            }
            if (!closed) {
                out.ok = false;
                out.reason = {QStringLiteral("Anführungszeichen nicht geschlossen"),
                              QStringLiteral("quotation mark not closed")};
                return out;
            }
            while (i < n && isBlank(line[i]))
                ++i;
            if (i < n && line[i] != separator) {
                out.ok = false;
                out.reason = {QStringLiteral("Text nach schließendem Anführungszeichen"),
                              QStringLiteral("text after a closing quotation mark")};
                return out;
            }
            out.cells.append(cell);
        } else {
            i = start;
            while (i < n && line[i] != separator)
                ++i;
            out.cells.append(line.mid(start, i - start).toString());
        }
        if (i >= n)
            break;
        ++i; // the separator; a line ending in one has an empty last cell
    }
    return out;
}

// The number of cells up to the last one that holds anything.
qsizetype filledCells(const QList<QString> &cells)
{
    qsizetype count = cells.size();
    while (count > 0 && cells.at(count - 1).trimmed().isEmpty())
        --count;
    return count;
}

enum class NumberRead { Ok, Missing, Point, Comma, Text, NotPositive };

NumberRead readCell(const QString &cell, bool decimalComma, double &value)
{
    QString text = cell.trimmed();
    if (text.isEmpty())
        return NumberRead::Missing;
    if (decimalComma) {
        // A point here may be a thousands separator ("1.234,5"): refused, never guessed.
        if (text.contains(u'.'))
            return NumberRead::Point;
        text.replace(u',', u'.');
    } else if (text.contains(u',')) {
        return NumberRead::Comma;
    }
    const std::optional<double> read = vb::readNumber(text);
    if (!read)
        return NumberRead::Text;
    if (!(*read > 0.0))
        return NumberRead::NotPositive;
    value = *read;
    return NumberRead::Ok;
}

Text numberReason(NumberRead r, Column c)
{
    const QString de = QLatin1String(kColumnGerman[int(c)]);
    const QString en = QLatin1String(kColumnEnglish[int(c)]);
    switch (r) {
    case NumberRead::Missing:
        return {QStringLiteral("Wert fehlt: ") + de, QStringLiteral("value missing: ") + en};
    case NumberRead::Point:
        return {QStringLiteral("Punkt in der Zahl, Dezimalkomma erwartet: ") + de,
                QStringLiteral("point in the number, decimal comma expected: ") + en};
    case NumberRead::Comma:
        return {QStringLiteral("Komma in der Zahl, Dezimalpunkt erwartet: ") + de,
                QStringLiteral("comma in the number, decimal point expected: ") + en};
    case NumberRead::Text:
        return {QStringLiteral("keine Zahl: ") + de, QStringLiteral("not a number: ") + en};
    case NumberRead::NotPositive:
        return {QStringLiteral("Wert nicht größer als 0: ") + de,
                QStringLiteral("value not greater than 0: ") + en};
    case NumberRead::Ok:
        break;
    }
    return {};
}

// A planner's text in a message: at most 40 characters, the rest as "…".
QString shortened(const QString &text)
{
    constexpr qsizetype kShown = 40;
    if (text.size() <= kShown)
        return text;
    qsizetype kept = kShown - 1;
    if (text.at(kept - 1).isHighSurrogate())
        --kept; // never half a character
    return text.left(kept) + QStringLiteral("…");
}

CsvRead wholeFileProblem(const QString &german, const QString &english, int line = 0)
{
    CsvRead r;
    r.problems.append({line, {german, english}});
    return r;
}

// The next line of `text` from `pos`: its extent, and `pos` moved past its line break
// (CR LF, LF or CR).
QStringView nextLine(const QString &text, qsizetype &pos)
{
    const qsizetype start = pos;
    const qsizetype n = text.size();
    qsizetype end = start;
    while (end < n && text[end] != u'\n' && text[end] != u'\r')
        ++end;
    pos = end;
    if (pos < n && text[pos] == u'\r')
        ++pos;
    if (pos < n && text[pos] == u'\n')
        ++pos;
    return QStringView(text).mid(start, end - start);
}

// A line with nothing but blanks and separators, as spreadsheets write an empty row.
bool isEmptyRow(QStringView line, QChar separator)
{
    return std::all_of(line.begin(), line.end(),
                       [separator](QChar ch) { return ch.isSpace() || ch == separator; });
}

void appendNumber(QByteArray &out, double v)
{
    std::array<char, 64> buffer{};
    const auto [end, ec] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), v);
    for (const char *p = buffer.data(); ec == std::errc() && p != end; ++p)
        out.append(*p == '.' ? ',' : *p);
}

void appendText(QByteArray &out, QString text)
{
    // One row a line: a line break in a name would split the row.
    text.replace(u'\r', u' ');
    text.replace(u'\n', u' ');
    if (text.contains(u';') || text.contains(u'"')) {
        text.replace(QStringLiteral("\""), QStringLiteral("\"\""));
        out.append('"');
        out.append(text.toUtf8());
        out.append('"');
    } else {
        out.append(text.toUtf8());
    }
}

} // namespace

CsvRead readCsv(const QByteArray &bytes)
{
    if (bytes.size() > kMaxCsvBytes)
        return wholeFileProblem(QStringLiteral("Datei größer als 10 MB"),
                                QStringLiteral("file larger than 10 MB"));

    // The byte-order mark counts as UTF-8: a file that declares UTF-8 and holds other bytes is mixed.
    const Encoding encoding = encodingOf(bytes);
    if (encoding.mixedFrom > 0) {
        const Text why = mixedEncoding(encoding);
        return wholeFileProblem(why.german, why.english, encoding.mixedFrom);
    }
    QByteArrayView view(bytes);
    if (view.startsWith("\xEF\xBB\xBF"))
        view = view.sliced(3);
    const QString text = encoding.utf8 ? QString::fromUtf8(view) : fromCp1252(view);

    qsizetype pos = 0;
    int lineNumber = 0;
    QStringView headerLine;
    bool found = false;
    while (pos < text.size()) {
        headerLine = nextLine(text, pos);
        ++lineNumber;
        if (!headerLine.trimmed().isEmpty()) {
            found = true;
            break;
        }
    }
    if (!found)
        return wholeFileProblem(QStringLiteral("keine Kopfzeile"), QStringLiteral("no header row"));

    const bool decimalComma = headerLine.contains(u';');
    const QChar separator = decimalComma ? u';' : u',';
    const Cells header = splitLine(headerLine, separator);
    if (!header.ok)
        return wholeFileProblem(QStringLiteral("Kopfzeile: ") + header.reason.german,
                                QStringLiteral("header row: ") + header.reason.english);

    std::array<qsizetype, kColumns> at;
    at.fill(-1);
    QStringList twiceDe, twiceEn, unitDe, unitEn;
    for (qsizetype k = 0; k < header.cells.size(); ++k) {
        const HeaderCell cell = headerCell(header.cells.at(k));
        const std::optional<Column> column = columnNamed(cell.key);
        if (!column)
            continue; // a column this program does not use
        const int c = int(*column);
        if (at[c] >= 0) {
            twiceDe.append(QLatin1String(kColumnGerman[c]));
            twiceEn.append(QLatin1String(kColumnEnglish[c]));
        } else if (!unitFits(*column, cell.brackets)) {
            // The header as the file writes it, so that the planner finds the cell.
            const QString written = shortened(header.cells.at(k).trimmed());
            unitDe.append(QStringLiteral("„") + written + QStringLiteral("“ statt ") + unitShown(*column));
            unitEn.append(QStringLiteral("“") + written + QStringLiteral("” instead of ") +
                          unitShown(*column));
        }
        if (at[c] < 0)
            at[c] = k;
    }
    QStringList missingDe, missingEn;
    for (const Column c : {Column::Name, Column::Ix, Column::Wx, Column::Iy, Column::Wy}) {
        if (at[int(c)] < 0) {
            missingDe.append(QLatin1String(kColumnGerman[int(c)]));
            missingEn.append(QLatin1String(kColumnEnglish[int(c)]));
        }
    }
    if (!missingDe.isEmpty() || !twiceDe.isEmpty() || !unitDe.isEmpty()) {
        QStringList de, en;
        if (!missingDe.isEmpty()) {
            de.append(QStringLiteral("Spalten fehlen: ") + missingDe.join(QStringLiteral(", ")));
            en.append(QStringLiteral("columns missing: ") + missingEn.join(QStringLiteral(", ")));
        }
        if (!twiceDe.isEmpty()) {
            de.append(QStringLiteral("Spalten doppelt: ") + twiceDe.join(QStringLiteral(", ")));
            en.append(QStringLiteral("columns given twice: ") + twiceEn.join(QStringLiteral(", ")));
        }
        if (!unitDe.isEmpty()) {
            de.append(QStringLiteral("falsche Einheit: ") + unitDe.join(QStringLiteral(", ")));
            en.append(QStringLiteral("wrong unit: ") + unitEn.join(QStringLiteral(", ")));
        }
        return wholeFileProblem(de.join(QStringLiteral("; ")), en.join(QStringLiteral("; ")));
    }
    const qsizetype headerWidth = filledCells(header.cells);

    CsvRead result;
    result.usable = true;
    QSet<QString> names;
    bool anyRow = false;
    const auto refuse = [&result, &lineNumber](const Text &reason) {
        result.problems.append({lineNumber, reason});
    };
    const auto cellAt = [](const QList<QString> &cells, qsizetype index) {
        return index < cells.size() ? cells.at(index) : QString();
    };
    while (pos < text.size()) {
        const QStringView line = nextLine(text, pos);
        ++lineNumber;
        if (isEmptyRow(line, separator))
            continue;
        anyRow = true;
        const Cells row = splitLine(line, separator);
        if (!row.ok) {
            refuse(row.reason);
            continue;
        }
        if (filledCells(row.cells) > headerWidth) {
            refuse({QStringLiteral("mehr Zellen als Spalten in der Kopfzeile"),
                    QStringLiteral("more cells than columns in the header row")});
            continue;
        }
        Section s;
        s.name = cellAt(row.cells, at[int(Column::Name)]).trimmed();
        if (s.name.isEmpty()) {
            refuse({QStringLiteral("Name fehlt"), QStringLiteral("name missing")});
            continue;
        }
        bool ok = true;
        const std::pair<Column, double *> numbers[] = {
            {Column::Ix, &s.ix}, {Column::Wx, &s.wx}, {Column::Iy, &s.iy}, {Column::Wy, &s.wy}};
        for (const auto &[column, target] : numbers) {
            const NumberRead r = readCell(cellAt(row.cells, at[int(column)]), decimalComma, *target);
            if (r != NumberRead::Ok) {
                refuse(numberReason(r, column));
                ok = false;
                break;
            }
        }
        if (!ok)
            continue;
        if (at[int(Column::Mass)] >= 0) {
            double mass = 0.0;
            const NumberRead r = readCell(cellAt(row.cells, at[int(Column::Mass)]), decimalComma, mass);
            if (r == NumberRead::Ok) {
                s.mass = mass;
            } else if (r != NumberRead::Missing) {
                refuse(numberReason(r, Column::Mass));
                continue;
            }
        }
        if (at[int(Column::Series)] >= 0)
            s.series = cellAt(row.cells, at[int(Column::Series)]).trimmed();
        if (names.contains(s.name)) {
            refuse(
                {QStringLiteral("Name doppelt: ") + s.name, QStringLiteral("name given twice: ") + s.name});
            continue;
        }
        names.insert(s.name);
        result.sections.append(std::move(s));
    }
    if (!anyRow)
        return wholeFileProblem(QStringLiteral("keine Zeilen unter der Kopfzeile"),
                                QStringLiteral("no rows below the header row"));
    return result;
}

QByteArray writeCsv(const QList<Section> &sections)
{
    QByteArray out("Name;Ix [cm4];Wx [cm3];Iy [cm4];Wy [cm3];Masse [kg/m];Serie\n");
    out.reserve(out.size() + sections.size() * 80);
    for (const Section &s : sections) {
        appendText(out, s.name);
        for (const double v : {s.ix, s.wx, s.iy, s.wy}) {
            out.append(';');
            appendNumber(out, v);
        }
        out.append(';');
        if (s.mass)
            appendNumber(out, *s.mass);
        out.append(';');
        appendText(out, s.series);
        out.append('\n');
    }
    return out;
}

} // namespace vb::sections
