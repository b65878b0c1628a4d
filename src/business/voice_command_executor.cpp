#include "business/voice_command_executor.h"

#include "business/funcontrolcenter.h"
#include "core/commands/command_runner.h"
#include "core/commands/desktop_entries.h"
#include "core/config/endpoints.h"
#include "core/key/typingtaskqueue.h"
#include "core/setting/inifileinf.h"
#include "widget/tradialogue.h"

#include <QDebug>

namespace {

// Fixed texts go through the same queue as dictation, so they never
// interleave with a sentence still being typed.
class TypingCommandActions : public DesktopCommandActions
{
public:
    bool typeText(const QString &text) override
    {
        if (text.isEmpty())
            return false;
        TypingTaskQueue::instance()->addTask({1, text, 0, 0});
        return true;
    }
};

}  // namespace

VoiceCommandExecutor::VoiceCommandExecutor(std::unique_ptr<CommandActions> actions,
                                           QObject *parent)
    : QObject(parent)
    , m_actions(actions ? std::move(actions) : std::make_unique<TypingCommandActions>())
{
}

VoiceCommandExecutor::~VoiceCommandExecutor() = default;

void VoiceCommandExecutor::attach()
{
    connect(FunControlCenter::getInstance().get(), &FunControlCenter::voiceAssCallback, this,
            &VoiceCommandExecutor::executeVoiceCommand);
    connect(this, &VoiceCommandExecutor::resultMessage, TraDialogue::instance().get(),
            &TraDialogue::setShowTargetSearchResult);
}

QString VoiceCommandExecutor::defaultSearchPrefix()
{
    return PublicHosts::googleSearch() + QStringLiteral("/search?q=");
}

void VoiceCommandExecutor::executeVoiceCommand(const QString &text)
{
    CommandRunner runner(m_actions.get());
    runner.setCommands(parseCommandList(IniFileInf::getCmdKey()));
    QString prefix = IniFileInf::get_keydefine(QStringLiteral("searchnetstr"));
    if (prefix.trimmed().isEmpty())
        prefix = defaultSearchPrefix();
    runner.setSearchPrefix(prefix);
    const QString desktop = desktop_entries::userDesktopFolder();
    runner.setEntryFolders(desktop_entries::searchFolders(desktop));
    runner.setDesktopFolder(desktop);
    runner.setOpenWords({tr("打开"), QStringLiteral("打开")});

    const CommandOutcome outcome = runner.run(text);
    qInfo() << "voice command" << outcome.phrase << "->" << int(outcome.kind) << outcome.detail;
    switch (outcome.kind) {
    case CommandOutcome::Failed:
        emit resultMessage(tr("%1指令执行失败，请检查执行路径").arg(outcome.phrase));
        break;
    case CommandOutcome::Searched:
        emit resultMessage(outcome.detail);
        break;
    default:
        break;
    }
    emit executed(outcome);
}
