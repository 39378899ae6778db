#pragma once

#include <QString>
#include <QStringList>

// The first lines of the help, and what follows a refused command line, in the player's language.
QString usageText();
// `skinsFolders` as SkinFolders gives them (the program's first), `settingsFile` as the store
// names it.
QString helpText(const QStringList& skinsFolders, const QString& settingsFile);

struct DisplayChoice {
    bool found = true;  // also when the platform chosen needs no display
    // Where no display answered, as "DISPLAY=:5" or "WAYLAND_DISPLAY=wayland-0"; none when
    // nothing names one.
    QStringList tried;
};

// Makes sure Qt will find a display, choosing X11 where there is one (the shaped play window,
// its remembered place and dragging need X11's way with windows). `platform` and `display` are
// the command line's -platform and -display, which Qt prefers to QT_QPA_PLATFORM and DISPLAY;
// "" when not given.
DisplayChoice chooseDisplay(const QString& platform, const QString& display);
// The line to print when there is no display to open the game on, in the player's language.
QString noDisplayText(const QStringList& tried);
