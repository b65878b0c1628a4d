#pragma once

#include <X11/Xlib.h>

#include <atomic>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

// A minimal freedesktop system tray (XEmbed) on the test display, so tests
// can see an application dock its icon into a real notification area.
class X11TrayHost
{
public:
    X11TrayHost() = default;
    ~X11TrayHost();

    bool start();  // owns _NET_SYSTEM_TRAY_S<screen> and announces itself
    void stop();

    std::vector<Window> dockedIcons();

private:
    void run();

    Display *m_display = nullptr;
    Window m_window = 0;
    Atom m_opcode = 0;
    std::thread m_thread;
    std::atomic<bool> m_stop{false};
    std::mutex m_mutex;
    std::vector<Window> m_icons;
};

// Looking at another process's windows, as a window manager would.
namespace X11Windows {

std::vector<Window> ofPid(Display *display, long pid);  // every window with that _NET_WM_PID
std::vector<Window> named(Display *display, long pid, const std::string &title);
bool isViewable(Display *display, Window window);
void sendDeleteWindow(Display *display, Window window);  // the title bar's close button

}  // namespace X11Windows
