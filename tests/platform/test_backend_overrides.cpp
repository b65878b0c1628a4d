// Backends brought in place of the session's own: what the factory functions
// return while they are set, and after. The session's backends are whatever
// this environment offers (X11 ones with a display, none without).

#include "platform/backend_overrides.h"
#include "support/recording/recording_backends.h"

#include <QtTest>

#include <memory>

using namespace platform;

class TestBackendOverrides : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup() { overrideBackends({}); }
    void everyOverrideWinsUntilCleared();
    void unsetServicesKeepTheSessionsBackend();

private:
    std::shared_ptr<HotKeyService> m_sessionHotKeys;
    std::shared_ptr<KeyboardListener> m_sessionListener;
    std::shared_ptr<DeviceMonitor> m_sessionDevices;
    std::shared_ptr<KeyInjector> m_sessionKeys;
    std::shared_ptr<ClipboardWatch> m_sessionClipboard;
};

void TestBackendOverrides::initTestCase()
{
    m_sessionHotKeys = hotKeyService();
    m_sessionListener = keyboardListener();
    m_sessionDevices = deviceMonitor();
    m_sessionKeys = keyInjector();
    m_sessionClipboard = clipboardWatch();
}

void TestBackendOverrides::everyOverrideWinsUntilCleared()
{
    const auto hotKeys = std::make_shared<recording::RecordingHotKeyService>();
    const auto listener = std::make_shared<recording::RecordingKeyboardListener>();
    const auto devices = std::make_shared<recording::RecordingDeviceMonitor>();
    const auto keys = std::make_shared<recording::RecordingKeyInjector>();
    const auto clipboard = std::make_shared<recording::RecordingClipboardWatch>();
    overrideBackends({hotKeys, listener, devices, keys, clipboard});

    QCOMPARE(hotKeyService().get(), static_cast<HotKeyService *>(hotKeys.get()));
    QCOMPARE(keyboardListener().get(), static_cast<KeyboardListener *>(listener.get()));
    QCOMPARE(deviceMonitor().get(), static_cast<DeviceMonitor *>(devices.get()));
    QCOMPARE(keyInjector().get(), static_cast<KeyInjector *>(keys.get()));
    QCOMPARE(clipboardWatch().get(), static_cast<ClipboardWatch *>(clipboard.get()));

    overrideBackends({});
    QCOMPARE(hotKeyService(), m_sessionHotKeys);
    QCOMPARE(keyboardListener(), m_sessionListener);
    QCOMPARE(deviceMonitor(), m_sessionDevices);
    QCOMPARE(keyInjector(), m_sessionKeys);
    QCOMPARE(clipboardWatch(), m_sessionClipboard);
    // The factory let go of them: nothing of a finished test lingers.
    QCOMPARE(keys.use_count(), 1L);
    QCOMPARE(hotKeys.use_count(), 1L);
}

void TestBackendOverrides::unsetServicesKeepTheSessionsBackend()
{
    BackendOverrides only;
    only.keyInjector = std::make_shared<recording::RecordingKeyInjector>();
    overrideBackends(only);

    QCOMPARE(keyInjector(), only.keyInjector);
    QCOMPARE(hotKeyService(), m_sessionHotKeys);
    QCOMPARE(keyboardListener(), m_sessionListener);
    QCOMPARE(deviceMonitor(), m_sessionDevices);
    QCOMPARE(clipboardWatch(), m_sessionClipboard);

    // install() replaces all of them, uninstall() gives all back.
    recording::install();
    QCOMPARE(keyInjector().get(), static_cast<KeyInjector *>(recording::installedKeyInjector().get()));
    QCOMPARE(clipboardWatch().get(),
             static_cast<ClipboardWatch *>(recording::installedClipboardWatch().get()));
    recording::uninstall();
    QCOMPARE(keyInjector(), m_sessionKeys);
    QVERIFY(!recording::installedKeyInjector());
}

QTEST_GUILESS_MAIN(TestBackendOverrides)
#include "test_backend_overrides.moc"
