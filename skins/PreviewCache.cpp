#include "PreviewCache.h"

#include "formats/PictureLoading.h"
#include "formats/RegularFile.h"
#include "layouts/PixelScale.h"
#include "platform/StandardScreen.h"

#include <QBuffer>
#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>
#include <optional>

namespace {

// A refused skin is cached as a picture of one pixel that carries the refusal in this text.
const QString RefusalText = QStringLiteral("Refusal");
// A PNG of PreviewSide pixels a side comes well under this: a larger file, or a larger picture,
// is no preview of ours.
constexpr qint64 MostPreviewBytes = qint64(4) << 20;

// Named for all a preview depends on, so that a skin changed has a cache file of another name.
QString cacheFile(const QString& folder, const QString& cacheFolder)
{
    QCryptographicHash hash(QCryptographicHash::Sha256);
    hash.addData(QStringLiteral("%1 %2\n")
                     .arg(PreviewSide)
                     .arg(QFileInfo(folder).absoluteFilePath())
                     .toUtf8());
    for (const char* name : {"skin.bmp", "food.gif", "config.ini"}) {
        const QFileInfo file(folder + u'/' + QLatin1String(name));
        const qint64 time = file.exists() ? file.lastModified().toMSecsSinceEpoch() : -1;
        hash.addData(QStringLiteral("%1 %2 %3\n")
                         .arg(QLatin1String(name))
                         .arg(file.size())
                         .arg(time)
                         .toUtf8());
    }
    return cacheFolder + u'/' + QString::fromLatin1(hash.result().toHex()) + QStringLiteral(".png");
}

// The cache is outside input like any file: read with the game's bounded picture loader.
std::optional<PreviewPicture> readCached(const QString& path)
{
    QFile file;
    if (!openRegularFile(file, path) || file.size() > MostPreviewBytes)
        return std::nullopt;
    PreviewPicture preview{{}, file.readAll(), {}};
    PictureResult read = pictureFromBytes(preview.png);
    if (!read.loaded() || std::max(read.picture.width(), read.picture.height()) > PreviewSide)
        return std::nullopt;
    preview.refusal = read.picture.text(RefusalText);
    if (preview.refusal.isEmpty())
        preview.picture = std::move(read.picture);
    return preview;
}

QByteArray pngOf(const QImage& picture)
{
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    picture.save(&buffer, "PNG");
    return png;
}

PreviewPicture drawn(const QString& folder, const PlayWindowPainter& paint)
{
    const StandardScreen screen;
    const SkinCheck check = checkSkin(folder, screen);
    if (!check.ok) {
        QImage mark(1, 1, QImage::Format_ARGB32);
        mark.fill(Qt::transparent);
        mark.setText(RefusalText, check.report);
        return {{}, pngOf(mark), check.report};
    }
    const QImage window = paint(check, PixelScale::of(screen));
    const QImage picture = window.scaled(QSize(PreviewSide, PreviewSide).boundedTo(window.size()),
                                         Qt::KeepAspectRatio, Qt::SmoothTransformation);
    return {picture, pngOf(picture), {}};
}

// Whole or not at all: a reader on another thread, or after a crash, never finds half a file.
void writeCached(const QString& path, const QByteArray& png)
{
    QDir().mkpath(QFileInfo(path).path());
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(png) == png.size())
        file.commit();
}

}  // namespace

PreviewPicture cachedPreview(const QString& folder, const QString& cacheFolder,
                             const PlayWindowPainter& paint)
{
    const QString path = cacheFolder.isEmpty() ? QString() : cacheFile(folder, cacheFolder);
    if (!path.isEmpty())
        if (std::optional<PreviewPicture> cached = readCached(path))
            return *std::move(cached);
    PreviewPicture preview = drawn(folder, paint);
    if (!path.isEmpty())
        writeCached(path, preview.png);
    return preview;
}

void trimPreviewCache(const QString& cacheFolder, int files, qint64 bytes)
{
    // Newest first. Files being written are named otherwise until they are whole.
    const QFileInfoList previews =
        QDir(cacheFolder)
            .entryInfoList({QStringLiteral("*.png")}, QDir::Files | QDir::NoSymLinks, QDir::Time);
    qint64 kept = 0;
    for (int i = 0; i < previews.size(); ++i) {
        kept += previews[i].size();
        if (i >= files || kept > bytes)
            QFile::remove(previews[i].filePath());
    }
}
