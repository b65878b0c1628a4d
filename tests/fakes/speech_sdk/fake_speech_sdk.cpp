// A stand-in for the speech SDK core library: the C functions Sonabridge
// calls, with the SDK's documented signatures, and recognizers that raise
// scripted events on their own threads.
#include "fake_speech_sdk.h"

#include "speech_sdk.h"

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <cstdlib>
#include <cstring>
#include <map>
#include <memory>
#include <mutex>
#include <set>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

using sonabridge::sdk::EventCallback;
using sonabridge::sdk::Handle;
using sonabridge::sdk::HResult;

// Every definition below must match the signature Sonabridge resolves.
extern "C" {
#define FAKE_SDK_DECLARE(ret, name, params) ret name params;
SONABRIDGE_SDK_FUNCTIONS(FAKE_SDK_DECLARE)
#undef FAKE_SDK_DECLARE
}

namespace {

constexpr HResult kOk = 0;
constexpr HResult kInvalidArg = 0x005;
constexpr HResult kInvalidHandle = 0x021;
constexpr HResult kInjectedFailure = 0x01a;
constexpr const char *kSpeaker = "Guest-1";

struct Object {
    virtual ~Object() = default;
};
struct StreamData;

// Never destroyed: recognizer threads may still wait on them at exit.
struct Globals {
    std::mutex mutex;  // guards everything here and every object's state
    std::condition_variable changed;
    std::string script = "start session_started\nclose session_stopped\n";
    std::string lastSetup;
    std::set<Object *> live;
    std::shared_ptr<StreamData> latestStream;
};
Globals &g = *new Globals;
std::atomic<int> gStrings{0};

Handle track(Object *o)
{
    g.live.insert(o);
    return o;
}

template <class T>
T *find(Handle h)
{
    auto it = g.live.find(static_cast<Object *>(h));
    return it == g.live.end() ? nullptr : dynamic_cast<T *>(*it);
}

template <class T>
HResult release(Handle h)
{
    std::lock_guard<std::mutex> lock(g.mutex);
    T *o = find<T>(h);
    if (!o)
        return kInvalidHandle;
    g.live.erase(o);
    delete o;
    return kOk;
}

bool failing(const char *function)
{
    std::istringstream lines(g.script);
    std::string line;
    while (std::getline(lines, line))
        if (line == std::string("fail ") + function)
            return true;
    return false;
}

using Properties = std::map<int, std::string>;

struct StreamData {
    std::string bytes;
    bool closed = false;
};

struct ResultData {
    int reason = 0;
    std::string text;
    uint64_t offset = 0;
    uint64_t duration = 0;
    int cancellation = 0;
    int errorCode = 0;
    std::string speaker;
    Properties properties;
};

struct Format : Object {};
struct Stream : Object {
    std::shared_ptr<StreamData> data = std::make_shared<StreamData>();
};
struct AudioConfig : Object {
    std::shared_ptr<StreamData> data;
};
struct SpeechConfig : Object {
    std::string endpoint, subscription, region;
    std::shared_ptr<Properties> properties = std::make_shared<Properties>();
};
struct Bag : Object {
    std::shared_ptr<Properties> properties;
};
struct SourceLanguage : Object {
    std::string language;
};
struct Async : Object {};
struct Event : Object {
    std::shared_ptr<ResultData> result;
};
struct Result : Object {
    std::shared_ptr<ResultData> data;
};

enum Slot { Recognizing, Recognized, Canceled, SessionStarted, SessionStopped, SlotCount };

struct Step {
    std::string trigger;
    size_t bytes = 0;
    Slot slot = SessionStarted;
    std::shared_ptr<ResultData> result;
};

std::string rest(std::istringstream &in)
{
    std::string text;
    std::getline(in >> std::ws, text);
    return text;
}

std::vector<Step> parseScript(const std::string &script, bool transcriber)
{
    std::vector<Step> steps;
    std::istringstream lines(script);
    std::string line;
    while (std::getline(lines, line)) {
        std::istringstream in(line);
        Step step;
        in >> step.trigger;
        if (step.trigger == "bytes")
            in >> step.bytes;
        else if (step.trigger != "start" && step.trigger != "close")
            continue;
        std::string event;
        in >> event;
        auto r = std::make_shared<ResultData>();
        if (transcriber)
            r->speaker = kSpeaker;
        if (event == "session_started") {
            step.slot = SessionStarted;
            r.reset();
        } else if (event == "session_stopped") {
            step.slot = SessionStopped;
            r.reset();
        } else if (event == "recognizing") {
            step.slot = Recognizing;
            r->reason = sonabridge::sdk::RecognizingSpeech;
            r->text = rest(in);
        } else if (event == "recognized") {
            step.slot = Recognized;
            r->reason = sonabridge::sdk::RecognizedSpeech;
            in >> r->offset >> r->duration;
            r->text = rest(in);
        } else if (event == "nomatch") {
            step.slot = Recognized;
            r->reason = sonabridge::sdk::NoMatch;
        } else if (event == "canceled_error") {
            step.slot = Canceled;
            r->reason = sonabridge::sdk::Canceled;
            r->cancellation = sonabridge::sdk::CancelledByError;
            in >> r->errorCode;
            r->properties[sonabridge::sdk::property::JsonErrorDetails] = rest(in);
        } else if (event == "canceled_eos") {
            step.slot = Canceled;
            r->reason = sonabridge::sdk::Canceled;
            r->cancellation = sonabridge::sdk::EndOfStream;
        } else {
            continue;
        }
        step.result = r;
        steps.push_back(step);
    }
    return steps;
}

struct Recognizer : Object {
    bool transcriber = false;
    std::shared_ptr<StreamData> stream;
    std::vector<Step> steps;
    EventCallback callbacks[SlotCount] = {};
    void *contexts[SlotCount] = {};
    bool running = false;
    bool quit = false;
    std::thread worker;

