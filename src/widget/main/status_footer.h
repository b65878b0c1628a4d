#pragma once

#include <QWidget>

class QLabel;

// The main window's footer: how the mouse is linked, its battery level and
// picture, and its firmware version.
class StatusFooter : public QWidget
{
    Q_OBJECT
public:
    explicit StatusFooter(QWidget *parent = nullptr);

    void showLinkPicture(const QString &picture);
    void showBattery(int level);
    void hideBattery();
    void showFirmware(const QString &version);
    void showModel(const QString &text);
    void retranslateUi();

    QString linkPicture() const { return m_linkPicture; }
    QString batteryText() const;
    bool batteryShown() const;

private:
    QLabel *m_link = nullptr;
    QLabel *m_model = nullptr;
    QLabel *m_batteryIcon = nullptr;
    QLabel *m_batteryText = nullptr;
    QLabel *m_firmwareCaption = nullptr;
    QLabel *m_firmware = nullptr;
    QString m_linkPicture;
    QString m_firmwareVersion;
};
