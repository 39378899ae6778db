#include "Keys.h"

#include <QKeyEvent>

int keyCodeOf(const QKeyEvent& event)
{
    const int key = event.key();
    switch (key) {
    case Qt::Key_Left:
        return KeyCodes::Left;
    case Qt::Key_Up:
        return KeyCodes::Up;
    case Qt::Key_Right:
        return KeyCodes::Right;
    case Qt::Key_Down:
        return KeyCodes::Down;
    default:
        break;
    }
    // Qt names a letter key by its capital whatever the shift state, and its letter and digit
    // key values are the codes themselves.
    if (key >= Qt::Key_A && key <= Qt::Key_Z)
        return key;
    if (event.modifiers().testFlag(Qt::KeypadModifier))
        return 0;
    if (key >= Qt::Key_0 && key <= Qt::Key_9)
        return key;
    // A digit key that types something else (Shift+8 is '*' on a US layout, and the unshifted 8
    // key is '_' on a French one) is still its digit: the top row's keys are 10 to 19 (1 to 9,
    // then 0) on X11 and Wayland.
    const quint32 scanCode = event.nativeScanCode();
    if (scanCode >= 10 && scanCode <= 19)
        return scanCode == 19 ? Qt::Key_0 : Qt::Key_1 + int(scanCode - 10);
    return 0;
}

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
