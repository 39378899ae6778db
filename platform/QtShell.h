#pragma once

#include "Shell.h"

class QtShell final : public Shell {
public:
    bool open(const QUrl& target) override;
};
