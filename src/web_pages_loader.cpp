#include "web_pages_loader.h"

#include "mainwindow.h"
#include "webview/web_module.h"
#include "widget/main/ai_assistant.h"

#include <QCoreApplication>
#include <QDebug>
#include <QElapsedTimer>
#include <QLibrary>
#include <QOpenGLContext>

#include <memory>

QT_BEGIN_NAMESPACE
Q_GUI_EXPORT void qt_gl_set_global_share_context(QOpenGLContext *context);
QT_END_NAMESPACE

namespace {

// What the engine does when it is linked in and the application starts: a
// context its compositor shares textures with. Loaded later, it finds none,
// and would fall back to rendering pages in software.
void prepareSharedGlContext()
{
    if (QOpenGLContext::globalShareContext())
        return;
    auto *context = new QOpenGLContext(qApp);
    context->setFormat(QSurfaceFormat::defaultFormat());
    if (!context->create()) {
        qWarning() << "web pages: no OpenGL context to share; pages render in software";
        delete context;
        return;
    }
    qt_gl_set_global_share_context(context);
    // The engine's views check the attribute to use the shared context. Qt
    // warns that it belongs before start-up; here it is set on purpose, before
    // the only views that use it, so that one warning is kept out of the log.
    static QtMessageHandler previous = nullptr;
    previous = qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &where,
                                         const QString &text) {
        if (!text.contains(QLatin1String("AA_ShareOpenGLContexts")) && previous)
            previous(type, where, text);
    });
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    qInstallMessageHandler(previous);
}

} // namespace

namespace WebPagesLoader {

bool attach(MainWindow &window, const QString &language)
{
    QElapsedTimer clock;
    clock.start();
    QStringList errors;
    CreateWebPages create = nullptr;
    prepareSharedGlContext();
    const QString beside =
        QCoreApplication::applicationDirPath() + QLatin1Char('/') + TALKVANE_WEB_PAGES_MODULE;
    for (const QString &name : {beside, QStringLiteral(TALKVANE_WEB_PAGES_MODULE)}) {
        // Never unloaded: its widgets live as long as the program.
        QLibrary library(name);
        create = reinterpret_cast<CreateWebPages>(library.resolve(TALKVANE_WEB_PAGES_ENTRY));
        if (create)
            break;
        errors << library.errorString();
    }
    if (!create) {
        qWarning() << "web pages unavailable:" << errors.join(QStringLiteral("; "));
        return false;
    }
    WebPages pages;
    create(language, &pages);
    window.setAiAssistant(std::unique_ptr<AiAssistant>(pages.aiAssistant));
    window.setWebPages(pages.help, pages.aiNavigation, pages.cloudMeeting);
    qInfo() << "web pages ready in" << clock.elapsed() << "ms";
    return true;
}

} // namespace WebPagesLoader
