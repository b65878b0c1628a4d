#include "app_process.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QFileInfo>
#include <QLocalServer>
#include <QSettings>
#include <QThread>
#include <QUuid>

#include <csignal>

AppInstall::AppInstall()
{
    m_name = QStringLiteral("talkvane-test-")
        + QUuid::createUuid().toString(QUuid::Id128).left(12);
    m_valid = m_dir.isValid() && QFile::copy(QStringLiteral(TALKVANE_BINARY), executable());
}

AppInstall::~AppInstall()
{
    // A killed instance leaves its socket name behind.
    QLocalServer::removeServer(m_name);
}

bool AppInstall::addWebPages()
{
    const QString module = QStringLiteral(TALKVANE_WEB_MODULE);
    return QFile::copy(module, m_dir.filePath(QFileInfo(module).fileName()));
}

QString AppInstall::executable() const
{
    return m_dir.filePath(m_name);
}

void AppInstall::setOption(const QString &key, const QString &value)
{
    QSettings settings(m_dir.filePath(QStringLiteral("option.ini")), QSettings::IniFormat);
    settings.setValue(key, value);
}

QString AppInstall::option(const QString &key) const
{
    QSettings settings(m_dir.filePath(QStringLiteral("option.ini")), QSettings::IniFormat);
    return settings.value(key).toString();
}

bool AppInstall::hasOption(const QString &key) const
{
    QSettings settings(m_dir.filePath(QStringLiteral("option.ini")), QSettings::IniFormat);
    return settings.contains(key);
}

QString AppInstall::logText() const
{
    QFile log(m_dir.filePath(QStringLiteral("Log.txt")));
    if (!log.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(log.readAll());
}

AppRun::AppRun(const AppInstall &install, const QString &platform, const QString &lang)
    : m_install(install), m_env(QProcessEnvironment::systemEnvironment())
{
    m_env.insert(QStringLiteral("QT_QPA_PLATFORM"), platform);
    for (const char *var : {"LANG", "LC_ALL", "LC_MESSAGES"})
        m_env.insert(QLatin1String(var), lang);
    m_env.remove(QStringLiteral("LANGUAGE"));
    m_process.setWorkingDirectory(install.dir());
}

AppRun::~AppRun()
{
    terminate();
}

void AppRun::start()
{
    m_process.setProcessEnvironment(m_env);
    m_process.start(m_install.executable(), QStringList());
    m_process.waitForStarted(5000);
}

QString AppRun::stderrText()
{
    m_stderr += m_process.readAllStandardError();
    return QString::fromLocal8Bit(m_stderr);
}

bool AppRun::waitReady(int ms)
{
    QDeadlineTimer deadline(ms);
    while (!deadline.hasExpired()) {
        m_process.waitForReadyRead(50);
        if (stderrText().contains(QLatin1String("curl global init"))
            || m_install.logText().contains(QLatin1String("curl global init")))
            return true;
        if (m_process.state() == QProcess::NotRunning)
            return false;
    }
    return false;
}

bool AppRun::waitFinished(int ms)
{
    const bool done = m_process.waitForFinished(ms);
    stderrText();
    return done;
}

void AppRun::terminate()
{
    if (m_process.state() == QProcess::NotRunning)
        return;
    m_process.terminate();
    if (!m_process.waitForFinished(5000)) {
        m_process.kill();
        m_process.waitForFinished(5000);
    }
    stderrText();
}
