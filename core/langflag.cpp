#include "core/langflag.h"

#include <QtCore/QDir>
#include <QtCore/QFile>
#include <QtCore/QFileInfo>
#include <QtCore/QSaveFile>

#ifndef Q_OS_WIN
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace vb
{

std::optional<bool> parseLanguageRecord(const QByteArray &bytes)
{
    if (bytes.size() < kLanguageRecordSize)
        return std::nullopt;
    const auto length = static_cast<unsigned char>(bytes[0]);
    if (length == 0 || length > kLanguageRecordSize - 1)
        return std::nullopt;
    return bytes[1] != '0';
}

QByteArray languageRecord(bool english)
{
    QByteArray record(kLanguageRecordSize, '\0');
    record[0] = 1;
    record[1] = english ? '1' : '0';
    return record;
}

LanguageFile::LanguageFile(QString path) : m_path(std::move(path)) {}

QString LanguageFile::defaultPath()
{
#ifdef Q_OS_WIN
    return QStringLiteral("c:/temp/msdos2.ini");
#else
    return QDir::homePath() + QStringLiteral("/.msdos2.ini");
#endif
}

QString LanguageFile::directoryForMessage() const
{
#ifdef Q_OS_WIN
    if (m_path == defaultPath())
        return QStringLiteral("c:\\temp");
#endif
    return QDir::toNativeSeparators(QFileInfo(m_path).absolutePath());
}

namespace
{

#ifndef Q_OS_WIN
// Opens the flag file only when it is a regular file. A named pipe or a device in its place
// would block the start or never end; it is opened without blocking and then refused.
int openRegular(const QString &path, int flags)
{
    const int fd = ::open(QFile::encodeName(path).constData(), flags | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return -1;
    struct stat st {
    };
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return -1;
    }
    return fd;
}
#endif

} // namespace

std::optional<bool> LanguageFile::read() const
{
#ifdef Q_OS_WIN
    if (!QFileInfo(m_path).isFile())
        return std::nullopt;
    QFile file(m_path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
#else
    const int fd = openRegular(m_path, O_RDONLY);
    if (fd < 0)
        return std::nullopt;
    QFile file;
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return std::nullopt;
    }
#endif
    return parseLanguageRecord(file.read(kLanguageRecordSize));
}

bool LanguageFile::writeInPlace(const QByteArray &record)
{
    // Only an existing regular file, never through a link, a pipe or a device.
#ifdef Q_OS_WIN
    if (!QFileInfo(m_path).isFile() || QFileInfo(m_path).isSymLink())
        return false;
    QFile file(m_path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
#else
    const int fd = openRegular(m_path, O_WRONLY | O_NOFOLLOW);
    if (fd < 0)
        return false;
    QFile file;
    if (!file.open(fd, QIODevice::WriteOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return false;
    }
    if (!file.resize(0))
        return false;
#endif
    if (file.write(record) != record.size() || !file.flush())
        return false;
    file.close();
    return file.error() == QFileDevice::NoError;
}

bool LanguageFile::write(bool english)
{
    // The record is written to a new file that replaces the old one only when complete,
    // so a crash mid-write leaves the previous language intact. A symbolic link in the
    // file's place is replaced by the file, never written through.
    const QFileInfo info(m_path);
    if (!info.absoluteDir().exists()) {
        m_error = QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(info.absolutePath()),
                                               QStringLiteral("No such directory"));
        return false;
    }
    const QByteArray record = languageRecord(english);
    if (!info.isSymLink() && info.isFile() && info.size() == record.size()) {
        // The file already holds exactly this record (start-up writes the stored
        // language again): nothing to replace, and no flush to wait for.
        QFile current(m_path);
        if (current.open(QIODevice::ReadOnly) && current.readAll() == record) {
            m_error.clear();
            return true;
        }
    }
    QSaveFile file(m_path);
    file.setDirectWriteFallback(false);
    if (info.isSymLink())
        QFile::remove(m_path);
    if (!file.open(QIODevice::WriteOnly)) {
        // The directory takes no new file (a shared folder, a read-only home) but the file
        // itself may be writable: then the record is written into it in place.
        m_error = file.errorString();
        if (writeInPlace(record)) {
            m_error.clear();
            return true;
        }
        return false;
    }
    if (file.write(record) != record.size() || !file.commit()) {
        m_error = file.errorString();
        return false;
    }
    m_error.clear();
    return true;
}

} // namespace vb
