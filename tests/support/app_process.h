#pragma once

#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QTemporaryDir>

#include <memory>

// A private install of the talkvane executable: a copy under a unique file
// name in its own folder, so its settings, log and single-instance socket
// never meet those of another test or of a Talkvane the developer runs.
class AppInstall
{
public:
    AppInstall();
    ~AppInstall();

    bool isValid() const { return m_valid; }
    QString dir() const { return m_dir.path(); }
    QString executable() const;
    // Puts the web-pages module beside the executable (left out otherwise:
    // most runs do not need the browser engine).
    bool addWebPages();
    QString name() const { return m_name; }  // also the local socket name

    void setOption(const QString &key, const QString &value);
    QString option(const QString &key) const;
    bool hasOption(const QString &key) const;
    QString logText() const;  // Log.txt, or "" when absent

private:
    QTemporaryDir m_dir;
    QString m_name;
    bool m_valid = false;
};

// One running talkvane process of an install.
class AppRun
{
public:
    // platform: "offscreen" or "xcb"; lang: the LANG of the session.
    AppRun(const AppInstall &install, const QString &platform = QStringLiteral("offscreen"),
           const QString &lang = QStringLiteral("en_US.UTF-8"));
    ~AppRun();

    QProcessEnvironment &environment() { return m_env; }
    void start();
    // Waits until start-up has finished (the line logged just before the
    // main window is created shows up on stderr or in Log.txt).
    bool waitReady(int ms = 15000);
    bool waitFinished(int ms = 15000);
    void terminate();

    qint64 pid() const { return m_process.processId(); }
    int exitCode() const { return m_process.exitCode(); }
    QProcess::ExitStatus exitStatus() const { return m_process.exitStatus(); }
    QString stderrText();

private:
    const AppInstall &m_install;
    QProcessEnvironment m_env;
    QProcess m_process;
    QByteArray m_stderr;
};
