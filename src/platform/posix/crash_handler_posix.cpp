#include "platform/crash_handler.h"
#include "platform/fixed_text.h"

#include <execinfo.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <time.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

// Everything below that runs inside the signal handler uses only
// async-signal-safe calls: no malloc, no stdio, no locale or time zone look-up.
// Paths and texts are prepared when the handler is installed.

namespace platform {

namespace {

constexpr int kSignals[] = {SIGSEGV, SIGABRT, SIGBUS, SIGFPE, SIGILL};
constexpr size_t kPathMax = 4096;
constexpr size_t kAltStackSize = 64 * 1024;

char g_dumpDir[kPathMax];   // with a trailing '/'
char g_version[64];
char g_altStack[kAltStackSize];
std::string g_dumpPathCopy;

const char *signalName(int sig)
{
    switch (sig) {
    case SIGSEGV: return "SIGSEGV";
    case SIGABRT: return "SIGABRT";
    case SIGBUS: return "SIGBUS";
    case SIGFPE: return "SIGFPE";
    case SIGILL: return "SIGILL";
    }
    return "signal";
}

using Buf = platform::FixedText<512>;

void writeAll(int fd, const char *p, size_t n)
{
    while (n) {
        const ssize_t w = ::write(fd, p, n);
        if (w < 0) {
            if (errno == EINTR)
                continue;
            return;
        }
        p += w;
        n -= size_t(w);
    }
}

// UTC calendar date from seconds since the epoch (days-to-civil).
void civilFromEpoch(long long secs, int &y, unsigned &mo, unsigned &d, unsigned &h,
                    unsigned &mi, unsigned &s)
{
    long long days = secs / 86400;
    long long rem = secs % 86400;
    if (rem < 0) {
        rem += 86400;
        --days;
    }
    h = unsigned(rem / 3600);
    mi = unsigned(rem % 3600 / 60);
    s = unsigned(rem % 60);
    days += 719468;
    const long long era = (days >= 0 ? days : days - 146096) / 146097;
    const unsigned doe = unsigned(days - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    d = doy - (153 * mp + 2) / 5 + 1;
    mo = mp < 10 ? mp + 3 : mp - 9;
    y = int(yoe + era * 400 + (mo <= 2));
}

void putStamp(Buf &b, long long secs, bool forFileName)
{
    int y;
    unsigned mo, d, h, mi, s;
    civilFromEpoch(secs, y, mo, d, h, mi, s);
    b.num(unsigned(y), 4);
    if (!forFileName)
        b.put("-");
    b.num(mo, 2);
    if (!forFileName)
        b.put("-");
    b.num(d, 2);
    b.put(forFileName ? "-" : " ");
    b.num(h, 2);
    if (!forFileName)
        b.put(":");
    b.num(mi, 2);
    if (!forFileName)
        b.put(":");
    b.num(s, 2);
    if (!forFileName)
        b.put(" UTC");
}

void onFatalSignal(int sig, siginfo_t *info, void *)
{
    const int savedErrno = errno;
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);

    Buf path;
    path.put(g_dumpDir);
    path.put("crash-");
    putStamp(path, now.tv_sec, true);
    path.put("-");
    path.num(unsigned(getpid()));
    path.put(".txt");
    if (path.len < sizeof(path.data))
        path.data[path.len] = '\0';
    else
        path.data[sizeof(path.data) - 1] = '\0';

    ::mkdir(g_dumpDir, 0755);
    const int fd = ::open(path.data, O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd >= 0) {
        Buf head;
        head.put("signal: ");
        head.num(unsigned(sig));
        head.put(" (");
        head.put(signalName(sig));
        head.put(")\ntime: ");
        putStamp(head, now.tv_sec, false);
        head.put("\nversion: ");
        head.put(g_version);
        head.put("\npid: ");
        head.num(unsigned(getpid()));
        if (info && (sig == SIGSEGV || sig == SIGBUS || sig == SIGFPE || sig == SIGILL)) {
            head.put("\naddress: ");
            head.hex(reinterpret_cast<unsigned long long>(info->si_addr));
        }
        head.put("\nbacktrace:\n");
        writeAll(fd, head.data, head.len);

        void *frames[128];
        const int count = backtrace(frames, 128);
        backtrace_symbols_fd(frames, count, fd);
        ::close(fd);
    }

    // End as the signal would have: default action, then deliver it again.
    // For a fault the instruction re-executes on return; a sent signal is
    // re-raised and stays pending until the handler returns.
    struct sigaction dfl{};
    dfl.sa_handler = SIG_DFL;
    sigemptyset(&dfl.sa_mask);
    sigaction(sig, &dfl, nullptr);
    errno = savedErrno;
    raise(sig);
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
    std::string withSlash = dir;
    if (withSlash.empty() || withSlash.back() != '/')
        withSlash += '/';
    std::strncpy(g_dumpDir, withSlash.c_str(), kPathMax - 1);
    std::strncpy(g_version, version.c_str(), sizeof(g_version) - 1);
    ::mkdir(g_dumpDir, 0755);

    // backtrace() loads its unwinder on first use, which allocates: do it now.
    void *warmUp[2];
    backtrace(warmUp, 2);

    // Own stack, so a stack overflow can still be reported.
    stack_t ss{};
    ss.ss_sp = g_altStack;
    ss.ss_size = kAltStackSize;
    sigaltstack(&ss, nullptr);

    struct sigaction sa{};
    sa.sa_sigaction = onFatalSignal;
    sa.sa_flags = SA_SIGINFO | SA_ONSTACK;
    sigemptyset(&sa.sa_mask);
    for (int sig : kSignals)
        sigaction(sig, &sa, nullptr);
}

}  // namespace platform
