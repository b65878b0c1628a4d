#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QVector>
#include <QWidget>

#include "core/audio/audioplayer.h"
#include "core/speech/pxasrresulttype.h"

class MeetingRecorder;
class MeetingStore;
struct MeetingRecord;
class QAbstractButton;
class QLabel;
class QPushButton;
class QTextEdit;
class QTimer;
class QToolButton;

// The window in which a meeting is recorded and written up: live transcript,
// translation, AI summary, the recording, copy and export. A meeting's row is
// written to the store when recording starts and kept up to date while it
// runs, so a crash loses at most one save interval. GUI thread; the summary
// request runs on a worker thread.
class MeetingMinutes : public QWidget
{
    Q_OBJECT
public:
    static constexpr int kDefaultCheckpointMs = 30000;

    explicit MeetingMinutes(QWidget *parent = nullptr, int checkpointMs = kDefaultCheckpointMs);
    ~MeetingMinutes() override;

    void setRecorder(MeetingRecorder *recorder) { m_recorder = recorder; updateActions(); }
    void setStore(MeetingStore *store) { m_store = store; }
    // The raw recording the mouse writes; in the data folder by default.
    void setRecordingPath(const QString &path) { m_recordingPath = path; }
    void setCheckpointInterval(int ms);

    // Shows a stored meeting, stopped. Refused (false) while recording.
    bool showMeeting(const MeetingRecord &meeting);
    // An empty window for the next meeting. Refused (false) while recording.
    bool newMeeting();

    bool isRecording() const { return m_isRecording; }
    QDateTime startTime() const { return m_startTime; }
    QString startTimeText() const;
    QString duration() const { return m_duration; }
    bool microsoftMode() const { return m_microsoftMode; }
    int meetingId() const { return m_meetingId; }
    void setMeetingId(int id) { m_meetingId = id; updateActions(); }
    QByteArray recordingData() const { return m_recordingData; }
    QString transcript() const;
    QString translation() const;
    QString summaryHtml() const;
    // The meeting the last translation or summary was asked for, and what
    // was sent: the user may have opened another meeting meanwhile.
    int translationTargetId() const { return m_translationFor; }
    int summaryTargetId() const { return m_summaryFor; }
    QString summarySource() const { return m_summarySource; }
    QString lastSummaryHtml() const { return m_lastSummary; }

    // Something the store could not do, shown in the window until the next meeting.
    void reportStoreFailure(const QString &what);

signals:
    void tranlateFinish(QString origin, QString translate);
    void aiSummaryFinish();
    void meetingStarted(int id);     // its row exists
    void meetingSaved(int id);       // its row changed (stop, final transcript)
    void historyRequested();

public slots:
    void toggleRecording();
    // The recording could not be written to disk (a full disk): said in the
    // window; the transcript goes on.
    void captureFailed(QString reason);
    void updateMeetingContent(bool success, QString message, PXASRResultType resultType);
    void updateTranslation(QString message);
    void translationFailed(QString reason);
    void translateAgain();
    void generateSummary();
    void copyMeetingContent();
    void copyMeetingTranslateContent();
    void copyMeetingAiSummaryContent();
    void exportLeftContentToWord();
    void exportRightTopToWord();
    void exportRightBottomToWord();

protected:
    // The file to export to; empty when the user cancels.
    virtual QString chooseExportPath();
    void changeEvent(QEvent *event) override;

private:
    void buildUi();
    void retranslateUi();
    void startRecording();
    void stopRecording();
    void saveCheckpoint();
    void retryUnsaved();
    void showSaveWarning();
    void requestTranslation();
    void applySummary(int meetingId, const QString &source, bool ok, const QString &html,
                      const QString &error);
    void exportDocument(const QString &title, const QString &bodyHtml);
    void updateActions();
    QToolButton *toolButton(const char *icon);

    QTextEdit *m_summaryEdit = nullptr;
    QTextEdit *m_contentEdit = nullptr;
    QTextEdit *m_translateEdit = nullptr;
    QLabel *m_contentLabel = nullptr;
    QLabel *m_recordingLabel = nullptr;
    QLabel *m_translateLabel = nullptr;
    QLabel *m_summaryLabel = nullptr;
    QLabel *m_title = nullptr;
    QLabel *m_saveWarning = nullptr;
    QLabel *m_translateStatus = nullptr;
    QLabel *m_summaryStatus = nullptr;
    MeetingRecorder *m_recorder = nullptr;
    MeetingStore *m_store = nullptr;
    bool m_isRecording = false;
    QPushButton *m_recordButton = nullptr;
    QPushButton *m_historyButton = nullptr;
    QPushButton *m_retranslateButton = nullptr;
    QToolButton *m_copyContent = nullptr, *m_copyTranslate = nullptr, *m_copySummary = nullptr;
    QToolButton *m_exportContent = nullptr, *m_exportTranslate = nullptr,
                *m_exportSummary = nullptr;
    QToolButton *m_summaryButton = nullptr;
    QToolButton *m_play = nullptr, *m_pause = nullptr, *m_stop = nullptr;
    QDateTime m_startTime;
    QString m_duration;
    bool m_microsoftMode = false;
    QByteArray m_recordingData;
    AudioPlayer m_player;

    QString m_recordingPath;
    QTimer *m_checkpoint = nullptr;
    int m_meetingId = 0;
    bool m_acceptResults = false;  // from start until another meeting is shown
    QString m_savedTranscript;
    bool m_saveWarned = false;
    QString m_storeWarning, m_captureWarning;
    // Stopped meetings the store refused (a full disk): kept here and written
    // at every save interval until the store takes them.
    struct UnsavedMeeting {
        int id = 0;  // 0: its row was never written
        QString name, time, content;
        QByteArray wav;
    };
    QVector<UnsavedMeeting> m_unsaved;
    int m_translationFor = 0;
    QString m_translationSource;
    int m_summaryFor = 0;
    QString m_summarySource;
    QString m_lastSummary;
};
