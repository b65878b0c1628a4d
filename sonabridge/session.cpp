#include "session.h"

#include <cstring>

namespace sonabridge {
namespace {

using sdk::Handle;
using sdk::HResult;
using sdk::kOk;

// Longer than any sentence the service returns; a longer one is cut, not lost.
constexpr uint32_t kMaxTextBytes = 64 * 1024;
constexpr uint32_t kMaxSpeakerIdBytes = 256;

// The receiver of an event owns its event and result handles.
class Owned {
public:
    Owned(Handle handle, HResult (*release)(Handle)) : mHandle(handle), mRelease(release) {}
    ~Owned()
    {
        if (mHandle)
            mRelease(mHandle);
    }
    Owned(const Owned &) = delete;
    Owned &operator=(const Owned &) = delete;

private:
    Handle mHandle;
    HResult (*mRelease)(Handle);
};

std::string readString(HResult (*get)(Handle, char *, uint32_t), Handle result, uint32_t capacity)
{
    std::string buffer(capacity, '\0');
    if (get(result, buffer.data(), capacity) != kOk)
        return {};
    buffer.resize(::strnlen(buffer.data(), capacity));
    return buffer;
}

std::string errorDetails(const sdk::Api &api, Handle result)
{
    Handle bag = nullptr;
    if (api.result_get_property_bag(result, &bag) != kOk)
        return {};
    Owned ownedBag(bag, api.property_bag_release);
    const char *value = api.property_bag_get_string(bag, sdk::property::JsonErrorDetails, nullptr, "");
    if (!value)
        return {};
    std::string details(value);
    api.property_bag_free_string(value);
    return details;
}

void recognizing(Session &s, Handle result)
{
    const std::string text = readString(s.api.result_get_text, result, kMaxTextBytes);
    if (s.mode() == Mode::Transcription)
        s.text("Transcribing: " + text, TextKind::Interim);
    else
        s.text(text, TextKind::Interim);
}

void recognized(Session &s, Handle result)
{
    int reason = -1;
    if (s.api.result_get_reason(result, &reason) != kOk)
        return;
    if (reason == sdk::NoMatch) {
        s.log("NOMATCH: Speech could not be recognized.");
        return;
    }
    if (reason != sdk::RecognizedSpeech)
        return;
    const std::string text = readString(s.api.result_get_text, result, kMaxTextBytes);
    uint64_t offset = 0;
    uint64_t duration = 0;
    s.api.result_get_offset(result, &offset);
    s.api.result_get_duration(result, &duration);
    const std::string timing =
        "  Offset=" + std::to_string(offset) + "  Duration=" + std::to_string(duration);
    if (s.mode() == Mode::Transcription) {
        const std::string speaker = readString(s.api.conversation_transcription_result_get_speaker_id,
                                               result, kMaxSpeakerIdBytes);
        s.log("TRANSCRIBED: Speaker=" + speaker + " Text=" + text + timing);
    } else {
        s.log("RECOGNIZED: Text=" + text + timing);
    }
    s.text(text, TextKind::Interim);
    s.text(text, TextKind::Final);
}

void canceled(Session &s, Handle result)
{
    int reason = 0;
    s.api.result_get_reason_canceled(result, &reason);
    std::string code;
    std::string details;
    if (reason == sdk::CancelledByError) {
        int errorCode = 0;
        s.api.result_get_canceled_error_code(result, &errorCode);
        code = std::to_string(errorCode);
        details = errorDetails(s.api, result);
    }
    if (s.mode() == Mode::Transcription) {
        if (reason != sdk::CancelledByError)
            return;
        s.log("CANCELED: Reason=" + std::to_string(reason) + "\nCANCELED: ErrorCode=" + code +
              "\nCANCELED: ErrorDetails=" + details +
              "\nCANCELED: Did you update the subscription info?");
        s.complete(1);
        return;
    }
    std::string line;
    if (reason == sdk::CancelledByError) {
        line = "CANCELED: ErrorCode=" + code + "CANCELED: ErrorDetails=" + details;
        s.text(line, TextKind::Error);
        s.complete(1);
    } else if (reason == sdk::EndOfStream) {
        line = "CANCELED: Reach the end of the file.";
    } else {
        line = "unknown reason ?!";
    }
    s.log(line);
}

// Nothing may unwind into the SDK's thread: a callback that throws loses
// its event, not the process.
template <void (*Body)(Session &, Handle)>
void onResult(Handle, Handle event, void *context) noexcept
{
    auto &s = *static_cast<Session *>(context);
    Owned ownedEvent(event, s.api.recognizer_event_handle_release);
    try {
        Handle result = nullptr;
        if (s.api.recognizer_recognition_event_get_result(event, &result) != kOk)
            return;
        Owned ownedResult(result, s.api.recognizer_result_handle_release);
        Body(s, result);
    } catch (...) {
    }
}

void onSessionStarted(Handle, Handle event, void *context) noexcept
{
    auto &s = *static_cast<Session *>(context);
    Owned ownedEvent(event, s.api.recognizer_event_handle_release);
    try {
        s.log("Session started.");
    } catch (...) {
    }
}

void onSessionStopped(Handle, Handle event, void *context) noexcept
{
    auto &s = *static_cast<Session *>(context);
    Owned ownedEvent(event, s.api.recognizer_event_handle_release);
    try {
        s.log("Session stopped.");
    } catch (...) {
    }
    s.complete(1);
}

}  // namespace

Session::Session(const sdk::Api &sdkApi, Mode mode, TextCallback text, LogCallback log)
    : api(sdkApi), mMode(mode), mText(std::move(text)), mLog(std::move(log)),
      mDone(mPromise.get_future())
{
}

HResult Session::connect(Handle recognizer)
{
    HResult hr = api.recognizer_recognizing_set_callback(recognizer, &onResult<recognizing>, this);
    if (hr == kOk)
        hr = api.recognizer_recognized_set_callback(recognizer, &onResult<recognized>, this);
    if (hr == kOk)
        hr = api.recognizer_canceled_set_callback(recognizer, &onResult<canceled>, this);
    // Transcription has no start line in its log.
    if (hr == kOk && mMode == Mode::Recognition)
        hr = api.recognizer_session_started_set_callback(recognizer, &onSessionStarted, this);
    if (hr == kOk)
        hr = api.recognizer_session_stopped_set_callback(recognizer, &onSessionStopped, this);
    return hr;
}

void Session::disconnect(Handle recognizer)
{
    api.recognizer_recognizing_set_callback(recognizer, nullptr, nullptr);
    api.recognizer_recognized_set_callback(recognizer, nullptr, nullptr);
    api.recognizer_canceled_set_callback(recognizer, nullptr, nullptr);
    api.recognizer_session_started_set_callback(recognizer, nullptr, nullptr);
    api.recognizer_session_stopped_set_callback(recognizer, nullptr, nullptr);
}

void Session::complete(int value)
{
    std::call_once(mCompleted, [&] { mPromise.set_value(value); });
}

void Session::text(std::string_view t, int kind) const
{
    if (mText)
        mText(t, kind);
}

void Session::log(std::string line) const
{
    if (mLog)
        mLog(std::move(line));
}

}  // namespace sonabridge
