#pragma once

#include <QString>
#include <QWidget>

#include <atomic>
#include <memory>

class QLabel;
class QProgressBar;
class QPushButton;
struct HttpResult;

// The update check: asks the management server for the newest package,
// compares it with the running version and, on request, downloads it into
// the data folder, hands it to the desktop's opener and quits. One instance
// for the process, created on first use; GUI thread only. The requests run
// on worker threads and report back here.
class UpdateDialogue : public QWidget
{
    Q_OBJECT
public:
    static UpdateDialogue *instance();
    ~UpdateDialogue() override;

    // Starts a check for the running version text ("5.0.54") and shows the
    // dialog; a check already under way is superseded.
    void startversion(const QString &version);

public slots:
    void on_startButton_clicked();

protected:
    void changeEvent(QEvent *event) override;

private:
    explicit UpdateDialogue(QWidget *parent = nullptr);
    void finishedSlot(int check, const HttpResult &result);
    void analysisVersion(const QByteArray &body);
    void loadProgress(qint64 bytesReceived, qint64 bytesTotal);
    void replyFinished(bool ok, bool cancelled, const QString &error, const QString &package);
    void showProblem(const QString &text);

    QString m_currentVersion;
    QString m_downloadUrl;
    int m_check = 0;  // answers of superseded checks are dropped
    bool m_downloading = false;
    std::shared_ptr<std::atomic_bool> m_cancel;
    QLabel *m_title = nullptr;
    QLabel *m_status = nullptr;
    QPushButton *m_start = nullptr;
    QProgressBar *m_progress = nullptr;
};
