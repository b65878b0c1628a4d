#include "hiddevice.h"

#include "core/device/mousedevice.h"

#include <QDebug>
#include <QHash>

#include <functional>

HIDDevice::HIDDevice(const QString &vid, const QString &pid, QObject *parent)
    : QObject(parent), m_vid(vid), m_pid(pid)
{
}

QString HIDDevice::describe() const
{
    return QStringLiteral("VID: %1, PID: %2").arg(m_vid, m_pid);
}

void HIDDevice::connect()
{
    qDebug() << "HIDDevice::connect";
}

void HIDDevice::getInfo() {}

void HIDDevice::startRecord() {}

QString DLVMouse::describe() const
{
    return QStringLiteral("DLVMouse with VID: %1, PID: %2").arg(m_vid, m_pid);
}

QString HARBMouse::describe() const
{
    return QStringLiteral("HARBMouse with VID: %1, PID: %2").arg(m_vid, m_pid);
}

HIDDevice *createDevice(const QString &vid, const QString &pid)
{
    using Factory = std::function<HIDDevice *(const QString &, const QString &)>;
    static const QHash<QPair<QString, QString>, Factory> registry = {
        {{QStringLiteral("046d"), QStringLiteral("c52b")},
         [](const QString &v, const QString &p) { return new DLVMouse(v, p); }},
        {{QStringLiteral("046d"), QStringLiteral("c532")},
         [](const QString &v, const QString &p) { return new HARBMouse(v, p); }},
        {{QStringLiteral("0x5850"), QStringLiteral("0x5653")},
         [](const QString &v, const QString &p) { return MouseDevice::instance(v, p).get(); }},
    };
    const auto it = registry.constFind(qMakePair(vid, pid));
    if (it != registry.cend())
        return (*it)(vid, pid);
    return new HIDDevice(vid, pid);
}
