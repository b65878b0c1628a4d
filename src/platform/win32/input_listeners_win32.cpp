#include "platform/win32/input_listeners_win32.h"

#include "platform/win32/win32_util.h"

#include <atomic>

namespace platform::win32 {

namespace {

// A hook procedure gets no context; each hook thread knows its own sink.
using Sink = std::function<void(WPARAM, LPARAM)>;
thread_local Sink *t_sink = nullptr;

LRESULT CALLBACK hookProc(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HC_ACTION && t_sink)
        (*t_sink)(wParam, lParam);
    // Never swallowed: the focused application gets every event.
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

// One low-level hook on a message thread of its own, its events posted to
// the mailbox of the thread that started it.
struct HookRunner
{
    std::unique_ptr<Mailbox> mailbox;
    MessageThread thread;
    HHOOK hook = nullptr;
    // Events carry the run they belong to: one posted before a stop is not
    // reported after a new start.
    std::atomic<unsigned> run{0};

    bool start(int hookType, Sink sink)
    {
        if (thread.running())
            return true;
        if (!mailbox)
            mailbox = std::make_unique<Mailbox>();  // on the starting thread
        if (!mailbox->valid()) {
            mailbox.reset();
            return false;
        }
        auto owned = std::make_shared<Sink>(std::move(sink));
        return thread.start(
            {},
            [this, hookType, owned](HWND) {
                t_sink = owned.get();
                hook = SetWindowsHookExW(hookType, hookProc, GetModuleHandleW(nullptr), 0);
                return hook != nullptr;
            },
            [this, owned](HWND) {
                UnhookWindowsHookEx(hook);
                hook = nullptr;
                t_sink = nullptr;
            });
    }

    void stop()
    {
        if (!thread.running())
            return;
        thread.stop();
        ++run;
        mailbox->discardPending();
    }
};

}  // namespace

struct Win32KeyboardListener::Private
{
    HookRunner runner;
};

Win32KeyboardListener::Win32KeyboardListener()
    : d(std::make_unique<Private>())
{
}

Win32KeyboardListener::~Win32KeyboardListener()
{
    stop();
}

bool Win32KeyboardListener::start()
{
    HookRunner &runner = d->runner;
    return runner.start(WH_KEYBOARD_LL, [this, &runner](WPARAM wParam, LPARAM lParam) {
        const auto *key = reinterpret_cast<const KBDLLHOOKSTRUCT *>(lParam);
        bool down;
        if (wParam == WM_KEYDOWN || wParam == WM_SYSKEYDOWN)
            down = true;
        else if (wParam == WM_KEYUP || wParam == WM_SYSKEYUP)
            down = false;
        else
            return;
        const unsigned virtualKey = key->vkCode, run = runner.run;
        runner.mailbox->post([this, &runner, virtualKey, down, run] {
            if (runner.run == run)
                report(virtualKey, down);
        });
    });
}

void Win32KeyboardListener::stop()
{
    d->runner.stop();
}

bool Win32KeyboardListener::isRunning() const
{
    return d->runner.thread.running();
}

struct Win32MouseListener::Private
{
    HookRunner runner;
    bool leftDown = false;  // on the hook thread
};

Win32MouseListener::Win32MouseListener()
    : d(std::make_unique<Private>())
{
}

Win32MouseListener::~Win32MouseListener()
{
    stop();
}

bool Win32MouseListener::start()
{
    d->leftDown = false;
    Private *p = d.get();
    return p->runner.start(WH_MOUSE_LL, [this, p](WPARAM wParam, LPARAM lParam) {
        Event what;
        if (wParam == WM_LBUTTONDOWN) {
            p->leftDown = true;
            what = Event::LeftDown;
        } else if (wParam == WM_LBUTTONUP) {
            p->leftDown = false;
            what = Event::LeftUp;
        } else if (wParam == WM_MOUSEMOVE && p->leftDown) {
            // Only a held button makes a move worth reporting, as on X11.
            what = Event::Move;
        } else {
            return;
        }
        const auto *mouse = reinterpret_cast<const MSLLHOOKSTRUCT *>(lParam);
        const int x = mouse->pt.x, y = mouse->pt.y;
        const unsigned run = p->runner.run;
        p->runner.mailbox->post([this, p, what, x, y, run] {
            if (p->runner.run == run)
                report(what, x, y);
        });
    });
}

void Win32MouseListener::stop()
{
    d->runner.stop();
}

bool Win32MouseListener::isRunning() const
{
    return d->runner.thread.running();
}

}  // namespace platform::win32
