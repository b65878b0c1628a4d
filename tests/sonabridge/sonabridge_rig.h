// Sonabridge as the application sees it: loaded by path, the five exports
// resolved by name; and a recorder of what its callbacks deliver.
#pragma once

#include "sonabridge.h"

#include <QStringList>

#include <dlfcn.h>

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>
#include <vector>

struct SonabridgeExports {
    sonabridge::StartFn recognitionStart = nullptr;
    sonabridge::WriteFn write = nullptr;
    sonabridge::EndFn recognitionEnd = nullptr;
    sonabridge::StartFn transcriptionStart = nullptr;
    sonabridge::EndFn transcriptionEnd = nullptr;

    // Empty on success, else what failed.
    QString load()
    {
        void *lib = ::dlopen(SONABRIDGE_LIBRARY, RTLD_NOW | RTLD_LOCAL);
        if (!lib)
            return QString::fromLocal8Bit(::dlerror());
        recognitionStart =
            reinterpret_cast<sonabridge::StartFn>(::dlsym(lib, sonabridge::kRecognitionStart));
        write = reinterpret_cast<sonabridge::WriteFn>(::dlsym(lib, sonabridge::kWrite));
        recognitionEnd = reinterpret_cast<sonabridge::EndFn>(::dlsym(lib, sonabridge::kRecognitionEnd));
        transcriptionStart =
            reinterpret_cast<sonabridge::StartFn>(::dlsym(lib, sonabridge::kTranscriptionStart));
        transcriptionEnd =
            reinterpret_cast<sonabridge::EndFn>(::dlsym(lib, sonabridge::kTranscriptionEnd));
        if (!recognitionStart || !write || !recognitionEnd || !transcriptionStart || !transcriptionEnd)
            return QStringLiteral("an export is missing");
        return {};
    }
};

// Each callback becomes one line: "log <line>" or "text<kind> <text>".
class CallbackRecorder {
public:
    sonabridge::TextCallback text()
    {
        return [this](std::string_view t, int kind) {
            add(QStringLiteral("text%1 ").arg(kind) + QString::fromUtf8(t.data(), int(t.size())));
        };
    }
    sonabridge::LogCallback log()
    {
        return [this](std::string line) { add(QStringLiteral("log ") + QString::fromStdString(line)); };
    }

    QStringList lines() const
    {
        std::lock_guard<std::mutex> lock(mMutex);
        return mLines;
    }
    std::vector<std::thread::id> threads() const
    {
        std::lock_guard<std::mutex> lock(mMutex);
        return mThreads;
    }
    bool waitForLines(int count, std::chrono::milliseconds timeout = std::chrono::seconds(5))
    {
        std::unique_lock<std::mutex> lock(mMutex);
        return mChanged.wait_for(lock, timeout, [&] { return mLines.size() >= count; });
    }

private:
    void add(const QString &line)
    {
        std::lock_guard<std::mutex> lock(mMutex);
        mLines << line;
        mThreads.push_back(std::this_thread::get_id());
        mChanged.notify_all();
    }

    mutable std::mutex mMutex;
    std::condition_variable mChanged;
    QStringList mLines;
    std::vector<std::thread::id> mThreads;
};
