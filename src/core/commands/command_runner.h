#pragma once

#include <QMetaType>
#include <QString>
#include <QStringList>
#include <QVector>

#include "core/commands/voice_command.h"

// What a command does to the desktop; a seam so the choices can be checked
// without opening anything.
class CommandActions
{
public:
    virtual ~CommandActions() = default;
    virtual bool openUrl(const QString &url) = 0;
    virtual bool startDetached(const QString &program, const QStringList &arguments) = 0;
    virtual bool typeText(const QString &text) = 0;
};

// The desktop's own opener (xdg-open) and detached processes; never a shell.
class DesktopCommandActions : public CommandActions
{
public:
    bool openUrl(const QString &url) override;
    bool startDetached(const QString &program, const QStringList &arguments) override;
    bool typeText(const QString &text) override;
};

struct CommandOutcome
{
    enum Kind { EmptyPhrase, Executed, Failed, EntryLaunched, Searched };
    Kind kind = EmptyPhrase;
    QString phrase;   // the cleaned phrase
    QString detail;   // the target, entry path or search URL
    QString error;    // why a matched command failed
};

Q_DECLARE_METATYPE(CommandOutcome)

class CommandRunner
{
public:
    explicit CommandRunner(CommandActions *actions) : m_actions(actions) {}

    void setCommands(const QVector<VoiceCommand> &commands) { m_commands = commands; }
    void setSearchPrefix(const QString &prefix) { m_searchPrefix = prefix; }
    void setEntryFolders(const QStringList &folders) { m_entryFolders = folders; }
    // Programs and links lying on the desktop are found by name too.
    void setDesktopFolder(const QString &folder) { m_desktopFolder = folder; }
    // Leading words ("open") dropped before a desktop entry is looked up.
    void setOpenWords(const QStringList &words) { m_openWords = words; }

    CommandOutcome run(const QString &recognised);

private:
    bool execute(const VoiceCommand &command, QString *error);
    bool launchEntry(const QString &path, QString *error);
    bool startProgram(const QString &commandLine, QString *error);

    CommandActions *m_actions;
    QVector<VoiceCommand> m_commands;
    QString m_searchPrefix;
    QStringList m_entryFolders;
    QString m_desktopFolder;
    QStringList m_openWords;
};
