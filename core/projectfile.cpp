#include "core/projectfile.h"

#include <QtCore/QDir>
#include <QtCore/QFile>
#include <QtCore/QFileInfo>
#include <QtCore/QJsonArray>
#include <QtCore/QJsonDocument>
#include <QtCore/QJsonObject>
#include <QtCore/QJsonParseError>
#include <QtCore/QJsonValue>
#include <QtCore/QSysInfo>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstring>
#include <initializer_list>
#include <iterator>
#include <limits>
#include <string>
#include <utility>

#include <signal.h>
#include <sys/types.h>

namespace vb::project
{

namespace
{

// The characters JSON writes as a backslash and a letter, and their letters.
constexpr char16_t kEscaped[] = u"\"\\\b\f\n\r\t";
constexpr char kEscapeLetters[] = "\"\\bfnrt";
constexpr std::size_t kEscapes = std::size(kEscaped) - 1; // without the final NUL

// ---- Writing ----------------------------------------------------------------------------------

void indent(QByteArray &out, int level)
{
    out.append(qsizetype(level) * 4, ' ');
}

// A JSON string: UTF-8, escaping only what must be (quotation mark, backslash, control
// characters) and unpaired surrogates, which UTF-8 cannot carry and \uXXXX can.
void appendText(QByteArray &out, const QString &text)
{
    out += '"';
    const QChar *chars = text.constData();
    const qsizetype n = text.size();
    qsizetype plainFrom = 0;
    const auto flush = [&](qsizetype end) {
        if (end > plainFrom)
            out += QStringView(chars + plainFrom, end - plainFrom).toUtf8();
    };
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t u = chars[i].unicode();
        if (QChar::isHighSurrogate(u) && i + 1 < n && QChar::isLowSurrogate(chars[i + 1].unicode())) {
            ++i;
            continue;
        }
        if (u >= 0x20 && u != u'"' && u != u'\\' && !QChar::isSurrogate(u))
            continue;
        flush(i);
        const char16_t *shortForm = std::char_traits<char16_t>::find(kEscaped, kEscapes, u);
        out += '\\';
        if (shortForm)
            out += kEscapeLetters[shortForm - kEscaped];
        else
            out += 'u' + QByteArray::number(u, 16).rightJustified(4, '0');
        plainFrom = i + 1;
    }
    flush(n);
    out += '"';
}

// `"key": ` at its indentation.
void appendKey(QByteArray &out, int level, const char *key)
{
    indent(out, level);
    out += '"';
    out += key;
    out += "\": ";
}

template <typename Value, typename Write>
void appendMap(QByteArray &out, int level, const char *key, const QMap<QString, Value> &map, Write write)
{
    appendKey(out, level, key);
    if (map.isEmpty()) {
        out += "{},\n";
        return;
    }
    out += "{\n";
    for (auto it = map.cbegin(); it != map.cend(); ++it) {
        indent(out, level + 1);
        appendText(out, it.key());
        out += ": ";
        write(it.value());
        out += std::next(it) == map.cend() ? "\n" : ",\n";
    }
    indent(out, level);
    out += "},\n";
}

void appendPosition(QByteArray &out, const Position &p)
{
    constexpr int level = 3;
    indent(out, 2);
    out += "{\n";
    appendKey(out, level, "number");
    appendText(out, p.number);
    out += ",\n";
    if (!p.description.isEmpty()) {
        appendKey(out, level, "description");
        appendText(out, p.description);
        out += ",\n";
    }
    appendKey(out, level, "program");
    out += QByteArray::number(p.program) + ",\n";
    appendMap(out, level, "options", p.options, [&](bool on) { out += on ? "true" : "false"; });
    appendMap(out, level, "inputs", p.inputs, [&](const QString &t) { appendText(out, t); });
    appendMap(out, level, "results", p.results, [&](const QString &t) { appendText(out, t); });
    appendKey(out, level, "date");
    appendText(out, p.date);
    out += ",\n";
    appendKey(out, level, "time");
    appendText(out, p.time);
    if (!p.section.isEmpty()) {
        out += ",\n";
        appendKey(out, level, "section");
        out += "{\n";
        appendKey(out, level + 1, "name");
        appendText(out, p.section);
        out += ",\n";
        appendKey(out, level + 1, "utilisation");
        out += QByteArray::number(p.sectionUtilisation) + "\n";
        indent(out, level);
        out += "}";
    }
    out += "\n";
    indent(out, 2);
    out += "}";
}

// ---- Reading: the text ------------------------------------------------------------------------

// The first line (from 1) that is not UTF-8. A character of several bytes never holds a line
// break, so each line is UTF-8 or not by itself.
int firstLineNotUtf8(QByteArrayView bytes)
{
    int line = 1;
    for (qsizetype start = 0; start <= bytes.size(); ++line) {
        qsizetype end = bytes.indexOf('\n', start);
        if (end < 0)
            end = bytes.size();
        if (!bytes.sliced(start, end - start).isValidUtf8())
            return line;
        start = end + 1;
    }
    return line;
}

// Line and column (from 1, columns in characters) of a byte offset of well-formed UTF-8.
std::pair<int, int> lineAndColumn(const QByteArray &bytes, qsizetype offset)
{
    offset = std::clamp<qsizetype>(offset, 0, bytes.size());
    int line = 1;
    int column = 1;
    for (qsizetype i = 0; i < offset; ++i) {
        const auto c = static_cast<unsigned char>(bytes[i]);
        if (c == '\n') {
            ++line;
            column = 1;
        } else if ((c & 0xC0) != 0x80) {
            ++column;
        }
    }
    return {line, column};
}

bool blank(const QByteArray &bytes)
{
    return std::all_of(bytes.cbegin(), bytes.cend(),
                       [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; });
}

// What QJsonDocument found wrong, in both languages.
struct ParseError {
    QJsonParseError::ParseError error;
    Text text;
};
const ParseError kParseErrors[] = {
    {QJsonParseError::UnterminatedObject,
     {"ein Objekt ist nicht mit „}“ geschlossen", "an object is not closed with \"}\""}},
    {QJsonParseError::MissingNameSeparator,
     {"nach einem Schlüssel fehlt „:“", "\":\" is missing after a key"}},
    {QJsonParseError::UnterminatedArray,
     {"eine Liste ist nicht mit „]“ geschlossen", "a list is not closed with \"]\""}},
    {QJsonParseError::MissingValueSeparator,
     {"zwischen zwei Werten fehlt „,“", "\",\" is missing between two values"}},
    {QJsonParseError::IllegalValue, {"ein Wert ist ungültig", "a value is not valid"}},
    {QJsonParseError::TerminationByNumber, {"der Text endet in einer Zahl", "the text ends in a number"}},
    {QJsonParseError::IllegalNumber, {"eine Zahl ist ungültig", "a number is not valid"}},
    {QJsonParseError::IllegalEscapeSequence,
     {"eine Escape-Sequenz ist ungültig", "an escape sequence is not valid"}},
    {QJsonParseError::UnterminatedString,
     {"ein Text ist nicht mit „\"“ geschlossen", "a text is not closed with '\"'"}},
    {QJsonParseError::MissingObject, {"nach einem Komma fehlt ein Wert", "a value is missing after a comma"}},
    {QJsonParseError::DeepNesting, {"zu tief verschachtelt", "nested too deeply"}},
    {QJsonParseError::GarbageAtEnd, {"nach dem Ende folgt weiterer Text", "more text follows the end"}},
    // The JSON reader's word for a backslash before a character of several bytes.
    {QJsonParseError::IllegalUTF8String,
     {"eine Escape-Sequenz ist ungültig", "an escape sequence is not valid"}},
};
Text parseErrorText(const QJsonParseError &error)
{
    for (const ParseError &known : kParseErrors) {
        if (known.error == error.error)
            return known.text;
    }
    return {error.errorString(), error.errorString()};
}

// A JSON string's content as QJsonDocument reads it. The text was accepted by the parser and
// holds only JSON's own escapes (stringFault() came first), so every escape is complete.
QString decodeKey(const char *p, qsizetype length)
{
    if (!std::memchr(p, '\\', size_t(length)))
        return QString::fromUtf8(p, length);
    QString out;
    QByteArray plain;
    for (qsizetype k = 0; k < length; ++k) {
        if (p[k] != '\\' || k + 1 >= length) {
            plain += p[k];
            continue;
        }
        out += QString::fromUtf8(plain);
        plain.clear();
        const char e = p[++k];
        if (const char *letter = e ? std::strchr(kEscapeLetters, e) : nullptr) {
            out += QChar(kEscaped[letter - kEscapeLetters]);
        } else if (e == 'u' && k + 4 < length) {
            bool ok = false;
            const unsigned code = QByteArray(p + k + 1, 4).toUInt(&ok, 16);
            if (ok) {
                out += QChar(char16_t(code));
                k += 4;
            }
        } else {
            plain += e;
        }
    }
    return out + QString::fromUtf8(plain);
}

// Where a text in the file breaks JSON's grammar in a way QJsonDocument lets pass: a control
// character written as it is (JSON asks for "\n", "\t", "\u0001"), or a backslash before anything
// but one of JSON's escapes (QJsonDocument reads "\x" as "x", so a file another tool wrote would
// mean something else here than there). Runs over a text the parser accepted, in which every
// quotation mark outside a text opens one.
struct StringFault {
    qsizetype offset = 0;
    bool control = false; // else an escape
};
std::optional<StringFault> stringFault(const QByteArray &bytes)
{
    const auto hex = [](char c) {
        return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
    };
    const char *p = bytes.constData();
    const qsizetype n = bytes.size();
    bool inText = false;
    for (qsizetype i = 0; i < n; ++i) {
        const auto c = static_cast<unsigned char>(p[i]);
        if (!inText) {
            inText = c == '"';
        } else if (c == '"') {
            inText = false;
        } else if (c < 0x20) {
            return StringFault{i, true};
        } else if (c == '\\') {
            const char e = i + 1 < n ? p[i + 1] : '\0';
            if (e == 'u') {
                if (n - i < 6 || !std::all_of(p + i + 2, p + i + 6, hex))
                    return StringFault{i, false};
                i += 5;
            } else if (e != '\0' && std::strchr("\"\\/bfnrt", e)) {
                ++i;
            } else {
                return StringFault{i, false};
            }
        }
    }
    return {};
}

// The first key that stands twice in one object, and its line. QJsonDocument keeps only the
// last of them, so such a file would be read in part: it is refused instead. Runs over a text
// the parser accepted; walks it without recursion.
struct Duplicate {
    QString key;
    int line = 0;
};
std::optional<Duplicate> duplicateKey(const QByteArray &bytes)
{
    QList<QSet<QString>> open; // the keys of each open object; an array's set stays empty
    const char *p = bytes.constData();
    const qsizetype n = bytes.size();
    int line = 1;
    for (qsizetype i = 0; i < n; ++i) {
        const char c = p[i];
        if (c == '\n') {
            ++line;
        } else if (c == '{' || c == '[') {
            open.emplaceBack();
        } else if (c == '}' || c == ']') {
            if (!open.isEmpty())
                open.removeLast();
        } else if (c == '"') {
            const int startLine = line;
            qsizetype end = i + 1;
            while (end < n && p[end] != '"') {
                if (p[end] == '\\')
                    ++end; // the escaped byte: a line break escaped is still a line break
                if (end < n && p[end] == '\n')
                    ++line;
                ++end;
            }
            if (end >= n)
                return {};
            qsizetype next = end + 1;
            while (next < n && (p[next] == ' ' || p[next] == '\t' || p[next] == '\r' || p[next] == '\n'))
                ++next;
            if (next < n && p[next] == ':' && !open.isEmpty()) {
                const QString key = decodeKey(p + i + 1, end - i - 1);
                if (open.last().contains(key))
                    return Duplicate{key, startLine};
                open.last().insert(key);
            }
            i = end;
        }
    }
    return {};
}

// ---- Reading: the project ---------------------------------------------------------------------

// A name or number from the file as a reason shows it: quoted, and cut short where a damaged
// file holds a long one.
QString shown(const QString &s)
{
    return s.size() > 40 ? s.left(40) + u'…' : s;
}
QString quotedDe(const QString &s)
{
    return QStringLiteral("„") + shown(s) + QStringLiteral("“");
}
QString quotedEn(const QString &s)
{
    return u'"' + shown(s) + u'"';
}

QString capitalised(QString s)
{
    if (!s.isEmpty())
        s[0] = s[0].toUpper();
    return s;
}

Failure refused(const QString &de, const QString &en, FailureKind kind = FailureKind::Refused)
{
    return {{de, en}, kind};
}

// A number that is whole (2 and 2.0 alike; 2.5 is not), or nothing.
std::optional<double> wholeNumber(const QJsonValue &v)
{
    if (!v.isDouble())
        return {};
    const double d = v.toDouble();
    if (!std::isfinite(d) || std::trunc(d) != d)
        return {};
    return d;
}

// Pieces of a reason: where a problem lies, as the reason begins (empty for the file's top
// level), and what a key is called.
using Where = Text;
using Subject = Text;

// „name“, or „name“ in „section“ for a key in a part of a position.
Subject subject(const QString &key, const QString &within = {})
{
    if (within.isEmpty())
        return {quotedDe(key), quotedEn(key)};
    return {quotedDe(key) + QStringLiteral(" in ") + quotedDe(within),
            quotedEn(key) + QStringLiteral(" in ") + quotedEn(within)};
}

class Reader
{
public:
    Reader(const KnownFields &known, int version) : m_known(known), m_version(version) {}

