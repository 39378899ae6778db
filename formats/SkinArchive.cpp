#include "SkinArchive.h"

#include "formats/RegularFile.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <archive.h>
#include <archive_entry.h>
#include <functional>
#include <memory>
#include <optional>

namespace {

// What one read asks for, and so the most an unpacking reads past a limit before it stops.
constexpr qint64 ReadBlock = 64 * 1024;

const QStringList ArchiveExtensions{QStringLiteral(".tar.gz"), QStringLiteral(".tgz"),
                                    QStringLiteral(".tar.xz"), QStringLiteral(".tar.bz2"),
                                    QStringLiteral(".tar"),    QStringLiteral(".zip")};

struct ArchiveFree {
    void operator()(archive* reader) const { archive_read_free(reader); }
};
using ArchiveReader = std::unique_ptr<archive, ArchiveFree>;

// Where a file's bytes come from: `read` gives up to the size asked for, 0 at the end and less
// than 0 on an error, which `error` then words.
struct Source {
    std::function<qint64(char*, qint64)> read;
    std::function<QString()> error;
};

// As the skin's reader words its own limits: whole megabytes, or kilobytes under one.
QString sizeText(qint64 bytes)
{
    return bytes >> 20 ? QCoreApplication::translate("SkinInstall", "%1 MB").arg(bytes >> 20)
                       : QCoreApplication::translate("SkinInstall", "%1 KB").arg(bytes >> 10);
}

QString entryName(archive_entry* entry)
{
    if (const char* utf8 = archive_entry_pathname_utf8(entry))
        return QString::fromUtf8(utf8);
    const char* name = archive_entry_pathname(entry);
    return name ? QString::fromLocal8Bit(name) : QString();
}

// Why the archive may not hold this entry, whatever it is called: a skin needs files and folders
// only, every one inside the archive's own folder.
std::optional<QString> entryProblem(archive_entry* entry, const QString& name)
{
    const auto holds = [&](const char* text) {
        return QCoreApplication::translate("SkinInstall", text).arg(name);
    };
    if (name.isEmpty())
        return QCoreApplication::translate("SkinInstall",
                                           "The archive holds an entry without a name.");
    if (name.startsWith(u'/'))
        return holds(QT_TRANSLATE_NOOP(
            "SkinInstall", "The archive holds a name from the top of the file system (%1)."));
    if (name.split(u'/').contains(QStringLiteral("..")))
        return holds(QT_TRANSLATE_NOOP(
            "SkinInstall", "The archive holds a name that leads out of its folder (%1)."));
    if (archive_entry_hardlink(entry))
        return holds(QT_TRANSLATE_NOOP(
            "SkinInstall", "The archive holds a hard link (%1), which a skin never needs."));
    switch (archive_entry_filetype(entry)) {
    case AE_IFREG:
    case AE_IFDIR:
        return std::nullopt;
    case AE_IFLNK:
        return holds(QT_TRANSLATE_NOOP("SkinInstall",
                                       "The archive holds a link (%1), which a skin never needs."));
    default:
        return holds(QT_TRANSLATE_NOOP(
            "SkinInstall",
            "The archive holds a device, FIFO or socket (%1), which a skin never needs."));
    }
}

ArchiveReader openArchive(int fd)
{
    ArchiveReader reader(archive_read_new());
    if (!reader)
        return reader;
    archive_read_support_format_zip(reader.get());
    archive_read_support_format_tar(reader.get());
    archive_read_support_filter_gzip(reader.get());
    archive_read_support_filter_xz(reader.get());
    archive_read_support_filter_bzip2(reader.get());
    archive_read_open_fd(reader.get(), fd, ReadBlock);
    return reader;
}

// `shown` names the archive for the player.
QString notRead(const QString& shown, archive* reader)
{
    const char* why = reader ? archive_error_string(reader) : nullptr;
    //: %1 names the archive, %2 is the reason of the library that reads it.
    return QCoreApplication::translate("SkinInstall", "%1 could not be read as a .zip, .tar.gz, "
                                                      ".tgz, .tar.xz or .tar.bz2 archive (%2).")
        .arg(shown, why ? QString::fromLocal8Bit(why)
                        : QCoreApplication::translate("SkinInstall", "out of memory"));
}

// The skin files of one source written into the destination, with the count of what was read.
class Unpacking {
public:
    Unpacking(QString destination, const UnpackLimits& limits)
        : m_destination(std::move(destination))
        , m_limits(limits)
        , m_block(ReadBlock, Qt::Uninitialized)
    {}

