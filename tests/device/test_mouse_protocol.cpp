// The bytes exchanged with the mouse: command frames, id texts and device
// paths, and how each kind of report changes the device record.

#include "core/device/command_frames.h"
#include "core/device/device_ids.h"
#include "core/device/mousedevice.h"
#include "support/recording/recording_backends.h"

#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>

namespace {

QByteArray reply(int kind, int type, QByteArray payload, int size = 64)
{
    QByteArray r = QByteArray::fromHex("a55a") + char(kind) + char(0x54) + char(type) + payload;
    if (r.size() < size)
        r.append(QByteArray(size - r.size(), '\0'));
    return r;
}

QByteArray nameReport(const QByteArray &name, int major, int minor)
{
    return reply(0x10, 0x0B, name + char(major) + char(minor) + char(0xFF));
}

}  // namespace

class MouseProtocolTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void commandFrames();
    void idTextsAndPaths_data();
    void idTextsAndPaths();
    void createDeviceKeepsOneMouse();
    void anyReportStopsTheReplyTimeout();
    void infoReports();
    void voltageBecomesPercent_data();
    void voltageBecomesPercent();
    void nameAndFirmware_data();
    void nameAndFirmware();
    void settingsAndBatteryReplies();
    void malformedReportsNeverCrash();

private:
    MouseDevice *m_mouse = nullptr;
};

void MouseProtocolTest::initTestCase()
{
    platform::recording::install();
    m_mouse = MouseDevice::instance().get();
}

void MouseProtocolTest::init()
{
    m_mouse->closeDevice();
    m_mouse->linkState = Disconnected;
    m_mouse->linkModel = 0;
    m_mouse->model = QStringLiteral("unknown");
    m_mouse->productName.clear();
    m_mouse->sn = QStringLiteral("unknown");
    m_mouse->firmwareVersion = QStringLiteral("unknown");
}

void MouseProtocolTest::commandFrames()
{
    using namespace CommandFrames;
    QCOMPARE(receiverCommand(RecordOff).toHex(), QByteArray("00a55a07520300ff"));
    QCOMPARE(receiverCommand(RecordOn).toHex(), QByteArray("00a55a07520301ff"));
    QCOMPARE(receiverCommand(Info).toHex(), QByteArray("00a55a065201ff00"));
    QCOMPARE(receiverCommand(Battery).toHex(), QByteArray("009da55a050a00ff"));
    QCOMPARE(receiverCommand(7), QByteArray(8, '\0'));
    QCOMPARE(receiverDpi(1600).toHex(), QByteArray("00a55a0852044006ff"));
    QCOMPARE(receiverWheel(0x101).toHex(), QByteArray("00a55a0752020100" "0000ff00"));

    QCOMPARE(bluetoothCommand(0).toHex(), QByteArray("9da55a070300ff"));
    QCOMPARE(bluetoothCommand(1).toHex(), QByteArray("9da55a070301ff"));
    QCOMPARE(bluetoothCommand(2), bluetoothCommand(3));
    QCOMPARE(bluetoothCommand(3).toHex(), QByteArray("9da55a0601ff"));
    QCOMPARE(bluetoothCommand(4).toHex(), QByteArray("9da55a050aff"));
    QVERIFY(bluetoothCommand(5).isEmpty());
    QCOMPARE(bluetoothDpi(12000).toHex(), QByteArray("9da55a0804e02eff"));
    QCOMPARE(bluetoothWheel(1).toHex(), QByteArray("9da55a070201000000ff"));
    QCOMPARE(bluetoothWheel(7).toHex(), QByteArray("9da55a070200000000ff"));
}

void MouseProtocolTest::idTextsAndPaths_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("receiver");
    QTest::newRow("windows") << R"(\\?\HID#VID_5850&PID_5653&MI_00#7&1a2b&0&0000#{4d1e55b2})" << true;
    QTest::newRow("windows lower case") << R"(\\?\hid#vid_5850&pid_5653#x#y)" << true;
    QTest::newRow("windows other ids") << R"(\\?\HID#VID_046D&PID_C52B#x#y)" << false;
    QTest::newRow("windows too few parts") << R"(\\?\HID#VID_5850&PID_5653)" << false;
    QTest::newRow("windows no product") << R"(\\?\HID#VID_5850#x)" << false;
    QTest::newRow("linux hidraw")
        << "/sys/devices/pci0000:00/0000:00:14.0/usb1/1-2/1-2:1.0/0003:5850:5653.000A/hidraw/hidraw3"
        << true;
    QTest::newRow("linux lower case") << "/sys/devices/x/0003:5850:5653.000b/hidraw/hidraw4" << true;
    QTest::newRow("linux other ids") << "/sys/devices/x/0003:046D:C52B.0001/hidraw/hidraw0" << false;
    QTest::newRow("linux no id") << "/dev/hidraw3" << false;
    QTest::newRow("empty") << "" << false;
}

