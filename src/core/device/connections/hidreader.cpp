#include "hidreader.h"

#include <hidapi/hidapi.h>

#include <QCoreApplication>
#include <QDebug>
#include <QThread>

// ---- HIDWorker ----

HIDWorker::HIDWorker(hid_device *handle) : m_handle(handle) {}

HIDWorker::~HIDWorker()
{
    stopReading();
}

void HIDWorker::setHandle(hid_device *handle)
{
    stopReading();  // never swap the handle under a running read
    m_handle = handle;
}

void HIDWorker::start()
{
    qDebug() << "start HID worker...";
    stopReading();
    if (!m_handle) {
        qWarning() << "HID worker: no open device to read";
        return;
    }
    m_running = true;
    m_thread.reset(QThread::create([this] { readLoop(); }));
    m_thread->setObjectName(QStringLiteral("hid-reader"));
    m_thread->start();
}

void HIDWorker::startListening()
{
    start();
}

void HIDWorker::stop()
{
    qDebug() << "Stopping HID worker...";
    stopReading();
    emit stopHidListen();
}

void HIDWorker::stopReading()
{
    m_running = false;
    if (m_thread) {
        m_thread->wait();
        m_thread.reset();
    }
}

void HIDWorker::readLoop()
{
    // The library allows one thread to read while another writes to the same
    // device; everything else on the handle stays on the GUI thread.
    unsigned char buffer[kReportSize];
    bool failing = false;
    while (m_running) {
        const int n = hid_read_timeout(m_handle, buffer, sizeof(buffer), kReadTimeoutMs);
        if (n > 0) {
            failing = false;
            emit dataReceived(QByteArray(reinterpret_cast<const char *>(buffer), n));
        } else if (n < 0) {
            // A pulled receiver fails every read at once, an interrupted wait
            // only this one: pause instead of spinning and try again. A
            // receiver that stays gone is closed by the reply time-out.
            if (!failing)
                qWarning() << "HID read failed; retrying until the link is closed";
            failing = true;
            QThread::msleep(kReadTimeoutMs);
        }
    }
}

// ---- HIDListener ----

HIDListener::HIDListener(hid_device *handle) : m_worker(new HIDWorker(handle))
{
    connect(this, &HIDListener::startListen, m_worker, &HIDWorker::startListening);
    connect(this, &HIDListener::stopListen, m_worker, &HIDWorker::stop);
    connect(m_worker, &HIDWorker::stopHidListen, this, &HIDListener::closeHid);
    // Queued: reports cross from the reader thread and keep their order.
    connect(m_worker, &HIDWorker::dataReceived, this, &HIDListener::handleData,
            Qt::QueuedConnection);
}

HIDListener::~HIDListener()
{
    delete m_worker;
}

void HIDListener::discardPending()
{
    QCoreApplication::removePostedEvents(this, QEvent::MetaCall);
}

void HIDListener::handleData(QByteArray data)
{
    qDebug() << "Received HID data:" << data.toHex(' ');
    emit onData(data);
}
