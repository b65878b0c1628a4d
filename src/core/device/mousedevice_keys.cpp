// The mouse's extra buttons arrive as function keys, repeated while held.
// Each burst of activations is counted and timed: a press signal when the
// button goes down (or, in short-click mode, once it has been held past the
// keyboard repeat delay), a release signal one second after the last
// activation, and on some models the buttons swap roles.

#include "mousedevice.h"

#include "core/key/myglobalshortcut.h"
#include "global_listen/globalmouse.h"
#include "platform/keys.h"

#include <QDebug>
#include <QTimer>

namespace {
int slotOf(int key) { return key - 129; }  // 129..132 -> 0..3
}  // namespace

void MouseDevice::setupKeys()
{
    for (int i = 0; i < 4; ++i) {
        m_keyTimers[i] = new QTimer(this);
        m_keyTimers[i]->setSingleShot(true);
        m_keyTimers[i]->setInterval(m_timing.keyReleaseMs);
    }
    QObject::connect(m_keyTimers[0], &QTimer::timeout, this, &MouseDevice::KeyOne129Over);
    QObject::connect(m_keyTimers[1], &QTimer::timeout, this, &MouseDevice::KeyOne130Over);
    QObject::connect(m_keyTimers[2], &QTimer::timeout, this, &MouseDevice::KeyOne131Over);
    QObject::connect(m_keyTimers[3], &QTimer::timeout, this, &MouseDevice::KeyOne132Over);

    GlobalMouse *keyboard = GlobalMouse::instance();
    struct Button {
        const char *hotKey;
        unsigned virtualKey;
        void (MouseDevice::*slot)();
        void (GlobalMouse::*fallback)();
        Qt::ConnectionType hotKeyConnection;
    };
    const Button buttons[] = {
        {"F18", platform::vk::F18, &MouseDevice::KeyOne129, &GlobalMouse::sendF18,
         Qt::QueuedConnection},
        {"F19", platform::vk::F19, &MouseDevice::KeyOne130, &GlobalMouse::sendF19,
         Qt::AutoConnection},
        {"F20", platform::vk::F20, &MouseDevice::KeyOne131, &GlobalMouse::sendF20,
         Qt::AutoConnection},
        {"F17", platform::vk::F17, &MouseDevice::KeyOne132, &GlobalMouse::sendF17,
         Qt::AutoConnection},
    };
    for (const Button &b : buttons) {
        auto *shortcut = new MyGlobalShortCut(QLatin1String(b.hotKey), this);
        QObject::connect(shortcut, &MyGlobalShortCut::activated, this, b.slot,
                         b.hotKeyConnection);
        if (!shortcut->isRegistered()) {
            qWarning() << "hot key" << b.hotKey << "not registered; listening to the keyboard";
            keyboard->addKeyBoard(b.virtualKey);
            QObject::connect(keyboard, b.fallback, this, b.slot, Qt::QueuedConnection);
        }
    }
    // Some receivers send the first button as F13, which is never grabbed.
    keyboard->addKeyBoard(platform::vk::F13);
    QObject::connect(keyboard, &GlobalMouse::sendF13, this, &MouseDevice::KeyOne129,
                     Qt::QueuedConnection);
}

void MouseDevice::setIsShort131(int value)
{
    qDebug() << "setIsShort131" << value;
    isShort131 = value;
}

// ---- Model groups ----

bool MouseDevice::inGroupA() const
{
    return model.contains(QLatin1String("T013")) || model.contains(QLatin1String("Q7"))
        || model.contains(QLatin1String("PX06"));
}

bool MouseDevice::inGroupAPrime() const
{
    return model.contains(QLatin1String("T013")) || model.contains(QLatin1String("Q7"));
}

bool MouseDevice::inGroupB() const
{
    return productName == QLatin1String("WQQ313") || productName == QLatin1String("WQQ800")
        || productName == QLatin1String("WQBT5.2 Mouse");
}

bool MouseDevice::inGroupC() const
{
    return model.contains(QLatin1String("Q7"));
}

bool MouseDevice::inGroupD() const
{
    return model.contains(QLatin1String("PX08")) || model.contains(QLatin1String("T011"));
}

// ---- Press, release and short click per button ----

