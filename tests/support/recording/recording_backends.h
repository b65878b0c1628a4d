#pragma once

#include "platform/clipboard_watch.h"
#include "platform/device_monitor.h"
#include "platform/hotkey_service.h"
#include "platform/key_injector.h"
#include "platform/keyboard_listener.h"
#include "platform/mouse_listener.h"
#include "platform/selected_text.h"

#include <chrono>
#include <map>
#include <memory>
#include <mutex>
#include <set>
#include <string>
#include <utility>
#include <vector>

// Backends that remember what callers asked and let a test play the user,
// the keyboard and the devices. install() puts them behind the factory.
namespace platform::recording {

class RecordingHotKeyService final : public HotKeyService
{
public:
    enum class Hold { Once, Always };

    struct Registration
    {
        unsigned virtualKey;
        unsigned modifiers;
        bool operator==(const Registration &o) const
        {
            return virtualKey == o.virtualKey && modifiers == o.modifiers;
        }
    };

    Result registerHotKey(unsigned virtualKey, unsigned modifiers) override;
    bool unregisterHotKey(unsigned virtualKey, unsigned modifiers) override;

    // Another application holds the key: the next registration (Once) or all
    // of them until released (Always) give AlreadyHeld.
    void holdElsewhere(unsigned virtualKey, unsigned modifiers, Hold hold = Hold::Always);
    void releaseElsewhere(unsigned virtualKey, unsigned modifiers);
    // The keyboard layout has no such key: registrations give NoKey.
    void removeFromLayout(unsigned virtualKey);

    // The user presses a hot key; false (and no activation) when it is not registered.
    bool press(unsigned virtualKey, unsigned modifiers);

    bool isRegistered(unsigned virtualKey, unsigned modifiers) const;
    const std::vector<Registration> &registrations() const { return m_registrations; }
    int registerCalls() const { return m_registerCalls; }

private:
    std::vector<Registration> m_registrations;
    std::map<std::pair<unsigned, unsigned>, Hold> m_heldElsewhere;
    std::set<unsigned> m_missingKeys;
    int m_registerCalls = 0;
};

class RecordingKeyboardListener final : public KeyboardListener
{
public:
    bool start() override;
    void stop() override;
    bool isRunning() const override { return m_running; }

    void setStartFails(bool fails) { m_startFails = fails; }
    // A key goes down or up; reported only while running, as a real one would.
    bool key(unsigned virtualKey, bool down);

private:
    bool m_running = false;
    bool m_startFails = false;
};

// Plays the user's left button and pointer; reported only while running.
class RecordingMouseListener final : public MouseListener
{
public:
    bool start() override;
    void stop() override;
    bool isRunning() const override { return m_running; }

    void setStartFails(bool fails) { m_startFails = fails; }
    bool press(int x, int y) { return send(Event::LeftDown, x, y); }
    bool move(int x, int y) { return send(Event::Move, x, y); }
    bool release(int x, int y) { return send(Event::LeftUp, x, y); }

private:
    bool send(Event event, int x, int y);

    bool m_running = false;
    bool m_startFails = false;
};

// A selection the test sets; counts the reads.
class RecordingSelectedText final : public SelectedText
{
public:
    Result read(int timeoutMs) override;

    void set(Outcome outcome, std::string text = {});
    int reads() const { return m_reads; }

private:
    Result m_result;
    int m_reads = 0;
};

class RecordingDeviceMonitor final : public DeviceMonitor
{
public:
    bool start() override;
    void stop() override;
    bool isRunning() const { return m_running; }

    void setStartFails(bool fails) { m_startFails = fails; }
    // A device interface arrives or goes; reported only while started.
    bool change(const std::string &path, bool arrived);

private:
    bool m_running = false;
    bool m_startFails = false;
};

// Remembers every key event with the time it was sent. Thread-safe: the
// typing worker sends while the test reads.
class RecordingKeyInjector final : public KeyInjector
{
public:
    struct Event
    {
        unsigned virtualKey;
        bool down;
        std::chrono::steady_clock::time_point at;
    };

    bool press(unsigned virtualKey) override;
    bool release(unsigned virtualKey) override;
    bool sendBatch(const std::vector<std::pair<unsigned, bool>> &events) override;
    bool waitForModifiersReleased(int timeoutMs) override;
    bool modifiersHeld() override;

    // The user holds a modifier, or lets go. Waits return at once, false while held.
    void setModifiersHeld(bool held);
    // The system takes this many more events, then refuses all of them.
    void setAcceptLimit(int events);
    std::vector<Event> events() const;
    int modifierWaits() const;

private:
    mutable std::mutex m_mutex;
    std::vector<Event> m_events;
    int m_acceptLimit = -1;
    int m_modifierWaits = 0;
    bool m_modifiersHeld = false;
};

// Counts what the typing worker asks; the pasting application fetches the
// clipboard at once unless told it never does.
class RecordingClipboardWatch final : public ClipboardWatch
{
public:
    void expectRequest() override;
    bool waitForTextRequest(int timeoutMs) override;

    void setFetched(bool fetched);
    int expects() const;
    int waits() const;

private:
    mutable std::mutex m_mutex;
    bool m_fetched = true;
    int m_expects = 0;
    int m_waits = 0;
};

// Fresh recording backends, returned by the factory until uninstall().
void install();
void uninstall();

// The installed ones, or null.
std::shared_ptr<RecordingHotKeyService> installedHotKeyService();
std::shared_ptr<RecordingKeyboardListener> installedKeyboardListener();
std::shared_ptr<RecordingDeviceMonitor> installedDeviceMonitor();
std::shared_ptr<RecordingKeyInjector> installedKeyInjector();
std::shared_ptr<RecordingClipboardWatch> installedClipboardWatch();
std::shared_ptr<RecordingMouseListener> installedMouseListener();
std::shared_ptr<RecordingSelectedText> installedSelectedText();

}  // namespace platform::recording
