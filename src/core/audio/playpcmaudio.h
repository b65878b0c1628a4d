#pragma once

#include <QString>
#include <QThread>

// Plays a raw recording (16 kHz, 16-bit signed little-endian, mono) on the
// default output device from its own thread, so the caller never blocks on
// the sound card. start() it and wait for resultReady.
class PlayPcmAudio : public QThread
{
    Q_OBJECT
public:
    explicit PlayPcmAudio(const QString &fileName = QStringLiteral("sound.pcm"),
                          QObject *parent = nullptr);
    ~PlayPcmAudio() override;

    QString fileName() const { return m_fileName; }

    // Blocks until the whole file has been played. Returns "succeed." or a
    // translated "Error: (...)" text.
    QString play_pcm_audio();

signals:
    void resultReady(QString result);

protected:
    void run() override;

private:
    const QString m_fileName;
};
