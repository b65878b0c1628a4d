#pragma once

#include "core/device/mousedevice.h"
#include "platform/session.h"
#include "widget/framelesswindow.h"
#include "widget/main/low_battery_warning.h"

#include <memory>

class AiAssistant;
class Debug;
class MeetingList;
class ControlCenterMeetingRecorder;
class FloatingTranslateButton;
class QMouseEvent;
class MouseDevice;
class MyGlobalShortCut;
class NavigationBar;
class QLabel;
class QMenu;
class QPushButton;
class QStackedWidget;
class QSystemTrayIcon;
class QTimer;
class StatusFooter;
class TraSetting;

// The one top-level window: it places the pages, shows the mouse's link and
// battery, owns the notification-area icon and wires the control center's
// results to the windows that show them. Closing it only hides it: Talkvane
// lives on in the notification area until "退出" is chosen from the tray menu.
class MainWindow : public FramelessWindow
{
    Q_OBJECT
public:
    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

    QSystemTrayIcon *trayIcon() const { return m_trayIcon; }
    bool exitPromptOpen() const { return m_exitPromptOpen; }
    NavigationBar *navigation() const { return m_navigation; }
    QStackedWidget *pages() const { return m_pages; }
    StatusFooter *footer() const { return m_footer; }
    QString lastSerial() const { return m_lastSerial; }
    MeetingList *meetingList() const { return m_meetingList; }

    // Installs the AI window; from then on spoken questions of the AI scene
    // and the AI long press reach it. Without one, the user is told that the
    // AI window is not available.
    void setAiAssistant(std::unique_ptr<AiAssistant> assistant);
    // The pages that show the web site, built where the browser engine is
    // linked; each takes the place of its placeholder. Null keeps it.
    void setWebPages(QWidget *help, QWidget *aiNavigation, QWidget *cloudMeeting);
    // Says in the window which features this session keeps from Talkvane,
    // and why; a session without limits shows nothing. The constructor
    // passes this process's session.
    void showSessionNotice(const platform::SessionDescription &session);

public slots:
    void windowShow();
    void quit();
    void KeyOne133();
    void retranslateUi();
    // A drag ended somewhere: offer the translate button if text is selected.
    void translationMouse(std::shared_ptr<QMouseEvent> event);
    void translationMouseBtn();

protected:
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void initializeDevice();
    void registerDevice();
    void setupUi();
    void setupTray();
    void retranslateTray();
    QWidget *buildHeader();
    void buildPages();
    void registerAltX();
    void setupSelectedText();
    void onLinkState(LinkState state);
    void onDeviceInfo();
    void warnLowBattery(int level);
    void handOverToAi(const QString &text);
    void refreshAi();
    void startScreenshot();
    // How long a minimised window may take to leave the screens before a capture.
    static constexpr int kLeaveScreenMs = 300;
    void refreshExternalClient();
    void launchExternalClient();
    void showNotice(const QString &text);
    void openLogFolder();
    void showLinkNotice(const QString &text);
    QString sessionNoticeText() const;
    QString modelText() const;

    Debug *m_debug = nullptr;
    MeetingList *m_meetingList = nullptr;
    std::unique_ptr<ControlCenterMeetingRecorder> m_meetingRecorder;
    TraSetting *m_traSetting = nullptr;
    QWidget *m_helpPage = nullptr;
    QWidget *m_aiNavPage = nullptr;
    QWidget *m_cloudMeetingPage = nullptr;
    FloatingTranslateButton *m_wordButton = nullptr;
    MouseDevice *m_device = nullptr;
    std::unique_ptr<AiAssistant> m_ai;
    MyGlobalShortCut *m_altX = nullptr;
    QString m_lastSerial = QStringLiteral("unknown");
    LowBatteryWarning m_battery;

    QSystemTrayIcon *m_trayIcon = nullptr;
    QMenu *m_trayMenu = nullptr;
    QAction *m_showAction = nullptr;
    QAction *m_logFolderAction = nullptr;
    QAction *m_quitAction = nullptr;
    QLabel *m_title = nullptr;
    QPushButton *m_screenshotButton = nullptr;
    QPushButton *m_aiButton = nullptr;
    QPushButton *m_minButton = nullptr;
    QPushButton *m_maxButton = nullptr;
    QPushButton *m_closeButton = nullptr;
    QLabel *m_linkNotice = nullptr;
    QLabel *m_sessionNotice = nullptr;
    platform::SessionDescription m_session;
    NavigationBar *m_navigation = nullptr;
    QStackedWidget *m_pages = nullptr;
    StatusFooter *m_footer = nullptr;
    QTimer *m_clientTimer = nullptr;
    bool m_exitPromptOpen = false;
};
