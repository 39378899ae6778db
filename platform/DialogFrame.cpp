#include "DialogFrame.h"

#include "FrameCentring.h"
#include "FrameExtents.h"
#include "X11Connection.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>

QPoint centredFrameTopLeft(const QRect& area, const QSize& client, const QMargins& frame)
{
    const QSize outer = client.grownBy(frame);
    return {area.left() + (area.width() - outer.width()) / 2,
            area.top() + (area.height() - outer.height()) / 2};
}

std::array<uint32_t, 5> dialogMotifHints()
{
    enum : uint32_t { Functions = 1, Decorations = 2 };
    enum : uint32_t { FunctionMove = 4, FunctionClose = 32 };
    enum : uint32_t { DecorBorder = 2, DecorTitle = 8, DecorMenu = 16 };
    return {Functions | Decorations, FunctionMove | FunctionClose,
            DecorBorder | DecorTitle | DecorMenu, 0, 0};
}

namespace {

// Window managers that draw a minimise box whatever the hints say would otherwise lose the
// window: it has no task-bar entry, and some leave it out of Alt+Tab too.
class StaysRestored final : public QObject {
public:
    explicit StaysRestored(QWidget* window)
        : QObject(window)
        , m_window(window)
    {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::WindowStateChange && m_window->isMinimized())
            QTimer::singleShot(0, this, [this] { restore(); });
        return false;
    }

private:
    void restore()
    {
        if (!m_window->isMinimized() || !m_window->isVisible())
            return;
        m_window->setWindowState(m_window->windowState() & ~Qt::WindowMinimized);
        m_window->raise();
        m_window->activateWindow();
    }

    QWidget* m_window;
};

// Qt derives these from the window flags, and always lets the window manager offer resizing
// (and, under some, minimising and maximising); the window's own properties say exactly what
// a fixed dialog allows. Qt merges its own _NET_WM_STATE atoms with those found when it maps
// the window.
void giveDialogHints(QWidget* window)
{
    xcb_connection_t* connection = x11Connection();
    if (!connection)
        return;
    const auto id = xcb_window_t(window->winId());

    const std::array<uint32_t, 5> motif = dialogMotifHints();
    const xcb_atom_t motifHints = internAtom(connection, "_MOTIF_WM_HINTS");
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, id, motifHints, motifHints, 32,
                        uint32_t(motif.size()), motif.data());

    const std::array<xcb_atom_t, 2> states{internAtom(connection, "_NET_WM_STATE_SKIP_TASKBAR"),
                                           internAtom(connection, "_NET_WM_STATE_SKIP_PAGER")};
    xcb_change_property(connection, XCB_PROP_MODE_APPEND, id,
                        internAtom(connection, "_NET_WM_STATE"), XCB_ATOM_ATOM, 32,
                        uint32_t(states.size()), states.data());
    xcb_flush(connection);
}

}  // namespace

void frameAsDialog(QWidget* window, const QRect& area)
{
    giveDialogHints(window);
    new StaysRestored(window);
    if (area.isEmpty())
        return;
    // Placed by its client area until the frame is known: Qt would shift a window placed by its
    // frame once it learns of one.
    window->setGeometry(
        QRect(centredFrameTopLeft(area, window->size(), QMargins()), window->size()));
    new FrameCentring(window, area, statedFrame);
    askForFrame(window);
}
