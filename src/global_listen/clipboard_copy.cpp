#include "clipboard_copy.h"

#include "platform/key_injector.h"
#include "platform/keys.h"

#include <QClipboard>
#include <QDebug>
#include <QGuiApplication>
#include <QMimeData>

namespace {

bool isProtocolTarget(const QString &format)
{
    // Answered by whoever owns the clipboard, never data; the image entry is
    // Qt's decoded copy of an image format that is saved as bytes anyway.
    static const QStringList kTargets = {
        QStringLiteral("TARGETS"),   QStringLiteral("MULTIPLE"), QStringLiteral("TIMESTAMP"),
        QStringLiteral("SAVE_TARGETS"), QStringLiteral("DELETE"),
        QStringLiteral("application/x-qt-image")};
    return kTargets.contains(format);
}

std::unique_ptr<QMimeData> copyOf(const QMimeData &data)
{
    return ClipboardCopy::snapshot(&data);
}

}  // namespace

ClipboardCopy::ClipboardCopy(QObject *parent) : QObject(parent)
{
    m_poll.setInterval(kPollMs);
    connect(&m_poll, &QTimer::timeout, this, &ClipboardCopy::poll);
}

ClipboardCopy::~ClipboardCopy() = default;

std::unique_ptr<QMimeData> ClipboardCopy::snapshot(const QMimeData *data)
{
    auto copy = std::make_unique<QMimeData>();
    if (!data)
        return copy;
    for (const QString &format : data->formats()) {
        if (isProtocolTarget(format))
            continue;
        const QByteArray bytes = data->data(format);
        if (!bytes.isEmpty())
            copy->setData(format, bytes);
    }
    return copy;
}

bool ClipboardCopy::start(Done done)
{
    if (busy())
        return false;
    QClipboard *clipboard = QGuiApplication::clipboard();
    if (!platform::keyInjector()) {
        qWarning() << "no key injection in this session; cannot copy the selection";
        done(QString());
        return true;
    }
    m_saved = snapshot(clipboard->mimeData(QClipboard::Clipboard));
    qDebug() << "saved clipboard formats" << m_saved->formats();
    m_done = std::move(done);
    // Owning the clipboard ourselves is how a copy shows: the application
    // that copies takes it from us.
    clipboard->setMimeData(copyOf(*m_saved).release(), QClipboard::Clipboard);
    if (!clipboard->ownsClipboard()) {
        // Without ownership no copy can be told from the old content.
        qWarning() << "this session does not tell who owns the clipboard; not copying";
        finish(false);
        return true;
    }
    m_keysSent = false;
    m_waitedMs = 0;
    poll();
    if (busy())
        m_poll.start();
    return true;
}

void ClipboardCopy::sendCopy()
{
    using namespace platform;
    m_keysSent = true;
    m_waitedMs = 0;
    const auto keys = keyInjector();
    if (!keys || !keys->sendBatch({{vk::Control, true}, {vk::KeyC, true}, {vk::KeyC, false}, {vk::Control, false}})) {
        qWarning() << "Ctrl+C could not be sent; nothing copied";
        finish(false);
    }
}

void ClipboardCopy::poll()
{
    if (!m_keysSent) {
        const auto keys = platform::keyInjector();
        if (keys && keys->modifiersHeld() && m_waitedMs < kModifierWaitMs) {
            m_waitedMs += kPollMs;
            return;
        }
        if (m_waitedMs >= kModifierWaitMs)
            qWarning() << "modifiers still held after" << m_waitedMs << "ms; copying anyway";
        sendCopy();
        return;
    }
    m_waitedMs += kPollMs;
    if (!QGuiApplication::clipboard()->ownsClipboard())
        finish(true);
    else if (m_waitedMs >= kWaitMs)
        finish(false);
}

void ClipboardCopy::finish(bool copied)
{
    m_poll.stop();
    QClipboard *clipboard = QGuiApplication::clipboard();
    const QString text = copied ? clipboard->text(QClipboard::Clipboard) : QString();
    if (m_saved->formats().isEmpty())
        clipboard->clear(QClipboard::Clipboard);
    else
        clipboard->setMimeData(m_saved.release(), QClipboard::Clipboard);
    m_saved.reset();
    qDebug() << "clipboard restored; copied" << (copied ? "something" : "nothing") << text;
    const Done done = std::move(m_done);
    m_done = nullptr;
    done(text);
}
