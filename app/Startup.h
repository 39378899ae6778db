#pragma once

#include <QString>
#include <QStringList>

// What the command line asks of the game, before any window is thought of.
enum class StartRequest { Play, Version, Help };

// --version and --help are answered; any other argument is ignored, as the game always has.
StartRequest startRequest(int argc, const char* const* argv);

QString versionText();
// `skinsFolders` as SkinFolders gives them (the program's first), `settingsFile` as the store
// names it.
QString helpText(const QStringList& skinsFolders, const QString& settingsFile);

// Makes sure Qt will find a display, choosing X11 where there is one (the shaped play window,
// its remembered place and dragging need X11's way with windows). Returns the line to print
// when there is none to open the game on, "" when there is one, or when QT_QPA_PLATFORM names
// a platform that needs none.
QString chooseDisplay();
