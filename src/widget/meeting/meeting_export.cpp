#include "meeting_export.h"

#include <QStringList>

QString meetingExportDocument(const QString &title, const QString &bodyHtml)
{
    const QStringList lines = {
        QStringLiteral("<!DOCTYPE html PUBLIC \"-//W3C//DTD HTML 4.01 Transitional//EN\">"),
        QStringLiteral("<html>"),
        QStringLiteral("<head>"),
        QStringLiteral("<meta http-equiv=\"Content-Type\" content=\"text/html; charset=UTF-8\">"),
        QStringLiteral("<title>%1</title>").arg(title.toHtmlEscaped()),
        QStringLiteral("<style>"),
        QStringLiteral("body { font-family: 'Microsoft YaHei', Arial, sans-serif; }"),
        QStringLiteral("h1 { color: #0066cc; }"),
        QStringLiteral("table { border-collapse: collapse; width: 100%; }"),
        QStringLiteral("th, td { border: 1px solid #ddd; padding: 8px; text-align: left; }"),
        QStringLiteral("th { background-color: #f2f2f2; }"),
        QStringLiteral("</style>"),
        QStringLiteral("</head>"),
        QStringLiteral("<body>"),
        QStringLiteral("<h1>%1</h1>").arg(title.toHtmlEscaped()),
        QStringLiteral("<div>%1</div>").arg(bodyHtml),
        QStringLiteral("</body>"),
        QStringLiteral("</html>"),
    };
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

QString meetingPlainTextAsHtml(const QString &text)
{
    QString html = text.toHtmlEscaped();
    html.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    html.replace(QLatin1Char('\n'), QLatin1String("<br>\n"));
    return html;
}

QString meetingExportFileName(const QString &chosen)
{
    if (chosen.endsWith(QLatin1String(".doc"), Qt::CaseInsensitive)
        || chosen.endsWith(QLatin1String(".docx"), Qt::CaseInsensitive))
        return chosen;
    return chosen + QStringLiteral(".doc");
}
