#pragma once

#include <QString>
#include <QtGlobal>

// The two process-wide Qt message handlers. Either may be installed at any
// time (start-up, the logging switch); both are safe to call from any thread.

// One line per message in "Log.txt" in the data folder, rotated at 10 MiB.
void fileMessageHandler(QtMsgType type, const QMessageLogContext &context, const QString &msg);

// One line per message on standard error.
void consoleMessageHandler(QtMsgType type, const QMessageLogContext &context, const QString &msg);

// Installs fileMessageHandler (toFile) or consoleMessageHandler, for the
// whole process at once.
void routeLogToFile(bool toFile);

// While set, both handlers also hand every formatted line to the listener,
// on the thread that logged. It must not log, and it must be quick: it runs
// inside whatever code logged. nullptr removes it.
using LogListener = void (*)(const QString &line);
void setLogListener(LogListener listener);

namespace LogFile {

constexpr qint64 kRotateAtBytes = 10 * 1024 * 1024;  // 10,485,760
constexpr qint64 kKeepBytes = 1024 * 1024;           // 1,048,576

QString path();  // appDir + "/Log.txt"

// The exact line the file handler writes for a message, without "\r\n".
QString formatLine(QtMsgType type, const QMessageLogContext &context, const QString &msg);

}  // namespace LogFile
