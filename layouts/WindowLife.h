#pragma once

#include <QPointer>
#include <QWidget>

#include <vector>

class OpenWindows;

// How each of the game's windows comes and goes: counted among the program's open windows while
// loaded, brought to the front when shown, and destroyed after unloading only once no handler of
// its own is running, since a window may unload from one of them, even one paused by a modal box.
class WindowLife {
public:
    explicit WindowLife(OpenWindows& windows)
        : m_windows(windows)
    {}
    ~WindowLife();

    void loaded(QWidget* window);
    static void show(QWidget* window);
    // Counted out before it hides, while whether it had the keyboard is still known.
    void unload(QWidget* window);

    // Marks a handler as running; the outermost one to return destroys the windows unloaded
    // meanwhile, and deleteLater() lets the event that brought us here finish with them first.
    class HandlerScope {
    public:
        explicit HandlerScope(WindowLife& life)
            : m_life(life)
        {
            ++m_life.m_handlerDepth;
        }
        ~HandlerScope()
        {
            if (--m_life.m_handlerDepth == 0)
                m_life.destroyRetired();
        }

    private:
        WindowLife& m_life;
    };

private:
    void destroyRetired();

    OpenWindows& m_windows;
    int m_handlerDepth = 0;
    std::vector<QPointer<QWidget>> m_retired;
};
