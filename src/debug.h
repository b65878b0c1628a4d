#pragma once

#include <QWidget>

#include <memory>

#include "core/device/mousedevice.h"

class DiagnosticsPanel;
class FunControlCenter;
class LogWidget;
class QLabel;

// The diagnostics page. Creating it connects the mouse's buttons to the
// control center: long presses run voice scenes while held, short clicks
// run their one-shot actions.
class Debug : public QWidget
{
    Q_OBJECT
public:
    explicit Debug(QWidget *parent = nullptr);

    QString keyLabelText() const;
    QString noticeText() const;
    static bool longPressActive();
    LogWidget *logWindow() const { return m_logWindow; }

signals:
    // The mouse's serial number and firmware version, each time it reports them.
    void receiveMouseInfo(QString sn, QString ver);

public slots:
    // The log file (checked) or standard error from now on.
    void logSwitch(bool checked);

protected:
    void changeEvent(QEvent *event) override;

private:
    void retranslateUi();
    void wireButtons();
    bool linkReady() const;
    void longPressStart(int key, int count);
    void longPressEnd(int key, int count);
    void shortClick(int key, int count);
    void showNotice(const QString &text);
    void showDeviceInfo();
    static QString keyName(int key);

    MouseDevice *m_device = nullptr;
    std::shared_ptr<FunControlCenter> m_center;
    QLabel *m_hint = nullptr;
    QLabel *m_caption = nullptr;
    QLabel *m_status = nullptr;
    QLabel *m_info = nullptr;
    DiagnosticsPanel *m_panel = nullptr;
    LogWidget *m_logWindow = nullptr;
    LinkState m_linkState = Disconnected;
    bool m_keySeen = false;
    QLabel *m_keyLabel = nullptr;
    QLabel *m_notice = nullptr;
};
