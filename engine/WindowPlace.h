#pragma once

#include "layouts/PixelScale.h"

#include <QList>
#include <QRect>
#include <QString>

// Where the play window opens: its left and top edges in twips of the screen.
struct WindowPlace {
    static constexpr float Default = 200;

    float left = Default;
    float top = Default;

    // From the stored WinX and WinY: an edge that is no number is the default one, and a window
    // of `width` × `height` twips that would lie on none of `screens` opens at the default place.
    static WindowPlace remembered(const QString& winX, const QString& winY, float width,
                                  float height, const PixelScale& scale,
                                  const QList<QRect>& screens);

    bool operator==(const WindowPlace&) const = default;
};
