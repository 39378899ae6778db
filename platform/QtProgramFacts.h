#pragma once

#include "ProgramFacts.h"

class QtProgramFacts final : public ProgramFacts {
public:
    QString programFolder() const override;
    float twipsPerPixelX() const override;
    float twipsPerPixelY() const override;
    QList<QRect> screenAreas() const override;
};
