#include "core/cataloguestore.h"

#include <QtCore/QDir>
#include <QtCore/QFile>
#include <QtCore/QFileInfo>
#include <QtCore/QStandardPaths>

#include <cerrno>

#include <sys/stat.h>
#include <unistd.h>

namespace vb::sections
{

namespace
{
const QString kSuffix = QStringLiteral(".csv");

// A catalogue name as a file name: the characters no usual file system takes become "_", and a
// name never starts with a dot.
QString fileNameOf(const QString &name)
{
    QString out = name.simplified();
    for (QChar &c : out) {
        if (c.unicode() < 0x20 || QStringView(u"<>:\"/\\|?*").contains(c))
            c = QLatin1Char('_');
    }
    while (out.startsWith(QLatin1Char('.')))
        out.remove(0, 1);
    out.truncate(120);
    return out.isEmpty() ? QStringLiteral("Katalog") : out;
}

// Whether anything stands at `path`, also a link that leads nowhere: a new catalogue never
// takes its name, which would write wherever the link points.
bool taken(const QString &path)
{
    struct stat st {
    };
    return ::lstat(QFile::encodeName(path).constData(), &st) == 0;
}

// Why a file that was read is no catalogue: its first problem, with its line, and how many
// more there are.
Text csvReason(const CsvRead &read)
{
    if (read.problems.isEmpty())
        return {QStringLiteral("Die Datei enthält keine Profile."),
                QStringLiteral("The file holds no sections.")};
    const CsvProblem &first = read.problems.first();
    Text why = first.what;
    if (first.line > 0) {
        const QString line = QString::number(first.line);
        why = {QStringLiteral("Zeile ") + line + QStringLiteral(": ") + why.german,
               QStringLiteral("line ") + line + QStringLiteral(": ") + why.english};
    }
    if (read.problems.size() > 1) {
        const QString more = QString::number(read.problems.size() - 1);
        why.german += QStringLiteral(" (und ") + more + QStringLiteral(" weitere)");
        why.english += QStringLiteral(" (and ") + more + QStringLiteral(" more)");
    }
    return why;
}
} // namespace

CatalogueStore::CatalogueStore(QString folder) : m_folder(std::move(folder)) {}

QString CatalogueStore::defaultFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/vorbemessung/kataloge");
}

QString CatalogueStore::pathOf(const QString &name) const
{
    return QDir(m_folder).filePath(name + kSuffix);
}

StoredCatalogues CatalogueStore::load() const
{
    StoredCatalogues stored;
    // Every entry named like a catalogue, also one that is no file, so that each is either
    // offered or said to be left out. The file itself is judged when it is read: a name may lead
    // to a pipe, which would wait for a writer, or to a device that never ends.
    const QFileInfoList entries = QDir(m_folder).entryInfoList(
        {QStringLiteral("*") + kSuffix}, QDir::Files | QDir::Dirs | QDir::System | QDir::NoDotAndDotDot,
        QDir::Name);
    for (const QFileInfo &info : entries) {
        const Result<QByteArray> file = readRegularFile(info.filePath(), kMaxCsvBytes);
        if (!file) {
            stored.leftOut.append({info.fileName(), file.reason()});
            continue;
        }
        const CsvRead read = readCsv(*file);
        if (!read.usable || !read.problems.isEmpty() || read.sections.isEmpty()) {
            stored.leftOut.append({info.fileName(), csvReason(read)});
            continue;
        }
        stored.catalogues.append({info.completeBaseName(), read.sections});
    }
    return stored;
}

Result<QString> CatalogueStore::add(const QString &wanted, const QList<Section> &sections) const
{
    if (Result<> made = makeFolders(m_folder); !made)
        return made.failure();
    const QString base = fileNameOf(wanted);
    QString name = base;
    // Joined, not through arg(): a catalogue name may hold "%1".
    for (int n = 2; taken(pathOf(name)); ++n)
        name = base + QStringLiteral(" (") + QString::number(n) + QLatin1Char(')');
    if (Result<> written = writeFileAtomically(pathOf(name), writeCsv(sections)); !written)
        return written.failure();
    return name;
}

Result<> CatalogueStore::remove(const QString &name) const
{
    QString path = pathOf(name);
    if (!taken(path)) {
        // A file copied into the folder by hand may end in ".CSV"; the list shows it by the
        // same name, and removing it must not report success while it stays.
        const QStringList entries =
            QDir(m_folder).entryList({QStringLiteral("*") + kSuffix}, QDir::AllEntries | QDir::System);
        for (const QString &entry : entries) {
            if (entry.size() == name.size() + kSuffix.size() && entry.startsWith(name))
                path = QDir(m_folder).filePath(entry);
        }
    }
    if (::unlink(QFile::encodeName(path).constData()) == 0 || errno == ENOENT)
        return {};
    return failure(fileReason(path, systemReason(errno)));
}

} // namespace vb::sections
