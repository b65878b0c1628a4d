#include "x11_tray_host.h"

#include <X11/Xatom.h>
#include <X11/Xutil.h>

#include <chrono>
#include <cstdio>
#include <thread>
#include <string>

namespace {
constexpr long kRequestDock = 0;
}

X11TrayHost::~X11TrayHost()
{
    stop();
}

bool X11TrayHost::start()
{
    m_display = XOpenDisplay(nullptr);
    if (!m_display) {
        std::fprintf(stderr, "X11TrayHost: cannot open the display\n");
        return false;
    }
    const int screen = DefaultScreen(m_display);
    const Window root = RootWindow(m_display, screen);
    XSetWindowAttributes attrs{};
    attrs.override_redirect = True;
    m_window = XCreateWindow(m_display, root, 0, 0, 200, 32, 0, CopyFromParent, InputOutput,
                             CopyFromParent, CWOverrideRedirect, &attrs);
    XSelectInput(m_display, m_window, SubstructureNotifyMask | StructureNotifyMask);
    XMapWindow(m_display, m_window);

    const std::string selName = "_NET_SYSTEM_TRAY_S" + std::to_string(screen);
    const Atom selection = XInternAtom(m_display, selName.c_str(), False);
    m_opcode = XInternAtom(m_display, "_NET_SYSTEM_TRAY_OPCODE", False);
    const Atom orientation = XInternAtom(m_display, "_NET_SYSTEM_TRAY_ORIENTATION", False);
    const long horizontal = 0;
    XChangeProperty(m_display, m_window, orientation, XA_CARDINAL, 32, PropModeReplace,
                    reinterpret_cast<const unsigned char *>(&horizontal), 1);
    // Xvfb now and then refuses the selection right after another client let
    // it go (or before the window is known); a few tries cover that.
    bool owned = false;
    for (int attempt = 0; attempt < 20 && !owned; ++attempt) {
        if (attempt > 0)
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        XSetSelectionOwner(m_display, selection, m_window, CurrentTime);
        XSync(m_display, False);
        owned = XGetSelectionOwner(m_display, selection) == m_window;
    }
    if (!owned) {
        std::fprintf(stderr, "X11TrayHost: could not own %s\n", selName.c_str());
        return false;
    }

    XClientMessageEvent manager{};
    manager.type = ClientMessage;
    manager.window = root;
    manager.message_type = XInternAtom(m_display, "MANAGER", False);
    manager.format = 32;
    manager.data.l[0] = CurrentTime;
    manager.data.l[1] = long(selection);
    manager.data.l[2] = long(m_window);
    XSendEvent(m_display, root, False, StructureNotifyMask,
               reinterpret_cast<XEvent *>(&manager));
    XFlush(m_display);

    m_thread = std::thread([this] { run(); });
    return true;
}

void X11TrayHost::run()
{
    int x = 0;
    while (!m_stop) {
        while (XPending(m_display)) {
            XEvent ev;
            XNextEvent(m_display, &ev);
            if (ev.type == ClientMessage && ev.xclient.message_type == m_opcode
                && ev.xclient.data.l[1] == kRequestDock) {
                const Window icon = Window(ev.xclient.data.l[2]);
                XReparentWindow(m_display, icon, m_window, x, 0);
                XMapWindow(m_display, icon);
                x += 32;
                std::lock_guard<std::mutex> lock(m_mutex);
                m_icons.push_back(icon);
            }
        }
        XFlush(m_display);
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
}

void X11TrayHost::stop()
{
    if (m_thread.joinable()) {
        m_stop = true;
        m_thread.join();
    }
    if (m_display) {
        XDestroyWindow(m_display, m_window);
        XCloseDisplay(m_display);
        m_display = nullptr;
    }
}

std::vector<Window> X11TrayHost::dockedIcons()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_icons;
}

namespace X11Windows {

namespace {

// Another process's windows may go away between two requests about them; for
// these look-ups that only means "not there". Other errors go on as before.
XErrorHandler g_previousHandler = nullptr;

int ignoreVanishedWindows(Display *display, XErrorEvent *error)
{
    if (error->error_code == BadWindow || error->error_code == BadDrawable)
        return 0;
    return g_previousHandler ? g_previousHandler(display, error) : 0;
}

void tolerateVanishedWindows()
{
    static const bool installed = [] {
        g_previousHandler = XSetErrorHandler(ignoreVanishedWindows);
        return true;
    }();
    (void)installed;
}

long pidOf(Display *display, Window window)
{
    const Atom pidAtom = XInternAtom(display, "_NET_WM_PID", False);
    Atom type;
    int format;
    unsigned long count, after;
    unsigned char *data = nullptr;
    long pid = -1;
    if (XGetWindowProperty(display, window, pidAtom, 0, 1, False, XA_CARDINAL, &type, &format,
                           &count, &after, &data) == Success
        && data && count == 1)
        pid = long(*reinterpret_cast<unsigned long *>(data));
    if (data)
        XFree(data);
    return pid;
}

void collect(Display *display, Window window, long pid, std::vector<Window> &out)
{
    if (pidOf(display, window) == pid)
        out.push_back(window);
    Window root, parent, *children = nullptr;
    unsigned int n = 0;
    if (!XQueryTree(display, window, &root, &parent, &children, &n))
        return;
    for (unsigned int i = 0; i < n; ++i)
        collect(display, children[i], pid, out);
    if (children)
        XFree(children);
}

}  // namespace

std::vector<Window> ofPid(Display *display, long pid)
{
    tolerateVanishedWindows();
    std::vector<Window> out;
    collect(display, DefaultRootWindow(display), pid, out);
    return out;
}

std::vector<Window> named(Display *display, long pid, const std::string &title)
{
    std::vector<Window> out;
    for (Window w : ofPid(display, pid)) {
        char *name = nullptr;
        if (XFetchName(display, w, &name) && name) {
            if (title == name)
                out.push_back(w);
            XFree(name);
        }
    }
    return out;
}

bool isViewable(Display *display, Window window)
{
    tolerateVanishedWindows();
    XWindowAttributes attrs{};
    return XGetWindowAttributes(display, window, &attrs) && attrs.map_state == IsViewable;
}

void sendDeleteWindow(Display *display, Window window)
{
    XEvent ev{};
    ev.xclient.type = ClientMessage;
    ev.xclient.window = window;
    ev.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
    ev.xclient.format = 32;
    ev.xclient.data.l[0] = long(XInternAtom(display, "WM_DELETE_WINDOW", False));
    ev.xclient.data.l[1] = CurrentTime;
    XSendEvent(display, window, False, NoEventMask, &ev);
    XFlush(display);
}

}  // namespace X11Windows
