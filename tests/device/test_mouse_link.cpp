// The link to the mouse through its receiver, against the simulated receiver:
// scanning, linking, the record filled from replies, silence and silent
// reconnection, removal, a receiver that cannot be opened, a mouse also
// listed over Bluetooth, and the reader: audio read at the pace the receiver
// sends it, reports on the GUI thread in order, an idle link that sleeps.
// Tests that wait for time-outs and retries run the link ten times faster;
// the product's durations are checked once each (retry delay, arrival delay,
// reply time-out).

#include "core/device/connections/hidinterface.h"
#include "core/device/mousedevice.h"
#include "support/recording/recording_backends.h"
#include "sim/hidsim.h"

#include <QDir>
#include <QElapsedTimer>
#include <QSignalSpy>
#include <QThread>
#include <QtTest>

#include <atomic>

namespace {
const QString kReceiverPath = QStringLiteral(
    "/sys/devices/pci0000:00/0000:00:14.0/usb1/1-2/1-2:1.0/0003:5850:5653.0007/hidraw/hidraw5");

const QString kVid = QStringLiteral("0x5850");
const QString kPid = QStringLiteral("0x5653");

QList<int> states(const QSignalSpy &spy)
{
    QList<int> out;
    for (const auto &args : spy)
        out << args.at(0).toInt();
    return out;
}

// Counts log lines while it lives, from any thread, and passes them on.
class LogCounter
{
public:
    LogCounter()
    {
        s_count = 0;
        s_previous = qInstallMessageHandler(&LogCounter::handle);
    }
    ~LogCounter() { qInstallMessageHandler(s_previous); }
    int count() const { return s_count; }

private:
    static void handle(QtMsgType type, const QMessageLogContext &context, const QString &text)
    {
        ++s_count;
        if (s_previous)
            s_previous(type, context, text);
    }
    static inline std::atomic<int> s_count{0};
    static inline QtMessageHandler s_previous = nullptr;
};

// Times any thread of this process went to sleep and was woken again.
long long processWakeups()
{
    long long total = 0;
    const QString tasks = QStringLiteral("/proc/self/task");
    for (const QString &tid : QDir(tasks).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile status(tasks + QLatin1Char('/') + tid + QStringLiteral("/status"));
        if (!status.open(QIODevice::ReadOnly))
            continue;
        for (const QByteArray &line : status.readAll().split('\n'))
            if (line.startsWith("voluntary_ctxt_switches:"))
                total += line.mid(line.indexOf(':') + 1).trimmed().toLongLong();
    }
    return total;
}
}  // namespace

class MouseLinkTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void absentReceiverIsScannedFiveTimes();
    void arrivalLinksAndRepliesFillTheRecord();
    void silenceClosesOnceAndReconnectsQuietly();
    void unansweredRequestClosesAfterFiveSeconds();
    void removalDisconnects();
    void audioIsReadAsFastAsItComes();
    void bluetoothProbeSkipsTheReceiver();
    void bluetoothProbeGoesByBusAndName_data();
    void bluetoothProbeGoesByBusAndName();
    void batteryBeforeInfoAsksForInfo();
    void unopenableReceiverIsExplainedOnce();
    void unopenableReceiverOnSilentReconnectionIsExplainedOnce();
    void bluetoothListingFallsBackToTheReceiver();
    void reportsReachTheGuiThreadInOrder();
    void idleLinkLetsTheProcessSleep();
    void closingWaitsForTheReaderAndReopeningReadsAgain();

private:
    void linkUp();
    void useFastTiming() { m_mouse->setTiming(m_fast); }
    MouseDevice *m_mouse = nullptr;
    const DeviceTiming m_fast = DeviceTiming().dividedBy(10);
};

void MouseLinkTest::initTestCase()
{
    qRegisterMetaType<LinkState>("LinkState");
    platform::recording::install();
    m_mouse = MouseDevice::instance().get();
}

void MouseLinkTest::init()
{
    m_mouse->closeDevice();
    hidsim_reset();
    m_mouse->setTiming(DeviceTiming());
}

void MouseLinkTest::linkUp()
{
    QSignalSpy state(m_mouse, &MouseDevice::onConnectState);
    m_mouse->connect();
    QTRY_VERIFY_WITH_TIMEOUT(states(state).contains(ReceiverLinked), 3000);
    QTRY_COMPARE_WITH_TIMEOUT(m_mouse->linkModel, 4, 3000);
}

