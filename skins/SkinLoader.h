#pragma once

#include "layouts/PlayWindowLayout.h"
#include "skins/Region.h"

#include <QImage>
#include <QString>

#include <optional>

class ProgramFacts;
class QWidget;

// The first thing in a skin folder that the loader refused.
struct SkinError {
    QString file;     // full path of the file
    QString section;  // for a config.ini value: its section and key as the loader asked for them
    QString key;
    QString value;  // the text found ("" when missing)
    QString reason;

    bool operator==(const SkinError&) const = default;
};

// The play window's skin loader, with what it keeps from one run to the next: the outline and the
// loaded bitmap.
class SkinLoader {
public:
    // Applies the skin in the folder `SkinPath` to `scene`, in the order the skin format lists its
    // parts, and gives `window` (when there is one) the bitmap's outline. Stops at the first thing
    // it refuses and says what it was; everything applied before that stays applied.
    std::optional<SkinError> applySkin(const QString& SkinPath, PlayWindowScene& scene,
                                       QWidget* window, const ProgramFacts& facts);

    // One value of the skin's config.ini; "" when the file, section or key is missing. Named as
    // the selector's reader of the same job is, though it loads no skin.
    QString LoadSkin(const QString& Header, const QString& Variable) const;

    const Region& skinRegion() const { return SkinRegion; }
    const QImage& skinPicture() const { return SkinPicture; }

private:
    Region SkinRegion;
    QImage SkinPicture;
    QString SkinIniPath;
    // A member as the design names it, though only the one load uses it.
    QString SkinBmpPath;
};
