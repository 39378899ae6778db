#pragma once

#include "skins/PreviewCache.h"

#include <QObject>
#include <QThreadPool>

// Draws skins' previews (PreviewCache.h) on two threads of its own, so that a skin that is slow
// to draw holds up only its own preview, and hands each back on the thread the queue belongs to.
class PreviewQueue final : public QObject {
    Q_OBJECT
public:
    PreviewQueue(PlayWindowPainter paint, QObject* parent);
    // Drops the requests not begun and waits for the previews being drawn.
    ~PreviewQueue() override;

    // Draws the preview of the skin `name` in `folder`, cached in `cacheFolder` ("" for none);
    // drawn() follows unless drop() comes first.
    void request(const QString& name, const QString& folder, const QString& cacheFolder);
    // Trims the cache (PreviewCache.h) once the previews asked for are drawn.
    void trimCache(const QString& cacheFolder);
    // Forgets every request: those not begun are never drawn, those being drawn never handed back.
    void drop();
    // For a test or a measure to wait on.
    QThreadPool& threads() { return m_threads; }

signals:
    void drawn(const QString& name, const PreviewPicture& preview);

private:
    const PlayWindowPainter m_paint;
    quint64 m_requests = 0;  // the dropping that requests belong to
    QThreadPool m_threads;
};