void MouseLinkTest::absentReceiverIsScannedFiveTimes()
{
    hidsim_set_plugged(0);
    QSignalSpy state(m_mouse, &MouseDevice::onConnectState);
    QElapsedTimer clock;
    clock.start();
    QList<qint64> scanTimes;
    QObject scope;
    connect(m_mouse, &MouseDevice::onConnectState, &scope, [&](LinkState s) {
        if (s == Scanning)
            scanTimes << clock.elapsed();
    });
    m_mouse->connect();
    QTRY_VERIFY_WITH_TIMEOUT(states(state).contains(Disconnected), 5000);
    QCOMPARE(states(state), (QList<int>{-1, -1, -1, -1, -1, 0}));
    for (int i = 1; i < scanTimes.size(); ++i)
        QVERIFY2(scanTimes[i] - scanTimes[i - 1] >= 190, "attempts about 200 ms apart");
    QCOMPARE(hidsim_open_count(), 0);
}

void MouseLinkTest::arrivalLinksAndRepliesFillTheRecord()
{
    const unsigned char serial[6] = {0xde, 0xad, 0xbe, 0xef, 0x00, 0x42};
    hidsim_set_serial(serial);
    hidsim_set_name("SRPX09");
    hidsim_set_firmware(2, 5);
    hidsim_set_battery(67);
    QSignalSpy state(m_mouse, &MouseDevice::onConnectState);

    // Paths of other devices, and arrival while linked, change nothing.
    m_mouse->deviceArrived(QStringLiteral("/sys/devices/x/0003:046D:C52B.0001/hidraw/hidraw0"));
    QTest::qWait(700);
    QCOMPARE(state.count(), 0);

    QElapsedTimer sinceArrival;
    qint64 scanningAt = -1;
    QObject scope;
    connect(m_mouse, &MouseDevice::onConnectState, &scope, [&](LinkState s) {
        if (s == Scanning && scanningAt < 0)
            scanningAt = sinceArrival.elapsed();
    });
    sinceArrival.start();
    m_mouse->deviceArrived(kReceiverPath);
    m_mouse->deviceArrived(kReceiverPath);  // the second interface of the same receiver
    QTRY_VERIFY_WITH_TIMEOUT(states(state).contains(ReceiverLinked), 3000);
    // Half a second (coarse timers may fire 5 % early) for the receiver's
    // other interfaces to come.
    QVERIFY2(scanningAt >= 470, qPrintable(QString::number(scanningAt)));
    QTRY_COMPARE_WITH_TIMEOUT(m_mouse->battery, 67, 8000);
    QCOMPARE(m_mouse->sn, QStringLiteral("deadbeef0042"));
    QCOMPARE(m_mouse->productName, QStringLiteral("SRPX09"));
    QCOMPARE(m_mouse->model, QStringLiteral("PX09"));
    QCOMPARE(m_mouse->firmwareVersion, QStringLiteral("2.5"));
    QCOMPARE(m_mouse->linkModel, 4);
    QCOMPARE(m_mouse->linkModelText(), QStringLiteral("接收器"));
    QCOMPARE(states(state).count(ReceiverLinked), 1);
    QCOMPARE(hidsim_open_count(), 1);

    m_mouse->setDPI(1600);
    m_mouse->setWBL(1);
    QTRY_COMPARE(m_mouse->dpi, 1600);
    QTRY_COMPARE(m_mouse->wheelSwitch, 1);
}

void MouseLinkTest::silenceClosesOnceAndReconnectsQuietly()
{
    useFastTiming();
    linkUp();
    QSignalSpy state(m_mouse, &MouseDevice::onConnectState);
    const int closesBefore = hidsim_close_count();

    hidsim_set_answering(0);
    QTRY_VERIFY_WITH_TIMEOUT(hidsim_close_count() > closesBefore, 12000);
    QCOMPARE(m_mouse->linkModel, 5);
    // Still silent: later time-outs only retry, they don't close again.
    const int timeoutsBefore = MouseDevice::heartCount();
    QTRY_VERIFY_WITH_TIMEOUT(MouseDevice::heartCount() >= timeoutsBefore + 2, 6000);
    QCOMPARE(hidsim_close_count(), closesBefore + 1);

    hidsim_set_answering(1);
    QTRY_COMPARE_WITH_TIMEOUT(m_mouse->linkModel, 4, 12000);
    QCOMPARE(hidsim_close_count(), closesBefore + 1);
    QCOMPARE(m_mouse->linkState, ReceiverLinked);
    // The user never saw the link go away.
    QVERIFY(!states(state).contains(Disconnected));
    QVERIFY(!states(state).contains(Scanning));
}

