#pragma once

#include "core/sections.h"
#include "core/userfile.h"

#include <QtCore/QList>
#include <QtCore/QString>

namespace vb::sections
{

// A file of the catalogue folder that is not offered as a catalogue, and why.
struct LeftOutFile {
    QString fileName; // as the folder names it
    Text why;
};

// What the catalogue folder holds: the catalogues that read, and every other catalogue file.
struct StoredCatalogues {
    QList<Catalogue> catalogues;
    QList<LeftOutFile> leftOut;
};

// The planner's imported catalogues, one CSV file each in a folder of the user's data folder,
// named by the catalogue. Written atomically, so that a catalogue is never half stored; read
// defensively, so that a damaged file is left out instead of misread.
class CatalogueStore
{
public:
    explicit CatalogueStore(QString folder);

    // The folder in the user's data folder: …/vorbemessung/kataloge.
    static QString defaultFolder();
    const QString &folder() const { return m_folder; }

    // Every catalogue of the folder that reads, by name. An entry named *.csv that is no
    // regular file (a folder, a pipe, a device, a dangling link), is larger than a catalogue
    // may be, cannot be read, or does not read as a whole is left out with its reason; its rows
    // were checked when it was imported. A missing folder holds nothing.
    StoredCatalogues load() const;

    // Stores `sections` as a new catalogue named after `wanted`, with " (2)", " (3)" … added
    // where a catalogue of that name exists. Gives the name given, or the reason (the file and
    // the system's reason) why the file could not be written.
    Result<QString> add(const QString &wanted, const QList<Section> &sections) const;

    // Removes the catalogue `name`; fails, with the reason, when its file stays.
    Result<> remove(const QString &name) const;

private:
    QString pathOf(const QString &name) const;
    QString m_folder;
};

} // namespace vb::sections
