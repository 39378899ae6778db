#pragma once

#include <QtGlobal>

// The kriel's heading, as the arrow keys' codes; None while it stands still.
enum class Heading : qint16 {
    None = 0,
    Left = 37,
    Up = 38,
    Right = 39,
    Down = 40,
};

// What the play window keeps from one game to the next: these outlive the window's board, so a
// game ended while paused starts the next one paused.
struct KrielState {
    Heading Direction = Heading::None;
    qint16 Paused = 0;        // 1 while paused
    qint16 CollisionsOn = 0;  // 1 while the wall and self tests run

    bool operator==(const KrielState&) const = default;
};