    // Takes the archive's next entry; false once the archive is refused.
    bool take(archive* reader, archive_entry* entry);
    // Writes the skin file `file` from `source`, named `shown` for the player; false if refused.
    bool write(const QString& shown, const QString& file, const Source& source);
    UnpackedSkin refuse(const QString& why)
    {
        m_result.refusal = why;
        return m_result;
    }
    const UnpackedSkin& result() const { return m_result; }
    // The result of an archive, which must have held a skin file.
    UnpackedSkin finish()
    {
        if (m_written.isEmpty() && m_result.refusal.isEmpty())
            m_result.refusal = QCoreApplication::translate(
                "SkinInstall", "The archive holds no skin: no skin.bmp, food.gif or config.ini at "
                               "its top or in a folder there.");
        return m_result;
    }

private:
    std::optional<QString> copy(const QString& shown, const QString& file, const Source& source,
                                QFile* out);

    QString m_destination;
    UnpackLimits m_limits;
    QByteArray m_block;
    int m_entries = 0;
    QStringList m_written;
    UnpackedSkin m_result;
};

bool Unpacking::take(archive* reader, archive_entry* entry)
{
    std::optional<QString> problem;
    const QString name = entryName(entry);
    if (++m_entries > m_limits.entries)
        problem =
            QCoreApplication::translate(
                "SkinInstall", "The archive holds more than %1 entries; a skin is three files.")
                .arg(m_limits.entries);
    else
        problem = entryProblem(entry, name);
    if (problem) {
        m_result.refusal = *problem;
        return false;
    }
    if (archive_entry_filetype(entry) == AE_IFDIR)
        return true;
    QStringList parts = name.split(u'/', Qt::SkipEmptyParts);
    parts.removeAll(QStringLiteral("."));
    const Source source{[=](char* data, qint64 size) {
                            return qint64(archive_read_data(reader, data, size_t(size)));
                        },
                        [=] {
                            //: Names the archive in "%1 could not be read as a .zip…".
                            return notRead(
                                QCoreApplication::translate("SkinInstall", "The archive"), reader);
                        }};
    if (parts.size() > 2 || !SkinFileNames.contains(parts.value(parts.size() - 1))) {
        problem = copy(name, name, source, nullptr);
        if (problem)
            m_result.refusal = *problem;
        return !problem;
    }
    const QString folder = parts.size() == 2 ? parts.front() : QString();
    if (!m_written.isEmpty() && folder != m_result.folder) {
        const auto place = [](const QString& in) {
            //: The place of skin files in an archive, as in "…in two places, its top and "Neon/"".
            return in.isEmpty() ? QCoreApplication::translate("SkinInstall", "its top")
                                : u'"' + in + QStringLiteral("/\"");
        };
        m_result.refusal =
            QCoreApplication::translate("SkinInstall",
                                        "The archive holds skin files in two places, %1 and %2; a "
                                        "skin stands at its top or in one folder.")
                .arg(place(m_result.folder), place(folder));
        return false;
    }
    m_result.folder = folder;
    return write(name, parts.back(), source);
}

bool Unpacking::write(const QString& shown, const QString& file, const Source& source)
{
    std::optional<QString> problem;
    QFile out(m_destination + u'/' + file);
    if (m_written.contains(file))
        problem = QCoreApplication::translate("SkinInstall", "The skin holds %1 twice.").arg(file);
    else if (!out.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        problem = QCoreApplication::translate("SkinInstall", "Could not write %1 (%2).")
                      .arg(out.fileName(), out.errorString());
    else
        problem = copy(shown, file, source, &out);
    m_written.append(file);
    if (problem)
        m_result.refusal = *problem;
    return !problem;
}

std::optional<QString> Unpacking::copy(const QString& shown, const QString& file,
                                       const Source& source, QFile* out)
{
    const qint64 limit = m_limits.fileBytes(file);
    qint64 size = 0;
    for (;;) {
        const qint64 got = source.read(m_block.data(), m_block.size());
        if (got == 0)
            return std::nullopt;
        if (got < 0)
            return source.error();
        size += got;
        m_result.bytesRead += got;
        if (m_result.bytesRead > m_limits.totalBytes())
            return QCoreApplication::translate("SkinInstall",
                                               "The skin comes to more than %1 unpacked, more than "
                                               "its three files can use.")
                .arg(sizeText(m_limits.totalBytes()));
        if (size > limit)
            return QCoreApplication::translate(
                       "SkinInstall", "%1 unpacks to more than %2, more than the game reads of %3.")
                .arg(shown, sizeText(limit), file);
        if (out && out->write(m_block.constData(), got) != got)
            return QCoreApplication::translate("SkinInstall", "Could not write %1 (%2).")
                .arg(out->fileName(), out->errorString());
    }
}

}  // namespace

qint64 UnpackLimits::fileBytes(const QString& name) const
{
    if (name == SkinFileNames[2])
        return iniBytes;
    return SkinFileNames.contains(name) ? pictureBytes : totalBytes();
}

UnpackedSkin unpackSkinArchive(const QString& archivePath, const QString& destination,
                               const UnpackLimits& limits)
{
    Unpacking unpacking(destination, limits);
    QFile file;
    if (!openRegularFile(file, archivePath))
        return unpacking.refuse(
            //: %2 is a reason such as "missing" or "not a regular file".
            QCoreApplication::translate("SkinInstall", "%1 cannot be opened: %2.")
                .arg(archivePath,
                     regularFileProblem(archivePath)
                         .value_or(QCoreApplication::translate("SkinLoader", "cannot be read"))));
    const ArchiveReader reader = openArchive(file.handle());
    archive_entry* entry = nullptr;
    for (;;) {
        const int status = reader ? archive_read_next_header(reader.get(), &entry) : ARCHIVE_FATAL;
        if (status == ARCHIVE_EOF)
            return unpacking.finish();
        if (status < ARCHIVE_WARN)
            return unpacking.refuse(notRead(QFileInfo(archivePath).fileName(), reader.get()));
        if (!unpacking.take(reader.get(), entry))
            return unpacking.finish();
    }
}

UnpackedSkin copySkinFolder(const QString& folder, const QString& destination,
                            const UnpackLimits& limits)
{
    Unpacking unpacking(destination, limits);
    for (const QString& name : SkinFileNames) {
        const QString path = folder + u'/' + name;
        if (!QFileInfo::exists(path))
            continue;
        QFile in;
        if (!openRegularFile(in, path))
            return unpacking.refuse(QStringLiteral("%1: %2.").arg(
                path, regularFileProblem(path).value_or(
                          QCoreApplication::translate("SkinLoader", "cannot be read"))));
        const Source source{[&](char* data, qint64 size) { return in.read(data, size); },
                            [&] {
                                return QCoreApplication::translate("SkinInstall",
                                                                   "Could not read %1 (%2).")
                                    .arg(path, in.errorString());
                            }};
        if (!unpacking.write(path, name, source))
            break;
    }
    return unpacking.result();
}

QString archiveStem(const QString& archivePath)
{
    const QString name = QFileInfo(archivePath).fileName();
    for (const QString& extension : ArchiveExtensions)
        if (name.endsWith(extension, Qt::CaseInsensitive))
            return name.chopped(extension.size());
    return name;
}
