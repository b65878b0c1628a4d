#pragma once

#include <QBuffer>
#include <QByteArray>
#include <QMediaPlayer>
#include <QObject>

// Plays an encoded sound (WAV, MP3, ...) held in memory, on the GUI thread.
// The bytes are kept in a buffer that stays open only while the player uses
// it, so new data can be set at any time.
class AudioPlayer : public QObject
{
    Q_OBJECT
public:
    explicit AudioPlayer(QObject *parent = nullptr);
    ~AudioPlayer() override;

    // Stops whatever is playing and makes bytes what play() plays next.
    void setData(const QByteArray &bytes);
    // Nothing happens without data.
    void play();
    void pause();

    QMediaPlayer::State state() const { return m_player.state(); }
    QMediaPlayer::MediaStatus mediaStatus() const { return m_player.mediaStatus(); }
    bool isBufferOpen() const { return m_buffer.isOpen(); }
    QByteArray data() const { return m_buffer.data(); }

signals:
    void stateChanged(QMediaPlayer::State state);

private:
    void onStateChanged(QMediaPlayer::State state);

    QMediaPlayer m_player;
    QBuffer m_buffer;
};
