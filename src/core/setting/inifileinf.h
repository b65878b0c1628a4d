#pragma once

#include <QHash>
#include <QString>

// The settings store: text values in "option.ini" in the data folder (and
// the voice-command list in "cmdkey.ini"). Nothing is cached, so a value
// written anywhere is seen by the very next read, from any object. Before a
// write, a hand-edited file that QSettings would mangle is copied aside and
// repaired (IniFileGuard).
class IniFileInf
{
public:
    static QString get_keydefine(const QString &key);
    // Writes only a changed value, so an unchanged setting leaves the file alone.
    static void set_keydefine(const QString &key, const QString &value);
    // Writes every pair, changed or not, then flushes once.
    static void saveAllConfig(const QHash<QString, QString> &values);

    // False when the list could not be written; the old file is then intact.
    static bool saveCmdKey(const QString &text);
    static QString getCmdKey();

    static QString optionFilePath();
    static QString cmdKeyFilePath();
};
