#pragma once

#include "global_listen/drag_detector.h"
#include "platform/mouse_listener.h"

#include <QMouseEvent>
#include <QObject>

#include <functional>
#include <memory>

class ClipboardCopy;

namespace platform {
class KeyboardListener;
}

// Listens to the whole session's keyboard (without taking keys away from
// anyone) for the keys whose hot keys could not be registered: F13, F17 to
// F20 and Alt+X. Nothing is reported until a key is enabled.
//
// While the mouse hook is installed it also watches the left button: a drag
// (text being selected somewhere) is reported through mouseEvent, and the
// text selected in the other application can then be captured.
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

    bool installMouseEvent();
    bool uninstallMouseEvent();
    bool isMouseHookInstalled() const;

    // The selection the session publishes (PRIMARY on X11), tried again
    // while its owner does not answer; empty when nothing is selected.
    // Blocks for a moment.
    QString GetSelectedTextWithRetry(int retries);
    // The selection copied with Ctrl+C, the user's clipboard put back.
    // Calls done once, later, with the text; empty when nothing was copied
    // or the same text as the last copy. Not tried when the last read of the
    // published selection found it not made anew: the drag selected nothing,
    // and Ctrl+C is not harmless everywhere (a terminal interrupts its job).
    void GetSelectedTextWithoutPollutingClipboard(std::function<void(const QString &)> done);

    QString selectedText() const { return m_selectedText; }
    void setSelectedText(const QString &text) { m_selectedText = text; }

    static constexpr int kPrimaryTimeoutMs = 300;

signals:
    void sendF13();
    void sendF17();
    void sendF18();
    void sendF19();
    void sendF20();
    void sendAltX();
    // A drag with the left button ended: a release event at its screen position.
    void mouseEvent(std::shared_ptr<QMouseEvent> ptr);

private:
    GlobalMouse();
    ~GlobalMouse() override;
    void handleMouse(platform::MouseListener::Event event, QPoint at);

    std::shared_ptr<platform::KeyboardListener> m_listener;
    bool m_f13 = false, m_f17 = false, m_f18 = false, m_f19 = false, m_f20 = false;
    bool m_altX = false;
    bool m_altDown = false, m_xDown = false;

    std::shared_ptr<platform::MouseListener> m_mouse;
    DragDetector m_drag;
    ClipboardCopy *m_copy = nullptr;
    QString m_lastStr;  // text of the last capture through the clipboard
    QString m_selectedText;
    bool m_primaryStale = false;
};

Q_DECLARE_METATYPE(std::shared_ptr<QMouseEvent>)
