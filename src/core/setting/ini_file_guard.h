#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// Keeps a rewrite by QSettings from losing entries of a hand-edited INI file.
//
// QSettings reads a value with an unterminated quote, or one ending in a
// backslash, as running on into the following lines; the keys on those lines
// are swallowed into that value and, once the file is written back, are gone
// for good. Before such a file is rewritten the guard keeps a copy of it
// beside the original and puts every line back on its own.
namespace IniFileGuard {

// Keys that a line of the file defines but that QSettings does not read,
// because an earlier line runs on over them. Empty for a sound file and for
// one that is missing or unreadable.
QStringList swallowedKeys(const QString &path);

// raw with each line made an entry of its own: a quote left open at the end
// of a line is closed, a backslash that would join the next line is dropped.
// Everything else, line endings included, is kept byte for byte.
QByteArray separateLines(const QByteArray &raw);

// Call right before writing path through QSettings. For a file with swallowed
// keys: copies it to "<name>.<yyyyMMdd-hhmmss>.bak" beside it, logs the copy
// and repairs the file in place. Returns false when the file needs that but
// no copy could be made; the caller must then not write.
bool prepareForRewrite(const QString &path);

}  // namespace IniFileGuard
