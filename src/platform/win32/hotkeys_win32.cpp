#include "platform/win32/hotkeys_win32.h"

#include "platform/keys.h"
#include "platform/win32/win32_rules.h"
#include "platform/win32/win32_util.h"

#include <mutex>
#include <vector>

namespace platform::win32 {

namespace {

constexpr unsigned kModifierBits = ModAlt | ModControl | ModShift | ModWin;
// Applications may use hot-key ids 0x0000 to 0xBFFF.
constexpr int kMaxId = 0xBFFF;

}  // namespace

struct Win32HotKeyService::Private
{
    struct Key
    {
        unsigned virtualKey;
        unsigned modifiers;
        int id;
    };

    Mailbox mailbox;  // on the GUI thread
    MessageThread thread;
    // Written on the GUI thread, read on the hot-key thread.
    std::mutex mutex;
    std::vector<Key> keys;
    int lastId = 0;

    const Key *find(unsigned virtualKey, unsigned modifiers) const
    {
        for (const Key &k : keys) {
            if (k.virtualKey == virtualKey && k.modifiers == modifiers)
                return &k;
        }
        return nullptr;
    }

    int nextId()
    {
        for (int tries = 0; tries < kMaxId; ++tries) {
            lastId = lastId % kMaxId + 1;
            bool used = false;
            for (const Key &k : keys)
                used = used || k.id == lastId;
            if (!used)
                return lastId;
        }
        return 0;
    }
};

std::unique_ptr<Win32HotKeyService> Win32HotKeyService::create()
{
    auto d = std::make_unique<Private>();
    if (!d->mailbox.valid())
        return nullptr;
    std::unique_ptr<Win32HotKeyService> service(new Win32HotKeyService(std::move(d)));
    Private *p = service->d.get();
    Win32HotKeyService *self = service.get();
    const bool started = p->thread.start(
        [p, self](HWND, UINT message, WPARAM wParam, LPARAM, LRESULT &result) {
            if (message != WM_HOTKEY)
                return false;
            unsigned virtualKey = 0, modifiers = 0;
            {
                std::lock_guard<std::mutex> lock(p->mutex);
                for (const Private::Key &k : p->keys) {
                    if (k.id == int(wParam)) {
                        virtualKey = k.virtualKey;
                        modifiers = k.modifiers;
                    }
                }
            }
            if (virtualKey)
                p->mailbox.post([self, virtualKey, modifiers] { self->delivered(virtualKey, modifiers); });
            result = 0;
            return true;
        },
        {},
        [p](HWND window) {
            std::lock_guard<std::mutex> lock(p->mutex);
            for (const Private::Key &k : p->keys)
                UnregisterHotKey(window, k.id);
        });
    if (!started)
        return nullptr;
    return service;
}

Win32HotKeyService::Win32HotKeyService(std::unique_ptr<Private> priv)
    : d(std::move(priv))
{
}

Win32HotKeyService::~Win32HotKeyService()
{
    // The thread first: nothing is posted to the mailbox after it ends.
    d->thread.stop();
}

HotKeyService::Result Win32HotKeyService::registerHotKey(unsigned virtualKey, unsigned modifiers)
{
    int id = 0;
    {
        std::lock_guard<std::mutex> lock(d->mutex);
        if (d->find(virtualKey, modifiers))
            return Result::Ok;
        if (!validVirtualKey(virtualKey))
            return Result::NoKey;
        if (modifiers & ~kModifierBits)
            return Result::Failed;
        id = d->nextId();
    }
    if (!id)
        return Result::Failed;

    BOOL ok = FALSE;
    DWORD error = 0;
    d->thread.call([&] {
        ok = RegisterHotKey(d->thread.window(), id, modifiers, virtualKey);
        error = ok ? 0 : GetLastError();
    });
    if (!ok)
        return error == ERROR_HOTKEY_ALREADY_REGISTERED ? Result::AlreadyHeld : Result::Failed;
    std::lock_guard<std::mutex> lock(d->mutex);
    d->keys.push_back({virtualKey, modifiers, id});
    return Result::Ok;
}

bool Win32HotKeyService::unregisterHotKey(unsigned virtualKey, unsigned modifiers)
{
    int id = 0;
    {
        std::lock_guard<std::mutex> lock(d->mutex);
        for (auto it = d->keys.begin(); it != d->keys.end(); ++it) {
            if (it->virtualKey == virtualKey && it->modifiers == modifiers) {
                id = it->id;
                d->keys.erase(it);
                break;
            }
        }
    }
    if (!id)
        return false;
    d->thread.call([&] { UnregisterHotKey(d->thread.window(), id); });
    return true;
}

void Win32HotKeyService::delivered(unsigned virtualKey, unsigned modifiers)
{
    // A press queued before the key was let go of is not reported.
    {
        std::lock_guard<std::mutex> lock(d->mutex);
        if (!d->find(virtualKey, modifiers))
            return;
    }
    activate(virtualKey, modifiers);
}

}  // namespace platform::win32
