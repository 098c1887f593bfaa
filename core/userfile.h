#pragma once

// The files a planner keeps (projects, catalogues, the list of projects opened last): read only
// when they are regular files and not too large, so that a pipe, a device or a huge file never
// hangs or exhausts the program; written atomically, so that a file is replaced whole or not at
// all; and every failure told with the system's reason in both languages. No widgets.

#include <QtCore/QByteArray>
#include <QtCore/QIODevice>
#include <QtCore/QString>

#include "core/result.h"
#include "core/text.h"

#include <memory>
#include <optional>

namespace vb
{

// What the operating system's error number `code` (errno) means, worded for a planner in both
// languages: a full disk, an exhausted quota, a missing permission, a read-only disk and the like;
// any other error by the system's own text.
Text systemReason(int code);

// The file of the planner's settings (the projects opened last), in the user's configuration
// folder: …/vorbemessung/vorbemessung.ini, for QSettings in its INI format, which writes it whole.
QString userSettingsPath();

// Makes the folder `path` and the folders above it that are missing, as `mkdir -p` does; on
// failure the reason names the folder that could not be made.
Result<> makeFolders(const QString &path);

// Whether the file at `path` is protected from being written: nobody may write it (an archived
// calculation, also protected from an administrator), or this user may not. A read-only disk is
// not the file's protection; writing there fails with its own reason.
bool writeProtected(const QString &path);

// "<file>: <reason>" in both languages, the file in the system's notation.
Text fileReason(const QString &path, const Text &why);

// Reads the file at `path` when it is a regular file of at most `maxBytes` bytes. Anything else
// is refused without reading from it: a folder, a named pipe (without waiting for a writer), a
// device such as /dev/zero, a socket, and a file larger than `maxBytes`, also one that grows
// while it is read. A symbolic link is followed.
Result<QByteArray> readRegularFile(const QString &path, qsizetype maxBytes);

// A file written atomically, piece by piece: the content goes into a new file beside the target
// (`<name>~` and six letters), which commit() flushes to the disk and renames over the target, so
// that the target holds either its old content or the new one whole. Until then, and when the
// object goes without commit(), the target is as it was and the new file is removed. Where the
// target is a symbolic link, the file it points to is replaced and the link stays. A new file gets
// the permissions the user's umask gives; a replaced one keeps its own. A target nobody may write
// (an archived calculation) is refused. The first failure, with the file's name and the system's
// reason, is kept: every later step then fails at once.
class AtomicFile
{
public:
    explicit AtomicFile(const QString &path);
    ~AtomicFile();
    AtomicFile(const AtomicFile &) = delete;
    AtomicFile &operator=(const AtomicFile &) = delete;

    // Makes the new file.
    bool open();
    // Appends to the new file, also where the system takes the bytes in parts.
    bool write(const char *data, qint64 size);
    bool write(const QByteArray &bytes) { return write(bytes.constData(), bytes.size()); }
    // Flushes the new file to the disk and closes it: a full disk shows at the latest here.
    bool finish();
    // Finishes the new file where that is not done, and renames it over the target.
    bool commit();
    // Why a step failed; nothing while none did.
    const std::optional<Text> &failure() const { return m_failure; }
    // A device for a writer that takes one (a PDF writer): what it writes goes to write().
    QIODevice *device();

private:
    bool fail(int code);
    QString m_target;
    QByteArray m_temporary;
    int m_fd = -1;
    bool m_finished = false;
    bool m_committed = false;
    std::optional<Text> m_failure;
    std::unique_ptr<QIODevice> m_device;
};

// Writes `bytes` to `path` as one AtomicFile: the one way the program writes a whole file. On
// failure the reason names the file, and the file is as it was.
Result<> writeFileAtomically(const QString &path, const QByteArray &bytes);

} // namespace vb
