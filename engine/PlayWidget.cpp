#include "PlayWidget.h"

#include "engine/KeyEvents.h"
#include "engine/PlayWindowEvents.h"
#include "engine/SceneChanges.h"
#include "engine/ScenePainter.h"
#include "platform/WindowShape.h"
#include "rules/Keys.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

PlayWidget::PlayWidget(PlayWindowEvents& owner)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint)
    , m_owner(owner)
{
    if (windowSystemCutsOutlines()) {
        setAttribute(Qt::WA_OpaquePaintEvent);
    } else {
        // Qt clears what is to be painted to transparent; what lies outside the outline stays so.
        setAttribute(Qt::WA_TranslucentBackground);
    }
    setFocusPolicy(Qt::StrongFocus);
}

void PlayWidget::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    const QRegion area =
        testAttribute(Qt::WA_TranslucentBackground) ? event->region() & mask() : event->region();
    painter.setClipRegion(area);
    paintScene(painter, m_board, m_look, m_scale, area);
}

void PlayWidget::lookChanged(const Board& board, const PlayLook& look, const PixelScale& scale)
{
    m_board = board;
    m_look = look;
    m_scale = scale;
    fitSize();
    update();
}

void PlayWidget::boardChanged(const Board& now, const PixelScale& scale)
{
    if (scale == m_scale)
        update(changedArea(m_board, now, m_look, scale));
    else
        update();
    m_board = now;
    m_scale = scale;
    fitSize();
}

void PlayWidget::fitSize()
{
    const QSize size(m_scale.pixelX(m_look.width), m_scale.pixelY(m_look.height));
    if (this->size() != size)
        setFixedSize(size);
}

// Each handler below ends with its call: the form may unload the window inside it.

void PlayWidget::keyPressEvent(QKeyEvent* event)
{
    if (const int code = keyCodeOf(*event))
        m_owner.Form_KeyDown(code);
}

void PlayWidget::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && startSystemDrag(this))
        return;
    m_owner.Form_MouseDown(event->position());
}

void PlayWidget::mouseMoveEvent(QMouseEvent* event)
{
    m_owner.Form_MouseMove(event->buttons(), event->globalPosition());
}

void PlayWidget::resizeEvent(QResizeEvent*)
{
    m_owner.Form_Resize();
}

void PlayWidget::closeEvent(QCloseEvent*)
{
    m_owner.Form_Closed();
}
