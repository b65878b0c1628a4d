// The five exports: one session at a time over the SDK's C interface.
#include "sonabridge.h"

#include "session.h"
#include "speech_sdk.h"

#include <cstdio>
#include <memory>
#include <stdexcept>
#include <thread>

namespace sonabridge {
namespace {

using sdk::Handle;
using sdk::HResult;
using sdk::kOk;

// Build configuration (TALKVANE_SPEECH_DOMAIN_MICROSOFT): the region goes in front.
constexpr const char *kSpeechServiceDomain = SONABRIDGE_SPEECH_DOMAIN;
constexpr uint32_t kSampleRate = 16000;
constexpr uint8_t kBitsPerSample = 16;
constexpr uint8_t kChannels = 1;
// The SDK's own "no time limit" for its waits.
constexpr uint32_t kWaitForever = UINT32_MAX;

// A rejected SDK call inside a start: carries which call, for the report.
class SdkFailure : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

void check(HResult hr, const char *call)
{
    if (hr == kOk)
        return;
    char code[32];
    std::snprintf(code, sizeof(code), "0x%llx", static_cast<unsigned long long>(hr));
    throw SdkFailure(std::string("speech SDK call ") + call + " failed with " + code);
}

// The SDK objects of the current session. Never destroyed: SDK threads may
// still be running when the process exits, and the library is never unloaded.
struct State {
    const sdk::Api *api = nullptr;
    Handle format = nullptr;
    Handle stream = nullptr;
    Handle audioConfig = nullptr;
    Handle speechConfig = nullptr;
    Handle sourceLanguage = nullptr;
    Handle recognizer = nullptr;  // recognizer or transcriber, whichever started last
    std::unique_ptr<Session> session;
    bool started = false;

