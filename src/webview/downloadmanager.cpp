#include "webview/downloadmanager.h"

#include <QDebug>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QTemporaryFile>
#include <QWebEngineDownloadItem>
#include <QWebEngineProfile>

DownloadManager &DownloadManager::instance()
{
    static DownloadManager manager;
    return manager;
}

DownloadManager::DownloadManager()
{
    m_chooser = [](const QString &suggested) {
        return QFileDialog::getSaveFileName(nullptr, tr("保存文件"), suggested);
    };
    m_notifier = [](const QString &message) {
        QMessageBox::warning(nullptr, tr("下载失败"), message);
    };
}

DownloadManager::~DownloadManager()
{
    for (const auto &item : qAsConst(m_items)) {
        if (item)
            item->cancel();
    }
}

void DownloadManager::watch(QWebEngineProfile *profile)
{
    connect(profile, &QWebEngineProfile::downloadRequested, this,
            &DownloadManager::addNewDownloadItem, Qt::UniqueConnection);
}

QString DownloadManager::targetProblem(const QString &path)
{
    const QFileInfo target(path);
    const QString folder = target.absolutePath();
    const QFileInfo dir(folder);
    if (!dir.exists() || !dir.isDir())
        return tr("文件夹“%1”不存在。").arg(QDir::toNativeSeparators(folder));
    // Permission bits lie for root and for read-only mounts: try it.
    QTemporaryFile probe(folder + QStringLiteral("/.talkvane-XXXXXX"));
    if (!probe.open())
        return tr("无法写入文件夹“%1”，请选择其他位置。").arg(QDir::toNativeSeparators(folder));
    return {};
}

void DownloadManager::log(const char *what, QWebEngineDownloadItem *item) const
{
    const qint64 total = item->totalBytes();
    const qint64 received = item->receivedBytes();
    const int percent = total > 0 ? int(received * 100 / total) : 0;
    qInfo().noquote() << what << "  id: " << item->id()
                      << "  name: " << item->downloadFileName()
                      << "  path: " << item->downloadDirectory()
                      << "  percent: " << percent << "%, " << total << "/" << received
                      << "  canceled: "
                      << (item->state() == QWebEngineDownloadItem::DownloadCancelled)
                      << "  complete: " << item->isFinished();
}

void DownloadManager::addNewDownloadItem(QWebEngineDownloadItem *item)
{
    log("DownloadManager::AddNewDownloadItem:", item);
    if (auto old = m_items.value(item->id()); old && old != item)
        old->cancel();
    m_items.insert(item->id(), item);

    const QString suggested = QDir(item->downloadDirectory()).filePath(item->downloadFileName());
    const QString path = m_chooser ? m_chooser(suggested) : QString();
    if (path.isEmpty()) {
        item->cancel();
        m_items.remove(item->id());
        return;
    }
    const QString problem = targetProblem(path);
    if (!problem.isEmpty()) {
        qWarning().noquote() << "DownloadManager: refused" << path << ":" << problem;
        item->cancel();
        m_items.remove(item->id());
        emit downloadRefused(problem);
        if (m_notifier)
            m_notifier(problem);
        return;
    }
    const QFileInfo target(path);
    item->setDownloadDirectory(target.absolutePath());
    item->setDownloadFileName(target.fileName());
    connect(item, &QWebEngineDownloadItem::downloadProgress, this,
            [this, item] { updateDownloadItem(item); });
    connect(item, &QWebEngineDownloadItem::finished, this,
            [this, item] { updateDownloadItem(item); });
    item->accept();
}

void DownloadManager::updateDownloadItem(QWebEngineDownloadItem *item)
{
    log("DownloadManager::UpdateDownloadItem:", item);
    if (item->isFinished() || item->state() == QWebEngineDownloadItem::DownloadCancelled
        || item->state() == QWebEngineDownloadItem::DownloadInterrupted)
        m_items.remove(item->id());
}