    // Raises the scripted events in order, each once its trigger holds, with
    // the lock dropped around the callback as the SDK does.
    void run()
    {
        std::unique_lock<std::mutex> lock(g.mutex);
        for (const Step &step : steps) {
            g.changed.wait(lock, [&] {
                return quit || step.trigger == "start" ||
                       (step.trigger == "bytes" && stream->bytes.size() >= step.bytes) ||
                       (step.trigger == "close" && stream->closed);
            });
            if (quit)
                return;
            EventCallback callback = callbacks[step.slot];
            void *context = contexts[step.slot];
            if (!callback)
                continue;
            auto *event = new Event;
            event->result = step.result;
            Handle h = track(event);
            lock.unlock();
            callback(this, h, context);
            lock.lock();
        }
    }

    // Called with g.mutex held; joins outside it.
    std::thread stop()
    {
        quit = true;
        running = false;
        g.changed.notify_all();
        if (worker.joinable() && worker.get_id() != std::this_thread::get_id())
            return std::move(worker);
        if (worker.joinable())
            worker.detach();
        return {};
    }
};

HResult setCallback(Handle h, Slot slot, EventCallback callback, void *context)
{
    std::lock_guard<std::mutex> lock(g.mutex);
    auto *r = find<Recognizer>(h);
    if (!r)
        return kInvalidHandle;
    r->callbacks[slot] = callback;
    r->contexts[slot] = context;
    return kOk;
}

HResult createRecognizer(Handle *out, Handle speech, Handle language, Handle audio,
                         bool transcriber, const char *function)
{
    std::lock_guard<std::mutex> lock(g.mutex);
    if (!out)
        return kInvalidArg;
    if (failing(function))
        return kInjectedFailure;
    auto *config = find<SpeechConfig>(speech);
    auto *source = find<SourceLanguage>(language);
    auto *input = find<AudioConfig>(audio);
    if (!config || !source || !input)
        return kInvalidHandle;
    auto *r = new Recognizer;
    r->transcriber = transcriber;
    r->stream = input->data;
    r->steps = parseScript(g.script, transcriber);
    std::ostringstream setup;
    setup << (transcriber ? "transcriber" : "recognizer") << " endpoint=" << config->endpoint
          << " region=" << config->region << " subscription=" << config->subscription
          << " language=" << source->language;
    for (const auto &[id, value] : *config->properties)
        setup << ' ' << id << '=' << value;
    g.lastSetup = setup.str();
    *out = track(r);
    return kOk;
}

template <class T, class Fill>
HResult create(Handle *out, const char *function, Fill fill)
{
    std::lock_guard<std::mutex> lock(g.mutex);
    if (!out)
        return kInvalidArg;
    if (failing(function))
        return kInjectedFailure;
    auto *o = new T;
    if (!fill(*o)) {
        delete o;
        return kInvalidHandle;
    }
    *out = track(o);
    return kOk;
}

template <class Read>
HResult readResult(Handle h, Read read)
{
    std::lock_guard<std::mutex> lock(g.mutex);
    auto *r = find<Result>(h);
    if (!r)
        return kInvalidHandle;
    read(*r->data);
    return kOk;
}

HResult copyText(const std::string &text, char *out, uint32_t capacity)
{
    if (!out || capacity == 0)
        return kInvalidArg;
    const size_t n = std::min<size_t>(text.size(), capacity - 1);
    std::memcpy(out, text.data(), n);
    out[n] = '\0';
    return kOk;
}

}  // namespace

