#pragma once

#include <QObject>
#include <QString>

#include <memory>

#include "core/commands/command_runner.h"

// Turns the recognised phrase of the voice-search scene into a desktop
// action: a stored command, else a desktop entry by that name, else a web
// search. The list and the search engine are read at each phrase, so an
// edit takes effect at once.
class VoiceCommandExecutor : public QObject
{
    Q_OBJECT
public:
    // Null actions: the desktop's own opener and detached processes.
    explicit VoiceCommandExecutor(std::unique_ptr<CommandActions> actions = nullptr,
                                  QObject *parent = nullptr);
    ~VoiceCommandExecutor() override;

    // Connects the control center's voice-search result to this object and
    // its messages to the result window.
    void attach();

    static QString defaultSearchPrefix();

public slots:
    void executeVoiceCommand(const QString &text);

signals:
    // A failure or the web search, for the result window.
    void resultMessage(const QString &text);
    void executed(const CommandOutcome &outcome);

private:
    std::unique_ptr<CommandActions> m_actions;
};
