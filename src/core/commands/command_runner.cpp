#include "core/commands/command_runner.h"

#include <QDebug>
#include <QFileInfo>
#include <QProcess>
#include <QUrl>

#include "core/commands/desktop_entries.h"

bool DesktopCommandActions::openUrl(const QString &url)
{
    return QProcess::startDetached(QStringLiteral("xdg-open"), {url});
}

bool DesktopCommandActions::startDetached(const QString &program, const QStringList &arguments)
{
    return QProcess::startDetached(program, arguments);
}

bool DesktopCommandActions::typeText(const QString &text)
{
    // Typing needs the key injector, which lives above the core.
    qWarning() << "no typing service for fixed text" << text;
    return false;
}

namespace {

bool isDesktopEntry(const QString &path)
{
    return path.endsWith(QLatin1String(".desktop"), Qt::CaseInsensitive);
}

}  // namespace

bool CommandRunner::launchEntry(const QString &path, QString *error)
{
    const desktop_entries::Launch launch = desktop_entries::launchFor(path);
    if (!launch.error.isEmpty()) {
        *error = launch.error;
        return false;
    }
    if (!launch.url.isEmpty()) {
        if (!m_actions->openUrl(launch.url)) {
            *error = QStringLiteral("cannot open ") + launch.url;
            return false;
        }
        return true;
    }
    if (!m_actions->startDetached(launch.program, launch.arguments)) {
        *error = QStringLiteral("cannot start ") + launch.program;
        return false;
    }
    return true;
}

bool CommandRunner::startProgram(const QString &commandLine, QString *error)
{
    const QString path = commandLine.trimmed();
    if (isDesktopEntry(path))
        return launchEntry(path, error);
    QFileInfo whole(path);
    QStringList argv;
    // A path with spaces names the program itself; otherwise split as a shell would.
    if (whole.exists())
        argv << path;
    else
        argv = QProcess::splitCommand(path);
    if (argv.isEmpty()) {
        *error = QStringLiteral("empty program");
        return false;
    }
    const QFileInfo program(argv.first());
    if (!program.exists()) {
        *error = QStringLiteral("%1 does not exist").arg(argv.first());
        return false;
    }
    if (!program.isExecutable() || program.isDir()) {
        // A document: its own application opens it.
        if (argv.size() == 1 && program.isFile()) {
            if (!m_actions->openUrl(QUrl::fromLocalFile(program.absoluteFilePath()).toString())) {
                *error = QStringLiteral("cannot open ") + path;
                return false;
            }
            return true;
        }
        *error = QStringLiteral("%1 is not a program").arg(argv.first());
        return false;
    }
    const QString exe = argv.takeFirst();
    if (!m_actions->startDetached(exe, argv)) {
        *error = QStringLiteral("cannot start ") + exe;
        return false;
    }
    return true;
}

bool CommandRunner::execute(const VoiceCommand &command, QString *error)
{
    const QString &target = command.target;
    if (command.type == QLatin1String("folder")) {
        if (!QFileInfo(target).isDir()) {
            *error = QStringLiteral("folder %1 does not exist").arg(target);
            return false;
        }
        if (!m_actions->openUrl(QUrl::fromLocalFile(target).toString())) {
            *error = QStringLiteral("cannot open ") + target;
            return false;
        }
        return true;
    }
    if (command.type == QLatin1String("file"))
        return startProgram(target, error);
    if (command.type == QLatin1String("website")) {
        const QUrl url = QUrl::fromUserInput(target);
        if (!url.isValid() || target.trimmed().isEmpty()) {
            *error = QStringLiteral("invalid web address ") + target;
            return false;
        }
        if (!m_actions->openUrl(url.toString(QUrl::FullyEncoded))) {
            *error = QStringLiteral("cannot open ") + target;
            return false;
        }
        return true;
    }
    if (command.type == QLatin1String("text")) {
        if (!m_actions->typeText(target)) {
            *error = QStringLiteral("cannot type the text");
            return false;
        }
        return true;
    }
    *error = QStringLiteral("unknown command type ") + command.type;
    return false;
}

CommandOutcome CommandRunner::run(const QString &recognised)
{
    CommandOutcome out;
    out.phrase = cleanRecognisedPhrase(recognised);
    if (out.phrase.isEmpty()) {
        qInfo() << "voice command: nothing recognised";
        return out;
    }

    const CommandMatch match = matchCommand(m_commands, out.phrase);
    if (match.index >= 0) {
        if (match.matchCount > 1)
            qWarning() << "voice command" << out.phrase << "is stored" << match.matchCount
                       << "times; running the first";
        const VoiceCommand &cmd = m_commands.at(match.index);
        out.detail = cmd.target;
        QString error;
        if (execute(cmd, &error)) {
            out.kind = CommandOutcome::Executed;
        } else {
            out.kind = CommandOutcome::Failed;
            out.error = error;
            qWarning() << "voice command" << out.phrase << "failed:" << error;
        }
        return out;
    }

    QString name = out.phrase;
    for (const QString &word : m_openWords) {
        if (!word.isEmpty() && name.startsWith(word)) {
            name = name.mid(word.size()).trimmed();
            break;
        }
    }
    const QString entry = desktop_entries::findEntry(m_entryFolders, name);
    if (!entry.isEmpty()) {
        QString error;
        out.detail = entry;
        if (launchEntry(entry, &error)) {
            out.kind = CommandOutcome::EntryLaunched;
            return out;
        }
        // A broken entry should not swallow the phrase: fall through to the search.
        qWarning() << "desktop entry" << entry << "for" << name << "failed:" << error;
    }

    const QString onDesktop = desktop_entries::findDesktopFile(m_desktopFolder, name);
    if (!onDesktop.isEmpty()) {
        const QFileInfo info(onDesktop);
        const QString resolved = info.isSymLink() ? info.symLinkTarget() : onDesktop;
        const QFileInfo target(resolved);
        bool ok = false;
        if (target.isFile() && target.isExecutable())
            ok = m_actions->startDetached(resolved, {});
        else if (target.exists())
            ok = m_actions->openUrl(QUrl::fromLocalFile(resolved).toString());
        out.detail = onDesktop;
        if (ok) {
            out.kind = CommandOutcome::EntryLaunched;
            return out;
        }
        qWarning() << "cannot open" << onDesktop << "for" << name;
    }

    out.kind = CommandOutcome::Searched;
    out.detail = m_searchPrefix
        + QString::fromUtf8(QUrl::toPercentEncoding(out.phrase));
    if (!m_actions->openUrl(out.detail))
        qWarning() << "cannot open the web search" << out.detail;
    return out;
}
