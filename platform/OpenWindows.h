#pragma once

#include <QObject>

#include <functional>

// Counts the game's loaded windows and ends the program when the last one has gone. The count is
// looked at again once the events of the moment have been handled, so that a window closing just
// before another opens (a dialog handing over to the next) does not end the program.
class OpenWindows {
public:
    explicit OpenWindows(std::function<void()> quit);

    void loaded() { ++m_count; }
    void unloaded();

private:
    void endIfNoneLeft();

    std::function<void()> m_quit;
    int m_count = 0;
    bool m_checkPending = false;
    QObject m_checks;  // a pending check goes with this object
};
