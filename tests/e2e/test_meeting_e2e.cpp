// A meeting end to end: the record button of the meeting page starts the
// cloud meeting service (its stand-in), the simulated mouse streams a minute
// of sound, the live transcript grows sentence by sentence, and after the
// stop the meeting is translated (translator stand-in), stored with its
// recording, listed, opened again, summarised (summary stand-in) and
// exported.

#include "business/funcontrolcenter.h"
#include "business/meeting_recorder_center.h"
#include "core/config/endpoints.h"
#include "core/meeting/meeting_store.h"
#include "core/setting/inifileinf.h"
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
#include "widget/iconfont/iconfont.h"
#include "widget/meeting/meeting_list.h"
#include "widget/meeting/meeting_minutes.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QTimer>
#include <QtTest>

#include <curl/curl.h>

namespace {
const QString kAppId = QStringLiteral("tw_e2e0000000000");
const QString kApiKey = QStringLiteral("sk-e2e000000000000000000000000000000");
constexpr int kAudioPeriodUs = 750;  // the mouse talks ten times faster than real time
constexpr int kSecondsOfSound = 60;
}

class MeetingE2E : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void cloudMeetingIsTranscribedStoredSummarisedAndExported();

private:
    DashscopeServer m_meeting;
    MicrosoftTranslatorServer m_translator;
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
    QVERIFY(m_meeting.listen() && m_translator.listen() && m_summary.listen());
    m_meeting.setCredentials(kAppId, kApiKey);
    m_meeting.setFramesPerSentence(50);  // one sentence per 5 s of sound
    m_translator.setKey(QStringLiteral("e2etranslate"),
                        BuiltInCredentials::translatorMicrosoftRegion());
    qputenv("TALKVANE_URL_DASHSCOPE", m_meeting.httpsUrl().toUtf8());
    qputenv("TALKVANE_URL_DASHSCOPE_WS", m_meeting.wsUrl().toUtf8());
    qputenv("TALKVANE_URL_TRANSLATOR_MICROSOFT", m_translator.url().toUtf8());
    qputenv("TALKVANE_URL_MANAGEMENT", m_summary.url().toUtf8());
    IniFileInf::saveAllConfig({{"use_aliyun_meeting", "1"},
                               {"country", "us"},
                               {"translatelangstr", "en"}});
    QFile::remove(QStringLiteral("test.db"));
    QFile::remove(QStringLiteral("test.db-wal"));

    // What the main window does at start-up.
    auto center = FunControlCenter::getInstance();
    center->setMeetingCredentials(kAppId, kApiKey);
    center->microsoftTranslator()->setKeys(QString(), QStringLiteral("e2etranslate"), QString());
    center->aliyunMeeting()->setSendInterval(10);
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

void MeetingE2E::cloudMeetingIsTranscribedStoredSummarisedAndExported()
{
    MeetingMinutes *minutes = m_list->minutes();
    auto *record = minutes->findChild<QAbstractButton *>(QStringLiteral("meetingRecordButton"));
    auto *content = minutes->findChild<QTextEdit *>(QStringLiteral("meetingContent"));
    QVERIFY(record && content);
    m_list->createMeeting();
    QVERIFY(record->isEnabled());
    record->click();
    QVERIFY(minutes->isRecording());
    // The row exists from the start, marked unfinished.
    QTRY_COMPARE_WITH_TIMEOUT(m_list->table()->rowCount(), 1, 5000);

    // The live transcript grows while the mouse talks.
    QTRY_VERIFY_WITH_TIMEOUT(content->toPlainText().contains(DashscopeServer::sentence(2)), 20000);
    QVERIFY(content->toPlainText().startsWith(DashscopeServer::sentence(1)));
    // Each audio report holds 7.5 ms of sound.
    QTRY_VERIFY_WITH_TIMEOUT(hidsim_audio_generated() >= kSecondsOfSound * 1000000 / 7500, 30000);
    record->click();
    QVERIFY(!minutes->isRecording());

    // Every frame reaches the service before it ends the meeting; the whole
    // transcript, not a sentence, is what the window keeps.
    auto *translation = minutes->findChild<QTextEdit *>(QStringLiteral("meetingTranslation"));
    QTRY_VERIFY_WITH_TIMEOUT(!translation->toPlainText().isEmpty(), 60000);
    const QString transcript = content->toPlainText();
    for (int n = 1; n <= 10; ++n)
        QVERIFY2(transcript.contains(DashscopeServer::sentence(n)), qPrintable(transcript));
    QVERIFY2(translation->toPlainText().contains(DashscopeServer::sentence(10)),
             qPrintable(translation->toPlainText()));

    // Stored with its recording: about a minute of 16 kHz 16-bit sound.
    const int id = minutes->meetingId();
    QVERIFY(id > 0);
    MeetingList reopened;
    QCOMPARE(reopened.table()->rowCount(), 1);
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
    const QString exported = m_dir.filePath(QStringLiteral("minutes"));
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
    QVERIFY(document.contains(DashscopeServer::sentence(10)));
}

QTEST_MAIN(MeetingE2E)
#include "test_meeting_e2e.moc"
