#include "mainwindow.h"

#include "business/funcontrolcenter.h"
#include "core/device/mousedevice.h"
#include "core/setting/inifileinf.h"
#include "debug.h"
#include "global_listen/globalmouse.h"
#include "platform/device_monitor.h"
#include "utils/app_paths.h"
#include "widget/iconfont/iconfont.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDebug>
#include <QDesktopServices>
#include <QFile>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QStackedWidget>
#include <QSystemTrayIcon>
#include <QUrl>
#include <QVBoxLayout>

namespace {

QPushButton *headerButton(const QString &icon, const QString &objectName)
{
    auto *button = new QPushButton;
    button->setObjectName(objectName);
    button->setIcon(IconFont::instance().icon(icon));
    button->setFixedSize(32, 28);
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

}  // namespace

MainWindow::MainWindow(QWidget *parent) : FramelessWindow(parent)
{
    setObjectName(QStringLiteral("FramelessWnd"));
    setWindowTitle(QStringLiteral("Talkvane"));
    m_trayIcon = new QSystemTrayIcon(this);
    // Constructing the diagnostics page connects the mouse's buttons to the
    // control center; the typing mode comes from the settings.
    m_debug = new Debug;
    FunControlCenter::getInstance()->setSecDynamicTyping(
        IniFileInf::get_keydefine(QStringLiteral("input_model")).contains(QLatin1String("dynamics")));
    initializeDevice();
    registerDevice();
    setupUi();
}

void MainWindow::initializeDevice()
{
    m_device = qobject_cast<MouseDevice *>(
        createDevice(QStringLiteral("0x5850"), QStringLiteral("0x5653")));
    connect(m_device, &MouseDevice::onConnectState, this, [this](LinkState state) {
        qDebug() << "link state" << state;
        if (state == Disconnected)
            m_lastSerial = QStringLiteral("unknown");
        if ((state == ReceiverLinked || state == BluetoothLinked) && m_linkNotice)
            m_linkNotice->hide();
    });
    connect(m_device, &MouseDevice::linkNotice, this, &MainWindow::showLinkNotice);
    connect(m_device, &MouseDevice::onInfoData, this, [this] {
        if (m_device->linkState == ReceiverLinked || m_device->linkState == BluetoothLinked)
            m_lastSerial = m_device->sn;
    });
    qDebug() << m_device->describe();
    m_device->resetConnectState();
    m_device->connect();
}

void MainWindow::registerDevice()
{
    const auto monitor = platform::deviceMonitor();
    if (!monitor) {
        qWarning() << "注册失败！";
        return;
    }
    monitor->setListener([this](const std::string &path, bool arrived) {
        const QString devicePath = QString::fromStdString(path);
        if (arrived) {
            qDebug() << "USB设备插入:" << devicePath;
            m_device->deviceArrived(devicePath);
        } else {
            qDebug() << "USB设备拔出:" << devicePath;
            m_device->deviceRemoved(devicePath);
        }
    });
    if (!monitor->start())
        qWarning() << "注册失败！";
}

void MainWindow::setupUi()
{
    // Tray first: it is how the user gets back to a hidden window.
    m_trayMenu = new QMenu(this);
    m_showAction = m_trayMenu->addAction(QString(), this, &MainWindow::windowShow);
    m_logFolderAction = m_trayMenu->addAction(QString(), this, &MainWindow::openLogFolder);
    m_quitAction = m_trayMenu->addAction(QString(), this, &MainWindow::quit);
    m_trayIcon->setContextMenu(m_trayMenu);
    const QIcon appIcon = IconFont::instance().icon(QStringLiteral("fa-solid fa-computer-mouse"),
                                                    QColor(0x2f, 0x6b, 0xff));
    m_trayIcon->setIcon(appIcon);
    setWindowIcon(appIcon);
    connect(m_trayIcon, &QSystemTrayIcon::activated, this,
            [this](QSystemTrayIcon::ActivationReason reason) {
                if (reason == QSystemTrayIcon::Trigger)
                    windowShow();
            });
    m_trayIcon->show();
    if (!QSystemTrayIcon::isSystemTrayAvailable())
        qWarning() << "no notification area in this session; closing the window minimises it";

    auto *central = new QWidget;
    central->setObjectName(QStringLiteral("widgetCentral"));
    auto *layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(buildHeader());
    m_linkNotice = new QLabel;
    m_linkNotice->setObjectName(QStringLiteral("labelLinkNotice"));
    m_linkNotice->setWordWrap(true);
    m_linkNotice->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_linkNotice->setStyleSheet(
        QStringLiteral("QLabel { background: #fff4e5; color: #7a4100; padding: 8px 16px; }"));
    m_linkNotice->hide();
    layout->addWidget(m_linkNotice);
    m_pages = new QStackedWidget;
    m_pages->setObjectName(QStringLiteral("stackedPages"));
    m_pages->addWidget(m_debug);
    layout->addWidget(m_pages, 1);
    setCentralWidget(central);

    QFile style(QStringLiteral(":/resources/style/mainwindow.qss"));
    if (style.open(QIODevice::ReadOnly))
        setStyleSheet(QString::fromUtf8(style.readAll()));

    resize(1100, 720);
    retranslateUi();

    // Keys whose hot keys could not be taken are heard through this.
    GlobalMouse::instance()->installKeyboardHook();
}

QWidget *MainWindow::buildHeader()
{
    auto *header = new QWidget;
    header->setObjectName(QStringLiteral("widgetHeader"));
    auto *row = new QHBoxLayout(header);
    row->setContentsMargins(16, 6, 8, 6);
    m_title = new QLabel(QStringLiteral("Talkvane"));
    m_title->setObjectName(QStringLiteral("labelTitle"));
    row->addWidget(m_title);
    row->addStretch(1);

    m_minButton = headerButton(QStringLiteral("fa-solid fa-minus"), QStringLiteral("btnMin"));
    m_maxButton = headerButton(QStringLiteral("fa-regular fa-square"), QStringLiteral("btnMax"));
    m_closeButton = headerButton(QStringLiteral("fa-solid fa-xmark"), QStringLiteral("btnClose"));
    row->addWidget(m_minButton);
    row->addWidget(m_maxButton);
    row->addWidget(m_closeButton);
    connect(m_minButton, &QPushButton::clicked, this, &QWidget::showMinimized);
    connect(m_maxButton, &QPushButton::clicked, this,
            [this] { isMaximized() ? showNormal() : showMaximized(); });
    connect(m_closeButton, &QPushButton::clicked, this, &QWidget::close);

    addDragArea(header);
    return header;
}

void MainWindow::retranslateUi()
{
    m_showAction->setText(tr("鼠标设置"));
    m_logFolderAction->setText(tr("日志目录"));
    m_quitAction->setText(tr("退出"));
    m_minButton->setToolTip(tr("最小化"));
    m_maxButton->setToolTip(tr("最大化"));
    m_closeButton->setToolTip(tr("关闭"));
    m_trayIcon->setToolTip(QStringLiteral("Talkvane"));
}

void MainWindow::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslateUi();
    FramelessWindow::changeEvent(event);
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    event->ignore();
    // Without a notification area a hidden window could only come back
    // through a second start, so keep it on the task bar instead.
    if (m_trayIcon->isVisible() && QSystemTrayIcon::isSystemTrayAvailable())
        hide();
    else
        showMinimized();
}

