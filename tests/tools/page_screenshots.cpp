// Saves a picture of every page of the main window, in Chinese and in
// English, for people to look at: clipped, overlapping or empty widgets show
// up at once. The mouse is the simulated one, linked, so the footer and the
// mouse page show a real device. Not a test; scripts/screenshots.sh runs it.
//   page_screenshots <output folder>

#include "core/device/mousedevice.h"
#include "core/setting/inifileinf.h"
#include "core/setting/language_defaults.h"
#include "mainwindow.h"
#include "sim/hidsim.h"
#include "support/recording/recording_backends.h"
#include "widget/iconfont/iconfont.h"
#include "widget/keys/akeysetting.h"
#include "widget/keys/voicetraasssetting.h"
#include "widget/keys/wheelsetting.h"
#include "widget/language/languagelistwidget.h"
#include "widget/main/navigation_bar.h"

#include <QApplication>
#include <QButtonGroup>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFontDatabase>
#include <QPushButton>
#include <QStackedWidget>
#include <QComboBox>
#include <cstdio>

namespace {

void settle(int ms)
{
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < ms)
        QApplication::processEvents(QEventLoop::AllEvents, 20);
}

}  // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: page_screenshots <output folder>\n");
        return 2;
    }
    const QString out = QString::fromLocal8Bit(argv[1]);
    const int font = QFontDatabase::addApplicationFont(QStringLiteral(":/resources/fonts/DroidSansFallback.ttf"));
    if (font >= 0)
        QApplication::setFont(QFont(QFontDatabase::applicationFontFamilies(font).value(0)));
    QFile style(QStringLiteral(":/resources/style/appstyles.qss"));
    if (style.open(QIODevice::ReadOnly))
        app.setStyleSheet(QString::fromUtf8(style.readAll()));
    // A Chinese user's first start, as the program does it.
    IniFileInf::set_keydefine(QStringLiteral("sysLang"), QStringLiteral("zh_CN"));
    setLangConfig(QStringLiteral("zh_CN"));
    platform::recording::install();
    IconFont::instance().initFontAwesome();
    hidsim_reset();

    MainWindow window;
    window.resize(1100, 720);
    window.show();
    MouseDevice *mouse = MouseDevice::instance().get();
    for (int i = 0; i < 100 && mouse->battery == 0; ++i)
        settle(50);

    for (const QString &language : {QStringLiteral("zh_CN"), QStringLiteral("en_US")}) {
        if (language == QLatin1String("en_US")) {
            // Where the user switches it: the software page's language list.
            auto *list = window.findChild<QComboBox *>(QStringLiteral("comboBoxLanguage"));
            if (!list)
                return 1;
            list->setCurrentIndex(list->findText(QStringLiteral("English")));
            settle(100);
        }
        QDir().mkpath(out + QLatin1Char('/') + language);
        QButtonGroup *pages = window.navigation()->group();
        for (QAbstractButton *button : pages->buttons()) {
            const int page = pages->id(button);
            window.navigation()->select(page);
            settle(150);
            const QString name = QStringLiteral("%1/%2/page%3.png")
                                     .arg(out, language)
                                     .arg(page, 2, 10, QLatin1Char('0'));
            if (!window.grab().save(name))
                return 1;
            std::printf("%s\n", qPrintable(name));
        }
        // The dialogs and the language list, each on its own.
        const QList<QPair<QString, QWidget *>> dialogs = {
            {QStringLiteral("dialog-voice-key"),
             new VoiceTraAssSetting(QStringLiteral("vks"), QStringLiteral("vkl"),
                                    QStringLiteral("vksIndex"), QStringLiteral("vklIndex"))},
            {QStringLiteral("dialog-custom-key"), new AKeySetting},
            {QStringLiteral("dialog-wheel"), new WheelSetting},
            {QStringLiteral("language-list"), new LanguageListWidget(LanguageListWidget::VI)},
        };
        for (const auto &dialog : dialogs) {
            dialog.second->show();
            settle(150);
            const QString name = QStringLiteral("%1/%2/%3.png").arg(out, language, dialog.first);
            const bool saved = dialog.second->grab().save(name);
            delete dialog.second;
            if (!saved)
                return 1;
            std::printf("%s\n", qPrintable(name));
        }
    }
    return 0;
}
