#pragma once

#include "core/device/device_timing.h"
#include "core/device/hiddevice.h"

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QStringList>

#include <memory>

class QTimer;
class BLEInterface;
class MyGlobalShortCut;
struct HidOpenResult;

enum LinkState {
    Scanning = -1,
    Disconnected = 0,
    ReceiverLinked = 1,
    BluetoothLinked = 2,
};

// The voice mouse: what it last reported, the life of its link (open, poll,
// notice silence, reconnect, close) and its extra buttons, which arrive as
// function keys and are timed into presses, long presses and short clicks.
class MouseDevice : public HIDDevice
{
    Q_OBJECT
public:
    static std::shared_ptr<MouseDevice> instance(const QString &vid = QStringLiteral("0x5850"),
                                                 const QString &pid = QStringLiteral("0x5653"));
    static void release();

    QString describe() const override;
    void connect() override;
    void getInfo() override;
    void startRecord() override;
    void stopRecord();

    void silent_connection();
    void closeDevice();
    void getBattery(int timeoutMs);
    void setDPI(int dpi);
    void setWBL(int value);
    void resetConnectState();
    // false when no Bluetooth link can be attempted.
    bool bleConnect();
    void onBleConnect();
    void connectbluettoothonoff();

    void deviceArrived(const QString &path);
    void deviceRemoved(const QString &path);

    QString linkModelText() const;
    QString displayModel() const;
    void setIsShort131(int value);
    void setSaveWavSegments(bool on) { m_saveWavSegments = on; }
    bool saveWavSegments() const { return m_saveWavSegments; }
    QString lastRecording() const { return m_lastRecording; }
    QStringList wavSegments() const { return m_segments; }

    static constexpr int kSegmentBytes = 192000;  // 6 s of 16 kHz 16-bit mono

    // The single entry for reports of both transports.
    void analysisData(const QByteArray &data);

    // What the mouse last reported.
    QString sn = QStringLiteral("unknown");
    int dpi = 0;
    int wheelSwitch = 0;
    int battery = 0;
    QString model = QStringLiteral("unknown");
    QString productName;
    QString firmwareVersion = QStringLiteral("unknown");
    int linkModel = 0;
    LinkState linkState = Disconnected;
    // Which cloud recogniser serves this mouse: "default" or "microsoft".
    QString recognizer = QStringLiteral("default");
    // How that recogniser transcribes when it cannot stream: "Multi" six-second
    // segments as they are recorded, "Single" the whole recording at the end.
    QString voiceMode = QStringLiteral("Multi");
    QString meetingMode = QStringLiteral("Single");
    int bleUp = 0;
    int hidUp = 0;
    int batteryPollMs = 5000;

    // Key modes: 0 long-press mode, 1 short-click mode.
    int isShort129 = 0;
    int isShort130 = 0;
    int isShort131 = 0;

    QTimer *replyTimer() const { return m_replyTimer; }
    BLEInterface *bluetooth() const { return m_ble; }
    // Tests shorten the intervals; the product runs on the defaults.
    void setTiming(const DeviceTiming &timing);
    const DeviceTiming &timing() const { return m_timing; }
    static int heartCount();

signals:
    void onSnChange(QString serialNumber);
    void onAudioData(QByteArray audio);
    void onConnectState(LinkState state);
    void audioWavFile(QString fileName, int num);
    // The capture files could not be written (a full disk): once per
    // recording. What was written before stays whole; the audio still flows.
    void captureWriteFailed(QString reason);
    void signalsKeyOne129(int time);
    void signalsKeyOne129Over(int time);
    void signalsKeyOne129ShortOver(int time);
    void signalsKeyOne130(int time);
    void signalsKeyOne130Over(int time);
    void signalsKeyOne130ShortOver(int time);
    void signalsKeyOne131(int time);
    void signalsKeyOne131Over(int time);
    void signalsKeyOne132(int time);
    void signalsKeyOne132Over(int time);
    void signalsKeyOne131ShortOver(int time);
    // Something the user has to act on for the mouse to work (the receiver
    // is there but cannot be opened), said once per failed attempt.
    void linkNotice(QString text);

public slots:
    void readhiddata() {}
    void heartbeat();
    void checkTimeout();
    void KeyOne129();
    void KeyOne129Over();
    void KeyOne130();
    void KeyOne130Over();
    void KeyOne131();
    void KeyOne131Over();
    void KeyOne132();
    void KeyOne132Over();

private:
    MouseDevice(const QString &vid, const QString &pid);

    void hidConnect();
    void silentReceiverConnect();
    void probeThen(bool silent);
    QString openFailureNotice(const HidOpenResult &failure) const;
    void handleAudioReport(const QByteArray &data);
    void finishUtterance();
    void finishSegment(int num);
    void openSegmentFile(int index);
    void handleReply(const QByteArray &data);
    void handleInfoReport(const QByteArray &data);
    bool handleNameReport(const QByteArray &data);
    void restartBatteryTimer(int ms);
    void setupKeys();

    // Key logic; group tests use model and productName.
    bool inGroupA() const;
    bool inGroupAPrime() const;
    bool inGroupB() const;
    bool inGroupC() const;
    bool inGroupD() const;
    void detectLongMouseModel129(int count);
    void detectLongMouseModel130(int count);
    void detectLongMouseModel131(int count);
    void detectReleaseMouseModel129(int count);
    void detectReleaseMouseModel130(int count);
    void detectReleaseMouseModel131(int count);
    void shortClick129();
    void shortClick130();
    void shortClick131();
    void keyPressed(int key);
    void keyReleased(int key);

    DeviceTiming m_timing;
    BLEInterface *m_ble = nullptr;
    QTimer *m_replyTimer;
    QTimer *m_batteryTimer;
    QTimer *m_audioIdleTimer;
    QTimer *m_keyTimers[4];
    int m_pressCount[4] = {0, 0, 0, 0};
    bool m_audioSeen = false;

    // Voice capture.
    bool m_saveWavSegments = false;
    QString m_lastRecording;
    QStringList m_segments;
    QFile m_segmentFile;
    QByteArray m_segmentBuffer;  // reused: kSegmentBytes, filled up to m_segmentFill
    int m_segmentFill = 0;
    bool m_captureFailureReported = false;
    bool m_arrivalPending = false;
    // Open failures: the last one of the current attempt, and whether the
    // silent reconnection already told the user.
    QString m_pendingNotice;
    bool m_silentNoticeGiven = false;
};

Q_DECLARE_METATYPE(LinkState)
