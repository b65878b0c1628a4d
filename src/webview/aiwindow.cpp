#include "webview/aiwindow.h"

#include "core/config/endpoints.h"
#include "core/setting/inifileinf.h"
#include "webview/callbridge.h"
#include "webview/webview.h"

#include <QDebug>
#include <QEvent>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QMessageBox>
#include <QVBoxLayout>

QString invokeMethodReport(const QString &method, const QVariantList &arguments)
{
    QString text = QStringLiteral("================== Current Thread: QT_UI ==================\r\n"
                                  "Frame: %1\r\nMethod: %2\r\nArguments:\r\n")
                       .arg(0)
                       .arg(method);
    for (int i = 0; i < arguments.size(); ++i) {
        const QVariant &arg = arguments.at(i);
        text += QStringLiteral("%1 Type:%2, Value:%3\r\n")
                    .arg(i)
                    .arg(QString::fromLatin1(arg.typeName()))
                    .arg(arg.toString());
    }
    const QJsonDocument json(QJsonArray::fromVariantList(arguments));
    text += QStringLiteral("\r\nArguments List in JSON format:\r\n%1")
                .arg(QString::fromUtf8(json.toJson()));
    return text;
}

void showNotice(QWidget *parent, const QString &title, const QString &text)
{
    // Not modal-blocking: a page may keep calling while the box is open.
    auto *box = new QMessageBox(QMessageBox::Information, title, text, QMessageBox::Ok, parent);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

QUrl AiWindow::pageUrl()
{
    return QUrl(Endpoints::url(Endpoints::Endpoint::Website) + QStringLiteral("/talkvane/"));
}

AiWindow::AiWindow(QWidget *parent)
    : AiWindow(pageUrl(), parent)
{
}

AiWindow::AiWindow(const QUrl &url, QWidget *parent)
    : FramelessWindow(parent)
    , m_view(new WebView)
{
    setStyleSheet(QStringLiteral("border-radius: 4px;"));
    QFile qss(QStringLiteral(":/resources/style/mainwindow.qss"));
    if (qss.open(QIODevice::ReadOnly))
        setStyleSheet(QString::fromUtf8(qss.readAll()));
    setObjectName(QStringLiteral("FramelessWnd"));

    auto *central = new QWidget;
    central->setObjectName(QStringLiteral("widgetCentral"));
    central->setStyleSheet(QStringLiteral("border-radius: 4px;"));
    auto *layout = new QVBoxLayout(central);
    layout->setSpacing(0);
    layout->setContentsMargins(1, 1, 1, 1);
    layout->addWidget(m_view);
    setCentralWidget(central);
    setMinimumSize(1280, 720);

    CallBridge *bridge = m_view->bridge();
    connect(bridge, &CallBridge::methodInvoked, this, &AiWindow::onInvokeMethod);
    connect(bridge, &CallBridge::queryRequested, this, &AiWindow::onQueryRequest);
    connect(bridge, &CallBridge::javascriptResult, this, &AiWindow::onJavascriptResult);
    connect(m_view, &QWebEngineView::loadStarted, this,
            [] { qDebug() << "onLoadStart, isMainFrame:" << true; });
    connect(m_view, &QWebEngineView::loadFinished, this, [this](bool ok) {
        if (ok)
            qDebug() << "onLoadEnd, url:" << m_view->url();
        else
            qWarning() << "onLoadError, url:" << m_view->url();
    });

    if (url.isValid() && !url.host().isEmpty())
        m_view->load(url);
    else
        qWarning() << "AiWindow: no web site configured, page not loaded";
}

void AiWindow::sendPageEvent(const QString &name, const QString &text)
{
    m_view->bridge()->broadcastEvent(name, QVariantList{text});
}

void AiWindow::windowShow()
{
    const bool maximized = isMaximized();
    showNormal();
    raise();
    activateWindow();
    if (maximized)
        showMaximized();
    qDebug() << "AiWindow::windowShow" << maximized;
}

void AiWindow::reload()
{
    m_view->reload();
}

void AiWindow::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        const QString lang = IniFileInf::get_keydefine(QStringLiteral("sysLang"));
        qDebug() << "AiWindow::retranslateUi";
        qDebug() << "sysLang : " << lang;
        m_view->bridge()->broadcastEvent(QStringLiteral("retranslateUi"), QVariantList{lang});
    }
    FramelessWindow::changeEvent(event);
}

void AiWindow::onInvokeMethod(const QString &method, const QVariantList &arguments)
{
    qDebug() << "AiWindow::onInvokeMethod" << method;
    if (method == QLatin1String("minWin")) {
        showMinimized();
    } else if (method == QLatin1String("maxWin")) {
        if (isMaximized())
            showNormal();
        else
            showMaximized();
    } else if (method == QLatin1String("closeWin")) {
        hide();
    } else if (method == QLatin1String("reloadWin")) {
        m_view->reload();
    } else if (method == QLatin1String("TestMethod")) {
        showNotice(this, QStringLiteral("QCef InvokeMethod Notify"),
                   invokeMethodReport(method, arguments));
    } else {
        qWarning() << "AiWindow: unknown page method" << method;
    }
    emit methodHandled(method);
}

void AiWindow::onQueryRequest(int id, const QString &request)
{
    showNotice(this, QStringLiteral("QCef Query Request"),
               QStringLiteral("Current Thread: QT_UI\r\nQuery: %1").arg(request));
    m_view->bridge()->answerQuery(id, true, request.toUpper(), 0);
}

void AiWindow::onJavascriptResult(const QString &context, const QVariant &result)
{
    const QJsonDocument json = QJsonDocument::fromVariant(result);
    showNotice(this, QStringLiteral("Javascript result notification"),
               QStringLiteral("Context: %1\r\nResult in JSON format:\r\n%2")
                   .arg(context, QString::fromUtf8(json.toJson())));
}
