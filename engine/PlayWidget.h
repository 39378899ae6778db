#pragma once

#include "engine/ScenePainter.h"
#include "layouts/PlayWindowLayout.h"

#include <QWidget>

#include <optional>

class PlayWindowEvents;

// The play window on screen: draws the scene it is given and reports every key, mouse and
// window event to its owner. It decides nothing; its owner destroys it when the window unloads.
class PlayWidget final : public QWidget {
    Q_OBJECT
public:
    explicit PlayWidget(PlayWindowEvents& owner);

    // Shows `now` from here on, repainting what changed since the scene shown before.
    void sceneChanged(const PlayWindowScene& now, const PixelScale& scale);

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    PlayWindowEvents& m_owner;
    // The scene as last handed to the window system to draw.
    std::optional<PlayWindowScene> m_shown;
    PixelScale m_scale;
};
