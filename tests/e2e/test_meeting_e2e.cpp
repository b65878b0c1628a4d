// A meeting end to end: the record button of the meeting page starts the
// cloud meeting service or the long dictation (their stand-ins), the
// simulated mouse streams a minute of sound, the live transcript grows
// sentence by sentence, and after the stop the meeting is translated
// (translator stand-ins), stored with its recording, listed, opened again,
// summarised (summary stand-in) and exported.

#include "business/funcontrolcenter.h"
#include "business/meeting_recorder_center.h"
#include "core/config/endpoints.h"
#include "core/meeting/meeting_store.h"
#include "core/setting/inifileinf.h"
#include "core/speech/xfyunwebapidomestic.h"
#include "core/translator/xunfeitranslator.h"
#include "core/translator/microsofttranslator.h"
#include "curl/curlwrapper.h"
#include "fakes/dashscope_server.h"
#include "fakes/dictation_server.h"
#include "fakes/http_server.h"
#include "fakes/summary_server.h"
#include "fakes/translator_servers.h"
#include "sim/hidsim.h"
#include "support/files.h"
#include "support/message_boxes.h"
#include "support/simulated_mouse.h"
#include "utils/app_paths.h"
#include "widget/iconfont/iconfont.h"
#include "widget/meeting/meeting_list.h"
#include "widget/meeting/meeting_minutes.h"

#include <QAbstractButton>
#include <QLabel>
#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QTimer>
#include <QtTest>

#include <curl/curl.h>
#include <sys/resource.h>

#include <csignal>

namespace {
const QString kAppId = QStringLiteral("tw_e2e0000000000");
const QString kApiKey = QStringLiteral("sk-e2e000000000000000000000000000000");
constexpr int kAudioPeriodUs = 750;  // the mouse talks ten times faster than real time
constexpr int kSecondsOfSound = 60;
// 36 s per dictation session: the minute needs two, joined in the transcript.
constexpr int kDictationSessionFrames = 1200;
const QStringList kDictated = {QStringLiteral("会议现在开始。"), QStringLiteral("先看上周的进度。"),
                               QStringLiteral("测试已经完成。"), QStringLiteral("下周发布新版本。"),
                               QStringLiteral("会议到此结束。")};
}

class MeetingE2E : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void meetingIsTranscribedStoredSummarisedAndExported_data();
    void meetingIsTranscribedStoredSummarisedAndExported();
    void diskFillingMidMeetingLosesNothing();

private:
    DashscopeServer m_meeting;
    DictationServer m_dictation;
    MicrosoftTranslatorServer m_translator;
    IflytekTranslatorServer m_iflytekTranslator;
    SummaryServer m_summary;
    QTemporaryDir m_dir;
    MeetingList *m_list = nullptr;
    std::unique_ptr<ControlCenterMeetingRecorder> m_recorder;
};

void MeetingE2E::initTestCase()
{
    QVERIFY(IconFont::instance().initFontAwesome());
    // The save dialog must be one this process can answer.
    QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
    curl_global_init(CURL_GLOBAL_ALL);
    CurlWrapper::setExtraCaFile(HttpServer::caFile());
    DictationServer::trustTestCa();
    QVERIFY(m_meeting.listen() && m_dictation.listen() && m_translator.listen()
            && m_iflytekTranslator.listen() && m_summary.listen());
    m_meeting.setCredentials(kAppId, kApiKey);
    m_dictation.setCredentials(QStringLiteral("e2eapp"), QStringLiteral("e2ekey"),
                               QStringLiteral("e2esecret"));
    m_iflytekTranslator.setCredentials(QStringLiteral("otsapp"), QStringLiteral("otskey"),
                                       QStringLiteral("otssecret"));
    m_meeting.setFramesPerSentence(50);  // one sentence per 5 s of sound
    m_translator.setKey(QStringLiteral("e2etranslate"),
                        BuiltInCredentials::translatorMicrosoftRegion());
    qputenv("TALKVANE_URL_DASHSCOPE", m_meeting.httpsUrl().toUtf8());
    qputenv("TALKVANE_URL_DASHSCOPE_WS", m_meeting.wsUrl().toUtf8());
    qputenv("TALKVANE_URL_DICTATION", m_dictation.url().toUtf8());
    qputenv("TALKVANE_URL_TRANSLATOR_MICROSOFT", m_translator.url().toUtf8());
    qputenv("TALKVANE_URL_TRANSLATOR_IFLYTEK", m_iflytekTranslator.url().toUtf8());
    qputenv("TALKVANE_URL_MANAGEMENT", m_summary.url().toUtf8());
    IniFileInf::saveAllConfig({{"listenlangstr", "zh_cn"}, {"translatelangstr", "en"}});
    QFile::remove(QStringLiteral("test.db"));
    QFile::remove(QStringLiteral("test.db-wal"));

    // What the main window does at start-up.
    auto center = FunControlCenter::getInstance();
    center->setMeetingCredentials(kAppId, kApiKey);
    center->microsoftTranslator()->setKeys(QString(), QStringLiteral("e2etranslate"), QString());
    center->xunfeiTranslator()->setKeys(QStringLiteral("otsapp"), QStringLiteral("otskey"),
                                        QStringLiteral("otssecret"));
    center->dictation()->setAppId(QStringLiteral("e2eapp"));
    center->dictation()->setApiKey(QStringLiteral("e2ekey"));
    center->dictation()->setApiSecret(QStringLiteral("e2esecret"));
    center->dictation()->setSessionFrameLimit(kDictationSessionFrames);
    center->aliyunMeeting()->setSendInterval(10);
    center->dictation()->setSendInterval(2);
    m_list = new MeetingList;
    m_recorder = std::make_unique<ControlCenterMeetingRecorder>(center.get());
    m_recorder->attach(m_list->minutes());
    m_list->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_list));
    QVERIFY(connectSimulatedMouse());
    hidsim_set_audio_period_us(kAudioPeriodUs);
}

