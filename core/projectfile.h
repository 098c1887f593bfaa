#pragma once

// The project file: a whole building in one file, its header and the positions the planner
// calculated, each as its program form held it. UTF-8 JSON that a person can read and compare
// line by line. Written atomically with the previous state kept beside it; read defensively: a
// file that is not exactly what this program writes is refused whole, with the reason, and never
// half read. No widgets.
//
// The file, keys in this order (not alphabetical), four blanks a level, a line break at the end:
//
//   {
//       "format": "vorbemessung-projekt",
//       "version": 2,
//       "header": {
//           "project": "Bürohaus Nord",
//           "company": "Musterbau",
//           "creator": "A. Planer"
//       },
//       "positions": [
//           {
//               "number": "1.01",
//               "description": "EG Pfosten Achse A-F",
//               "program": 1,
//               "options": {
//                   "RadioButton1": true
//               },
//               "inputs": {
//                   "Edit1": "2,5"
//               },
//               "results": {
//                   "Edit8": "12.34"
//               },
//               "date": "12.03.2024",
//               "time": "14:05",
//               "section": {
//                   "name": "50 x 100 x 3",
//                   "utilisation": 87
//               }
//           }
//       ]
//   }
//
// Options, inputs and results by objectName in the order of QString's operator< ("Edit10"
// before "Edit2"); "description" only where the planner gave one (format 2), "section" only where
// one was chosen. Texts are written as UTF-8, with only
// the quotation mark, the backslash, control characters and unpaired UTF-16 surrogates
// escaped, so that every text the program holds reads back the same.

#include "core/userfile.h"

#include <QtCore/QByteArray>
#include <QtCore/QDateTime>
#include <QtCore/QList>
#include <QtCore/QLockFile>
#include <QtCore/QMap>
#include <QtCore/QSet>
#include <QtCore/QString>

#include <functional>
#include <optional>

