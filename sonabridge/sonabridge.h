// Sonabridge: cloud speech recognition and conversation transcription fed
// with pushed PCM (16 kHz, 16-bit, mono). Loaded at run time and resolved by
// the export names below; caller and library share compiler and C++ runtime,
// which is what lets std::string_view and std::function cross.
//
// Calling order: one start, any number of writes, the matching end. The
// caller serialises start, write and end (the library does not lock them).
//
// Threads:
//  - Both callbacks run on the speech SDK's threads, never on the caller's.
//    When a start fails (SDK missing, a call rejected), the report comes from
//    a short-lived thread of the library that the start joins before it
//    returns, so that rule holds for failures too.
//  - A start returns once the session has started (or failed).
//  - An end blocks the calling thread until the session has stopped (or was
//    cancelled with an error) and the stop has completed.
//
// Callback kinds: 0 interim text, 1 final sentence, 10 error description
// (recognition mode only). Every text is UTF-8. No export throws.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#define SONABRIDGE_EXPORT __attribute__((visibility("default")))

namespace sonabridge {
using TextCallback = std::function<void(std::string_view text, int kind)>;
using LogCallback = std::function<void(std::string line)>;

enum TextKind : int { Interim = 0, Final = 1, Error = 10 };
}  // namespace sonabridge

extern "C" {

// Continuous recognition. Region and key select the service; language is a
// BCP-47 locale such as "zh-CN".
SONABRIDGE_EXPORT void msCognitionPushStreamStart(std::string_view region, std::string_view key,
                                                  std::string_view language,
                                                  sonabridge::TextCallback text,
                                                  sonabridge::LogCallback log);
// Raw PCM for the current session, either mode; copied before it returns.
SONABRIDGE_EXPORT void msCognitionPushStreamWrite(const uint8_t *data, uint32_t size);
SONABRIDGE_EXPORT void msCognitionPushStreamEnd();

// Conversation transcription (speaker attributed), for meetings.
SONABRIDGE_EXPORT void msTranscriptionPushStreamStart(std::string_view region, std::string_view key,
                                                      std::string_view language,
                                                      sonabridge::TextCallback text,
                                                      sonabridge::LogCallback log);
SONABRIDGE_EXPORT void msTranscriptionPushStreamEnd();

}  // extern "C"

// What a caller resolving the exports by name casts them to.
namespace sonabridge {
using StartFn = void (*)(std::string_view, std::string_view, std::string_view, TextCallback,
                         LogCallback);
using WriteFn = void (*)(const uint8_t *, uint32_t);
using EndFn = void (*)();

inline constexpr const char *kRecognitionStart = "msCognitionPushStreamStart";
inline constexpr const char *kWrite = "msCognitionPushStreamWrite";
inline constexpr const char *kRecognitionEnd = "msCognitionPushStreamEnd";
inline constexpr const char *kTranscriptionStart = "msTranscriptionPushStreamStart";
inline constexpr const char *kTranscriptionEnd = "msTranscriptionPushStreamEnd";
}  // namespace sonabridge
