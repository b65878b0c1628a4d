#include "webview/webview.h"

#include "webview/callbridge.h"

#include <QChildEvent>
#include <QDebug>
#include <QFile>
#include <QMouseEvent>
#include <QPainterPath>
#include <QWebChannel>
#include <QWebEnginePage>
#include <QWebEngineScript>
#include <QWebEngineScriptCollection>
#include <QWindow>

namespace {

QString readResource(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        qWarning() << "WebView: cannot read" << path;
        return {};
    }
    return QString::fromUtf8(file.readAll());
}

} // namespace

QString bridgeScriptSource()
{
    // The resource lives in a static library: nothing else would pull it in.
    Q_INIT_RESOURCE(webview);
    return readResource(QStringLiteral(":/qtwebchannel/qwebchannel.js")) + QLatin1Char('\n')
           + readResource(QStringLiteral(":/webview/callbridge.js"));
}

WebView::WebView(QWidget *parent)
    : QWebEngineView(parent)
    , m_bridge(new CallBridge(this))
    , m_channel(new QWebChannel(this))
{
    // Views share one profile, so the script is added per page, not per profile.
    QWebEngineScript script;
    script.setName(QStringLiteral("callbridge"));
    script.setSourceCode(bridgeScriptSource());
    script.setInjectionPoint(QWebEngineScript::DocumentCreation);
    script.setWorldId(QWebEngineScript::MainWorld);
    script.setRunsOnSubFrames(false);
    page()->scripts().insert(script);

    m_channel->registerObject(QStringLiteral("CallBridge"), m_bridge);
    page()->setWebChannel(m_channel);
    page()->setBackgroundColor(Qt::white);

    connect(m_bridge, &CallBridge::draggableRegionChanged, this,
            &WebView::onDraggableRegionChanged);
    watchRenderWidget();
}

bool WebView::isDragPoint(const QPoint &pos) const
{
    return m_draggable.contains(pos) && !m_nonDraggable.contains(pos);
}

void WebView::onDraggableRegionChanged(const QRegion &draggable, const QRegion &nonDraggable)
{
    m_draggable = draggable;
    m_nonDraggable = nonDraggable;
}

bool WebView::event(QEvent *event)
{
    // The engine renders into a child widget that it may replace after a
    // renderer restart; its mouse presses never reach the view itself.
    if (event->type() == QEvent::ChildPolished)
        watchRenderWidget();
    return QWebEngineView::event(event);
}

void WebView::watchRenderWidget()
{
    QWidget *proxy = focusProxy();
    if (!proxy || proxy == m_renderWidget)
        return;
    if (m_renderWidget)
        m_renderWidget->removeEventFilter(this);
    m_renderWidget = proxy;
    proxy->installEventFilter(this);
}

bool WebView::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_renderWidget && event->type() == QEvent::MouseButtonPress) {
        auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() == Qt::LeftButton && isDragPoint(mouse->pos())) {
            QWindow *handle = window()->windowHandle();
            if (handle && handle->startSystemMove())
                return true;
        }
    }
    return QWebEngineView::eventFilter(watched, event);
}

void WebView::resizeEvent(QResizeEvent *event)
{
    QPainterPath path;
    path.addRoundedRect(QRectF(rect()), 10, 10);
    setMask(QRegion(path.toFillPolygon().toPolygon()));
    QWebEngineView::resizeEvent(event);
}
