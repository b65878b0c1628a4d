#include "ini_file_guard.h"

#include <QDateTime>
#include <QDebug>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QSet>
#include <QSettings>

namespace {

struct Line {
    QByteArray text;        // without its line ending
    QByteArray terminator;  // the run of '\r' and '\n' after it
};

// Splits at every '\r' or '\n', as QSettings does.
QVector<Line> physicalLines(const QByteArray &raw)
{
    QVector<Line> lines;
    int i = 0;
    while (i < raw.size()) {
        const int start = i;
        while (i < raw.size() && raw[i] != '\r' && raw[i] != '\n')
            ++i;
        const int end = i;
        while (i < raw.size() && (raw[i] == '\r' || raw[i] == '\n'))
            ++i;
        lines.append({raw.mid(start, end - start), raw.mid(end, i - end)});
    }
    return lines;
}

// What QSettings' line reader sees in one line taken on its own.
struct LineScan {
    int equalsPos = -1;       // first '=' outside quotes
    bool openQuote = false;   // a quote is still open at the end
    bool joinsNext = false;   // ends in a backslash that escapes the line break
};

LineScan scan(const QByteArray &text)
{
    LineScan s;
    for (int i = 0; i < text.size(); ++i) {
        const char ch = text[i];
        if (ch == '\\') {
            if (i + 1 == text.size())
                s.joinsNext = true;
            ++i;  // the escaped character is taken literally
        } else if (ch == '"') {
            s.openQuote = !s.openQuote;
        } else if (ch == '=' && !s.openQuote && s.equalsPos < 0) {
            s.equalsPos = i;
        } else if (ch == ';' && !s.openQuote) {
            break;  // the rest is a comment
        }
    }
    return s;
}

// Undoes QSettings' key escaping: "\\" for '/', "%XX" and "%UXXXX" for
// other characters.
QString unescapeKey(const QByteArray &key)
{
    QString out;
    int i = 0;
    while (i < key.size()) {
        const char ch = key[i];
        if (ch == '\\') {
            out += QLatin1Char('/');
            ++i;
            continue;
        }
        if (ch != '%' || i + 1 == key.size()) {
            out += QLatin1Char(ch);
            ++i;
            continue;
        }
        const bool wide = key[i + 1] == 'U';
        const int first = i + (wide ? 2 : 1);
        const int digits = wide ? 4 : 2;
        bool ok = false;
        const int code = first + digits <= key.size() ? key.mid(first, digits).toInt(&ok, 16) : 0;
        if (!ok) {
            out += QLatin1Char('%');
            ++i;
            continue;
        }
        out += QChar(code);
        i = first + digits;
    }
    return out;
}

// Every key a reader of the text sees, one line at a time, with its section.
QSet<QString> keysByLine(const QByteArray &raw)
{
    QSet<QString> keys;
    QString section;
    for (const Line &line : physicalLines(raw)) {
        const QByteArray text = line.text.trimmed();
        if (text.isEmpty() || text.startsWith(';'))
            continue;
        if (text.startsWith('[')) {
            const int close = text.indexOf(']');
            const QByteArray name = text.mid(1, close < 0 ? -1 : close - 1).trimmed();
            if (name.compare("general", Qt::CaseInsensitive) == 0)
                section.clear();
            else if (name.compare("%general", Qt::CaseInsensitive) == 0)
                section = QString::fromLatin1(name.mid(1)) + QLatin1Char('/');
            else
                section = unescapeKey(name) + QLatin1Char('/');
            continue;
        }
        const int equals = scan(text).equalsPos;
        if (equals <= 0)
            continue;
        const QString key = unescapeKey(text.left(equals).trimmed());
        if (!key.isEmpty())
            keys.insert(section + key);
    }
    return keys;
}

QByteArray readFile(const QString &path, bool *ok)
{
    QFile file(path);
    *ok = file.open(QIODevice::ReadOnly);
    return *ok ? file.readAll() : QByteArray();
}

QString backupPath(const QString &path)
{
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-hhmmss"));
    QString candidate = QStringLiteral("%1.%2.bak").arg(path, stamp);
    for (int n = 2; QFileInfo::exists(candidate); ++n)
        candidate = QStringLiteral("%1.%2-%3.bak").arg(path, stamp).arg(n);
    return candidate;
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
}

}  // namespace

namespace IniFileGuard {

QStringList swallowedKeys(const QString &path)
{
    bool ok = false;
    const QByteArray raw = readFile(path, &ok);
    if (!ok)
        return {};
    QSet<QString> missing = keysByLine(raw);
    const QStringList read = QSettings(path, QSettings::IniFormat).allKeys();
    for (const QString &key : read)
        missing.remove(key);
    QStringList out = missing.values();
    out.sort();
    return out;
}

QByteArray separateLines(const QByteArray &raw)
{
    QByteArray out;
    out.reserve(raw.size() + 16);
    for (const Line &line : physicalLines(raw)) {
        QByteArray text = line.text;
        if (!text.trimmed().startsWith(';')) {
            LineScan s = scan(text);
            if (s.joinsNext) {
                text.chop(1);
                s = scan(text);
            }
            if (s.openQuote)
                text += '"';
        }
        out += text + line.terminator;
    }
    return out;
}

bool prepareForRewrite(const QString &path)
{
    const QStringList lost = swallowedKeys(path);
    if (lost.isEmpty())
        return true;

    const QString copy = backupPath(path);
    if (!QFile::copy(path, copy)) {
        qWarning().noquote() << QStringLiteral("%1 runs lines together (keys %2) and cannot be copied; "
                                               "not rewriting it, so they are not lost")
                                    .arg(path, lost.join(QLatin1Char(',')));
        return false;
    }
    qWarning().noquote() << QStringLiteral("%1 runs lines together at a stray quote or backslash "
                                           "(keys %2); kept a copy as %3 and put each line back on its own")
                                .arg(QFileInfo(path).fileName(), lost.join(QLatin1Char(',')), copy);

    bool ok = false;
    const QByteArray raw = readFile(path, &ok);
    const QFileInfo before(path);
    const QDateTime stamp = before.lastModified();
    const qint64 size = before.size();
    if (ok && writeFile(path, separateLines(raw))) {
        // QSettings notices outside changes by size and time stamp only; a
        // repair of the same size within the same millisecond would go unseen.
        QFileInfo after(path);
        if (after.size() == size && after.lastModified() == stamp) {
            QFile touched(path);
            if (touched.open(QIODevice::ReadWrite))
                touched.setFileTime(stamp.addSecs(1), QFileDevice::FileModificationTime);
        }
    }
    const QStringList still = swallowedKeys(path);
    if (!still.isEmpty())
        qWarning().noquote() << QStringLiteral("%1 still runs lines together (keys %2); %3 keeps them")
                                    .arg(QFileInfo(path).fileName(), still.join(QLatin1Char(',')), copy);
    return true;
}

}  // namespace IniFileGuard