void MouseProtocolTest::idTextsAndPaths()
{
    QFETCH(QString, path);
    QFETCH(bool, receiver);
    QCOMPARE(DeviceIds::pathNamesDevice(path, QStringLiteral("0x5850"), QStringLiteral("0x5653")),
             receiver);
    QCOMPARE(DeviceIds::parse(QStringLiteral("0x5850")), 0x5850);
    QCOMPARE(DeviceIds::parse(QStringLiteral("0xzz")), 0);
    QCOMPARE(DeviceIds::parse(QStringLiteral("0x10000")), 0);
}

void MouseProtocolTest::createDeviceKeepsOneMouse()
{
    HIDDevice *a = createDevice(QStringLiteral("0x5850"), QStringLiteral("0x5653"));
    QCOMPARE(a, static_cast<HIDDevice *>(m_mouse));
    QCOMPARE(createDevice(QStringLiteral("0x5850"), QStringLiteral("0x5653")), a);
    std::unique_ptr<HIDDevice> d1(createDevice(QStringLiteral("046d"), QStringLiteral("c52b")));
    std::unique_ptr<HIDDevice> d2(createDevice(QStringLiteral("046d"), QStringLiteral("c52b")));
    QVERIFY(qobject_cast<DLVMouse *>(d1.get()) && d1 != d2);
    std::unique_ptr<HIDDevice> h(createDevice(QStringLiteral("046d"), QStringLiteral("c532")));
    QVERIFY(qobject_cast<HARBMouse *>(h.get()));
    std::unique_ptr<HIDDevice> plain(createDevice(QStringLiteral("1"), QStringLiteral("2")));
    QCOMPARE(plain->metaObject(), &HIDDevice::staticMetaObject);
}

void MouseProtocolTest::anyReportStopsTheReplyTimeout()
{
    m_mouse->getInfo();
    QVERIFY(m_mouse->replyTimer()->isActive());
    QSignalSpy info(m_mouse, &MouseDevice::onInfoData);
    m_mouse->analysisData(QByteArray::fromHex("a55a1454"));
    QVERIFY(!m_mouse->replyTimer()->isActive());
    QCOMPARE(info.count(), 0);
}

void MouseProtocolTest::infoReports()
{
    QSignalSpy info(m_mouse, &MouseDevice::onInfoData);
    QSignalSpy snChange(m_mouse, &MouseDevice::onSnChange);
    const QByteArray ids = QByteArray::fromHex("0a0b0c0d0e0f" "112233445566" "0004");

    m_mouse->analysisData(reply(0x0C, 0x06, ids));
    QCOMPARE(m_mouse->linkModel, 0);  // only the long form carries the link
    QCOMPARE(m_mouse->sn, QStringLiteral("0a0b0c0d0e0f"));
    QCOMPARE(m_mouse->model, QStringLiteral("PX08"));
    QCOMPARE(m_mouse->firmwareVersion, QStringLiteral("A1.0"));
    QCOMPARE(snChange.takeFirst().at(0).toString(), QStringLiteral("112233445566"));

    m_mouse->model = QStringLiteral("Q7");
    m_mouse->analysisData(reply(0x14, 0x06, ids));
    QCOMPARE(m_mouse->linkModel, 4);
    QCOMPARE(m_mouse->model, QStringLiteral("Q7"));  // a known model is kept
    QCOMPARE(info.count(), 2);
}

void MouseProtocolTest::voltageBecomesPercent_data()
{
    QTest::addColumn<int>("millivolts");
    QTest::addColumn<int>("percent");
    QTest::newRow("full") << 420 << 100;
    QTest::newRow("over") << 0x1FF << 100;
    QTest::newRow("half") << 370 << 50;
    QTest::newRow("empty") << 320 << 0;
    QTest::newRow("under") << 12 << 0;
}

