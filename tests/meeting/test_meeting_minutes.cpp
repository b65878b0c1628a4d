// The minutes window and the meeting list on a real store: a meeting is kept
// from its first second, survives a crash, and every failure is shown.

#include "core/meeting/meeting_store.h"
#include "curl/curlwrapper.h"
#include "fakes/summary_server.h"
#include "support/files.h"
#include "support/message_boxes.h"
#include "widget/iconfont/iconfont.h"
#include "widget/meeting/meeting_export.h"
#include "widget/meeting/meeting_list.h"
#include "widget/meeting/meeting_minutes.h"
#include "widget/meeting/meeting_recorder.h"

#include <QLabel>
#include <QPushButton>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QtTest>

namespace {

class FakeRecorder : public MeetingRecorder
{
public:
    void startMeeting() override { ++starts; }
    void stopMeeting() override { ++stops; }
    void translateMeeting(const QString &transcript) override { translations << transcript; }
    QString recognitionEngine() const override { return engine; }

    int starts = 0;
    int stops = 0;
    QStringList translations;
    QString engine = QStringLiteral("default");
};

// Exports go to a path the test chose instead of a modal dialog.
class ExportingMinutes : public MeetingMinutes
{
public:
    QString path;

protected:
    QString chooseExportPath() override { return path; }
};

void say(MeetingMinutes *m, const QString &text,
         PXASRResultType type = PXASRResultType::ShowText)
{
    m->updateMeetingContent(true, text, type);
}

}  // namespace

class TestMeetingMinutes : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void aMeetingIsSavedWhileRecordingAndRecoveredAfterACrash();
    void stoppingStoresAtOnceAndATranslationUpdatesTheSameRow();
    void aTranslatorErrorIsShownAndTheMeetingStaysStored();
    void microsoftModeTranslatesAtStopOnlyWithATranscript_data();
    void microsoftModeTranslatesAtStopOnlyWithATranscript();
    void aFailedCheckpointIsToldOnceAndRecordingGoesOn();
    void exportWritesTheDocumentUnderTheRightName_data();
    void exportWritesTheDocumentUnderTheRightName();
    void summaryIsShownAsHtmlAndStoredForTheMeetingShown();
    void aFailedSummaryShowsAMessageAndStoresNothing_data();
    void aFailedSummaryShowsAMessageAndStoresNothing();
    void aSummaryWithoutAStoredMeetingTouchesNothing();
    void deletingTheOnlyRowEmptiesTheList();
    void aDamagedOrReadOnlyDatabaseIsToldAndKept_data();
    void aDamagedOrReadOnlyDatabaseIsToldAndKept();

private:
    MeetingList::Files files() const;
    std::unique_ptr<MeetingList> makeList();
    static QLabel *label(QWidget *w, const char *name) { return w->findChild<QLabel *>(name); }

    std::unique_ptr<QTemporaryDir> m_dir;
    FakeRecorder m_recorder;
    SummaryServer m_summary;
};

void TestMeetingMinutes::initTestCase()
{
    QVERIFY(IconFont::instance().initFontAwesome());
    QVERIFY(m_summary.listen());
    CurlWrapper::setExtraCaFile(HttpServer::caFile());
    qputenv("TALKVANE_URL_MANAGEMENT", m_summary.url().toUtf8());
}

void TestMeetingMinutes::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    m_recorder = FakeRecorder();
    m_summary.setAnswer(SummaryServer::Answer::Summary);
}

void TestMeetingMinutes::cleanup()
{
    m_summary.dropConnections();
}

MeetingList::Files TestMeetingMinutes::files() const
{
    MeetingList::Files f;
    f.database = m_dir->filePath(QStringLiteral("test.db"));
    f.recording = m_dir->filePath(QStringLiteral("sound.pcm"));
    f.checkpointMs = 200;
    f.busyTimeoutMs = 100;
    return f;
}

