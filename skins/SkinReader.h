#pragma once

#include "layouts/PixelScale.h"
#include "rules/Board.h"
#include "skins/PlayLook.h"
#include "skins/Region.h"

#include <QRegion>
#include <QString>

#include <optional>

// The first thing in a skin folder that the reader refused.
struct SkinError {
    QString file;     // full path of the file
    QString section;  // for a config.ini value: its section and key as the reader asked for them
    QString key;
    QString value;  // the text found ("" when missing)
    QString reason;

    bool operator==(const SkinError&) const = default;
};

// The board's measures a skin gives, each once it has been read.
struct SkinGrid {
    std::optional<float> left;  // the play area's corner
    std::optional<float> top;
    struct CellSize {
        float width;
        float height;
    };
    std::optional<CellSize> cell;

    // Puts what was read on `board`: the play area's corner; the head's and the food's size, and
    // the play area's 19 cells of the head's width each way.
    void applyTo(Board& board) const;
};

// What a skin folder gives the play window.
struct Skin {
    PlayLook look;
    SkinGrid grid;
    std::optional<Region> SkinRegion;  // the window's outline, once made
};

struct SkinRead {
    Skin skin;  // everything read before the error, when there is one
    std::optional<SkinError> error;
};

// Reads the skin in the folder `SkinPath` over `look`, for a screen of `scale`, in the order the
// skin format lists its parts, and stops at the first thing it refuses.
SkinRead readSkin(const QString& SkinPath, const PixelScale& scale, PlayLook look);

// One value of a skin's config.ini; "" when the file, section or key is missing.
QString LoadSkin(const QString& SkinIniPath, const QString& Header, const QString& Variable);
