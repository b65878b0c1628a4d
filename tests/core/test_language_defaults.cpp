#include "core/config/endpoints.h"
#include "core/setting/inifileinf.h"
#include "core/setting/language_defaults.h"
#include "core/setting/translation_loader.h"

#include <QFile>
#include <QLocale>
#include <QLoggingCategory>
#include <QRegularExpression>
#include <QSettings>
#include <QTranslator>
#include <QtTest>

namespace {

const QStringList kKeys = {
    QStringLiteral("listenlangstr"),    QStringLiteral("translatelangstr"),
    QStringLiteral("ocrsourcelangstr"), QStringLiteral("ocrtargetlangstr"),
    QStringLiteral("screenlangstr"),    QStringLiteral("screentranlangstr"),
    QStringLiteral("country"),          QStringLiteral("searchnetstr"),
    QStringLiteral("akeyurl"),
};

QString googleSearch() { return PublicHosts::googleSearch() + QStringLiteral("/search?q="); }

// Values in kKeys order.
QStringList expectedRow(const QString &language)
{
    const QString bing = PublicHosts::bingPortal();
    if (language == QLatin1String("zh_CN"))
        return {"zh_cn", "en", "cn", "en", "cn", "en", "cn",
                PublicHosts::baiduSearch() + QStringLiteral("/s?ie=UTF-8&wd="),
                PublicHosts::hao123Portal()};
    if (language == QLatin1String("zh_Hant"))
        return {"zh_cn_taiwan_traditional", "en", "cht", "en", "cht", "en", "cn", googleSearch(), bing};
    if (language == QLatin1String("id"))
        return {"id_ID", "en", "id", "en", "id", "en", "id", googleSearch(), bing};
    if (language == QLatin1String("en_US"))
        return {"en", "zh-Hans", "en", "zh-Hans", "en", "zh-Hans", "en", googleSearch(), bing};
    if (language == QLatin1String("ko"))
        return {"ko_kr", "en", "ko", "en", "ko", "en", "ko", googleSearch(), bing};
    if (language == QLatin1String("ja"))
        return {"ja_jp", "en", "ja", "en", "ja", "en", "ja", googleSearch(), bing};
    if (language == QLatin1String("ru_RU"))
        return {"ru_ru", "en", "ru", "en", "ru", "en", "ru", googleSearch(), PublicHosts::yandexPortal()};
    return {};
}

QStringList storedRow()
{
    QSettings s(IniFileInf::optionFilePath(), QSettings::IniFormat);
    QStringList out;
    for (const QString &k : kKeys)
        out << s.value(k).toString();
    return out;
}

}  // namespace

class TestLanguageDefaults : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void tableHasSevenRows();
    void rowValues_data();
    void rowValues();
    void setLangConfigWritesRow();
    void unsupportedLanguageFallsBackToEnglish_data();
    void unsupportedLanguageFallsBackToEnglish();

    void translationFilesLoad_data();
    void translationFilesLoad();
    void loadFollowsSysLang_data();
    void loadFollowsSysLang();
    void unknownSysLangUsesDefaultLocale_data();
    void unknownSysLangUsesDefaultLocale();
    void emptySysLangUsesSystemLanguageAndIsFilled();

private:
    QLocale m_defaultLocale;
};

void TestLanguageDefaults::initTestCase()
{
    QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false"));
    m_defaultLocale = QLocale();
    QVERIFY(!PublicHosts::googleSearch().isEmpty());
    QVERIFY(!PublicHosts::baiduSearch().isEmpty());
}

void TestLanguageDefaults::init()
{
    QFile::remove(IniFileInf::optionFilePath());
}

void TestLanguageDefaults::cleanup()
{
    QLocale::setDefault(m_defaultLocale);
    QFile::remove(IniFileInf::optionFilePath());
}

void TestLanguageDefaults::tableHasSevenRows()
{
    QStringList languages = languageDefaults().keys();
    languages.sort();
    QCOMPARE(languages, QStringList({"en_US", "id", "ja", "ko", "ru_RU", "zh_CN", "zh_Hant"}));
}

void TestLanguageDefaults::rowValues_data()
{
    QTest::addColumn<QString>("language");
    for (const char *lang : {"zh_CN", "zh_Hant", "id", "en_US", "ko", "ja", "ru_RU"})
        QTest::newRow(lang) << QString::fromLatin1(lang);
}

void TestLanguageDefaults::rowValues()
{
    QFETCH(QString, language);
    const SettingsRow row = languageDefaults().value(language);
    QStringList keys = row.keys();
    keys.sort();
    QStringList wantedKeys = kKeys;
    wantedKeys.sort();
    QCOMPARE(keys, wantedKeys);

    QStringList values;
    for (const QString &k : kKeys)
        values << row.value(k);
    QCOMPARE(values, expectedRow(language));
}

void TestLanguageDefaults::setLangConfigWritesRow()
{
    setLangConfig(QStringLiteral("ko"));
    QCOMPARE(storedRow(), expectedRow(QStringLiteral("ko")));

    // A later language replaces every value.
    setLangConfig(QStringLiteral("zh_CN"));
    QCOMPARE(storedRow(), expectedRow(QStringLiteral("zh_CN")));
}

void TestLanguageDefaults::unsupportedLanguageFallsBackToEnglish_data()
{
    QTest::addColumn<QString>("language");
    // Languages with a translation but no row of their own, spelled as the
    // translations report them.
    for (const char *lang : {"ja_JP", "zh_HK", "vi_VN", "es_ES"})
        QTest::newRow(lang) << QString::fromLatin1(lang);
}

