#include "widget/main/external_ai_client.h"

#include "utils/app_paths.h"

#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

namespace {

#ifdef Q_OS_WIN
const QString kInstaller = QStringLiteral("vorn-setup-0.1.4-x64.exe");
#else
const QString kInstaller = QStringLiteral("vorn-setup-0.1.4-x64");
#endif

}  // namespace

QString ExternalAiClient::findClient()
{
    const QString onPath = QStandardPaths::findExecutable(QStringLiteral("vorn"));
    if (!onPath.isEmpty())
        return onPath;
    // Per-user installs land here even when it is not on PATH.
    return QStandardPaths::findExecutable(QStringLiteral("vorn"),
                                          {QDir::homePath() + QStringLiteral("/.local/bin")});
}

QString ExternalAiClient::installerPath()
{
    return AppPaths::appDir() + QLatin1Char('/') + kInstaller;
}

QString ExternalAiClient::buttonText()
{
    return findClient().isEmpty() ? tr("一键安装龙虾") : tr("启动龙虾");
}

QString ExternalAiClient::launch()
{
    const QString client = findClient();
    if (!client.isEmpty()) {
        qInfo() << "starting the AI client" << client;
        if (QProcess::startDetached(client, {}))
            return {};
        return tr("启动龙虾失败，请手动运行: %1").arg(client);
    }
    const QString installer = installerPath();
    if (!QFileInfo::exists(installer))
        return tr("安装文件不存在: %1").arg(installer);
    qInfo() << "starting the AI client's installer" << installer;
    if (QProcess::startDetached(installer, {}, AppPaths::dataDir()))
        return {};
    return tr("启动安装程序失败，请手动运行: %1").arg(installer);
}