    bool project(const QJsonObject &top, Project *out)
    {
        const Where file;
        return onlyKeys(file, top, {"format", "version", "header", "positions"}) &&
               header(top, &out->header) && positions(top, &out->positions);
    }

    const Text &problem() const { return m_problem; }

private:
    bool fail(const Where &where, const QString &de, const QString &en)
    {
        m_problem.german =
            where.german.isEmpty() ? capitalised(de) + u'.' : where.german + QStringLiteral(": ") + de + u'.';
        m_problem.english = where.english.isEmpty() ? capitalised(en) + u'.'
                                                    : where.english + QStringLiteral(": ") + en + u'.';
        return false;
    }

    bool onlyKeys(const Where &where, const QJsonObject &object, std::initializer_list<const char *> allowed,
                  const QString &within = {})
    {
        for (auto it = object.constBegin(); it != object.constEnd(); ++it) {
            const QString key = it.key();
            if (std::none_of(allowed.begin(), allowed.end(),
                             [&](const char *a) { return key == QLatin1String(a); })) {
                const Subject s = subject(key, within);
                return fail(where, QStringLiteral("unbekannter Schlüssel ") + s.german,
                            QStringLiteral("unknown key ") + s.english);
            }
        }
        return true;
    }

    // The value of a key that must be there.
    bool present(const Where &where, const QJsonObject &object, const QString &key, QJsonValue *value,
                 const QString &within = {})
    {
        const auto it = object.constFind(key);
        if (it == object.constEnd()) {
            const Subject s = subject(key, within);
            return fail(where, s.german + QStringLiteral(" fehlt"),
                        s.english + QStringLiteral(" is missing"));
        }
        *value = it.value();
        return true;
    }

