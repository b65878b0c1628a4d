#include "meeting_store.h"

#include <QDebug>
#include <QFileInfo>

namespace {

const QString kCreateTable = QStringLiteral(
    "CREATE TABLE IF NOT EXISTS users ("
    "id INTEGER PRIMARY KEY AUTOINCREMENT, "
    "meeting_name TEXT, "
    "meeting_time TEXT, "
    "meeting_content TEXT, "
    "meeting_translate TEXT, "
    "meeting_AI TEXT, "
    "meeting_wav BLOB, "
    "created_at DATETIME DEFAULT CURRENT_TIMESTAMP)");

// The list's columns in an index of their own: listing then reads the index
// alone instead of one scattered page per meeting among the recordings (two
// seconds instead of a tenth on a cold disk with 10,000 meetings). The
// preview length must match kPreviewLength and the list query literally.
const QString kCreateListIndex = QStringLiteral(
    "CREATE INDEX IF NOT EXISTS users_list "
    "ON users(id, meeting_name, meeting_time, substr(meeting_content, 1, 200))");
const QString kListColumns = QStringLiteral(
    "SELECT id, meeting_name, meeting_time, substr(meeting_content, 1, 200) FROM users");

// SQLite's primary result codes that matter here.
constexpr int kSqliteReadOnly = 8;
constexpr int kSqliteCorrupt = 11;
constexpr int kSqliteCantOpen = 14;
constexpr int kSqliteNotADb = 26;

QString text(const QVariant &v)
{
    return v.isNull() ? QString() : v.toString();
}

}  // namespace

MeetingStore::MeetingStore(QObject *parent) : QObject(parent) {}

MeetingStore::OpenResult MeetingStore::open(const QString &path, SQLiteDB::Access access,
                                            int busyTimeoutMs)
{
    close();
    m_path = path;
    m_lastError.clear();
    // A file or folder we may not write to: read what is there rather than
    // fail (WAL also needs to create files beside the database).
    const QFileInfo file(path);
    const QFileInfo dir(file.absolutePath());
    if (access == SQLiteDB::Access::ReadWrite && file.exists()
        && (!file.isWritable() || !dir.isWritable()))
        access = SQLiteDB::Access::ReadOnly;

    if (!m_db.open(path, access, busyTimeoutMs)) {
        m_lastError = m_db.lastError();
        return OpenResult::OpenFailed;
    }
    // SQLite opens lazily: the first read tells whether this is a database.
    // Nothing is written before that, so a damaged file stays as it was.
    bool ok = false;
    m_db.query(QStringLiteral("SELECT count(*) FROM sqlite_master"), {}, &ok);
    if (!ok) {
        m_lastError = m_db.lastError();
        const int code = m_db.lastErrorCode();
        m_db.close();
        if (code == kSqliteNotADb || code == kSqliteCorrupt)
            return OpenResult::NotDatabase;
        return OpenResult::OpenFailed;
    }
    m_readOnly = access == SQLiteDB::Access::ReadOnly;
    if (!m_readOnly) {
        // WAL: a reader never waits for the writer and a crash mid-write
        // leaves the last committed state. synchronous=FULL makes every
        // commit survive a power cut too; meetings are written once per save
        // interval, so the extra sync costs nothing noticeable.
        m_db.query(QStringLiteral("PRAGMA journal_mode=WAL"));
        m_db.exec(QStringLiteral("PRAGMA synchronous=FULL"));
        if (!m_db.exec(kCreateTable)) {
            m_lastError = m_db.lastError();
            const int code = m_db.lastErrorCode();
            if (code == kSqliteReadOnly || code == kSqliteCantOpen) {
                m_readOnly = true;  // a file system mounted read-only and the like
            } else {
                qWarning() << "Create table error:" << m_lastError;
                m_db.close();
                return OpenResult::TableFailed;
            }
        }
        if (!m_readOnly && !m_db.exec(kCreateListIndex))
            qWarning() << "the list index is missing, listing will be slower:" << m_db.lastError();
    }
    if (m_readOnly) {
        bool hasTable = false;
        const auto rows = m_db.query(
            QStringLiteral("SELECT count(*) FROM sqlite_master WHERE type='table' AND name=?"),
            {QStringLiteral("users")}, &hasTable);
        if (!hasTable || rows.isEmpty() || rows.first().value(0).toInt() == 0) {
            m_lastError = tr("the database is read-only and has no meeting table");
            qWarning() << "Create table error:" << m_lastError;
            m_db.close();
            return OpenResult::TableFailed;
        }
    }
    m_open = true;
    return m_readOnly ? OpenResult::ReadOnly : OpenResult::Ok;
}

void MeetingStore::close()
{
    m_db.close();
    m_open = false;
    m_readOnly = false;
}

QVector<MeetingListEntry> MeetingStore::list(bool *ok)
{
    QVector<MeetingListEntry> entries;
    bool done = false;
    // Never the recordings: with the index the rows themselves are not read,
    // and without it (an older read-only file) naming neither the recording
    // nor created_at, which comes after it, keeps SQLite from reading them.
    auto rows = m_db.query(kListColumns + QStringLiteral(" INDEXED BY users_list ORDER BY id"),
                           {}, &done);
    if (!done)
        rows = m_db.query(kListColumns + QStringLiteral(" ORDER BY id"), {}, &done);
    if (!done)
        m_lastError = m_db.lastError();
    qDebug() << "Number of records:" << rows.size();
    entries.reserve(rows.size());
    for (const auto &row : rows)
        entries.append({row.value(0).toInt(), text(row.value(1)), text(row.value(2)),
                        text(row.value(3))});
    if (ok)
        *ok = done;
    return entries;
}

