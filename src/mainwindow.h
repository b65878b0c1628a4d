#pragma once

#include "widget/framelesswindow.h"

#include <memory>

class Debug;
class MouseDevice;
class QMenu;
class QStackedWidget;
class QSystemTrayIcon;
class QLabel;
class QPushButton;

// The one top-level window. Closing it only hides it: Talkvane lives on in
// the notification area until "退出" is chosen from the tray menu.
class MainWindow : public FramelessWindow
{
    Q_OBJECT
public:
    explicit MainWindow(QWidget *parent = nullptr);

    QSystemTrayIcon *trayIcon() const { return m_trayIcon; }
    bool exitPromptOpen() const { return m_exitPromptOpen; }

public slots:
    void windowShow();
    void quit();
    void retranslateUi();

protected:
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void initializeDevice();
    void registerDevice();
    void setupUi();
    QWidget *buildHeader();
    void openLogFolder();
    void showLinkNotice(const QString &text);

    Debug *m_debug = nullptr;
    MouseDevice *m_device = nullptr;
    QString m_lastSerial = QStringLiteral("unknown");
    QSystemTrayIcon *m_trayIcon = nullptr;
    QMenu *m_trayMenu = nullptr;
    QAction *m_showAction = nullptr;
    QAction *m_logFolderAction = nullptr;
    QAction *m_quitAction = nullptr;
    QLabel *m_title = nullptr;
    QPushButton *m_minButton = nullptr;
    QPushButton *m_maxButton = nullptr;
    QPushButton *m_closeButton = nullptr;
    QLabel *m_linkNotice = nullptr;
    QStackedWidget *m_pages = nullptr;
    bool m_exitPromptOpen = false;
};
