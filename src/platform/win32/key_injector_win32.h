#pragma once

#include "platform/key_injector.h"

#include <memory>
#include <mutex>

namespace platform::win32 {

// Key strokes through SendInput. A batch goes in one SendInput call, which
// Windows inserts without other input in between; a lock keeps callers'
// batches whole, so any thread may call it. Virtual keys need no layout
// look-up: Windows maps them for the receiving window.
class Win32KeyInjector final : public KeyInjector
{
public:
    static std::unique_ptr<Win32KeyInjector> create();

    bool press(unsigned virtualKey) override;
    bool release(unsigned virtualKey) override;
    // Keys out of range are left out and make it false; the others are sent.
    bool sendBatch(const std::vector<std::pair<unsigned, bool>> &events) override;
    bool waitForModifiersReleased(int timeoutMs) override;
    bool modifiersHeld() override;

private:
    Win32KeyInjector() = default;

    std::mutex m_mutex;
};

}  // namespace platform::win32
