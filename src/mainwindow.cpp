#include "mainwindow.h"

#include "aisetting.h"
#include "setting.h"
#include "system_setting.h"
#include "trasetting.h"

#include "business/funcontrolcenter.h"
#include "core/key/myglobalshortcut.h"
#include "core/setting/inifileinf.h"
#include "debug.h"
#include "global_listen/globalmouse.h"
#include "platform/device_monitor.h"
#include "utils/app_paths.h"
#include "utils/device_file_utils.h"
#include "widget/app_icon.h"
#include "widget/floating_translate_button.h"
#include "widget/iconfont/iconfont.h"
#include "widget/main/ai_assistant.h"
#include "widget/main/device_pictures.h"
#include "widget/main/external_ai_client.h"
#include "widget/main/navigation_bar.h"
#include "widget/main/placeholder_page.h"
#include "widget/meeting/meeting_list.h"
#include "business/meeting_recorder_center.h"
#include "business/voice_command_executor.h"
#include "widget/commands/inssetting.h"
#include "widget/main/status_footer.h"
#include "widget/tradialogue.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDebug>
#include <QDesktopServices>
#include <QFile>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QStackedWidget>
#include <QSystemTrayIcon>
#include <QTimer>
#include <QUrl>
#include <QVBoxLayout>
#include <QWindow>

#include <memory>
#include <utility>

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

constexpr int kClientCheckMs = 5000;

}  // namespace

MainWindow::MainWindow(QWidget *parent) : FramelessWindow(parent)
{
    setObjectName(QStringLiteral("FramelessWnd"));
    setWindowTitle(QStringLiteral("Talkvane"));
    m_trayIcon = new QSystemTrayIcon(this);
    // The icon first: it is what the user waits for after starting Talkvane,
    // and building the pages takes longer than all the rest.
    setupTray();
    buildPages();
    initializeDevice();
    registerDevice();
    setupUi();
}

MainWindow::~MainWindow() = default;

namespace {

bool hasSlot(const QObject *object, const char *signature)
{
    return object && object->metaObject()->indexOfSlot(signature) >= 0;
}

} // namespace

void MainWindow::buildPages()
{
    m_pages = new QStackedWidget;
    m_pages->setObjectName(QStringLiteral("stackedPages"));
    const auto later = [this](const char *title, const char *text, const char *icon) {
        auto *page = new PlaceholderPage(title, text, QString::fromLatin1(icon));
        m_pages->addWidget(page);
        return page;
    };
    // Constructing it hands the stored typing mode to the control center.
    m_pages->addWidget(new AiSetting);
    m_pages->addWidget(new Setting);
    m_traSetting = new TraSetting;
    m_pages->addWidget(m_traSetting);
    m_pages->addWidget(new InsSetting);
    auto *software = new SystemSetting;
    m_pages->addWidget(software);
    m_helpPage = later(QT_TRANSLATE_NOOP("PlaceholderPage", "使用指南"),
          QT_TRANSLATE_NOOP("PlaceholderPage", "使用指南将在后续版本提供。"),
          "fa-solid fa-book-open");
    m_aiNavPage = later(QT_TRANSLATE_NOOP("PlaceholderPage", "AI导航"),
          QT_TRANSLATE_NOOP("PlaceholderPage", "AI导航将在后续版本提供。"),
          "fa-solid fa-compass");
    // Constructing the diagnostics page connects the mouse's buttons to the
    // control center.
    m_debug = new Debug;
    m_pages->addWidget(m_debug);
    connect(m_debug, &Debug::receiveMouseInfo, software, &SystemSetting::setMouseInfo);
    connect(software, &SystemSetting::logSwitchSign, m_debug, &Debug::logSwitch);
    m_meetingList = new MeetingList;
    m_pages->addWidget(m_meetingList);
    m_meetingRecorder = std::make_unique<ControlCenterMeetingRecorder>(
        FunControlCenter::getInstance().get());
    m_meetingRecorder->attach(m_meetingList->minutes());
    m_cloudMeetingPage = later(QT_TRANSLATE_NOOP("PlaceholderPage", "云服务"),
          QT_TRANSLATE_NOOP("PlaceholderPage", "云端会议页面将在后续版本提供。"),
          "fa-solid fa-cloud");
}

