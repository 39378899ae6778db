#include "FakePlatform.h"

#include <algorithm>

bool FakeSettings::writeAll(const QList<SettingValue>& entries)
{
    for (const SettingValue& v : entries) {
        values.insert(v.section + '/' + v.key, v.value);
        writes.append(v.section + '/' + v.key + '=' + v.value);
    }
    return !failing;
}

void ScriptedDialogs::message(QWidget*, const QString& prompt, const QString& title)
{
    shown.append({QStringLiteral("message"), prompt, title});
    if (whileOpen)
        whileOpen();
}

QString ScriptedDialogs::input(QWidget*, const QString& prompt, const QString& title)
{
    shown.append({QStringLiteral("input"), prompt, title});
    if (whileOpen)
        whileOpen();
    if (answers.empty())
        return {};
    QString answer = answers.front();
    answers.pop_front();
    return answer;
}

float SeededRandom::next()
{
    if (!scripted.empty()) {
        const float value = scripted.front();
        scripted.pop_front();
        return value;
    }
    return float(m_generator() >> 8) * 0x1p-24f;
}

class ManualTimers::Timer final : public TickTimer {
public:
    Timer(ManualTimers& owner, std::function<void()> onTick)
        : m_owner(owner)
        , m_onTick(std::move(onTick))
    {
        m_owner.m_timers.push_back(this);
    }
    ~Timer() override { std::erase(m_owner.m_timers, this); }

    void start(int milliseconds) override
    {
        m_interval = milliseconds;
        m_running = true;
    }
    void setInterval(int milliseconds) override { m_interval = milliseconds; }
    int interval() const override { return m_interval; }
    void stop() override { m_running = false; }

    bool running() const { return m_running; }
    void fire() { m_onTick(); }

private:
    ManualTimers& m_owner;
    std::function<void()> m_onTick;
    int m_interval = 0;
    bool m_running = false;
};

std::unique_ptr<TickTimer> ManualTimers::create(std::function<void()> onTick)
{
    return std::make_unique<Timer>(*this, std::move(onTick));
}

bool ManualTimers::tick()
{
    // A tick may stop or destroy timers, so look each one up again before firing it.
    const std::vector<Timer*> timers = m_timers;
    bool fired = false;
    for (Timer* timer : timers) {
        if (std::find(m_timers.begin(), m_timers.end(), timer) == m_timers.end())
            continue;
        if (timer->running()) {
            timer->fire();
            fired = true;
        }
    }
    return fired;
}

bool ManualTimers::anyRunning() const
{
    return std::any_of(m_timers.begin(), m_timers.end(), [](Timer* t) { return t->running(); });
}

int ManualTimers::interval() const
{
    for (Timer* timer : m_timers)
        if (timer->running())
            return timer->interval();
    return 0;
}

FakePlatform::FakePlatform()
    : windows([this] { ++quits; })
    , platform{settings, sound, dialogs, random, facts, end, timers, windows, shell}
{}
