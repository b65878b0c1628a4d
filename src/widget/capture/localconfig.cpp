#include "localconfig.h"

#include "utils/app_paths.h"

#include <QDebug>
#include <QFile>
#include <QSaveFile>
#include <QTextStream>

LocalConfig::LocalConfig(const QString &path)
    : m_path(path.isEmpty() ? AppPaths::inDataDir(QLatin1String(kFileName)) : path)
{
}

void LocalConfig::loadConfig()
{
    QFile file(m_path);
    if (!file.exists()) {
        saveConfig();
        return;
    }
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        qWarning() << "读取配置失败" << m_path;
        return;
    }
    QTextStream in(&file);
    in.setCodec("UTF-8");
    while (!in.atEnd()) {
        const QStringList parts = in.readLine().split(QLatin1Char('='));
        if (parts.size() != 2)
            continue;
        const QString key = parts.at(0).trimmed();
        const QString value = parts.at(1).trimmed();
        if (key == QLatin1String("hotkey"))
            hotkey = value;
        else if (key == QLatin1String("copyWithMd"))
            copyWithMd = value == QLatin1String("true");
        else if (key == QLatin1String("runWhenLogin"))
            runWhenLogin = value == QLatin1String("true");
        else if (key == QLatin1String("language"))
            language = value;
    }
}

bool LocalConfig::saveConfig() const
{
    const auto flag = [](bool on) { return on ? QStringLiteral("true") : QStringLiteral("false"); };
    QSaveFile file(m_path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Text)) {
        QTextStream out(&file);
        out.setCodec("UTF-8");
        out << "hotkey=" << hotkey << '\n'
            << "copyWithMd=" << flag(copyWithMd) << '\n'
            << "runWhenLogin=" << flag(runWhenLogin) << '\n'
            << "language=" << language << '\n';
        out.flush();
        if (file.commit())
            return true;
    }
    qWarning() << "写出配置失败" << m_path << file.errorString();
    return false;
}
