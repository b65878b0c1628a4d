#pragma once

#include <QJsonObject>
#include <QUrl>
#include <QVariantList>
#include <QWidget>

class WebView;

// The main window's web pages: meeting, help and AI navigation.

// The meeting page's argument lists, as the page sends them.
namespace MeetingArguments {
// The "parameters" object of the first argument; empty when there is none.
QJsonObject startParameters(const QVariantList &arguments);
// The task id when the first argument is a text; empty otherwise.
QString taskId(const QVariantList &arguments);
} // namespace MeetingArguments

class WebMeeting : public QWidget
{
    Q_OBJECT
public:
    explicit WebMeeting(QWidget *parent = nullptr);
    static QUrl pageUrl();
    WebView *view() const { return m_view; }

public slots:
    void browserReload();
    // A message of the running meeting transcription, passed to the page.
    void showMeetingJson(const QString &message);

signals:
    void startMeeting(const QJsonObject &parameters);
    void queryMeetingTask(const QString &taskId);
    void stopMeeting();

private:
    void onInvokeMethod(const QString &method, const QVariantList &arguments);

    WebView *m_view;
};

class WebHelp : public QWidget
{
    Q_OBJECT
public:
    explicit WebHelp(QWidget *parent = nullptr);
    static QUrl documentUrl(const QString &model, const QString &language);
    static QUrl aiHelpUrl(const QString &language);
    QString model() const { return m_model; }
    // The last page asked for; the view's own URL changes only once it loads.
    QUrl requestedUrl() const { return m_requested; }
    WebView *view() const { return m_view; }

public slots:
    void loadHelpDocument(const QString &model);
    void loadHelpDocument();
    void loadHelpAi();
    void browserReload();
    void retranslateUi();

private:
    void navigate(const QUrl &url);

    WebView *m_view;
    QString m_model = QStringLiteral("PX08");
    QUrl m_requested;
};

class WebAiNav : public QWidget
{
    Q_OBJECT
public:
    explicit WebAiNav(QWidget *parent = nullptr);
    static QUrl pageUrl();
    WebView *view() const { return m_view; }

public slots:
    void browserReload();

private:
    WebView *m_view;
};
