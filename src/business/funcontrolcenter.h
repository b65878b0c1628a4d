#pragma once

#include "business/sence_type.h"
#include "core/speech/aliyunmeetingapi.h"
#include "core/config/appconfig.h"
#include "core/speech/pxasrresulttype.h"

#include <QJsonObject>
#include <QKeySequence>
#include <QObject>
#include <QString>

#include <memory>

class CaMainWindow;
class MouseDevice;
class QFutureWatcherBase;
class TencentCloudSpeech;
class TraDialogue;
class MicrosoftOCR;
class MicrosoftSpeech;
class MicrosoftTranslator;
class XFYunWebApiDomestic;
class XunFeiTranslator;
class XunfeiOCR;

// Decides what a button press means: runs the scenes, starts and ends the
// recognition sessions and routes every result to where it belongs (typed
// into the focused window, shown in the result window, handed on).
class FunControlCenter : public QObject
{
    Q_OBJECT
public:
    static std::shared_ptr<FunControlCenter> getInstance(QObject *parent = nullptr);
    ~FunControlCenter() override;

    // Scenes.
    void startVoice();
    void startVoiceTra();
    void startVoiceAss();
    void startVoiceAi();
    void stopVoice();
    void startScreenOcr();
    // A meeting: long-running recognition whose results go to the minutes
    // window (meeting_scene.cpp).
    void startMeeting();
    void stopMeeting();
    // The finished transcript, translated into "translatelangstr"; the answer
    // comes as meetingTraCallback or meetingTraFailed.
    void translateMeeting(const QString &transcript);
    AliyunMeetingApi *aliyunMeeting() const { return m_aliyun; }
    void setMeetingCredentials(const QString &appId, const QString &apiKey);

public slots:
    // The same on the cloud meeting service ("use_aliyun_meeting" = "1"), and
    // the meeting page's query of a task's results.
    void startAliyunMeeting(const QJsonObject &parameters);
    void stopAliyunMeeting();
    void queryMeetingTask(const QString &taskId);

public:
    // Text selected in another application (scene 6). No translator is part
    // of this build yet: the result window says so beside the text.
    void startWordTranslation(const QString &text);

    // Buttons (called by the dispatch of the diagnostics page).
    void translateKeyShortClick();
    void voiceKeyShortClick();
    void aKeyShortClick();
    void translateKeyLongPress();
    void voiceKeyLongPress();
    void aKeyLongPress();
    void translateKeyRelease();
    void voiceKeyRelease();
    void aKeyRelease();
    void longClickStart(const QString &action);
    void longClickEnd(const QString &action);
    void commonShortClick(const QString &action);
    void keyEnter();
    void keyDel();
    void keyDesktop();
    void shortcut(const QKeySequence &sequence);

    // Results.
    void processingRecognitionResults(bool success, QString text, PXASRResultType type);
    void typingTextResult(const QString &text, PXASRResultType type);
    void pasteWithText(const QString &text, PXASRResultType type);

    // Fetches the service credentials from the management server and hands
    // them to the clients. Returns at once: the fetch runs on a worker
    // thread with its own time-outs, and the credentials are applied here on
    // the GUI thread when a verified payload has arrived; any failure leaves
    // every client as it was. Ends with keyManageFinished.
    void initKeyManage();
    const AppConfig &appConfig() const { return m_config; }
    // Kept until the client that uses them exists in this build.
    QString microsoftSpeechRegion() const { return m_microsoftSpeechRegion; }
    QString microsoftSpeechKey() const { return m_microsoftSpeechKey; }

    // Translation of a finished text, typed and shown, in the scene's target
    // language; retranslate only shows it (the result window's language list).
    void translateText(const QString &text);
    void retranslate(const QString &text, const QString &targetLanguage);

    // The capture tool wrote its selection to "ocr.png" in the data folder:
    // type 2 recognises its text (scene 4), any other type also translates
    // it (scene 5). Recognition starts kOcrStartDelayMs later.
    void ocrRequested(int type);
    static constexpr int kOcrStartDelayMs = 1000;
    XunfeiOCR *xunfeiOcr() const { return m_xunfeiOcr; }
    MicrosoftOCR *microsoftOcr() const { return m_microsoftOcr; }
    CaMainWindow *captureTool() const { return m_capture.get(); }

