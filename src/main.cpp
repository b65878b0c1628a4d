#include "build_config.h"
#include "core/decoder/sbchelper.h"
#include "core/device/mousedevice.h"
#include "core/log/message_handlers.h"
#include "core/setting/inifileinf.h"
#include "core/setting/language_defaults.h"
#include "core/setting/translation_loader.h"
#include "mainwindow.h"
#include "webview/webengine_setup.h"
#include "platform/crash_handler.h"
#include "platform/session.h"
#include "singleapplication.h"
#include "utils/app_paths.h"
#include "utils/device_file_utils.h"
#include "web_pages_loader.h"
#include "widget/app_icon.h"
#include "widget/iconfont/iconfont.h"

#include <QDebug>
#include <QFile>
#include <QFontDatabase>
#include <QSysInfo>
#include <QTimer>
#include <QTranslator>

#include <curl/curl.h>

#include <cstdio>
#include <memory>
#include <vector>

namespace {

void useApplicationFont()
{
    const int id = QFontDatabase::addApplicationFont(
        QStringLiteral(":/resources/fonts/DroidSansFallback.ttf"));
    const QStringList families = QFontDatabase::applicationFontFamilies(id);
    if (families.isEmpty()) {
        qWarning() << "application font could not be registered";
        return;
    }
    QApplication::setFont(QFont(families.first()));
    qDebug() << "application font:" << QApplication::font().family();
}

void installLogHandler()
{
    const QString isLog = IniFileInf::get_keydefine(QStringLiteral("isLog"));
    qDebug() << "program init 1:" << isLog;
    if (isLog == QLatin1String("1")) {
        qDebug() << "program init 1";
        qInstallMessageHandler(fileMessageHandler);
    } else {
        qDebug() << "program init 2";
        qInstallMessageHandler(consoleMessageHandler);
    }
}

void logSession(const platform::SessionDescription &session)
{
    qInfo() << "session:" << QGuiApplication::platformName();
    const std::string limits = platform::limitsLogLine(session);
    if (!limits.empty())
        qWarning().noquote() << QString::fromStdString(limits);
}

void applyStyleSheet(QApplication &app)
{
    QFile qss(QStringLiteral(":/resources/style/appstyles.qss"));
    if (qss.open(QIODevice::ReadOnly))
        app.setStyleSheet(QString::fromUtf8(qss.readAll()));
}

}  // namespace

int main(int argc, char *argv[])
{
    const platform::SessionDescription &session = platform::currentSession();
    if (!session.problem.empty()) {
        std::fprintf(stderr, "Talkvane: %s\n", session.problem.c_str());
        return 2;
    }
    // On the command line rather than in the environment, so that programs
    // Talkvane starts pick their own platform.
    std::vector<char *> args(argv, argv + argc);
    QByteArray platformOption("-platform"), platformName(session.qtPlatform.c_str());
    if (!session.qtPlatform.empty()) {
        args.insert(args.begin() + (args.empty() ? 0 : 1), {platformOption.data(), platformName.data()});
        argc = int(args.size());
    }
    args.push_back(nullptr);
    argv = args.data();

    const std::string plugins = platform::preferredMultimediaPlugins();
    if (!plugins.empty())
        qputenv("QT_MULTIMEDIA_PREFERRED_PLUGINS", plugins.c_str());
    QCoreApplication::setApplicationVersion(QStringLiteral(TALKVANE_VERSION));
    QCoreApplication::setAttribute(Qt::AA_EnableHighDpiScaling);
    QCoreApplication::setAttribute(Qt::AA_UseHighDpiPixmaps);
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(
        Qt::HighDpiScaleFactorRoundingPolicy::PassThrough);

    WebEngineSetup::beforeApplication();
    auto app = std::make_unique<SingleApplication>(argc, argv);
    // Registered by its own static initialiser already; naming it here makes a
    // build that leaves the font out fail to link instead of starting without it.
    Q_INIT_RESOURCE(fonts);
    installLogHandler();
    qDebug() << "\n\n\n\n\n\n\nprogram init" << QCoreApplication::applicationVersion()
             << QSysInfo::prettyProductName();
    qInfo().noquote() << AppPaths::dataDirDescription();
    logSession(session);

    if (app->isRunning())
        return 1;

    platform::CrashHandler::instance().setDumpPath(
        QFile::encodeName(AppPaths::inDataDir(QStringLiteral("Dump/"))).toStdString(),
        TALKVANE_VERSION);
    applyStyleSheet(*app);

    auto translator = std::make_unique<QTranslator>();
    if (UiTranslation::load(*translator))
        UiTranslation::makeCurrent(translator.get());
    if (DeviceFileUtils::checkFirstRunByFile(QStringLiteral("main")))
        setLangConfig(translator->language());

    IconFont::instance().initFontAwesome();
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setWindowIcon(appIcon());
    SbcHelper::instance();  // the voice decoder exists before any audio arrives

    // The window's constructor needs no HTTP; TLS set-up can wait until the
    // icon is in the notification area.
    auto window = std::make_unique<MainWindow>();
    // The web pages follow once the icon is in the notification area.
    QTimer::singleShot(0, window.get(), [w = window.get(), language = translator->language()] {
        WebPagesLoader::attach(*w, language);
    });
    // Registering the large application font takes longer than showing the
    // icon; the pages are not on screen yet, so they simply take it over.
    useApplicationFont();
    curl_global_init(CURL_GLOBAL_ALL);
    qDebug() << "curl global init";
    app->mainWidget = window.get();
    window->show();
    app->exec();

    MouseDevice::release();
    curl_global_cleanup();
    qInstallMessageHandler(nullptr);
    app->mainWidget = nullptr;
    window.reset();
    QCoreApplication::removeTranslator(translator.get());
    translator.reset();
    app.reset();
    return 0;
}
