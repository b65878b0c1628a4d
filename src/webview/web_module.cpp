#include "webview/web_module.h"

#include "webview/aiwindow.h"
#include "webview/webengine_setup.h"
#include "webview/webpages.h"

#include <type_traits>

extern "C" Q_DECL_EXPORT void talkvane_create_web_pages(const QString &language, WebPages *pages)
{
    // The entry point must match the loader's pointer type exactly.
    static_assert(std::is_same<decltype(&talkvane_create_web_pages), CreateWebPages>::value,
                  "entry point and CreateWebPages differ");
    WebEngineSetup::configureProfile(language);
    pages->aiAssistant = new AiWindow;
    pages->help = new WebHelp;
    pages->aiNavigation = new WebAiNav;
    pages->cloudMeeting = new WebMeeting;
}