std::unique_ptr<MeetingList> TestMeetingMinutes::makeList()
{
    auto list = std::make_unique<MeetingList>(files());
    list->minutes()->setRecorder(&m_recorder);
    return list;
}

void TestMeetingMinutes::aMeetingIsSavedWhileRecordingAndRecoveredAfterACrash()
{
    const QByteArray pcm(16000, '\x21');
    int id = 0;
    {
        auto list = makeList();
        MeetingMinutes *m = list->minutes();
        m->toggleRecording();
        QCOMPARE(m_recorder.starts, 1);
        id = m->meetingId();
        QVERIFY(id > 0);
        QCOMPARE(list->table()->rowCount(), 1);
        QCOMPARE(list->table()->item(0, 1)->text(), QStringLiteral("未完成"));
        QCOMPARE(list->table()->item(0, 0)->text(), m->startTimeText());

        say(m, QStringLiteral("first words"));
        QTRY_COMPARE_WITH_TIMEOUT(list->store()->load(id)->content, QStringLiteral("first words"), 2000);
        say(m, QStringLiteral("first words, second words"));
        QTRY_COMPARE_WITH_TIMEOUT(list->store()->load(id)->content,
                                  QStringLiteral("first words, second words"), 2000);
        QVERIFY(TestFiles::writeRaw(files().recording, pcm));
        // The process dies here: nothing stops the meeting.
    }
    auto list = makeList();
    QCOMPARE(list->table()->rowCount(), 1);
    QCOMPARE(list->table()->item(0, 1)->text(), QStringLiteral("未完成"));
    QVERIFY(list->openMeeting(id));
    MeetingMinutes *m = list->minutes();
    QCOMPARE(m->transcript(), QStringLiteral("first words, second words"));
    QCOMPARE(m->recordingData().mid(44), pcm);

    // Its translation never came: it can be asked for again.
    auto *again = m->findChild<QPushButton *>(QStringLiteral("meetingRetranslateButton"));
    QVERIFY(!again->isHidden());
    again->click();
    QCOMPARE(m_recorder.translations, QStringList{QStringLiteral("first words, second words")});
    m->updateTranslation(QStringLiteral("premiers mots"));
    QCOMPARE(list->store()->load(id)->translate, QStringLiteral("premiers mots"));
    QVERIFY(again->isHidden());
    QCOMPARE(list->store()->list().size(), 1);
}

void TestMeetingMinutes::stoppingStoresAtOnceAndATranslationUpdatesTheSameRow()
{
    auto list = makeList();
    MeetingMinutes *m = list->minutes();
    QVERIFY(TestFiles::writeRaw(files().recording, QByteArray(3200, '\x05')));
    m->toggleRecording();
    const int id = m->meetingId();
    say(m, QStringLiteral("hello \"team\" <b>now</b>"));
    m->toggleRecording();
    QCOMPARE(m_recorder.stops, 1);
    QVERIFY(m_recorder.translations.isEmpty());  // the recogniser's end triggers it

    auto stored = list->store()->load(id);
    QCOMPARE(stored->time, m->duration());
    QVERIFY(!stored->time.isEmpty());
    QCOMPARE(stored->content, QStringLiteral("hello \"team\" <b>now</b>"));
    QCOMPARE(stored->wav.size(), 44 + 3200);
    QCOMPARE(list->table()->item(0, 1)->text(), m->duration());

    say(m, QStringLiteral("hello \"team\" <b>now</b>!"), PXASRResultType::ShowText);
    say(m, QString(), PXASRResultType::LongAudioEnd);
    QCOMPARE(m_recorder.translations, QStringList{QStringLiteral("hello \"team\" <b>now</b>!")});
    m->updateTranslation(QStringLiteral("hallo"));
    stored = list->store()->load(id);
    QCOMPARE(stored->content, QStringLiteral("hello \"team\" <b>now</b>!"));
    QCOMPARE(stored->translate, QStringLiteral("hallo"));
    QCOMPARE(list->store()->list().size(), 1);
}

