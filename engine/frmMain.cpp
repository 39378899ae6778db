#include "frmMain.h"

#include "engine/PlayWidget.h"
#include "engine/StartMenu.h"
#include "engine/WindowPlace.h"
#include "engine/Windows.h"
#include "formats/NumberText.h"
#include "layouts/BuiltInPictures.h"
#include "layouts/PlayWindowLayout.h"
#include "platform/Platform.h"
#include "platform/WindowShape.h"
#include "rules/Keys.h"
#include "rules/NewGame.h"
#include "rules/Score.h"
#include "rules/SettingKeys.h"
#include "rules/Tick.h"
#include "skins/SkinFolders.h"
#include "skins/SkinReader.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

const QString HiddenCode = QStringLiteral("zestlime");

}  // namespace

using HandlerScope = WindowLife::HandlerScope;

frmMain::frmMain(Platform& platform, const Windows& windows)
    : m_platform(platform)
    , m_windows(windows)
    , m_life(platform.windows)
{
    m_platform.endRequests.whenAsked([this] { desktopAsksToEnd(); });
}

frmMain::~frmMain()
{
    m_platform.endRequests.whenAsked({});
    delete m_widget;
}

PixelScale frmMain::pixelScale() const
{
    return PixelScale::of(m_platform.facts);
}

QPointF frmMain::position() const
{
    // The edges are kept in twips, finer than pixels, so that a window that was not moved gives
    // back exactly the position it was given; one moved by the window system gives where it is.
    const PixelScale scale = pixelScale();
    if (m_widget && m_widget->pos() != QPoint(scale.pixelX(m_left), scale.pixelY(m_top)))
        return {m_widget->x() * scale.x, m_widget->y() * scale.y};
    return {m_left, m_top};
}

QWidget* frmMain::window() const
{
    return m_widget;
}

void frmMain::Show()
{
    HandlerScope scope(m_life);
    if (!m_loaded)
        Form_Load();
    if (!m_loaded)
        return;
    WindowLife::show(m_widget);
}

void frmMain::Form_Load()
{
    m_loaded = true;
    m_board = playWindowBoard();
    m_look = layoutLook();
    m_widget = new PlayWidget(*this);
    m_life.loaded(m_widget);
    m_widget->setWindowTitle(PlayWindowCaption);
    Timer1 = m_platform.timers.create([this] { Timer1_Timer(); });

    const WindowPlace place =
        WindowPlace::remembered(readSetting(m_platform.settings, SettingKeys::WinX),
                                readSetting(m_platform.settings, SettingKeys::WinY), m_look.width,
                                m_look.height, pixelScale(), m_platform.facts.screenAreas());
    m_left = place.left;
    m_top = place.top;
    placeWindow();

    const SkinLocation skin =
        locateSkin(readSetting(m_platform.settings, SettingKeys::Skin), m_platform.facts);
    SkinPath = skin.path;
    m_skinFound = skin.found;
    if (!runSkinLoader())
        return;

    NewGame(m_board, m_kriel, m_platform.random);
    if (m_windows.ops->settings.NotifySetting)
        ShowNotifier(m_board);

    refresh();
    Timer1->start(Timer1DesignInterval);
    m_windows.ops->sounds.prepare();
}

bool frmMain::runSkinLoader()
{
    // A skin found nowhere is not loaded at all: its path may be one the name made up.
    bool loaded = false;
    if (m_skinFound) {
        m_look.keepCellLooks(m_board.shpkriel.size());
        SkinRead read = readSkin(SkinPath, pixelScale(), m_look);
        m_look = std::move(read.skin.look);
        read.skin.grid.applyTo(m_board);
        loaded = !read.error;
        if (read.skin.SkinRegion) {
            SkinRegion = std::move(*read.skin.SkinRegion);
            SkinRegion.OffsetHeader(m_widget);
            SkinRegion.ApplyRgn(m_widget);
        }
    }
    // Decoded only when no skin bitmap was read: the window then shows its layout's picture.
    if (m_look.picture.isNull())
        m_look.picture = playWindowPlaceholder();
    if (m_widget)
        m_widget->lookChanged(m_board, m_look, pixelScale());
    if (loaded)
        return true;

    // The game cannot go on; no tick may run on a half-styled board while the message is up.
    Timer1->stop();
    QWidget* owner = m_widget && m_widget->isVisible() ? m_widget.data() : nullptr;
    //: %1 is the skin's folder.
    m_platform.dialogs.message(owner,
                               QCoreApplication::translate("PlayWindow",
                                                           "There was an error loading the skin.  "
                                                           "Please select a new skin. [%1]")
                                   .arg(SkinPath),
                               QCoreApplication::translate("PlayWindow", "Error"));
    Unload();
    m_platform.end.endNow();
    return false;
}

