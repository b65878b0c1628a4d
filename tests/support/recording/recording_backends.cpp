#include "support/recording/recording_backends.h"

#include "platform/backend_overrides.h"

#include <algorithm>

namespace platform::recording {

namespace {

struct Installed
{
    std::shared_ptr<RecordingHotKeyService> hotKeys;
    std::shared_ptr<RecordingKeyboardListener> listener;
    std::shared_ptr<RecordingDeviceMonitor> devices;
    std::shared_ptr<RecordingKeyInjector> keys;
    std::shared_ptr<RecordingClipboardWatch> clipboard;
    std::shared_ptr<RecordingMouseListener> mouse;
    std::shared_ptr<RecordingSelectedText> selection;
};

Installed &installed()
{
    static Installed instance;
    return instance;
}

}  // namespace

HotKeyService::Result RecordingHotKeyService::registerHotKey(unsigned virtualKey, unsigned modifiers)
{
    ++m_registerCalls;
    if (isRegistered(virtualKey, modifiers))
        return Result::Ok;
    if (m_missingKeys.count(virtualKey))
        return Result::NoKey;
    const auto held = m_heldElsewhere.find({virtualKey, modifiers});
    if (held != m_heldElsewhere.end()) {
        if (held->second == Hold::Once)
            m_heldElsewhere.erase(held);
        return Result::AlreadyHeld;
    }
    m_registrations.push_back({virtualKey, modifiers});
    return Result::Ok;
}

bool RecordingHotKeyService::unregisterHotKey(unsigned virtualKey, unsigned modifiers)
{
    const auto it = std::find(m_registrations.begin(), m_registrations.end(),
                              Registration{virtualKey, modifiers});
    if (it == m_registrations.end())
        return false;
    m_registrations.erase(it);
    return true;
}

void RecordingHotKeyService::holdElsewhere(unsigned virtualKey, unsigned modifiers, Hold hold)
{
    m_heldElsewhere[{virtualKey, modifiers}] = hold;
}

void RecordingHotKeyService::releaseElsewhere(unsigned virtualKey, unsigned modifiers)
{
    m_heldElsewhere.erase({virtualKey, modifiers});
}

void RecordingHotKeyService::removeFromLayout(unsigned virtualKey)
{
    m_missingKeys.insert(virtualKey);
}

bool RecordingHotKeyService::press(unsigned virtualKey, unsigned modifiers)
{
    if (!isRegistered(virtualKey, modifiers))
        return false;
    activate(virtualKey, modifiers);
    return true;
}

bool RecordingHotKeyService::isRegistered(unsigned virtualKey, unsigned modifiers) const
{
    return std::find(m_registrations.begin(), m_registrations.end(), Registration{virtualKey, modifiers})
        != m_registrations.end();
}

bool RecordingKeyboardListener::start()
{
    if (!m_startFails)
        m_running = true;
    return m_running;
}

void RecordingKeyboardListener::stop()
{
    m_running = false;
}

bool RecordingKeyboardListener::key(unsigned virtualKey, bool down)
{
    if (!m_running)
        return false;
    report(virtualKey, down);
    return true;
}

bool RecordingMouseListener::start()
{
    if (!m_startFails)
        m_running = true;
    return m_running;
}

void RecordingMouseListener::stop()
{
    m_running = false;
}

bool RecordingMouseListener::send(Event event, int x, int y)
{
    if (!m_running)
        return false;
    report(event, x, y);
    return true;
}

SelectedText::Result RecordingSelectedText::read(int)
{
    ++m_reads;
    return m_result;
}

void RecordingSelectedText::set(Outcome outcome, std::string text)
{
    m_result = {outcome, std::move(text)};
}

bool RecordingDeviceMonitor::start()
{
    if (!m_startFails)
        m_running = true;
    return m_running;
}

void RecordingDeviceMonitor::stop()
{
    m_running = false;
}

bool RecordingDeviceMonitor::change(const std::string &path, bool arrived)
{
    if (!m_running)
        return false;
    report(path, arrived);
    return true;
}

bool RecordingKeyInjector::press(unsigned virtualKey)
{
    return sendBatch({{virtualKey, true}});
}

bool RecordingKeyInjector::release(unsigned virtualKey)
{
    return sendBatch({{virtualKey, false}});
}

bool RecordingKeyInjector::sendBatch(const std::vector<std::pair<unsigned, bool>> &events)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (m_acceptLimit >= 0 && size_t(m_acceptLimit) < events.size())
        return false;
    if (m_acceptLimit >= 0)
        m_acceptLimit -= int(events.size());
    const auto now = std::chrono::steady_clock::now();
    for (const auto &[virtualKey, down] : events)
        m_events.push_back({virtualKey, down, now});
    return true;
}

bool RecordingKeyInjector::waitForModifiersReleased(int)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    ++m_modifierWaits;
    return !m_modifiersHeld;
}

bool RecordingKeyInjector::modifiersHeld()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_modifiersHeld;
}

void RecordingKeyInjector::setModifiersHeld(bool held)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_modifiersHeld = held;
}

void RecordingKeyInjector::setAcceptLimit(int events)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_acceptLimit = events;
}

std::vector<RecordingKeyInjector::Event> RecordingKeyInjector::events() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_events;
}

int RecordingKeyInjector::modifierWaits() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_modifierWaits;
}

void RecordingClipboardWatch::expectRequest()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    ++m_expects;
}

bool RecordingClipboardWatch::waitForTextRequest(int)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    ++m_waits;
    return m_fetched;
}

void RecordingClipboardWatch::setFetched(bool fetched)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_fetched = fetched;
}

int RecordingClipboardWatch::expects() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_expects;
}

int RecordingClipboardWatch::waits() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_waits;
}

void install()
{
    installed() = {std::make_shared<RecordingHotKeyService>(), std::make_shared<RecordingKeyboardListener>(),
                   std::make_shared<RecordingDeviceMonitor>(), std::make_shared<RecordingKeyInjector>(),
                   std::make_shared<RecordingClipboardWatch>(), std::make_shared<RecordingMouseListener>(),
                   std::make_shared<RecordingSelectedText>()};
    const Installed &now = installed();
    overrideBackends({now.hotKeys, now.listener, now.devices, now.keys, now.clipboard, now.mouse,
                      now.selection});
}

void uninstall()
{
    overrideBackends({});
    installed() = {};
}

std::shared_ptr<RecordingHotKeyService> installedHotKeyService()
{
    return installed().hotKeys;
}

std::shared_ptr<RecordingKeyboardListener> installedKeyboardListener()
{
    return installed().listener;
}

std::shared_ptr<RecordingDeviceMonitor> installedDeviceMonitor()
{
    return installed().devices;
}

std::shared_ptr<RecordingKeyInjector> installedKeyInjector()
{
    return installed().keys;
}

std::shared_ptr<RecordingClipboardWatch> installedClipboardWatch()
{
    return installed().clipboard;
}

}  // namespace platform::recording

namespace platform::recording {

std::shared_ptr<RecordingMouseListener> installedMouseListener()
{
    return installed().mouse;
}

std::shared_ptr<RecordingSelectedText> installedSelectedText()
{
    return installed().selection;
}

}  // namespace platform::recording
