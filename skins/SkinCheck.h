#pragma once

#include "rules/Board.h"
#include "skins/PlayLook.h"

#include <QRegion>
#include <QString>

class ProgramFacts;

struct SkinCheck {
    bool ok = false;
    QString report;  // one line for the skin's author
    // For a skin the game takes: the play window's board and look with the skin applied, and its
    // outline in window pixels.
    Board board;
    PlayLook look;
    QRegion outline;
};

// Loads the skin folder with the game's own loader, as the play window would, and says either
// "ok" with what the skin makes of the window, or the first thing the game would refuse: which
// file, which section and key, what value, and why.
SkinCheck checkSkin(const QString& folder, const ProgramFacts& facts);
