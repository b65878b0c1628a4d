#include "translation_loader.h"

#include "core/setting/inifileinf.h"

#include <QCoreApplication>
#include <QDebug>
#include <QPointer>
#include <QLocale>
#include <QTranslator>

namespace UiTranslation {

namespace {

QPointer<QTranslator> &current()
{
    static QPointer<QTranslator> translator;
    return translator;
}

bool loadForLocale(QTranslator &translator, const QLocale &locale)
{
    return translator.load(locale, QStringLiteral("sevoly"), QStringLiteral("_"),
                           QStringLiteral(":/i18n"));
}

}  // namespace

bool loadForLocaleName(QTranslator &translator, const QString &name)
{
    return loadForLocale(translator, QLocale(name));
}

bool load(QTranslator &translator)
{
    const QString sysLang = IniFileInf::get_keydefine(QStringLiteral("sysLang"));
    bool loaded = false;
    if (!sysLang.isEmpty()) {
        qDebug() << "QLocale: 2";
        loaded = loadForLocaleName(translator, sysLang);
        if (!loaded) {
            qDebug() << "QLocale: 3";
            loaded = loadForLocale(translator, QLocale());
        }
    } else {
        const QLocale system(QLocale::system().language());
        qDebug() << "QLocale::system" << system;
        loaded = loadForLocaleName(translator, system.name());
    }
    if (!loaded)
        loaded = loadForLocale(translator, QLocale(QLocale::English, QLocale::AnyCountry));

    if (sysLang.isEmpty())
        IniFileInf::set_keydefine(QStringLiteral("sysLang"), translator.language());
    return loaded;
}

void makeCurrent(QTranslator *translator)
{
    if (current())
        QCoreApplication::removeTranslator(current());
    current() = translator;
    QCoreApplication::installTranslator(translator);
}

}  // namespace UiTranslation
