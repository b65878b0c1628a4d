#pragma once

#include <QWidget>

class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QTimer;

// The log window of the diagnostics page: where log lines go (the file, the
// file and this window, or standard error) and, while it is shown with
// "to window" chosen, the lines themselves. One per process; the
// diagnostics page owns it. GUI thread; lines logged on other threads are
// collected and shown a few times a second.
class LogWidget : public QWidget
{
    Q_OBJECT
public:
    static constexpr int kMaxChars = 0x200000;  // cleared beyond this
    static constexpr int kFlushMs = 200;

    explicit LogWidget(QWidget *parent = nullptr);
    ~LogWidget() override;

    // The log file (true) or standard error; does nothing while no log
    // window exists.
    static void logSwitch(bool toFile);
    static LogWidget *instance();

    QString text() const;

signals:
    void logOutputed(QString log);

public slots:
    void showLog(QString log);
    void on_radioButton_ToFile_clicked();
    void on_radioButton_toControl_clicked();
    void on_radioButton_ToDebug_clicked();
    void on_pushButton_clicked();

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void retranslateUi();
    void updateListening();
    void flush();

    QRadioButton *m_toControl = nullptr;
    QRadioButton *m_toFile = nullptr;
    QRadioButton *m_toDebug = nullptr;
    QPushButton *m_clear = nullptr;
    QPlainTextEdit *m_text = nullptr;
    QTimer *m_flush = nullptr;
};
