#pragma once

#include <functional>
#include <memory>

// A repeating timer that calls its handler every interval while it runs.
class TickTimer {
public:
    virtual ~TickTimer() = default;

    virtual void start(int milliseconds) = 0;
    // Takes effect from the next tick on; setting the interval it already has changes nothing.
    virtual void setInterval(int milliseconds) = 0;
    virtual int interval() const = 0;
    virtual void stop() = 0;
    virtual bool isActive() const = 0;
};

class TimerFactory {
public:
    virtual ~TimerFactory() = default;

    virtual std::unique_ptr<TickTimer> create(std::function<void()> onTick) = 0;
};
