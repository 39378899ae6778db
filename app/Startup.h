#pragma once

#include <QString>
#include <QStringList>

// The first line of the help, and what follows a refused command line.
QString usageText();
// `skinsFolders` as SkinFolders gives them (the program's first), `settingsFile` as the store
// names it.
QString helpText(const QStringList& skinsFolders, const QString& settingsFile);

// Makes sure Qt will find a display, choosing X11 where there is one (the shaped play window,
// its remembered place and dragging need X11's way with windows). `platform` and `display` are
// the command line's -platform and -display, which Qt prefers to QT_QPA_PLATFORM and DISPLAY;
// "" when not given. Returns the line to print when there is no display to open the game on,
// "" when there is one, or when the platform chosen needs none.
QString chooseDisplay(const QString& platform, const QString& display);
