#include "WindowLife.h"

#include "platform/OpenWindows.h"

WindowLife::~WindowLife()
{
    for (const QPointer<QWidget>& window : m_retired)
        delete window;
}

void WindowLife::loaded(QWidget* window)
{
    m_windows.loaded(window);
}

void WindowLife::show(QWidget* window)
{
    window->show();
    window->raise();
    window->activateWindow();
}

void WindowLife::unload(QWidget* window)
{
    m_windows.unloaded(window);
    if (!window)
        return;
    window->hide();
    m_retired.push_back(window);
    if (m_handlerDepth == 0)
        destroyRetired();
}

void WindowLife::destroyRetired()
{
    for (const QPointer<QWidget>& window : m_retired)
        if (window)
            window->deleteLater();
    m_retired.clear();
}
