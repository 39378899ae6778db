#pragma once

#include "skins/SkinCheck.h"

#include <QByteArray>
#include <QImage>
#include <QString>

#include <functional>

struct PixelScale;

// Draws the play window of a skin the game takes as it looks a few moves into a game, in window
// pixels at `scale` and transparent outside the outline. The engine draws it: the program hands
// its painter on to the skins, which cannot reach the engine. Called on any thread.
using PlayWindowPainter = std::function<QImage(const SkinCheck& skin, const PixelScale& scale)>;

// The larger side of a preview at most, in pixels.
inline constexpr int PreviewSide = 240;
// A preview cache keeps its newest files up to these.
inline constexpr int MostCachedPreviews = 2000;
inline constexpr qint64 MostCachedBytes = qint64(64) << 20;

// A skin's look at a glance, or why the game refuses the skin.
struct PreviewPicture {
    QImage picture;   // the play window fitted within PreviewSide pixels; null when refused
    QByteArray png;   // what the cache holds of it: the picture as a PNG, or the refusal
    QString refusal;  // the skin checker's report (SkinCheck.h) when refused, else ""
};

// The preview of the skin in `folder`, drawn as kriel-skincheck --render draws it (at 96 dots
// per inch) and fitted. With a `cacheFolder`, one cached for the skin's files as they now are
// (their names, sizes and modification times) is read back instead, and one drawn is cached; a
// cache file that is missing or does not load is as good as none. Safe on any thread.
PreviewPicture cachedPreview(const QString& folder, const QString& cacheFolder,
                             const PlayWindowPainter& paint);

// Removes the older previews of `cacheFolder` beyond the newest `files`, or beyond `bytes` in all.
void trimPreviewCache(const QString& cacheFolder, int files = MostCachedPreviews,
                      qint64 bytes = MostCachedBytes);
