#include "core/audio/audioplayer.h"

#include <QDebug>
#include <QMediaContent>

AudioPlayer::AudioPlayer(QObject *parent)
    : QObject(parent)
{
    connect(&m_player, &QMediaPlayer::stateChanged, this, &AudioPlayer::onStateChanged);
    connect(&m_player, QOverload<QMediaPlayer::Error>::of(&QMediaPlayer::error), this,
            [this](QMediaPlayer::Error error) {
                if (error != QMediaPlayer::NoError)
                    qWarning() << "audio player error" << error << m_player.errorString();
            });
}

AudioPlayer::~AudioPlayer()
{
    // The player must let go of the stream before the buffer goes away.
    disconnect(&m_player, nullptr, this, nullptr);
    m_player.stop();
    m_player.setMedia(QMediaContent());
}

void AudioPlayer::setData(const QByteArray &bytes)
{
    m_player.stop();
    // QBuffer refuses new data while open, and a player that never started
    // leaves it open.
    if (m_buffer.isOpen())
        m_buffer.close();
    m_buffer.setData(bytes);
    // The backend takes a stream only while it is open (it reports "invalid
    // user stream" otherwise), so play() hands the buffer over; until then
    // the player lets go of the old one.
    m_player.setMedia(QMediaContent());
}

void AudioPlayer::play()
{
    if (m_buffer.size() == 0)
        return;
    if (!m_buffer.isOpen()) {
        if (!m_buffer.open(QIODevice::ReadOnly)) {
            qWarning() << "Failed to open buffer";
            return;
        }
    }
    if (m_player.state() == QMediaPlayer::StoppedState) {
        m_buffer.seek(0);
        m_player.setMedia(QMediaContent(), &m_buffer);
    }
    m_player.play();
}

void AudioPlayer::pause()
{
    m_player.pause();
}

void AudioPlayer::onStateChanged(QMediaPlayer::State state)
{
    if (state == QMediaPlayer::StoppedState && m_buffer.isOpen())
        m_buffer.close();
    emit stateChanged(state);
}
