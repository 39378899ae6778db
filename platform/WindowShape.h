#pragma once

#include <QtGlobal>

class QRegion;
class QWidget;

// The most rectangles a window's outline may be made of. An X server takes the whole outline in
// one request; past 32,765 rectangles that request no longer fits the core protocol's length,
// and the X server of Debian 12 then quietly gives the window an empty outline (past 2,097,149,
// the most a big request holds, the connection is lost). Half of it leaves a wide margin.
inline constexpr qsizetype MaxOutlineRectangles = 16384;

// The window is drawn and hit only inside `outline` (in the window's pixels) from now on. An
// outline of more than MaxOutlineRectangles rectangles must not be given.
void setWindowShape(QWidget* window, const QRegion& outline);

// Keeps the window above ordinary windows, without moving or resizing it; never undone.
void keepOnTop(QWidget* window);
