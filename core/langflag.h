#pragma once

#include <QtCore/QByteArray>
#include <QtCore/QString>

#include <optional>

namespace vb
{

// The language flag file: fixed 62-byte records, of which only the first is used. Byte 0
// holds the length n of a text (1 … 61), bytes 1 … n its characters. The program writes
// the one-character text "0" (German) or "1" (English).
inline constexpr int kLanguageRecordSize = 62;

// Reads the stored language from the file's bytes: true for English. Absent when the
// first record is incomplete or holds no text (length 0 or over 61): such a file counts
// as unreadable.
std::optional<bool> parseLanguageRecord(const QByteArray &bytes);
QByteArray languageRecord(bool english);

class LanguageFile
{
public:
    explicit LanguageFile(QString path);

    // On Windows c:\temp\msdos2.ini; elsewhere .msdos2.ini in the user's home directory.
    static QString defaultPath();

    const QString &path() const { return m_path; }
    // The directory the file must live in, as the user knows it.
    QString directoryForMessage() const;

    // Absent when the file is missing, unreadable, not a regular file (a pipe or a device,
    // which would block) or holds no complete record.
    std::optional<bool> read() const;
    // Creates the file anew with the record, atomically where the directory allows a new
    // file, else in place; false on failure, with errorString() set.
    bool write(bool english);
    const QString &errorString() const { return m_error; }

private:
    // Overwrites an existing regular file where no new file can be made beside it.
    bool writeInPlace(const QByteArray &record);

    QString m_path;
    QString m_error;
};

} // namespace vb
