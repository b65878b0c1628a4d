// The main window and the platform layer on a real Wayland compositor
// without X11 (run through tests/support/own_wayland.sh): what the session
// keeps from Talkvane is said in the window, and nothing that needs X11
// pretends to work.

#include "core/key/myglobalshortcut.h"
#include "global_listen/globalmouse.h"
#include "mainwindow.h"
#include "platform/backend_overrides.h"
#include "platform/clipboard_watch.h"
#include "platform/desktop.h"
#include "platform/hotkey_service.h"
#include "platform/key_injector.h"
#include "platform/keyboard_listener.h"
#include "platform/mouse_listener.h"
#include "platform/selected_text.h"
#include "support/recording/recording_backends.h"
#include "widget/capture/camainwindow.h"
#include "widget/iconfont/iconfont.h"

#include <QApplication>
#include <QLabel>
#include <QMap>
#include <QPushButton>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QtTest>

namespace {

const QStringList kFeatureNames = {
    QStringLiteral("全局热键（鼠标的 F17–F20 按键）"), QStringLiteral("向其他程序输入识别的文字"),
    QStringLiteral("截图识字和截图翻译"), QStringLiteral("划词取词"), QStringLiteral("全局鼠标监听")};

platform::SessionDescription describe(const QMap<QString, QString> &env, bool xAnswers)
{
    platform::SessionProbe probe;
    probe.env = [env](const char *name) { return env.value(QLatin1String(name)).toStdString(); };
    probe.x11Reachable = [xAnswers] { return xAnswers; };
    return platform::describeSession(probe);
}

}  // namespace

class MainWindowWaylandTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void x11BackendsSayTheyAreMissing();
    void windowNamesWhatWaylandKeepsAway();
    void screenCaptureSaysWhyItFailed();
};

void MainWindowWaylandTest::initTestCase()
{
    QCOMPARE(QGuiApplication::platformName(), QStringLiteral("wayland"));
    QVERIFY(qEnvironmentVariableIsEmpty("DISPLAY"));
    QVERIFY(IconFont::instance().initFontAwesome());
}

void MainWindowWaylandTest::x11BackendsSayTheyAreMissing()
{
    // Decided from this process's real environment and compositor.
    const platform::SessionDescription &session = platform::currentSession();
    QCOMPARE(session.kind, platform::SessionKind::WaylandOnly);
    QVERIFY(session.problem.empty());

    QVERIFY(!platform::hotKeyService());
    QVERIFY(!platform::keyInjector());
    QVERIFY(!platform::keyboardListener());
    QVERIFY(!platform::mouseListener());
    QVERIFY(!platform::selectedText());
    QVERIFY(!platform::clipboardWatch());
    QVERIFY(!platform::showDesktop());
    // Their callers carry on without them.
    MyGlobalShortCut altX(QStringLiteral("Alt+x"));
    QVERIFY(!altX.isRegistered());
    QVERIFY(!GlobalMouse::instance()->installKeyboardHook());
    QVERIFY(!GlobalMouse::instance()->installMouseEvent());
}

void MainWindowWaylandTest::windowNamesWhatWaylandKeepsAway()
{
    // Only the device monitor is replaced: the receiver is simulated.
    platform::BackendOverrides backends;
    backends.deviceMonitor = std::make_shared<platform::recording::RecordingDeviceMonitor>();
    platform::overrideBackends(backends);
    const auto restore = qScopeGuard([] { platform::overrideBackends({}); });

    MainWindow w;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    auto *notice = w.findChild<QLabel *>(QStringLiteral("labelSessionNotice"));
    auto *screenshot = w.findChild<QPushButton *>(QStringLiteral("btnScreenshot"));
    QVERIFY(notice && screenshot);
    QVERIFY(notice->isVisible());
    for (const QString &name : kFeatureNames)
        QVERIFY2(notice->text().contains(name), qPrintable(notice->text()));
    QVERIFY2(notice->text().contains(QStringLiteral("Wayland 不允许")), qPrintable(notice->text()));
    QVERIFY(!w.findChild<QLabel *>(QStringLiteral("labelLinkNotice"))->isVisible());
    QVERIFY(!screenshot->isEnabled());

    // Under XWayland the same features reach X11 applications only.
    w.showSessionNotice(describe({{QStringLiteral("DISPLAY"), QStringLiteral(":0")},
                                  {QStringLiteral("XDG_SESSION_TYPE"), QStringLiteral("wayland")}},
                                 true));
    QVERIFY(notice->isVisible());
    QVERIFY2(notice->text().contains(QStringLiteral("XWayland"))
                 && notice->text().contains(QStringLiteral("原生 Wayland 程序收不到输入的文字和热键")),
             qPrintable(notice->text()));
    for (const QString &name : kFeatureNames)
        QVERIFY2(notice->text().contains(name), qPrintable(notice->text()));
    QVERIFY(screenshot->isEnabled());  // X11 windows can still be captured

    w.showSessionNotice(describe({{QStringLiteral("DISPLAY"), QStringLiteral(":0")}}, true));
    QVERIFY(!notice->isVisible());
}

void MainWindowWaylandTest::screenCaptureSaysWhyItFailed()
{
    CaMainWindow capture;
    QSignalSpy failed(&capture, &CaMainWindow::captureFailed);
    capture.startScreen();
    QCOMPARE(failed.count(), 1);
    QVERIFY2(failed.first().first().toString().contains(QStringLiteral("无法截取屏幕")),
             qPrintable(failed.first().first().toString()));
    // No overlay with an empty picture is left on the screen.
    QVERIFY(capture.overlays().isEmpty());
}

QTEST_MAIN(MainWindowWaylandTest)
#include "test_mainwindow_wayland.moc"
