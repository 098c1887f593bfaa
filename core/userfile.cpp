#include "core/userfile.h"

#include <QtCore/QDir>
#include <QtCore/QFile>
#include <QtCore/QFileInfo>
#include <QtCore/QRandomGenerator>
#include <QtCore/QStandardPaths>

#include <cerrno>
#include <cstring>
#include <utility>

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

// Makes the folder `path` and the folders above it that are missing, as `mkdir -p` does; 0, or
// the system's error number of the folder that could not be made.
int makeFoldersAt(const QByteArray &path, int depth = 0)
{
    const auto isFolder = [&path] {
        struct stat st {
        };
        return ::stat(path.constData(), &st) == 0 && S_ISDIR(st.st_mode) ? 0 : ENOTDIR;
    };
    if (::mkdir(path.constData(), 0777) == 0)
        return 0;
    const int code = errno;
    if (code == EEXIST)
        return isFolder();
    const qsizetype slash = path.lastIndexOf('/');
    if (code != ENOENT || slash <= 0 || depth > 100)
        return code;
    if (const int above = makeFoldersAt(path.left(slash), depth + 1))
        return above;
    if (::mkdir(path.constData(), 0777) == 0)
        return 0;
    return errno == EEXIST ? isFolder() : errno;
}

} // namespace

Text systemReason(int code)
{
    for (const KnownError &known : kKnownErrors) {
        if (known.code == code)
            return {QString::fromUtf8(known.german), QString::fromUtf8(known.english)};
    }
    const QString system = QString::fromLocal8Bit(std::strerror(code));
    return {QStringLiteral("Systemfehler %1: ").arg(code) + system, system};
}

QString userSettingsPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/vorbemessung/vorbemessung.ini");
}

Result<> makeFolders(const QString &path)
{
    if (const int code = makeFoldersAt(encoded(QDir::cleanPath(QDir(path).absolutePath()))))
        return failure(fileReason(path, systemReason(code)));
    return {};
}

bool writeProtected(const QString &path)
{
    struct stat st {
    };
    const QByteArray name = encoded(path);
    if (::stat(name.constData(), &st) != 0)
        return false;
    return (st.st_mode & 0222) == 0 ||
           (::access(name.constData(), W_OK) != 0 && (errno == EACCES || errno == EPERM));
}

Text fileReason(const QString &path, const Text &why)
{
    const QString shown = QDir::toNativeSeparators(path) + QStringLiteral(": ");
    return {shown + why.german, shown + why.english};
}

