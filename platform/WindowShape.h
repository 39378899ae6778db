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

// False where the window system shows a window's whole rectangle whatever its outline, the outline
// only limiting where it is hit (Wayland). A shaped window there is made translucent before it is
// first shown and paints nothing outside its outline.
bool windowSystemCutsOutlines();

// Where a program may not place its own windows (Wayland), starts the window system's own move
// of `window` with the mouse and returns true; elsewhere returns false, and the program moves
// the window itself.
bool startSystemDrag(QWidget* window);
