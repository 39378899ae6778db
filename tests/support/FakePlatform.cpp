#include "FakePlatform.h"

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

struct ManualTimers::Timer final : TickTimer {
    Timer(ManualTimers& owner, std::function<void()> onTick)
        : owner(owner)
        , onTick(std::move(onTick))
    {
        owner.m_current = this;
    }
    ~Timer() override
    {
        if (owner.m_current == this)
            owner.m_current = nullptr;
    }

    void start(int milliseconds) override
    {
        every = milliseconds;
        running = true;
    }
    void setInterval(int milliseconds) override { every = milliseconds; }
    int interval() const override { return every; }
    void stop() override { running = false; }

    ManualTimers& owner;
    std::function<void()> onTick;
    int every = 0;
    bool running = false;
};

std::unique_ptr<TickTimer> ManualTimers::create(std::function<void()> onTick)
{
    return std::make_unique<Timer>(*this, std::move(onTick));
}

bool ManualTimers::tick()
{
    if (!anyRunning())
        return false;
    // The tick may end the game and destroy the timer that runs it.
    const std::function<void()> onTick = m_current->onTick;
    onTick();
    return true;
}

bool ManualTimers::anyRunning() const
{
    return m_current && m_current->running;
}

int ManualTimers::interval() const
{
    return anyRunning() ? m_current->every : 0;
}
