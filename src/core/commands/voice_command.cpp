#include "core/commands/voice_command.h"

#include <QStringList>

namespace {

QString typeFromCode(const QString &code)
{
    if (code == QLatin1String("0"))
        return QStringLiteral("folder");
    if (code == QLatin1String("1"))
        return QStringLiteral("file");
    if (code == QLatin1String("2"))
        return QStringLiteral("website");
    return QStringLiteral("text");
}

QString codeFromType(const QString &type)
{
    if (type == QLatin1String("folder"))
        return QStringLiteral("0");
    if (type == QLatin1String("file"))
        return QStringLiteral("1");
    if (type == QLatin1String("website"))
        return QStringLiteral("2");
    return QString();
}

}  // namespace

QVector<VoiceCommand> parseCommandList(const QString &stored)
{
    QVector<VoiceCommand> list;
    const QStringList rows = stored.split(QStringLiteral("||"), Qt::SkipEmptyParts);
    for (const QString &row : rows) {
        const QStringList fields = row.split(QLatin1Char('|'));
        if (fields.size() < 3)
            continue;
        list.append(VoiceCommand{typeFromCode(fields.at(0)), fields.at(1), fields.at(2)});
    }
    return list;
}

QString serializeCommandList(const QVector<VoiceCommand> &commands)
{
    QStringList rows;
    for (const VoiceCommand &c : commands) {
        const QString code = codeFromType(c.type);
        // A fixed text has no code on disk, so it lives only for the session.
        if (code.isEmpty())
            continue;
        rows << QStringList{code, c.command, c.target}.join(QLatin1Char('|'));
    }
    return rows.join(QStringLiteral("||"));
}

QString cleanRecognisedPhrase(const QString &text)
{
    static const QString trailing = QStringLiteral(".?!。！？");
    QString t = text.trimmed();
    while (!t.isEmpty() && trailing.contains(t.back()))
        t.chop(1);
    return t;
}

CommandMatch matchCommand(const QVector<VoiceCommand> &commands, const QString &phrase)
{
    CommandMatch m;
    if (phrase.isEmpty())
        return m;
    for (int i = 0; i < commands.size(); ++i) {
        if (commands.at(i).command != phrase)
            continue;
        if (m.index < 0)
            m.index = i;
        ++m.matchCount;
    }
    return m;
}