void TestMeetingMinutes::aTranslatorErrorIsShownAndTheMeetingStaysStored()
{
    auto list = makeList();
    MeetingMinutes *m = list->minutes();
    m->toggleRecording();
    const int id = m->meetingId();
    say(m, QStringLiteral("words"));
    m->toggleRecording();
    say(m, QString(), PXASRResultType::LongAudioEnd);
    m->translationFailed(QStringLiteral("translator unreachable"));
    QVERIFY(label(m, "meetingTranslateStatus")->isVisibleTo(m));
    QVERIFY(label(m, "meetingTranslateStatus")->text().contains(QStringLiteral("translator unreachable")));
    QCOMPARE(list->store()->load(id)->content, QStringLiteral("words"));
    QVERIFY(!m->findChild<QPushButton *>(QStringLiteral("meetingRetranslateButton"))->isHidden());
}

void TestMeetingMinutes::microsoftModeTranslatesAtStopOnlyWithATranscript_data()
{
    QTest::addColumn<QStringList>("finals");
    QTest::addColumn<QStringList>("translations");
    QTest::newRow("nothing said") << QStringList() << QStringList();
    QTest::newRow("two sentences") << QStringList{QStringLiteral("One."), QStringLiteral("Two.")}
                                   << QStringList{QStringLiteral("One.\nTwo.")};
}

void TestMeetingMinutes::microsoftModeTranslatesAtStopOnlyWithATranscript()
{
    QFETCH(QStringList, finals);
    QFETCH(QStringList, translations);
    m_recorder.engine = QStringLiteral("microsoft");
    auto list = makeList();
    MeetingMinutes *m = list->minutes();
    m->toggleRecording();
    QVERIFY(m->microsoftMode());
    say(m, QStringLiteral("partial"), PXASRResultType::Continue);  // not kept in this mode
    for (const QString &f : finals)
        say(m, f, PXASRResultType::Finish);
    m->toggleRecording();
    QCOMPARE(m_recorder.translations, translations);
}

void TestMeetingMinutes::aFailedCheckpointIsToldOnceAndRecordingGoesOn()
{
    auto list = makeList();
    MeetingMinutes *m = list->minutes();
    m->toggleRecording();
    const int id = m->meetingId();
    say(m, QStringLiteral("kept"));
    QTRY_COMPARE_WITH_TIMEOUT(list->store()->load(id)->content, QStringLiteral("kept"), 2000);

    QSqlDatabase other = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("w"));
    other.setDatabaseName(files().database);
    QVERIFY(other.open());
    QSqlQuery hold(other);
    QVERIFY(hold.exec(QStringLiteral("BEGIN IMMEDIATE")));
    say(m, QStringLiteral("kept and more"));
    QLabel *warning = label(m, "meetingSaveWarning");
    QTRY_VERIFY_WITH_TIMEOUT(warning->isVisibleTo(m), 3000);
    const QString told = warning->text();
    QVERIFY(told.contains(QStringLiteral("locked")));
    QVERIFY(m->isRecording());
    QCOMPARE(list->store()->load(id)->content, QStringLiteral("kept"));
    QVERIFY(hold.exec(QStringLiteral("ROLLBACK")));
    hold = QSqlQuery();
    other.close();
    other = QSqlDatabase();
    QSqlDatabase::removeDatabase(QStringLiteral("w"));

    QTRY_COMPARE_WITH_TIMEOUT(list->store()->load(id)->content, QStringLiteral("kept and more"), 2000);
    m->toggleRecording();
    QCOMPARE(list->store()->load(id)->content, QStringLiteral("kept and more"));
}

void TestMeetingMinutes::exportWritesTheDocumentUnderTheRightName_data()
{
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QString>("written");
    QTest::newRow("no extension") << "minutes" << "minutes.doc";
    QTest::newRow("docx kept") << "minutes.docx" << "minutes.docx";
    QTest::newRow("doc kept") << "minutes.doc" << "minutes.doc";
    QTest::newRow("other extension") << "minutes.txt" << "minutes.txt.doc";
}

