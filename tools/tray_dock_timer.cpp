// tray-dock-timer: starts a program and prints the milliseconds from its
// start to its icon shown in the notification area, for start-up benchmarks.
//
//   tray-dock-timer [--timeout-ms N] -- program [args...]
//   tray-dock-timer --check-tray    exit 0 when a notification area is up
//
// Prints two figures: the wall-clock milliseconds, and the CPU milliseconds
// the program's threads had used by then.
//
// The icon counts as shown when a window of the program (or of a process it
// started) has been reparented from the root window into the tray and is
// viewable. Waiting is event driven (SubstructureNotify on the root,
// StructureNotify on the icon), so the figure is not rounded to a poll
// interval. The program is killed afterwards, with its
// process group. Exit status: 0 measured, 1 timeout or early exit, 2 usage or
// no display, 3 no notification area on the display.

#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <dirent.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

double nowMs()
{
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return double(ts.tv_sec) * 1e3 + double(ts.tv_nsec) / 1e6;
}

// -1 when the window has no _NET_WM_PID (or is already gone).
long pidOf(Display *display, Window window, Atom pidAtom)
{
    Atom type = None;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char *data = nullptr;
    long pid = -1;
    if (XGetWindowProperty(display, window, pidAtom, 0, 1, False, XA_CARDINAL, &type, &format,
                           &count, &after, &data) == Success
        && data && format == 32 && count == 1)
        pid = long(*reinterpret_cast<unsigned long *>(data));
    if (data)
        XFree(data);
    return pid;
}

// Whether pid is the program or was started by it (the program may be a
// wrapper such as strace or perf).
bool startedBy(long pid, pid_t program)
{
    for (int depth = 0; depth < 8 && pid > 1; ++depth) {
        if (pid == long(program))
            return true;
        const std::string path = "/proc/" + std::to_string(pid) + "/stat";
        FILE *f = std::fopen(path.c_str(), "r");
        if (!f)
            return false;
        // pid (comm) state ppid: comm may hold spaces, so look after the ')'.
        char line[512] = {};
        const size_t n = std::fread(line, 1, sizeof line - 1, f);
        std::fclose(f);
        const char *close = std::strrchr(line, ')');
        long parent = 0;
        if (n == 0 || !close || std::sscanf(close + 1, " %*c %ld", &parent) != 1)
            return false;
        pid = parent;
    }
    return false;
}

bool viewable(Display *display, Window window)
{
    XWindowAttributes attrs{};
    return XGetWindowAttributes(display, window, &attrs) && attrs.map_state == IsViewable;
}

// The icon may vanish between an event and our questions about it.
int ignoreErrors(Display *, XErrorEvent *)
{
    return 0;
}

// CPU time of the process's live threads so far, in ms: unlike the wall
// clock it hardly depends on what else the machine is doing.
double cpuMs(pid_t pid)
{
    const std::string tasks = "/proc/" + std::to_string(pid) + "/task";
    DIR *dir = opendir(tasks.c_str());
    if (!dir)
        return -1;
    double ns = 0;
    while (dirent *entry = readdir(dir)) {
        if (entry->d_name[0] == '.')
            continue;
        FILE *f = std::fopen((tasks + "/" + entry->d_name + "/schedstat").c_str(), "r");
        if (!f)
            continue;
        unsigned long long onCpu = 0;
        if (std::fscanf(f, "%llu", &onCpu) == 1)
            ns += double(onCpu);
        std::fclose(f);
    }
    closedir(dir);
    return ns / 1e6;
}

void killGroup(pid_t pid)
{
    kill(-pid, SIGTERM);
    bool reaped = false;
    for (int i = 0; i < 100 && !reaped; ++i) {
        reaped = waitpid(pid, nullptr, WNOHANG) == pid;
        if (!reaped)
            usleep(10000);
    }
    // Also whatever the program left in its group (helpers, a forked server).
    kill(-pid, SIGKILL);
    if (!reaped)
        waitpid(pid, nullptr, 0);
}

}  // namespace

