#include "platform/desktop.h"

#include "platform/win32/win32_util.h"

namespace platform {

bool showDesktop()
{
    // Win+D is the shell's own show-desktop command; without Explorer's task
    // bar nobody would answer it.
    if (!FindWindowW(L"Shell_TrayWnd", nullptr))
        return false;
    INPUT inputs[4] = {};
    const WORD keys[4] = {VK_LWIN, 'D', 'D', VK_LWIN};
    for (int i = 0; i < 4; ++i) {
        inputs[i].type = INPUT_KEYBOARD;
        inputs[i].ki.wVk = keys[i];
        inputs[i].ki.dwFlags = (i >= 2 ? KEYEVENTF_KEYUP : 0) | (keys[i] == VK_LWIN ? KEYEVENTF_EXTENDEDKEY : 0);
    }
    return SendInput(4, inputs, sizeof(INPUT)) == 4;
}

}  // namespace platform
