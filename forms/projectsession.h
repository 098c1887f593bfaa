#pragma once

#include "core/projectfile.h"
#include "forms/programtables.h"
#include "reports/sheetitems.h"

#include <QtCore/QObject>
#include <QtCore/QStringList>

#include <memory>
#include <optional>

namespace vb
{

// The project open in this run: its file, its header and positions as stored, and the claim on
// the file that keeps a second running copy from writing it. Every change is written to the file
// at once; a change the file does not take is not made. Failures are reported in message boxes
// that name the file.
class ProjectSession : public QObject
{
    Q_OBJECT

public:
    bool isOpen() const { return !m_path.isEmpty(); }
    // Opened while another running copy holds it: shown, printed, never written.
    bool readOnly() const { return m_readOnly; }
    bool canWrite() const { return isOpen() && !m_readOnly; }
    QString path() const { return m_path; }
    const project::Project &project() const { return m_project; }

    // A new project with `header` and no positions, written to `path` at once. Where a lock
    // another program left is in the way, the planner is asked whether to take it over.
    bool create(const QString &path, const project::Header &header);
    // Reads the project at `path`; a file that does not read leaves the open project as it is.
    // A file held by another running copy, one with more than one name (hard links) and one
    // beside which no lock can be made open read-only, with a message that says why; where a
    // lock is left by a program that no longer runs, is damaged or comes from another computer,
    // the planner chooses: read-only, take the project over, or cancel (false, nothing changes).
    // A project is known by its file's real path, links resolved.
    bool open(const QString &path);
    void close();

    // Stores a position under its number, in the place of one the project holds under that
    // number (the planner was asked in the position dialog). False when not written.
    bool store(const project::Position &position);
    // Copies the position at `index`, with its section, under a number the project does not
    // hold; renumbers it; gives it a description. False, changing nothing, where the number is
    // empty or taken, or the file does not take the change.
    bool copy(qsizetype index, const QString &number, const QString &description);
    bool renumber(qsizetype index, const QString &number, const QString &description);
    bool setDescription(qsizetype index, const QString &description);
    // The place of the position stored under `number`; -1 for none.
    qsizetype indexOf(const QString &number) const;
    // Deletes the position at `index` after asking.
    bool remove(qsizetype index);
    // The header typed in the main menu belongs to the open project.
    void setHeader(const project::Header &header);

    // The projects last opened, newest first, at most five.
    static QStringList recentProjects();

signals:
    // The project, its file or its positions changed.
    void changed();
    // Another project was opened or made: its header goes into the menu.
    void opened();

private:
    bool write(const project::Project &next);
    static void remember(const QString &path);

    QString m_path;
    project::Project m_project;
    bool m_readOnly = false;
    std::unique_ptr<project::ProjectLock> m_lock;
};

ProjectSession &projectSession();

// The first of "7-2", "7-3", … that no position of `project` has.
QString freeNumber(const project::Project &project, const QString &number);

// The positions' places in the natural order of their numbers (1.2 < 1.10 < 2.1), as the
// project window, the cover and the booklet list them.
QList<qsizetype> naturalOrder(const QList<project::Position> &positions);

// The list's and the cover's texts of a stored position.
QString programName(int program, bool english);
QString memberDescription(const ProgramTables &tables, const project::Position &position, bool english);
QString requiredValues(const ProgramTables &tables, const project::Position &position, bool english);
QString sectionText(const project::Position &position);
// The governing bending moment, the largest in magnitude of the program's moments, as the form
// showed it, e.g. "M 123.45 kNcm"; empty for a position without one.
QString momentText(const ProgramTables &tables, const project::Position &position);

// The record a position's sheet is filled from: as "Drucken" fills it from its form, with the
// project's header and the date and time of the position's calculation.
report::FormTexts positionTexts(const project::Header &header, const project::Position &position,
                                bool english, const report::Letterhead &letterhead);

} // namespace vb