void frmMain::Unload()
{
    HandlerScope scope(m_life);
    if (!m_loaded)
        return;

    const QPointF edges = position();
    writeSettings(m_platform.settings, {{SettingKeys::WinX, numberText(float(edges.x()))},
                                        {SettingKeys::WinY, numberText(float(edges.y()))}});

    m_loaded = false;
    Timer1->stop();
    m_life.unload(m_widget);
    m_widget = nullptr;
}

void frmMain::desktopAsksToEnd()
{
    Unload();
    m_platform.end.endNow();
}

void frmMain::placeWindow()
{
    if (!m_widget)
        return;
    const PixelScale scale = pixelScale();
    m_widget->move(scale.pixelX(m_left), scale.pixelY(m_top));
}

void frmMain::refresh()
{
    if (m_widget)
        m_widget->boardChanged(m_board, pixelScale());
}

int frmMain::tickIntervalMs() const
{
    const std::optional<double> interval = numberFromText(TickInterval);
    if (!interval)
        return Timer1->interval();
    return int(std::clamp(std::floor(*interval), 1.0, double(std::numeric_limits<int>::max())));
}

void frmMain::Timer1_Timer()
{
    HandlerScope scope(m_life);
    if (!m_loaded)
        return;
    Timer1->setInterval(tickIntervalMs());

    const TickResult result =
        Tick(m_board, m_kriel, m_windows.ops->PointsPerFood, m_platform.random);
    if (result.ate)
        m_windows.ops->sounds.play(GameSound::Eat);
    if (result.died) {
        KillKriel();
        return;
    }
    refresh();
    sleepOrWake();
}

void frmMain::sleepOrWake()
{
    if (!m_loaded)
        return;
    if (tickChangesNothing(m_board, m_kriel))
        Timer1->stop();
    else if (!Timer1->isActive())
        Timer1->start(tickIntervalMs());
}

void frmMain::KillKriel()
{
    HandlerScope scope(m_life);
    m_windows.ops->sounds.play(GameSound::Die);
    FinalScore = finalScore(m_board.score);
    NewGame(m_board, m_kriel, m_platform.random);
    m_kriel.Direction = Heading::None;
    if (m_windows.gameOver)
        m_windows.gameOver->Show();
    Unload();
    GameOver = -1;
}

void frmMain::TogglePause()
{
    HandlerScope scope(m_life);
    if (m_kriel.Paused == 0) {
        m_kriel.Paused = 1;
        ShowNotifier(m_board);
        refresh();
        sleepOrWake();
        m_platform.dialogs.message(
            m_widget,
            QCoreApplication::translate("PlayWindow", "Game Paused.  Press 'P' again to resume."),
            QCoreApplication::translate("PlayWindow", "Pause"));
    } else if (m_kriel.Paused == 1) {
        m_kriel.Paused = 0;
        sleepOrWake();
    }
}

void frmMain::Form_KeyDown(int KeyCode)
{
    HandlerScope scope(m_life);
    if (GameOver != 0)
        return;

    const KeyEffect effect = keyEffect(KeyCode, m_kriel.Direction);
    switch (effect.action) {
    case KeyAction::None:
        return;
    case KeyAction::Steer:
        m_kriel.Direction = effect.heading;
        sleepOrWake();
        return;
    case KeyAction::TogglePause:
        TogglePause();
        return;
    case KeyAction::EndProgram:
        m_platform.end.endNow();
        return;
    case KeyAction::KillKriel:
        KillKriel();
        return;
    case KeyAction::HiddenCode:
        // Ticks go on while the box is open: the game may end before it closes.
        CodeEntry =
            m_platform.dialogs.input(m_widget, QStringLiteral("..."), QStringLiteral("..."));
        if (CodeEntry == HiddenCode)
            m_kriel.CollisionsOn = 0;
        return;
    case KeyAction::ReloadSkin:
        runSkinLoader();
        sleepOrWake();
        return;
    }
}

void frmMain::Form_MouseDown(QPointF position)
{
    HandlerScope scope(m_life);
    const PixelScale scale = pixelScale();
    DragX = qint32(std::lround(position.x() * scale.x));
    DragY = qint32(std::lround(position.y() * scale.y));
}

void frmMain::Form_MouseMove(Qt::MouseButtons buttons, QPointF globalPosition)
{
    HandlerScope scope(m_life);
    if (buttons != Qt::LeftButton || !m_widget)
        return;
    // Relative to where this window has been put, not to where the window system last reported
    // it, which lags behind while the window is being dragged.
    const PixelScale scale = pixelScale();
    const float x = float((globalPosition.x() - scale.pixelX(m_left)) * scale.x);
    const float y = float((globalPosition.y() - scale.pixelY(m_top)) * scale.y);
    m_left = m_left - (float(DragX) - x);
    m_top = m_top - (float(DragY) - y);
    placeWindow();
}

void frmMain::Form_Resize()
{
    HandlerScope scope(m_life);
    if (m_widget && m_windows.ops->settings.OnTopSetting)
        keepOnTop(m_widget);
}
