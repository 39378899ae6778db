#include "FrameCentring.h"

#include "DialogFrame.h"
#include "FrameExtents.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>
#include <QWindow>

FrameCentring::FrameCentring(QWidget* window, const QRect& area, FrameSource frameOf)
    : QObject(window)
    , m_window(window)
    , m_area(area)
    , m_frameOf(std::move(frameOf))
{
    window->installEventFilter(this);
    QCoreApplication::instance()->installNativeEventFilter(this);
}

FrameCentring::~FrameCentring()
{
    QCoreApplication::instance()->removeNativeEventFilter(this);
}

bool FrameCentring::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*)
{
    if (!m_done && statesFrame(eventType, message, m_window->internalWinId()))
        centre();
    return false;
}

bool FrameCentring::eventFilter(QObject*, QEvent* event)
{
    // A paint follows the window's first exposure, when the window manager has placed it.
    const QEvent::Type type = event->type();
    if (!m_done
        && (type == QEvent::Show || type == QEvent::Move || type == QEvent::Resize
            || type == QEvent::Paint))
        centre();
    return false;
}

void FrameCentring::centre()
{
    const std::optional<QMargins> frame = m_frameOf(m_window);
    if (!frame || !plausibleFrame(*frame, m_window->size(), m_area))
        return;
    // Placed by its client area, which is where Qt and the window manager agree the window is.
    const QPoint wanted =
        centredFrameTopLeft(m_area, m_window->size(), *frame) + QPoint(frame->left(), frame->top());
    if (m_window->geometry().topLeft() != wanted) {
        if (m_moves++ < MaxMoves) {
            m_window->setGeometry(QRect(wanted, m_window->size()));
            return;
        }
    } else {
        const QWindow* handle = m_window->windowHandle();
        if (!handle || !handle->isExposed())
            return;  // the window manager has yet to place what it shows
    }
    m_done = true;
    m_window->removeEventFilter(this);
    deleteLater();
}
