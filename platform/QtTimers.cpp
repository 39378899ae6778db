#include "QtTimers.h"

#include <QTimer>

namespace {

class QtTickTimer final : public TickTimer {
public:
    explicit QtTickTimer(std::function<void()> onTick)
    {
        // The game's pace is what the player feels: keep it to the millisecond.
        m_timer.setTimerType(Qt::PreciseTimer);
        QObject::connect(&m_timer, &QTimer::timeout, std::move(onTick));
    }

    void start(int milliseconds) override { m_timer.start(milliseconds); }

    void setInterval(int milliseconds) override
    {
        // Restarting an active timer would delay the next tick by the time this tick took.
        if (m_timer.interval() != milliseconds)
            m_timer.setInterval(milliseconds);
    }

    int interval() const override { return m_timer.interval(); }
    void stop() override { m_timer.stop(); }
    bool isActive() const override { return m_timer.isActive(); }

private:
    QTimer m_timer;
};

}  // namespace

std::unique_ptr<TickTimer> QtTimers::create(std::function<void()> onTick)
{
    return std::make_unique<QtTickTimer>(std::move(onTick));
}
