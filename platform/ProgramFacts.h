#pragma once

#include "platform/Version.h"

#include <QList>
#include <QRect>
#include <QString>

struct ProgramVersion {
    int major = ProgramVersionMajor;
    int minor = ProgramVersionMinor;
    int revision = ProgramVersionRevision;
};

// What the program knows about itself and the screen it runs on.
class ProgramFacts {
public:
    virtual ~ProgramFacts() = default;

    // The folder that holds the program, without a trailing separator; skins, sounds and help
    // documents lie in it.
    virtual QString programFolder() const = 0;
    // The folder where the player's own data for all programs lies, without a trailing
    // separator ("" for none): XDG_DATA_HOME, else ~/.local/share. The game writes there only to
    // install a skin.
    virtual QString dataHome() const = 0;
    // The same for cached data that may be deleted at any time ("" for none): XDG_CACHE_HOME,
    // else ~/.cache.
    virtual QString cacheHome() const = 0;
    // Twips (1/1440 inch) per logical pixel; 15 on a 96 dots-per-inch screen.
    virtual float twipsPerPixelX() const = 0;
    virtual float twipsPerPixelY() const = 0;
    // The screens' areas in logical pixels of the desktop.
    virtual QList<QRect> screenAreas() const = 0;
    // The part of the main screen that windows may take, less the desktop's panels and docks, as
    // the window manager reports it; the dialogs are centred on it.
    virtual QRect workArea() const = 0;

    static constexpr ProgramVersion version() { return {}; }
};
