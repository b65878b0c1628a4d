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
