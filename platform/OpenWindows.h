#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QWidget>

#include <functional>

// The game's loaded windows. Ends the program when the last one has gone: the count is looked at
// again once the events of the moment have been handled, so that a window closing just before
// another opens (a dialog handing over to the next) does not end the program. When the window
// with the keyboard closes, the keyboard goes back to the window of ours shown or used last, as
// window managers do not all hand it on to windows without a task-bar entry.
class OpenWindows : public QObject {
public:
    explicit OpenWindows(std::function<void()> quit);

    // `window` may be null where a window has no widget to follow (tests of the count alone).
    void loaded(QWidget* window);
    // Called while `window` is still shown, so that whether it had the keyboard is known.
    void unloaded(QWidget* window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void afterUnload();

    std::function<void()> m_quit;
    int m_count = 0;
    bool m_checkPending = false;
    bool m_focusToHandOn = false;
    QList<QPointer<QWidget>> m_lastUsedFirst;
};
