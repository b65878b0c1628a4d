#include "platform/win32/key_injector_win32.h"

#include "platform/win32/win32_rules.h"
#include "platform/win32/win32_util.h"

#include <chrono>
#include <thread>

namespace platform::win32 {

std::unique_ptr<Win32KeyInjector> Win32KeyInjector::create()
{
    return std::unique_ptr<Win32KeyInjector>(new Win32KeyInjector());
}

bool Win32KeyInjector::press(unsigned virtualKey)
{
    return sendBatch({{virtualKey, true}});
}

bool Win32KeyInjector::release(unsigned virtualKey)
{
    return sendBatch({{virtualKey, false}});
}

bool Win32KeyInjector::sendBatch(const std::vector<std::pair<unsigned, bool>> &events)
{
    std::vector<INPUT> inputs;
    inputs.reserve(events.size());
    bool ok = true;
    for (const auto &[virtualKey, down] : events) {
        if (!validVirtualKey(virtualKey)) {
            ok = false;
            continue;
        }
        INPUT input{};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = WORD(virtualKey);
        // Games and remote desktops read the scan code, not the virtual key.
        input.ki.wScan = WORD(MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC));
        input.ki.dwFlags = (down ? 0 : KEYEVENTF_KEYUP) | (isExtendedKey(virtualKey) ? KEYEVENTF_EXTENDEDKEY : 0);
        inputs.push_back(input);
    }
    if (inputs.empty())
        return ok;
    std::lock_guard<std::mutex> lock(m_mutex);
    // Fewer than asked when another desktop has the input (a UAC prompt, the
    // lock screen) or a window of higher integrity has the focus.
    const UINT sent = SendInput(UINT(inputs.size()), inputs.data(), sizeof(INPUT));
    return ok && sent == inputs.size();
}

bool Win32KeyInjector::modifiersHeld()
{
    // The physical state now, not this thread's view of the message queue.
    for (int key : {VK_SHIFT, VK_CONTROL, VK_MENU, VK_LWIN, VK_RWIN}) {
        if (GetAsyncKeyState(key) & 0x8000)
            return true;
    }
    return false;
}

bool Win32KeyInjector::waitForModifiersReleased(int timeoutMs)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (modifiersHeld()) {
        if (std::chrono::steady_clock::now() >= deadline)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return true;
}

}  // namespace platform::win32