    bool text(const Where &where, const QJsonObject &object, const QString &key, QString *out,
              const QString &within = {})
    {
        QJsonValue v;
        if (!present(where, object, key, &v, within))
            return false;
        if (!v.isString()) {
            const Subject s = subject(key, within);
            return fail(where, s.german + QStringLiteral(" ist kein Text"),
                        s.english + QStringLiteral(" is not a text"));
        }
        *out = v.toString();
        return fitsAField(where, key, *out, within);
    }

    // A text no longer than a field holds: a longer one would be cut where the forms show it and
    // stored cut the next time the project is written.
    bool fitsAField(const Where &where, const QString &key, const QString &text, const QString &within = {})
    {
        if (text.size() <= kMaxTextLength)
            return true;
        const Subject s = subject(key, within);
        const QString most = QString::number(kMaxTextLength);
        return fail(where, s.german + QStringLiteral(" ist länger als ") + most + QStringLiteral(" Zeichen"),
                    s.english + QStringLiteral(" is longer than ") + most + QStringLiteral(" characters"));
    }

    bool whole(const Where &where, const QJsonObject &object, const QString &key, int least, int most,
               int *out, const QString &within = {})
    {
        QJsonValue v;
        if (!present(where, object, key, &v, within))
            return false;
        const std::optional<double> d = wholeNumber(v);
        if (!d || *d < least || *d > most) {
            const Subject s = subject(key, within);
            return fail(where,
                        s.german + QStringLiteral(" ist keine ganze Zahl von %1 bis %2")
                                       .arg(QString::number(least), QString::number(most)),
                        s.english + QStringLiteral(" is not a whole number from %1 to %2")
                                        .arg(QString::number(least), QString::number(most)));
        }
        *out = int(*d);
        return true;
    }

