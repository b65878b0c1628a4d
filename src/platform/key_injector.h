#pragma once

#include <chrono>
#include <memory>
#include <thread>
#include <utility>
#include <vector>

namespace platform {

// Synthetic key strokes that reach whatever window has the keyboard focus.
// Usable from any thread; one caller at a time gets its events sent in one
// piece.
class KeyInjector
{
public:
    virtual ~KeyInjector() = default;

    // False when the key could not be sent (no such key, nothing to map it onto).
    virtual bool press(unsigned virtualKey) = 0;
    virtual bool release(unsigned virtualKey) = 0;
    // (virtual key, down) pairs, sent back to back; false when any was not sent.
    virtual bool sendBatch(const std::vector<std::pair<unsigned, bool>> &events) = 0;

    // n Backspace strokes, gapMs apart. Stops at the first stroke that fails;
    // returns the strokes sent.
    virtual int backspaces(int n, int gapMs)
    {
        constexpr unsigned kBackspace = 0x08;
        for (int i = 0; i < n; ++i) {
            if (i > 0)
                std::this_thread::sleep_for(std::chrono::milliseconds(gapMs));
            if (!sendBatch({{kBackspace, true}, {kBackspace, false}}))
                return i;
        }
        return n > 0 ? n : 0;
    }

    // Waits until the user holds no Shift, Ctrl, Alt or Super: a held Alt
    // turns a paste into something else. False when still held at the timeout.
    // Blocks: for the typing worker, not the GUI thread.
    virtual bool waitForModifiersReleased(int timeoutMs) = 0;
    // Whether Shift, Ctrl, Alt or Super is down right now. One quick query,
    // never waiting for keys being sent, so the GUI thread may poll it.
    virtual bool modifiersHeld() = 0;
};

// The injector of this session; null when the session offers none.
std::shared_ptr<KeyInjector> keyInjector();

}  // namespace platform