    void setSecDynamicTyping(bool on);
    bool dynamicTyping() const { return m_dynamicTyping; }
    void setCaptureState(int state) { m_captureState = state; }
    int captureState() const { return m_captureState; }
    bool segmentRecording() const { return m_segmentRecording; }
    SENCE_TYPE sence() const { return mSence; }
    XFYunWebApiDomestic *dictation() const { return m_xfyun; }
    TencentCloudSpeech *tencentSpeech() const { return m_tencent; }
    XunFeiTranslator *xunfeiTranslator() const { return m_xunfeiTranslator; }
    MicrosoftTranslator *microsoftTranslator() const { return m_microsoftTranslator; }
    MicrosoftSpeech *microsoftSpeech() const { return m_microsoftSpeech; }
    static bool voiceInputToggled();
    // True while a voice scene listens: the button's recording is only worth
    // starting then.
    bool listening() const { return m_listening; }

signals:
    void speechWindowText(QString textResult);
    void speechWindowTraText(QString textResult);
    void voiceAssCallback(QString textResult);
    void voiceAICallback(QString textResult);
    void wordTraCallback(QString targetText);
    void ocrCallback(QString textResult, SENCE_TYPE curSence = SENCE_OCR);
    void ocrTraCallback(QString textResult);
    void finishTask(SENCE_TYPE curSence = SENCE_OCR);
    void LongPressAiGpt(int idx);
    void keyManageFinished(bool applied);
    void showMeetingText(bool success, QString message, PXASRResultType resultType);
    void meetingTraCallback(QString targetText);
    void meetingTraFailed(QString message);
    void showMeetingJson(QString message);
    void aliyunRecognitionText(QString text);

private:
    explicit FunControlCenter(QObject *parent);
    void beginScene(SENCE_TYPE scene, const QString &title);
    void chooseRecogniser(const QString &code, int ptt, bool meeting = false);
    static bool usesTencent(const QString &code);
    void initTencent();
    void startTencent(const QString &code);
    void applyTencentKeys();
    void finishLater();
    void sceneUnavailable(const QString &title, const QString &notice);
    void openAiPage();
    void typeUpTo(const QString &text);
    void pasteWhenModifiersReleased(int waitedMs);
    void tapKey(unsigned virtualKey);
    bool isGroupA() const;
    bool isModelB() const;
    void applyKeys(const QByteArray &payload);
    void startTranslation(const QString &text, const QString &target);
    void translationArrived(const QString &translation);
    void translationFailed(const QString &message);
    void initOcr();
    // The Microsoft recogniser (microsoft_recognition.cpp).
    void initMicrosoftSpeech();
    bool usesMicrosoft() const;
    void startMicrosoftRecognition(const QString &code, bool meeting);
    void stopMicrosoftRecognition();
    void ocrArrived(const QString &text);
    void ocrFailed(const QString &message);

    void meetProcessingRecognitionResults(bool success, const QString &text, PXASRResultType type);
    void initAliyunMeeting();
    void aliyunMeetingResult(bool success, const QString &text,
                             AliyunMeetingApi::MeetingResultType type);
    static bool usesAliyunMeeting();

    SENCE_TYPE mSence = SENCE_VOICE;
    QString m_typedText;
    MouseDevice *m_device = nullptr;
    XFYunWebApiDomestic *m_xfyun = nullptr;
    TencentCloudSpeech *m_tencent = nullptr;
    XunFeiTranslator *m_xunfeiTranslator = nullptr;
    MicrosoftTranslator *m_microsoftTranslator = nullptr;
    XunfeiOCR *m_xunfeiOcr = nullptr;
    MicrosoftOCR *m_microsoftOcr = nullptr;
    std::unique_ptr<CaMainWindow> m_capture;
    std::shared_ptr<TraDialogue> m_window;
    int m_letter = 0;
    bool m_dynamicTyping = true;
    int m_captureState = 0;
    bool m_segmentRecording = false;
    bool m_listening = false;
    bool m_typeTranslation = true;
    AppConfig m_config;
    QFutureWatcherBase *m_keyFetch = nullptr;
    QString m_microsoftSpeechRegion;
    QString m_microsoftSpeechKey;
    MicrosoftSpeech *m_microsoftSpeech = nullptr;
    AliyunMeetingApi *m_aliyun = nullptr;
    QString m_meetingAppId;
    QString m_meetingApiKey;
    QString m_meetingTaskId;
    QString m_meetingSentences;   // the closed sentences of the running cloud meeting
    QString m_meetingTranscript;  // and with the open one
    bool m_meetingEnded = false;
    // How the running press is recognised by the Microsoft recogniser.
    enum class MicrosoftPath { None, Streaming, Segments, WholeRecording };
    MicrosoftPath m_microsoftPath = MicrosoftPath::None;
};
