#pragma once

#include <QString>
#include <QtGlobal>

// Sends the log file and the last raw voice capture to the maker's object
// storage for support, each with an upload token from the management server.
namespace LogUpload {

// What logUpload returns.
enum Result {
    Stored = 0,      // the log file was stored (the voice capture may not have been)
    ServerBusy = 1,  // no usable answer from the token service or the storage
    NoLogFile = 2,
    Unprepared = 3,  // the end of an oversized log could not be copied aside
};

// Files above this are sent as their last kTailBytes only: the log rotates
// at 10 MiB, so a bigger one means rotation failed and its end is what
// support needs, while the whole file would take the user's uplink for ages.
constexpr qint64 kWholeFileLimit = 100 * 1024 * 1024;
constexpr qint64 kTailBytes = 10 * 1024 * 1024;

constexpr char kMachineIdFile[] = "/etc/machine-id";

}  // namespace LogUpload

// This computer's identifier when the mouse has given no serial number: the
// machine id of the system, else the hardware address of the first network
// interface that has one (upper case), else empty.
QString machineIdentifier(const QString &machineIdFile = QLatin1String(LogUpload::kMachineIdFile));

// Blocking; run it on a worker thread. deviceId names the folder the files go
// to; empty means the machine identifier. While "isLog" is "1" the log goes
// to standard error during the upload, so the file is not written while it
// is sent, and back to the file afterwards.
int logUpload(const QString &deviceId,
              const QString &machineIdFile = QLatin1String(LogUpload::kMachineIdFile));
