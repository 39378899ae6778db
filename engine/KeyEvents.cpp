#include "KeyEvents.h"

#include "rules/Keys.h"

#include <QKeyEvent>

#include <cstring>

// The three letter rows of a US layout, by scan code as X11 and Wayland give them.
static int usLetterAt(quint32 scanCode)
{
    static constexpr struct {
        quint32 first;
        const char* letters;
    } Rows[] = {{24, "QWERTYUIOP"}, {38, "ASDFGHJKL"}, {52, "ZXCVBNM"}};
    for (const auto& row : Rows) {
        const quint32 length = quint32(std::strlen(row.letters));
        if (scanCode >= row.first && scanCode < row.first + length)
            return row.letters[scanCode - row.first];
    }
    return 0;
}

static bool isLatinLetter(int key)
{
    if (key <= 0 || key > 0x10FFFF)
        return false;
    const char32_t character = char32_t(key);
    return QChar::isLetter(character) && QChar::script(character) == QChar::Script_Latin;
}

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
    // On a layout without Latin letters (Cyrillic, Greek, Hebrew…) a letter key counts as the
    // letter in its place on a US layout, so that P, Q, X and S stay where players look for them.
    // A Latin letter (an AZERTY or German layout's) is that letter and nothing else.
    if (isLatinLetter(key))
        return 0;
    return usLetterAt(scanCode);
}
