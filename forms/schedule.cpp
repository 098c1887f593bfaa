#include "forms/schedule.h"

#include "core/sections.h"
#include "forms/programlist.h"
#include "forms/projectsession.h"

#include <QtCore/QStringList>

namespace vb
{

namespace
{

constexpr sections::Quantity kQuantities[] = {sections::Quantity::Ix, sections::Quantity::Wx,
                                              sections::Quantity::Iy, sections::Quantity::Wy};

// A cell as a spreadsheet reads it back: quoted where it holds the separator, a quotation mark
// or a line break. A text a spreadsheet would take for a formula (=, +, -, @ first) is led by an
// apostrophe, so that a description typed by a planner is never evaluated.
QString cell(QString text, QChar separator, bool isText)
{
    if (isText && !text.isEmpty() && QStringView(u"=+-@\t\r").contains(text.front()))
        text.prepend(u'\'');
    if (text.contains(separator) || text.contains(u'"') || text.contains(u'\n') || text.contains(u'\r'))
        return u'"' + text.replace(QStringLiteral("\""), QStringLiteral("\"\"")) + u'"';
    return text;
}

// A value as the form showed it ("112.1"), with the decimal sign of the style.
QString number(const QString &shown, bool english)
{
    return english ? shown : QString(shown).replace(u'.', u',');
}

} // namespace

QByteArray sectionSchedule(const project::Project &project, bool english)
{
    const QChar separator = english ? u',' : u';';
    QStringList head = english ? QStringList{QStringLiteral("Pos."), QStringLiteral("Description"),
                                             QStringLiteral("Program"), QStringLiteral("Member")}
                               : QStringList{QStringLiteral("Pos."), QStringLiteral("Bezeichnung"),
                                             QStringLiteral("Programm"), QStringLiteral("Bauteil")};
    for (const sections::Quantity quantity : kQuantities)
        head << (english ? QStringLiteral("%1 req. [%2]") : QStringLiteral("%1 erf. [%2]"))
                    .arg(sections::symbolOf(quantity), sections::unitOf(quantity));
    head << (english ? QStringList{QStringLiteral("Section"), QStringLiteral("Utilisation [%]"),
                                   QStringLiteral("Date")}
                     : QStringList{QStringLiteral("Profil"), QStringLiteral("Ausnutzung [%]"),
                                   QStringLiteral("Datum")});

    QString out;
    const auto line = [&](const QStringList &cells) {
        out += cells.join(separator);
        out += QLatin1String("\r\n");
    };
    QStringList quoted;
    for (const QString &text : std::as_const(head))
        quoted << cell(text, separator, false);
    line(quoted);

    for (const qsizetype index : naturalOrder(project.positions)) {
        const project::Position &position = project.positions[index];
        const Program *program = findProgram(position.program);
        if (!program)
            continue;
        const ProgramTables &tables = *program->tables;
        QStringList cells = {cell(position.number, separator, true),
                             cell(position.description, separator, true),
                             cell(programName(position.program, english), separator, false),
                             cell(memberDescription(tables, position, english), separator, true)};
        for (const sections::Quantity quantity : kQuantities) {
            QString value;
            for (const SectionRequirement &requirement : tables.sectionRequirements) {
                if (requirement.quantity == quantity)
                    value = number(position.results.value(QString::fromLatin1(requirement.field)).trimmed(),
                                   english);
            }
            cells << cell(value, separator, false);
        }
        cells << cell(position.section, separator, true)
              << (position.section.isEmpty() ? QString() : QString::number(position.sectionUtilisation))
              << cell(position.date, separator, false);
        line(cells);
    }
    return QByteArrayLiteral("\xEF\xBB\xBF") + out.toUtf8();
}

} // namespace vb
