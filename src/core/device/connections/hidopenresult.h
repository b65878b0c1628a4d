#pragma once

#include <QString>

// How an attempt to open the receiver ended, and why when it failed.
struct HidOpenResult
{
    enum Status {
        Opened,
        NotFound,    // no receiver interface in the enumeration
        OpenFailed,  // enumerated, but the system refused to open it
    };

    Status status = NotFound;
    // The receiver is there but the user may not open its node: on Linux the
    // udev rule that grants access is missing.
    bool permissionDenied = false;
    QString error;  // the library's own words, for the log and the notice

    bool opened() const { return status == Opened; }
};
