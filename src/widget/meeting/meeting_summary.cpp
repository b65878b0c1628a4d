#include "meeting_summary.h"

#include "core/config/endpoints.h"
#include "curl/curlwrapper.h"

#include <QCoreApplication>
#include <QDebug>

QString meetingSummaryUrl()
{
    return Endpoints::route(Endpoints::Endpoint::Management,
                            QStringLiteral("/api/content/v1/meeting_summary"));
}

MeetingSummaryReply fetchMeetingSummary(const QString &transcript)
{
    MeetingSummaryReply reply;
    const QString url = meetingSummaryUrl();
    if (url.isEmpty()) {
        reply.error = QCoreApplication::translate("MeetingMinutes", "未配置会议总结服务");
        return reply;
    }
    CurlWrapper::Options options;
    options.timeoutMs = 120000;  // a language model writing a long summary takes a while
    const HttpResult result = CurlWrapper::postMultiInterface(
        url, {{QStringLiteral("meeting_content"), transcript}}, {}, options);
    qDebug() << "result: " << QString::fromUtf8(result.body.left(2000));
    if (result.ok()) {
        reply.ok = true;
        reply.html = QString::fromUtf8(result.body);
    } else if (result.outcome == HttpResult::Outcome::HttpError) {
        reply.error = QStringLiteral("HTTP %1").arg(result.status);
    } else {
        reply.error = result.error;
    }
    return reply;
}
