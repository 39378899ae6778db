#include "ArchiveWriter.h"

#include <QFile>

#include <archive.h>
#include <archive_entry.h>
#include <memory>

namespace {

using Writer = std::unique_ptr<archive, decltype(&archive_write_free)>;
using Entry = std::unique_ptr<archive_entry, decltype(&archive_entry_free)>;

Entry entryOf(const ArchiveEntry& from)
{
    Entry entry(archive_entry_new(), archive_entry_free);
    archive_entry_set_pathname(entry.get(), from.name.toUtf8().constData());
    archive_entry_set_perm(entry.get(), 0644);
    archive_entry_set_filetype(entry.get(), AE_IFREG);
    switch (from.kind) {
    case ArchiveEntry::Kind::File:
        archive_entry_set_size(entry.get(), from.data.size());
        break;
    case ArchiveEntry::Kind::Folder:
        archive_entry_set_filetype(entry.get(), AE_IFDIR);
        break;
    case ArchiveEntry::Kind::Link:
        archive_entry_set_filetype(entry.get(), AE_IFLNK);
        archive_entry_set_symlink(entry.get(), from.data.constData());
        break;
    case ArchiveEntry::Kind::HardLink:
        archive_entry_set_hardlink(entry.get(), from.data.constData());
        break;
    case ArchiveEntry::Kind::Fifo:
        archive_entry_set_filetype(entry.get(), AE_IFIFO);
        break;
    case ArchiveEntry::Kind::Device:
        archive_entry_set_filetype(entry.get(), AE_IFCHR);
        archive_entry_set_rdev(entry.get(), 0x103);
        break;
    }
    return entry;
}

}  // namespace

bool writeArchive(const QString& path, const QList<ArchiveEntry>& entries)
{
    const Writer writer(archive_write_new(), archive_write_free);
    archive* w = writer.get();
    if (path.endsWith(".zip"))
        archive_write_set_format_zip(w);
    else
        archive_write_set_format_pax_restricted(w);
    if (path.endsWith(".xz"))
        archive_write_add_filter_xz(w);
    else if (path.endsWith(".bz2"))
        archive_write_add_filter_bzip2(w);
    else if (!path.endsWith(".zip"))
        archive_write_add_filter_gzip(w);
    if (archive_write_open_filename(w, QFile::encodeName(path).constData()) != ARCHIVE_OK)
        return false;
    for (const ArchiveEntry& from : entries) {
        if (archive_write_header(w, entryOf(from).get()) < ARCHIVE_WARN)
            return false;
        if (from.kind == ArchiveEntry::Kind::File
            && archive_write_data(w, from.data.constData(), size_t(from.data.size()))
                   != from.data.size())
            return false;
    }
    return archive_write_close(w) == ARCHIVE_OK;
}

QList<ArchiveEntry> skinEntries(const QString& folder, const QString& prefix)
{
    QList<ArchiveEntry> entries;
    for (const char* name : {"skin.bmp", "food.gif", "config.ini"}) {
        QFile file(folder + '/' + name);
        file.open(QIODevice::ReadOnly);
        entries.append({prefix + name, file.readAll()});
    }
    return entries;
}