Result<QByteArray> readRegularFile(const QString &path, qsizetype maxBytes)
{
    const auto refuse = [](Text why, bool tooLarge = false) -> Result<QByteArray> {
        return failure(std::move(why), tooLarge ? FailureKind::TooLarge : FailureKind::Refused);
    };
    const Text notRegular{QStringLiteral("Das ist keine gewöhnliche Datei."),
                          QStringLiteral("This is not a regular file.")};
    const QString limit = maxBytes >= 1024 * 1024 ? QStringLiteral("%1 MB").arg(maxBytes / (1024 * 1024))
                                                  : QStringLiteral("%1 Bytes").arg(maxBytes);
    const Text tooLarge{QStringLiteral("Die Datei ist größer als %1 und wird nicht gelesen.").arg(limit),
                        QStringLiteral("The file is larger than %1 and is not read.").arg(limit)};
    const QByteArray name = encoded(path);

    // Judged before the file is opened: opening a pipe would wait for a writer, and opening a
    // device may already do something.
    struct stat before {
    };
    if (::stat(name.constData(), &before) != 0)
        return refuse(systemReason(errno));
    if (!S_ISREG(before.st_mode))
        return refuse(notRegular);
    if (before.st_size > maxBytes)
        return refuse(tooLarge, true);

    // Judged again on what was opened, should the name have been given to something else since.
    int fd = -1;
    do
        fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    while (fd < 0 && errno == EINTR);
    if (fd < 0)
        return refuse(systemReason(errno));
    struct stat opened {
    };
    if (::fstat(fd, &opened) != 0) {
        const int code = errno;
        ::close(fd);
        return refuse(systemReason(code));
    }
    if (!S_ISREG(opened.st_mode) || opened.st_size > maxBytes) {
        ::close(fd);
        return S_ISREG(opened.st_mode) ? refuse(tooLarge, true) : refuse(notRegular);
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
            return refuse(systemReason(code));
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
    return bytes;
}

namespace
{
// What a writer puts on the device goes to the atomic file; a write the disk does not take fails
// the writer's next step too.
class AtomicFileDevice final : public QIODevice
{
public:
    explicit AtomicFileDevice(AtomicFile &file) : m_file(file)
    {
        open(QIODevice::WriteOnly | QIODevice::Unbuffered);
    }
    bool isSequential() const override { return true; }

protected:
    qint64 readData(char *, qint64) override { return -1; }
    qint64 writeData(const char *data, qint64 length) override
    {
        return m_file.write(data, length) ? length : -1;
    }

private:
    AtomicFile &m_file;
};
} // namespace

AtomicFile::AtomicFile(const QString &path) : m_target(path)
{
    // A link stays a link: the file it points to is the one replaced.
    const QFileInfo info(path);
    if (info.isSymLink()) {
        const QString resolved = info.canonicalFilePath();
        m_target = resolved.isEmpty() ? info.symLinkTarget() : resolved;
    }
}

AtomicFile::~AtomicFile()
{
    m_device.reset();
    if (m_fd >= 0)
        ::close(m_fd);
    if (!m_temporary.isEmpty() && !m_committed)
        ::unlink(m_temporary.constData());
}

bool AtomicFile::fail(int code)
{
    if (!m_failure)
        m_failure = fileReason(m_target, systemReason(code));
    return false;
}

bool AtomicFile::open()
{
    if (m_failure)
        return false;
    const QByteArray target = encoded(m_target);
    struct stat existing {
    };
    const bool replaces = ::stat(target.constData(), &existing) == 0;
    if (replaces && !S_ISREG(existing.st_mode)) {
        m_failure = fileReason(m_target, {QStringLiteral("Das ist keine gewöhnliche Datei."),
                                          QStringLiteral("This is not a regular file.")});
        return false;
    }
    // A protected file was protected on purpose; the rename would replace it all the same.
    if (replaces && writeProtected(m_target)) {
        m_failure = fileReason(m_target, {QStringLiteral("Die Datei ist schreibgeschützt."),
                                          QStringLiteral("The file is write-protected.")});
        return false;
    }
    for (int attempt = 0; attempt < 100 && m_fd < 0; ++attempt) {
        m_temporary =
            target + '~' +
            QByteArray::number(QRandomGenerator::global()->bounded(0x1000000), 16).rightJustified(6, '0');
        m_fd = ::open(m_temporary.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (m_fd < 0 && errno != EEXIST && errno != EINTR) {
            m_temporary.clear();
            return fail(errno);
        }
    }
    if (m_fd < 0) {
        m_temporary.clear();
        return fail(EEXIST);
    }
    if (replaces && ::fchmod(m_fd, existing.st_mode & 07777) != 0 && errno != EPERM)
        return fail(errno);
    return true;
}

bool AtomicFile::write(const char *data, qint64 size)
{
    if (m_failure)
        return false;
    if (m_fd < 0 || m_finished)
        return fail(EBADF);
    if (!writeAll(m_fd, QByteArray::fromRawData(data, size)))
        return fail(errno);
    return true;
}

bool AtomicFile::finish()
{
    if (m_failure)
        return false;
    if (m_finished)
        return true;
    if (m_fd < 0)
        return fail(EBADF);
    if (::fsync(m_fd) != 0)
        return fail(errno);
    const int fd = std::exchange(m_fd, -1);
    if (::close(fd) != 0)
        return fail(errno);
    m_finished = true;
    return true;
}

bool AtomicFile::commit()
{
    if (!finish())
        return false;
    if (m_committed)
        return true;
    if (::rename(m_temporary.constData(), encoded(m_target).constData()) != 0)
        return fail(errno);
    m_committed = true;
    // The rename itself reaches the disk with the folder.
    const QByteArray folder = encoded(QFileInfo(m_target).absolutePath());
    if (const int dir = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC); dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
    return true;
}

QIODevice *AtomicFile::device()
{
    if (!m_device)
        m_device = std::make_unique<AtomicFileDevice>(*this);
    return m_device.get();
}

Result<> writeFileAtomically(const QString &path, const QByteArray &bytes)
{
    AtomicFile file(path);
    if (file.open() && file.write(bytes) && file.commit())
        return {};
    return failure(*file.failure());
}

} // namespace vb
