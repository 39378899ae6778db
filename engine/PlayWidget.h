#pragma once

#include "engine/ScenePainter.h"

#include <QWidget>

class PlayWindowEvents;

// The play window on screen: draws the board in the look it is given and reports every key, mouse
// and window event to its owner. It decides nothing; its owner destroys it when the window unloads.
class PlayWidget final : public QWidget {
    Q_OBJECT
public:
    explicit PlayWidget(PlayWindowEvents& owner);

    // Shows the board in `look` from here on, and takes the window's size from it.
    void lookChanged(const Board& board, const PlayLook& look, const PixelScale& scale);
    // Shows `now` from here on, repainting what changed since the board shown before.
    void boardChanged(const Board& now, const PixelScale& scale);

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void fitSize();

    PlayWindowEvents& m_owner;
    // As last handed to the window system to draw.
    Board m_board;
    PlayLook m_look;
    PixelScale m_scale;
};
