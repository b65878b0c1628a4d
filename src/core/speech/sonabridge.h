#pragma once

#include <QString>

#include <functional>
#include <string>
#include <string_view>

class QLibrary;

// The speech wrapper library, loaded at run time and never unloaded: it
// drives the speech SDK with pushed audio. Looked for beside the executable
// first, then by name through the loader's search path.
//
// The region argument of both starts is the subscription's region, from
// which the library builds the service host; a value beginning with
// "https://" or "wss://" (or "http://", "ws://" for a stand-in on this
// machine) is a whole endpoint URL and is used as it is.
class Sonabridge
{
public:
    using TextCallback = std::function<void(std::string_view text, int kind)>;
    using LogCallback = std::function<void(std::string line)>;
    using Start = void (*)(std::string_view region, std::string_view key,
                           std::string_view language, TextCallback text, LogCallback log);
    using End = void (*)();
    using Write = void (*)(const uint8_t *data, uint32_t size);

    static constexpr const char *kLibraryName = "sonabridge";
    static constexpr const char *kSdkCoreName = "Microsoft.CognitiveServices.Speech.core";

    // The one instance; the process keeps it.
    static Sonabridge &instance();

    // Loads the library on first use; false (and *why) when it cannot be.
    bool load(QString *why = nullptr);
    // The library and the SDK core it drives can both be loaded.
    bool usable(QString *why = nullptr);

    // Resolved on first use and kept; null when the export is missing.
    Start recognitionStart();
    End recognitionEnd();
    Write write();
    Start transcriptionStart();
    End transcriptionEnd();

private:
    Sonabridge() = default;
    void *resolve(const char *name, void **slot);

    QLibrary *m_library = nullptr;
    QLibrary *m_sdkCore = nullptr;
    void *m_recognitionStart = nullptr;
    void *m_recognitionEnd = nullptr;
    void *m_write = nullptr;
    void *m_transcriptionStart = nullptr;
    void *m_transcriptionEnd = nullptr;
};
