#include "myglobalshortcut.h"

#include "core/key/virtual_keys.h"
#include "platform/hotkey_service.h"

#include <QDebug>
#include <QPointer>

namespace {

constexpr int kModifierBits = 0x1E000000;

// Every hot key of the process by (virtual key, modifier mask): the system
// reports a key, and this says which object owns it.
QHash<QPair<unsigned, unsigned>, QPointer<MyGlobalShortCut>> &hotKeyTable()
{
    static QHash<QPair<unsigned, unsigned>, QPointer<MyGlobalShortCut>> table;
    return table;
}

}  // namespace

MyGlobalShortCut::MyGlobalShortCut(const QString &text, QObject *parent)
    : QObject(parent), m_sequence(QKeySequence::fromString(text, QKeySequence::NativeText))
{
    if (!m_sequence.isEmpty()) {
        m_key = m_sequence[0] & ~kModifierBits;
        m_mods = m_sequence[0] & kModifierBits;
    }
    m_service = platform::hotKeyService();
    if (m_service) {
        // One listener for the whole process; it dispatches through the table.
        m_service->setListener([](unsigned vk, unsigned mods) {
            const auto owner = hotKeyTable().value(qMakePair(vk, mods));
            if (owner)
                owner->onSystemHotKey(vk, mods);
        });
    }

    // No pause between letting go and taking the key: the service answers
    // only once the system has settled the grab (on X11 after a round trip).
    // A backend whose system needs time between the two waits inside its own
    // unregisterHotKey, and only when it really let go of a key.
    unregisterHotKey();
    m_registered = registerHotKey(0);
    if (!m_registered) {
        qWarning() << "register hot key failed:" << text << "error" << m_lastError;
        if (m_lastError == 1409) {
            unregisterHotKey();
            m_registered = registerHotKey(0);
        }
    }
}

MyGlobalShortCut::~MyGlobalShortCut()
{
    qDebug() << "MyGlobalShortCut destructed.";
    unregisterHotKey();
    const auto id = qMakePair(virtualKey(), modifierMask());
    if (hotKeyTable().value(id) == this)
        hotKeyTable().remove(id);
}

unsigned MyGlobalShortCut::virtualKey() const
{
    return VirtualKeys::fromQtKey(m_key);
}

unsigned MyGlobalShortCut::modifierMask() const
{
    return VirtualKeys::modifiersFromQt(m_mods);
}

bool MyGlobalShortCut::registerHotKey(int n)
{
    const unsigned vk = virtualKey();
    const unsigned mods = modifierMask();
    hotKeyTable().insert(qMakePair(vk, mods), this);
    qDebug() << "registerHotKey id" << ((unsigned(n) + vk) ^ mods) << "mods" << mods << "vk" << vk;
    if (!m_service) {
        m_lastError = -1;  // no hot keys in this session
        return false;
    }
    switch (m_service->registerHotKey(vk, mods)) {
    case platform::HotKeyService::Result::Ok:
        m_heldByUs = true;
        m_lastError = 0;
        return true;
    case platform::HotKeyService::Result::AlreadyHeld:
        m_lastError = 1409;
        return false;
    case platform::HotKeyService::Result::NoKey:
        m_lastError = 2;
        return false;
    case platform::HotKeyService::Result::Failed:
        break;
    }
    m_lastError = -1;
    return false;
}

bool MyGlobalShortCut::unregisterHotKey()
{
    const unsigned vk = virtualKey();
    const unsigned mods = modifierMask();
    qDebug() << "unregisterHotKey id" << (vk ^ mods);
    if (!m_service || !m_heldByUs)
        return false;
    const bool ok = m_service->unregisterHotKey(vk, mods);
    if (!ok)
        qWarning() << "unregister hot key failed" << vk << mods;
    m_heldByUs = !ok;
    return ok;
}

void MyGlobalShortCut::onSystemHotKey(unsigned, unsigned)
{
    emit activated();
}
