#pragma once

#include <QByteArray>
#include <QObject>

#include <atomic>
#include <memory>

struct hid_device_;
typedef struct hid_device_ hid_device;

class QThread;

// Reads the open receiver's input reports on its own thread, blocking until
// a report comes (or a short time-out passes, so that stop() is prompt), and
// hands each one to the GUI thread by a queued signal, in order.
//
// setHandle(), start() and stop() belong to the GUI thread. The handle is
// only read by the reader thread while it runs, and stop() joins that
// thread, so the handle can be closed as soon as stop() returns.
class HIDWorker : public QObject
{
    Q_OBJECT
public:
    // Longest time stop() waits for a blocked read: short enough to feel
    // instant, long enough that an idle link costs a handful of wake-ups.
    static constexpr int kReadTimeoutMs = 250;
    static constexpr int kReportSize = 244;

    explicit HIDWorker(hid_device *handle);
    ~HIDWorker() override;

    void setHandle(hid_device *handle);
    void start();
    // Joins the reader, then emits stopHidListen.
    void stop();
    // Joins the reader without emitting anything.
    void stopReading();
    bool isRunning() const { return m_running; }

signals:
    // Emitted on the reader thread.
    void dataReceived(QByteArray data);
    void stopHidListen();

public slots:
    void startListening();

private:
    void readLoop();

    hid_device *m_handle;
    std::atomic<bool> m_running{false};
    std::unique_ptr<QThread> m_thread;
};

// Front end of the reader, on the GUI thread: passes its reports on.
class HIDListener : public QObject
{
    Q_OBJECT
public:
    explicit HIDListener(hid_device *handle);
    ~HIDListener() override;

    HIDWorker *worker() const { return m_worker; }
    // Forgets reports read before the reader stopped that have not been
    // passed on yet: they belong to a link that is closed.
    void discardPending();

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
