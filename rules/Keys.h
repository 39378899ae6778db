#pragma once

#include "rules/KrielState.h"

// Key codes of the keys the play window knows. A key has its code whatever Shift or Caps Lock
// say: a letter its capital's, a digit key of the main keyboard its digit's; the keypad's 8 is
// not the 8 key. A letter key of a layout that gives no Latin letter there has the code of the
// US layout's letter in its place.
namespace KeyCodes {
inline constexpr int Left = int(Heading::Left);
inline constexpr int Up = int(Heading::Up);
inline constexpr int Right = int(Heading::Right);
inline constexpr int Down = int(Heading::Down);
inline constexpr int Eight = 56;
inline constexpr int P = 80;
inline constexpr int Q = 81;
inline constexpr int S = 83;
inline constexpr int X = 88;
}  // namespace KeyCodes

enum class KeyAction {
    None,
    Steer,  // set the heading to KeyEffect::heading
    TogglePause,
    EndProgram,
    KillKriel,
    HiddenCode,
    ReloadSkin,
};

struct KeyEffect {
    KeyAction action = KeyAction::None;
    Heading heading = Heading::None;

    bool operator==(const KeyEffect&) const = default;
};

// What a key does while a game runs. An arrow is refused only when it points straight back
// against the stored heading; pressing the current heading again changes nothing.
KeyEffect keyEffect(int KeyCode, Heading Direction);
