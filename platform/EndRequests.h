#pragma once

#include <functional>

// The desktop asking the program to end: a session logging out, a `kill`, Ctrl+C in the terminal
// the game was started from. Requests are handed on from the event loop, in the main thread,
// never from where they were received; several that arrive together may come as one.
class EndRequests {
public:
    virtual ~EndRequests() = default;

    // `onRequest` is called for the requests that arrive from now on, in place of any earlier one;
    // an empty function hands them to nobody.
    virtual void whenAsked(std::function<void()> onRequest) = 0;
};
