// How fast the meeting list page opens on a large store: the time from
// constructing MeetingList until its table is filled and the page has been
// painted, over a number of runs (median, fastest, slowest). The store holds
// 10,000 meetings, each with a one-minute recording (1.92 MB of PCM) and about
// 1 KB of transcript: some 19 GB, made once and kept in the folder given
// (default /tmp/talkvane-bench-meetings) for the next runs. Delete it by hand.
//
//   tests/support/own_display.sh build/tests/bench_meeting_list [folder] [runs]

#include "core/audio/wavfile.h"
#include "widget/iconfont/iconfont.h"
#include "widget/meeting/meeting_list.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTableWidget>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace {

constexpr int kMeetings = 10000;
constexpr int kPcmBytes = 16000 * 2 * 60;  // one minute

// Counts paints of the page's table, after they happened.
class TimedApplication : public QApplication
{
public:
    using QApplication::QApplication;
    bool notify(QObject *receiver, QEvent *event) override
    {
        const bool paint = event->type() == QEvent::Paint;
        const bool handled = QApplication::notify(receiver, event);
        if (paint && watched && receiver == watched)
            ++paints;
        return handled;
    }
    QObject *watched = nullptr;
    int paints = 0;
};

bool makeStore(const QString &folder)
{
    const QString marker = folder + QStringLiteral("/complete");
    if (QFile::exists(marker))
        return true;
    QDir().mkpath(folder);
    QFile::remove(folder + QStringLiteral("/test.db"));
    std::fprintf(stderr, "creating %d meetings in %s ...\n", kMeetings, qPrintable(folder));
    {
        // The page creates its table; fill it through a connection of our own.
        MeetingStore store;
        if (store.open(folder + QStringLiteral("/test.db")) != MeetingStore::OpenResult::Ok)
            return false;
    }
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("fill"));
        db.setDatabaseName(folder + QStringLiteral("/test.db"));
        if (!db.open())
            return false;
        QSqlQuery q(db);
        q.exec(QStringLiteral("PRAGMA synchronous=OFF"));
        db.transaction();
        QByteArray wav = makeWavHeader(kPcmBytes, 1, 16000, 16);
        wav.append(QByteArray(kPcmBytes, '\0'));
        for (int i = 0; i < kPcmBytes; i += 2)
            wav[44 + i] = char((i * 7) & 0x7f);
        QString transcript;
        while (transcript.size() < 1000)
            transcript += QStringLiteral("这是一段会议记录 meeting transcript text. ");
        q.prepare(QStringLiteral(
            "INSERT INTO users (meeting_name, meeting_time, meeting_content, meeting_translate, "
            "meeting_AI, meeting_wav) VALUES (?, ?, ?, ?, ?, ?)"));
        const QDateTime start(QDate(2025, 1, 1), QTime(9, 0));
        for (int i = 0; i < kMeetings; ++i) {
            // Each recording differs in its first samples, as real ones would.
            std::memcpy(wav.data() + 44, &i, sizeof i);
            q.addBindValue(start.addSecs(qint64(i) * 3600).toString(QStringLiteral("yyyy/MM/dd hh:mm:ss")));
            q.addBindValue(QStringLiteral("00:01:00"));
            q.addBindValue(QString::number(i) + QLatin1Char(' ') + transcript);
            q.addBindValue(transcript);
            q.addBindValue(QStringLiteral("<p>summary %1</p>").arg(i));
            q.addBindValue(wav);
            if (!q.exec()) {
                std::fprintf(stderr, "insert failed: %s\n", qPrintable(q.lastError().text()));
                return false;
            }
            if (i % 1000 == 999) {
                db.commit();
                db.transaction();
                std::fprintf(stderr, "  %d\n", i + 1);
            }
        }
        db.commit();
        q = QSqlQuery();
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("fill"));
    QFile done(marker);
    return done.open(QIODevice::WriteOnly);
}

}  // namespace

int main(int argc, char **argv)
{
    TimedApplication app(argc, argv);
    IconFont::instance().initFontAwesome();  // as the application does at start-up
    const QStringList args = app.arguments();
    const QString folder = args.value(1, QStringLiteral("/tmp/talkvane-bench-meetings"));
    const int runs = qMax(1, args.value(2, QStringLiteral("7")).toInt());
    if (!makeStore(folder)) {
        std::fprintf(stderr, "could not create the store in %s\n", qPrintable(folder));
        return 1;
    }
    MeetingList::Files files;
    files.database = folder + QStringLiteral("/test.db");
    files.recording = folder + QStringLiteral("/no-recording.pcm");

    QVector<double> times;
    for (int run = 0; run < runs; ++run) {
        QElapsedTimer clock;
        clock.start();
        auto *page = new MeetingList(files);
        const qint64 built = clock.nsecsElapsed();
        app.paints = 0;
        app.watched = page->table()->viewport();
        page->resize(1000, 700);
        page->show();
        if (!QTest::qWaitForWindowExposed(page, 10000))
            std::fprintf(stderr, "the page was never shown\n");
        while (app.paints == 0 && clock.elapsed() < 60000)
            app.processEvents(QEventLoop::AllEvents, 5);
        const double ms = clock.nsecsElapsed() / 1e6;
        std::printf("run %d: %d rows, constructed and loaded %.1f ms, shown %.1f ms\n", run + 1,
                    page->table()->rowCount(), built / 1e6, ms);
        if (page->table()->rowCount() != kMeetings)
            std::fprintf(stderr, "expected %d rows\n", kMeetings);
        times.append(ms);
        app.watched = nullptr;
        delete page;
        app.processEvents();
    }
    std::sort(times.begin(), times.end());
    std::printf("meeting list, %d meetings: median %.1f ms, min %.1f ms, max %.1f ms (%d runs)\n",
                kMeetings, times.at(times.size() / 2), times.first(), times.last(), runs);
    return 0;
}
