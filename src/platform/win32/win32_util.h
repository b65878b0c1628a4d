#pragma once

#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include <functional>
#include <string>
#include <thread>

namespace platform::win32 {

// UTF-8 at the interfaces, UTF-16 for the W functions. Invalid input becomes
// U+FFFD rather than an empty string.
std::wstring toWide(const std::string &utf8);
std::string toUtf8(const wchar_t *text, int length = -1);
inline std::string toUtf8(const std::wstring &text) { return toUtf8(text.c_str(), int(text.size())); }

// Runs functions on the thread that made it, through a message-only window
// of that thread. Whatever pumps that thread's messages runs them: on the GUI
// thread that is Qt's event loop, which dispatches every window's messages.
// This is how callbacks reach the GUI thread without Qt in the platform layer.
class Mailbox
{
public:
    Mailbox();   // on the receiving thread
    ~Mailbox();  // on the receiving thread; what was not run is dropped
    Mailbox(const Mailbox &) = delete;
    Mailbox &operator=(const Mailbox &) = delete;

    bool valid() const { return m_window != nullptr; }
    // Any thread. False when the receiving window is gone.
    bool post(std::function<void()> fn);
    // Receiving thread: drops everything posted so far without running it.
    void discardPending();

private:
    static LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    HWND m_window = nullptr;
};

// A thread of its own with a message-only window and a GetMessage loop, for
// the APIs that deliver to the thread that asked: hot keys, low-level hooks,
// device notifications. None of them may wait on the GUI thread.
class MessageThread
{
public:
    // On the thread: true when the message was handled, with its result.
    using Handler = std::function<bool(HWND, UINT, WPARAM, LPARAM, LRESULT &)>;
    using Setup = std::function<bool(HWND)>;
    using Teardown = std::function<void(HWND)>;

    MessageThread() = default;
    ~MessageThread() { stop(); }
    MessageThread(const MessageThread &) = delete;
    MessageThread &operator=(const MessageThread &) = delete;

    // Starts the thread and waits until setup has run there; false (and no
    // thread) when the window could not be made or setup said no.
    bool start(Handler handler, Setup setup = {}, Teardown teardown = {});
    // Ends the loop after the messages already queued, runs teardown there
    // and joins. Must not be called on the thread itself.
    void stop();
    bool running() const { return m_window != nullptr; }
    HWND window() const { return m_window; }

    // Runs fn on the thread and waits for it. The caller's thread still
    // answers messages sent to it meanwhile, so the two cannot deadlock.
    void call(const std::function<void()> &fn);

private:
    static LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void run(Setup setup, Teardown teardown, bool *ok, HANDLE started);

    Handler m_handler;
    HWND m_window = nullptr;
    std::thread m_thread;
};

}  // namespace platform::win32
