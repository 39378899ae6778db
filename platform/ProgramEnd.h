#pragma once

// Ends the program at once: no window's unload step runs, so nothing is saved on this path.
class ProgramEnd {
public:
    virtual ~ProgramEnd() = default;

    // Does not return in the program; a test double records the call and returns.
    virtual void endNow() = 0;
};
