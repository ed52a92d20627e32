// A timer of the headless backend: due times on the virtual clock.
#pragma once

#include <cstdint>

#include "vcl/headless/HeadlessBackend.h"

namespace vcl::headless {

struct HeadlessBackend::Timer : TimerPeer {
    Timer(HeadlessBackend& backend, TTimer& timer);
    ~Timer() override;
    void Start(int intervalMs) override;
    void Stop() override;

    HeadlessBackend* backend;  // null once the backend is gone
    TTimer& timer;
    bool armed = false;
    std::int64_t interval = 0;
    std::int64_t due = 0;
    // Orders timers due at the same time: the one armed first fires first.
    std::uint64_t arming = 0;
};

}  // namespace vcl::headless
