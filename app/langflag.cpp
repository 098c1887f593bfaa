#include "app/langflag.h"

#include <QtCore/QDir>
#include <QtCore/QFile>
#include <QtCore/QFileInfo>
#include <QtCore/QSaveFile>

namespace vb {

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
    return QDir::toNativeSeparators(QFileInfo(m_path).absolutePath());
}

std::optional<bool> LanguageFile::read() const
{
    QFile file(m_path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return parseLanguageRecord(file.read(kLanguageRecordSize));
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
        m_error = file.errorString();
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
