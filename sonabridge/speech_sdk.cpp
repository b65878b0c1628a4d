#include "speech_sdk.h"

#include <dlfcn.h>
#include <unistd.h>

#include <climits>
#include <mutex>

namespace sonabridge::sdk {
namespace {

std::string executableDirectory()
{
    char path[PATH_MAX];
    const ssize_t n = ::readlink("/proc/self/exe", path, sizeof(path) - 1);
    if (n <= 0)
        return {};
    const std::string exe(path, static_cast<size_t>(n));
    const auto slash = exe.rfind('/');
    return slash == std::string::npos ? std::string() : exe.substr(0, slash);
}

std::string lastDlError()
{
    const char *e = ::dlerror();
    return e ? e : "unknown error";
}

// Beside the executable wins, so a copy shipped with the application is used
// even when another version is installed system-wide.
void *openCore(std::string *error)
{
    const std::string dir = executableDirectory();
    std::string besideExe;
    if (!dir.empty()) {
        const std::string path = dir + '/' + kCoreLibrary;
        if (void *h = ::dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL))
            return h;
        besideExe = lastDlError();
    }
    if (void *h = ::dlopen(kCoreLibrary, RTLD_NOW | RTLD_LOCAL))
        return h;
    *error = std::string("speech SDK core library ") + kCoreLibrary + " not found (" +
             (besideExe.empty() ? std::string() : besideExe + "; ") + lastDlError() + ")";
    return nullptr;
}

bool resolve(void *lib, Api *api, std::string *error)
{
#define SONABRIDGE_SDK_RESOLVE(ret, name, params)                                              \
    api->name = reinterpret_cast<decltype(api->name)>(::dlsym(lib, #name));                   \
    if (!api->name) {                                                                          \
        *error = std::string("speech SDK core library lacks the function " #name);             \
        return false;                                                                          \
    }
    SONABRIDGE_SDK_FUNCTIONS(SONABRIDGE_SDK_RESOLVE)
#undef SONABRIDGE_SDK_RESOLVE
    return true;
}

}  // namespace

const Api *load(std::string *error)
{
    static std::mutex mutex;
    static Api api;
    static bool loaded = false;
    std::lock_guard<std::mutex> lock(mutex);
    if (loaded)
        return &api;
    void *lib = openCore(error);
    if (!lib)
        return nullptr;
    Api candidate;
    if (!resolve(lib, &candidate, error)) {
        ::dlclose(lib);
        return nullptr;
    }
    // Never closed: SDK threads may run library code until the process ends.
    api = candidate;
    loaded = true;
    return &api;
}

}  // namespace sonabridge::sdk