void MainWindow::initializeDevice()
{
    m_device = qobject_cast<MouseDevice *>(
        createDevice(QStringLiteral("0x5850"), QStringLiteral("0x5653")));
    connect(m_device, &MouseDevice::onConnectState, this, &MainWindow::onLinkState);
    connect(m_device, &MouseDevice::linkNotice, this, &MainWindow::showLinkNotice);
    connect(m_device, &MouseDevice::onInfoData, this, &MainWindow::onDeviceInfo);
    qDebug() << m_device->describe();
    m_device->resetConnectState();
    m_device->connect();
}

void MainWindow::onLinkState(LinkState state)
{
    qDebug() << "link state" << state;
    if (state == Disconnected) {
        if (m_footer) {
            m_footer->showLinkPicture(DevicePictures::kDisconnected);
            m_footer->hideBattery();
        }
        m_lastSerial = QStringLiteral("unknown");
    }
    if ((state == ReceiverLinked || state == BluetoothLinked) && m_linkNotice)
        m_linkNotice->hide();
}

void MainWindow::onDeviceInfo()
{
    if (!m_footer)
        return;
    const bool linked = m_device->linkState == ReceiverLinked || m_device->linkState == BluetoothLinked;
    if (linked) {
        m_lastSerial = m_device->sn;
        const QString picture = DevicePictures::linkPicture(m_device->productName, m_device->linkModel);
        if (!picture.isEmpty())
            m_footer->showLinkPicture(picture);
    }
    const int level = m_device->battery;
    if (level >= 1 && level <= 100) {
        m_footer->showBattery(level);
        warnLowBattery(level);
    }
    m_aiButton->show();
    const QString serial = m_device->sn;
    if (!serial.isEmpty() && serial != QLatin1String("unknown")
        && DeviceFileUtils::checkFirstRunByFile(serial + QStringLiteral("ai"))
        && IniFileInf::get_keydefine(QStringLiteral("aal")) != QLatin1String("aiGpt"))
        IniFileInf::set_keydefine(QStringLiteral("aal"), QStringLiteral("aiGpt"));
    // The help page is built elsewhere (it needs the browser engine); a
    // placeholder simply has no such slot.
    if (hasSlot(m_helpPage, "loadHelpDocument(QString)"))
        QMetaObject::invokeMethod(m_helpPage, "loadHelpDocument", Q_ARG(QString, m_device->model));
    m_footer->showModel(modelText());
    m_footer->showFirmware(m_device->firmwareVersion);
    m_navigation->setProductText(m_device->displayModel());
}

QString MainWindow::modelText() const
{
    if (!m_device || m_device->model == QLatin1String("unknown"))
        return {};
    if (m_device->productName == QLatin1String("WQORBELINE OPX263"))
        return m_device->displayModel();
    return tr("Model: ") + m_device->displayModel();
}

