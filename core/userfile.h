#pragma once

// The files a planner keeps (projects, catalogues, the list of projects opened last): read only
// when they are regular files and not too large, so that a pipe, a device or a huge file never
// hangs or exhausts the program; written atomically, so that a file is replaced whole or not at
// all; and every failure told with the system's reason in both languages. No widgets.

#include <QtCore/QByteArray>
#include <QtCore/QString>

#include <optional>

namespace vb
{

// A reason in the planner's two languages.
struct Reason {
    QString german;
    QString english;
    QString text(bool inEnglish) const { return inEnglish ? english : german; }
    bool isEmpty() const { return german.isEmpty() && english.isEmpty(); }
};

// What the operating system's error number `code` (errno) means, worded for a planner in both
// languages: a full disk, an exhausted quota, a missing permission, a read-only disk and the like;
// any other error by the system's own text.
Reason systemReason(int code);

// "<file>: <reason>" in both languages, the file in the system's notation.
Reason fileReason(const QString &path, const Reason &why);

struct FileRead {
    std::optional<QByteArray> bytes; // the whole file, when it was read
    Reason problem;                  // why not, without the file's name
    bool tooLarge = false;
};

// Reads the file at `path` when it is a regular file of at most `maxBytes` bytes. Anything else
// is refused without reading from it: a folder, a named pipe (without waiting for a writer), a
// device such as /dev/zero, a socket, and a file larger than `maxBytes`, also one that grows
// while it is read. A symbolic link is followed.
FileRead readRegularFile(const QString &path, qsizetype maxBytes);

// Writes `bytes` to `path` atomically: into a new file beside it, flushed to the disk, then renamed
// over it, so that the file holds either its old content or the new one whole. Where `path` is a
// symbolic link, the file it points to is replaced and the link stays. A new file gets the
// permissions the user's umask gives; a replaced one keeps its own. Nothing on success; else the
// reason (with the file's name), and the file is as it was.
std::optional<Reason> writeFileAtomically(const QString &path, const QByteArray &bytes);

} // namespace vb