int main(int argc, char **argv)
{
    int timeoutMs = 10000;
    bool checkOnly = false;
    int first = 1;
    while (first < argc && std::strcmp(argv[first], "--") != 0) {
        if (std::strcmp(argv[first], "--timeout-ms") == 0 && first + 1 < argc) {
            timeoutMs = std::atoi(argv[first + 1]);
            first += 2;
        } else if (std::strcmp(argv[first], "--check-tray") == 0) {
            checkOnly = true;
            ++first;
        } else {
            std::fprintf(stderr, "usage: %s [--timeout-ms N] -- program [args...]\n", argv[0]);
            return 2;
        }
    }
    if (!checkOnly && first + 1 >= argc) {
        std::fprintf(stderr, "usage: %s [--timeout-ms N] -- program [args...]\n", argv[0]);
        return 2;
    }
    char **command = checkOnly ? nullptr : argv + first + 1;

    Display *display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "tray-dock-timer: cannot open display\n");
        return 2;
    }
    XSetErrorHandler(ignoreErrors);
    const int screen = DefaultScreen(display);
    const Window root = RootWindow(display, screen);
    const std::string selectionName = "_NET_SYSTEM_TRAY_S" + std::to_string(screen);
    const Atom selection = XInternAtom(display, selectionName.c_str(), False);
    if (XGetSelectionOwner(display, selection) == None) {
        std::fprintf(stderr, "tray-dock-timer: no notification area on the display\n");
        return 3;
    }
    if (checkOnly)
        return 0;
    const Atom pidAtom = XInternAtom(display, "_NET_WM_PID", False);
    XSelectInput(display, root, SubstructureNotifyMask);
    XSync(display, False);  // selected before the program can make a window

    const double start = nowMs();
    const pid_t child = fork();
    if (child < 0) {
        std::perror("fork");
        return 2;
    }
    if (child == 0) {
        setpgid(0, 0);
        close(ConnectionNumber(display));
        execvp(command[0], command);
        std::perror(command[0]);
        _exit(127);
    }
    setpgid(child, child);

    Window icon = None;
    double done = -1;
    const int fd = ConnectionNumber(display);
    while (done < 0) {
        while (done < 0 && XPending(display) > 0) {
            XEvent ev;
            XNextEvent(display, &ev);
            if (ev.type == ReparentNotify && icon == None && ev.xreparent.parent != root) {
                const Window w = ev.xreparent.window;
                const long pid = pidOf(display, w, pidAtom);
                if (pid != -1 && !startedBy(pid, child))
                    continue;
                icon = w;
                XSelectInput(display, icon, StructureNotifyMask);
                XSync(display, False);  // a map before this shows in the state below
                if (viewable(display, icon))
                    done = nowMs();
            } else if (ev.type == MapNotify && icon != None && ev.xmap.window == icon) {
                if (viewable(display, icon))
                    done = nowMs();
            } else if (ev.type == ReparentNotify && ev.xreparent.window == icon
                       && ev.xreparent.parent == root) {
                icon = None;  // the tray gave it back; wait for another dock
            }
        }
        if (done >= 0)
            break;
        const double left = start + timeoutMs - nowMs();
        if (left <= 0 || waitpid(child, nullptr, WNOHANG) == child) {
            std::fprintf(stderr, "tray-dock-timer: %s\n",
                         left <= 0 ? "no icon before the timeout" : "the program exited first");
            killGroup(child);
            return 1;
        }
        pollfd p{fd, POLLIN, 0};
        const int waitMs = left < 50 ? int(left) + 1 : 50;  // also notices an early exit
        if (poll(&p, 1, waitMs) < 0 && errno != EINTR) {
            std::perror("poll");
            killGroup(child);
            return 2;
        }
    }
    std::printf("%.1f %.1f\n", done - start, cpuMs(child));
    std::fflush(stdout);
    killGroup(child);
    XCloseDisplay(display);
    return 0;
}
