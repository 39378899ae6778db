#pragma once

#include <QString>
#include <QStringList>

class ProgramFacts;

// Where skins are found. A skin is a folder inside one of two skins folders: Skins beside the
// program (the skins the game comes with), then kriel/Skins in the player's data home (the
// player's own, since the program's folder is seldom the player's to write in). A skin's name is
// its folder's bare name; where both folders hold a skin of that name, the program's is used.
// Nothing here creates a folder.

// True when `name` can only name a folder directly inside a skins folder, and not a hidden one:
// not blank, not starting with '.', and without '/', '\' or NUL. Anything else would reach
// outside the skins folders.
bool isSkinName(const QString& name);

// The skins folders that exist or may come to, the program's first; each without a trailing
// separator.
QStringList skinsFolders(const ProgramFacts& facts);

struct SkinLocation {
    // The skin's folder. For a skin found nowhere, where the program's Skins would hold it, so
    // that a message can name the place the game looked first.
    QString path;
    bool found = false;
};

// The folder of the skin called `name`. A name that is no skin name is found nowhere, even where a
// folder of that path exists.
SkinLocation locateSkin(const QString& name, const ProgramFacts& facts);

// The names of every skin found, each once, in alphabetical order without regard to case.
QStringList skinNames(const ProgramFacts& facts);
