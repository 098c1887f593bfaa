#include "forms/projectsession.h"

#include "core/naturalorder.h"
#include "core/numberreader.h"

#include "forms/programform.h"
#include "forms/programlist.h"
#include "forms/shell.h"
#include "reports/sheetitems.h"

#include <QtCore/QDir>
#include <QtCore/QFile>
#include <QtCore/QFileInfo>
#include <QtCore/QSettings>
#include <QtCore/QStandardPaths>

#include <algorithm>
#include <cmath>
#include <memory>
#include <numeric>

#include <sys/stat.h>

namespace vb
{

namespace
{
constexpr int kRecentCount = 5;

const Caption kProjectCaption = {"", "Projekt", "Project"};
const Caption kCannotOpen = {"", "Das Projekt %1 kann nicht geöffnet werden:\n%2",
                             "The project %1 cannot be opened:\n%2"};
const Caption kOpenElsewhere = {
    "",
    "Das Projekt %1 ist in einem anderen laufenden Programm geöffnet.\nEs wird schreibgeschützt "
    "geöffnet: Positionen und Kopfdaten werden nicht gespeichert.",
    "The project %1 is open in another running program.\nIt is opened read-only: positions and "
    "header are not saved."};
const Caption kLockedForNew = {"", "Das Projekt %1 ist in einem anderen laufenden Programm geöffnet.",
                               "The project %1 is open in another running program."};
const Caption kNoLock = {
    "",
    "Neben dem Projekt %1 kann keine Sperrdatei angelegt werden: im Ordner darf nicht geschrieben "
    "werden, oder der Datenträger ist schreibgeschützt.\nEs wird schreibgeschützt geöffnet: Positionen "
    "und Kopfdaten werden nicht gespeichert.",
    "No lock file can be made beside the project %1: the folder may not be written to, or the disk is "
    "read-only.\nIt is opened read-only: positions and header are not saved."};
const Caption kNoLockForNew = {
    "",
    "Das Projekt %1 kann nicht angelegt werden: neben ihm kann keine Sperrdatei angelegt werden, im "
    "Ordner darf nicht geschrieben werden, oder der Datenträger ist schreibgeschützt.",
    "The project %1 cannot be made: no lock file can be made beside it, the folder may not be written "
    "to, or the disk is read-only."};
const Caption kLocked = {"", "Das Projekt %1 ist gesperrt.", "The project %1 is locked."};
const Caption kLockEnded = {
    "",
    "Die Sperre stammt von einem Programm auf diesem Rechner, das nicht mehr läuft, etwa nach einem "
    "Absturz.",
    "The lock comes from a program on this computer that no longer runs, for instance after a crash."};
const Caption kLockDamaged = {
    "", "Die Sperrdatei ist beschädigt: sie sagt nicht, welches Programm das Projekt geöffnet hat.",
    "The lock file is damaged: it does not say which program has the project open."};
const Caption kLockOtherComputer = {
    "",
    "Die Sperre stammt von einem anderen Rechner. Ob das Projekt dort noch geöffnet ist, kann von hier "
    "aus nicht geprüft werden: übernehmen Sie es nur, wenn es dort nicht mehr geöffnet ist.",
    "The lock comes from another computer. Whether the project is still open there cannot be checked "
    "from here: take it over only if it is no longer open there."};
const Caption kLockHost = {"", "Rechner: %1", "Computer: %1"};
const Caption kLockProcess = {"", "Prozessnummer: %1", "Process number: %1"};
const Caption kLockProgram = {"", "Programm: %1", "Program: %1"};
const Caption kLockWritten = {"", "Sperrdatei geschrieben: %1", "Lock file written: %1"};
const Caption kLockTime = {"", "dd.MM.yyyy HH:mm:ss", "yyyy-MM-dd HH:mm:ss"};
const Caption kOpenReadOnly = {"", "Schreibgeschützt öffnen", "Open read-only"};
const Caption kTakeOver = {"", "Übernehmen", "Take over"};
const Caption kTakeOverFailed = {
    "",
    "Die Sperre des Projekts %1 kann nicht aufgehoben werden.\nEs wird schreibgeschützt geöffnet: "
    "Positionen und Kopfdaten werden nicht gespeichert.",
    "The lock of the project %1 cannot be removed.\nIt is opened read-only: positions and header are "
    "not saved."};
const Caption kTakeOverFailedForNew = {"", "Die Sperre des Projekts %1 kann nicht aufgehoben werden.",
                                       "The lock of the project %1 cannot be removed."};
const Caption kHardLinks = {
    "",
    "Die Datei %1 hat %2 Namen (harte Verknüpfungen). Gespeichert wird eine neue Datei unter einem "
    "der Namen, die anderen behielten den alten Stand.\nSie wird schreibgeschützt geöffnet: Positionen "
    "und Kopfdaten werden nicht gespeichert.",
    "The file %1 has %2 names (hard links). Saving writes a new file under one of the names, the "
    "others would keep the old state.\nIt is opened read-only: positions and header are not saved."};
const Caption kWriteProtected = {
    "",
    "Die Datei %1 ist schreibgeschützt.\nSie wird schreibgeschützt geöffnet: Positionen und Kopfdaten werden "
    "nicht gespeichert.",
    "The file %1 is write-protected.\nIt is opened read-only: positions and header are not saved."};
const Caption kCannotSave = {"", "Das Projekt kann nicht gespeichert werden:\n%1",
                             "The project cannot be saved:\n%1"};
const Caption kCancel = {"", "Abbrechen", "Cancel"};
const Caption kDeleteQuestion = {"", "Position %1 löschen?", "Delete position %1?"};
const Caption kDelete = {"", "Löschen", "Delete"};
const Caption kProgram = {"", "Programm %1", "Program %1"};

QString text(const Caption &caption)
{
    return captionText(caption, shell::english());
}

QString native(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

// How many names (hard links) the file at `path` has; 1 where that cannot be told.
nlink_t nameCount(const QString &path)
{
    struct stat st {
    };
    return ::stat(QFile::encodeName(path).constData(), &st) == 0 ? st.st_nlink : 1;
}

// A text a lock file gives, as a message shows it: a damaged one may hold anything.
QString fromLockFile(const QString &s)
{
    return s.size() > 80 ? s.left(80) + u'…' : s;
}

// Who holds the project, as far as its lock file tells, and what became of that program.
QString holderText(const project::LockHolder &holder)
{
    using State = project::LockHolder::State;
    QStringList lines;
    if (!holder.host.isEmpty())
        lines << text(kLockHost).arg(fromLockFile(holder.host));
    if (holder.pid > 0)
        lines << text(kLockProcess).arg(holder.pid);
    if (!holder.program.isEmpty())
        lines << text(kLockProgram).arg(fromLockFile(holder.program));
    if (holder.modified.isValid())
        lines << text(kLockWritten).arg(holder.modified.toString(text(kLockTime)));
    const Caption &what = holder.state == State::Ended     ? kLockEnded
                          : holder.state == State::Damaged ? kLockDamaged
                                                           : kLockOtherComputer;
    return lines.join(u'\n') + QStringLiteral("\n\n") + text(what);
}

enum class Claim { Writable, ReadOnly, Cancelled };

// Claims the project at `path` for this run, or says why not. Where a lock another program left
// is in the way, the planner decides: open read-only, take the project over, or cancel. A new
// project is never made read-only.
Claim claim(project::ProjectLock &lock, const QString &path, bool fresh)
{
    using State = project::LockHolder::State;
    if (lock.tryLock())
        return Claim::Writable;
    const project::LockHolder &holder = lock.holder();
    const QString shown = native(path);
    const auto refuse = [&](const Caption &forOpen, const Caption &forNew) {
        if (fresh) {
            shell::message({QMessageBox::Warning, text(kProjectCaption), text(forNew).arg(shown)});
            return Claim::Cancelled;
        }
        shell::message({QMessageBox::Information, text(kProjectCaption), text(forOpen).arg(shown)});
        return Claim::ReadOnly;
    };
    if (holder.state == State::Running)
        return refuse(kOpenElsewhere, kLockedForNew);
    if (holder.state == State::NoLock)
        return refuse(kNoLock, kNoLockForNew);

    QStringList answers;
    if (!fresh)
        answers << text(kOpenReadOnly);
    const qsizetype takeOver = answers.size();
    answers << text(kTakeOver) << text(kCancel);
    const int answer =
        shell::ask({QMessageBox::Warning, text(kProjectCaption),
                    text(kLocked).arg(shown) + QStringLiteral("\n\n") + holderText(holder), answers});
    if (answer == 0 && !fresh)
        return Claim::ReadOnly;
    if (answer != takeOver)
        return Claim::Cancelled;
    if (lock.takeOver())
        return Claim::Writable;
    return refuse(kTakeOverFailed, kTakeOverFailedForNew);
}

void reportSaveFailure(const Text &why)
{
    shell::message(
        {QMessageBox::Critical, text(kProjectCaption), text(kCannotSave).arg(why.in(shell::english()))});
}

} // namespace

ProjectSession &projectSession()
{
    static ProjectSession session;
    return session;
}

bool ProjectSession::create(const QString &path, const project::Header &header)
{
    const QString real = project::canonicalProjectPath(path);
    // A new project in the open project's file keeps this run's claim on it.
    std::unique_ptr<project::ProjectLock> lock;
    const bool own = real == m_path && m_lock;
    if (own) {
        lock = std::move(m_lock);
    } else {
        lock = std::make_unique<project::ProjectLock>(real);
        if (claim(*lock, real, true) != Claim::Writable)
            return false;
    }
    const project::Project fresh{header, {}};
    if (const Result<> saved = project::saveProject(real, fresh); !saved) {
        reportSaveFailure(saved.reason());
        if (own)
            m_lock = std::move(lock);
        return false;
    }
    m_lock = std::move(lock);
    m_path = real;
    m_project = fresh;
    m_readOnly = false;
    remember(m_path);
    emit opened();
    emit changed();
    return true;
}

bool ProjectSession::open(const QString &path)
{
    const QString real = project::canonicalProjectPath(path);
    const auto load = [&real] {
        Result<project::Project> read = project::loadProject(real, knownFields());
        if (!read)
            shell::message({QMessageBox::Critical, text(kProjectCaption),
                            text(kCannotOpen).arg(native(real), read.reason().in(shell::english()))});
        return read;
    };
    const QFileInfo before(real);
    const QDateTime readAt = before.lastModified();
    const qint64 sizeAt = before.size();
    Result<project::Project> read = load();
    if (!read)
        return false;
    std::unique_ptr<project::ProjectLock> lock;
    bool readOnly = false;
    if (writeProtected(real)) {
        // A file nobody may write was protected on purpose, an archived calculation say.
        readOnly = true;
        shell::message(
            {QMessageBox::Information, text(kProjectCaption), text(kWriteProtected).arg(native(real))});
    } else if (const nlink_t names = nameCount(real); names > 1) {
        // Saving replaces the file by a new one under this name alone.
        readOnly = true;
        shell::message({QMessageBox::Information, text(kProjectCaption),
                        text(kHardLinks).arg(native(real), QString::number(names))});
    } else if (real == m_path && m_lock) {
        // The same project opened again keeps its own claim on the file.
        lock = std::move(m_lock);
    } else {
        lock = std::make_unique<project::ProjectLock>(real);
        const Claim claimed = claim(*lock, real, false);
        if (claimed == Claim::Cancelled)
            return false;
        readOnly = claimed == Claim::ReadOnly;
        if (readOnly)
            lock.reset();
        // The program that held the project may have stored it while the planner was asked:
        // what is taken over is the file as it is now.
        const QFileInfo now(real);
        if (claimed == Claim::Writable && (now.lastModified() != readAt || now.size() != sizeAt)) {
            read = load();
            if (!read)
                return false;
        }
    }
    m_lock = std::move(lock);
    m_path = real;
    m_project = std::move(read).value();
    m_readOnly = readOnly;
    remember(m_path);
    emit opened();
    emit changed();
    return true;
}

void ProjectSession::close()
{
    m_lock.reset();
    m_path.clear();
    m_project = {};
    m_readOnly = false;
    emit changed();
}

bool ProjectSession::write(const project::Project &next)
{
    if (!canWrite())
        return false;
    if (const Result<> saved = project::saveProject(m_path, next); !saved) {
        reportSaveFailure(saved.reason());
        return false;
    }
    m_project = next;
    emit changed();
    return true;
}

bool ProjectSession::store(const project::Position &position)
{
    if (!canWrite())
        return false;
    project::Project next = m_project;
    const qsizetype same = indexOf(position.number);
    if (same < 0)
        next.positions.append(position);
    else
        next.positions[same] = position;
    return write(next);
}

qsizetype ProjectSession::indexOf(const QString &number) const
{
    return project::indexOfNumber(m_project, number);
}

bool ProjectSession::copy(qsizetype index, const QString &number, const QString &description)
{
    if (!canWrite() || index < 0 || index >= m_project.positions.size() || number.isEmpty() ||
        indexOf(number) >= 0)
        return false;
    project::Project next = m_project;
    project::Position copied = next.positions[index];
    copied.number = number;
    copied.description = description;
    // The copy follows its original, where the planner looks for it in the file.
    next.positions.insert(index + 1, copied);
    return write(next);
}

bool ProjectSession::renumber(qsizetype index, const QString &number, const QString &description)
{
    if (!canWrite() || index < 0 || index >= m_project.positions.size() || number.isEmpty())
        return false;
    const qsizetype holder = indexOf(number);
    if (holder >= 0 && holder != index)
        return false;
    project::Project next = m_project;
    next.positions[index].number = number;
    next.positions[index].description = description;
    return next == m_project || write(next);
}

bool ProjectSession::setDescription(qsizetype index, const QString &description)
{
    if (!canWrite() || index < 0 || index >= m_project.positions.size())
        return false;
    if (m_project.positions[index].description == description)
        return true;
    project::Project next = m_project;
    next.positions[index].description = description;
    return write(next);
}

bool ProjectSession::remove(qsizetype index)
{
    if (!canWrite() || index < 0 || index >= m_project.positions.size())
        return false;
    const int answer = shell::ask({QMessageBox::Question,
                                   text(kProjectCaption),
                                   text(kDeleteQuestion).arg(m_project.positions[index].number),
                                   {text(kDelete), text(kCancel)}});
    if (answer != 0)
        return false;
    project::Project next = m_project;
    next.positions.removeAt(index);
    return write(next);
}

void ProjectSession::setHeader(const project::Header &header)
{
    if (!canWrite() || header == m_project.header)
        return;
    project::Project next = m_project;
    next.header = header;
    write(next);
}

namespace
{
const QString kRecentKey = QStringLiteral("projekte/zuletzt");

// The list as the program kept it before it went into the settings: one path a line.
QString oldRecentListFile()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/vorbemessung/projekte-zuletzt.txt");
}

// A list the planner never sees as a file: what reads, without doubles, at most kRecentCount.
QStringList usablePaths(const QStringList &lines)
{
    QStringList paths;
    for (const QString &line : lines) {
        const QString path = line.trimmed();
        if (!path.isEmpty() && QFileInfo(path).isAbsolute() && !paths.contains(path))
            paths << path;
        if (paths.size() == kRecentCount)
            break;
    }
    return paths;
}
} // namespace

QStringList ProjectSession::recentProjects()
{
    QSettings settings(userSettingsPath(), QSettings::IniFormat);
    if (settings.contains(kRecentKey))
        return usablePaths(settings.value(kRecentKey).toStringList());
    // The list of an earlier version, taken over once.
    const Result<QByteArray> file = readRegularFile(oldRecentListFile(), 64 * 1024);
    const QStringList paths =
        file ? usablePaths(QString::fromUtf8(*file).split(QLatin1Char('\n'))) : QStringList();
    // A list that could not be read this time is tried again the next time.
    if (file || !QFileInfo::exists(oldRecentListFile()))
        settings.setValue(kRecentKey, paths);
    return paths;
}

void ProjectSession::remember(const QString &path)
{
    QStringList paths = recentProjects();
    paths.removeAll(path);
    paths.prepend(path);
    while (paths.size() > kRecentCount)
        paths.removeLast();
    // Not worth a message when it fails: the list only saves the planner a search.
    QSettings(userSettingsPath(), QSettings::IniFormat).setValue(kRecentKey, paths);
}

QString programName(int program, bool english)
{
    return captionText(kProgram, english).arg(program);
}

QString memberDescription(const ProgramTables &tables, const project::Position &position, bool english)
{
    for (const MemberSummary &summary : tables.summaries) {
        if (summary.option && !position.options.value(QString::fromLatin1(summary.option)))
            continue;
        QStringList values;
        for (const SummaryValue &value : summary.values) {
            const QString typed = position.inputs.value(QString::fromLatin1(value.field)).trimmed();
            if (!typed.isEmpty())
                values << QStringLiteral("%1 %2 %3")
                              .arg(QString::fromUtf8(value.symbol), typed, QString::fromUtf8(value.unit));
        }
        const QString member = captionText(summary.member, english);
        return values.isEmpty() ? member : member + QLatin1Char(' ') + values.join(QStringLiteral(", "));
    }
    return {};
}

QString requiredValues(const ProgramTables &tables, const project::Position &position, bool english)
{
    QStringList values;
    for (const SectionRequirement &requirement : tables.sectionRequirements) {
        values << QStringLiteral("%1 %2 %3")
                      .arg(captionText(requirement.label, english),
                           position.results.value(QString::fromLatin1(requirement.field)),
                           sections::unitOf(requirement.quantity));
    }
    return values.join(QStringLiteral(", "));
}

QString freeNumber(const project::Project &project, const QString &number)
{
    for (int n = 2;; ++n) {
        // Concatenated: the number is the planner's text and may hold "%1".
        const QString candidate = number + u'-' + QString::number(n);
        if (project::indexOfNumber(project, candidate) < 0)
            return candidate;
    }
}

QList<qsizetype> naturalOrder(const QList<project::Position> &positions)
{
    QList<qsizetype> order(positions.size());
    std::iota(order.begin(), order.end(), qsizetype(0));
    std::stable_sort(order.begin(), order.end(), [&](qsizetype a, qsizetype b) {
        return naturalCompare(positions[a].number, positions[b].number) < 0;
    });
    return order;
}

QString momentText(const ProgramTables &tables, const project::Position &position)
{
    QString governing;
    double largest = -1;
    for (const char *field : tables.momentFields) {
        const QString shown = position.results.value(QString::fromLatin1(field)).trimmed();
        const std::optional<double> value = readNumber(shown);
        if (value && std::abs(*value) > largest) {
            largest = std::abs(*value);
            governing = shown;
        }
    }
    return governing.isEmpty() ? QString() : QStringLiteral("M %1 kNcm").arg(governing);
}

QString sectionText(const project::Position &position)
{
    // The list and the cover name the section and its utilisation only; the sheet has its line.
    if (position.section.isEmpty())
        return {};
    return QStringLiteral("%1 (%2 %)").arg(position.section, QString::number(position.sectionUtilisation));
}

report::FormTexts positionTexts(const project::Header &header, const project::Position &position,
                                bool english, const report::Letterhead &letterhead)
{
    report::FormTexts texts;
    texts.english = english;
    texts.header.project = header.project;
    texts.header.positionNumber = position.number;
    texts.header.company = header.company;
    texts.header.creator = header.creator;
    texts.header.date = position.date;
    texts.header.time = position.time;
    for (auto it = position.inputs.begin(); it != position.inputs.end(); ++it)
        texts.fields.insert(it.key(), it.value());
    for (auto it = position.results.begin(); it != position.results.end(); ++it)
        texts.fields.insert(it.key(), it.value());
    for (auto it = position.options.begin(); it != position.options.end(); ++it)
        texts.options.insert(it.key(), it.value());
    texts.sectionName = position.section;
    texts.sectionUtilisation = position.sectionUtilisation;
    texts.description = position.description;
    texts.letterhead = letterhead;
    return texts;
}

} // namespace vb