void MouseLinkTest::unansweredRequestClosesAfterFiveSeconds()
{
    linkUp();
    QTRY_COMPARE_WITH_TIMEOUT(m_mouse->battery, 80, 3000);
    hidsim_set_answering(0);
    QTest::qWait(200);  // answers already on their way still stop the time-out
    QVERIFY(!m_mouse->replyTimer()->isActive());
    const int closesBefore = hidsim_close_count();
    QElapsedTimer unanswered;
    unanswered.start();
    m_mouse->getInfo();
    QTRY_VERIFY_WITH_TIMEOUT(hidsim_close_count() > closesBefore, 8000);
    // Coarse timers may fire up to 5 % early.
    QVERIFY2(unanswered.elapsed() >= 4700 && unanswered.elapsed() < 6500,
             qPrintable(QString::number(unanswered.elapsed())));
    QCOMPARE(m_mouse->linkModel, 5);
}

void MouseLinkTest::removalDisconnects()
{
    linkUp();
    QSignalSpy state(m_mouse, &MouseDevice::onConnectState);
    hidsim_set_plugged(0);
    m_mouse->deviceRemoved(kReceiverPath);
    QCOMPARE(states(state), QList<int>{Disconnected});
    QCOMPARE(m_mouse->sn, QStringLiteral("unknown"));
    QCOMPARE(m_mouse->battery, 0);
    m_mouse->deviceRemoved(kReceiverPath);  // the second interface: nothing more
    QCOMPARE(state.count(), 1);
}

void MouseLinkTest::audioIsReadAsFastAsItComes()
{
    linkUp();
    int audioReports = 0;
    QObject scope;
    connect(HidInterface::instance().get(), &HidInterface::onData, &scope,
            [&](const QByteArray &r) { audioReports += quint8(r[0]) == 0x9D; });
    m_mouse->startRecord();
    QTRY_VERIFY(hidsim_is_recording());
    int maxPending = 0;
    for (int i = 0; i < 30; ++i) {
        QTest::qWait(100);
        maxPending = qMax(maxPending, hidsim_pending_reports());
    }
    m_mouse->stopRecord();
    QTRY_VERIFY(!hidsim_is_recording());
    QTRY_COMPARE(hidsim_pending_reports(), 0);

    // 3 s at one report every 7.5 ms: about 400, every one of them read.
    QVERIFY2(hidsim_audio_generated() > 350, qPrintable(QString::number(hidsim_audio_generated())));
    QCOMPARE(hidsim_audio_dropped(), 0);
    QVERIFY2(maxPending < 8, qPrintable(QString::number(maxPending)));  // no backlog builds up
    // Read on the reader thread, the last ones may still be on their way.
    QTRY_COMPARE(audioReports, hidsim_audio_generated());
}

void MouseLinkTest::bluetoothProbeSkipsTheReceiver()
{
    const QString vid = QStringLiteral("0x5850"), pid = QStringLiteral("0x5653");
    QCOMPARE(HidInterface::checkBleHidDevice(vid, pid), 0);  // the receiver itself
    hidsim_add_device(0x5850, 0x1234, 0, L"Sevoly Kestrom");  // receiver's vendor id
    QCOMPARE(HidInterface::checkBleHidDevice(vid, pid), 0);
    hidsim_add_device(0x1915, 0x7777, 0, L"Sevoly");  // paired directly over Bluetooth
    QCOMPARE(HidInterface::checkBleHidDevice(vid, pid), 1);
}

void MouseLinkTest::bluetoothProbeGoesByBusAndName_data()
{
    QTest::addColumn<bool>("bluetooth");
    QTest::addColumn<QString>("product");
    QTest::addColumn<int>("found");
    QTest::newRow("the mouse over Bluetooth") << true << "PX08 - 02" << 1;
    QTest::newRow("another model's name") << true << "BT5.2 Mouse" << 1;
    QTest::newRow("another Bluetooth mouse") << true << "MX Anywhere" << 0;
}