extern "C" {

void fake_sdk_set_script(const char *script)
{
    std::lock_guard<std::mutex> lock(g.mutex);
    g.script = script ? script : "";
}

size_t fake_sdk_written(uint8_t *out, size_t capacity)
{
    std::lock_guard<std::mutex> lock(g.mutex);
    if (!g.latestStream)
        return 0;
    const std::string &bytes = g.latestStream->bytes;
    std::memcpy(out, bytes.data(), std::min(capacity, bytes.size()));
    return bytes.size();
}

int fake_sdk_live_handles()
{
    std::lock_guard<std::mutex> lock(g.mutex);
    return static_cast<int>(g.live.size()) + gStrings.load();
}

const char *fake_sdk_last_setup()
{
    std::lock_guard<std::mutex> lock(g.mutex);
    return g.lastSetup.c_str();
}

HResult audio_stream_format_create_from_waveformat(Handle *format, uint32_t samplesPerSecond,
                                                   uint8_t bitsPerSample, uint8_t channels,
                                                   int waveFormat)
{
    return create<Format>(format, __func__, [&](Format &) {
        return samplesPerSecond == 16000 && bitsPerSample == 16 && channels == 1 &&
               waveFormat == sonabridge::sdk::kWaveFormatPcm;
    });
}
HResult audio_stream_format_release(Handle h) { return release<Format>(h); }

HResult audio_stream_create_push_audio_input_stream(Handle *stream, Handle format)
{
    return create<Stream>(stream, __func__, [&](Stream &s) {
        if (!find<Format>(format))
            return false;
        g.latestStream = s.data;
        return true;
    });
}

HResult push_audio_input_stream_write(Handle stream, uint8_t *buffer, uint32_t size)
{
    std::lock_guard<std::mutex> lock(g.mutex);
    auto *s = find<Stream>(stream);
    if (!s)
        return kInvalidHandle;
    if (s->data->closed || !buffer)
        return kInvalidArg;
    s->data->bytes.append(reinterpret_cast<const char *>(buffer), size);
    g.changed.notify_all();
    return kOk;
}

#ifndef FAKE_SDK_WITHOUT_STREAM_CLOSE
HResult push_audio_input_stream_close(Handle stream)
{
    std::lock_guard<std::mutex> lock(g.mutex);
    auto *s = find<Stream>(stream);
    if (!s)
        return kInvalidHandle;
    s->data->closed = true;
    g.changed.notify_all();
    return kOk;
}
#endif

HResult audio_stream_release(Handle h) { return release<Stream>(h); }

HResult audio_config_create_audio_input_from_stream(Handle *config, Handle stream)
{
    return create<AudioConfig>(config, __func__, [&](AudioConfig &c) {
        auto *s = find<Stream>(stream);
        if (s)
            c.data = s->data;
        return s != nullptr;
    });
}
HResult audio_config_release(Handle h) { return release<AudioConfig>(h); }

HResult speech_config_from_endpoint(Handle *config, const char *endpoint, const char *subscription)
{
    return create<SpeechConfig>(config, __func__, [&](SpeechConfig &c) {
        c.endpoint = endpoint ? endpoint : "";
        c.subscription = subscription ? subscription : "";
        return endpoint && subscription;
    });
}

HResult speech_config_from_subscription(Handle *config, const char *subscription, const char *region)
{
    return create<SpeechConfig>(config, __func__, [&](SpeechConfig &c) {
        c.subscription = subscription ? subscription : "";
        c.region = region ? region : "";
        return subscription && region;
    });
}

HResult speech_config_get_property_bag(Handle config, Handle *bag)
{
    return create<Bag>(bag, __func__, [&](Bag &b) {
        auto *c = find<SpeechConfig>(config);
        if (c)
            b.properties = c->properties;
        return c != nullptr;
    });
}
HResult speech_config_release(Handle h) { return release<SpeechConfig>(h); }

HResult property_bag_set_string(Handle bag, int id, const char *name, const char *value)
{
    std::lock_guard<std::mutex> lock(g.mutex);
    if (failing(__func__))
        return kInjectedFailure;
    auto *b = find<Bag>(bag);
    if (!b)
        return kInvalidHandle;
    if (name || !value)
        return kInvalidArg;
    (*b->properties)[id] = value;
    return kOk;
}

const char *property_bag_get_string(Handle bag, int id, const char *name, const char *defaultValue)
{
    std::lock_guard<std::mutex> lock(g.mutex);
    auto *b = find<Bag>(bag);
    if (!b || name)
        return nullptr;
    auto it = b->properties->find(id);
    const char *value = it != b->properties->end() ? it->second.c_str() : defaultValue;
    if (!value)
        return nullptr;
    ++gStrings;
    return ::strdup(value);
}

HResult property_bag_free_string(const char *value)
{
    if (value) {
        --gStrings;
        std::free(const_cast<char *>(value));
    }
    return kOk;
}
HResult property_bag_release(Handle h) { return release<Bag>(h); }

HResult source_lang_config_from_language(Handle *config, const char *language)
{
    return create<SourceLanguage>(config, __func__, [&](SourceLanguage &s) {
        s.language = language ? language : "";
        return language && *language;
    });
}
HResult source_lang_config_release(Handle h) { return release<SourceLanguage>(h); }

HResult recognizer_create_speech_recognizer_from_source_lang_config(Handle *recognizer,
                                                                    Handle speechConfig,
                                                                    Handle sourceLangConfig,
                                                                    Handle audioConfig)
{
    return createRecognizer(recognizer, speechConfig, sourceLangConfig, audioConfig, false, __func__);
}

HResult recognizer_create_conversation_transcriber_from_source_lang_config(Handle *recognizer,
                                                                           Handle speechConfig,
                                                                           Handle sourceLangConfig,
                                                                           Handle audioConfig)
{
    return createRecognizer(recognizer, speechConfig, sourceLangConfig, audioConfig, true, __func__);
}

HResult recognizer_handle_release(Handle h)
{
    std::thread worker;
    {
        std::lock_guard<std::mutex> lock(g.mutex);
        auto *r = find<Recognizer>(h);
        if (!r)
            return kInvalidHandle;
        worker = r->stop();
    }
    // No event of this recognizer runs once its release returns.
    if (worker.joinable())
        worker.join();
    return release<Recognizer>(h);
}

#define FAKE_SDK_SET_CALLBACK(name, slot)                                  \
    HResult name(Handle r, EventCallback c, void *ctx) { return setCallback(r, slot, c, ctx); }
FAKE_SDK_SET_CALLBACK(recognizer_recognizing_set_callback, Recognizing)
FAKE_SDK_SET_CALLBACK(recognizer_recognized_set_callback, Recognized)
FAKE_SDK_SET_CALLBACK(recognizer_canceled_set_callback, Canceled)
FAKE_SDK_SET_CALLBACK(recognizer_session_started_set_callback, SessionStarted)
FAKE_SDK_SET_CALLBACK(recognizer_session_stopped_set_callback, SessionStopped)

HResult recognizer_start_continuous_recognition_async(Handle recognizer, Handle *async)
{
    std::lock_guard<std::mutex> lock(g.mutex);
    if (failing(__func__))
        return kInjectedFailure;
    auto *r = find<Recognizer>(recognizer);
    if (!r || !async)
        return kInvalidHandle;
    if (!r->running && !r->worker.joinable()) {
        r->running = true;
        r->worker = std::thread([r] { r->run(); });
    }
    *async = track(new Async);
    return kOk;
}

HResult recognizer_start_continuous_recognition_async_wait_for(Handle async, uint32_t)
{
    std::lock_guard<std::mutex> lock(g.mutex);
    return find<Async>(async) ? kOk : kInvalidHandle;
}

HResult recognizer_stop_continuous_recognition_async(Handle recognizer, Handle *async)
{
    std::thread worker;
    {
        std::lock_guard<std::mutex> lock(g.mutex);
        auto *r = find<Recognizer>(recognizer);
        if (!r || !async)
            return kInvalidHandle;
        worker = r->stop();
        *async = track(new Async);
    }
    if (worker.joinable())
        worker.join();
    return kOk;
}

HResult recognizer_stop_continuous_recognition_async_wait_for(Handle async, uint32_t)
{
    std::lock_guard<std::mutex> lock(g.mutex);
    return find<Async>(async) ? kOk : kInvalidHandle;
}

HResult recognizer_async_handle_release(Handle h) { return release<Async>(h); }
HResult recognizer_event_handle_release(Handle h) { return release<Event>(h); }

HResult recognizer_recognition_event_get_result(Handle event, Handle *result)
{
    std::lock_guard<std::mutex> lock(g.mutex);
    auto *e = find<Event>(event);
    if (!e || !e->result || !result)
        return kInvalidHandle;
    auto *r = new Result;
    r->data = e->result;
    *result = track(r);
    return kOk;
}
HResult recognizer_result_handle_release(Handle h) { return release<Result>(h); }

HResult result_get_text(Handle result, char *text, uint32_t capacity)
{
    HResult hr = kOk;
    HResult found = readResult(result, [&](const ResultData &d) { hr = copyText(d.text, text, capacity); });
    return found == kOk ? hr : found;
}
#define FAKE_SDK_RESULT_FIELD(name, type, field)                                     \
    HResult name(Handle result, type *out)                                          \
    {                                                                               \
        return readResult(result, [&](const ResultData &d) { *out = d.field; });    \
    }
FAKE_SDK_RESULT_FIELD(result_get_reason, int, reason)
FAKE_SDK_RESULT_FIELD(result_get_offset, uint64_t, offset)
FAKE_SDK_RESULT_FIELD(result_get_duration, uint64_t, duration)
FAKE_SDK_RESULT_FIELD(result_get_reason_canceled, int, cancellation)
FAKE_SDK_RESULT_FIELD(result_get_canceled_error_code, int, errorCode)
HResult result_get_property_bag(Handle result, Handle *bag)
{
    return create<Bag>(bag, __func__, [&](Bag &b) {
        auto *r = find<Result>(result);
        if (r)
            b.properties = std::make_shared<Properties>(r->data->properties);
        return r != nullptr;
    });
}
HResult conversation_transcription_result_get_speaker_id(Handle result, char *speakerId,
                                                         uint32_t capacity)
{
    HResult hr = kOk;
    HResult found =
        readResult(result, [&](const ResultData &d) { hr = copyText(d.speaker, speakerId, capacity); });
    return found == kOk ? hr : found;
}

}  // extern "C"
