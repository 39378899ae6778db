#pragma once

#include <QMargins>
#include <QPoint>
#include <QRect>
#include <QSize>

#include <array>
#include <cstdint>

class QWidget;

// Gives `window` the frame of the game's dialogs before it is first shown: the window manager
// is asked for a title, a border and a close box only (no resizing, no minimise or maximise
// box), and to leave the window out of the task bar and the pager. Having no task-bar entry to
// come back from, the window is shown again whenever the window manager minimises it all the
// same. The window is placed with its frame centred on `area`, and kept there until the window
// manager has framed and shown it (FrameCentring).
void frameAsDialog(QWidget* window, const QRect& area);

// The five words of _MOTIF_WM_HINTS with which frameAsDialog asks for that frame on X11.
std::array<uint32_t, 5> dialogMotifHints();

// Where the frame of a window whose client area is `client` large goes so that the frame,
// `frame` wider on each side, stands centred on `area`: its top-left corner.
QPoint centredFrameTopLeft(const QRect& area, const QSize& client, const QMargins& frame);
