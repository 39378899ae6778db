#include "PlayWidget.h"

#include "engine/Keys.h"
#include "engine/SceneChanges.h"
#include "engine/ScenePainter.h"
#include "engine/frmMain.h"
#include "platform/WindowShape.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

PlayWidget::PlayWidget(frmMain& form)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint)
    , m_form(form)
{
    if (windowSystemCutsOutlines()) {
        setAttribute(Qt::WA_OpaquePaintEvent);
    } else {
        // Qt clears what is to be painted to transparent; what lies outside the outline stays so.
        setAttribute(Qt::WA_TranslucentBackground);
        m_paintsOutlineOnly = true;
    }
    setFocusPolicy(Qt::StrongFocus);
}

void PlayWidget::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    const QRegion area = m_paintsOutlineOnly ? event->region() & mask() : event->region();
    painter.setClipRegion(area);
    paintScene(painter, m_form.scene(), m_form.pixelScale(), area);
}

void PlayWidget::sceneChanged()
{
    const PlayWindowScene& now = m_form.scene();
    if (m_shown)
        update(changedArea(*m_shown, now, m_form.pixelScale()));
    else
        update();
    m_shown = now;
}

// Each handler below ends with its call: the form may unload the window inside it.

void PlayWidget::keyPressEvent(QKeyEvent* event)
{
    if (const int code = keyCodeOf(*event))
        m_form.Form_KeyDown(code);
}

void PlayWidget::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && startSystemDrag(this))
        return;
    m_form.Form_MouseDown(event->position());
}

void PlayWidget::mouseMoveEvent(QMouseEvent* event)
{
    m_form.Form_MouseMove(event->buttons(), event->globalPosition());
}

void PlayWidget::resizeEvent(QResizeEvent*)
{
    m_form.Form_Resize();
}

void PlayWidget::closeEvent(QCloseEvent*)
{
    m_form.Form_Closed();
}
