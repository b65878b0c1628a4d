#pragma once

#include <QString>

class AiAssistant;
class QWidget;

// The web pages are a module of their own, loaded once the icon is in the
// notification area: an executable linked with the browser engine spends a
// few hundred milliseconds setting it up before main() does anything.
// This header is the whole contract between the two; it names no engine type.

struct WebPages
{
    AiAssistant *aiAssistant = nullptr;  // the caller takes ownership of all four
    QWidget *help = nullptr;
    QWidget *aiNavigation = nullptr;
    QWidget *cloudMeeting = nullptr;
};

// Configures the engine's profile for the interface language and builds the pages.
using CreateWebPages = void (*)(const QString &language, WebPages *pages);

#define TALKVANE_WEB_PAGES_ENTRY "talkvane_create_web_pages"
#define TALKVANE_WEB_PAGES_MODULE "talkvane_webpages"
