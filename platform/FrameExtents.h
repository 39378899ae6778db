#pragma once

#include <QByteArray>
#include <QMargins>
#include <QRect>
#include <QWindow>

#include <optional>

class QWidget;

// What the window manager's frame adds on each side of `window`, in the window's own pixels,
// once the window manager has said so; nothing before. On X11 this is the window manager's own
// statement (_NET_FRAME_EXTENTS): where that is missing, Qt measures the frame window instead,
// which reads nonsense while the window manager is still building the frame, and keeps it.
std::optional<QMargins> statedFrame(const QWidget* window);

// A frame is believed only when no side is negative and the framed window fits in `area`.
bool plausibleFrame(const QMargins& frame, const QSize& client, const QRect& area);

// Asks the window manager to state the frame it will give `window` before mapping it, so that
// the window can stand in its place when it first shows. Only X11 has a way to ask.
void askForFrame(QWidget* window);

// Whether a native event is the window manager stating or changing the frame of window `id`.
bool statesFrame(const QByteArray& eventType, void* message, WId id);
