#pragma once

#include <QString>

// Every host Talkvane reaches lives here, so a reader finds them in one file.
// Defaults come from the build configuration; each endpoint can be replaced at
// run time by the environment variable TALKVANE_URL_<NAME> holding a whole URL.
namespace Endpoints {

enum class Endpoint {
    Management,  // the maker's management server (keys, pages, updates)
    Dictation,          // streaming dictation, domestic
    DictationMinority,  // streaming dictation, domestic minority languages
    DictationIntl,      // streaming dictation, international
};

// The URL to use now: the override when set, else the built-in default
// (which may be empty when the build was configured without it).
QString url(Endpoint endpoint);

// "TALKVANE_URL_MANAGEMENT" and so on.
QString overrideVariable(Endpoint endpoint);

}  // namespace Endpoints

// Credentials compiled in from the build configuration (empty unless the
// build was given them); the delivered credentials replace them at run time.
namespace BuiltInCredentials {

QString dictationAppId();
QString dictationApiKey();
QString dictationApiSecret();
QString dictationIntApiKey();
QString dictationIntApiSecret();

}  // namespace BuiltInCredentials

// Public sites the user's browser opens; bare host names without a scheme.
namespace PublicHosts {

QString baiduSearch();
QString googleSearch();
QString hao123Portal();
QString bingPortal();
QString yandexPortal();

}  // namespace PublicHosts
