#pragma once

#include <QHash>
#include <QObject>
#include <QPointer>
#include <functional>

class QWebEngineDownloadItem;
class QWebEngineProfile;

// Downloads started by any page: the user picks where to save each one, the
// manager follows it to the end. One per process.
class DownloadManager : public QObject
{
    Q_OBJECT
public:
    // Asks for the file to save to, given the suggested one; empty cancels.
    using Chooser = std::function<QString(const QString &suggestedPath)>;
    // Tells the user why a download could not start.
    using Notifier = std::function<void(const QString &message)>;

    static DownloadManager &instance();
    ~DownloadManager() override;

    void watch(QWebEngineProfile *profile);
    void setChooser(Chooser chooser) { m_chooser = std::move(chooser); }
    void setNotifier(Notifier notifier) { m_notifier = std::move(notifier); }

    void addNewDownloadItem(QWebEngineDownloadItem *item);
    void updateDownloadItem(QWebEngineDownloadItem *item);
    int activeCount() const { return m_items.size(); }

    // Why nothing can be saved at path, or empty when it can.
    static QString targetProblem(const QString &path);

signals:
    void downloadRefused(const QString &message);

private:
    DownloadManager();
    void log(const char *what, QWebEngineDownloadItem *item) const;

    QHash<quint32, QPointer<QWebEngineDownloadItem>> m_items;
    Chooser m_chooser;
    Notifier m_notifier;
};
