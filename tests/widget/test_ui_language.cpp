// The interface language switched while the window is open: every page,
// shown in English, carries no text that the English translation knows as a
// Chinese source, and switching back brings the Chinese texts again.

#include "core/setting/inifileinf.h"
#include "mainwindow.h"
#include "support/recording/recording_backends.h"
#include "widget/iconfont/iconfont.h"
#include "widget/main/navigation_bar.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QStackedWidget>
#include <QXmlStreamReader>
#include <QtTest>

namespace {

// Texts a translation does not miss even when they are not in the .ts: a
// new text that was never put through the translation shows up as Chinese.
bool hasChinese(const QString &text)
{
    for (const QChar c : text)
        if (c.unicode() >= 0x4E00 && c.unicode() <= 0x9FFF)
            return true;
    return false;
}

// Interface languages are offered in their own names.
const QStringList kNativeNames = {QStringLiteral("中文"), QStringLiteral("中文繁體"),
                                  QStringLiteral("日本語")};

}  // namespace

class UiLanguageTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void everyPageIsTranslatedWhenTheLanguageChanges();

private:
    QStringList visibleTexts(QWidget *root) const;
    QSet<QString> m_sources;  // what the English translation translates
};

void UiLanguageTest::initTestCase()
{
    platform::recording::install();
    QVERIFY(IconFont::instance().initFontAwesome());
    // Starts in Chinese whatever an earlier run left behind.
    IniFileInf::set_keydefine(QStringLiteral("sysLang"), QStringLiteral("zh_CN"));
    QFile ts(QStringLiteral(ENGLISH_TS));
    QVERIFY(ts.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&ts);
    QString source;
    while (xml.readNext() != QXmlStreamReader::Invalid && !xml.atEnd()) {
        if (!xml.isStartElement())
            continue;
        if (xml.name() == QLatin1String("source")) {
            source = xml.readElementText();
        } else if (xml.name() == QLatin1String("translation")) {
            if (xml.readElementText() != source)
                m_sources.insert(source);
        }
    }
    QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
    QVERIFY(m_sources.size() > 40);
}

QStringList UiLanguageTest::visibleTexts(QWidget *root) const
{
    QStringList texts;
    for (QWidget *w : root->findChildren<QWidget *>()) {
        if (!w->isVisible())
            continue;
        if (auto *label = qobject_cast<QLabel *>(w))
            texts << label->text();
        else if (auto *button = qobject_cast<QAbstractButton *>(w))
            texts << button->text();
        else if (auto *edit = qobject_cast<QLineEdit *>(w))
            texts << edit->placeholderText();
        else if (auto *combo = qobject_cast<QComboBox *>(w))
            for (int i = 0; i < combo->count(); ++i)
                texts << combo->itemText(i);
        if (!w->toolTip().isEmpty())
            texts << w->toolTip();
    }
    texts.removeAll(QString());
    return texts;
}

void UiLanguageTest::everyPageIsTranslatedWhenTheLanguageChanges()
{
    MainWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QButtonGroup *pages = window.navigation()->group();

    // Switched where the user switches it: the software page's language list.
    window.navigation()->select(NavigationBar::SoftwareSettingPage);
    auto *language = window.findChild<QComboBox *>(QStringLiteral("comboBoxLanguage"));
    QVERIFY(language);
    language->setCurrentIndex(language->findText(QStringLiteral("English")));
    QApplication::processEvents();
    QStringList untranslated;
    for (QAbstractButton *button : pages->buttons()) {
        window.navigation()->select(pages->id(button));
        QApplication::processEvents();
        for (const QString &text : visibleTexts(&window))
            if (m_sources.contains(text) || (hasChinese(text) && !kNativeNames.contains(text)))
                untranslated << QStringLiteral("page %1: %2").arg(pages->id(button)).arg(text);
    }
    untranslated.removeDuplicates();
    QVERIFY2(untranslated.isEmpty(), qPrintable(untranslated.join(QLatin1Char('\n'))));

    // And back: the Chinese texts return.
    window.navigation()->select(NavigationBar::SoftwareSettingPage);
    language->setCurrentIndex(language->findText(QStringLiteral("中文")));
    QApplication::processEvents();
    window.navigation()->select(NavigationBar::MouseSettingPage);
    QApplication::processEvents();
    QVERIFY(visibleTexts(&window).contains(QStringLiteral("鼠标设置")));
}

QTEST_MAIN(UiLanguageTest)
#include "test_ui_language.moc"
