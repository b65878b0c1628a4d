#pragma once

#include <QDateTime>
#include <QString>

// The name of the WAV file kept for the last utterance:
// "record<yyyy_MM_dd_hh_mm_ss>_<model>_<link>_<version>.wav".
namespace RecordingName {

// Keeps letters, digits, '.', '-' and '_' and turns anything else into '_',
// so that what the mouse calls itself can never name another folder.
QString filePiece(const QString &text);

QString utteranceWav(const QDateTime &when, const QString &model, int linkModel,
                     const QString &version);

}  // namespace RecordingName
