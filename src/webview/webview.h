#pragma once

#include <QPointer>
#include <QRegion>
#include <QWebEngineView>

class CallBridge;
class QWebChannel;

// A browser view whose page reaches the application as "CallBridge".
// The page reports where it may be dragged; a left press there moves the
// top-level window. The view's corners are rounded to match the frameless
// windows around it.
class WebView : public QWebEngineView
{
    Q_OBJECT
public:
    explicit WebView(QWidget *parent = nullptr);

    CallBridge *bridge() const { return m_bridge; }
    QRegion draggableRegion() const { return m_draggable; }
    QRegion nonDraggableRegion() const { return m_nonDraggable; }

    // True when a press at pos (view coordinates) should move the window.
    bool isDragPoint(const QPoint &pos) const;

public slots:
    void onDraggableRegionChanged(const QRegion &draggable, const QRegion &nonDraggable);

protected:
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void watchRenderWidget();

    CallBridge *m_bridge;
    QWebChannel *m_channel;
    QRegion m_draggable;
    QRegion m_nonDraggable;
    QPointer<QWidget> m_renderWidget;
};

// qwebchannel.js followed by the bridge shim, injected into every page.
QString bridgeScriptSource();