    bool object(const Where &where, const QJsonObject &parent, const QString &key, QJsonObject *out)
    {
        QJsonValue v;
        if (!present(where, parent, key, &v))
            return false;
        if (!v.isObject()) {
            const Subject s = subject(key);
            return fail(where, s.german + QStringLiteral(" ist kein Objekt ({…})"),
                        s.english + QStringLiteral(" is not an object ({…})"));
        }
        *out = v.toObject();
        return true;
    }

    bool header(const QJsonObject &top, Header *out)
    {
        QJsonObject h;
        if (!object({}, top, QStringLiteral("header"), &h))
            return false;
        const Where where{QStringLiteral("Projektkopf"), QStringLiteral("Project header")};
        return onlyKeys(where, h, {"project", "company", "creator"}) &&
               text(where, h, QStringLiteral("project"), &out->project) &&
               text(where, h, QStringLiteral("company"), &out->company) &&
               text(where, h, QStringLiteral("creator"), &out->creator);
    }

    bool positions(const QJsonObject &top, QList<Position> *out)
    {
        QJsonValue v;
        if (!present({}, top, QStringLiteral("positions"), &v))
            return false;
        if (!v.isArray())
            return fail({}, QStringLiteral("„positions“ ist keine Liste ([…])"),
                        QStringLiteral("\"positions\" is not a list ([…])"));
        const QJsonArray list = v.toArray();
        out->reserve(list.size());
        for (qsizetype k = 0; k < list.size(); ++k) {
            Position p;
            if (!position(int(k) + 1, list.at(k), &p))
                return false;
            out->append(std::move(p));
        }
        return true;
    }

