#include "message_handlers.h"

#include "utils/app_paths.h"

#include <QDateTime>
#include <QFile>
#include <QMutex>
#include <QMutexLocker>
#include <QTextStream>

#include <atomic>
#include <cstdio>

namespace {

QMutex &fileMutex()
{
    static QMutex mutex;
    return mutex;
}

const char *levelTag(QtMsgType type)
{
    switch (type) {
    case QtDebugMsg: return "<<Debug>>";
    case QtWarningMsg: return "<<Warning>>";
    case QtCriticalMsg: return "<<Critical>>";
    case QtFatalMsg: return "<<Fatal>>";
    case QtInfoMsg: return "<<Info>>";
    }
    return "";
}

// Builds on Windows report "C:\src\x.cpp", builds here "/src/x.cpp"; the log
// wants the bare file name in both.
QString sourceFileName(const char *file)
{
    if (!file)
        return QString();
    const QString path = QString::fromUtf8(file);
    const int cut = qMax(path.lastIndexOf(QLatin1Char('\\')), path.lastIndexOf(QLatin1Char('/')));
    return path.mid(cut + 1);
}

void rotateIfNeeded(QFile &log)
{
    if (log.size() < LogFile::kRotateAtBytes)
        return;
    const QString logPath = log.fileName();
    const QString bakPath = logPath + QStringLiteral(".bak");

    QByteArray tail;
    {
        QFile old(logPath);
        if (!old.open(QIODevice::ReadOnly))
            return;
        old.seek(old.size() - LogFile::kKeepBytes);
        tail = old.read(LogFile::kKeepBytes);
    }
    if (QFile::exists(bakPath))
        QFile::remove(bakPath);
    if (!QFile::rename(logPath, bakPath))
        return;
    QFile fresh(logPath);
    if (!fresh.open(QIODevice::ReadWrite | QIODevice::Append))
        return;
    // Raw bytes: the kept tail may start inside a UTF-8 sequence, and a
    // round trip through text would change both its bytes and its length.
    fresh.write(tail);
}

std::atomic<LogListener> g_listener{nullptr};

void tellListener(QtMsgType type, const QMessageLogContext &context, const QString &msg)
{
    const LogListener listener = g_listener.load();
    if (listener)
        listener(LogFile::formatLine(type, context, msg));
}

}  // namespace

void setLogListener(LogListener listener)
{
    g_listener.store(listener);
}

void routeLogToFile(bool toFile)
{
    qInstallMessageHandler(toFile ? fileMessageHandler : consoleMessageHandler);
}

namespace LogFile {

QString path()
{
    return AppPaths::inDataDir(QStringLiteral("Log.txt"));
}

QString formatLine(QtMsgType type, const QMessageLogContext &context, const QString &msg)
{
    const QString location = context.file
        ? QStringLiteral("%1 %2 ").arg(sourceFileName(context.file)).arg(context.line)
        : QString();
    return QDateTime::currentDateTime().toString(QStringLiteral("[yyyy-MM-dd hh:mm:ss.zzz]"))
        + QLatin1Char(' ') + QLatin1String(levelTag(type)) + QLatin1Char(' ') + location
        + QLatin1Char(' ') + msg;
}

}  // namespace LogFile

void fileMessageHandler(QtMsgType type, const QMessageLogContext &context, const QString &msg)
{
    tellListener(type, context, msg);
    QMutexLocker lock(&fileMutex());
    const QString line = LogFile::formatLine(type, context, msg);

    QFile log(LogFile::path());
    if (!log.open(QIODevice::WriteOnly | QIODevice::Append))
        return;
    {
        QTextStream out(&log);
        out.setCodec("UTF-8");
        out << line << "\r\n";
    }
    log.flush();
    rotateIfNeeded(log);
}

void consoleMessageHandler(QtMsgType type, const QMessageLogContext &context, const QString &msg)
{
    const char *format = nullptr;
    switch (type) {
    case QtDebugMsg: format = "Debug: %s (%s:%u, %s  %s)\n"; break;
    case QtWarningMsg: format = "Warning: %s (%s:%u, %s  %s)\n"; break;
    case QtCriticalMsg: format = "Critical: %s (%s:%u, %s  %s)\n"; break;
    case QtFatalMsg: format = "Fatal: %s (%s:%u, %s  %s)\n"; break;
    case QtInfoMsg: format = "Info: %s (%s:%u, %s  %s)\n"; break;
    }
    if (!format)
        return;
    tellListener(type, context, msg);
    const QByteArray text = msg.toLocal8Bit();
    std::fprintf(stderr, format, text.constData(), context.file ? context.file : "",
                 unsigned(context.line), context.function ? context.function : "",
                 context.category ? context.category : "");
    std::fflush(stderr);
}
