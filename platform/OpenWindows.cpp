#include "OpenWindows.h"

#include <QEvent>
#include <QTimer>

OpenWindows::OpenWindows(std::function<void()> quit)
    : m_quit(std::move(quit))
{}

void OpenWindows::loaded(QWidget* window)
{
    ++m_count;
    if (window) {
        window->installEventFilter(this);
        m_lastUsedFirst.prepend(window);
    }
}

void OpenWindows::unloaded(QWidget* window)
{
    if (m_count > 0)
        --m_count;
    if (window) {
        m_focusToHandOn = m_focusToHandOn || window->isActiveWindow();
        window->removeEventFilter(this);
        m_lastUsedFirst.removeAll(window);
    }
    if (!m_checkPending) {
        m_checkPending = true;
        QTimer::singleShot(0, this, [this] { afterUnload(); });
    }
}

bool OpenWindows::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Show || event->type() == QEvent::WindowActivate) {
        auto* window = static_cast<QWidget*>(watched);
        m_lastUsedFirst.removeAll(window);
        m_lastUsedFirst.prepend(window);
    }
    return false;
}

void OpenWindows::afterUnload()
{
    m_checkPending = false;
    if (m_count == 0) {
        m_quit();
        return;
    }
    if (!std::exchange(m_focusToHandOn, false))
        return;
    m_lastUsedFirst.removeAll(nullptr);
    for (QWidget* window : std::as_const(m_lastUsedFirst)) {
        if (window->isVisible() && !window->isMinimized()) {
            window->raise();
            window->activateWindow();
            return;
        }
    }
}