void MouseLinkTest::bluetoothProbeGoesByBusAndName()
{
    QFETCH(bool, bluetooth);
    QFETCH(QString, product);
    QFETCH(int, found);
    const std::wstring name = product.toStdWString();
    if (bluetooth)
        hidsim_add_bluetooth_device(0x1915, 0x7777, name.c_str());
    else
        hidsim_add_device(0x1915, 0x7777, 0, L"");
    QCOMPARE(HidInterface::checkBleHidDevice(kVid, kPid), found);
}

void MouseLinkTest::batteryBeforeInfoAsksForInfo()
{
    QCOMPARE(HidInterface::instance()->connectDevice(QStringLiteral("0x5850"),
                                                     QStringLiteral("0x5653")), 1);
    m_mouse->linkState = ReceiverLinked;
    m_mouse->model = QStringLiteral("unknown");
    const int before = hidsim_write_count();
    m_mouse->getBattery(5000);
    QCOMPARE(hidsim_write_count(), before + 1);
    unsigned char frame[16];
    QCOMPARE(hidsim_get_write(before, frame, sizeof(frame)), 8);
    QCOMPARE(QByteArray(reinterpret_cast<char *>(frame), 8).toHex(), QByteArray("00a55a065201ff00"));
    // Already open: no second enumeration or open.
    const int opens = hidsim_open_count();
    QCOMPARE(HidInterface::instance()->connectDevice(QStringLiteral("0x5850"),
                                                     QStringLiteral("0x5653")), 1);
    QCOMPARE(hidsim_open_count(), opens);
}

void MouseLinkTest::unopenableReceiverIsExplainedOnce()
{
    useFastTiming();
    hidsim_set_open_denied(1);
    QSignalSpy state(m_mouse, &MouseDevice::onConnectState);
    QSignalSpy notices(m_mouse, &MouseDevice::linkNotice);
    m_mouse->connect();
    QTRY_VERIFY_WITH_TIMEOUT(states(state).contains(Disconnected), 5000);
    // Tried like an absent receiver and never reported as linked.
    QCOMPARE(states(state), (QList<int>{-1, -1, -1, -1, -1, 0}));
    QCOMPARE(notices.count(), 1);
    const QString notice = notices.at(0).at(0).toString();
    QVERIFY2(notice.contains(QStringLiteral("权限"))
                 && notice.contains(QStringLiteral("data/udev/70-talkvane-receiver.rules"))
                 && notice.contains(QStringLiteral("重新插拔")),
             qPrintable(notice));
    QCOMPARE(hidsim_open_count(), 0);

    // Then quiet: no relinking, no notice again, no reader complaining.
    LogCounter log;
    QTest::qWait(2 * m_fast.replyTimeoutMs);
    QCOMPARE(state.count(), 6);
    QCOMPARE(notices.count(), 1);
    QVERIFY2(log.count() < 10, qPrintable(QString::number(log.count())));

    // Re-plugged once the rule is in place: linked, nothing more to say.
    hidsim_set_open_denied(0);
    m_mouse->deviceArrived(kReceiverPath);
    QTRY_VERIFY_WITH_TIMEOUT(states(state).contains(ReceiverLinked), 3000);
    QTRY_COMPARE_WITH_TIMEOUT(m_mouse->linkModel, 4, 3000);
    QCOMPARE(notices.count(), 1);
}

void MouseLinkTest::unopenableReceiverOnSilentReconnectionIsExplainedOnce()
{
    useFastTiming();
    linkUp();
    QSignalSpy state(m_mouse, &MouseDevice::onConnectState);
    QSignalSpy notices(m_mouse, &MouseDevice::linkNotice);
    hidsim_set_open_denied(1);
    hidsim_set_answering(0);
    QTRY_COMPARE_WITH_TIMEOUT(notices.count(), 1, 12000);
    // The next silent attempts fail the same way and stay quiet.
    const int timeoutsBefore = MouseDevice::heartCount();
    QTRY_VERIFY_WITH_TIMEOUT(MouseDevice::heartCount() >= timeoutsBefore + 2, 6000);
    QCOMPARE(notices.count(), 1);
    QVERIFY(!states(state).contains(ReceiverLinked));
}

