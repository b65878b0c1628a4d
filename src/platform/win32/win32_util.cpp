#include "platform/win32/win32_util.h"

#include <memory>
#include <utility>

namespace platform::win32 {

namespace {

constexpr UINT kRunMessage = WM_APP + 1;
constexpr UINT kCallMessage = WM_APP + 2;
constexpr UINT kQuitMessage = WM_APP + 3;

const wchar_t kMailboxClass[] = L"TalkvaneMailbox";
const wchar_t kThreadClass[] = L"TalkvaneMessageThread";

// Classes are per process; a second registration fails harmlessly.
void registerClass(const wchar_t *name, WNDPROC proc)
{
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = proc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = name;
    RegisterClassExW(&wc);
}

HWND messageWindow(const wchar_t *className, WNDPROC proc, void *param)
{
    registerClass(className, proc);
    return CreateWindowExW(0, className, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                           GetModuleHandleW(nullptr), param);
}

}  // namespace

std::wstring toWide(const std::string &utf8)
{
    if (utf8.empty())
        return {};
    const int n = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), int(utf8.size()), nullptr, 0);
    if (n <= 0)
        return {};
    std::wstring wide(size_t(n), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), int(utf8.size()), &wide[0], n);
    return wide;
}

std::string toUtf8(const wchar_t *text, int length)
{
    if (!text)
        return {};
    if (length < 0)
        length = int(wcslen(text));
    if (length == 0)
        return {};
    const int n = WideCharToMultiByte(CP_UTF8, 0, text, length, nullptr, 0, nullptr, nullptr);
    if (n <= 0)
        return {};
    std::string utf8(size_t(n), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, length, &utf8[0], n, nullptr, nullptr);
    return utf8;
}

Mailbox::Mailbox()
    : m_window(messageWindow(kMailboxClass, windowProc, nullptr))
{
}

Mailbox::~Mailbox()
{
    if (!m_window)
        return;
    discardPending();
    DestroyWindow(m_window);
}

bool Mailbox::post(std::function<void()> fn)
{
    if (!m_window)
        return false;
    auto owned = std::make_unique<std::function<void()>>(std::move(fn));
    if (!PostMessageW(m_window, kRunMessage, 0, reinterpret_cast<LPARAM>(owned.get())))
        return false;
    owned.release();  // the window procedure or discardPending() deletes it
    return true;
}

void Mailbox::discardPending()
{
    MSG msg;
    while (m_window && PeekMessageW(&msg, m_window, kRunMessage, kRunMessage, PM_REMOVE))
        delete reinterpret_cast<std::function<void()> *>(msg.lParam);
}

LRESULT CALLBACK Mailbox::windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == kRunMessage) {
        // Owned before it runs: the function may destroy whoever posted it.
        std::unique_ptr<std::function<void()>> fn(reinterpret_cast<std::function<void()> *>(lParam));
        (*fn)();
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

bool MessageThread::start(Handler handler, Setup setup, Teardown teardown)
{
    if (m_window)
        return true;
    m_handler = std::move(handler);
    HANDLE started = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    if (!started)
        return false;
    bool ok = false;
    m_thread = std::thread(&MessageThread::run, this, std::move(setup), std::move(teardown), &ok, started);
    WaitForSingleObject(started, INFINITE);
    CloseHandle(started);
    if (!ok) {
        m_thread.join();
        m_window = nullptr;
    }
    return ok;
}

void MessageThread::run(Setup setup, Teardown teardown, bool *ok, HANDLE started)
{
    HWND window = messageWindow(kThreadClass, windowProc, this);
    if (window && setup && !setup(window)) {
        DestroyWindow(window);
        window = nullptr;
    }
    m_window = window;
    *ok = window != nullptr;
    SetEvent(started);
    if (!window)
        return;

    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    if (teardown)
        teardown(window);
    DestroyWindow(window);
}

void MessageThread::stop()
{
    if (!m_window)
        return;
    PostMessageW(m_window, kQuitMessage, 0, 0);
    if (m_thread.joinable())
        m_thread.join();
    m_window = nullptr;
}

void MessageThread::call(const std::function<void()> &fn)
{
    if (!m_window)
        return;
    SendMessageW(m_window, kCallMessage, 0, reinterpret_cast<LPARAM>(&fn));
}

LRESULT CALLBACK MessageThread::windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        const auto *create = reinterpret_cast<const CREATESTRUCTW *>(lParam);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto *self = reinterpret_cast<MessageThread *>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (self) {
        switch (message) {
        case kCallMessage:
            (*reinterpret_cast<const std::function<void()> *>(lParam))();
            return 0;
        case kQuitMessage:
            PostQuitMessage(0);
            return 0;
        default:
            break;
        }
        LRESULT result = 0;
        if (self->m_handler && self->m_handler(window, message, wParam, lParam, result))
            return result;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace platform::win32