    // Named and checked in this order: its number first, so that every later reason can name
    // it; its program before the fields, which only the program's form knows.
    bool position(int place, const QJsonValue &value, Position *out)
    {
        Where where{QStringLiteral("Position %1").arg(place), QStringLiteral("Position %1").arg(place)};
        if (!value.isObject())
            return fail(where, QStringLiteral("kein Objekt ({…})"), QStringLiteral("not an object ({…})"));
        const QJsonObject p = value.toObject();
        if (!text(where, p, QStringLiteral("number"), &out->number))
            return false;
        if (!out->number.isEmpty()) {
            where.german += QStringLiteral(" (Nr. ") + quotedDe(out->number) + u')';
            where.english += QStringLiteral(" (number ") + quotedEn(out->number) + u')';
        }
        if (!whole(where, p, QStringLiteral("program"), 1, 6, &out->program))
            return false;
        const ProgramFields *fields = m_known ? m_known(out->program) : nullptr;
        if (!fields)
            return fail(where, QStringLiteral("Programm %1 ist nicht bekannt").arg(out->program),
                        QStringLiteral("program %1 is not known").arg(out->program));
        // Descriptions came with format 2; a file of format 1 holds none.
        const bool keysKnown =
            m_version >= 2
                ? onlyKeys(where, p,
                           {"number", "description", "program", "options", "inputs", "results", "date",
                            "time", "section"})
                : onlyKeys(where, p,
                           {"number", "program", "options", "inputs", "results", "date", "time", "section"});
        if (!keysKnown ||
            (p.contains(QStringLiteral("description")) &&
             !text(where, p, QStringLiteral("description"), &out->description)) ||
            !flags(where, p, out->program, fields->options, &out->options) ||
            !texts(where, p, QStringLiteral("inputs"), out->program, fields->inputs,
                   {QStringLiteral("kein Eingabefeld"), QStringLiteral("not an input field")},
                   &out->inputs) ||
            !texts(where, p, QStringLiteral("results"), out->program, fields->results,
                   {QStringLiteral("kein Ergebnisfeld"), QStringLiteral("not a result field")},
                   &out->results) ||
            !text(where, p, QStringLiteral("date"), &out->date) ||
            !text(where, p, QStringLiteral("time"), &out->time))
            return false;
        return !p.contains(QStringLiteral("section")) || section(where, p, out);
    }

    bool flags(const Where &where, const QJsonObject &p, int program, const QSet<QString> &known,
               QMap<QString, bool> *out)
    {
        const QString key = QStringLiteral("options");
        QJsonObject o;
        if (!object(where, p, key, &o))
            return false;
        for (auto it = o.constBegin(); it != o.constEnd(); ++it) {
            const QString name = it.key();
            const QJsonValue value = it.value();
            if (known.contains(name) && value.isBool()) {
                out->insert(out->cend(), name, value.toBool()); // the object's keys come sorted
                continue;
            }
            const Subject s = subject(name, key);
            if (!known.contains(name))
                return fail(
                    where, s.german + QStringLiteral(" ist kein Optionsfeld von Programm %1").arg(program),
                    s.english + QStringLiteral(" is not an option button of program %1").arg(program));
            return fail(where, s.german + QStringLiteral(" ist weder true noch false"),
                        s.english + QStringLiteral(" is neither true nor false"));
        }
        return true;
    }

    bool texts(const Where &where, const QJsonObject &p, const QString &key, int program,
               const QSet<QString> &known, const Text &notKnown, QMap<QString, QString> *out)
    {
        QJsonObject o;
        if (!object(where, p, key, &o))
            return false;
        for (auto it = o.constBegin(); it != o.constEnd(); ++it) {
            const QString name = it.key();
            const QJsonValue value = it.value();
            if (known.contains(name) && value.isString()) {
                const QString text = value.toString();
                if (!fitsAField(where, name, text, key))
                    return false;
                out->insert(out->cend(), name, text);
                continue;
            }
            const Subject s = subject(name, key);
            if (!known.contains(name))
                return fail(where,
                            s.german + QStringLiteral(" ist ") + notKnown.german +
                                QStringLiteral(" von Programm %1").arg(program),
                            s.english + QStringLiteral(" is ") + notKnown.english +
                                QStringLiteral(" of program %1").arg(program));
            return fail(where, s.german + QStringLiteral(" ist kein Text"),
                        s.english + QStringLiteral(" is not a text"));
        }
        return true;
    }

    // A chosen section has a name; "section" is left out where none was chosen.
    bool section(const Where &where, const QJsonObject &p, Position *out)
    {
        const QString key = QStringLiteral("section");
        QJsonObject s;
        return object(where, p, key, &s) && onlyKeys(where, s, {"name", "utilisation"}, key) &&
               text(where, s, QStringLiteral("name"), &out->section, key) &&
               (!out->section.isEmpty() || fail(where, QStringLiteral("„name“ in „section“ ist leer"),
                                                QStringLiteral("\"name\" in \"section\" is empty"))) &&
               whole(where, s, QStringLiteral("utilisation"), 0, 1000, &out->sectionUtilisation, key);
    }