void MeetingE2E::cleanupTestCase()
{
    delete m_list;
    curl_global_cleanup();
}

void MeetingE2E::meetingIsTranscribedStoredSummarisedAndExported_data()
{
    QTest::addColumn<bool>("cloud");
    QTest::addColumn<QStringList>("sentences");
    QStringList cloud;
    for (int n = 1; n <= 10; ++n)
        cloud << DashscopeServer::sentence(n);
    QTest::newRow("cloud meeting service") << true << cloud;
    QTest::newRow("long dictation") << false << kDictated;
}

void MeetingE2E::meetingIsTranscribedStoredSummarisedAndExported()
{
    QFETCH(bool, cloud);
    QFETCH(QStringList, sentences);
    IniFileInf::saveAllConfig({{"use_aliyun_meeting", cloud ? "1" : "0"},
                               {"country", cloud ? "us" : "cn"}});
    const int connectionsBefore = m_meeting.connectionCount();
    if (cloud) {
        // The connection drops after 15 s of sound; the meeting goes on.
        m_meeting.dropAfterFrames(connectionsBefore, 150);
    } else {
        // Two sessions of the long dictation, each ended by its frame limit
        // or by the stop.
        const int first = m_dictation.sessionCount();
        m_dictation.setReplies(first, {{100, DictationServer::apd(0, 1, kDictated[0])},
                                       {600, DictationServer::apd(1, 2, kDictated[1])},
                                       {-1, DictationServer::apd(2, 3, kDictated[2], true)}});
        m_dictation.setReplies(first + 1, {{100, DictationServer::apd(0, 1, kDictated[3])},
                                           {-1, DictationServer::apd(2, 2, kDictated[4], true)}});
    }
    const int meetingsBefore = m_list->table()->rowCount();
    const int audioBefore = hidsim_audio_generated();

    MeetingMinutes *minutes = m_list->minutes();
    auto *record = minutes->findChild<QAbstractButton *>(QStringLiteral("meetingRecordButton"));
    auto *content = minutes->findChild<QTextEdit *>(QStringLiteral("meetingContent"));
    QVERIFY(record && content);
    m_list->createMeeting();
    QVERIFY(record->isEnabled());
    record->click();
    QVERIFY(minutes->isRecording());
    // The row exists from the start, marked unfinished.
    QTRY_COMPARE_WITH_TIMEOUT(m_list->table()->rowCount(), meetingsBefore + 1, 5000);

    // The live transcript grows while the mouse talks.
    QTRY_VERIFY_WITH_TIMEOUT(content->toPlainText().contains(sentences[1]), 20000);
    QVERIFY(content->toPlainText().startsWith(sentences[0]));
    // Each audio report holds 7.5 ms of sound.
    QTRY_VERIFY_WITH_TIMEOUT(
        hidsim_audio_generated() - audioBefore >= kSecondsOfSound * 1000000 / 7500, 30000);
    record->click();
    QVERIFY(!minutes->isRecording());

    // Every frame reaches the service before it ends the meeting; the whole
    // transcript, not a sentence, a session or a connection, is what the
    // window keeps.
    auto *translation = minutes->findChild<QTextEdit *>(QStringLiteral("meetingTranslation"));
    QTRY_VERIFY_WITH_TIMEOUT(!translation->toPlainText().isEmpty(), 60000);
    const QString transcript = content->toPlainText();
    // The mouse may talk a little beyond the minute.
    QVERIFY2(transcript.startsWith(sentences.join(QString())), qPrintable(transcript));
    if (cloud)
        QCOMPARE(m_meeting.connectionCount(), connectionsBefore + 2);
    QCOMPARE(translation->toPlainText(), QStringLiteral("[en] ") + transcript);

    // Stored with its recording: about a minute of 16 kHz 16-bit sound.
    const int id = minutes->meetingId();
    QVERIFY(id > 0);
    MeetingList reopened;
    QCOMPARE(reopened.table()->rowCount(), meetingsBefore + 1);
    QVERIFY(reopened.openMeeting(id));
    QCOMPARE(reopened.minutes()->transcript(), transcript);
    QCOMPARE(reopened.minutes()->translation(), translation->toPlainText());
    const QByteArray wav = reopened.minutes()->recordingData();
    QVERIFY2(wav.size() > 44 + 55 * 32000, qPrintable(QString::number(wav.size())));
    QVERIFY(wav.startsWith("RIFF"));

    // Summarised and stored.
    reopened.minutes()->generateSummary();
    QTRY_VERIFY_WITH_TIMEOUT(reopened.minutes()->summaryHtml().contains(QStringLiteral("Summary")),
                             10000);
    QTRY_VERIFY_WITH_TIMEOUT(reopened.store()->load(id)->summary.contains(QStringLiteral("Summary")),
                             5000);

    // Exported through the save dialog.
    const QString exported =
        m_dir.filePath(QStringLiteral("minutes-") + QString::number(id));
    QTimer answerDialog;
    answerDialog.setInterval(100);
    connect(&answerDialog, &QTimer::timeout, this, [&answerDialog, exported] {
        for (QWidget *widget : QApplication::topLevelWidgets()) {
            auto *dialog = qobject_cast<QFileDialog *>(widget);
            if (dialog && dialog->isVisible()) {
                answerDialog.stop();
                // Typed into the name field, as a user would.
                if (auto *name = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit")))
                    name->setText(exported);
                QMetaObject::invokeMethod(dialog, "accept", Qt::QueuedConnection);
                return;
            }
        }
    });
    answerDialog.start();
    QString boxText;
    MessageBoxes::answerNext(this, QMessageBox::Ok, &boxText);
    reopened.minutes()->exportLeftContentToWord();
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(exported + QStringLiteral(".doc")), 5000);
    const QString document = TestFiles::readText(exported + QStringLiteral(".doc"));
    QVERIFY(document.startsWith(QStringLiteral("<!DOCTYPE html PUBLIC")));
    QVERIFY(document.contains(sentences.last()));
}

