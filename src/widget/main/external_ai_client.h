#pragma once

#include <QObject>
#include <QString>

// The desktop AI client that the navigation offers to start, or to install
// from the installer shipped beside Talkvane. On Linux the client is an
// executable named "vorn" on PATH or in ~/.local/bin.
class ExternalAiClient : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;

    // The client's executable, or empty when it is not installed.
    static QString findClient();
    static QString installerPath();

    // Starts the client, or else its installer, detached. Returns the
    // notice to show the user, empty when all went well.
    static QString launch();

    // The button's caption for the current state.
    static QString buttonText();
};
