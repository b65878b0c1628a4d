#include "platform/crash_handler.h"
#include "platform/fixed_text.h"

#include "platform/win32/win32_rules.h"
#include "platform/win32/win32_util.h"

#include <dbghelp.h>

#include <cstring>
#include <cwchar>

// The filter runs in a process that is already broken: nothing in it
// allocates or takes locks of the C runtime. Paths and texts are prepared
// when it is installed; the dump is written by a fresh thread, because the
// faulting one may have no stack left (a stack overflow).

namespace platform {

namespace {

constexpr size_t kPathMax = 1024;

wchar_t g_dumpDir[kPathMax];  // with a trailing backslash
char g_version[64];
std::string g_dumpPathCopy;
LPTOP_LEVEL_EXCEPTION_FILTER g_previousFilter = nullptr;

using Buf = platform::FixedText<768>;

// g_dumpDir + stem + extension, as a wide path.
void reportPath(wchar_t (&path)[kPathMax], const char *stem, const wchar_t *extension)
{
    size_t n = 0;
    for (const wchar_t *p = g_dumpDir; *p && n < kPathMax - 1; ++p)
        path[n++] = *p;
    for (const char *p = stem; *p && n < kPathMax - 1; ++p)
        path[n++] = wchar_t(*p);
    for (const wchar_t *p = extension; *p && n < kPathMax - 1; ++p)
        path[n++] = *p;
    path[n] = L'\0';
}

struct DumpJob
{
    EXCEPTION_POINTERS *exception;
    DWORD threadId;
    const wchar_t *path;
    BOOL written;
};

DWORD WINAPI writeDump(void *param)
{
    auto *job = static_cast<DumpJob *>(param);
    const HANDLE file = CreateFileW(job->path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return 0;
    MINIDUMP_EXCEPTION_INFORMATION info{};
    info.ThreadId = job->threadId;
    info.ExceptionPointers = job->exception;
    info.ClientPointers = FALSE;
    job->written = MiniDumpWriteDump(GetCurrentProcess(), GetCurrentProcessId(), file,
                                     MINIDUMP_TYPE(MiniDumpWithThreadInfo | MiniDumpWithIndirectlyReferencedMemory),
                                     &info, nullptr, nullptr);
    CloseHandle(file);
    return 0;
}

void writeAll(HANDLE file, const char *p, size_t n)
{
    while (n) {
        DWORD written = 0;
        if (!WriteFile(file, p, DWORD(n), &written, nullptr) || !written)
            return;
        p += written;
        n -= written;
    }
}

LONG WINAPI onUnhandledException(EXCEPTION_POINTERS *exception)
{
    SYSTEMTIME now;
    GetSystemTime(&now);
    const DWORD pid = GetCurrentProcessId();

    Buf stem;
    stem.put("crash-");
    stem.num(now.wYear, 4);
    stem.num(now.wMonth, 2);
    stem.num(now.wDay, 2);
    stem.put("-");
    stem.num(now.wHour, 2);
    stem.num(now.wMinute, 2);
    stem.num(now.wSecond, 2);
    stem.put("-");
    stem.num(pid);
    stem.data[stem.len < sizeof(stem.data) ? stem.len : sizeof(stem.data) - 1] = '\0';

    CreateDirectoryW(g_dumpDir, nullptr);
    static wchar_t dumpPath[kPathMax], textPath[kPathMax];
    reportPath(dumpPath, stem.data, L".dmp");
    reportPath(textPath, stem.data, L".txt");

    DumpJob job{exception, GetCurrentThreadId(), dumpPath, FALSE};
    if (HANDLE writer = CreateThread(nullptr, 0, writeDump, &job, 0, nullptr)) {
        WaitForSingleObject(writer, INFINITE);
        CloseHandle(writer);
    }

    const HANDLE file = CreateFileW(textPath, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE) {
        const EXCEPTION_RECORD *record = exception ? exception->ExceptionRecord : nullptr;
        Buf text;
        text.put("exception: ");
        if (record) {
            text.hex(record->ExceptionCode);
            text.put(" (");
            text.put(win32::exceptionName(record->ExceptionCode));
            text.put(")\naddress: ");
            text.hex(reinterpret_cast<uintptr_t>(record->ExceptionAddress));
            if ((record->ExceptionCode == EXCEPTION_ACCESS_VIOLATION
                 || record->ExceptionCode == EXCEPTION_IN_PAGE_ERROR)
                && record->NumberParameters >= 2) {
                const ULONG_PTR kind = record->ExceptionInformation[0];
                text.put(kind == 0 ? "\nreading: " : kind == 1 ? "\nwriting: " : "\nexecuting: ");
                text.hex(record->ExceptionInformation[1]);
            }
        } else {
            text.put("unknown");
        }
        text.put("\ntime: ");
        text.num(now.wYear, 4);
        text.put("-");
        text.num(now.wMonth, 2);
        text.put("-");
        text.num(now.wDay, 2);
        text.put(" ");
        text.num(now.wHour, 2);
        text.put(":");
        text.num(now.wMinute, 2);
        text.put(":");
        text.num(now.wSecond, 2);
        text.put(" UTC\nversion: ");
        text.put(g_version);
        text.put("\npid: ");
        text.num(pid);
        text.put("\nthread: ");
        text.num(GetCurrentThreadId());
        text.put("\nminidump: ");
        text.put(job.written ? stem.data : "(not written)");
        text.put(job.written ? ".dmp\n" : "\n");
        writeAll(file, text.data, text.len);
        CloseHandle(file);
    }

    // End as without us: whoever filtered before, else Windows' own reporting.
    return g_previousFilter ? g_previousFilter(exception) : EXCEPTION_CONTINUE_SEARCH;
}

}  // namespace

CrashHandler &CrashHandler::instance()
{
    static CrashHandler handler;
    return handler;
}

std::string CrashHandler::dumpPath() const
{
    return g_dumpPathCopy;
}

void CrashHandler::setDumpPath(const std::string &dir, const std::string &version)
{
    g_dumpPathCopy = dir;
    std::wstring withSlash = win32::toWide(dir);
    if (withSlash.empty() || (withSlash.back() != L'\\' && withSlash.back() != L'/'))
        withSlash += L'\\';
    std::wcsncpy(g_dumpDir, withSlash.c_str(), kPathMax - 1);
    std::strncpy(g_version, version.c_str(), sizeof(g_version) - 1);
    CreateDirectoryW(g_dumpDir, nullptr);

    const LPTOP_LEVEL_EXCEPTION_FILTER previous = SetUnhandledExceptionFilter(onUnhandledException);
    if (previous != onUnhandledException)
        g_previousFilter = previous;
}

}  // namespace platform