void MeetingE2E::diskFillingMidMeetingLosesNothing()
{
    IniFileInf::saveAllConfig({{"use_aliyun_meeting", "1"}, {"country", "us"}});
    MeetingMinutes *minutes = m_list->minutes();
    auto *record = minutes->findChild<QAbstractButton *>(QStringLiteral("meetingRecordButton"));
    auto *content = minutes->findChild<QTextEdit *>(QStringLiteral("meetingContent"));
    auto *warning = minutes->findChild<QLabel *>(QStringLiteral("meetingSaveWarning"));
    minutes->setCheckpointInterval(300);
    m_list->createMeeting();
    record->click();
    const int id = minutes->meetingId();
    QVERIFY(id > 0);
    QTRY_VERIFY_WITH_TIMEOUT(
        m_list->store()->load(id)->content.contains(DashscopeServer::sentence(2)), 20000);

    // The disk fills up (a file-size limit stands in for it), in the middle
    // of an audio report: the capture keeps whole samples only.
    const QString pcm = AppPaths::inDataDir(QStringLiteral("sound.pcm"));
    const qint64 captured = QFileInfo(pcm).size();
    rlimit old {};
    getrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit full = old;
    full.rlim_cur = rlim_t(captured + 101);
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &full), 0);
    QTRY_VERIFY_WITH_TIMEOUT(warning->isVisible(), 5000);
    const QString captureNotice = warning->text();

    // The meeting goes on; its end cannot be stored yet, and says so.
    QTRY_VERIFY_WITH_TIMEOUT(content->toPlainText().contains(DashscopeServer::sentence(4)), 20000);
    record->click();
    QVERIFY(warning->text().size() > captureNotice.size());
    QCOMPARE(QFileInfo(pcm).size(), captured);
    QVERIFY(m_list->store()->load(id)->time.isEmpty());

    // Space again: the meeting is stored whole, with the sound recorded
    // before the disk filled.
    setrlimit(RLIMIT_FSIZE, &old);
    QTRY_VERIFY_WITH_TIMEOUT(!m_list->store()->load(id)->time.isEmpty(), 5000);
    const MeetingRecord stored = *m_list->store()->load(id);
    QCOMPARE(stored.content, content->toPlainText());
    QVERIFY(stored.content.contains(DashscopeServer::sentence(4)));
    QCOMPARE(stored.wav.size(), int(captured) + 44);
    QCOMPARE(warning->text(), captureNotice);
}

QTEST_MAIN(MeetingE2E)
#include "test_meeting_e2e.moc"
