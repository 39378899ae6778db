#pragma once

#include "ProgramFacts.h"

// Pixel values as the game reads them on a screen of 96 dots per inch, with no folders and no
// screens: the facts a skin is checked and drawn with when it is drawn for a look, not for play.
class StandardScreen final : public ProgramFacts {
public:
    QString programFolder() const override { return {}; }
    QString dataHome() const override { return {}; }
    QString cacheHome() const override { return {}; }
    float twipsPerPixelX() const override { return 15; }
    float twipsPerPixelY() const override { return 15; }
    QList<QRect> screenAreas() const override { return {}; }
    QRect workArea() const override { return {}; }
};