    const KnownFields &m_known;
    int m_version = 1;
    Text m_problem;
};

// The limit as a reason names it.
QString maxProjectSize()
{
    return QString::number(kMaxProjectBytes / (1024 * 1024)) + QStringLiteral(" MB");
}

Failure tooLarge()
{
    return refused(QStringLiteral("Die Datei ist größer als ") + maxProjectSize() +
                       QStringLiteral(" und wird nicht gelesen."),
                   QStringLiteral("The file is larger than ") + maxProjectSize() +
                       QStringLiteral(" and is not read."),
                   FailureKind::TooLarge);
}

// The name of the first text of `p` longer than a field holds; empty when there is none.
QString overlongText(const Position &p)
{
    const auto tooLong = [](const QString &t) { return t.size() > kMaxTextLength; };
    for (const auto &[name, text] :
         {std::pair{"number", &p.number}, std::pair{"description", &p.description},
          std::pair{"date", &p.date}, std::pair{"time", &p.time}, std::pair{"section", &p.section}}) {
        if (tooLong(*text))
            return QString::fromLatin1(name);
    }
    for (const QMap<QString, QString> *fields : {&p.inputs, &p.results}) {
        for (auto it = fields->cbegin(); it != fields->cend(); ++it) {
            if (tooLong(it.value()))
                return it.key();
        }
    }
    return {};
}

// Why a project could not be read back once written; nothing when it can.
std::optional<Text> unstorable(const Project &project)
{
    const QString most = QString::number(kMaxTextLength);
    const Header &h = project.header;
    for (const auto &[name, text] : {std::pair{"project", &h.project}, std::pair{"company", &h.company},
                                     std::pair{"creator", &h.creator}}) {
        if (text->size() > kMaxTextLength)
            return Text{QStringLiteral("Der Projektkopf kann nicht gespeichert werden: „") +
                            QLatin1String(name) + QStringLiteral("“ ist länger als ") + most +
                            QStringLiteral(" Zeichen."),
                        QStringLiteral("The project header cannot be stored: \"") + QLatin1String(name) +
                            QStringLiteral("\" is longer than ") + most + QStringLiteral(" characters.")};
    }
    for (qsizetype k = 0; k < project.positions.size(); ++k) {
        const Position &p = project.positions[k];
        // Concatenated, not .arg(): the position number is the planner's text and may hold "%1".
        const QString place = QString::number(k + 1);
        const QString whereDe = QStringLiteral("Position ") + place + QStringLiteral(" (Nr. ") +
                                quotedDe(p.number) + QStringLiteral(") kann nicht gespeichert werden: ");
        const QString whereEn = QStringLiteral("position ") + place + QStringLiteral(" (number ") +
                                quotedEn(p.number) + QStringLiteral(") cannot be stored: ");
        if (p.program < 1 || p.program > 6) {
            const QString program = QString::number(p.program);
            return Text{whereDe + QStringLiteral("es gibt kein Programm ") + program + u'.',
                        whereEn + QStringLiteral("there is no program ") + program + u'.'};
        }
        if (!p.section.isEmpty() && (p.sectionUtilisation < 0 || p.sectionUtilisation > 1000)) {
            const QString utilisation = QString::number(p.sectionUtilisation);
            return Text{whereDe + QStringLiteral("eine Ausnutzung von ") + utilisation +
                            QStringLiteral(" %."),
                        whereEn + QStringLiteral("a utilisation of ") + utilisation + QStringLiteral(" %.")};
        }
        if (const QString name = overlongText(p); !name.isEmpty())
            return Text{whereDe + quotedDe(name) + QStringLiteral(" ist länger als ") + most +
                            QStringLiteral(" Zeichen."),
                        whereEn + quotedEn(name) + QStringLiteral(" is longer than ") + most +
                            QStringLiteral(" characters.")};
    }
    return {};
}

// Whether the process `pid` of this computer still runs: kill() with no signal only asks.
bool processRuns(qint64 pid)
{
    if (pid <= 0 || pid > std::numeric_limits<pid_t>::max())
        return false;
    return ::kill(pid_t(pid), 0) == 0 || errno != ESRCH;
}

} // namespace

qsizetype indexOfNumber(const Project &project, const QString &number)
{
    const auto found = std::find_if(project.positions.cbegin(), project.positions.cend(),
                                    [&](const Position &p) { return p.number == number; });
    return found == project.positions.cend() ? -1 : found - project.positions.cbegin();
}

int formatVersionFor(const Project &project)
{
    const bool described = std::any_of(project.positions.cbegin(), project.positions.cend(),
                                       [](const Position &p) { return !p.description.isEmpty(); });
    return described ? 2 : 1;
}

QByteArray writeProject(const Project &project)
{
    QByteArray out;
    out.reserve(1024 + project.positions.size() * 1024);
    out += "{\n";
    appendKey(out, 1, "format");
    appendText(out, QString::fromLatin1(kFormatName));
    out += ",\n";
    appendKey(out, 1, "version");
    out += QByteArray::number(formatVersionFor(project)) + ",\n";
    appendKey(out, 1, "header");
    out += "{\n";
    appendKey(out, 2, "project");
    appendText(out, project.header.project);
    out += ",\n";
    appendKey(out, 2, "company");
    appendText(out, project.header.company);
    out += ",\n";
    appendKey(out, 2, "creator");
    appendText(out, project.header.creator);
    out += "\n";
    indent(out, 1);
    out += "},\n";
    appendKey(out, 1, "positions");
    if (project.positions.isEmpty()) {
        out += "[]\n";
    } else {
        out += "[\n";
        for (qsizetype k = 0; k < project.positions.size(); ++k) {
            appendPosition(out, project.positions[k]);
            out += k + 1 < project.positions.size() ? ",\n" : "\n";
        }
        indent(out, 1);
        out += "]\n";
    }
    out += "}\n";
    return out;
}

