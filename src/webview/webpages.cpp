#include "webview/webpages.h"

#include "core/config/endpoints.h"
#include "core/setting/inifileinf.h"
#include "webview/aiwindow.h"
#include "webview/callbridge.h"
#include "webview/webview.h"

#include <QDebug>
#include <QJsonArray>
#include <QJsonDocument>
#include <QVBoxLayout>

namespace {

QString website()
{
    return Endpoints::url(Endpoints::Endpoint::Website);
}

QString sysLang()
{
    return IniFileInf::get_keydefine(QStringLiteral("sysLang"));
}

WebView *fill(QWidget *page)
{
    auto *view = new WebView;
    auto *layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(view);
    return view;
}

// Without a configured web site there is nothing to load; say so once.
void loadIfConfigured(WebView *view, const QUrl &url)
{
    if (url.isValid() && !url.host().isEmpty())
        view->load(url);
    else
        qWarning() << "web page not loaded, no web site configured:" << url;
}

void logLoadErrors(WebView *view, const char *who)
{
    QObject::connect(view, &QWebEngineView::loadFinished, view, [view, who](bool ok) {
        if (!ok)
            qWarning() << who << "onLoadError, url:" << view->url();
    });
}

} // namespace

namespace MeetingArguments {

QJsonObject startParameters(const QVariantList &arguments)
{
    const QJsonArray array = QJsonArray::fromVariantList(arguments);
    const QJsonObject object = array.isEmpty() ? QJsonObject() : array.first().toObject();
    if (!object.contains(QLatin1String("parameters")))
        return {};
    qDebug() << "Found parameters in JSON";
    return object.value(QLatin1String("parameters")).toObject();
}

QString taskId(const QVariantList &arguments)
{
    const QJsonArray array = QJsonArray::fromVariantList(arguments);
    if (array.isEmpty() || !array.first().isString())
        return {};
    return array.first().toString();
}

} // namespace MeetingArguments

WebMeeting::WebMeeting(QWidget *parent)
    : QWidget(parent)
    , m_view(fill(this))
{
    connect(m_view->bridge(), &CallBridge::methodInvoked, this, &WebMeeting::onInvokeMethod);
    connect(m_view->bridge(), &CallBridge::queryRequested, this, [this](int id, const QString &q) {
        showNotice(this, QStringLiteral("QCef Query Request"),
                   QStringLiteral("Current Thread: QT_UI\r\nQuery: %1").arg(q));
        m_view->bridge()->answerQuery(id, true, q.toUpper(), 0);
    });
    logLoadErrors(m_view, "WebMeeting");
    loadIfConfigured(m_view, pageUrl());
}

QUrl WebMeeting::pageUrl()
{
    return QUrl(website() + QStringLiteral("/meeting/"));
}

void WebMeeting::browserReload()
{
    m_view->reload();
}

void WebMeeting::showMeetingJson(const QString &message)
{
    m_view->bridge()->broadcastEvent(QStringLiteral("onMessage"), QVariantList{message});
}

void WebMeeting::onInvokeMethod(const QString &method, const QVariantList &arguments)
{
    qDebug() << "WebMeeting::onInvokeMethod" << method;
    if (method == QLatin1String("startRecording")) {
        const QJsonObject parameters = MeetingArguments::startParameters(arguments);
        qDebug() << "parameters:" << parameters;
        emit startMeeting(parameters);
    } else if (method == QLatin1String("getTask")) {
        const QString id = MeetingArguments::taskId(arguments);
        qDebug() << "taskId:" << id;
        emit queryMeetingTask(id);
    } else if (method == QLatin1String("stopAliyunMeeting")) {
        emit stopMeeting();
    } else if (method == QLatin1String("reloadWin")) {
        m_view->reload();
    }
}

WebHelp::WebHelp(QWidget *parent)
    : QWidget(parent)
    , m_view(fill(this))
{
    logLoadErrors(m_view, "WebHelp");
    m_requested = QUrl(website() + QStringLiteral("/helps/#/article/") + m_model);
    loadIfConfigured(m_view, m_requested);
}

QUrl WebHelp::documentUrl(const QString &model, const QString &language)
{
    return QUrl(website() + QStringLiteral("/helps/#/article/") + model + QLatin1Char('/')
                + language);
}

QUrl WebHelp::aiHelpUrl(const QString &language)
{
    return QUrl(website() + QStringLiteral("/helps/#/article/AI/") + language);
}

void WebHelp::navigate(const QUrl &url)
{
    qDebug() << "url: " << url;
    m_requested = url;
    loadIfConfigured(m_view, url);
}

void WebHelp::loadHelpDocument(const QString &model)
{
    if (model == m_model || model.isEmpty() || model == QLatin1String("unknown"))
        return;
    m_model = model;
    navigate(documentUrl(m_model, sysLang()));
}

void WebHelp::loadHelpDocument()
{
    if (m_model.isEmpty() || m_model == QLatin1String("unknown"))
        return;
    navigate(documentUrl(m_model, sysLang()));
}

void WebHelp::loadHelpAi()
{
    navigate(aiHelpUrl(sysLang()));
}

void WebHelp::browserReload()
{
    m_view->reload();
}

void WebHelp::retranslateUi()
{
    navigate(documentUrl(m_model, sysLang()));
}

WebAiNav::WebAiNav(QWidget *parent)
    : QWidget(parent)
    , m_view(fill(this))
{
    logLoadErrors(m_view, "WebAiNav");
    loadIfConfigured(m_view, pageUrl());
}

QUrl WebAiNav::pageUrl()
{
    return QUrl(website() + QStringLiteral("/helps/#/ai"));
}

void WebAiNav::browserReload()
{
    m_view->reload();
}
