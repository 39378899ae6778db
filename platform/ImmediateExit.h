#pragma once

#include "ProgramEnd.h"

class ImmediateExit final : public ProgramEnd {
public:
    [[noreturn]] void endNow() override;
};
