// Test controls of the stand-in speech SDK core library (built as
// libMicrosoft.CognitiveServices.Speech.core.so in test folders only).
//
// A script says which events a recognizer raises, on a thread of its own,
// and when. One step per line: a trigger, then an event.
//   triggers: "start"            as soon as recognition starts
//             "bytes N"          once N bytes have been pushed in all
//             "close"            once the push stream is closed
//   events:   "session_started", "session_stopped",
//             "recognizing <text>", "recognized <offset> <duration> <text>",
//             "nomatch", "canceled_error <code> <details>", "canceled_eos"
// A line "fail <function>" makes that SDK function return an error.
// Transcribers give every result the speaker id "Guest-1".
// Without a script: "start session_started" and "close session_stopped".
#pragma once

#include <cstddef>
#include <cstdint>

extern "C" {
// Taken by the next recognizer created.
void fake_sdk_set_script(const char *script);
// Copies the bytes pushed into the latest stream; returns how many there were.
size_t fake_sdk_written(uint8_t *out, size_t capacity);
// Handles and strings handed out and not yet released.
int fake_sdk_live_handles();
// What the latest recognizer was built from: kind, endpoint or region,
// subscription, language and the properties set, space separated.
const char *fake_sdk_last_setup();
}