void TestLanguageDefaults::unsupportedLanguageFallsBackToEnglish()
{
    QFETCH(QString, language);
    setLangConfig(QStringLiteral("ko"));

    QTest::ignoreMessage(QtWarningMsg,
                         QRegularExpression(QStringLiteral("^Unsupported language: \"?%1\"?$")
                                                .arg(QRegularExpression::escape(language))));
    setLangConfig(language);
    QCOMPARE(storedRow(), expectedRow(QStringLiteral("en_US")));
}

void TestLanguageDefaults::translationFilesLoad_data()
{
    QTest::addColumn<QString>("suffix");
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("exitText");

    QTest::newRow("en_US") << "en_US" << "en_US" << "Exit";
    QTest::newRow("es") << "es" << "es_ES" << "Salir";
    QTest::newRow("id") << "id" << "id" << "Keluar";
    QTest::newRow("ja") << "ja" << "ja_JP" << QStringLiteral("終了");
    QTest::newRow("ko") << "ko" << "ko" << QStringLiteral("종료");
    QTest::newRow("ru_RU") << "ru_RU" << "ru_RU" << QStringLiteral("Выход");
    QTest::newRow("vi") << "vi" << "vi_VN" << QStringLiteral("Thoát");
    QTest::newRow("zh_CN") << "zh_CN" << "zh_CN" << QStringLiteral("退出");
    QTest::newRow("zh_Hant") << "zh_Hant" << "zh_HK" << QStringLiteral("退出");
}

void TestLanguageDefaults::translationFilesLoad()
{
    QFETCH(QString, suffix);
    QFETCH(QString, language);
    QFETCH(QString, exitText);

    const QString path = QStringLiteral(":/i18n/sevoly_%1.qm").arg(suffix);
    QVERIFY2(QFile::exists(path), qPrintable(path));
    QTranslator translator;
    QVERIFY(translator.load(path));
    QCOMPARE(translator.language(), language);
    QCOMPARE(translator.translate("MainWindow", "退出"), exitText);
}

void TestLanguageDefaults::loadFollowsSysLang_data()
{
    QTest::addColumn<QString>("sysLang");
    QTest::addColumn<QString>("language");

    QTest::newRow("ja") << "ja" << "ja_JP";
    QTest::newRow("zh_HK") << "zh_HK" << "zh_HK";
    QTest::newRow("ru_RU") << "ru_RU" << "ru_RU";
    QTest::newRow("es_ES") << "es_ES" << "es_ES";
    QTest::newRow("en_US") << "en_US" << "en_US";
}

void TestLanguageDefaults::loadFollowsSysLang()
{
    QFETCH(QString, sysLang);
    QFETCH(QString, language);

    IniFileInf::set_keydefine(QStringLiteral("sysLang"), sysLang);
    QTranslator translator;
    QVERIFY(UiTranslation::load(translator));
    QCOMPARE(translator.language(), language);
    QCOMPARE(IniFileInf::get_keydefine(QStringLiteral("sysLang")), sysLang);
}

void TestLanguageDefaults::unknownSysLangUsesDefaultLocale_data()
{
    QTest::addColumn<QLocale>("defaultLocale");
    QTest::addColumn<QString>("language");

    QTest::newRow("default Korean") << QLocale(QLocale::Korean, QLocale::SouthKorea) << "ko";
    QTest::newRow("default without translation") << QLocale(QLocale::Swahili, QLocale::Kenya) << "en_US";
}

void TestLanguageDefaults::unknownSysLangUsesDefaultLocale()
{
    QFETCH(QLocale, defaultLocale);
    QFETCH(QString, language);

    QLocale::setDefault(defaultLocale);
    IniFileInf::set_keydefine(QStringLiteral("sysLang"), QStringLiteral("xx_nonsense"));
    QTranslator translator;
    QVERIFY(UiTranslation::load(translator));
    QCOMPARE(translator.language(), language);
    QVERIFY(!translator.isEmpty());
    QCOMPARE(IniFileInf::get_keydefine(QStringLiteral("sysLang")), QStringLiteral("xx_nonsense"));
}

void TestLanguageDefaults::emptySysLangUsesSystemLanguageAndIsFilled()
{
    // main() starts the process with a Korean environment.
    QCOMPARE(QLocale::system().language(), QLocale::Korean);
    // The default locale must not matter on this path.
    QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));

    QTranslator translator;
    QVERIFY(UiTranslation::load(translator));
    QCOMPARE(translator.language(), QStringLiteral("ko"));
    QCOMPARE(IniFileInf::get_keydefine(QStringLiteral("sysLang")), QStringLiteral("ko"));

    // Filled once; the next start follows the stored value.
    QTranslator again;
    QVERIFY(UiTranslation::load(again));
    QCOMPARE(again.language(), QStringLiteral("ko"));
    QCOMPARE(IniFileInf::get_keydefine(QStringLiteral("sysLang")), QStringLiteral("ko"));
}

int main(int argc, char **argv)
{
    // QLocale::system() reads the environment once, so it is fixed here,
    // before anything asks for it.
    qputenv("LC_ALL", "ko_KR.UTF-8");
    QCoreApplication app(argc, argv);
    TestLanguageDefaults test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "test_language_defaults.moc"
