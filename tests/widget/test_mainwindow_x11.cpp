// The main window on a real X server with a notification area: the pages
// behind the navigation, the footer following the mouse through the
// simulated receiver, low-battery warnings, the tray, Alt+X and quitting.

#include "business/funcontrolcenter.h"
#include "core/device/mousedevice.h"
#include "core/setting/inifileinf.h"
#include "mainwindow.h"
#include "sim/hidsim.h"
#include "support/message_boxes.h"
#include "widget/iconfont/iconfont.h"
#include "widget/main/device_pictures.h"
#include "widget/main/navigation_bar.h"
#include "widget/main/status_footer.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QPushButton>
#include <QStackedWidget>
#include <QSystemTrayIcon>
#include <QtTest>

// X11 last: its macros clash with Qt's names.
#include "support/x11_tray_host.h"

#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

namespace {
const QString kReceiverPath = QStringLiteral("/sys/devices/x/0003:5850:5653.0007/hidraw/hidraw5");
}

class MainWindowX11Test : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void everyNavigationButtonShowsItsPage();
    void batteryWarningsFollowTheThresholds();
    void disconnectHidesTheBattery();
    void closeKeepsTheIconAndAClickBringsTheWindowBack();
    void altXRunsTheScreenshotOnlyWhenSwitchedOn();
    void answeringNoToQuitReleasesTheCapture();

private:
    void batteryReport(int level);
    void pressAltX();

    X11TrayHost m_tray;
    Display *m_display = nullptr;
    MainWindow *m_window = nullptr;
    MouseDevice *m_mouse = nullptr;
};

void MainWindowX11Test::initTestCase()
{
    m_display = XOpenDisplay(nullptr);
    QVERIFY2(m_display, "needs an X display (run it through tests/support/own_display.sh)");
    QVERIFY(m_tray.start());
    QVERIFY(IconFont::instance().initFontAwesome());
    QApplication::setQuitOnLastWindowClosed(false);
    IniFileInf::set_keydefine(QStringLiteral("sysocrkey"), QStringLiteral("0"));
    hidsim_reset();
    m_window = new MainWindow;
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
    m_mouse = MouseDevice::instance().get();
    QTRY_COMPARE_WITH_TIMEOUT(m_window->footer()->batteryText(), QStringLiteral("80%"), 5000);
}

void MainWindowX11Test::cleanupTestCase()
{
    delete m_window;
    m_tray.stop();
    if (m_display)
        XCloseDisplay(m_display);
}

void MainWindowX11Test::everyNavigationButtonShowsItsPage()
{
    QButtonGroup *group = m_window->navigation()->group();
    QCOMPARE(group->buttons().size(), int(NavigationBar::PageCount));
    QCOMPARE(m_window->pages()->count(), int(NavigationBar::PageCount));
    for (QAbstractButton *button : group->buttons()) {
        const int page = group->id(button);
        QTest::mouseClick(button, Qt::LeftButton);
        QCOMPARE(m_window->pages()->currentIndex(), page);
        QVERIFY(button->isChecked());
        QTRY_VERIFY(m_window->pages()->currentWidget()->isVisible());
    }
    // The connected mouse's own button leads to its settings.
    QTest::mouseClick(m_window->navigation()->productButton(), Qt::LeftButton);
    QCOMPARE(m_window->pages()->currentIndex(), int(NavigationBar::MouseSettingPage));
    QCOMPARE(m_window->navigation()->productButton()->text(), m_mouse->displayModel());
}

void MainWindowX11Test::batteryReport(int level)
{
    hidsim_set_battery(level);
    m_mouse->getBattery(5000);
    QTRY_COMPARE(m_window->footer()->batteryText(), QStringLiteral("%1%").arg(level));
    // A warning box is answered before the next report comes.
    QTRY_VERIFY(!QApplication::activeModalWidget());
}

void MainWindowX11Test::batteryWarningsFollowTheThresholds()
{
    MessageBoxes::Answerer boxes;
    for (int level : {29, 24, 24, 19, 31, 24})
        batteryReport(level);
    const QString warning = QStringLiteral("低电量警告: 电量仅剩 %1%，请及时充电！");
    QCOMPARE(boxes.seen(), (QStringList{warning.arg(24), warning.arg(19), warning.arg(24)}));
    QCOMPARE(m_window->footer()->linkPicture(),
             QStringLiteral(":/resources/images/product/connect_mode/connect_mode3.png"));
    batteryReport(80);
}

