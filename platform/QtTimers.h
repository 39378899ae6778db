#pragma once

#include "TickTimer.h"

class QtTimers final : public TimerFactory {
public:
    std::unique_ptr<TickTimer> create(std::function<void()> onTick) override;
};