void MouseProtocolTest::voltageBecomesPercent()
{
    QFETCH(int, millivolts);
    QFETCH(int, percent);
    QByteArray v;
    v.append(char(millivolts & 0xFF)).append(char(millivolts >> 8));
    m_mouse->analysisData(reply(0x09, 0x06, v));
    QCOMPARE(m_mouse->battery, percent);
}

void MouseProtocolTest::nameAndFirmware_data()
{
    QTest::addColumn<QByteArray>("report");
    QTest::addColumn<QString>("productName");
    QTest::addColumn<QString>("model");
    QTest::addColumn<QString>("firmware");
    QTest::newRow("DLV") << nameReport("DLVPX08", 1, 0) << "DLVPX08" << "PX08" << "A1.0";
    QTest::newRow("DLV newer") << nameReport("DLVPX08", 2, 3) << "DLVPX08" << "PX08" << "2.3";
    QTest::newRow("SR") << nameReport("SRPX09", 1, 12) << "SRPX09" << "PX09" << "1.12";
    QTest::newRow("WQ") << nameReport("WQq313", 3, 1) << "WQq313" << "Q313" << "3.1";
    QTest::newRow("no prefix keeps model") << nameReport("mouse", 1, 1) << "mouse" << "T011X"
                                           << "1.1";
    QTest::newRow("utf-8 name") << nameReport("鼠标", 1, 0) << "鼠标" << "T011X" << "1.0";
}

void MouseProtocolTest::nameAndFirmware()
{
    QFETCH(QByteArray, report);
    QFETCH(QString, productName);
    QFETCH(QString, model);
    QFETCH(QString, firmware);
    m_mouse->model = QStringLiteral("t011x");
    QSignalSpy snChange(m_mouse, &MouseDevice::onSnChange);
    m_mouse->analysisData(report);
    QCOMPARE(m_mouse->productName, productName);
    QCOMPARE(m_mouse->model, model);
    QCOMPARE(m_mouse->firmwareVersion, firmware);
    QCOMPARE(snChange.count(), 1);

    // Without a terminator in the first 64 bytes nothing changes.
    QSignalSpy info(m_mouse, &MouseDevice::onInfoData);
    QByteArray unterminated = report;
    unterminated.replace(char(0xFF), 'x');
    m_mouse->analysisData(unterminated + QByteArray(100, 'y'));
    QCOMPARE(info.count(), 0);
    QCOMPARE(m_mouse->productName, productName);
}

void MouseProtocolTest::settingsAndBatteryReplies()
{
    m_mouse->analysisData(reply(0x06, 0x04, QByteArray::fromHex("4006")));
    QCOMPARE(m_mouse->dpi, 1600);
    m_mouse->analysisData(reply(0x06, 0x02, QByteArray::fromHex("01")));
    QCOMPARE(m_mouse->wheelSwitch, 1);
    m_mouse->analysisData(reply(0x06, 0x0F, QByteArray::fromHex("4b")));
    QCOMPARE(m_mouse->battery, 75);
}

void MouseProtocolTest::malformedReportsNeverCrash()
{
    // Every length from 0 to 300 with each recognised header, and noise.
    const QByteArray heads[] = {
        QByteArray::fromHex("9d01"), QByteArray::fromHex("9d02"), QByteArray::fromHex("a55a1454"),
        QByteArray::fromHex("a55a0c5406"), QByteArray::fromHex("a55a145406"),
        QByteArray::fromHex("a55a095406"), QByteArray::fromHex("a55a10540b"),
        QByteArray::fromHex("a55a10540f"), QByteArray::fromHex("a55a105404"),
        QByteArray::fromHex("a55a105402"), QByteArray()};
    QRandomGenerator rng(42);
    for (const QByteArray &head : heads) {
        for (int len = 0; len <= 300; ++len) {
            QByteArray data(len, '\0');
            for (int i = 0; i < len; ++i)
                data[i] = char(rng.bounded(256));
            data.replace(0, qMin(head.size(), len), head.left(len));
            m_mouse->analysisData(data);
        }
    }
    QVERIFY(m_mouse->battery >= 0 && m_mouse->battery <= 100);
}

QTEST_GUILESS_MAIN(MouseProtocolTest)
#include "test_mouse_protocol.moc"
