#include "globalmouse.h"

#include "global_listen/clipboard_copy.h"
#include "platform/keyboard_listener.h"
#include "platform/keys.h"
#include "platform/selected_text.h"

#include <QClipboard>
#include <QDebug>
#include <QGuiApplication>

GlobalMouse *GlobalMouse::instance()
{
    static GlobalMouse *mouse = new GlobalMouse;  // lives until exit
    return mouse;
}

GlobalMouse::GlobalMouse()
    : m_copy(new ClipboardCopy(this))
{
    qRegisterMetaType<std::shared_ptr<QMouseEvent>>("std::shared_ptr<QMouseEvent>");
}

GlobalMouse::~GlobalMouse() = default;

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

bool GlobalMouse::installMouseEvent()
{
    if (m_mouse && m_mouse->isRunning())
        return true;
    m_mouse = platform::mouseListener();
    if (!m_mouse) {
        qWarning() << "global mouse listening is not available in this session";
        return false;
    }
    m_drag.reset();
    // Made now, so that it sees which selections are made from here on.
    platform::selectedText();
    m_mouse->setListener([this](platform::MouseListener::Event event, int x, int y) {
        handleMouse(event, QPoint(x, y));
    });
    const bool ok = m_mouse->start();
    qInfo() << "mouse hook" << (ok ? "installed" : "could not be installed");
    return ok;
}

bool GlobalMouse::uninstallMouseEvent()
{
    if (m_mouse) {
        m_mouse->stop();
        m_mouse->setListener(nullptr);
    }
    m_drag.reset();
    m_lastStr.clear();
    qInfo() << "mouse hook removed";
    return true;
}

bool GlobalMouse::isMouseHookInstalled() const
{
    return m_mouse && m_mouse->isRunning();
}

void GlobalMouse::handleMouse(platform::MouseListener::Event event, QPoint at)
{
    using Event = platform::MouseListener::Event;
    switch (event) {
    case Event::LeftDown: m_drag.press(at); break;
    case Event::Move: m_drag.move(at); break;
    case Event::LeftUp:
        if (m_drag.release(at)) {
            emit mouseEvent(std::make_shared<QMouseEvent>(QEvent::MouseButtonRelease, QPointF(at),
                                                          QPointF(at), Qt::LeftButton,
                                                          Qt::NoButton, Qt::NoModifier));
        }
        break;
    }
}

QString GlobalMouse::GetSelectedTextWithRetry(int retries)
{
    m_primaryStale = false;
    // Our own selection is served by the thread that would be waiting here.
    QClipboard *clipboard = QGuiApplication::clipboard();
    if (clipboard->ownsSelection())
        return clipboard->text(QClipboard::Selection);
    const auto service = platform::selectedText();
    if (!service) {
        qWarning() << "this session publishes no selection";
        return {};
    }
    for (int attempt = 0; attempt <= retries; ++attempt) {
        const auto result = service->read(kPrimaryTimeoutMs);
        if (result.outcome == platform::SelectedText::Outcome::Stale) {
            qDebug() << "the selection is the one read before; nothing new selected";
            m_primaryStale = true;
            return {};
        }
        if (result.outcome != platform::SelectedText::Outcome::Failed)
            return QString::fromStdString(result.text);
        qWarning() << "the selection's owner did not answer with text; attempt" << attempt + 1;
    }
    return {};
}

void GlobalMouse::GetSelectedTextWithoutPollutingClipboard(std::function<void(const QString &)> done)
{
    if (m_primaryStale) {
        done(QString());
        return;
    }
    const bool started = m_copy->start([this, done](const QString &result) {
        qDebug() << "lastStr " << m_lastStr;
        qDebug() << "result " << result;
        // The same text again is most likely the same selection again.
        if (result.isEmpty() || result == m_lastStr) {
            done(QString());
            return;
        }
        m_lastStr = result;
        done(result);
    });
    if (!started)
        done(QString());  // a copy is already on its way
}
