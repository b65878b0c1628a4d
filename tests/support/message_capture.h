#pragma once

#include <QString>
#include <QStringList>
#include <QtGlobal>

// Collects the warnings logged on this thread while it lives instead of
// printing them; the previous handler comes back when it goes.
class WarningCapture
{
public:
    WarningCapture() : m_previous(qInstallMessageHandler(&WarningCapture::handle)) { current() = this; }
    ~WarningCapture()
    {
        current() = nullptr;
        qInstallMessageHandler(m_previous);
    }
    WarningCapture(const WarningCapture &) = delete;
    WarningCapture &operator=(const WarningCapture &) = delete;

    QStringList messages() const { return m_messages; }

private:
    static void handle(QtMsgType type, const QMessageLogContext &, const QString &msg)
    {
        if (type != QtDebugMsg && type != QtInfoMsg && current())
            current()->m_messages << msg;
    }
    static WarningCapture *&current()
    {
        static thread_local WarningCapture *c = nullptr;
        return c;
    }

    QtMessageHandler m_previous;
    QStringList m_messages;
};

// Collects every message logged on this thread while it lives, debug lines
// included, and passes them on to the previous handler.
class MessageCapture
{
public:
    MessageCapture() : m_previous(qInstallMessageHandler(&MessageCapture::handle)) { current() = this; }
    ~MessageCapture()
    {
        current() = nullptr;
        qInstallMessageHandler(m_previous);
    }
    MessageCapture(const MessageCapture &) = delete;
    MessageCapture &operator=(const MessageCapture &) = delete;

    QStringList messages() const { return m_messages; }
    bool contains(const QString &start) const
    {
        for (const QString &m : m_messages)
            if (m.startsWith(start))
                return true;
        return false;
    }

private:
    static void handle(QtMsgType type, const QMessageLogContext &context, const QString &msg)
    {
        if (MessageCapture *c = current()) {
            c->m_messages << msg;
            if (c->m_previous)
                c->m_previous(type, context, msg);
        }
    }
    static MessageCapture *&current()
    {
        static thread_local MessageCapture *c = nullptr;
        return c;
    }

    QtMessageHandler m_previous;
    QStringList m_messages;
};
