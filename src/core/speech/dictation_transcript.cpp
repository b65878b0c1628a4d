#include "core/speech/dictation_transcript.h"

void DictationTranscript::clear()
{
    m_pieces.clear();
    m_lastSn = 0;
}

int DictationTranscript::serial(int sn)
{
    if (sn <= 0)
        sn = m_lastSn + 1;
    m_lastSn = qMax(m_lastSn, sn);
    return sn;
}

void DictationTranscript::append(int sn, const QString &text)
{
    m_pieces[serial(sn)] = text;
}

void DictationTranscript::replace(int sn, int rgFrom, int rgTo, const QString &text)
{
    sn = serial(sn);
    if (rgFrom > 0 && rgFrom <= rgTo) {
        m_pieces.erase(m_pieces.lower_bound(rgFrom), m_pieces.upper_bound(rgTo));
    }
    m_pieces[sn] = text;
}

QString DictationTranscript::text() const
{
    QString out;
    for (const auto &piece : m_pieces)
        out += piece.second;
    return out;
}
