#pragma once

#include <QObject>

#include <memory>

namespace platform {
class KeyboardListener;
}

// Listens to the whole session's keyboard (without taking keys away from
// anyone) for the keys whose hot keys could not be registered: F13, F17 to
// F20 and Alt+X. Nothing is reported until a key is enabled.
class GlobalMouse : public QObject
{
    Q_OBJECT
public:
    static GlobalMouse *instance();

    void addKeyBoard(unsigned virtualKey, int unused = 0);
    void addAltX();

    // Starts listening; true when the session's keyboard can be listened to.
    bool installKeyboardHook();
    bool isKeyboardHookInstalled() const;

    // Exposed so that tests and other input sources can feed key events.
    void handleKey(unsigned virtualKey, bool down);

signals:
    void sendF13();
    void sendF17();
    void sendF18();
    void sendF19();
    void sendF20();
    void sendAltX();

private:
    GlobalMouse() = default;

    std::shared_ptr<platform::KeyboardListener> m_listener;
    bool m_f13 = false, m_f17 = false, m_f18 = false, m_f19 = false, m_f20 = false;
    bool m_altX = false;
    bool m_altDown = false, m_xDown = false;
};
