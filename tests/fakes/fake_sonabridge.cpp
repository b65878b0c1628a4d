// A stand-in for the speech wrapper library, built as libsonabridge.so: it
// remembers every call, and each write is heard as one sentence reported
// from a thread of its own, as the speech SDK reports.

#include <cstdint>
#include <functional>
#include <mutex>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

namespace {

using TextCallback = std::function<void(std::string_view, int)>;
using LogCallback = std::function<void(std::string)>;

std::mutex g_mutex;
std::vector<std::string> g_calls;
TextCallback g_text;
LogCallback g_log;

void record(const std::string &call)
{
    std::lock_guard<std::mutex> lock(g_mutex);
    g_calls.push_back(call);
}

void start(const char *mode, std::string_view region, std::string_view key,
           std::string_view language, TextCallback text, LogCallback log)
{
    record(std::string(mode) + ' ' + std::string(region) + ' ' + std::string(key) + ' '
           + std::string(language));
    g_text = std::move(text);
    g_log = std::move(log);
    std::thread([] { g_log("Session started."); }).join();
}

}  // namespace

extern "C" {

void msCognitionPushStreamStart(std::string_view region, std::string_view key,
                                std::string_view language, TextCallback text, LogCallback log)
{
    start("recognition", region, key, language, std::move(text), std::move(log));
}

void msTranscriptionPushStreamStart(std::string_view region, std::string_view key,
                                    std::string_view language, TextCallback text, LogCallback log)
{
    start("transcription", region, key, language, std::move(text), std::move(log));
}

void msCognitionPushStreamWrite(const uint8_t *, uint32_t size)
{
    record("write " + std::to_string(size));
    std::thread([] {
        g_text("5 juta rupiah", 0);
        g_text("5 juta rupiah", 1);
    }).join();
}

void msCognitionPushStreamEnd() { record("recognition end"); }

void msTranscriptionPushStreamEnd() { record("transcription end"); }

// For the test: every call so far, joined with "|", and forgotten.
const char *fakeSonabridgeTakeCalls()
{
    static std::string joined;
    std::lock_guard<std::mutex> lock(g_mutex);
    joined.clear();
    for (const std::string &call : g_calls)
        joined += (joined.empty() ? "" : "|") + call;
    g_calls.clear();
    return joined.c_str();
}

}  // extern "C"