namespace vb::project
{

inline constexpr char kFormatName[] = "vorbemessung-projekt";
// The newest format this version reads. Format 2 added a position's description; a project
// without descriptions is still written as format 1, which earlier versions of the program read.
inline constexpr int kFormatVersion = 2;
// The largest project file, for reading and for writing alike: files larger than this are refused
// without reading them, and a change that would make the file larger is not stored. A position
// of the largest form (Programm 5: 14 inputs, 7 results, a section) takes about 1.2 kB, so a
// building of 10,000 positions (12 MB) fits five times over.
inline constexpr qsizetype kMaxProjectBytes = 64 * 1024 * 1024;
// The longest text of the header or of a position: as much as a line field of the forms holds
// (QLineEdit's maxLength). A longer one would be cut where it is shown and stored cut.
inline constexpr qsizetype kMaxTextLength = 32767;
inline constexpr char kFileSuffix[] = ".vorbemessung";

struct Header {
    QString project;
    QString company;
    QString creator;
    bool operator==(const Header &) const = default;
};

// One position as its program form holds it: the texts exactly as typed and shown.
struct Position {
    QString number;
    int program = 0;                // 1 … 6
    QMap<QString, bool> options;    // option buttons by objectName
    QMap<QString, QString> inputs;  // input fields by objectName
    QMap<QString, QString> results; // result fields by objectName
    QString date;                   // of the calculation the position was stored from
    QString time;                   // both as the form showed them
    QString section;                // empty: no section chosen
    int sectionUtilisation = 0;     // whole per cent as shown; kept only with a section
    QString description;            // what the position is ("EG Pfosten Achse A-F"); may be empty
    bool operator==(const Position &) const = default;
};

struct Project {
    Header header;
    QList<Position> positions;
    bool operator==(const Project &) const = default;
};

// The place of the position stored under `number`; -1 for none.
qsizetype indexOfNumber(const Project &project, const QString &number);

// The fields and option buttons of a program's form, by objectName; the forms know them.
struct ProgramFields {
    QSet<QString> inputs;
    QSet<QString> results;
    QSet<QString> options;
};
// The fields of program 1 … 6; nullptr for a program there is not.
using KnownFields = std::function<const ProgramFields *(int program)>;

// The oldest format that holds everything `project` holds.
int formatVersionFor(const Project &project);

// The file's bytes for `project`: the same project always gives the same bytes.
QByteArray writeProject(const Project &project);

// Reads a project from a file's bytes: the project, or why not (a sentence without the file's
// name, which the caller adds). A file from a newer version of the program fails as
// NewerVersion, one larger than kMaxProjectBytes as TooLarge. Refuses the whole file when it is larger than
// kMaxProjectBytes, not UTF-8 (a byte-order mark is allowed), not a JSON object, holds a control
// character inside a text or an escape JSON does not know (both named with their line), has a
// key twice in one object, is not a project file of this program or comes from a newer version
// of it, or when anything in it is of the wrong kind, missing, unknown or outside its range: a
// program outside 1 … 6 or one `known` does not know, a field or option button the program's
// form does not have, a utilisation outside 0 … 1000 %, a text longer than kMaxTextLength. A
// reason about a position names it by its place in the list (from 1) and its number.
Result<Project> readProject(const QByteArray &bytes, const KnownFields &known);

// Stores `project` at `path` atomically: the new file replaces the old one whole or not at all.
// The previous content is kept beside it as `<path>.bak` (replaced each time, itself written
// atomically; left as it is when the project is stored unchanged, so that it keeps the state
// before). Refuses, writing nothing, a project it could not read back: a program outside 1 … 6,
// a utilisation outside 0 … 1000 %, a text longer than kMaxTextLength, a file larger than
// kMaxProjectBytes. On failure the reason names the file
// and, for a failure of the disk, the system's reason; the file at `path` is then as it was.
Result<> saveProject(const QString &path, const Project &project);

// Reads the project file at `path` when it is a regular file: a file larger than
// kMaxProjectBytes is refused before it is read; an I/O failure gives the system's reason.
Result<Project> loadProject(const QString &path, const KnownFields &known);

// The one name of the file a project is kept in: `path` made absolute, with symbolic links
// resolved (of the file, or of its folder for a file not made yet), so that two names of one
// file are one project with one lock.
QString canonicalProjectPath(const QString &path);

// What a lock file that keeps a project from being claimed tells, and what became of the
// program that made it.
struct LockHolder {
    enum class State {
        Running,       // a program on this computer that still runs holds the project
        Ended,         // left by a program on this computer that no longer runs
        OtherComputer, // made on another computer: whether its program runs cannot be checked here
        Damaged,       // the lock file does not say who made it
        NoLock,        // no lock file can be made beside the project (permission, read-only disk)
    };
    State state = State::Running;
    qint64 pid = 0;     // 0 where the lock file does not tell
    QString host;       // the computer's name, as the lock file gives it
    QString program;    // the program's name, as the lock file gives it
    QDateTime modified; // when the lock file was made; invalid without one
};

// The claim of one running program on a project file, so that two never write one project: a
// lock file `<path>.lock` beside it, held until the object is destroyed. A lock that is not
// this program's own is never taken over unasked: not one left by a copy on this computer whose
// process is gone, nor a damaged one, nor one from another computer (a lock does not go stale by
// its age: a project stays open for hours, and a lock on a shared drive cannot be checked for its
// process); the planner decides (takeOver()).
class ProjectLock
{
public:
    explicit ProjectLock(const QString &projectPath);

    // False while the project cannot be claimed; holder() then says why.
    bool tryLock();
    const LockHolder &holder() const { return m_holder; }
    // Removes a lock another program left and claims the project. Fails, and holder() says why,
    // where the lock file cannot be removed, also while a program on this computer (or one on a
    // shared drive that passes file locks on) still holds it.
    bool takeOver();

private:
    bool claim(bool askAboutEnded);
    // Whether the lock file is one a program on this computer left when it ended; holder() then
    // says so.
    bool leftByEndedProgram();

    QString m_path;
    QLockFile m_lock; // releases the lock when destroyed
    LockHolder m_holder;
};

} // namespace vb::project
