#include "DialogFrame.h"

#include <QEvent>
#include <QGuiApplication>
#include <QPointer>
#include <QWidget>
#include <QWindow>

#include <array>
#include <xcb/xcb.h>

QPoint centredFrameTopLeft(const QRect& area, const QSize& client, const QMargins& frame)
{
    const QSize outer = client.grownBy(frame);
    return {area.left() + (area.width() - outer.width()) / 2,
            area.top() + (area.height() - outer.height()) / 2};
}

namespace {

// Waits for the window manager's frame and then moves the window, so that the frame and not the
// client area is centred; goes once it is, or with the window.
class FrameCentring final : public QObject {
public:
    FrameCentring(QWidget* window, const QRect& area)
        : QObject(window)
        , m_window(window)
        , m_area(area)
    {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent*) override
    {
        const QWindow* handle = m_window->windowHandle();
        const QMargins frame = handle ? handle->frameMargins() : QMargins();
        if (frame.isNull())
            return false;
        // From the client area and the native window's margins: the widget's own idea of its
        // frame catches up only once the window has moved.
        const QPoint inset(frame.left(), frame.top());
        const QPoint wanted = centredFrameTopLeft(m_area, m_window->size(), frame);
        if (m_window->geometry().topLeft() != wanted + inset && m_moves++ < MaxMoves) {
            m_window->setGeometry(QRect(wanted + inset, m_window->size()));
            return false;
        }
        m_window->removeEventFilter(this);
        deleteLater();
        return false;
    }

private:
    // A window manager that puts the window elsewhere all the same is not fought for long.
    static constexpr int MaxMoves = 2;

    QWidget* m_window;
    QRect m_area;
    int m_moves = 0;
};

xcb_atom_t internAtom(xcb_connection_t* connection, const char* name)
{
    const xcb_intern_atom_cookie_t cookie =
        xcb_intern_atom(connection, 0, uint16_t(qstrlen(name)), name);
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(connection, cookie, nullptr);
    const xcb_atom_t atom = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    free(reply);
    return atom;
}

// Qt derives these from the window flags, and always lets the window manager offer resizing
// (and, under some, minimising and maximising); the window's own properties say exactly what
// a fixed dialog allows. Qt merges its own _NET_WM_STATE atoms with those found when it maps
// the window.
void giveDialogHints(QWidget* window)
{
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t* connection = x11 ? x11->connection() : nullptr;
    if (!connection)
        return;
    const auto id = xcb_window_t(window->winId());

    enum : uint32_t { Functions = 1, Decorations = 2 };
    enum : uint32_t { FunctionMove = 4, FunctionClose = 32 };
    enum : uint32_t { DecorBorder = 2, DecorTitle = 8, DecorMenu = 16 };
    const std::array<uint32_t, 5> motif{Functions | Decorations, FunctionMove | FunctionClose,
                                        DecorBorder | DecorTitle | DecorMenu, 0, 0};
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
    if (area.isEmpty())
        return;
    // Placed by its client area: until the frame is known, Qt would shift a window placed by
    // its frame once it learns of one.
    window->setGeometry(
        QRect(centredFrameTopLeft(area, window->size(), QMargins()), window->size()));
    new FrameCentring(window, area);
}
