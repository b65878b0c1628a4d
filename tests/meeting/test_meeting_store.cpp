// The meeting store on a real SQLite file: exact round trips, failures that
// are reported instead of swallowed, and files that are never damaged.

#include "core/meeting/meeting_recording.h"
#include "core/meeting/meeting_store.h"
#include "support/files.h"

#include <QElapsedTimer>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QtTest>

class TestMeetingStore : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void textRoundTripsExactly_data();
    void textRoundTripsExactly();
    void deletingTheOnlyRowLeavesAnEmptyList();
    void writesToAMissingRowReportFailure();
    void aMissingRecordingIsStoredAsAnEmptyBlob();
    void aFileThatIsNotADatabaseIsLeftUntouched();
    void aReadOnlyStoreListsButRefusesWrites();
    void aLockedDatabaseWaitsThenReports();
    void anOlderFileWithoutTheListIndexStillLists();
    void recoveryAttachesOnlyARecordingFromTheMeeting_data();
    void recoveryAttachesOnlyARecordingFromTheMeeting();

private:
    QString dbPath() const { return m_dir->filePath(QStringLiteral("test.db")); }
    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestMeetingStore::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void TestMeetingStore::textRoundTripsExactly_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("quotes") << QStringLiteral("He said \"it's\" `done` ''");
    QTest::newRow("sql") << QStringLiteral("x'); DROP TABLE users; -- %1 ? :id ;");
    QTest::newRow("html") << QStringLiteral("<script>alert('x')</script><b>&amp;</b>");
    QTest::newRow("unicode") << QStringLiteral("会议纪要 😀👩‍💻 naïve \\n back\\slash\r\n\ttab");
    QTest::newRow("long") << QString(5000, QChar(0x4e2d));
}

void TestMeetingStore::textRoundTripsExactly()
{
    QFETCH(QString, text);
    {
        MeetingStore store;
        QCOMPARE(store.open(dbPath()), MeetingStore::OpenResult::Ok);
        // Both ways in: a whole meeting, and one written while it runs.
        QVERIFY(store.insert({0, text, QStringLiteral("00:01:00"), text, text, text, {}}) > 0);
        const int id = store.begin(text);
        QVERIFY(id > 0);
        QVERIFY(store.saveTranscript(id, text));
        QVERIFY(store.finish(id, QStringLiteral("00:00:05"), text, QByteArray("RIFF\0x", 6)));
        QVERIFY(store.saveTranslation(id, text, text));
        QVERIFY(store.saveSummary(id, text));
    }
    MeetingStore store;  // what a fresh start finds
    QCOMPARE(store.open(dbPath()), MeetingStore::OpenResult::Ok);
    bool ok = false;
    const auto list = store.list(&ok);
    QVERIFY(ok);
    QCOMPARE(list.size(), 2);
    for (const auto &entry : list) {
        QCOMPARE(entry.name, text);
        QCOMPARE(entry.preview, text.left(MeetingStore::kPreviewLength));
        QVERIFY(!entry.unfinished());
        const auto m = store.load(entry.id);
        QVERIFY(m.has_value());
        QCOMPARE(m->content, text);
        QCOMPARE(m->translate, text);
        QCOMPARE(m->summary, text);
    }
    QCOMPARE(store.load(list.last().id)->wav, QByteArray("RIFF\0x", 6));
}

void TestMeetingStore::deletingTheOnlyRowLeavesAnEmptyList()
{
    MeetingStore store;
    QCOMPARE(store.open(dbPath()), MeetingStore::OpenResult::Ok);
    const int id = store.begin(QStringLiteral("2026/01/01 10:00:00"));
    QVERIFY(id > 0);
    QVERIFY(store.remove(id));
    QVERIFY(!store.remove(id));  // already gone: said so
    store.close();
    QCOMPARE(store.open(dbPath()), MeetingStore::OpenResult::Ok);
    bool ok = false;
    QVERIFY(store.list(&ok).isEmpty());
    QVERIFY(ok);
}

void TestMeetingStore::writesToAMissingRowReportFailure()
{
    MeetingStore store;
    QCOMPARE(store.open(dbPath()), MeetingStore::OpenResult::Ok);
    const int id = store.begin(QStringLiteral("a"));
    QVERIFY(!store.saveSummary(0, QStringLiteral("<p>x</p>")));
    QVERIFY(!store.lastError().isEmpty());
    QVERIFY(!store.saveTranscript(id + 1, QStringLiteral("x")));
    QCOMPARE(store.load(id)->summary, QString());
    QCOMPARE(store.load(id)->content, QString());
}

