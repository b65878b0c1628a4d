#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QObject>
#include <QString>
#include <QVector>

#include <optional>

#include "sqlitedb.h"

// One stored meeting as the list shows it: no recording, the transcript cut
// to a preview.
struct MeetingListEntry {
    int id = 0;
    QString name;     // start time, "yyyy/MM/dd hh:mm:ss"
    QString time;     // duration "hh:mm:ss"; empty while unfinished
    QString preview;  // the beginning of the transcript
    bool unfinished() const { return time.isEmpty(); }
};

// One stored meeting in full, recording included.
struct MeetingRecord {
    int id = 0;
    QString name;
    QString time;
    QString content;    // transcript, plain text
    QString translate;  // translation, plain text
    QString summary;    // AI summary, HTML
    QByteArray wav;     // the recording as a whole WAV file, or empty
};

// The meetings in the SQLite file "test.db" (table users). A meeting's row is
// written when recording starts and kept up to date while it runs, so a crash
// loses at most the last save interval. Every write reports whether it
// happened; the reason is in lastError(). GUI thread only.
class MeetingStore : public QObject
{
    Q_OBJECT
public:
    enum class OpenResult {
        Ok,
        ReadOnly,     // readable; every write will fail
        OpenFailed,   // the file cannot be opened at all
        NotDatabase,  // the file is not a database (or is damaged); left as it is
        TableFailed,  // the table could not be created
    };

    static constexpr int kPreviewLength = 200;  // also in the list index

    explicit MeetingStore(QObject *parent = nullptr);

    // Opens path and makes sure the table exists. A file that cannot be
    // written is opened read-only; access ReadOnly forces that.
    OpenResult open(const QString &path, SQLiteDB::Access access = SQLiteDB::Access::ReadWrite,
                    int busyTimeoutMs = 5000);
    void close();
    bool isOpen() const { return m_open; }
    bool isReadOnly() const { return m_readOnly; }
    QString path() const { return m_path; }

    // Oldest first, as stored. *ok false when the listing failed.
    QVector<MeetingListEntry> list(bool *ok = nullptr);
    std::optional<MeetingRecord> load(int id);

    // A meeting that has just started: its name, nothing else yet. The new
    // id, or 0 on failure.
    int begin(const QString &name);
    // A whole meeting at once, for one that has no row; the new id or 0.
    int insert(const MeetingRecord &meeting);
    bool saveTranscript(int id, const QString &content);
    // The meeting ended: duration, final transcript and recording.
    bool finish(int id, const QString &time, const QString &content, const QByteArray &wav);
    bool saveTranslation(int id, const QString &content, const QString &translate);
    bool saveSummary(int id, const QString &html);
    bool saveRecording(int id, const QByteArray &wav);
    bool remove(int id);

    // Meetings whose recording never ended (no duration), newest first.
    QVector<int> unfinished();
    // When the row was written (UTC, whole seconds); invalid when unknown.
    QDateTime createdAt(int id);
    // A meeting begun but never finished nor recovered has no recording yet
    // (NULL); a finished one has its WAV or, without a recording, an empty one.
    bool awaitsRecording(int id);

    QString lastError() const { return m_lastError; }

private:
    bool write(const char *logText, const QString &statement, const QVector<QVariant> &params,
               qint64 *insertId = nullptr);

    SQLiteDB m_db;
    QString m_path;
    bool m_open = false;
    bool m_readOnly = false;
    QString m_lastError;
};
