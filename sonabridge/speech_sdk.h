// The speech SDK's C interface, resolved by name from its core library at run
// time: the SDK is not a build dependency, and a machine without it only
// loses streaming recognition.
#pragma once

#include <cstdint>
#include <string>

namespace sonabridge::sdk {

// Every SDK object is an opaque handle; every call returns 0 on success.
using Handle = void *;
using HResult = uintptr_t;
constexpr HResult kOk = 0;
using EventCallback = void (*)(Handle recognizer, Handle event, void *context);
// A failed create may leave the SDK's "invalid handle" (-1) behind instead of null.
inline bool isValid(Handle h) { return h && h != reinterpret_cast<Handle>(intptr_t(-1)); }

inline constexpr const char *kCoreLibrary = "libMicrosoft.CognitiveServices.Speech.core.so";

constexpr int kWaveFormatPcm = 1;

enum ResultReason : int { NoMatch = 0, Canceled = 1, RecognizingSpeech = 2, RecognizedSpeech = 3 };
enum CancellationReason : int { CancelledByError = 1, EndOfStream = 2 };

namespace property {
constexpr int RequestDetailedResult = 4000;
constexpr int RequestWordLevelTimestamps = 4004;
constexpr int JsonErrorDetails = 5001;
constexpr int DiarizeIntermediateResults = 5025;
}  // namespace property

// The one list of SDK functions Sonabridge uses: return type, name, parameters.
#define SONABRIDGE_SDK_FUNCTIONS(X)                                                              \
  X(HResult, audio_stream_format_create_from_waveformat,                                        \
    (Handle * format, uint32_t samplesPerSecond, uint8_t bitsPerSample, uint8_t channels,       \
     int waveFormat))                                                                            \
  X(HResult, audio_stream_format_release, (Handle format))                                       \
  X(HResult, audio_stream_create_push_audio_input_stream, (Handle * stream, Handle format))      \
  X(HResult, push_audio_input_stream_write, (Handle stream, uint8_t * buffer, uint32_t size))    \
  X(HResult, push_audio_input_stream_close, (Handle stream))                                     \
  X(HResult, audio_stream_release, (Handle stream))                                              \
  X(HResult, audio_config_create_audio_input_from_stream, (Handle * config, Handle stream))      \
  X(HResult, audio_config_release, (Handle config))                                              \
  X(HResult, speech_config_from_endpoint,                                                        \
    (Handle * config, const char *endpoint, const char *subscription))                          \
  X(HResult, speech_config_from_subscription,                                                    \
    (Handle * config, const char *subscription, const char *region))                            \
  X(HResult, speech_config_get_property_bag, (Handle config, Handle * bag))                      \
  X(HResult, speech_config_release, (Handle config))                                             \
  X(HResult, property_bag_set_string, (Handle bag, int id, const char *name, const char *value)) \
  X(const char *, property_bag_get_string,                                                       \
    (Handle bag, int id, const char *name, const char *defaultValue))                           \
  X(HResult, property_bag_free_string, (const char *value))                                      \
  X(HResult, property_bag_release, (Handle bag))                                                 \
  X(HResult, source_lang_config_from_language, (Handle * config, const char *language))          \
  X(HResult, source_lang_config_release, (Handle config))                                        \
  X(HResult, recognizer_create_speech_recognizer_from_source_lang_config,                        \
    (Handle * recognizer, Handle speechConfig, Handle sourceLangConfig, Handle audioConfig))    \
  X(HResult, recognizer_create_conversation_transcriber_from_source_lang_config,                 \
    (Handle * recognizer, Handle speechConfig, Handle sourceLangConfig, Handle audioConfig))    \
  X(HResult, recognizer_handle_release, (Handle recognizer))                                     \
  X(HResult, recognizer_recognizing_set_callback,                                                \
    (Handle recognizer, EventCallback callback, void *context))                                 \
  X(HResult, recognizer_recognized_set_callback,                                                 \
    (Handle recognizer, EventCallback callback, void *context))                                 \
  X(HResult, recognizer_canceled_set_callback,                                                   \
    (Handle recognizer, EventCallback callback, void *context))                                 \
  X(HResult, recognizer_session_started_set_callback,                                            \
    (Handle recognizer, EventCallback callback, void *context))                                 \
  X(HResult, recognizer_session_stopped_set_callback,                                            \
    (Handle recognizer, EventCallback callback, void *context))                                 \
  X(HResult, recognizer_start_continuous_recognition_async, (Handle recognizer, Handle * async)) \
  X(HResult, recognizer_start_continuous_recognition_async_wait_for,                             \
    (Handle async, uint32_t milliseconds))                                                      \
  X(HResult, recognizer_stop_continuous_recognition_async, (Handle recognizer, Handle * async))  \
  X(HResult, recognizer_stop_continuous_recognition_async_wait_for,                              \
    (Handle async, uint32_t milliseconds))                                                      \
  X(HResult, recognizer_async_handle_release, (Handle async))                                    \
  X(HResult, recognizer_event_handle_release, (Handle event))                                    \
  X(HResult, recognizer_recognition_event_get_result, (Handle event, Handle * result))           \
  X(HResult, recognizer_result_handle_release, (Handle result))                                  \
  X(HResult, result_get_text, (Handle result, char *text, uint32_t capacity))                    \
  X(HResult, result_get_reason, (Handle result, int *reason))                                    \
  X(HResult, result_get_offset, (Handle result, uint64_t * offset))                              \
  X(HResult, result_get_duration, (Handle result, uint64_t * duration))                          \
  X(HResult, result_get_reason_canceled, (Handle result, int *reason))                           \
  X(HResult, result_get_canceled_error_code, (Handle result, int *code))                         \
  X(HResult, result_get_property_bag, (Handle result, Handle * bag))                             \
  X(HResult, conversation_transcription_result_get_speaker_id,                                   \
    (Handle result, char *speakerId, uint32_t capacity))

struct Api {
#define SONABRIDGE_SDK_POINTER(ret, name, params) ret(*name) params = nullptr;
  SONABRIDGE_SDK_FUNCTIONS(SONABRIDGE_SDK_POINTER)
#undef SONABRIDGE_SDK_POINTER
};

// The core library's functions, loaded on first success and kept for the
// process lifetime. Looks beside the executable first, then along the
// loader's search path. Null with a readable reason when the library or one
// of its functions is missing; a later call tries again.
const Api *load(std::string *error);

}  // namespace sonabridge::sdk
