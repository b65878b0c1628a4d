#pragma once

#include <QString>
#include <QVector>

// One stored voice command: a spoken phrase bound to a target.
struct VoiceCommand
{
    QString type;     // "folder", "file", "website" or "text"
    QString command;  // the phrase, compared exactly
    QString target;
};

// The list as kept in the command store: rows joined by "||", fields by "|"
// (type code, command, target). Rows with fewer than three fields are
// skipped; "text" rows have no code and are not written.
QVector<VoiceCommand> parseCommandList(const QString &stored);
QString serializeCommandList(const QVector<VoiceCommand> &commands);

// The recogniser adds sentence punctuation the user never spoke.
QString cleanRecognisedPhrase(const QString &text);

struct CommandMatch
{
    int index = -1;        // first matching row, -1 when none
    int matchCount = 0;    // how many rows carry the phrase
};

// Exact, case-sensitive comparison with the cleaned phrase; an empty phrase
// matches nothing.
CommandMatch matchCommand(const QVector<VoiceCommand> &commands, const QString &phrase);