void TestMeetingStore::aMissingRecordingIsStoredAsAnEmptyBlob()
{
    QByteArray wav("stale");
    QVERIFY(!meetingWavFromPcm(m_dir->filePath(QStringLiteral("sound.pcm")), &wav));
    QVERIFY(wav.isEmpty());
    MeetingStore store;
    QCOMPARE(store.open(dbPath()), MeetingStore::OpenResult::Ok);
    const int id = store.begin(QStringLiteral("a"));
    QVERIFY(store.finish(id, QStringLiteral("00:00:01"), QStringLiteral("t"), wav));
    const auto m = store.load(id);
    QVERIFY(m->wav.isEmpty());
    QVERIFY(!store.awaitsRecording(id));

    // A recording there becomes a WAV: the header, then the samples.
    const QByteArray pcm(3200, '\x7f');
    QVERIFY(TestFiles::writeRaw(m_dir->filePath(QStringLiteral("sound.pcm")), pcm));
    QVERIFY(meetingWavFromPcm(m_dir->filePath(QStringLiteral("sound.pcm")), &wav));
    QCOMPARE(wav.size(), 44 + pcm.size());
    QCOMPARE(wav.left(4), QByteArray("RIFF"));
    QCOMPARE(wav.mid(44), pcm);
}

void TestMeetingStore::aFileThatIsNotADatabaseIsLeftUntouched()
{
    QByteArray garbage;
    for (int i = 0; i < 500; ++i)
        garbage += "this is somebody's file, not a database ";
    QVERIFY(TestFiles::writeRaw(dbPath(), garbage));
    MeetingStore store;
    QCOMPARE(store.open(dbPath()), MeetingStore::OpenResult::NotDatabase);
    QVERIFY(store.lastError().contains(QStringLiteral("not a database")));
    QVERIFY(!store.isOpen());
    QVERIFY(store.list().isEmpty());
    QCOMPARE(store.begin(QStringLiteral("a")), 0);
    QCOMPARE(TestFiles::readAll(dbPath()), garbage);
}

void TestMeetingStore::aReadOnlyStoreListsButRefusesWrites()
{
    {
        MeetingStore store;
        QCOMPARE(store.open(dbPath()), MeetingStore::OpenResult::Ok);
        QVERIFY(store.begin(QStringLiteral("kept")) > 0);
    }
    const QByteArray before = TestFiles::readAll(dbPath());
    MeetingStore store;
    QCOMPARE(store.open(dbPath(), SQLiteDB::Access::ReadOnly), MeetingStore::OpenResult::ReadOnly);
    QVERIFY(store.isReadOnly());
    QCOMPARE(store.list().size(), 1);
    QCOMPARE(store.begin(QStringLiteral("new")), 0);
    QVERIFY(!store.lastError().isEmpty());
    QVERIFY(!store.remove(store.list().first().id));
    QCOMPARE(store.list().size(), 1);
    QCOMPARE(TestFiles::readAll(dbPath()), before);
}

void TestMeetingStore::aLockedDatabaseWaitsThenReports()
{
    MeetingStore store;
    QCOMPARE(store.open(dbPath(), SQLiteDB::Access::ReadWrite, 300),
             MeetingStore::OpenResult::Ok);
    const int id = store.begin(QStringLiteral("a"));
    QVERIFY(store.saveTranscript(id, QStringLiteral("saved before")));
    {
        QSqlDatabase other = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"),
                                                       QStringLiteral("other"));
        other.setDatabaseName(dbPath());
        QVERIFY(other.open());
        QSqlQuery q(other);
        QVERIFY(q.exec(QStringLiteral("BEGIN IMMEDIATE")));
        QVERIFY(q.exec(QStringLiteral("UPDATE users SET meeting_name = 'other'")));

        QElapsedTimer clock;
        clock.start();
        QVERIFY(!store.saveTranscript(id, QStringLiteral("lost?")));
        QVERIFY2(clock.elapsed() >= 250, qPrintable(QString::number(clock.elapsed())));
        QVERIFY2(store.lastError().contains(QStringLiteral("locked")), qPrintable(store.lastError()));
        // Reading goes on while another connection writes.
        QCOMPARE(store.list().size(), 1);
        QVERIFY(q.exec(QStringLiteral("ROLLBACK")));
        other.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("other"));
    QCOMPARE(store.load(id)->content, QStringLiteral("saved before"));
    QVERIFY(store.saveTranscript(id, QStringLiteral("later")));
}

