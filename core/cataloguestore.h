#pragma once

#include "core/sections.h"

#include <QtCore/QList>
#include <QtCore/QString>

namespace vb::sections
{

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

    // Every catalogue of the folder that reads, by name. A file that does not read as a whole
    // is left out; its rows were checked when it was imported.
    QList<Catalogue> load() const;

    // Stores `sections` as a new catalogue named after `wanted`, with " (2)", " (3)" … added
    // where a catalogue of that name exists. Returns the name given; empty with `error` set
    // when the file could not be written.
    QString add(const QString &wanted, const QList<Section> &sections, QString *error) const;

    // Removes the catalogue `name`; false with `error` set when its file stays.
    bool remove(const QString &name, QString *error) const;

private:
    QString pathOf(const QString &name) const;
    QString m_folder;
};

} // namespace vb::sections
