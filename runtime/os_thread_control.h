// The sleep facility: abstract interface and POSIX implementation.
#pragma once

#include <cstdint>

#include "runtime/return_code.h"

class HQabsThreadControl {
public:
    virtual ~HQabsThreadControl() = default;
    virtual HQRC Sleep(uint32_t /*milliseconds*/) { return HQRC(); }
};

class HQNTThreadControl : public HQabsThreadControl {
public:
    // Suspends the calling thread; a signal does not cut the pause short.
    HQRC Sleep(uint32_t milliseconds) override;
};