void MainWindowX11Test::disconnectHidesTheBattery()
{
    QVERIFY(m_window->footer()->batteryShown());
    hidsim_set_plugged(0);
    m_mouse->deviceRemoved(kReceiverPath);
    QTRY_VERIFY(!m_window->footer()->batteryShown());
    QCOMPARE(m_window->footer()->linkPicture(), DevicePictures::kDisconnected);
    QCOMPARE(m_window->lastSerial(), QStringLiteral("unknown"));

    hidsim_set_plugged(1);
    m_mouse->deviceArrived(kReceiverPath);
    QTRY_VERIFY_WITH_TIMEOUT(m_window->footer()->batteryShown(), 5000);
    QCOMPARE(m_window->lastSerial(), m_mouse->sn);
}

void MainWindowX11Test::closeKeepsTheIconAndAClickBringsTheWindowBack()
{
    QSignalSpy quitting(qApp, &QCoreApplication::aboutToQuit);
    QTRY_VERIFY(!m_tray.dockedIcons().empty());
    m_window->findChild<QPushButton *>(QStringLiteral("btnClose"))->click();
    QTRY_VERIFY(!m_window->isVisible());
    QVERIFY(m_window->trayIcon()->isVisible());
    QCOMPARE(quitting.count(), 0);

    // A plain left click on the docked icon, as the user gives it. Qt may
    // have docked more than once: the live icon is the one on screen.
    Window icon = 0;
    for (Window w : m_tray.dockedIcons())
        if (X11Windows::isViewable(m_display, w))
            icon = w;
    QVERIFY(icon);
    int x = 0, y = 0;
    Window child = 0;
    XTranslateCoordinates(m_display, icon, DefaultRootWindow(m_display), 4, 4, &x, &y, &child);
    XTestFakeMotionEvent(m_display, -1, x, y, CurrentTime);
    XTestFakeButtonEvent(m_display, 1, True, CurrentTime);
    XTestFakeButtonEvent(m_display, 1, False, CurrentTime);
    XFlush(m_display);
    QTRY_VERIFY_WITH_TIMEOUT(m_window->isVisible(), 3000);
}

void MainWindowX11Test::pressAltX()
{
    const KeyCode alt = XKeysymToKeycode(m_display, XK_Alt_L);
    const KeyCode x = XKeysymToKeycode(m_display, XK_x);
    XTestFakeKeyEvent(m_display, alt, True, CurrentTime);
    XTestFakeKeyEvent(m_display, x, True, CurrentTime);
    XTestFakeKeyEvent(m_display, x, False, CurrentTime);
    XTestFakeKeyEvent(m_display, alt, False, CurrentTime);
    XFlush(m_display);
}

void MainWindowX11Test::altXRunsTheScreenshotOnlyWhenSwitchedOn()
{
    m_window->windowShow();
    QTRY_VERIFY(m_window->isVisible() && !m_window->isMinimized());
    IniFileInf::set_keydefine(QStringLiteral("sysocrkey"), QStringLiteral("0"));
    pressAltX();
    QTest::qWait(300);
    QVERIFY(!m_window->isMinimized());

    IniFileInf::set_keydefine(QStringLiteral("sysocrkey"), QStringLiteral("1"));
    pressAltX();
    QTRY_VERIFY(m_window->isMinimized());
    m_window->windowShow();
}

void MainWindowX11Test::answeringNoToQuitReleasesTheCapture()
{
    QString asked;
    MessageBoxes::answerNext(this, QMessageBox::No, &asked);
    m_window->quit();
    QCOMPARE(asked, QStringLiteral("确定退出此程序吗?"));
    QCOMPARE(FunControlCenter::getInstance()->captureState(), 0);
    QVERIFY(!m_window->exitPromptOpen());
}

QTEST_MAIN(MainWindowX11Test)
#include "test_mainwindow_x11.moc"
