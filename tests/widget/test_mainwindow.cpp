// The main window's shell behaviour: tray menu, closing, showing, quitting.

#include "core/device/mousedevice.h"
#include "mainwindow.h"
#include "support/message_boxes.h"
#include "support/recording/recording_backends.h"
#include "sim/hidsim.h"
#include "widget/iconfont/iconfont.h"
#include "widget/main/device_pictures.h"
#include "widget/main/external_ai_client.h"
#include "widget/main/navigation_bar.h"

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
#include <QScopeGuard>
#include <QTemporaryDir>
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
    void aiWithoutItsWindowSaysSo();
    void externalClientIsFoundOrInstalled_data();
    void externalClientIsFoundOrInstalled();
    void quitAsksFirst_data();
    void quitAsksFirst();
    void devicePictures_data();
    void devicePictures();
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

void MainWindowTest::aiWithoutItsWindowSaysSo()
{
    MainWindow w;
    MessageBoxes::Answerer boxes;
    w.navigation()->aiButton()->click();
    QTRY_COMPARE(boxes.seen(), QStringList{QStringLiteral("提示: AI窗口暂不可用")});
}

void MainWindowTest::externalClientIsFoundOrInstalled_data()
{
    // Where the client is (nowhere, PATH, ~/.local/bin), whether the
    // installer is beside Talkvane; the caption and the notice expected.
    QTest::addColumn<QString>("client");
    QTest::addColumn<bool>("installer");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("notice");
    QTest::newRow("on PATH") << "path" << false << "启动龙虾" << "";
    QTest::newRow("per-user install") << "home" << false << "启动龙虾" << "";
    QTest::newRow("only the installer") << "" << true << "一键安装龙虾" << "";
    QTest::newRow("neither") << "" << false << "一键安装龙虾" << "安装文件不存在: ";
}

void MainWindowTest::externalClientIsFoundOrInstalled()
{
    QFETCH(QString, client);
    QFETCH(bool, installer);
    QFETCH(QString, caption);
    QFETCH(QString, notice);
    QTemporaryDir root;
    const QByteArray oldPath = qgetenv("PATH");
    const QByteArray oldHome = qgetenv("HOME");
    qputenv("PATH", QFile::encodeName(root.filePath(QStringLiteral("bin"))));
    qputenv("HOME", QFile::encodeName(root.path()));
    const auto restore = qScopeGuard([&] {
        qputenv("PATH", oldPath);
        qputenv("HOME", oldHome);
        QFile::remove(ExternalAiClient::installerPath());
        QFile::remove(ExternalAiClient::installerPath() + QStringLiteral(".ran"));
    });
    // Each launch leaves a mark, so a started program is seen to start.
    const auto script = [&](const QString &path) {
        QDir().mkpath(QFileInfo(path).path());
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("#!/bin/sh\n/usr/bin/touch \"$0.ran\"\n");
        file.close();
        file.setPermissions(file.permissions() | QFileDevice::ExeOwner);
    };
    QString started;
    if (client == QLatin1String("path"))
        script(started = root.filePath(QStringLiteral("bin/vorn")));
    else if (client == QLatin1String("home"))
        script(started = root.filePath(QStringLiteral(".local/bin/vorn")));
    if (installer)
        script(started = ExternalAiClient::installerPath());

    QCOMPARE(ExternalAiClient::buttonText(), caption);
    const QString said = ExternalAiClient::launch();
    if (notice.isEmpty()) {
        QCOMPARE(said, QString());
        QTRY_VERIFY(QFile::exists(started + QStringLiteral(".ran")));
    } else {
        QVERIFY2(said.startsWith(notice), qPrintable(said + QStringLiteral(" / ") + notice));
    }
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
    MessageBoxes::answerNext(this, QMessageBox::StandardButton(answer), &asked);
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

void MainWindowTest::devicePictures_data()
{
    // product name, link model, battery level; the pictures expected (empty:
    // the link picture is left as it is).
    QTest::addColumn<QString>("product");
    QTest::addColumn<int>("linkModel");
    QTest::addColumn<int>("level");
    QTest::addColumn<QString>("link");
    QTest::addColumn<QString>("battery");
    const QString m = QStringLiteral(":/resources/images/product/connect_mode/");
    const QString b = QStringLiteral(":/resources/icons/battery/");
    QTest::newRow("Bluetooth 1, full") << "DLVPX08" << 2 << 100 << m + "connect_mode1.png" << b + "battery_100.png";
    QTest::newRow("Bluetooth 2, 95 counts as full") << "DLVPX08" << 3 << 95 << m + "connect_mode2.png" << b + "battery_100.png";
    QTest::newRow("receiver, 94 is ninety") << "DLVPX08" << 4 << 94 << m + "connect_mode3.png" << b + "battery_90.png";
    QTest::newRow("receiver 5, tens digit") << "DLVPX08" << 5 << 47 << m + "connect_mode2.png" << b + "battery_40.png";
    QTest::newRow("ten") << "DLVPX08" << 4 << 10 << m + "connect_mode3.png" << b + "battery_10.png";
    QTest::newRow("below ten") << "DLVPX08" << 4 << 9 << m + "connect_mode3.png" << b + "battery_0.png";
    QTest::newRow("cable model") << "WQBT5.2 Mouse" << 4 << 1 << m + "connect_typec_mode3.png" << b + "battery_0.png";
    QTest::newRow("unknown link model") << "DLVPX08" << 7 << 60 << QString() << b + "battery_60.png";
}

void MainWindowTest::devicePictures()
{
    QFETCH(QString, product);
    QFETCH(int, linkModel);
    QFETCH(int, level);
    QFETCH(QString, link);
    QFETCH(QString, battery);
    QCOMPARE(DevicePictures::linkPicture(product, linkModel), link);
    QCOMPARE(DevicePictures::batteryPicture(level), battery);
    // Every picture named is really in the resources.
    for (const QString &picture : {link, battery, DevicePictures::kDisconnected})
        QVERIFY2(picture.isEmpty() || !QImage(picture).isNull(), qPrintable(picture));
}

QTEST_MAIN(MainWindowTest)
#include "test_mainwindow.moc"
