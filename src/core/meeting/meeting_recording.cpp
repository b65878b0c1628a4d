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
    // Looked at once only: the raw recording is rewritten by every later
    // voice input, which must never end up in an old meeting.
    if (newest == 0 || !store.awaitsRecording(newest))
        return 0;
    const QFileInfo pcm(pcmPath);
    // created_at has whole seconds; a recording from before the meeting
    // belongs to an earlier one.
    const QDateTime created = store.createdAt(newest);
    QDateTime modified = pcm.lastModified().toUTC();
    modified.setTime(QTime(modified.time().hour(), modified.time().minute(),
                           modified.time().second()));
    QByteArray wav;
    QString error;
    if (!pcm.isFile()) {
        qInfo() << "no raw recording for the unfinished meeting" << newest;
    } else if (!created.isValid() || modified < created) {
        qInfo() << "the raw recording is older than the unfinished meeting" << newest;
    } else if (!meetingWavFromPcm(pcmPath, &wav, &error)) {
        qWarning() << "unfinished meeting" << newest << "keeps no recording:" << error;
    }
    if (!store.saveRecording(newest, wav.isEmpty() ? QByteArray("") : wav) || wav.isEmpty())
        return 0;
    qInfo() << "recording attached to the unfinished meeting" << newest;
    return newest;
}
