#pragma once

#include <QPointF>
#include <Qt>

// What the player does to the play window, as the window reports it to its owner.
class PlayWindowEvents {
public:
    // A key the play window knows (Keys.h), pressed.
    virtual void Form_KeyDown(int KeyCode) = 0;
    // A mouse button pressed at `position`, in the window's pixels.
    virtual void Form_MouseDown(QPointF position) = 0;
    // The mouse moved to `globalPosition` on the desktop, with `buttons` held.
    virtual void Form_MouseMove(Qt::MouseButtons buttons, QPointF globalPosition) = 0;
    virtual void Form_Resize() = 0;
    // The window system closed the window.
    virtual void Form_Closed() = 0;

protected:
    ~PlayWindowEvents() = default;
};
