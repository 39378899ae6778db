#pragma once

#include "layouts/PlayWindowLayout.h"

#include <QWidget>

#include <optional>

class frmMain;

// The play window on screen: draws the scene frmMain holds and hands every key, mouse and window
// event to it. It decides nothing, and frmMain destroys it when the window unloads.
class PlayWidget final : public QWidget {
    Q_OBJECT
public:
    explicit PlayWidget(frmMain& form);

    // Repaints what the last change of the form's scene changed.
    void sceneChanged();

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    frmMain& m_form;
    // The scene as last handed to the window system to draw.
    std::optional<PlayWindowScene> m_shown;
    // Where the window system cannot cut the window to its outline, it is painted only inside it.
    bool m_paintsOutlineOnly = false;
};
