// The Windows backends against a real Windows (or Wine) session: the
// threads and windows that carry events to the caller's thread, the Run key,
// hot keys, keys and clicks sent with SendInput and seen by the low-level
// hooks, device notifications, and a crash report from a child that crashes.
// It sends input to the session, so run it on a test machine, not a desktop
// in use. Exit status: the number of failed checks.

#include "platform/crash_handler.h"
#include "platform/keys.h"
#include "platform/session.h"
#include "platform/win32/autostart_win32.h"
#include "platform/win32/device_monitor_win32.h"
#include "platform/win32/hotkeys_win32.h"
#include "platform/win32/input_listeners_win32.h"
#include "platform/win32/key_injector_win32.h"
#include "platform/win32/win32_util.h"

#include <cstdio>
#include <cstring>
#include <string>
#include <thread>
#include <tuple>
#include <vector>

using namespace platform;
using namespace platform::win32;

namespace {

int g_failures = 0;

#define CHECK(condition)                                                                            \
    do {                                                                                            \
        if (!(condition)) {                                                                         \
            std::printf("FAIL %s:%d: %s\n", __FILE__, __LINE__, #condition);                        \
            ++g_failures;                                                                           \
        }                                                                                           \
    } while (0)

constexpr unsigned kF24 = 0x87;
constexpr unsigned kAllModifiers = ModAlt | ModControl | ModShift;

// Runs this thread's messages for ms, or until done() holds.
template <typename Done>
void pump(int ms, Done done)
{
    const DWORD end = GetTickCount() + DWORD(ms);
    MSG msg;
    while (!done() && GetTickCount() < end) {
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        Sleep(5);
    }
}
void pump(int ms)
{
    pump(ms, [] { return false; });
}

void utf8()
{
    const std::string text = "Gr\xC3\xBC\xC3\x9F" "e \xE4\xBD\xA0\xE5\xA5\xBD \xF0\x9F\x98\x80";
    const std::wstring wide = toWide(text);
    CHECK(wide.size() == 11);  // the emoji takes two UTF-16 units
    CHECK(wide[2] == 0x00FC && wide[9] == 0xD83D);
    CHECK(toUtf8(wide) == text);
    CHECK(toUtf8(nullptr).empty() && toWide("").empty());
    CHECK(!toWide("bad \xFF byte").empty());
}

void mailboxAndThread()
{
    const DWORD self = GetCurrentThreadId();
    Mailbox mailbox;
    CHECK(mailbox.valid());
    std::vector<DWORD> ranOn;
    std::thread poster([&] {
        for (int i = 0; i < 3; ++i)
            CHECK(mailbox.post([&] { ranOn.push_back(GetCurrentThreadId()); }));
    });
    poster.join();
    pump(1000, [&] { return ranOn.size() == 3; });
    CHECK(ranOn == std::vector<DWORD>(3, self));

    // Dropped ones never run.
    ranOn.clear();
    mailbox.post([&] { ranOn.push_back(1); });
    mailbox.discardPending();
    pump(100);
    CHECK(ranOn.empty());

    MessageThread thread;
    UINT seen = 0;
    CHECK(thread.start([&](HWND, UINT message, WPARAM, LPARAM, LRESULT &result) {
        if (message != WM_APP + 100)
            return false;
        seen = message;
        result = 42;
        return true;
    }));
    DWORD threadId = 0;
    thread.call([&] { threadId = GetCurrentThreadId(); });
    CHECK(threadId != 0 && threadId != self);
    CHECK(SendMessageW(thread.window(), WM_APP + 100, 0, 0) == 42 && seen == WM_APP + 100);
    thread.stop();
    CHECK(!thread.running());

    MessageThread refused;
    CHECK(!refused.start({}, [](HWND) { return false; }));
    CHECK(!refused.running());
}

std::wstring readRun(const wchar_t *key, const wchar_t *name)
{
    wchar_t value[512] = {};
    DWORD size = sizeof(value);
    if (RegGetValueW(HKEY_CURRENT_USER, key, name, RRF_RT_REG_SZ, nullptr, value, &size) != ERROR_SUCCESS)
        return L"<none>";
    return value;
}

void runKey()
{
    const wchar_t root[] = L"Software\\TalkvaneBackendsCheck";
    const wchar_t run[] = L"Software\\TalkvaneBackendsCheck\\Run";
    const wchar_t approved[] = L"Software\\TalkvaneBackendsCheck\\Approved";
    RegDeleteTreeW(HKEY_CURRENT_USER, root);
    // Someone else's entry beside ours stays as it is.
    const wchar_t other[] = L"\"C:\\other.exe\"";
    RegSetKeyValueW(HKEY_CURRENT_USER, run, L"Other", REG_SZ, other, sizeof(other));

    Win32Autostart a(run, approved, L"Talkvane");
    CHECK(!a.isEnabled());
    AutostartResult r = a.enable("talkvane.exe");
    CHECK(!r.ok && !r.reason.empty());

    const std::string exe = "C:\\Program Files\\Talkvane \xE5\xA3\xB0\\talkvane.exe";
    r = a.enable(exe);
    CHECK(r.ok && r.changed);
    CHECK(r.reason.empty());
    CHECK(readRun(run, L"Talkvane") == L"\"" + toWide(exe) + L"\"");
    CHECK(a.isEnabled());
    r = a.enable(exe);
    CHECK(r.ok && !r.changed);

    // Switched off in Task Manager: not enabled, and enabling switches it on.
    const BYTE off[12] = {0x03, 0, 0, 0, 1, 2, 3, 4, 5, 6, 7, 8};
    RegSetKeyValueW(HKEY_CURRENT_USER, approved, L"Talkvane", REG_BINARY, off, sizeof(off));
    CHECK(!a.isEnabled());
    r = a.enable(exe);
    CHECK(r.ok && r.changed && a.isEnabled());

    r = a.disable();
    CHECK(r.ok && r.changed && !a.isEnabled());
    CHECK(readRun(run, L"Talkvane") == L"<none>");
    r = a.disable();
    CHECK(r.ok && !r.changed);
    CHECK(readRun(run, L"Other") == other);

    // An installer's entry with variables in it starts Talkvane too.
    const wchar_t expandable[] = L"\"%SystemRoot%\\talkvane.exe\"";
    RegSetKeyValueW(HKEY_CURRENT_USER, run, L"Talkvane", REG_EXPAND_SZ, expandable, sizeof(expandable));
    CHECK(a.isEnabled());
    RegDeleteTreeW(HKEY_CURRENT_USER, root);
}

void hotKeysAndInjection()
{
    const DWORD self = GetCurrentThreadId();
    auto service = Win32HotKeyService::create();
    CHECK(service != nullptr);
    if (!service)
        return;
    std::vector<std::tuple<unsigned, unsigned, DWORD>> activations;
    service->setListener([&](unsigned key, unsigned modifiers) {
        activations.emplace_back(key, modifiers, GetCurrentThreadId());
    });
    CHECK(service->registerHotKey(0, 0) == HotKeyService::Result::NoKey);
    CHECK(service->registerHotKey(kF24, kAllModifiers) == HotKeyService::Result::Ok);
    CHECK(service->registerHotKey(kF24, kAllModifiers) == HotKeyService::Result::Ok);
    {
        // Another holder of the same key is told so.
        auto other = Win32HotKeyService::create();
        CHECK(other && other->registerHotKey(kF24, kAllModifiers) == HotKeyService::Result::AlreadyHeld);
    }
    CHECK(service->unregisterHotKey(kF24, kAllModifiers));
    CHECK(!service->unregisterHotKey(kF24, kAllModifiers));

    auto injector = Win32KeyInjector::create();
    Win32KeyboardListener keyboard;
    std::vector<std::tuple<unsigned, bool, DWORD>> keys;
    keyboard.setListener([&](unsigned key, bool down) { keys.emplace_back(key, down, GetCurrentThreadId()); });
    CHECK(keyboard.start() && keyboard.start() && keyboard.isRunning());

    CHECK(service->registerHotKey(kF24, 0) == HotKeyService::Result::Ok);
    CHECK(injector->sendBatch({{kF24, true}, {kF24, false}}));
    pump(2000, [&] { return !activations.empty() && keys.size() >= 2; });
    CHECK(activations.size() == 1);
    if (!activations.empty())
        CHECK(activations[0] == std::make_tuple(kF24, 0u, self));
    CHECK(keys.size() == 2);
    if (keys.size() == 2) {
        CHECK(keys[0] == std::make_tuple(kF24, true, self));
        CHECK(keys[1] == std::make_tuple(kF24, false, self));
    }

    // Out of range: the rest of the batch still goes.
    keys.clear();
    CHECK(!injector->sendBatch({{0x1083, true}, {kF24, true}, {kF24, false}}));
    pump(2000, [&] { return keys.size() >= 2; });
    CHECK(keys.size() == 2);

    // Nothing after stop.
    keyboard.stop();
    CHECK(!keyboard.isRunning());
    keys.clear();
    injector->sendBatch({{kF24, true}, {kF24, false}});
    pump(300);
    CHECK(keys.empty());
    CHECK(!injector->modifiersHeld());
    CHECK(injector->waitForModifiersReleased(100));
    service->unregisterHotKey(kF24, 0);
}

void mouse()
{
    Win32MouseListener listener;
    std::vector<std::tuple<MouseListener::Event, int, int>> events;
    listener.setListener([&](MouseListener::Event e, int x, int y) { events.emplace_back(e, x, y); });
    CHECK(listener.start());
    SetCursorPos(100, 120);
    pump(100);
    events.clear();  // a move without the button is not reported anyway
    INPUT in[3] = {};
    for (INPUT &i : in)
        i.type = INPUT_MOUSE;
    in[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    in[1].mi.dwFlags = MOUSEEVENTF_MOVE;
    in[1].mi.dx = 30;
    in[1].mi.dy = 10;
    in[2].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    CHECK(SendInput(3, in, sizeof(INPUT)) == 3);
    pump(2000, [&] { return events.size() >= 3; });
    CHECK(events.size() == 3);
    if (events.size() == 3) {
        CHECK(events[0] == std::make_tuple(MouseListener::Event::LeftDown, 100, 120));
        CHECK(std::get<0>(events[1]) == MouseListener::Event::Move && std::get<1>(events[1]) > 100);
        CHECK(std::get<0>(events[2]) == MouseListener::Event::LeftUp);
    }
    listener.stop();
}

void deviceNotifications()
{
    Win32DeviceMonitor monitor;
    CHECK(monitor.start() && monitor.start() && monitor.isRunning());
    monitor.stop();
    CHECK(!monitor.isRunning());
}

void crashReport()
{
    wchar_t self[MAX_PATH];
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    const std::wstring dir = std::wstring(temp) + L"talkvane-crash-check";
    WIN32_FIND_DATAW found;
    for (const wchar_t *pattern : {L"\\*.txt", L"\\*.dmp"}) {
        HANDLE f = FindFirstFileW((dir + pattern).c_str(), &found);
        if (f != INVALID_HANDLE_VALUE) {
            do
                DeleteFileW((dir + L"\\" + found.cFileName).c_str());
            while (FindNextFileW(f, &found));
            FindClose(f);
        }
    }

    std::wstring command = L"\"" + std::wstring(self) + L"\" --crash \"" + dir + L"\"";
    STARTUPINFOW si{};
    si.cb = sizeof(si);
    PROCESS_INFORMATION pi{};
    // No error dialog from the child: it is meant to die.
    SetErrorMode(SEM_NOGPFAULTERRORBOX | SEM_FAILCRITICALERRORS);
    CHECK(CreateProcessW(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi));
    // Wine hands an unhandled exception to its debugger, which keeps the
    // process; Windows ends it with the exception's code.
    const bool wine = GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr;
    for (int waited = 0; WaitForSingleObject(pi.hProcess, 100) == WAIT_TIMEOUT && waited < 30000; waited += 100) {
        HANDLE report = FindFirstFileW((dir + L"\\crash-*.txt").c_str(), &found);
        if (wine && report != INVALID_HANDLE_VALUE) {
            FindClose(report);
            Sleep(500);  // the report is written before the filter returns
            break;
        }
        if (report != INVALID_HANDLE_VALUE)
            FindClose(report);
    }
    if (WaitForSingleObject(pi.hProcess, 0) == WAIT_TIMEOUT)
        TerminateProcess(pi.hProcess, 1);
    DWORD status = 0;
    GetExitCodeProcess(pi.hProcess, &status);
    CloseHandle(pi.hProcess);
    CloseHandle(pi.hThread);
    if (!wine)
        CHECK(status == 0xC0000005u);

    std::string report;
    HANDLE f = FindFirstFileW((dir + L"\\crash-*.txt").c_str(), &found);
    CHECK(f != INVALID_HANDLE_VALUE);
    if (f != INVALID_HANDLE_VALUE) {
        FindClose(f);
        HANDLE file = CreateFileW((dir + L"\\" + found.cFileName).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                  OPEN_EXISTING, 0, nullptr);
        char buffer[2048] = {};
        DWORD n = 0;
        ReadFile(file, buffer, sizeof(buffer) - 1, &n, nullptr);
        CloseHandle(file);
        report.assign(buffer, n);
    }
    std::printf("%s", report.c_str());
    CHECK(report.find("exception: 0xc0000005 (EXCEPTION_ACCESS_VIOLATION)") != std::string::npos);
    CHECK(report.find("writing: 0x0") != std::string::npos);
    CHECK(report.find("version: backends-check") != std::string::npos);
    CHECK(report.find("minidump: crash-") != std::string::npos);
    f = FindFirstFileW((dir + L"\\crash-*.dmp").c_str(), &found);
    CHECK(f != INVALID_HANDLE_VALUE && (found.nFileSizeLow > 0 || found.nFileSizeHigh > 0));
    if (f != INVALID_HANDLE_VALUE)
        FindClose(f);
}

}  // namespace

int main(int argc, char **argv)
{
    if (argc == 3 && std::strcmp(argv[1], "--crash") == 0) {
        CrashHandler::instance().setDumpPath(argv[2], "backends-check");
        volatile int *nowhere = nullptr;
        *nowhere = 1;
        return 1;
    }
    std::setvbuf(stdout, nullptr, _IONBF, 0);
    CHECK(currentSession().kind == SessionKind::Desktop);
    utf8();
    mailboxAndThread();
    runKey();
    hotKeysAndInjection();
    mouse();
    deviceNotifications();
    crashReport();
    std::printf("%d failed\n", g_failures);
    return g_failures;
}
