#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// One entry of an archive a test writes: a file's contents, or the target of a link.
struct ArchiveEntry {
    enum class Kind { File, Folder, Link, HardLink, Fifo, Device };
    QString name;
    QByteArray data;
    Kind kind = Kind::File;
};

// Writes `entries` with libarchive into the archive `path`, in the format its extension names:
// .zip, .tar.xz, .tar.bz2, else .tar.gz. False when libarchive refuses any of it.
bool writeArchive(const QString& path, const QList<ArchiveEntry>& entries);

// The three files of the skin folder `folder`, each named `prefix` and its name.
QList<ArchiveEntry> skinEntries(const QString& folder, const QString& prefix);
