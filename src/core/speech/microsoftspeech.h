#pragma once

#include "core/speech/pxasrresulttype.h"

#include <QObject>
#include <QPointer>
#include <QQueue>
#include <QString>

#include <atomic>
#include <locale>
#include <string>
#include <string_view>

struct HttpResult;

// Speech recognition through the Microsoft service, two ways:
// - streaming: the mouse's PCM is pushed into the speech wrapper library
//   (Sonabridge), whose callbacks arrive on the SDK's threads and leave as
//   asrResult, delivered queued to receivers on other threads;
// - file transcription: WAV files are posted to the fast-transcription REST
//   service on a worker thread, one request at a time in the order they were
//   handed in, so the transcript keeps the order of the recording.
// Lives on the GUI thread. For "id-ID" spoken numbers and units are written
// out (IndonesianText).
class MicrosoftSpeech : public QObject
{
    Q_OBJECT
public:
    static constexpr const char *kApiVersion = "2024-11-15";

    explicit MicrosoftSpeech(QObject *parent = nullptr);
    ~MicrosoftSpeech() override;

    void setLocale(const QString &locale);
    QString locale() const { return m_locale; }
    void setKey(const QString &key);
    void setRegion(const QString &region);
    QString key() const { return m_key; }
    QString region() const { return m_region; }
    void setTimeouts(int connectMs, int totalMs);

    // The object whose onAudioData(QByteArray) carries the voice while a
    // streaming session runs.
    void setAudioSource(QObject *source) { m_audioSource = source; }

    // Whether streaming can work here: the wrapper library and the SDK core
    // it drives both load. The reason goes to *why and to the log.
    bool streamingAvailable(QString *why = nullptr);

    // "Transcript" starts a conversation transcription, anything else a
    // continuous recognition.
    void startRecognition(const std::string &mode);
    void leastVersionWin10Recognition();
    void transcription();
    // Ends the session started last; blocks until the library has stopped it.
    void recognitionEnd();

    // The whole raw recording ("sound.pcm"), as WAV; locale empty: the stored
    // one. index < 0: the text also ends the recognition (Finish).
    bool quickTranscription(const QString &locale, int index = 0);
    // One WAV segment; index < 0 marks the recording's last one.
    void multiFileTranscription(const QString &fileName, int index);
    void handleResult(const QString &json, int index);

    // The library's callbacks; run on SDK threads.
    void forward(std::string_view text, int kind);
    void forwardLog(std::string line);

    // The URL a transcription request goes to; empty when not configured.
    QString transcriptionUrl() const;
    // What the library gets as its region: the configured streaming URL with
    // the region filled in, or the region itself; empty when a refused
    // override leaves the endpoint unavailable.
    QString sdkRegionArgument() const;

    // The user's words for a transcription that brought no text.
    static QString failureMessage(const HttpResult &result);

signals:
    void asrResult(bool suc, QString txt, PXASRResultType type);

public slots:
    void writeStream(const QByteArray &audio);

private:
    enum class Session { None, Recognition, Transcription };
    struct Job {
        QString file;
        QString locale;
        int index;
    };
    void startStreaming(Session session);
    void enqueue(const Job &job);
    void runNext();
    void finished(const Job &job, const HttpResult &result);
    void fail(const QString &reason, const QString &message, int index);
    void emitText(const QString &text, PXASRResultType type);

    QString m_locale;
    QString m_transcript;
    QString m_region;
    QString m_key;
    // Number punctuation of the recognition locale, for written amounts;
    // kept here rather than made process-wide.
    std::locale m_numbers = std::locale::classic();
    std::atomic<bool> m_indonesian{false};
    Session m_session = Session::None;
    QPointer<QObject> m_audioSource;
    QQueue<Job> m_jobs;
    bool m_busy = false;
    int m_connectTimeoutMs = 10000;
    int m_timeoutMs = 30000;
};