std::optional<MeetingRecord> MeetingStore::load(int id)
{
    bool ok = false;
    const auto rows = m_db.query(
        QStringLiteral("SELECT meeting_name, meeting_time, meeting_content, meeting_translate, "
                       "meeting_AI, meeting_wav FROM users WHERE id = ?"),
        {id}, &ok);
    if (!ok || rows.isEmpty()) {
        m_lastError = ok ? tr("no meeting with id %1").arg(id) : m_db.lastError();
        return std::nullopt;
    }
    const auto &row = rows.first();
    MeetingRecord m;
    m.id = id;
    m.name = text(row.value(0));
    m.time = text(row.value(1));
    m.content = text(row.value(2));
    m.translate = text(row.value(3));
    m.summary = text(row.value(4));
    m.wav = row.value(5).toByteArray();
    return m;
}

bool MeetingStore::write(const char *logText, const QString &statement,
                         const QVector<QVariant> &params, qint64 *insertId)
{
    int affected = 0;
    if (!m_open) {
        m_lastError = tr("the meeting database is not open");
    } else if (m_db.exec(statement, params, insertId, &affected)) {
        if (insertId || affected > 0)
            return true;
        m_lastError = tr("the meeting is no longer stored");
    } else {
        m_lastError = m_db.lastError();
    }
    qWarning() << logText << m_lastError;
    return false;
}

int MeetingStore::begin(const QString &name)
{
    qint64 id = 0;
    if (!write("Insert failed:",
               QStringLiteral("INSERT INTO users (meeting_name, meeting_time, meeting_content, "
                              "meeting_translate, meeting_AI, meeting_wav) "
                              "VALUES (?, '', '', '', '', NULL)"),
               {name}, &id))
        return 0;
    return int(id);
}

int MeetingStore::insert(const MeetingRecord &m)
{
    qint64 id = 0;
    if (!write("Insert failed:",
               QStringLiteral("INSERT INTO users (meeting_name, meeting_time, meeting_content, "
                              "meeting_translate, meeting_AI, meeting_wav) "
                              "VALUES (?, ?, ?, ?, ?, ?)"),
               {m.name, m.time, m.content, m.translate, m.summary,
                m.wav.isNull() ? QByteArray("") : m.wav},
               &id))
        return 0;
    return int(id);
}

bool MeetingStore::saveTranscript(int id, const QString &content)
{
    return write("update failed:",
                 QStringLiteral("UPDATE users SET meeting_content = ? WHERE id = ?"),
                 {content, id});
}

bool MeetingStore::finish(int id, const QString &time, const QString &content,
                          const QByteArray &wav)
{
    return write("update failed:",
                 QStringLiteral("UPDATE users SET meeting_time = ?, meeting_content = ?, "
                                "meeting_wav = ? WHERE id = ?"),
                 {time, content, wav.isNull() ? QByteArray("") : wav, id});
}

bool MeetingStore::saveTranslation(int id, const QString &content, const QString &translate)
{
    return write("update failed:",
                 QStringLiteral("UPDATE users SET meeting_content = ?, meeting_translate = ? "
                                "WHERE id = ?"),
                 {content, translate, id});
}

bool MeetingStore::saveSummary(int id, const QString &html)
{
    return write("update failed:", QStringLiteral("update users set meeting_AI = ? where id = ?"),
                 {html, id});
}

bool MeetingStore::saveRecording(int id, const QByteArray &wav)
{
    return write("update failed:", QStringLiteral("UPDATE users SET meeting_wav = ? WHERE id = ?"),
                 {wav, id});
}

bool MeetingStore::remove(int id)
{
    return write("delete error:", QStringLiteral("delete from users where id = ?"), {id});
}

QVector<int> MeetingStore::unfinished()
{
    QVector<int> ids;
    const auto rows = m_db.query(QStringLiteral(
        "SELECT id FROM users WHERE meeting_time IS NULL OR meeting_time = '' ORDER BY id DESC"));
    for (const auto &row : rows)
        ids.append(row.value(0).toInt());
    return ids;
}

QDateTime MeetingStore::createdAt(int id)
{
    const auto rows =
        m_db.query(QStringLiteral("SELECT created_at FROM users WHERE id = ?"), {id});
    if (rows.isEmpty())
        return {};
    QDateTime t = QDateTime::fromString(text(rows.first().value(0)),
                                        QStringLiteral("yyyy-MM-dd hh:mm:ss"));
    t.setTimeSpec(Qt::UTC);
    return t;
}

bool MeetingStore::awaitsRecording(int id)
{
    const auto rows = m_db.query(
        QStringLiteral("SELECT meeting_wav IS NULL FROM users WHERE id = ?"), {id});
    return !rows.isEmpty() && rows.first().value(0).toInt() == 1;
}