void MouseDevice::detectLongMouseModel129(int c)
{
    qDebug() << "product: " << model;
    if (inGroupA())
        emit signalsKeyOne130(c);
    else if (inGroupB())
        emit signalsKeyOne131(c);
    else
        emit signalsKeyOne129(c);
}

void MouseDevice::detectLongMouseModel130(int c)
{
    qDebug() << "product: " << model;
    if (inGroupC())
        emit signalsKeyOne129(c);
    else
        emit signalsKeyOne130(c);
}

void MouseDevice::detectLongMouseModel131(int c)
{
    qDebug() << "product: " << model;
    if (inGroupB())
        emit signalsKeyOne129(c);
    else
        emit signalsKeyOne131(c);
}

void MouseDevice::detectReleaseMouseModel129(int c)
{
    if (inGroupA())
        emit signalsKeyOne130Over(c);
    else if (inGroupB())
        emit signalsKeyOne131Over(c);
    else
        emit signalsKeyOne129Over(c);
}

void MouseDevice::detectReleaseMouseModel130(int c)
{
    if (inGroupC())
        emit signalsKeyOne129Over(c);
    else
        emit signalsKeyOne130Over(c);
}

void MouseDevice::detectReleaseMouseModel131(int c)
{
    if (inGroupB())
        emit signalsKeyOne129Over(c);
    else
        emit signalsKeyOne131Over(c);
}

void MouseDevice::shortClick129()
{
    if (inGroupAPrime())
        emit signalsKeyOne130ShortOver(1);
    else if (inGroupB())
        emit signalsKeyOne131ShortOver(1);
    else
        emit signalsKeyOne129ShortOver(1);
}

void MouseDevice::shortClick130()
{
    if (inGroupD())
        emit signalsKeyOne130ShortOver(1);
    else if (inGroupC())
        emit signalsKeyOne129ShortOver(1);
}

void MouseDevice::shortClick131()
{
    if (inGroupB())
        emit signalsKeyOne129ShortOver(1);
    else
        emit signalsKeyOne131ShortOver(1);
}

void MouseDevice::keyPressed(int key)
{
    qDebug().noquote() << QStringLiteral("按下了%1").arg(key);
    const int i = slotOf(key);
    const int c = m_pressCount[i];
    switch (key) {
    case 129:
        if ((c == 0 && isShort129 == 0) || (c == 1 && isShort129 != 0))
            detectLongMouseModel129(c);
        break;
    case 130:
        if ((c == 0 && isShort130 == 0) || (c == 1 && isShort130 != 0))
            detectLongMouseModel130(c);
        break;
    case 131:
        if ((c == 0 && isShort131 == 0) || c == 1)
            detectLongMouseModel131(c);
        break;
    case 132:
        if (c == 1)
            emit signalsKeyOne132(1);
        break;
    }
    m_pressCount[i] = c + 1;
    m_keyTimers[i]->start();
}

void MouseDevice::keyReleased(int key)
{
    const int i = slotOf(key);
    const int c = m_pressCount[i];
    qDebug() << "抬起了" << c;
    if (key == 132) {
        if (c > 0)
            emit signalsKeyOne132Over(c);
    } else {
        const bool shortMode = (key == 129 ? isShort129 : key == 130 ? isShort130 : isShort131) != 0;
        if (shortMode && c == 1) {
            if (key == 129)
                shortClick129();
            else if (key == 130)
                shortClick130();
            else
                shortClick131();
        } else if (c >= (shortMode ? 2 : 1)) {
            if (key == 129)
                detectReleaseMouseModel129(c);
            else if (key == 130)
                detectReleaseMouseModel130(c);
            else
                detectReleaseMouseModel131(c);
        }
    }
    m_pressCount[i] = 0;
    m_keyTimers[i]->stop();
}

void MouseDevice::KeyOne129() { keyPressed(129); }
void MouseDevice::KeyOne130() { keyPressed(130); }
void MouseDevice::KeyOne131() { keyPressed(131); }
void MouseDevice::KeyOne132() { keyPressed(132); }
void MouseDevice::KeyOne129Over() { keyReleased(129); }
void MouseDevice::KeyOne130Over() { keyReleased(130); }
void MouseDevice::KeyOne131Over() { keyReleased(131); }
void MouseDevice::KeyOne132Over() { keyReleased(132); }
