#include "PreviewQueue.h"

PreviewQueue::PreviewQueue(PlayWindowPainter paint, QObject* parent)
    : QObject(parent)
    , m_paint(std::move(paint))
{
    m_threads.setMaxThreadCount(2);
}

PreviewQueue::~PreviewQueue()
{
    drop();
    m_threads.waitForDone();
}

void PreviewQueue::request(const QString& name, const QString& folder, const QString& cacheFolder)
{
    m_threads.start([this, name, folder, cacheFolder, requests = m_requests] {
        PreviewPicture preview = cachedPreview(folder, cacheFolder, m_paint);
        // Posted to this object, whose end waits for the threads and drops what is still posted.
        QMetaObject::invokeMethod(
            this,
            [this, name, requests, preview = std::move(preview)] {
                if (requests == m_requests)
                    emit drawn(name, preview);
            },
            Qt::QueuedConnection);
    });
}

void PreviewQueue::trimCache(const QString& cacheFolder)
{
    if (!cacheFolder.isEmpty())
        m_threads.start([cacheFolder] { trimPreviewCache(cacheFolder); }, -1);
}

void PreviewQueue::drop()
{
    ++m_requests;
    m_threads.clear();
}
