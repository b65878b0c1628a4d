// The main window's shell behaviour: tray menu, closing, showing, quitting.

#include "core/device/mousedevice.h"
#include "mainwindow.h"
#include "support/recording/recording_backends.h"
#include "sim/hidsim.h"
#include "widget/iconfont/iconfont.h"

#include <QAction>
#include <QElapsedTimer>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QSystemTrayIcon>
#include <QTimer>
#include <QTranslator>
#include <QtTest>

class MainWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void trayMenuHasTheThreeActionsInOrder();
    void trayMenuFollowsTheLanguage();
    void closingKeepsTheApplicationRunning();
    void windowShowRestoresMaximisedState();
    void receiverThatCannotBeOpenedIsExplained();
    void quitAsksFirst_data();
    void quitAsksFirst();

private:
    // Answers the next modal message box with the given button.
    void answerNextMessageBox(QMessageBox::StandardButton button, QString *seenText);
};

void MainWindowTest::initTestCase()
{
    // Keys and devices of the session stay untouched by this test.
    platform::recording::install();
    QVERIFY(IconFont::instance().initFontAwesome());
}

void MainWindowTest::trayMenuHasTheThreeActionsInOrder()
{
    MainWindow w;
    QVERIFY(w.trayIcon());
    QMenu *menu = w.trayIcon()->contextMenu();
    QVERIFY(menu);
    QStringList texts;
    for (QAction *a : menu->actions())
        texts << a->text();
    QCOMPARE(texts, (QStringList{QStringLiteral("鼠标设置"), QStringLiteral("日志目录"),
                                 QStringLiteral("退出")}));
    QVERIFY(!w.trayIcon()->icon().isNull());
}

void MainWindowTest::trayMenuFollowsTheLanguage()
{
    MainWindow w;
    QTranslator english;
    QVERIFY(english.load(QStringLiteral(":/i18n/sevoly_en_US.qm")));
    QApplication::installTranslator(&english);
    QApplication::processEvents();  // LanguageChange reaches the window
    const QList<QAction *> actions = w.trayIcon()->contextMenu()->actions();
    QCOMPARE(actions.at(0)->text(), QStringLiteral("Mouse Settings"));
    QCOMPARE(actions.at(1)->text(), QStringLiteral("Log Folder"));
    QCOMPARE(actions.at(2)->text(), QStringLiteral("Exit"));
    QApplication::removeTranslator(&english);
    QApplication::processEvents();
    QCOMPARE(actions.at(2)->text(), QStringLiteral("退出"));
}

void MainWindowTest::closingKeepsTheApplicationRunning()
{
    QApplication::setQuitOnLastWindowClosed(false);
    QSignalSpy quitting(qApp, &QCoreApplication::aboutToQuit);
    MainWindow w;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    auto *close = w.findChild<QPushButton *>(QStringLiteral("btnClose"));
    QVERIFY(close);
    close->click();
    // With a notification area the window hides; without one (as here,
    // offscreen) it is minimised so the user can still reach it.
    QTRY_VERIFY(!w.isVisible() || w.isMinimized());
    QCOMPARE(quitting.count(), 0);

    w.windowShow();
    QTRY_VERIFY(w.isVisible() && !w.isMinimized());
}

void MainWindowTest::windowShowRestoresMaximisedState()
{
    MainWindow w;
    w.showMaximized();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    w.showMinimized();
    w.windowShow();
    QTRY_VERIFY(w.isVisible());
    // Minimising forgets nothing: showing brings back the maximised window.
    QVERIFY(!w.isMinimized());
    QTRY_VERIFY(w.isMaximized());
}

void MainWindowTest::receiverThatCannotBeOpenedIsExplained()
{
    MouseDevice *mouse = MouseDevice::instance().get();
    mouse->closeDevice();
    hidsim_reset();
    hidsim_set_open_denied(1);
    MainWindow w;
    w.show();
    auto *notice = w.findChild<QLabel *>(QStringLiteral("labelLinkNotice"));
    QVERIFY(notice);
    QVERIFY(!notice->isVisible());
    QTRY_VERIFY_WITH_TIMEOUT(notice->isVisible(), 6000);
    QVERIFY2(notice->text().contains(QStringLiteral("70-talkvane-receiver.rules")),
             qPrintable(notice->text()));

    // The banner goes once the mouse links.
    hidsim_set_open_denied(0);
    mouse->deviceArrived(QStringLiteral("/sys/devices/x/0003:5850:5653.0007/hidraw/hidraw5"));
    QTRY_VERIFY_WITH_TIMEOUT(!notice->isVisible(), 3000);
}

void MainWindowTest::answerNextMessageBox(QMessageBox::StandardButton button, QString *seenText)
{
    // Polls rather than waits: the box runs its own nested event loop.
    auto *poll = new QTimer(this);
    connect(poll, &QTimer::timeout, this, [=] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box)
            return;
        poll->deleteLater();
        poll->stop();
        *seenText = box->text();
        box->button(button)->click();
    });
    poll->start(20);
}

void MainWindowTest::quitAsksFirst_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("quits");
    // "yes" last: once the application has been told to quit, no further
    // event loop of this process runs.
    QTest::newRow("no") << int(QMessageBox::No) << false;
    QTest::newRow("yes") << int(QMessageBox::Yes) << true;
}

void MainWindowTest::quitAsksFirst()
{
    QFETCH(int, answer);
    QFETCH(bool, quits);

    MainWindow w;
    w.show();
    QString asked;
    answerNextMessageBox(QMessageBox::StandardButton(answer), &asked);
    // Quitting the application ends every running event loop, this one too,
    // long before its own time-out.
    QEventLoop loop;
    QElapsedTimer clock;
    clock.start();
    QTimer::singleShot(0, &w, &MainWindow::quit);
    QTimer::singleShot(3000, &loop, &QEventLoop::quit);
    loop.exec();

    QCOMPARE(asked, QStringLiteral("确定退出此程序吗?"));
    QCOMPARE(clock.elapsed() < 2500, quits);
    // Only an answered "no" closes the prompt state again.
    QCOMPARE(w.exitPromptOpen(), quits);
}

QTEST_MAIN(MainWindowTest)
#include "test_mainwindow.moc"