void TestMeetingMinutes::exportWritesTheDocumentUnderTheRightName()
{
    QFETCH(QString, chosen);
    QFETCH(QString, written);
    ExportingMinutes m;
    m.path = m_dir->filePath(chosen);
    m.setRecorder(&m_recorder);
    m.toggleRecording();
    say(&m, QStringLiteral("a < b & \"c\"\nsecond line"));
    m.toggleRecording();
    MessageBoxes::Answerer boxes;
    m.exportLeftContentToWord();
    const QString path = m_dir->filePath(written);
    QCOMPARE(boxes.seen(), QStringList{QStringLiteral("成功: 文档已成功导出到:\n") + path});
    const QString expected = QStringLiteral(
        "<!DOCTYPE html PUBLIC \"-//W3C//DTD HTML 4.01 Transitional//EN\">\n"
        "<html>\n<head>\n"
        "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=UTF-8\">\n"
        "<title>实时会议内容</title>\n<style>\n"
        "body { font-family: 'Microsoft YaHei', Arial, sans-serif; }\n"
        "h1 { color: #0066cc; }\n"
        "table { border-collapse: collapse; width: 100%; }\n"
        "th, td { border: 1px solid #ddd; padding: 8px; text-align: left; }\n"
        "th { background-color: #f2f2f2; }\n"
        "</style>\n</head>\n<body>\n<h1>实时会议内容</h1>\n"
        "<div>a &lt; b &amp; &quot;c&quot;<br>\nsecond line</div>\n"
        "</body>\n</html>\n");
    QCOMPARE(TestFiles::readText(path), expected);

    // A folder that does not exist: told, nothing written.
    m.path = m_dir->filePath(QStringLiteral("missing/x"));
    boxes.clear();
    m.exportLeftContentToWord();
    QCOMPARE(boxes.seen().size(), 1);
    QVERIFY(boxes.seen().first().startsWith(QStringLiteral("错误: 无法创建文件: ")));
}

void TestMeetingMinutes::summaryIsShownAsHtmlAndStoredForTheMeetingShown()
{
    m_summary.setSummaryTemplate(QStringLiteral("line one\nline two <b>%1</b>"));
    auto list = makeList();
    MeetingMinutes *m = list->minutes();
    m->toggleRecording();
    const int id = m->meetingId();
    say(m, QStringLiteral("内容 & \"quotes\""));
    m->toggleRecording();
    QSignalSpy done(m, &MeetingMinutes::aiSummaryFinish);
    m->generateSummary();
    QVERIFY(done.wait(10000));
    QCOMPARE(m_summary.contents(), QStringList{QStringLiteral("内容 & \"quotes\"")});
    // As HTML: the reply's line break is only white space.
    QCOMPARE(m->findChild<QTextEdit *>(QStringLiteral("meetingSummary"))->toPlainText(),
             QStringLiteral("line one line two 内容 & \"quotes\""));
    QCOMPARE(list->store()->load(id)->summary,
             QStringLiteral("line one\nline two <b>内容 &amp; &quot;quotes&quot;</b>"));
}

void TestMeetingMinutes::aFailedSummaryShowsAMessageAndStoresNothing_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<QString>("reason");
    QTest::newRow("server error page") << int(SummaryServer::Answer::Status500) << "HTTP 500";
    QTest::newRow("connection cut") << int(SummaryServer::Answer::Hang) << "";
}

