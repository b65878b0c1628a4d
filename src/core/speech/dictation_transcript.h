#pragma once

#include <QString>

#include <map>

// The text of one dictation connection, assembled the way the service numbers
// its results: every result carries a serial number, an appended result
// ("apd", or a result without correction) adds its piece, and a replacement
// ("rpl") first removes the pieces numbered rg[0]..rg[1]. Keeping the pieces
// by number, rather than folding a pending sentence into a running string,
// is what keeps a corrected sentence from appearing twice.
class DictationTranscript
{
public:
    void clear();

    // sn <= 0 (missing) continues after the last piece seen. A replacement
    // range that is missing or reversed replaces nothing.
    void append(int sn, const QString &text);
    void replace(int sn, int rgFrom, int rgTo, const QString &text);

    QString text() const;
    bool isEmpty() const { return text().isEmpty(); }

private:
    int serial(int sn);

    std::map<int, QString> m_pieces;
    int m_lastSn = 0;
};
