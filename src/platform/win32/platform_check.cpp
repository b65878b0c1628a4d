// talkvane-platform-check: what the platform layer offers on this Windows
// session, for support and for trying the backends without the application.
//
//   talkvane-platform-check                  lists the services
//   talkvane-platform-check --watch SECONDS  also prints hot keys F17-F20,
//                                            keys, left-button drags and HID
//                                            devices coming and going
//   talkvane-platform-check --crash DIR      writes a crash report into DIR
//                                            by crashing on purpose

#include "platform/autostart.h"
#include "platform/clipboard_watch.h"
#include "platform/crash_handler.h"
#include "platform/desktop.h"
#include "platform/device_monitor.h"
#include "platform/hotkey_service.h"
#include "platform/key_injector.h"
#include "platform/keyboard_listener.h"
#include "platform/keys.h"
#include "platform/mouse_listener.h"
#include "platform/selected_text.h"
#include "platform/session.h"

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

const char *resultName(platform::HotKeyService::Result result)
{
    switch (result) {
    case platform::HotKeyService::Result::Ok: return "registered";
    case platform::HotKeyService::Result::AlreadyHeld: return "held by another program";
    case platform::HotKeyService::Result::NoKey: return "no such key";
    case platform::HotKeyService::Result::Failed: return "failed";
    }
    return "?";
}

int usage()
{
    std::fprintf(stderr, "usage: talkvane-platform-check [--watch SECONDS | --crash DIR | --show-desktop]\n");
    return 2;
}

// Runs this thread's message loop, which delivers the listeners' events.
void pumpFor(int seconds)
{
    const UINT_PTR timer = SetTimer(nullptr, 0, UINT(seconds) * 1000u, nullptr);
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        if (msg.message == WM_TIMER && msg.wParam == timer)
            break;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    KillTimer(nullptr, timer);
}

}  // namespace

int main(int argc, char **argv)
{
    int watchSeconds = 0;
    if (argc == 3 && std::strcmp(argv[1], "--watch") == 0) {
        watchSeconds = std::atoi(argv[2]);
        if (watchSeconds < 1 || watchSeconds > 3600)
            return usage();
    } else if (argc == 3 && std::strcmp(argv[1], "--crash") == 0) {
        platform::CrashHandler::instance().setDumpPath(argv[2], "platform-check");
        std::printf("crashing; the report goes to %s\n", platform::CrashHandler::instance().dumpPath().c_str());
        std::fflush(stdout);
        volatile int *nowhere = nullptr;
        *nowhere = 1;
        return 1;
    } else if (argc == 2 && std::strcmp(argv[1], "--show-desktop") == 0) {
        return platform::showDesktop() ? 0 : 1;
    } else if (argc != 1) {
        return usage();
    }

    const platform::SessionDescription &session = platform::currentSession();
    std::printf("desktop session: %s\n", session.problem.empty() ? "yes" : session.problem.c_str());
    if (const auto autostart = platform::autostart())
        std::printf("starts with the session: %s\n", autostart->isEnabled() ? "yes" : "no");
    if (const auto injector = platform::keyInjector())
        std::printf("key injection: yes (modifiers held now: %s)\n", injector->modifiersHeld() ? "yes" : "no");
    std::printf("selected text: %s\n", platform::selectedText() ? "yes" : "no");
    std::printf("clipboard watch: %s\n", platform::clipboardWatch() ? "yes" : "no");

    const auto hotKeys = platform::hotKeyService();
    if (hotKeys) {
        hotKeys->setListener([](unsigned virtualKey, unsigned modifiers) {
            std::printf("hot key 0x%02X modifiers 0x%X\n", virtualKey, modifiers);
        });
        for (unsigned key = platform::vk::F17; key <= platform::vk::F20; ++key)
            std::printf("hot key F%u: %s\n", key - platform::vk::F1 + 1, resultName(hotKeys->registerHotKey(key, 0)));
    } else {
        std::printf("hot keys: no\n");
    }

    const auto keyboard = platform::keyboardListener();
    const auto mouse = platform::mouseListener();
    const auto devices = platform::deviceMonitor();
    if (keyboard)
        keyboard->setListener([](unsigned virtualKey, bool down) {
            std::printf("key 0x%02X %s\n", virtualKey, down ? "down" : "up");
        });
    if (mouse)
        mouse->setListener([](platform::MouseListener::Event event, int x, int y) {
            const char *name = event == platform::MouseListener::Event::LeftDown ? "left down"
                : event == platform::MouseListener::Event::LeftUp                ? "left up"
                                                                                  : "move";
            std::printf("%s at %d,%d\n", name, x, y);
        });
    if (devices)
        devices->setListener([](const std::string &path, bool arrived) {
            std::printf("%s %s\n", arrived ? "arrived:" : "removed:", path.c_str());
        });
    if (watchSeconds) {
        std::printf("keyboard listening: %s\n", keyboard && keyboard->start() ? "yes" : "no");
        std::printf("mouse listening: %s\n", mouse && mouse->start() ? "yes" : "no");
        std::printf("device notifications: %s\n", devices && devices->start() ? "yes" : "no");
        std::fflush(stdout);
        pumpFor(watchSeconds);
        if (keyboard)
            keyboard->stop();
        if (mouse)
            mouse->stop();
        if (devices)
            devices->stop();
    }
    if (hotKeys) {
        for (unsigned key = platform::vk::F17; key <= platform::vk::F20; ++key)
            hotKeys->unregisterHotKey(key, 0);
    }
    return 0;
}
