#include "sqlitedb.h"

#include <QAtomicInt>
#include <QDebug>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

namespace {

QString nextConnectionName()
{
    static QAtomicInt counter;
    return QStringLiteral("talkvane-sqlite-%1").arg(counter.fetchAndAddRelaxed(1));
}

}  // namespace

SQLiteDB::SQLiteDB(QObject *parent)
    : QObject(parent), m_connection(nextConnectionName())
{
    m_db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connection);
}

SQLiteDB::~SQLiteDB()
{
    close();
    m_db = QSqlDatabase();
    QSqlDatabase::removeDatabase(m_connection);
}

bool SQLiteDB::open(const QString &path, Access access, int busyTimeoutMs)
{
    close();
    m_lastError.clear();
    m_lastErrorCode = 0;
    QString options = QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(busyTimeoutMs);
    if (access == Access::ReadOnly)
        options += QStringLiteral(";QSQLITE_OPEN_READONLY");
    m_db.setConnectOptions(options);
    m_db.setDatabaseName(path);
    if (!m_db.open()) {
        setError(m_db.lastError());
        qWarning() << "Database open error:" << m_lastError;
        return false;
    }
    return true;
}

void SQLiteDB::close()
{
    if (m_db.isOpen())
        m_db.close();
}

bool SQLiteDB::isOpen() const
{
    return m_db.isOpen();
}

bool SQLiteDB::run(QSqlQuery &q, const QString &statement, const QVector<QVariant> &params)
{
    if (!q.prepare(statement))
        return false;
    for (int i = 0; i < params.size(); ++i)
        q.bindValue(i, params.at(i));
    return q.exec();
}

QVector<SQLiteDB::Row> SQLiteDB::query(const QString &statement, const QVector<QVariant> &params,
                                       bool *ok)
{
    QVector<Row> rows;
    QSqlQuery q(m_db);
    q.setForwardOnly(true);
    bool done = run(q, statement, params);
    if (!done) {
        setError(q.lastError());
        qWarning() << "Query error:" << m_lastError;
        if (ok)
            *ok = false;
        return rows;
    }
    while (q.next()) {
        const QSqlRecord record = q.record();
        Row row;
        row.reserve(record.count());
        for (int c = 0; c < record.count(); ++c)
            row.append(record.value(c));
        rows.append(std::move(row));
    }
    if (q.lastError().isValid()) {  // a step that failed half way through
        setError(q.lastError());
        qWarning() << "Query error:" << m_lastError;
        if (ok)
            *ok = false;
        return {};
    }
    if (ok)
        *ok = true;
    return rows;
}

bool SQLiteDB::exec(const QString &statement, const QVector<QVariant> &params, qint64 *insertId,
                    int *affected)
{
    QSqlQuery q(m_db);
    bool done = run(q, statement, params);
    if (!done) {
        setError(q.lastError());
        return false;
    }
    if (insertId)
        *insertId = q.lastInsertId().toLongLong();
    if (affected)
        *affected = q.numRowsAffected();
    return true;
}

bool SQLiteDB::transaction()
{
    if (m_db.transaction())
        return true;
    setError(m_db.lastError());
    return false;
}

bool SQLiteDB::commit()
{
    if (m_db.commit())
        return true;
    setError(m_db.lastError());
    m_db.rollback();
    return false;
}

void SQLiteDB::rollback()
{
    m_db.rollback();
}

void SQLiteDB::setError(const QSqlError &error)
{
    m_lastError = error.text();
    // The driver reports SQLite's extended code as text; the low byte is the
    // primary code.
    bool ok = false;
    const int code = error.nativeErrorCode().toInt(&ok);
    m_lastErrorCode = ok ? (code & 0xff) : -1;
}
