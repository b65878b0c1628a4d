#include "recording_name.h"

namespace RecordingName {

QString filePiece(const QString &text)
{
    QString piece = text;
    for (QChar &c : piece) {
        if (!c.isLetterOrNumber() && c != QLatin1Char('.') && c != QLatin1Char('-')
            && c != QLatin1Char('_'))
            c = QLatin1Char('_');
    }
    return piece;
}

QString utteranceWav(const QDateTime &when, const QString &model, int linkModel,
                     const QString &version)
{
    QString link;
    if (linkModel == 2)
        link = QStringLiteral("Ble1");
    else if (linkModel == 3)
        link = QStringLiteral("Ble2");
    else if (linkModel == 4 || linkModel == 5)
        link = QStringLiteral("Hid");
    return QStringLiteral("record") + when.toString(QStringLiteral("yyyy_MM_dd_hh_mm_ss"))
        + QLatin1Char('_') + filePiece(model) + QLatin1Char('_') + link + QLatin1Char('_')
        + filePiece(version) + QStringLiteral(".wav");
}

}  // namespace RecordingName
