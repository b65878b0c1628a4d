#include "core/setting/interface_languages.h"

#include <QLocale>

namespace InterfaceLanguages {

namespace {

struct Row
{
    const char *display;
    QLocale::Language language;
    QLocale::Country country;
};

// Any country stands for the language's main one (Chinese: China).
const Row kRows[] = {
    {"中文", QLocale::Chinese, QLocale::AnyCountry},
    {"English", QLocale::English, QLocale::AnyCountry},
    {"Indonesia", QLocale::Indonesian, QLocale::AnyCountry},
    {"한국어", QLocale::Korean, QLocale::AnyCountry},
    {"中文繁體", QLocale::Chinese, QLocale::HongKong},
    {"日本語", QLocale::Japanese, QLocale::AnyCountry},
    {"Tiếng Việt", QLocale::Vietnamese, QLocale::AnyCountry},
    {"Español", QLocale::Spanish, QLocale::AnyCountry},
    {"Русский", QLocale::Russian, QLocale::AnyCountry},
};

}  // namespace

const QVector<Language> &all()
{
    static const QVector<Language> languages = [] {
        QVector<Language> list;
        for (const Row &row : kRows)
            list.append({QString::fromUtf8(row.display), QLocale(row.language, row.country).name()});
        return list;
    }();
    return languages;
}

int rowOf(const QString &sysLang)
{
    if (sysLang.isEmpty())
        return -1;
    // An unknown name becomes the C locale, which is no row.
    const QString name = QLocale(sysLang).name();
    const auto &languages = all();
    for (int i = 0; i < languages.size(); ++i) {
        if (languages[i].storedName == name)
            return i;
    }
    return -1;
}

}  // namespace InterfaceLanguages
