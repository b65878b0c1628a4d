#include "inifileinf.h"

#include "ini_file_guard.h"
#include "utils/app_paths.h"

#include <QDebug>
#include <QSettings>

namespace {
const QString kCmdKey = QStringLiteral("cmdkey");
}

QString IniFileInf::optionFilePath()
{
    return AppPaths::inDataDir(QStringLiteral("option.ini"));
}

QString IniFileInf::cmdKeyFilePath()
{
    return AppPaths::inDataDir(QStringLiteral("cmdkey.ini"));
}

QString IniFileInf::get_keydefine(const QString &key)
{
    QSettings settings(optionFilePath(), QSettings::IniFormat);
    const QString value = settings.value(key).toString();
    qDebug() << "get key:" << key << "," << value;
    return value;
}

void IniFileInf::set_keydefine(const QString &key, const QString &value)
{
    qDebug() << "保存配置:" << key << "," << value;
    {
        const QSettings current(optionFilePath(), QSettings::IniFormat);
        if (current.value(key).toString() == value) {
            qDebug() << "数值一样不修改文件";
            return;
        }
    }
    // The writer must read the file only after the guard has looked at it.
    if (!IniFileGuard::prepareForRewrite(optionFilePath()))
        return;
    QSettings settings(optionFilePath(), QSettings::IniFormat);
    settings.setValue(key, value);
    settings.sync();
}

void IniFileInf::saveAllConfig(const QHash<QString, QString> &values)
{
    if (!IniFileGuard::prepareForRewrite(optionFilePath()))
        return;
    QSettings settings(optionFilePath(), QSettings::IniFormat);
    for (auto it = values.cbegin(); it != values.cend(); ++it) {
        qDebug() << "保存配置:" << it.key() << "," << it.value();
        settings.setValue(it.key(), it.value());
    }
    settings.sync();
}

bool IniFileInf::saveCmdKey(const QString &text)
{
    if (!IniFileGuard::prepareForRewrite(cmdKeyFilePath()))
        return false;
    QSettings settings(cmdKeyFilePath(), QSettings::IniFormat);
    // QSettings commits through a temporary file and a rename (atomic sync is
    // its default), so a failed write leaves the previous list whole.
    settings.setAtomicSyncRequired(true);
    settings.setValue(kCmdKey, text);
    settings.sync();
    if (settings.status() != QSettings::NoError) {
        qWarning() << "cannot write the command list to" << cmdKeyFilePath();
        return false;
    }
    return true;
}

QString IniFileInf::getCmdKey()
{
    QSettings settings(cmdKeyFilePath(), QSettings::IniFormat);
    return settings.value(kCmdKey).toString();
}
