#pragma once

#include <QByteArray>
#include <QString>

// Asked before the application object exists, to choose the platform Qt is to open.

// Whether an X server takes a connection at `display`, as DISPLAY or -display give it. The
// connection is closed again at once.
bool xServerAnswers(const QByteArray& display);

// Whether the socket of a Wayland compositor called `name`, as WAYLAND_DISPLAY gives it, exists:
// the name itself when it is a path, else that name in XDG_RUNTIME_DIR.
bool waylandSocketExists(const QString& name);
