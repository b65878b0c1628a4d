#pragma once

#include <QObject>
#include <QString>

// A HID device named by its vendor and product id texts ("0x5850").
class HIDDevice : public QObject
{
    Q_OBJECT
public:
    HIDDevice(const QString &vid, const QString &pid, QObject *parent = nullptr);

    QString vid() const { return m_vid; }
    QString pid() const { return m_pid; }

public slots:
    virtual QString describe() const;
    virtual void connect();
    virtual void getInfo();
    virtual void startRecord();

signals:
    void onInfoData();

protected:
    QString m_vid;
    QString m_pid;
};

class DLVMouse : public HIDDevice
{
    Q_OBJECT
public:
    using HIDDevice::HIDDevice;
    QString describe() const override;
};

class HARBMouse : public HIDDevice
{
    Q_OBJECT
public:
    using HIDDevice::HIDDevice;
    QString describe() const override;
};

// The device object for a pair of id texts: the process-wide MouseDevice
// for the receiver's ids ("0x5850", "0x5653"), a new object otherwise.
HIDDevice *createDevice(const QString &vid, const QString &pid);
