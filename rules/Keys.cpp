#include "Keys.h"

static KeyEffect steer(Heading wanted, Heading Direction, Heading opposite)
{
    if (Direction == opposite)
        return {};
    return {KeyAction::Steer, wanted};
}

KeyEffect keyEffect(int KeyCode, Heading Direction)
{
    switch (KeyCode) {
    case KeyCodes::Right:
        return steer(Heading::Right, Direction, Heading::Left);
    case KeyCodes::Left:
        return steer(Heading::Left, Direction, Heading::Right);
    case KeyCodes::Up:
        return steer(Heading::Up, Direction, Heading::Down);
    case KeyCodes::Down:
        return steer(Heading::Down, Direction, Heading::Up);
    case KeyCodes::P:
        return {KeyAction::TogglePause};
    case KeyCodes::X:
        return {KeyAction::EndProgram};
    case KeyCodes::Q:
        return {KeyAction::KillKriel};
    case KeyCodes::Eight:
        return {KeyAction::HiddenCode};
    case KeyCodes::S:
        return {KeyAction::ReloadSkin};
    default:
        return {};
    }
}
