#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

#include <atomic>
#include <memory>

struct hid_device_;
typedef struct hid_device_ hid_device;

class QTimer;

// Polls the open receiver for input reports on the GUI thread.
class HIDWorker : public QObject
{
    Q_OBJECT
public:
    // Reads per tick at most: enough to drain a full receiver queue, small
    // enough that a misbehaving device cannot hold the GUI thread.
    static constexpr int kMaxReadsPerTick = 64;
    static constexpr int kIntervalMs = 10;
    static constexpr int kReportSize = 244;

    explicit HIDWorker(hid_device *handle);

    void setHandle(hid_device *handle) { m_handle = handle; }
    void start();
    void stop();
    bool isRunning() const { return m_running; }

signals:
    void dataReceived(QByteArray data);
    void stopHidListen();

public slots:
    void startListening();
    void updateMsgReceived();

private:
    hid_device *m_handle;
    std::atomic<bool> m_running{false};
    QTimer *m_timer;
};

class HIDListener : public QObject
{
    Q_OBJECT
public:
    explicit HIDListener(hid_device *handle);
    ~HIDListener() override;

    HIDWorker *worker() const { return m_worker; }

signals:
    void onData(QByteArray data);
    void startListen();
    void stopListen();
    void closeHid();

public slots:
    void handleData(QByteArray data);

private:
    HIDWorker *m_worker;
};

// The receiver's HID interface: finding, opening, reading, writing, closing.
class HidInterface : public QObject
{
    Q_OBJECT
public:
    static std::shared_ptr<HidInterface> instance();

    // 1 when the mouse shows up as a Bluetooth HID device of its maker (not
    // the receiver itself); safe on any thread, touches no shared state.
    static int checkBleHidDevice(const QString &vid, const QString &pid);

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
