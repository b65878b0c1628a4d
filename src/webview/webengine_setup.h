#pragma once

#include <QString>

// The browser engine's process-wide configuration, in two halves around the
// creation of the application object.
namespace WebEngineSetup {

// Before the application object: attributes and engine switches.
void beforeApplication();
// After it: user agent, cache, the page language, downloads.
void configureProfile(const QString &language);

} // namespace WebEngineSetup
