#pragma once

#include <QObject>
#include <QRegion>
#include <QVariant>

// The object pages reach as "CallBridge" over the web channel. Pages call
// named methods with an argument list and listen for named events; the shim
// in the resources turns that into the calls the pages are written against.
// Everything from the page arrives untyped: a wrong type is logged and
// dropped, never trusted.
class CallBridge : public QObject
{
    Q_OBJECT
public:
    explicit CallBridge(QObject *parent = nullptr);

    // Page -> application.
    Q_INVOKABLE void invokeMethod(const QVariant &method, const QVariant &arguments);
    Q_INVOKABLE void query(const QVariant &id, const QVariant &request);
    Q_INVOKABLE void reportJavascriptResult(const QVariant &context, const QVariant &result);
    // Rectangles as [x, y, width, height] lists in page pixels.
    Q_INVOKABLE void reportDraggableRegions(const QVariant &draggable,
                                            const QVariant &nonDraggable);

    // Application -> page.
    void broadcastEvent(const QString &name, const QVariantList &arguments);
    void answerQuery(int id, bool success, const QString &response, int errorCode);

    // Turns a page's rectangle list into a region; false when it is malformed.
    static bool regionFromList(const QVariant &list, QRegion *region);

signals:
    void methodInvoked(const QString &method, const QVariantList &arguments);
    void queryRequested(int id, const QString &request);
    void javascriptResult(const QString &context, const QVariant &result);
    void draggableRegionChanged(const QRegion &draggable, const QRegion &nonDraggable);

    // Watched by the shim on the page side.
    void eventBroadcast(const QString &name, const QVariantList &arguments);
    void queryAnswered(int id, bool success, const QString &response, int errorCode);
};
