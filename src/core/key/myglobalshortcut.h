#pragma once

#include <QHash>
#include <QKeySequence>
#include <QObject>
#include <QPair>

#include <memory>

namespace platform {
class HotKeyService;
}

// One system-wide hot key. Whether the key could be taken is known right
// after construction (isRegistered); callers that get false fall back to
// listening to the keyboard instead.
class MyGlobalShortCut : public QObject
{
    Q_OBJECT
public:
    MyGlobalShortCut(const QString &text, QObject *parent = nullptr);
    ~MyGlobalShortCut() override;

    bool isRegistered() const { return m_registered; }
    bool registerHotKey(int n = 0);
    bool unregisterHotKey();

    int key() const { return m_key; }
    int modifiers() const { return m_mods; }
    unsigned virtualKey() const;
    unsigned modifierMask() const;

signals:
    void activated();

private:
    void onSystemHotKey(unsigned virtualKey, unsigned modifiers);

    QKeySequence m_sequence;
    int m_key = 0;
    int m_mods = 0;
    bool m_registered = false;
    bool m_heldByUs = false;
    std::shared_ptr<platform::HotKeyService> m_service;
    int m_lastError = 0;
};
