#pragma once

#include <QAbstractNativeEventFilter>
#include <QMargins>
#include <QObject>
#include <QRect>

#include <functional>
#include <optional>

class QWidget;

// Keeps the frame of `window` centred on `area`: whenever the window manager states the frame,
// or the window is shown, moved or resized, the window is put where its frame stands centred.
// A frame that cannot be is waited out rather than believed. Goes with the window, or once the
// window has been seen in its place, shown and framed; a window manager that puts the window
// elsewhere all the same is not fought for long.
class FrameCentring final : public QObject, public QAbstractNativeEventFilter {
public:
    using FrameSource = std::function<std::optional<QMargins>(const QWidget*)>;

    FrameCentring(QWidget* window, const QRect& area, FrameSource frameOf);
    ~FrameCentring() override;

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) override;

protected:
    bool eventFilter(QObject*, QEvent*) override;

private:
    void centre();

    static constexpr int MaxMoves = 4;

    QWidget* m_window;
    QRect m_area;
    FrameSource m_frameOf;
    int m_moves = 0;
    bool m_done = false;
};
