#include "SignalEndRequests.h"

#include <atomic>
#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace {

// The pipe's write end, for the signal handler, which can reach nothing but globals: the one piece
// of global state the program has. -1 while no object listens.
std::atomic<int> requestPipe{-1};
static_assert(std::atomic<int>::is_always_lock_free, "read inside a signal handler");

// Only async-signal-safe work here: one byte into the pipe, which the event loop watches.
void onEndSignal(int)
{
    const int saved = errno;
    const char byte = 0;
    // A full pipe already holds requests not yet handed on; this one goes with them.
    [[maybe_unused]] const ssize_t written = ::write(requestPipe.load(), &byte, 1);
    errno = saved;
}

}  // namespace

SignalEndRequests::SignalEndRequests()
{
    int ends[2];
    // Without a pipe the signals keep what they had: the program then ends as it always did.
    if (::pipe2(ends, O_CLOEXEC | O_NONBLOCK) != 0)
        return;
    m_readEnd = ends[0];
    m_writeEnd = ends[1];
    requestPipe.store(m_writeEnd);
    m_notifier = std::make_unique<QSocketNotifier>(m_readEnd, QSocketNotifier::Read);
    QObject::connect(m_notifier.get(), &QSocketNotifier::activated, [this] { handOn(); });

    struct sigaction action {};
    action.sa_handler = onEndSignal;
    action.sa_flags = SA_RESTART;
    sigemptyset(&action.sa_mask);
    for (std::size_t i = 0; i < Signals.size(); ++i) {
        if (::sigaction(Signals[i], nullptr, &m_found[i]) != 0 || m_found[i].sa_handler == SIG_IGN)
            continue;
        m_taken[i] = ::sigaction(Signals[i], &action, nullptr) == 0;
    }
}

SignalEndRequests::~SignalEndRequests()
{
    for (std::size_t i = 0; i < Signals.size(); ++i)
        if (m_taken[i])
            ::sigaction(Signals[i], &m_found[i], nullptr);
    requestPipe.store(-1);
    m_notifier.reset();
    if (m_readEnd >= 0) {
        ::close(m_readEnd);
        ::close(m_writeEnd);
    }
}

void SignalEndRequests::whenAsked(std::function<void()> onRequest)
{
    m_onRequest = std::move(onRequest);
}

void SignalEndRequests::handOn()
{
    // Emptied first: the notifier would otherwise fire again for the same requests.
    char bytes[64];
    while (::read(m_readEnd, bytes, sizeof bytes) > 0) {
    }
    // A copy: the handler may hand the requests to someone else.
    const std::function<void()> onRequest = m_onRequest;
    if (onRequest)
        onRequest();
}
