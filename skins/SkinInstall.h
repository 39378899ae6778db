#pragma once

#include <QString>

#include <functional>

class ProgramFacts;

// Installing a shared skin among the player's own (see SkinFolders.h), creating that skins folder
// when it is missing. The skin is unpacked or copied into a hidden staging folder there
// (".install-" and six characters), loaded there by the game's own reader, and only a skin that
// loads is moved into place, with one rename: a skins folder never holds half a skin, even when
// the game is killed mid-install. Hidden folders are no skins, so a staging folder is never listed.

// Asked when the player's own skins already hold one called `name`: true replaces it; false keeps
// it and installs the new skin beside it under a free name, such as "Neon (2)".
using ReplaceQuestion = std::function<bool(const QString& name)>;

struct SkinInstall {
    QString name;    // the skin's name once installed, "" when refused
    QString path;    // its folder
    QString wanted;  // the name it came with: its archive's or folder's
    bool replaced = false;
    // Why nothing was installed, one or two sentences for the player; "" once installed.
    QString refusal;

    bool ok() const { return refusal.isEmpty(); }
};

// Installs the skin in `source`: an archive (see formats/SkinArchive.h) or a skin folder. It is
// named after the one folder of the archive that holds it, else after the archive or the folder
// without extension. A skin that comes with the game is never replaced: the new one takes a free
// name instead.
SkinInstall installSkin(const QString& source, const ProgramFacts& facts,
                        const ReplaceQuestion& replace);

// Removes the staging folders that installs cut short left in the player's skins folder, putting
// back a skin of the player's that one had moved aside to replace and not yet replaced. Run once
// as the program starts, before it could begin an install of its own.
void removeInstallLeftovers(const ProgramFacts& facts);
