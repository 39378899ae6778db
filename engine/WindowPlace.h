#pragma once

#include "layouts/PixelScale.h"

#include <QList>
#include <QRect>
#include <QString>

// Where the play window opens: its left and top edges in twips of the screen.
struct WindowPlace {
    float left = 0;
    float top = 0;

    // From the stored WinX and WinY: an edge that is no number is the setting's default, and a
    // window of `width` × `height` twips that would lie on none of `screens` opens at the
    // defaults.
    static WindowPlace remembered(const QString& winX, const QString& winY, float width,
                                  float height, const PixelScale& scale,
                                  const QList<QRect>& screens);

    bool operator==(const WindowPlace&) const = default;
};
