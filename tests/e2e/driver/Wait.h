// Polling with a deadline: the driver sees the program only from outside, so every expected
// change is waited for, never assumed after a fixed sleep.
#pragma once

#include <windows.h>

namespace e2e {

// How long the driver waits for something the program is expected to do. Generous: a first
// window in a fresh Wine prefix can take a few seconds; a passing test never waits this long.
inline constexpr int kWaitMs = 15000;

// Calls `condition` every 10 ms until it holds or `timeoutMs` has passed; returns its last value.
template <typename Condition>
bool WaitUntil(Condition condition, int timeoutMs = kWaitMs) {
    const ULONGLONG deadline = GetTickCount64() + static_cast<ULONGLONG>(timeoutMs);
    for (;;) {
        if (condition()) {
            return true;
        }
        if (GetTickCount64() >= deadline) {
            return false;
        }
        Sleep(10);
    }
}

}  // namespace e2e
