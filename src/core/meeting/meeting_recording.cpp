#include "meeting_recording.h"

#include "core/audio/wavfile.h"
#include "meeting_store.h"

#include <QDebug>
#include <QFile>
#include <QFileInfo>

bool meetingWavFromPcm(const QString &pcmPath, QByteArray *wav, QString *error)
{
    wav->clear();
    QFile pcm(pcmPath);
    if (!pcm.open(QIODevice::ReadOnly)) {
        if (error)
            *error = pcm.errorString();
        return false;
    }
    if (quint64(pcm.size()) > kMaxWavDataSize) {
        if (error)
            *error = QStringLiteral("recording too large for a WAV file");
        return false;
    }
    QByteArray out = makeWavHeader(quint32(pcm.size()), 1, 16000, 16);
    out.reserve(int(kWavHeaderSize + pcm.size()));
    out.append(pcm.readAll());
    if (out.size() != kWavHeaderSize + pcm.size()) {
        if (error)
            *error = pcm.errorString();
        return false;
    }
    *wav = out;
    return true;
}

int recoverUnfinishedMeeting(MeetingStore &store, const QString &pcmPath, int skipId)
{
    if (!store.isOpen() || store.isReadOnly())
        return 0;
    const QVector<int> ids = store.unfinished();
    int newest = 0;
    for (int id : ids) {
        if (id != skipId) {
            newest = id;
            break;
        }
    }
    if (newest == 0 || store.recordingSize(newest) > 0)
        return 0;
    const QFileInfo pcm(pcmPath);
    if (!pcm.isFile())
        return 0;
    // created_at has whole seconds; a recording from before the meeting
    // belongs to an earlier one.
    const QDateTime created = store.createdAt(newest);
    QDateTime modified = pcm.lastModified().toUTC();
    modified.setTime(QTime(modified.time().hour(), modified.time().minute(),
                           modified.time().second()));
    if (!created.isValid() || modified < created) {
        qInfo() << "the raw recording is older than the unfinished meeting" << newest;
        return 0;
    }
    QByteArray wav;
    QString error;
    if (!meetingWavFromPcm(pcmPath, &wav, &error)) {
        qWarning() << "unfinished meeting" << newest << "keeps no recording:" << error;
        return 0;
    }
    if (!store.saveRecording(newest, wav))
        return 0;
    qInfo() << "recording attached to the unfinished meeting" << newest;
    return newest;
}
