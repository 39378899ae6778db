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

void ScriptedDialogs::open(const Box& box)
{
    shown.append(box);
    if (whileOpen)
        whileOpen();
}

QString ScriptedDialogs::input(QWidget*, const QString& prompt, const QString& title)
{
    open({QStringLiteral("input"), prompt, title});
    if (answers.empty())
        return {};
    const QString answer = answers.front();
    answers.pop_front();
    return answer;
}

float SeededRandom::next()
{
    if (scripted.empty())
        return float(generator() >> 8) * 0x1p-24f;
    const float value = scripted.front();
    scripted.pop_front();
    return value;
}

class ManualTimers::Timer final : public TickTimer {
public:
    Timer(std::vector<Timer*>& all, std::function<void()> onTick)
        : all(all)
        , onTick(std::move(onTick))
    {
        all.push_back(this);
    }
    ~Timer() override { std::erase(all, this); }

    void start(int milliseconds) override
    {
        every = milliseconds;
        running = true;
    }
    void setInterval(int milliseconds) override { every = milliseconds; }
    int interval() const override { return every; }
    void stop() override { running = false; }

    std::vector<Timer*>& all;
    std::function<void()> onTick;
    int every = 0;
    bool running = false;
};

std::unique_ptr<TickTimer> ManualTimers::create(std::function<void()> onTick)
{
    return std::make_unique<Timer>(m_timers, std::move(onTick));
}

bool ManualTimers::tick()
{
    // A tick may stop or destroy timers, so look each one up again before firing it.
    bool fired = false;
    for (Timer* timer : std::vector(m_timers)) {
        if (std::ranges::count(m_timers, timer) && timer->running) {
            timer->onTick();
            fired = true;
        }
    }
    return fired;
}

const ManualTimers::Timer* ManualTimers::firstRunning() const
{
    const auto found = std::ranges::find_if(m_timers, [](Timer* t) { return t->running; });
    return found == m_timers.end() ? nullptr : *found;
}

int ManualTimers::interval() const
{
    const Timer* timer = firstRunning();
    return timer ? timer->every : 0;
}
