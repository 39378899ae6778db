#pragma once

#include "engine/PlayWindowEvents.h"
#include "layouts/PixelScale.h"
#include "layouts/WindowLife.h"
#include "rules/Board.h"
#include "rules/KrielState.h"
#include "skins/PlayLook.h"
#include "skins/Region.h"

#include <QObject>
#include <QPointer>

#include <memory>

struct Platform;
struct Windows;
class PlayWidget;
class TickTimer;

// The play window: one object for the whole run. Loading builds its board, look and widget afresh
// from the layout and the current skin; unloading destroys them, while the members below keep their
// values from one game to the next. Every handler lives here, not on the widget, because a game
// can end (and the widget go) while a handler waits on a modal box.
class frmMain final : public QObject, private PlayWindowEvents {
    Q_OBJECT
public:
    // Reads the start menu's choices from `windows`, and shows its game-over dialog, when there
    // is one, as the kriel dies and before the window unloads.
    frmMain(Platform& platform, const Windows& windows);
    ~frmMain() override;

    // Written by the start menu before it shows the window: the tick in milliseconds, as text.
    QString TickInterval;
    // True (-1) from a death until the start menu starts the next game; keys are ignored meanwhile.
    qint16 GameOver = 0;
    // The score of the game just ended, for the game-over dialog.
    qint16 FinalScore = 0;

    // Loads the window when it is not loaded, then shows it.
    void Show();
    // Saves the window's position and destroys its widget.
    void Unload();
    bool isLoaded() const { return m_loaded; }

    // Event handlers, called by the widget and the timer.
    void Timer1_Timer();
    void Form_KeyDown(int KeyCode) override;
    void Form_MouseDown(QPointF position) override;
    void Form_MouseMove(Qt::MouseButtons buttons, QPointF globalPosition) override;
    void Form_Resize() override;
    void Form_Closed() override { Unload(); }

    // Ends the game: the death sound, the final score, the game-over dialog, and the window
    // unloaded.
    void KillKriel();
    void TogglePause();

    const Board& board() const { return m_board; }
    const PlayLook& look() const { return m_look; }
    const KrielState& kriel() const { return m_kriel; }
    const QString& skinPath() const { return SkinPath; }
    PixelScale pixelScale() const;
    // The window's left and top edges in twips of the screen.
    QPointF position() const;
    QWidget* window() const;

private:
    void Form_Load();
    // The desktop asks the program to end (EndRequests.h), and it ends as the close box ends a
    // game: the window unloaded when it is loaded, nothing asked, even under a modal box.
    void desktopAsksToEnd();
    bool runSkinLoader();
    void placeWindow();
    void refresh();
    // Stops the ticks while the next one would change nothing, and starts them again once one
    // would: a game that stands waits for a key without waking the program.
    void sleepOrWake();
    int tickIntervalMs() const;

    Platform& m_platform;
    const Windows& m_windows;

    QString CodeEntry;
    KrielState m_kriel;
    QString SkinPath;
    bool m_skinFound = false;
    // The window's outline, from the last skin read as far as its bitmap.
    Region SkinRegion;
    qint32 DragX = 0;
    qint32 DragY = 0;
    float m_left = 0;
    float m_top = 0;

    bool m_loaded = false;
    Board m_board;
    PlayLook m_look;
    std::unique_ptr<TickTimer> Timer1;
    QPointer<PlayWidget> m_widget;
    // Each handler holds a WindowLife::HandlerScope: a game may end under one paused by a box.
    WindowLife m_life;
};
