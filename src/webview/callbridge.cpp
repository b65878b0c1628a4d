#include "webview/callbridge.h"

#include <QDebug>
#include <QRect>

CallBridge::CallBridge(QObject *parent)
    : QObject(parent)
{
}

void CallBridge::invokeMethod(const QVariant &method, const QVariant &arguments)
{
    if (method.userType() != QMetaType::QString || method.toString().isEmpty()) {
        qWarning() << "CallBridge: method name is not a text:" << method;
        return;
    }
    QVariantList args;
    if (arguments.isNull() || !arguments.isValid()) {
        // A call without arguments.
    } else if (arguments.canConvert<QVariantList>()
               && arguments.userType() != QMetaType::QString) {
        args = arguments.toList();
    } else {
        qWarning() << "CallBridge: arguments of" << method.toString() << "are not a list:"
                   << arguments;
        return;
    }
    emit methodInvoked(method.toString(), args);
}

void CallBridge::query(const QVariant &id, const QVariant &request)
{
    bool ok = false;
    const int queryId = id.toInt(&ok);
    if (!ok || request.userType() != QMetaType::QString) {
        qWarning() << "CallBridge: malformed query" << id << request;
        return;
    }
    emit queryRequested(queryId, request.toString());
}

void CallBridge::reportJavascriptResult(const QVariant &context, const QVariant &result)
{
    emit javascriptResult(context.toString(), result);
}

void CallBridge::reportDraggableRegions(const QVariant &draggable, const QVariant &nonDraggable)
{
    QRegion drag;
    QRegion noDrag;
    if (!regionFromList(draggable, &drag) || !regionFromList(nonDraggable, &noDrag)) {
        qWarning() << "CallBridge: malformed draggable regions" << draggable << nonDraggable;
        return;
    }
    emit draggableRegionChanged(drag, noDrag);
}

void CallBridge::broadcastEvent(const QString &name, const QVariantList &arguments)
{
    emit eventBroadcast(name, arguments);
}

void CallBridge::answerQuery(int id, bool success, const QString &response, int errorCode)
{
    emit queryAnswered(id, success, response, errorCode);
}

bool CallBridge::regionFromList(const QVariant &list, QRegion *region)
{
    *region = QRegion();
    if (!list.isValid() || list.isNull())
        return true;
    if (list.userType() == QMetaType::QString || !list.canConvert<QVariantList>())
        return false;
    for (const QVariant &item : list.toList()) {
        const QVariantList r = item.toList();
        if (r.size() != 4)
            return false;
        int v[4];
        for (int i = 0; i < 4; ++i) {
            bool ok = false;
            v[i] = static_cast<int>(r.at(i).toDouble(&ok));
            if (!ok)
                return false;
        }
        *region += QRect(v[0], v[1], v[2], v[3]);
    }
    return true;
}
