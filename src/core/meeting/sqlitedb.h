#pragma once

#include <QObject>
#include <QSqlDatabase>
#include <QString>
#include <QVariant>
#include <QVector>

// A thin wrapper over one SQLite connection through Qt's driver. Every
// statement takes its values as bound parameters, never spliced into the text.
// Each object has a connection of its own, so two stores (a page and a
// benchmark, or a test's second look at the file) never replace each other's.
// GUI thread only.
class SQLiteDB : public QObject
{
    Q_OBJECT
public:
    enum class Access { ReadWrite, ReadOnly };
    using Row = QVector<QVariant>;

    explicit SQLiteDB(QObject *parent = nullptr);
    ~SQLiteDB() override;

    // busyTimeoutMs: how long a statement waits for another connection's
    // lock before it fails with "database is locked".
    bool open(const QString &path, Access access = Access::ReadWrite, int busyTimeoutMs = 5000);
    void close();
    bool isOpen() const;

    // Runs statement with params bound by position; the rows it returned, in
    // column order. On failure: empty, lastError() set, "Query error:" logged
    // and *ok false.
    QVector<Row> query(const QString &statement, const QVector<QVariant> &params = {},
                       bool *ok = nullptr);
    // For writes: true when it ran; the new row's id goes to *insertId and the
    // number of changed rows to *affected when asked for.
    bool exec(const QString &statement, const QVector<QVariant> &params = {},
              qint64 *insertId = nullptr, int *affected = nullptr);

    bool transaction();
    bool commit();
    void rollback();

    QString lastError() const { return m_lastError; }
    // SQLite's primary result code of the last failure (5 busy, 8 read-only,
    // 11 corrupt, 13 full, 26 not a database), 0 when none.
    int lastErrorCode() const { return m_lastErrorCode; }

private:
    void setError(const class QSqlError &error);
    // Prepares the statement, binds params by position and executes it.
    static bool run(class QSqlQuery &q, const QString &statement, const QVector<QVariant> &params);

    QString m_connection;
    QSqlDatabase m_db;
    QString m_lastError;
    int m_lastErrorCode = 0;
};