    // Handlers off first, then the recognizer, and only then the session its
    // handlers point at, so that no handler outlives its session.
    void release()
    {
        started = false;
        if (!api)
            return;
        if (sdk::isValid(recognizer)) {
            if (session)
                session->disconnect(recognizer);
            api->recognizer_handle_release(recognizer);
        }
        recognizer = nullptr;
        session.reset();
        releaseHandle(api->audio_config_release, audioConfig);
        releaseHandle(api->audio_stream_release, stream);
        releaseHandle(api->audio_stream_format_release, format);
        releaseHandle(api->source_lang_config_release, sourceLanguage);
        releaseHandle(api->speech_config_release, speechConfig);
    }

private:
    static void releaseHandle(HResult (*release)(Handle), Handle &handle)
    {
        if (sdk::isValid(handle))
            release(handle);
        handle = nullptr;
    }
};

State &state()
{
    static State *s = new State;
    return *s;
}

// Start failures reach the caller like every other callback: from a thread
// that is not its own. Joined here, so the report has arrived when the start
// returns.
void reportFailure(Mode mode, const TextCallback &text, const LogCallback &log,
                   const std::string &what)
{
    const std::string message = "Microsoft speech unavailable: " + what;
    try {
        std::thread reporter([&] {
            try {
                if (mode == Mode::Recognition && text)
                    text(message, TextKind::Error);
                if (log)
                    log(message);
            } catch (...) {
            }
        });
        reporter.join();
    } catch (...) {
    }
}

void setProperty(const sdk::Api &api, Handle bag, int id)
{
    check(api.property_bag_set_string(bag, id, nullptr, "true"), "property_bag_set_string");
}

// A region that is already a URL is the whole endpoint: the caller's
// run-time override (a staging host, a stand-in on this machine).
bool isWholeUrl(const std::string &region)
{
    for (const char *scheme : {"https://", "wss://", "http://", "ws://"}) {
        if (region.rfind(scheme, 0) == 0)
            return true;
    }
    return false;
}

void configureSpeech(State &s, Mode mode, std::string_view region, std::string_view key)
{
    const sdk::Api &api = *s.api;
    // Views need not end in NUL; the SDK takes C strings.
    const std::string regionText(region);
    const std::string keyText(key);
    if (mode == Mode::Recognition || isWholeUrl(regionText)) {
        const std::string endpoint =
            isWholeUrl(regionText) ? regionText : "https://" + regionText + kSpeechServiceDomain;
        check(api.speech_config_from_endpoint(&s.speechConfig, endpoint.c_str(), keyText.c_str()),
              "speech_config_from_endpoint");
    } else {
        check(api.speech_config_from_subscription(&s.speechConfig, keyText.c_str(),
                                                  regionText.c_str()),
              "speech_config_from_subscription");
    }
    Handle bag = nullptr;
    check(api.speech_config_get_property_bag(s.speechConfig, &bag), "speech_config_get_property_bag");
    try {
        if (mode == Mode::Transcription)
            setProperty(api, bag, sdk::property::DiarizeIntermediateResults);
        setProperty(api, bag, sdk::property::RequestDetailedResult);
        setProperty(api, bag, sdk::property::RequestWordLevelTimestamps);
    } catch (...) {
        api.property_bag_release(bag);
        throw;
    }
    api.property_bag_release(bag);
}

void waitAsync(const sdk::Api &api, HResult (*begin)(Handle, Handle *),
               HResult (*wait)(Handle, uint32_t), Handle recognizer, const char *call)
{
    Handle async = nullptr;
    check(begin(recognizer, &async), call);
    const HResult hr = wait(async, kWaitForever);
    api.recognizer_async_handle_release(async);
    check(hr, call);
}

void startSession(Mode mode, std::string_view region, std::string_view key,
                  std::string_view language, TextCallback text, LogCallback log)
{
    State &s = state();
    std::string error;
    const sdk::Api *api = sdk::load(&error);
    // A start while started replaces the earlier session without stopping it.
    s.release();
    if (!api) {
        reportFailure(mode, text, log, error);
        return;
    }
    s.api = api;
    try {
        check(api->audio_stream_format_create_from_waveformat(&s.format, kSampleRate, kBitsPerSample,
                                                             kChannels, sdk::kWaveFormatPcm),
              "audio_stream_format_create_from_waveformat");
        check(api->audio_stream_create_push_audio_input_stream(&s.stream, s.format),
              "audio_stream_create_push_audio_input_stream");
        check(api->audio_config_create_audio_input_from_stream(&s.audioConfig, s.stream),
              "audio_config_create_audio_input_from_stream");
        configureSpeech(s, mode, region, key);
        const std::string languageText(language.substr(0, language.find('\0')));
        check(api->source_lang_config_from_language(&s.sourceLanguage, languageText.c_str()),
              "source_lang_config_from_language");
        if (mode == Mode::Recognition)
            check(api->recognizer_create_speech_recognizer_from_source_lang_config(
                      &s.recognizer, s.speechConfig, s.sourceLanguage, s.audioConfig),
                  "recognizer_create_speech_recognizer_from_source_lang_config");
        else
            check(api->recognizer_create_conversation_transcriber_from_source_lang_config(
                      &s.recognizer, s.speechConfig, s.sourceLanguage, s.audioConfig),
                  "recognizer_create_conversation_transcriber_from_source_lang_config");

        s.session = std::make_unique<Session>(*api, mode, text, log);
        s.started = true;
        check(s.session->connect(s.recognizer), "recognizer_*_set_callback");
        waitAsync(*api, api->recognizer_start_continuous_recognition_async,
                  api->recognizer_start_continuous_recognition_async_wait_for, s.recognizer,
                  "recognizer_start_continuous_recognition_async");
    } catch (const std::exception &e) {
        s.release();
        reportFailure(mode, text, log, e.what());
    }
}

void endSession()
{
    State &s = state();
    if (!s.started)
        return;
    const sdk::Api &api = *s.api;
    api.push_audio_input_stream_close(s.stream);
    s.session->waitForCompletion();
    Handle async = nullptr;
    if (api.recognizer_stop_continuous_recognition_async(s.recognizer, &async) == kOk) {
        api.recognizer_stop_continuous_recognition_async_wait_for(async, kWaitForever);
        api.recognizer_async_handle_release(async);
    }
    // The recognizer and its session stay until the next start replaces them:
    // late events after the stop still find their handlers' session alive.
    s.started = false;
}

}  // namespace
}  // namespace sonabridge

using namespace sonabridge;

extern "C" {

void msCognitionPushStreamStart(std::string_view region, std::string_view key,
                                std::string_view language, TextCallback text, LogCallback log)
{
    try {
        startSession(Mode::Recognition, region, key, language, std::move(text), std::move(log));
    } catch (...) {
    }
}

void msCognitionPushStreamWrite(const uint8_t *data, uint32_t size)
{
    try {
        State &s = state();
        if (!s.stream || !data || size == 0)
            return;
        // The SDK copies the buffer; its parameter is just not const. A write
        // it refuses is not reported here: callbacks never run on the
        // caller's thread, and a broken session ends in a cancellation.
        s.api->push_audio_input_stream_write(s.stream, const_cast<uint8_t *>(data), size);
    } catch (...) {
    }
}

void msCognitionPushStreamEnd()
{
    try {
        endSession();
    } catch (...) {
    }
}

void msTranscriptionPushStreamStart(std::string_view region, std::string_view key,
                                    std::string_view language, TextCallback text, LogCallback log)
{
    try {
        startSession(Mode::Transcription, region, key, language, std::move(text), std::move(log));
    } catch (...) {
    }
}

void msTranscriptionPushStreamEnd()
{
    try {
        endSession();
    } catch (...) {
    }
}

}  // extern "C"