void MouseLinkTest::bluetoothListingFallsBackToTheReceiver()
{
    useFastTiming();
    hidsim_add_device(0x1915, 0x7777, 0, L"Sevoly");  // the mouse, also paired over Bluetooth
    QSignalSpy state(m_mouse, &MouseDevice::onConnectState);
    m_mouse->connect();
    QTRY_VERIFY_WITH_TIMEOUT(states(state).contains(ReceiverLinked), 3000);
    QTRY_COMPARE_WITH_TIMEOUT(m_mouse->linkModel, 4, 3000);

    // No receiver either: disconnected after the tries, and still watching.
    hidsim_set_plugged(0);
    m_mouse->deviceRemoved(kReceiverPath);
    state.clear();
    m_mouse->connect();
    QTRY_VERIFY_WITH_TIMEOUT(states(state).contains(Disconnected), 5000);
    QVERIFY(!states(state).contains(ReceiverLinked));
    hidsim_set_plugged(1);
    m_mouse->deviceArrived(kReceiverPath);
    QTRY_VERIFY_WITH_TIMEOUT(states(state).contains(ReceiverLinked), 3000);
}

void MouseLinkTest::reportsReachTheGuiThreadInOrder()
{
    linkUp();
    QList<int> seen;
    bool elsewhere = false;
    QObject scope;
    connect(HidInterface::instance().get(), &HidInterface::onData, &scope, [&](const QByteArray &r) {
        elsewhere = elsewhere || QThread::currentThread() != qApp->thread();
        if (r.size() == 4 && quint8(r[0]) == 0xEE)
            seen << (quint8(r[2]) << 8 | quint8(r[3]));
    });
    QList<int> sent;
    for (int i = 0; i < 48; ++i) {
        const unsigned char report[4] = {0xEE, 0x00, quint8(i >> 8), quint8(i)};
        QCOMPARE(hidsim_inject_report(report, sizeof(report)), 1);
        sent << i;
    }
    QTRY_COMPARE(seen.size(), sent.size());
    QCOMPARE(seen, sent);
    QVERIFY(!elsewhere);
    QCOMPARE(hidsim_reports_dropped(), 0);
}

void MouseLinkTest::idleLinkLetsTheProcessSleep()
{
    linkUp();
    QTRY_COMPARE_WITH_TIMEOUT(m_mouse->battery, 80, 3000);
    const long long before = processWakeups();
    // A plain event loop: QTest::qWait itself wakes every 10 ms.
    QEventLoop idle;
    QTimer::singleShot(2000, &idle, &QEventLoop::quit);
    idle.exec();
    const long long wakeups = processWakeups() - before;
    // Polling every 10 ms costs about 200 here; a reader that blocks until
    // a report comes, a few per second.
    QVERIFY2(wakeups < 60, qPrintable(QString::number(wakeups)));
    QCOMPARE(m_mouse->linkState, ReceiverLinked);
}

void MouseLinkTest::closingWaitsForTheReaderAndReopeningReadsAgain()
{
    linkUp();
    m_mouse->startRecord();  // reports keep coming while the link is cycled
    QTRY_VERIFY(hidsim_is_recording());
    const auto hid = HidInterface::instance();
    for (int i = 0; i < 15; ++i) {
        QElapsedTimer closing;
        closing.start();
        hid->disconnectDevice();
        QVERIFY2(closing.elapsed() < 600, "closing waits at most one read time-out");
        QVERIFY(!hid->isOpen());
        QCOMPARE(hid->connectDevice(kVid, kPid), 1);
        QTest::qWait(i % 4);
    }
    QCOMPARE(hidsim_closes_during_read(), 0);

    // The reader reads the new handle.
    int audio = 0;
    QObject scope;
    connect(hid.get(), &HidInterface::onData, &scope,
            [&](const QByteArray &r) { audio += quint8(r[0]) == 0x9D; });
    QTRY_VERIFY(audio > 20);
    m_mouse->stopRecord();

    // Idle now: closing still returns promptly.
    QTest::qWait(300);
    QElapsedTimer closing;
    closing.start();
    hid->disconnectDevice();
    QVERIFY2(closing.elapsed() < 600, qPrintable(QString::number(closing.elapsed())));
    QCOMPARE(hidsim_closes_during_read(), 0);
}

QTEST_GUILESS_MAIN(MouseLinkTest)
#include "test_mouse_link.moc"
