#pragma once

#include <QString>
#include <QVector>

// The interface languages the user can choose, in the order the software
// settings page lists them. The display texts are the languages' own names
// and are never translated.
namespace InterfaceLanguages {

struct Language
{
    QString display;
    QString storedName;  // what "sysLang" holds for this language
};

const QVector<Language> &all();

// The row of a stored "sysLang" value, compared as locales ("zh_HK" and
// "zh_Hant_HK" are one row); -1 when it is none of them.
int rowOf(const QString &sysLang);

}  // namespace InterfaceLanguages