void TestMeetingMinutes::aFailedSummaryShowsAMessageAndStoresNothing()
{
    QFETCH(int, answer);
    QFETCH(QString, reason);
    m_summary.setAnswer(SummaryServer::Answer(answer));
    auto list = makeList();
    MeetingMinutes *m = list->minutes();
    m->toggleRecording();
    const int id = m->meetingId();
    say(m, QStringLiteral("words"));
    m->toggleRecording();
    QSignalSpy done(m, &MeetingMinutes::aiSummaryFinish);
    const int asked = m_summary.contents().size();
    m->generateSummary();
    if (SummaryServer::Answer(answer) == SummaryServer::Answer::Hang) {
        QTRY_COMPARE_WITH_TIMEOUT(m_summary.contents().size(), asked + 1, 5000);
        m_summary.dropConnections();
    }
    QLabel *status = label(m, "meetingSummaryStatus");
    QTRY_VERIFY_WITH_TIMEOUT(status->text().startsWith(QStringLiteral("AI总结失败")), 10000);
    QVERIFY(status->text().contains(reason));
    QVERIFY(status->isVisibleTo(m));
    QCOMPARE(done.count(), 0);
    QVERIFY(m->findChild<QTextEdit *>(QStringLiteral("meetingSummary"))->toPlainText().isEmpty());
    QVERIFY(list->store()->load(id)->summary.isEmpty());
}

void TestMeetingMinutes::aSummaryWithoutAStoredMeetingTouchesNothing()
{
    auto list = makeList();
    MeetingStore *store = list->store();
    const int other = store->insert({0, QStringLiteral("n"), QStringLiteral("00:00:01"),
                                     QStringLiteral("c"), QString(), QString(), {}});
    MeetingMinutes *m = list->minutes();
    list->createMeeting();
    QCOMPARE(list->currentId(), 0);
    m->findChild<QTextEdit *>(QStringLiteral("meetingContent"))->setPlainText(QStringLiteral("typed"));
    QSignalSpy done(m, &MeetingMinutes::aiSummaryFinish);
    m->generateSummary();
    QVERIFY(done.wait(10000));
    QVERIFY(store->load(other)->summary.isEmpty());
    QCOMPARE(store->list().size(), 1);
}

void TestMeetingMinutes::deletingTheOnlyRowEmptiesTheList()
{
    {
        auto list = makeList();
        list->minutes()->toggleRecording();
        list->minutes()->toggleRecording();
        QCOMPARE(list->table()->rowCount(), 1);
        auto *del = list->table()->findChild<QPushButton *>(QStringLiteral("deleteMeetingButton"));
        QCOMPARE(del->property("id").toInt(), list->minutes()->meetingId());
        del->click();
        QCOMPARE(list->table()->rowCount(), 0);
    }
    auto list = makeList();
    QCOMPARE(list->table()->rowCount(), 0);
}

void TestMeetingMinutes::aDamagedOrReadOnlyDatabaseIsToldAndKept_data()
{
    QTest::addColumn<bool>("damaged");
    QTest::newRow("not a database") << true;
    QTest::newRow("read-only") << false;
}

void TestMeetingMinutes::aDamagedOrReadOnlyDatabaseIsToldAndKept()
{
    QFETCH(bool, damaged);
    MeetingList::Files f = files();
    if (damaged) {
        QVERIFY(TestFiles::writeRaw(f.database, QByteArray(8192, 'x')));
    } else {
        MeetingStore store;
        QCOMPARE(store.open(f.database), MeetingStore::OpenResult::Ok);
        QVERIFY(store.begin(QStringLiteral("old")) > 0);
        store.close();
        f.access = SQLiteDB::Access::ReadOnly;
    }
    const QByteArray before = TestFiles::readAll(f.database);
    MessageBoxes::Answerer boxes;
    MeetingList list(f);
    list.minutes()->setRecorder(&m_recorder);
    QCOMPARE(boxes.seen().size(), damaged ? 1 : 0);
    QVERIFY(label(&list, "meetingStoreStatus")->isVisibleTo(&list));
    QCOMPARE(list.table()->rowCount(), damaged ? 0 : 1);

    // Recording still works; the window says the meeting cannot be kept.
    list.minutes()->toggleRecording();
    QVERIFY(label(list.minutes(), "meetingSaveWarning")->isVisibleTo(list.minutes()));
    list.minutes()->toggleRecording();
    QCOMPARE(TestFiles::readAll(f.database), before);
}

QTEST_MAIN(TestMeetingMinutes)
#include "test_meeting_minutes.moc"
