// One recognition or transcription session as the SDK's event handlers see
// it: the caller's callbacks and the completion that the end waits for.
// Lives exactly as long as the recognizer whose handlers point at it.
#pragma once

#include "sonabridge.h"
#include "speech_sdk.h"

#include <future>
#include <mutex>

namespace sonabridge {

enum class Mode { Recognition, Transcription };

class Session {
public:
    Session(const sdk::Api &api, Mode mode, TextCallback text, LogCallback log);

    Mode mode() const { return mMode; }
    // Registers this session's handlers on the recognizer; the SDK's code of
    // the first registration it rejects.
    sdk::HResult connect(sdk::Handle recognizer);
    // Removes the handlers, so none runs once the recognizer is released.
    void disconnect(sdk::Handle recognizer);

    // Fulfilled by an error cancellation or the session stop, whichever
    // comes first, from an SDK thread; the rest are ignored.
    void complete(int value);
    void waitForCompletion() { mDone.wait(); }

    void text(std::string_view t, int kind) const;
    void log(std::string line) const;

    const sdk::Api &api;

private:
    Mode mMode;
    TextCallback mText;
    LogCallback mLog;
    std::promise<int> mPromise;
    std::future<int> mDone;  // taken at creation: no race with the handlers
    std::once_flag mCompleted;
};

}  // namespace sonabridge
