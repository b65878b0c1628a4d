// A meeting survives its process being killed: the page saves the transcript
// while recording, and the next start lists the unfinished meeting with what
// was saved and the recording the mouse had written.

#include "core/meeting/meeting_store.h"
#include "curl/curlwrapper.h"
#include "fakes/dashscope_server.h"
#include "fakes/dictation_server.h"
#include "fakes/http_server.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QtTest>

#include <csignal>

namespace {
const QString kAppId = QStringLiteral("tw_crash000000000");
const QString kApiKey = QStringLiteral("sk-crash00000000000000000000000000000");
const QString kHost = QStringLiteral(MEETING_HOST);
}

class MeetingCrashTest : public QObject
{
    Q_OBJECT

private slots:
    void killedMeetingIsListedWithItsTranscript();
};

void MeetingCrashTest::killedMeetingIsListedWithItsTranscript()
{
    CurlWrapper::setExtraCaFile(HttpServer::caFile());
    DictationServer::trustTestCa();
    DashscopeServer service;
    QVERIFY(service.listen());
    service.setCredentials(kAppId, kApiKey);
    service.setFramesPerSentence(5);  // one sentence per half second of sound
    const QString dir = QFileInfo(kHost).absolutePath();
    for (const char *name : {"test.db", "test.db-wal", "test.db-shm", "sound.pcm"})
        QFile::remove(dir + QLatin1Char('/') + QLatin1String(name));

    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("TALKVANE_URL_DASHSCOPE"), service.httpsUrl());
    env.insert(QStringLiteral("TALKVANE_URL_DASHSCOPE_WS"), service.wsUrl());
    env.insert(QStringLiteral("MEETING_APP_ID"), kAppId);
    env.insert(QStringLiteral("MEETING_API_KEY"), kApiKey);
    env.insert(QStringLiteral("MEETING_CA_FILE"), HttpServer::caFile());
    QProcess host;
    host.setProcessEnvironment(env);
    host.setWorkingDirectory(dir);
    host.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    host.start(kHost, {QStringLiteral("record")});
    QByteArray said;
    QTRY_VERIFY_WITH_TIMEOUT((said += host.readAllStandardOutput()).contains("recording"), 15000);

    // Sentences arrive and at least one save has stored some of them.
    MeetingStore reader;
    QTRY_VERIFY_WITH_TIMEOUT(service.connectionCount() == 1, 10000);
    const MeetingStore::OpenResult opened =
        reader.open(dir + QStringLiteral("/test.db"), SQLiteDB::Access::ReadOnly);
    QVERIFY(opened == MeetingStore::OpenResult::Ok || opened == MeetingStore::OpenResult::ReadOnly);
    QString saved;
    const auto savedUpTo = [&](int sentence) {
        const QVector<MeetingListEntry> entries = reader.list();
        if (entries.isEmpty())
            return false;
        const auto meeting = reader.load(entries.first().id);
        saved = meeting ? meeting->content : QString();
        return saved.contains(DashscopeServer::sentence(sentence));
    };
    QTRY_VERIFY_WITH_TIMEOUT(savedUpTo(3), 20000);
    reader.close();
    ::kill(pid_t(host.processId()), SIGKILL);
    QVERIFY(host.waitForFinished(5000));

    QProcess next;
    next.setWorkingDirectory(dir);
    next.start(kHost, {QStringLiteral("list")});
    QVERIFY(next.waitForFinished(15000));
    QCOMPARE(next.exitCode(), 0);
    const QStringList rows =
        QString::fromUtf8(next.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
    QCOMPARE(rows.size(), 1);
    const QStringList fields = rows.first().split('|');
    QCOMPARE(fields.size(), 4);
    QCOMPARE(fields.at(1), QString());  // still unfinished
    QCOMPARE(fields.at(2), QStringLiteral("1"));  // the recording came back
    // Everything up to the last save, at least what was seen saved before the kill.
    QVERIFY2(fields.at(3).startsWith(saved), qPrintable(rows.first()));
}

QTEST_GUILESS_MAIN(MeetingCrashTest)
#include "test_meeting_crash.moc"