void TestMeetingStore::anOlderFileWithoutTheListIndexStillLists()
{
    {
        QSqlDatabase old = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("old"));
        old.setDatabaseName(dbPath());
        QVERIFY(old.open());
        QSqlQuery q(old);
        QVERIFY(q.exec(QStringLiteral(
            "CREATE TABLE users (id INTEGER PRIMARY KEY AUTOINCREMENT, meeting_name TEXT, "
            "meeting_time TEXT, meeting_content TEXT, meeting_translate TEXT, meeting_AI TEXT, "
            "meeting_wav BLOB, created_at DATETIME DEFAULT CURRENT_TIMESTAMP)")));
        QVERIFY(q.exec(QStringLiteral("INSERT INTO users (meeting_name, meeting_time, "
                                      "meeting_content) VALUES ('n', '00:00:02', 'old text')")));
        q = QSqlQuery();
        old.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("old"));
    for (auto access : {SQLiteDB::Access::ReadOnly, SQLiteDB::Access::ReadWrite}) {
        MeetingStore store;
        QVERIFY(store.open(dbPath(), access) != MeetingStore::OpenResult::OpenFailed);
        bool ok = false;
        const auto list = store.list(&ok);
        QVERIFY(ok);
        QCOMPARE(list.size(), 1);
        QCOMPARE(list.first().preview, QStringLiteral("old text"));
        QCOMPARE(list.first().time, QStringLiteral("00:00:02"));
    }
}

void TestMeetingStore::recoveryAttachesOnlyARecordingFromTheMeeting_data()
{
    QTest::addColumn<int>("pcmAgeSeconds");  // relative to now; the meeting starts now
    QTest::addColumn<bool>("finished");
    QTest::addColumn<bool>("attached");
    QTest::newRow("recorded during the meeting") << 0 << false << true;
    QTest::newRow("left from an earlier meeting") << 3600 << false << false;
    QTest::newRow("meeting finished normally") << 0 << true << false;
}

void TestMeetingStore::recoveryAttachesOnlyARecordingFromTheMeeting()
{
    QFETCH(int, pcmAgeSeconds);
    QFETCH(bool, finished);
    QFETCH(bool, attached);
    MeetingStore store;
    QCOMPARE(store.open(dbPath()), MeetingStore::OpenResult::Ok);
    const int older = store.begin(QStringLiteral("older"));
    QVERIFY(store.finish(older, QStringLiteral("00:00:09"), QStringLiteral("o"), {}));
    const int id = store.begin(QStringLiteral("crashed"));
    QVERIFY(store.saveTranscript(id, QStringLiteral("said so far")));
    if (finished)
        QVERIFY(store.finish(id, QStringLiteral("00:00:01"), QStringLiteral("x"), {}));
    const QString pcmPath = m_dir->filePath(QStringLiteral("sound.pcm"));
    const QByteArray pcm(640, '\x11');
    QVERIFY(TestFiles::writeRaw(pcmPath, pcm));
    QFile f(pcmPath);
    QVERIFY(f.open(QIODevice::ReadWrite));
    QVERIFY(f.setFileTime(QDateTime::currentDateTimeUtc().addSecs(-pcmAgeSeconds),
                          QFileDevice::FileModificationTime));
    f.close();

    const int recovered = recoverUnfinishedMeeting(store, pcmPath);
    QCOMPARE(recovered, attached ? id : 0);
    QCOMPARE(store.load(id)->wav.mid(44), attached ? pcm : QByteArray());
    // Later voice input rewrites the raw recording; it never reaches this meeting.
    QVERIFY(TestFiles::writeRaw(pcmPath, QByteArray(320, '\x22')));
    QCOMPARE(recoverUnfinishedMeeting(store, pcmPath), 0);
    QCOMPARE(store.load(id)->wav.mid(44), attached ? pcm : QByteArray());
    QCOMPARE(store.load(id)->content, finished ? QStringLiteral("x") : QStringLiteral("said so far"));
    QVERIFY(store.load(older)->wav.isEmpty());
    QCOMPARE(store.unfinished().contains(id), !finished);
}

QTEST_GUILESS_MAIN(TestMeetingStore)
#include "test_meeting_store.moc"
