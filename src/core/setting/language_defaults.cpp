#include "language_defaults.h"

#include "core/config/endpoints.h"
#include "core/setting/inifileinf.h"

#include <QDebug>

namespace {

SettingsRow makeRow(const QString &listen, const QString &target, const QString &ocrSource,
                    const QString &screenLang, const QString &country,
                    const QString &searchPrefix, const QString &portal)
{
    return {
        {QStringLiteral("listenlangstr"), listen},
        {QStringLiteral("translatelangstr"), target},
        {QStringLiteral("ocrsourcelangstr"), ocrSource},
        {QStringLiteral("ocrtargetlangstr"), target},
        {QStringLiteral("screenlangstr"), screenLang},
        {QStringLiteral("screentranlangstr"), target},
        {QStringLiteral("country"), country},
        {QStringLiteral("searchnetstr"), searchPrefix},
        {QStringLiteral("akeyurl"), portal},
    };
}

QHash<QString, SettingsRow> buildDefaults()
{
    const QString baidu = PublicHosts::baiduSearch() + QStringLiteral("/s?ie=UTF-8&wd=");
    const QString google = PublicHosts::googleSearch() + QStringLiteral("/search?q=");
    const QString en = QStringLiteral("en");
    const QString bing = PublicHosts::bingPortal();

    return {
        {QStringLiteral("zh_CN"),
         makeRow(QStringLiteral("zh_cn"), en, QStringLiteral("cn"), QStringLiteral("cn"),
                 QStringLiteral("cn"), baidu, PublicHosts::hao123Portal())},
        // Traditional Chinese still uses the mainland services.
        {QStringLiteral("zh_Hant"),
         makeRow(QStringLiteral("zh_cn_taiwan_traditional"), en, QStringLiteral("cht"),
                 QStringLiteral("cht"), QStringLiteral("cn"), google, bing)},
        {QStringLiteral("id"),
         makeRow(QStringLiteral("id_ID"), en, QStringLiteral("id"), QStringLiteral("id"),
                 QStringLiteral("id"), google, bing)},
        {QStringLiteral("en_US"),
         makeRow(en, QStringLiteral("zh-Hans"), en, en, en, google, bing)},
        {QStringLiteral("ko"),
         makeRow(QStringLiteral("ko_kr"), en, QStringLiteral("ko"), QStringLiteral("ko"),
                 QStringLiteral("ko"), google, bing)},
        {QStringLiteral("ja"),
         makeRow(QStringLiteral("ja_jp"), en, QStringLiteral("ja"), QStringLiteral("ja"),
                 QStringLiteral("ja"), google, bing)},
        {QStringLiteral("ru_RU"),
         makeRow(QStringLiteral("ru_ru"), en, QStringLiteral("ru"), QStringLiteral("ru"),
                 QStringLiteral("ru"), google, PublicHosts::yandexPortal())},
    };
}

}  // namespace

const QHash<QString, SettingsRow> &languageDefaults()
{
    static const QHash<QString, SettingsRow> table = buildDefaults();
    return table;
}

void setLangConfig(const QString &language)
{
    const auto &table = languageDefaults();
    auto row = table.constFind(language);
    if (row == table.cend()) {
        qWarning() << "Unsupported language:" << language;
        row = table.constFind(QStringLiteral("en_US"));
    }
    IniFileInf::saveAllConfig(*row);
}