Result<Project> readProject(const QByteArray &bytes, const KnownFields &known)
{
    if (bytes.size() > kMaxProjectBytes)
        return tooLarge();
    if (blank(bytes))
        return refused(QStringLiteral("Die Datei ist leer."), QStringLiteral("The file is empty."));

    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    // Bytes that are not UTF-8 (overlong forms and surrogates too) are refused whole, naming the
    // first line that holds them: the JSON reader lets a raw byte after a backslash pass, and its
    // place of a fault in a text need not be the line of the byte.
    if (!QByteArrayView(bytes).isValidUtf8()) {
        const int line = firstLineNotUtf8(bytes);
        return refused(QStringLiteral("Die Datei ist kein UTF-8-Text (Zeile %1).").arg(line),
                       QStringLiteral("The file is not UTF-8 text (line %1).").arg(line));
    }
    if (error.error != QJsonParseError::NoError) {
        const auto [line, column] = lineAndColumn(bytes, error.offset);
        const Text what = parseErrorText(error);
        const QString &de = what.german;
        const QString &en = what.english;
        return refused(QStringLiteral("Die Datei ist kein gültiger JSON-Text: %1 (Zeile %2, Spalte %3).")
                           .arg(de, QString::number(line), QString::number(column)),
                       QStringLiteral("The file is not valid JSON: %1 (line %2, column %3).")
                           .arg(en, QString::number(line), QString::number(column)));
    }
    if (const std::optional<StringFault> fault = stringFault(bytes)) {
        const auto [line, column] = lineAndColumn(bytes, fault->offset);
        const QString at = QString::number(line);
        const QString col = QString::number(column);
        return fault->control
                   ? refused(QStringLiteral("Die Datei ist kein gültiger JSON-Text: ein Text enthält ein "
                                            "Steuerzeichen (Zeile %1, Spalte %2).")
                                 .arg(at, col),
                             QStringLiteral("The file is not valid JSON: a text holds a control character "
                                            "(line %1, column %2).")
                                 .arg(at, col))
                   : refused(QStringLiteral("Die Datei ist kein gültiger JSON-Text: eine Escape-Sequenz ist "
                                            "ungültig (Zeile %1, Spalte %2).")
                                 .arg(at, col),
                             QStringLiteral("The file is not valid JSON: an escape sequence is not valid "
                                            "(line %1, column %2).")
                                 .arg(at, col));
    }
    const QString notProjectDe = QStringLiteral("Die Datei ist keine Projektdatei der Vorbemessung.");
    const QString notProjectEn = QStringLiteral("The file is not a project file of this program.");
    if (!document.isObject())
        return refused(notProjectDe, notProjectEn);
    const QJsonObject top = document.object();
    if (top.value(QStringLiteral("format")) != QJsonValue(QString::fromLatin1(kFormatName)))
        return refused(notProjectDe, notProjectEn);
    if (const std::optional<Duplicate> twice = duplicateKey(bytes))
        return refused(QStringLiteral("Zeile %1: der Schlüssel %2 steht zweimal im selben Objekt.")
                           .arg(QString::number(twice->line), quotedDe(twice->key)),
                       QStringLiteral("Line %1: the key %2 stands twice in the same object.")
                           .arg(QString::number(twice->line), quotedEn(twice->key)));
    const std::optional<double> version = wholeNumber(top.value(QStringLiteral("version")));
    if (!version || *version < 1)
        return refused(QStringLiteral("Die Versionsnummer („version“) fehlt oder ist keine ganze Zahl ab 1."),
                       QStringLiteral("The version number (\"version\") is missing or not a whole number "
                                      "of 1 or more."));
    if (*version > kFormatVersion) {
        const QString v = QString::number(*version, 'g', 17);
        return refused(QStringLiteral("Die Datei stammt aus einer neueren Version des Programms (Dateiformat "
                                      "%1; diese Version liest Dateiformat %2) und wird nicht gelesen.")
                           .arg(v, QString::number(kFormatVersion)),
                       QStringLiteral("The file comes from a newer version of the program (file format %1; "
                                      "this version reads file format %2) and is not read.")
                           .arg(v, QString::number(kFormatVersion)),
                       FailureKind::NewerVersion);
    }

    Reader reader(known, int(*version));
    Project project;
    if (!reader.project(top, &project))
        return failure(reader.problem());
    return project;
}