void MainWindow::warnLowBattery(int level)
{
    if (m_battery.check(level) == 0)
        return;
    qWarning() << "low battery" << level;
    QMessageBox box(QMessageBox::Warning, tr("低电量警告"),
                    tr("电量仅剩 %1%，请及时充电！").arg(level), QMessageBox::Ok, this);
    box.exec();
    m_battery.closed();
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

void MainWindow::setupTray()
{
    // First: it is how the user gets back to a hidden window.
    m_trayMenu = new QMenu(this);
    m_showAction = m_trayMenu->addAction(QString(), this, &MainWindow::windowShow);
    m_logFolderAction = m_trayMenu->addAction(QString(), this, &MainWindow::openLogFolder);
    m_quitAction = m_trayMenu->addAction(QString(), this, &MainWindow::quit);
    m_trayIcon->setContextMenu(m_trayMenu);
    retranslateTray();
    m_trayIcon->setIcon(appIcon());
    setWindowIcon(appIcon());
    connect(m_trayIcon, &QSystemTrayIcon::activated, this,
            [this](QSystemTrayIcon::ActivationReason reason) {
                if (reason == QSystemTrayIcon::Trigger)
                    windowShow();
            });
    m_trayIcon->show();
    // Sends the dock request now rather than after the pages are built.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    if (!QSystemTrayIcon::isSystemTrayAvailable())
        qWarning() << "no notification area in this session; closing the window minimises it";
}

void MainWindow::setupUi()
{
    // The translation of selected text goes to the result window beside it.
    connect(FunControlCenter::getInstance().get(), &FunControlCenter::wordTraCallback,
            TraDialogue::instance().get(), &TraDialogue::setShowTargetWordText);
    // Voice search runs the user's commands.
    (new VoiceCommandExecutor(nullptr, this))->attach();

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
    m_linkNotice->hide();
    layout->addWidget(m_linkNotice);
    // Unlike the link notice it stays: the session does not change while Talkvane runs.
    m_sessionNotice = new QLabel;
    m_sessionNotice->setObjectName(QStringLiteral("labelSessionNotice"));
    m_sessionNotice->setWordWrap(true);
    m_sessionNotice->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_sessionNotice->hide();
    layout->addWidget(m_sessionNotice);

    auto *body = new QHBoxLayout;
    body->setSpacing(0);
    m_navigation = new NavigationBar;
    body->addWidget(m_navigation);
    body->addWidget(m_pages, 1);
    layout->addLayout(body, 1);
    m_footer = new StatusFooter;
    layout->addWidget(m_footer);
    setCentralWidget(central);
    connect(m_navigation, &NavigationBar::pageRequested, m_pages, &QStackedWidget::setCurrentIndex);
    connect(m_navigation->aiButton(), &QPushButton::clicked, this, [this] {
        if (m_ai)
            m_ai->showWindow();
        else
            showNotice(tr("AI窗口暂不可用"));
    });
    connect(m_navigation->externalClientButton(), &QPushButton::clicked, this,
            &MainWindow::launchExternalClient);
    m_navigation->select(NavigationBar::MouseSettingPage);

    QFile style(QStringLiteral(":/resources/style/mainwindow.qss"));
    if (style.open(QIODevice::ReadOnly))
        setStyleSheet(QString::fromUtf8(style.readAll()));
    resize(1100, 720);

    m_clientTimer = new QTimer(this);
    m_clientTimer->setInterval(kClientCheckMs);
    connect(m_clientTimer, &QTimer::timeout, this, &MainWindow::refreshExternalClient);
    m_clientTimer->start();
    retranslateUi();
    showSessionNotice(platform::currentSession());

    setupSelectedText();
    registerAltX();
    // Keys whose hot keys could not be taken are heard through this.
    GlobalMouse::instance()->installKeyboardHook();
}

void MainWindow::setupSelectedText()
{
    auto *mouse = GlobalMouse::instance();
    m_wordButton = new FloatingTranslateButton(this);
    connect(m_wordButton, &FloatingTranslateButton::clicked, this, &MainWindow::translationMouseBtn);
    connect(mouse, &GlobalMouse::mouseEvent, this, &MainWindow::translationMouse);
    connect(m_traSetting, &TraSetting::screenwordChanged, this, [this](bool on) {
        if (on) {
            GlobalMouse::instance()->installMouseEvent();
        } else {
            GlobalMouse::instance()->uninstallMouseEvent();
            m_wordButton->hide();
        }
    });
    if (m_traSetting->screenwordOn())
        mouse->installMouseEvent();
}

void MainWindow::translationMouse(std::shared_ptr<QMouseEvent> event)
{
    const QPoint at = event->globalPos();
    // The application finishes the selection on the same release.
    QTimer::singleShot(100, this, [this, at] {
        auto *mouse = GlobalMouse::instance();
        if (!mouse->isMouseHookInstalled())
            return;  // switched off meanwhile
        const QString text = mouse->GetSelectedTextWithRetry(2);
        qDebug() << "MainWindow::translationMouse::<lambda_1>::operator ()" << text;
        mouse->setSelectedText(text);
        if (!text.isEmpty()) {
            m_wordButton->popUpAt(at);
            return;
        }
        QPointer<MainWindow> self(this);
        mouse->GetSelectedTextWithoutPollutingClipboard([self, at](const QString &copied) {
            auto *mouse = GlobalMouse::instance();
            if (!self || copied.isEmpty() || !mouse->isMouseHookInstalled())
                return;
            mouse->setSelectedText(copied);
            self->m_wordButton->popUpAt(at);
        });
    });
}

void MainWindow::translationMouseBtn()
{
    const QString text = GlobalMouse::instance()->selectedText();
    qDebug() << "MainWindow::translationMouseBtn" << text;
    TraDialogue::instance()->setShowWordText(text);
    FunControlCenter::getInstance()->startWordTranslation(text);
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

    m_screenshotButton = headerButton(QStringLiteral("fa-solid fa-crop-simple"), QStringLiteral("btnScreenshot"));
    m_aiButton = headerButton(QStringLiteral("fa-solid fa-rotate"), QStringLiteral("btnAi"));
    m_aiButton->hide();  // shown once the mouse has said who it is
    m_minButton = headerButton(QStringLiteral("fa-solid fa-minus"), QStringLiteral("btnMin"));
    m_maxButton = headerButton(QStringLiteral("fa-regular fa-square"), QStringLiteral("btnMax"));
    m_closeButton = headerButton(QStringLiteral("fa-solid fa-xmark"), QStringLiteral("btnClose"));
    for (QPushButton *b : {m_screenshotButton, m_aiButton, m_minButton, m_maxButton, m_closeButton})
        row->addWidget(b);
    connect(m_screenshotButton, &QPushButton::clicked, this, &MainWindow::startScreenshot);
    connect(m_aiButton, &QPushButton::clicked, this, &MainWindow::refreshAi);
    connect(m_minButton, &QPushButton::clicked, this, &QWidget::showMinimized);
    connect(m_maxButton, &QPushButton::clicked, this,
            [this] { isMaximized() ? showNormal() : showMaximized(); });
    connect(m_closeButton, &QPushButton::clicked, this, &QWidget::close);

    addDragArea(header);
    return header;
}

void MainWindow::registerAltX()
{
    m_altX = new MyGlobalShortCut(QStringLiteral("Alt+x"), this);
    if (!m_altX->isRegistered()) {
        GlobalMouse::instance()->addAltX();
        connect(GlobalMouse::instance(), &GlobalMouse::sendAltX, this, &MainWindow::KeyOne133,
                Qt::QueuedConnection);
    }
    connect(m_altX, &MyGlobalShortCut::activated, this, &MainWindow::KeyOne133);
}

void MainWindow::KeyOne133()
{
    if (m_exitPromptOpen)
        return;
    const QString enabled = IniFileInf::get_keydefine(QStringLiteral("sysocrkey"));
    qInfo() << "shortcut" << enabled;
    if (enabled == QLatin1String("1"))
        startScreenshot();
}

void MainWindow::startScreenshot()
{
    auto capture = [] { FunControlCenter::getInstance()->startScreenOcr(); };
    QWindow *window = windowHandle();
    if (!window || !isVisible() || isMinimized()) {
        capture();
        return;
    }
    // The screens are frozen as they are: wait until this window has left
    // them, or a moment at most where no window manager reports it.
    showMinimized();
    auto *waiting = new QObject(this);
    auto once = [waiting, capture, done = std::make_shared<bool>(false)] {
        if (std::exchange(*done, true))
            return;
        waiting->deleteLater();
        capture();
    };
    connect(window, &QWindow::visibilityChanged, waiting, [once](QWindow::Visibility v) {
        if (v == QWindow::Minimized || v == QWindow::Hidden)
            once();
    });
    QTimer::singleShot(kLeaveScreenMs, waiting, once);
}

void MainWindow::setWebPages(QWidget *help, QWidget *aiNavigation, QWidget *cloudMeeting)
{
    const auto replace = [this](QWidget *&slot, QWidget *page) {
        if (!page || page == slot)
            return;
        const int index = m_pages->indexOf(slot);
        const bool current = m_pages->currentWidget() == slot;
        m_pages->insertWidget(index, page);
        m_pages->removeWidget(slot);
        slot->deleteLater();
        slot = page;
        if (current)
            m_pages->setCurrentWidget(page);
    };
    replace(m_helpPage, help);
    replace(m_aiNavPage, aiNavigation);
    replace(m_cloudMeetingPage, cloudMeeting);
    // The cloud meeting page runs its meetings through the control center.
    if (cloudMeeting && hasSlot(cloudMeeting, "showMeetingJson(QString)")) {
        QObject *center = FunControlCenter::getInstance().get();
        connect(cloudMeeting, SIGNAL(startMeeting(QJsonObject)), center,
                SLOT(startAliyunMeeting(QJsonObject)));
        connect(cloudMeeting, SIGNAL(stopMeeting()), center, SLOT(stopAliyunMeeting()));
        connect(cloudMeeting, SIGNAL(queryMeetingTask(QString)), center,
                SLOT(queryMeetingTask(QString)));
        connect(center, SIGNAL(showMeetingJson(QString)), cloudMeeting,
                SLOT(showMeetingJson(QString)));
    }
}

void MainWindow::setAiAssistant(std::unique_ptr<AiAssistant> assistant)
{
    const bool first = !m_ai;
    m_ai = std::move(assistant);
    if (!m_ai || !first)
        return;
    const auto center = FunControlCenter::getInstance();
    connect(center.get(), &FunControlCenter::voiceAICallback, this, &MainWindow::handOverToAi);
    connect(center.get(), &FunControlCenter::LongPressAiGpt, m_navigation, &NavigationBar::select);
}

void MainWindow::handOverToAi(const QString &text)
{
    qDebug() << "接入语音大模型 ; 识别到的文字： " << text;
    if (!m_ai)
        return;
    m_ai->showWindow();
    QTimer::singleShot(1000, this, [this, text] {
        if (m_ai)
            m_ai->callPage(QStringLiteral("voiceChange"), text);
        QTimer::singleShot(1500, this, [this, text] {
            if (m_ai)
                m_ai->callPage(QStringLiteral("onSendData"), text);
        });
    });
}

void MainWindow::refreshAi()
{
    // The refresh also asks for the current service credentials (in the background).
    for (QWidget *page : {m_helpPage, m_aiNavPage, m_cloudMeetingPage}) {
        if (hasSlot(page, "browserReload()"))
            QMetaObject::invokeMethod(page, "browserReload");
    }
    FunControlCenter::getInstance()->initKeyManage();
    if (!m_ai) {
        showNotice(tr("AI窗口暂不可用"));
        return;
    }
    m_ai->reload();
    showNotice(tr("更新成功"));
}

void MainWindow::refreshExternalClient()
{
    if (m_exitPromptOpen)
        return;
    m_navigation->setExternalClientText(ExternalAiClient::buttonText());
}

void MainWindow::launchExternalClient()
{
    const QString notice = ExternalAiClient::launch();
    if (!notice.isEmpty())
        showNotice(notice);
}

void MainWindow::showNotice(const QString &text)
{
    QMessageBox::information(this, tr("提示"), text);
}

void MainWindow::retranslateTray()
{
    m_showAction->setText(tr("鼠标设置"));
    m_logFolderAction->setText(tr("日志目录"));
    m_quitAction->setText(tr("退出"));
    m_trayIcon->setToolTip(QStringLiteral("Talkvane"));
}

void MainWindow::retranslateUi()
{
    retranslateTray();
    m_screenshotButton->setToolTip(tr("截图"));
    m_aiButton->setToolTip(tr("AI"));
    m_minButton->setToolTip(tr("最小化"));
    m_maxButton->setToolTip(tr("最大化"));
    m_closeButton->setToolTip(tr("关闭"));
    m_navigation->retranslateUi();
    m_footer->retranslateUi();
    m_footer->showModel(modelText());
    if (m_sessionNotice)
        m_sessionNotice->setText(sessionNoticeText());
    refreshExternalClient();
}

void MainWindow::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange && m_navigation)
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

