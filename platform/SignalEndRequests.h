#pragma once

#include "EndRequests.h"

#include <QSocketNotifier>

#include <array>
#include <csignal>
#include <memory>

// Requests to end as SIGTERM, SIGHUP and SIGINT, taken over for the object's lifetime (one such
// object at a time in a process); the dispositions found are put back when it goes. A signal the
// program was started with ignored (nohup, a background job of a shell) stays ignored. Needs the
// application object: the requests arrive through its event loop.
class SignalEndRequests final : public EndRequests {
public:
    SignalEndRequests();
    ~SignalEndRequests() override;
    SignalEndRequests(const SignalEndRequests&) = delete;
    SignalEndRequests& operator=(const SignalEndRequests&) = delete;

    void whenAsked(std::function<void()> onRequest) override;

private:
    static constexpr std::array<int, 3> Signals{SIGTERM, SIGHUP, SIGINT};

    void handOn();

    std::function<void()> m_onRequest;
    int m_readEnd = -1;
    int m_writeEnd = -1;
    std::unique_ptr<QSocketNotifier> m_notifier;
    std::array<struct sigaction, Signals.size()> m_found{};
    std::array<bool, Signals.size()> m_taken{};
};