void MainWindow::windowShow()
{
    const bool wasMaximized = isMaximized();
    showNormal();
    raise();
    activateWindow();
    qDebug() << "MainWindow::windowShow" << wasMaximized;
    if (wasMaximized)
        showMaximized();
}

void MainWindow::showLinkNotice(const QString &text)
{
    qWarning() << "link notice:" << text;
    // The banner stays until the mouse links; the tray balloon reaches a
    // user whose window is hidden.
    if (m_linkNotice) {
        m_linkNotice->setText(text);
        m_linkNotice->show();
    }
    if (m_trayIcon->isVisible() && QSystemTrayIcon::supportsMessages())
        m_trayIcon->showMessage(QStringLiteral("Talkvane"), text, QSystemTrayIcon::Warning);
}

void MainWindow::openLogFolder()
{
    const QString dir = AppPaths::appDir();
    qDebug() << "程序所在目录：" << dir;
    QDesktopServices::openUrl(QUrl::fromLocalFile(dir));
}

void MainWindow::quit()
{
    if (m_exitPromptOpen)
        return;
    FunControlCenter::getInstance()->setCaptureState(1);
    m_exitPromptOpen = true;
    const auto answer = QMessageBox::question(this, tr("提示"), tr("确定退出此程序吗?"),
                                              QMessageBox::Yes | QMessageBox::No);
    if (answer == QMessageBox::Yes) {
        qInfo() << "quit confirmed";
        m_device->closeDevice();
        QApplication::quit();
        return;
    }
    FunControlCenter::getInstance()->setCaptureState(0);
    m_exitPromptOpen = false;
}
