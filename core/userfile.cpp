#include "core/userfile.h"

#include <QtCore/QDir>
#include <QtCore/QFile>
#include <QtCore/QFileInfo>
#include <QtCore/QRandomGenerator>

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vb
{

namespace
{

struct KnownError {
    int code;
    const char *german;
    const char *english;
};

const KnownError kKnownErrors[] = {
    {ENOSPC, "Auf dem Datenträger ist kein Platz mehr frei.", "There is no space left on the disk."},
#ifdef EDQUOT
    {EDQUOT, "Das Speicherkontingent (Quota) ist erschöpft.", "The disk quota is exhausted."},
#endif
    {EACCES, "Keine Berechtigung.", "Permission denied."},
    {EPERM, "Keine Berechtigung.", "Permission denied."},
    {EROFS, "Der Datenträger ist schreibgeschützt.", "The disk is read-only."},
    {ENOENT, "Die Datei oder der Ordner existiert nicht.", "The file or folder does not exist."},
    {ENOTDIR, "Ein Teil des Pfads ist kein Ordner.", "A part of the path is not a folder."},
    {EISDIR, "Das ist ein Ordner.", "This is a folder."},
    {ENAMETOOLONG, "Der Dateiname ist zu lang.", "The file name is too long."},
    {EIO, "Ein- oder Ausgabefehler des Datenträgers.", "Input or output error of the disk."},
    {EMFILE, "Zu viele Dateien sind geöffnet.", "Too many files are open."},
    {ENFILE, "Zu viele Dateien sind geöffnet.", "Too many files are open."},
    {EFBIG, "Die Datei ist zu groß für den Datenträger.", "The file is too large for the disk."},
    {EBUSY, "Die Datei ist belegt.", "The file is busy."},
    {ETXTBSY, "Die Datei ist belegt.", "The file is busy."},
    {ELOOP, "Zu viele symbolische Verknüpfungen.", "Too many symbolic links."},
};

Reason failure(int code)
{
    return systemReason(code);
}

QByteArray encoded(const QString &path)
{
    return QFile::encodeName(path);
}

// Writes all of `bytes`, also where the system takes them in parts; errno on failure.
bool writeAll(int fd, const QByteArray &bytes)
{
    const char *p = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t n = ::write(fd, p, size_t(left));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        if (n == 0) {
            errno = ENOSPC;
            return false;
        }
        p += n;
        left -= n;
    }
    return true;
}

} // namespace

Reason systemReason(int code)
{
    for (const KnownError &known : kKnownErrors) {
        if (known.code == code)
            return {QString::fromUtf8(known.german), QString::fromUtf8(known.english)};
    }
    const QString system = QString::fromLocal8Bit(std::strerror(code));
    return {QStringLiteral("Systemfehler %1: ").arg(code) + system, system};
}

Reason fileReason(const QString &path, const Reason &why)
{
    const QString shown = QDir::toNativeSeparators(path) + QStringLiteral(": ");
    return {shown + why.german, shown + why.english};
}

FileRead readRegularFile(const QString &path, qsizetype maxBytes)
{
    FileRead out;
    const auto refuse = [&out](Reason why, bool tooLarge = false) {
        out.problem = std::move(why);
        out.tooLarge = tooLarge;
        return out;
    };
    const Reason notRegular{QStringLiteral("Das ist keine gewöhnliche Datei."),
                            QStringLiteral("This is not a regular file.")};
    const QString limit = maxBytes >= 1024 * 1024 ? QStringLiteral("%1 MB").arg(maxBytes / (1024 * 1024))
                                                  : QStringLiteral("%1 Bytes").arg(maxBytes);
    const Reason tooLarge{QStringLiteral("Die Datei ist größer als %1 und wird nicht gelesen.").arg(limit),
                          QStringLiteral("The file is larger than %1 and is not read.").arg(limit)};
    const QByteArray name = encoded(path);

    // Judged before the file is opened: opening a pipe would wait for a writer, and opening a
    // device may already do something.
    struct stat before {
    };
    if (::stat(name.constData(), &before) != 0)
        return refuse(failure(errno));
    if (!S_ISREG(before.st_mode))
        return refuse(notRegular);
    if (before.st_size > maxBytes)
        return refuse(tooLarge, true);

    // Judged again on what was opened, should the name have been given to something else since.
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return refuse(failure(errno));
    struct stat opened {
    };
    if (::fstat(fd, &opened) != 0 || !S_ISREG(opened.st_mode)) {
        ::close(fd);
        return refuse(notRegular);
    }
    QByteArray bytes;
    bytes.reserve(qsizetype(opened.st_size));
    char chunk[65536];
    for (;;) {
        const ssize_t n = ::read(fd, chunk, sizeof chunk);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            const int code = errno;
            ::close(fd);
            return refuse(failure(code));
        }
        if (n == 0)
            break;
        if (bytes.size() + n > maxBytes) {
            ::close(fd);
            return refuse(tooLarge, true);
        }
        bytes.append(chunk, qsizetype(n));
    }
    ::close(fd);
    out.bytes = std::move(bytes);
    return out;
}

std::optional<Reason> writeFileAtomically(const QString &path, const QByteArray &bytes)
{
    // A link stays a link: the file it points to is the one replaced.
    QString target = path;
    const QFileInfo info(path);
    if (info.isSymLink()) {
        const QString resolved = info.canonicalFilePath();
        target = resolved.isEmpty() ? info.symLinkTarget() : resolved;
    }
    const QByteArray targetName = encoded(target);
    const auto fail = [&target](int code) { return fileReason(target, failure(code)); };

    struct stat existing {
    };
    const bool replaces = ::stat(targetName.constData(), &existing) == 0;
    if (replaces && !S_ISREG(existing.st_mode))
        return fileReason(target, {QStringLiteral("Das ist keine gewöhnliche Datei."),
                                   QStringLiteral("This is not a regular file.")});

    // The new content goes into a file of its own beside the old one; the rename replaces the
    // name in one step, so a crash or a full disk leaves the old file whole.
    QByteArray temporary;
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        temporary = targetName + ".tmp-" + QByteArray::number(QRandomGenerator::global()->generate(), 16);
        fd = ::open(temporary.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST)
            return fail(errno);
    }
    if (fd < 0)
        return fail(EEXIST);
    const auto abandon = [&](int code) {
        ::close(fd);
        ::unlink(temporary.constData());
        return fail(code);
    };
    if (replaces && ::fchmod(fd, existing.st_mode & 07777) != 0 && errno != EPERM)
        return abandon(errno);
    if (!writeAll(fd, bytes))
        return abandon(errno);
    // A full disk may only show when the data reach it.
    if (::fsync(fd) != 0)
        return abandon(errno);
    if (::close(fd) != 0) {
        const int code = errno;
        ::unlink(temporary.constData());
        return fail(code);
    }
    if (::rename(temporary.constData(), targetName.constData()) != 0) {
        const int code = errno;
        ::unlink(temporary.constData());
        return fail(code);
    }
    // The rename itself reaches the disk with the folder.
    const QByteArray folder = encoded(QFileInfo(target).absolutePath());
    if (const int dir = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC); dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
    return std::nullopt;
}

} // namespace vb
