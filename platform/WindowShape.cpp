#include "WindowShape.h"

#include <QGuiApplication>
#include <QRegion>
#include <QWidget>
#include <QWindow>

void setWindowShape(QWidget* window, const QRegion& outline)
{
    // An empty mask would mean no mask at all: the whole window. A pixel beside it shows nothing.
    window->setMask(outline.isEmpty() ? QRegion(-1, -1, 1, 1) : outline);
    window->update();
}

static bool onWayland()
{
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

bool windowSystemCutsOutlines()
{
    return !onWayland();
}

bool startSystemDrag(QWidget* window)
{
    QWindow* handle = window->windowHandle();
    return onWayland() && handle && handle->startSystemMove();
}

void keepOnTop(QWidget* window)
{
    const Qt::WindowFlags flags = window->windowFlags();
    if (flags.testFlag(Qt::WindowStaysOnTopHint))
        return;
    // setWindowFlags() would recreate and hide a shown window; the native window takes the hint
    // in place.
    window->overrideWindowFlags(flags | Qt::WindowStaysOnTopHint);
    if (QWindow* handle = window->windowHandle())
        handle->setFlags(handle->flags() | Qt::WindowStaysOnTopHint);
}
