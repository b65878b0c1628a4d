#pragma once

#include <QWidget>

#include <memory>

class QComboBox;
class QLabel;
class QPushButton;
class QTranslator;
class SwitchButton;

// The software settings page: interface language, start with the session,
// the update check, logging and the log upload, the mouse's firmware version
// and serial number. Every control writes its setting at once. Lives on the
// GUI thread; the upload runs on the global thread pool.
class SystemSetting : public QWidget
{
    Q_OBJECT
public:
    explicit SystemSetting(QWidget *parent = nullptr);
    ~SystemSetting() override;

signals:
    void logSwitchSign(bool checked);

public slots:
    // Stores "isLog" and sends the log to the file (checked) or to standard
    // error from now on.
    void logSwitch(bool checked);
    void setMouseInfo(QString sn, QString ver);

protected:
    void changeEvent(QEvent *event) override;

private:
    void buildUi();
    void retranslateUi();
    void restoreState();
    void languageChosen(int row);
    void bootSwitched(bool on);
    void showSerialMenu(const QPoint &pos);
    void uploadLog();
    void showUploadResult(int result);

    QComboBox *m_language = nullptr;
    QLabel *m_version = nullptr;
    SwitchButton *m_boot = nullptr;
    QPushButton *m_checkUpdate = nullptr;
    SwitchButton *m_log = nullptr;
    QPushButton *m_upload = nullptr;
    QLabel *m_firmware = nullptr;
    QLabel *m_serial = nullptr;
    // Section titles and row captions, in the order retranslateUi sets them.
    QVector<QLabel *> m_captions;
    std::unique_ptr<QTranslator> m_translator;
};
