#pragma once

#include "ProgramFacts.h"

class QtProgramFacts final : public ProgramFacts {
public:
    QString programFolder() const override;
    QString dataHome() const override;
    QString cacheHome() const override;
    float twipsPerPixelX() const override;
    float twipsPerPixelY() const override;
    QList<QRect> screenAreas() const override;
    QRect workArea() const override;
};

// The data home the XDG base directory rules give for these values of XDG_DATA_HOME and HOME: the
// variable when it holds an absolute path, else HOME's .local/share.
QString xdgDataHome(const QString& xdgDataHomeVariable, const QString& home);
// The same for the config home: XDG_CONFIG_HOME when absolute, else HOME's .config.
QString xdgConfigHome(const QString& xdgConfigHomeVariable, const QString& home);
// The same for the cache home: XDG_CACHE_HOME when absolute, else HOME's .cache.
QString xdgCacheHome(const QString& xdgCacheHomeVariable, const QString& home);
