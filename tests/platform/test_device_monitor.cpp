// hidraw arrivals and removals through libudev. No device can be plugged in
// here, so uevents are made the way udev hands them to the programs its rules
// run: from ACTION, DEVPATH, SUBSYSTEM and SEQNUM in the environment.

#include "platform/linux/device_monitor_udev.h"

#include <QtTest>

#include <libudev.h>

#include <string>

#include <unistd.h>

using platform::linux_udev::deviceChange;
using platform::linux_udev::UdevDeviceMonitor;

namespace {

const char kDevpath[] = "/devices/pci0000:00/0000:00:14.0/usb1/1-2/1-2:1.1/0003:5850:5653.000A/hidraw/hidraw3";

udev_device *uevent(udev *context, const char *action, const char *subsystem)
{
    // libudev parses the environment in place, so it gets a copy of its own.
    std::string vars[] = {std::string("ACTION=") + action, std::string("DEVPATH=") + kDevpath,
                          std::string("SUBSYSTEM=") + subsystem, "SEQNUM=4711"};
    char *ueventEnvironment[] = {vars[0].data(), vars[1].data(), vars[2].data(), vars[3].data(), nullptr};
    char **saved = environ;
    environ = ueventEnvironment;
    udev_device *device = udev_device_new_from_environment(context);
    environ = saved;
    return device;
}

}  // namespace

class TestDeviceMonitor : public QObject
{
    Q_OBJECT

private slots:
    void translation_data();
    void translation();
    void ueventsReachTheListener();
    void startAndStop();
};

void TestDeviceMonitor::translation_data()
{
    QTest::addColumn<QByteArray>("action");
    QTest::addColumn<QByteArray>("subsystem");
    QTest::addColumn<int>("expected");  // -1 nothing, 0 removed, 1 arrived

    QTest::newRow("add") << QByteArray("add") << QByteArray("hidraw") << 1;
    QTest::newRow("remove") << QByteArray("remove") << QByteArray("hidraw") << 0;
    QTest::newRow("change") << QByteArray("change") << QByteArray("hidraw") << -1;
    QTest::newRow("bind") << QByteArray("bind") << QByteArray("hidraw") << -1;
    QTest::newRow("no action") << QByteArray() << QByteArray("hidraw") << -1;
    QTest::newRow("usb add") << QByteArray("add") << QByteArray("usb") << -1;
    QTest::newRow("no subsystem") << QByteArray("add") << QByteArray() << -1;
}

void TestDeviceMonitor::translation()
{
    QFETCH(QByteArray, action);
    QFETCH(QByteArray, subsystem);
    QFETCH(int, expected);
    const std::string path = std::string("/sys") + kDevpath;
    const auto change = deviceChange(action.isNull() ? nullptr : action.constData(),
                                     subsystem.isNull() ? nullptr : subsystem.constData(), path.c_str());
    QCOMPARE(change.has_value(), expected >= 0);
    if (change) {
        QCOMPARE(change->path, path);
        QCOMPARE(change->arrived, expected == 1);
    }
    QVERIFY(!deviceChange("add", "hidraw", ""));
    QVERIFY(!deviceChange("add", "hidraw", nullptr));
}

void TestDeviceMonitor::ueventsReachTheListener()
{
    udev *context = udev_new();
    QVERIFY(context);
    UdevDeviceMonitor monitor;
    std::vector<std::pair<std::string, bool>> changes;
    monitor.setListener([&changes](const std::string &path, bool arrived) { changes.emplace_back(path, arrived); });

    for (const auto &[action, subsystem] : {std::make_pair("add", "hidraw"), std::make_pair("change", "hidraw"),
                                           std::make_pair("add", "input"), std::make_pair("remove", "hidraw")}) {
        udev_device *device = uevent(context, action, subsystem);
        QVERIFY2(device, action);
        monitor.handle(device);
        udev_device_unref(device);
    }
    udev_unref(context);

    const std::string syspath = std::string("/sys") + kDevpath;
    QCOMPARE(changes.size(), size_t(2));
    QCOMPARE(changes[0], std::make_pair(syspath, true));
    QCOMPARE(changes[1], std::make_pair(syspath, false));
    // What callers look for in the path.
    QVERIFY(changes[0].first.find("/0003:5850:5653.000A/hidraw/") != std::string::npos);
}

void TestDeviceMonitor::startAndStop()
{
    UdevDeviceMonitor monitor;
    QVERIFY(!monitor.isRunning());
    QVERIFY(UdevDeviceMonitor::available());
    QVERIFY(monitor.start());
    QVERIFY(monitor.start());
    QVERIFY(monitor.isRunning());
    QTest::qWait(50);  // the event loop runs with the notifier in place
    monitor.stop();
    QVERIFY(!monitor.isRunning());
    monitor.stop();
    QVERIFY(monitor.start());
    QVERIFY(monitor.isRunning());
}

QTEST_GUILESS_MAIN(TestDeviceMonitor)
#include "test_device_monitor.moc"