Result<> saveProject(const QString &path, const Project &project)
{
    if (const std::optional<Text> why = unstorable(project))
        return failure(fileReason(path, *why));
    const QByteArray bytes = writeProject(project);
    if (bytes.size() > kMaxProjectBytes)
        return failure(
            fileReason(path, {QStringLiteral("Die Projektdatei würde größer als ") + maxProjectSize() +
                                  QStringLiteral(" und wird nicht gespeichert."),
                              QStringLiteral("The project file would be larger than ") + maxProjectSize() +
                                  QStringLiteral(" and is not saved.")}));

    // The new state and the previous one, for the backup, are both written out before either
    // replaces a file: a full disk leaves the project file and its backup as they were. Then the
    // backup first, so that a failure between the two renames leaves the file with its backup.
    std::optional<QByteArray> previous;
    if (QFileInfo::exists(path)) {
        Result<QByteArray> read = readRegularFile(path, kMaxProjectBytes);
        if (!read)
            return failure(fileReason(path, read.reason()));
        if (*read != bytes)
            previous = std::move(read).value();
    }
    AtomicFile backup(path + QStringLiteral(".bak"));
    AtomicFile file(path);
    if (previous && !(backup.open() && backup.write(*previous) && backup.finish()))
        return failure(*backup.failure());
    if (!(file.open() && file.write(bytes) && file.finish()))
        return failure(*file.failure());
    if (previous && !backup.commit())
        return failure(*backup.failure());
    if (!file.commit())
        return failure(*file.failure());
    return {};
}

Result<Project> loadProject(const QString &path, const KnownFields &known)
{
    const Result<QByteArray> file = readRegularFile(path, kMaxProjectBytes);
    if (file.kind() == FailureKind::TooLarge)
        return tooLarge();
    if (!file)
        return file.failure();
    return readProject(*file, known);
}

QString canonicalProjectPath(const QString &path)
{
    const QFileInfo info(path);
    if (const QString real = info.canonicalFilePath(); !real.isEmpty())
        return real;
    // A file not made yet: where a link that leads nowhere points, in its folder's real path.
    const QFileInfo target(info.isSymLink() ? info.symLinkTarget() : info.absoluteFilePath());
    const QString folder = QFileInfo(target.absolutePath()).canonicalFilePath();
    return folder.isEmpty() ? target.absoluteFilePath() : QDir(folder).filePath(target.fileName());
}

ProjectLock::ProjectLock(const QString &projectPath)
    : m_path(projectPath + QStringLiteral(".lock")), m_lock(m_path)
{
    // No age limit: QLockFile's default would take over a lock older than 30 s whose process it
    // cannot check, such as one from another computer on a shared drive.
    m_lock.setStaleLockTime(0);
}

bool ProjectLock::tryLock()
{
    return claim(true);
}

bool ProjectLock::leftByEndedProgram()
{
    if (!QFileInfo::exists(m_path))
        return false;
    LockHolder holder;
    if (!m_lock.getLockInfo(&holder.pid, &holder.host, &holder.program))
        return false; // damaged: told when the claim fails
    const bool here = holder.host.isEmpty() || holder.host == QSysInfo::machineHostName();
    if (!here || processRuns(holder.pid))
        return false;
    holder.state = LockHolder::State::Ended;
    holder.modified = QFileInfo(m_path).lastModified();
    m_holder = holder;
    return true;
}

bool ProjectLock::claim(bool askAboutEnded)
{
    if (m_lock.isLocked())
        return true;
    for (int attempt = 0;; ++attempt) {
        m_holder = {};
        // QLockFile would take over a lock of this computer whose program is gone, unasked; the
        // planner is told first that the program ended (a crash, a power cut) without closing the
        // project, and decides (takeOver()).
        if (askAboutEnded && leftByEndedProgram())
            return false;
        if (m_lock.tryLock(0))
            return true;
        if (m_lock.error() != QLockFile::LockFailedError) {
            m_holder.state = LockHolder::State::NoLock;
            return false;
        }
        const QFileInfo file(m_path);
        if (!file.exists() && attempt < 2)
            continue; // released since the attempt
        m_holder.modified = file.lastModified();
        if (!m_lock.getLockInfo(&m_holder.pid, &m_holder.host, &m_holder.program)) {
            m_holder.state = LockHolder::State::Damaged;
            return false;
        }
        // A lock that names no computer comes from this one, as QLockFile reads it.
        const bool here = m_holder.host.isEmpty() || m_holder.host == QSysInfo::machineHostName();
        m_holder.state = !here                       ? LockHolder::State::OtherComputer
                         : processRuns(m_holder.pid) ? LockHolder::State::Running
                                                     : LockHolder::State::Ended;
        return false;
    }
}

bool ProjectLock::takeOver()
{
    if (m_lock.isLocked())
        return true;
    // Fails while the holder still has the file locked, or when it is gone already; the attempt
    // that follows tells which.
    m_lock.removeStaleLockFile();
    return claim(false);
}

} // namespace vb::project
