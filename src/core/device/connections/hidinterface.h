#pragma once

#include "core/device/connections/hidopenresult.h"

#include <QByteArray>
#include <QObject>
#include <QString>

#include <memory>

struct hid_device_;
typedef struct hid_device_ hid_device;

class HIDListener;

// The receiver's HID interface: finding, opening, writing, closing. Reports
// are read on the reader's own thread (HIDWorker) and arrive through onData
// on the GUI thread; everything else here runs on the GUI thread.
class HidInterface : public QObject
{
    Q_OBJECT
public:
    static std::shared_ptr<HidInterface> instance();

    // 1 when the mouse shows up as a Bluetooth HID device: on the Bluetooth
    // bus under one of its advertised names, or under its maker's name with
    // other ids than the receiver's. Safe on any thread, touches no shared state.
    static int checkBleHidDevice(const QString &vid, const QString &pid);

    // Opens the receiver and starts reading it; says why when it cannot.
    HidOpenResult openReceiver(const QString &vid, const QString &pid);
    // 1 when the receiver is open (now or already), else 0.
    int connectDevice(const QString &vid, const QString &pid);
    void disconnectDevice();
    bool isOpen() const { return m_handle != nullptr; }

    int sendCmd(int type);
    int sendhiddpi(int dpi);
    int sendhidgunlun(int value);

signals:
    void onData(QByteArray info);

public slots:
    void readWorkHiddata(QByteArray data);
    void closeHid();

private:
    HidInterface() = default;
    int write(const QByteArray &frame, bool logFrame);

    hid_device *m_handle = nullptr;
    HIDListener *m_listener = nullptr;
    char m_path[256] = {};
    int m_found = 0;
};
