#pragma once

#include "curl/curlwrapper.h"

#include <QByteArray>
#include <QString>

class QFile;

// The rules of the update check, apart from its window: the package query,
// the answer, version numbers and where a package may come from and go.
namespace UpdateCheck {

// Management server base + the package query; empty without a server.
QString queryUrl();
// The package server's key of this product (a build setting).
QString productKey();

// "5.0.54" -> 5054: the dots removed, the rest read as a decimal number.
// -1 for text with anything but digits and dots, or without a digit.
qint64 versionNumber(const QString &text);

struct PackageAnswer {
    enum class Kind {
        Package,    // versions and apk_url are usable
        Refused,    // "code" is not 200
        NotJson,
        Malformed,  // JSON, but not the shape of an answer
    };
    Kind kind = Kind::NotJson;
    QString code;  // Refused: "code" as text, empty when it is a number
    qint64 pId = 0;
    qint64 versions = -1;
    QString apkUrl;
};
PackageAnswer parseAnswer(const QByteArray &body);

// A package only comes over TLS; plain http only from this machine.
bool downloadAllowed(const QString &url);

// The last path segment of the address when it is a plain file name, else
// "Update.exe". Never a path, a hidden name or the running executable's name.
QString packageFileName(const QString &url);

struct FetchOutcome {
    bool ok = false;
    bool cancelled = false;
    QString error;  // for the log
};
// Blocking. Downloads into part (open for writing, named target + ".part")
// and renames it to target once everything announced has been written;
// otherwise removes it, so that no partial package is ever left at target.
FetchOutcome fetchPackage(const QString &url, QFile *part, const QString &target,
                          const DownloadOptions &options);

}  // namespace UpdateCheck
