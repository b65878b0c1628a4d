#include "core/commands/desktop_entries.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTextStream>

namespace desktop_entries {

namespace {

QHash<QString, QString> readGroup(const QString &path)
{
    QHash<QString, QString> keys;
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly | QIODevice::Text))
        return keys;
    QTextStream in(&f);
    in.setCodec("UTF-8");
    bool inGroup = false;
    while (!in.atEnd()) {
        const QString line = in.readLine().trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        if (line.startsWith(QLatin1Char('['))) {
            inGroup = line == QLatin1String("[Desktop Entry]");
            continue;
        }
        const int eq = line.indexOf(QLatin1Char('='));
        if (!inGroup || eq <= 0)
            continue;
        const QString key = line.left(eq).trimmed();
        if (!keys.contains(key))
            keys.insert(key, line.mid(eq + 1).trimmed());
    }
    return keys;
}

// The string-value escapes of the format.
QString unescapeValue(const QString &v)
{
    QString out;
    out.reserve(v.size());
    for (int i = 0; i < v.size(); ++i) {
        if (v.at(i) != QLatin1Char('\\') || i + 1 >= v.size()) {
            out += v.at(i);
            continue;
        }
        const QChar c = v.at(++i);
        if (c == QLatin1Char('s'))
            out += QLatin1Char(' ');
        else if (c == QLatin1Char('n'))
            out += QLatin1Char('\n');
        else if (c == QLatin1Char('t'))
            out += QLatin1Char('\t');
        else if (c == QLatin1Char('r'))
            out += QLatin1Char('\r');
        else
            out += c;
    }
    return out;
}

bool entryMatches(const QString &path, const QString &name)
{
    const QHash<QString, QString> keys = readGroup(path);
    // A hidden entry is one the user deleted; it masks nothing here.
    if (keys.value(QStringLiteral("Hidden")) == QLatin1String("true"))
        return false;
    const QString base = QFileInfo(path).fileName().chopped(int(qstrlen(".desktop")));
    if (base == name)
        return true;
    for (auto it = keys.constBegin(); it != keys.constEnd(); ++it) {
        const QString &k = it.key();
        const bool isName = k == QLatin1String("Name")
            || (k.startsWith(QLatin1String("Name[")) && k.endsWith(QLatin1Char(']')));
        if (isName && unescapeValue(it.value()) == name)
            return true;
    }
    return false;
}

}  // namespace

QString userDesktopFolder()
{
    QProcess p;
    p.start(QStringLiteral("xdg-user-dir"), {QStringLiteral("DESKTOP")});
    if (p.waitForFinished(2000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0) {
        const QString dir = QString::fromLocal8Bit(p.readAllStandardOutput()).trimmed();
        if (!dir.isEmpty())
            return dir;
    }
    return QDir::home().filePath(QStringLiteral("Desktop"));
}

QStringList searchFolders(const QString &desktopFolder)
{
    const QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    QStringList folders;
    if (!desktopFolder.isEmpty())
        folders << desktopFolder;
    QString dataHome = env.value(QStringLiteral("XDG_DATA_HOME"));
    if (dataHome.isEmpty())
        dataHome = QDir::home().filePath(QStringLiteral(".local/share"));
    folders << dataHome + QStringLiteral("/applications");
    QString dataDirs = env.value(QStringLiteral("XDG_DATA_DIRS"));
    if (dataDirs.isEmpty())
        dataDirs = QStringLiteral("/usr/local/share:/usr/share");
    for (const QString &d : dataDirs.split(QLatin1Char(':'), Qt::SkipEmptyParts))
        folders << d + QStringLiteral("/applications");
    folders.removeDuplicates();
    return folders;
}

QString findEntry(const QStringList &folders, const QString &name)
{
    if (name.isEmpty())
        return QString();
    for (const QString &folder : folders) {
        QStringList files;
        QDirIterator it(folder, {QStringLiteral("*.desktop")}, QDir::Files,
                        QDirIterator::Subdirectories);
        while (it.hasNext())
            files << it.next();
        // Directory order differs between file systems; keep the choice stable.
        files.sort();
        for (const QString &f : files) {
            if (entryMatches(f, name))
                return f;
        }
    }
    return QString();
}

QString findDesktopFile(const QString &desktopFolder, const QString &name)
{
    if (desktopFolder.isEmpty() || name.isEmpty())
        return QString();
    QStringList files;
    // Dirs too: a link to a folder is a launcher, a real subfolder only searched.
    QDirIterator it(desktopFolder, QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::System,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        files << it.next();
    files.sort();
    for (const QString &f : files) {
        const QFileInfo info(f);
        if (f.endsWith(QLatin1String(".desktop")))
            continue;
        if (!info.isSymLink() && !(info.isFile() && info.isExecutable()))
            continue;
        if (info.fileName().section(QLatin1Char('.'), 0, 0) == name)
            return f;
    }
    return QString();
}

bool splitExec(const QString &exec, QStringList *out)
{
    QStringList args;
    QString cur;
    bool inArg = false;
    bool quoted = false;
    for (int i = 0; i < exec.size(); ++i) {
        const QChar c = exec.at(i);
        if (quoted) {
            if (c == QLatin1Char('"')) {
                quoted = false;
            } else if (c == QLatin1Char('\\') && i + 1 < exec.size()) {
                cur += exec.at(++i);
            } else {
                cur += c;
            }
            continue;
        }
        if (c == QLatin1Char('"')) {
            quoted = true;
            inArg = true;
        } else if (c.isSpace()) {
            if (inArg)
                args << cur;
            cur.clear();
            inArg = false;
        } else if (c == QLatin1Char('%') && i + 1 < exec.size()) {
            // %% is a literal percent; every other field code stands for
            // files, URLs or icons that a spoken launch does not have.
            const QChar code = exec.at(++i);
            if (code == QLatin1Char('%'))
                cur += code;
            inArg = inArg || code == QLatin1Char('%');
        } else {
            cur += c;
            inArg = true;
        }
    }
    if (quoted)
        return false;
    if (inArg)
        args << cur;
    *out = args;
    return true;
}

Launch launchFor(const QString &entryPath)
{
    Launch launch;
    const QHash<QString, QString> keys = readGroup(entryPath);
    if (keys.isEmpty()) {
        launch.error = QStringLiteral("cannot read desktop entry %1").arg(entryPath);
        return launch;
    }
    if (keys.value(QStringLiteral("Type")) == QLatin1String("Link")) {
        launch.url = unescapeValue(keys.value(QStringLiteral("URL")));
        if (launch.url.isEmpty())
            launch.error = QStringLiteral("link entry %1 has no URL").arg(entryPath);
        return launch;
    }
    QStringList argv;
    if (!splitExec(unescapeValue(keys.value(QStringLiteral("Exec"))), &argv) || argv.isEmpty()
        || argv.first().isEmpty()) {
        launch.error = QStringLiteral("desktop entry %1 has a broken Exec line").arg(entryPath);
        return launch;
    }
    launch.program = argv.takeFirst();
    launch.arguments = argv;
    return launch;
}

}  // namespace desktop_entries
