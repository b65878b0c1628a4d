#pragma once

#include <QString>

// The AI web window as the main window hands spoken questions to it and
// refreshes it. The window itself lives elsewhere; until one is installed
// the main window tells the user that the AI window is not available.
class AiAssistant
{
public:
    virtual ~AiAssistant() = default;

    virtual void showWindow() = 0;
    // Calls a method of the page's script with one text argument.
    virtual void callPage(const QString &method, const QString &text) = 0;
    virtual void reload() = 0;
};