void MainWindow::showSessionNotice(const platform::SessionDescription &session)
{
    m_session = session;
    const QString text = sessionNoticeText();
    m_sessionNotice->setText(text);
    m_sessionNotice->setVisible(!text.isEmpty());
    // A capture there would only ever come back empty.
    const bool noCapture = session.kind == platform::SessionKind::WaylandOnly
        && session.limited(platform::SessionFeature::ScreenCapture);
    m_screenshotButton->setEnabled(!noCapture);
}

QString MainWindow::sessionNoticeText() const
{
    using platform::SessionFeature;
    QStringList names;
    for (const platform::FeatureLimit &limit : m_session.limits) {
        switch (limit.feature) {
        case SessionFeature::GlobalHotKeys: names << tr("全局热键（鼠标的 F17–F20 按键）"); break;
        case SessionFeature::TypingIntoOtherApps: names << tr("向其他程序输入识别的文字"); break;
        case SessionFeature::ScreenCapture: names << tr("截图识字和截图翻译"); break;
        case SessionFeature::SelectedText: names << tr("划词取词"); break;
        case SessionFeature::GlobalMouse: names << tr("全局鼠标监听"); break;
        }
    }
    if (names.isEmpty())
        return {};
    const QString list = names.join(tr("、"));
    if (m_session.kind == platform::SessionKind::XWayland)
        return tr("Wayland 会话：Talkvane 通过 XWayland 以 X11 方式运行，以下功能只对 X11 程序有效：%1。"
                  "原生 Wayland 程序收不到输入的文字和热键。")
            .arg(list);
    return tr("Wayland 会话中以下功能不可用：%1。Wayland 不允许一个程序抢占按键、向其他程序输入，"
              "或读取其他程序的屏幕。识别结果仍显示在 Talkvane 的窗口中；翻译、AI、会议、设置和鼠标连接照常可用。")
        .arg(list);
}

void MainWindow::openLogFolder()
{
    const QString dir = AppPaths::dataDir();
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
