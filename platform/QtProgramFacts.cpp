#include "QtProgramFacts.h"

#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QScreen>

#include <cmath>

QString QtProgramFacts::programFolder() const
{
    return QCoreApplication::applicationDirPath();
}

static QString xdgBaseFolder(const QString& variable, const QString& fallback)
{
    // A relative value is to be ignored, as if unset.
    return QDir::cleanPath(QDir::isAbsolutePath(variable) ? variable : fallback);
}

QString xdgDataHome(const QString& xdgDataHomeVariable, const QString& home)
{
    return xdgBaseFolder(xdgDataHomeVariable, home + QStringLiteral("/.local/share"));
}

QString xdgConfigHome(const QString& xdgConfigHomeVariable, const QString& home)
{
    return xdgBaseFolder(xdgConfigHomeVariable, home + QStringLiteral("/.config"));
}

QString xdgCacheHome(const QString& xdgCacheHomeVariable, const QString& home)
{
    return xdgBaseFolder(xdgCacheHomeVariable, home + QStringLiteral("/.cache"));
}

QString QtProgramFacts::dataHome() const
{
    return xdgDataHome(qEnvironmentVariable("XDG_DATA_HOME"), QDir::homePath());
}

QString QtProgramFacts::cacheHome() const
{
    return xdgCacheHome(qEnvironmentVariable("XDG_CACHE_HOME"), QDir::homePath());
}

static float twipsPerPixel(qreal dotsPerInch)
{
    if (!(dotsPerInch > 0))
        return 15;
    // The game compares positions exactly, and a position is built up one step at a time. In
    // sixteenths of a twip (15 at 96 dots per inch, 13.0625 at 110) every sum stays exact.
    return static_cast<float>(std::round(1440.0 / dotsPerInch * 16) / 16);
}

float QtProgramFacts::twipsPerPixelX() const
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return twipsPerPixel(screen ? screen->logicalDotsPerInchX() : 96.0);
}

float QtProgramFacts::twipsPerPixelY() const
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return twipsPerPixel(screen ? screen->logicalDotsPerInchY() : 96.0);
}

QRect QtProgramFacts::workArea() const
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect();
}

QList<QRect> QtProgramFacts::screenAreas() const
{
    QList<QRect> areas;
    for (const QScreen* screen : QGuiApplication::screens())
        areas.append(screen->geometry());
    return areas;
}
