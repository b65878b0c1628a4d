#pragma once

#include <QString>

// The capture tool's own settings, in the text file ".Quillshot-config" in
// the application directory: one "key=value" line per setting. Only
// "copyWithMd" changes behaviour (upload links are copied as Markdown); the
// others are kept for the file's other readers.
class LocalConfig
{
public:
    static constexpr const char *kFileName = ".Quillshot-config";

    // path: the file; empty means kFileName in the application directory.
    explicit LocalConfig(const QString &path = QString());

    // Reads the file, or writes the start values when there is none yet.
    void loadConfig();
    bool saveConfig() const;

    QString path() const { return m_path; }
    QString hotkey = QStringLiteral("F1");
    bool copyWithMd = true;
    bool runWhenLogin = false;
    QString language = QStringLiteral("中文");

private:
    QString m_path;
};
