#include "globalmouse.h"

#include "platform/keyboard_listener.h"
#include "platform/keys.h"

#include <QDebug>

GlobalMouse *GlobalMouse::instance()
{
    static GlobalMouse *mouse = new GlobalMouse;  // lives until exit
    return mouse;
}

void GlobalMouse::addKeyBoard(unsigned virtualKey, int)
{
    qDebug() << "GlobalMouse::addKeyBoard" << Qt::hex << virtualKey;
    switch (virtualKey) {
    case platform::vk::F13: m_f13 = true; break;
    case platform::vk::F17: m_f17 = true; break;
    case platform::vk::F18: m_f18 = true; break;
    case platform::vk::F19: m_f19 = true; break;
    case platform::vk::F20: m_f20 = true; break;
    default: break;
    }
}

void GlobalMouse::addAltX()
{
    qDebug() << "GlobalMouse::addAltX";
    m_altX = true;
}

bool GlobalMouse::installKeyboardHook()
{
    if (m_listener && m_listener->isRunning())
        return true;
    m_listener = platform::keyboardListener();
    if (!m_listener) {
        qWarning() << "global keyboard listening is not available in this session";
        return false;
    }
    m_listener->setListener([this](unsigned vk, bool down) { handleKey(vk, down); });
    const bool ok = m_listener->start();
    if (!ok)
        qWarning() << "global keyboard listening could not be started";
    return ok;
}

bool GlobalMouse::isKeyboardHookInstalled() const
{
    return m_listener && m_listener->isRunning();
}

void GlobalMouse::handleKey(unsigned virtualKey, bool down)
{
    using namespace platform;
    switch (virtualKey) {
    case vk::KeyX: m_xDown = down; break;
    case vk::F13:
        if (m_f13 && down) { qDebug() << "F13"; emit sendF13(); }
        break;
    case vk::F17:
        if (m_f17 && down) { qDebug() << "F17"; emit sendF17(); }
        break;
    case vk::F18:
        if (m_f18 && down) { qDebug() << "F18"; emit sendF18(); }
        break;
    case vk::F19:
        if (m_f19 && down) { qDebug() << "F19"; emit sendF19(); }
        break;
    case vk::F20:
        if (m_f20 && down) { qDebug() << "F20"; emit sendF20(); }
        break;
    case vk::LeftAlt:
    case vk::RightAlt:
    case vk::Menu: m_altDown = down; break;
    default: break;
    }
    if (m_altX && m_altDown && m_xDown) {
        qDebug() << "ALT X";
        emit sendAltX();
    }
}
