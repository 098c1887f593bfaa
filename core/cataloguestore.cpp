#include "core/cataloguestore.h"

#include <QtCore/QDir>
#include <QtCore/QFile>
#include <QtCore/QFileInfo>
#include <QtCore/QSaveFile>
#include <QtCore/QStandardPaths>

#include <algorithm>

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

QList<Catalogue> CatalogueStore::load() const
{
    QList<Catalogue> catalogues;
    const QFileInfoList files = QDir(m_folder).entryInfoList({QStringLiteral("*") + kSuffix},
                                                             QDir::Files | QDir::Readable, QDir::Name);
    for (const QFileInfo &info : files) {
        if (info.size() > kMaxCsvBytes)
            continue;
        QFile file(info.filePath());
        if (!file.open(QIODevice::ReadOnly))
            continue;
        const CsvRead read = readCsv(file.readAll());
        if (!read.usable || !read.problems.isEmpty() || read.sections.isEmpty())
            continue;
        catalogues.append({info.completeBaseName(), read.sections});
    }
    return catalogues;
}

QString CatalogueStore::add(const QString &wanted, const QList<Section> &sections, QString *error) const
{
    if (!QDir().mkpath(m_folder)) {
        if (error)
            *error = QStringLiteral("%1: cannot be created").arg(QDir::toNativeSeparators(m_folder));
        return {};
    }
    const QString base = fileNameOf(wanted);
    QString name = base;
    for (int n = 2; QFileInfo::exists(pathOf(name)); ++n)
        name = QStringLiteral("%1 (%2)").arg(base).arg(n);
    QSaveFile file(pathOf(name));
    if (!file.open(QIODevice::WriteOnly) || file.write(writeCsv(sections)) < 0 || !file.commit()) {
        if (error)
            *error =
                QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(file.fileName()), file.errorString());
        return {};
    }
    return name;
}

bool CatalogueStore::remove(const QString &name, QString *error) const
{
    QFile file(pathOf(name));
    if (file.remove() || !file.exists())
        return true;
    if (error)
        *error = QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(file.fileName()), file.errorString());
    return false;
}

} // namespace vb::sections
