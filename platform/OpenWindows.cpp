#include "OpenWindows.h"

#include <QTimer>

OpenWindows::OpenWindows(std::function<void()> quit)
    : m_quit(std::move(quit))
{}

void OpenWindows::unloaded()
{
    if (m_count > 0)
        --m_count;
    if (m_count == 0 && !m_checkPending) {
        m_checkPending = true;
        QTimer::singleShot(0, &m_checks, [this] { endIfNoneLeft(); });
    }
}

void OpenWindows::endIfNoneLeft()
{
    m_checkPending = false;
    if (m_count == 0)
        m_quit();
}
