#pragma once

#include <QString>

// Every host Talkvane reaches lives here, so a reader finds them in one file.
// Defaults come from the build configuration; each endpoint can be replaced at
// run time by the environment variable TALKVANE_URL_<NAME> holding a whole URL.
// Requests carry signed URLs and keys, so an override must use TLS (wss://,
// https://) unless it points at this machine, where test stand-ins listen.
namespace Endpoints {

enum class Endpoint {
    Management,  // the maker's management server (keys, pages, updates)
    Dictation,          // streaming dictation, domestic
    DictationMinority,  // streaming dictation, domestic minority languages
    DictationIntl,      // streaming dictation, international
    TranslatorMicrosoft,  // text translation up to ".../translate"; the query is added per request
    TranslatorIflytek,    // text translation, the whole ".../v2/ots" URL
    OcrAzure,    // text recognition, the whole ".../vision/v3.2/ocr" URL of the customer's resource
    OcrIflytek,  // document text recognition, ".../v1/private/hh_ocr_recognize_doc"; signed per request
    PictureUpload,        // the local picture-upload service of the capture tool
    AsrTencent,  // real-time recognition up to ".../asr/v2"; "/<app id>" and the signed query are added
    // Streaming recognition through the speech library: the whole service URL
    // (https:// or wss://); empty lets the library build it from the region.
    SpeechMicrosoft,
    // Fast transcription, the whole URL without its query.
    TranscriptionMicrosoft,
    // The management web site's base URL; each web view appends its page's path.
    Website,
    // Meeting transcription: the HTTPS base; the client appends each request's path.
    Dashscope,
    // Meeting transcription streaming: the whole WebSocket URL; "?api_key=" is added.
    DashscopeWs,
    // The object storage's form upload: the whole URL a multipart POST goes to.
    StorageUpload,
};


// The URL to use now: the override when set, else the built-in default
// (which may be empty when the build was configured without it). A refused
// override is logged and leaves the endpoint empty, that is unavailable:
// whoever set it meant that server, and quietly reaching another one instead
// would hide the mistake and send audio and keys where nobody asked.
QString url(Endpoint endpoint);
// The same for an endpoint of a subscription's region: "{region}" in the
// default or the override is replaced by it; empty while the region is.
QString url(Endpoint endpoint, const QString &region);
// The endpoint's URL with a route appended ("/api/..."), slashes between
// them made single; empty while the endpoint is.
QString route(Endpoint endpoint, const QString &path);

struct OverrideCheck {
    bool accepted = false;
    QString reason;  // why it was refused; names scheme and host only, never the query
};

// Whether text may replace the endpoint's URL: a valid absolute URL with a
// host and a scheme of the endpoint's kind; plain ws:// or http:// only for
// loopback hosts (127.0.0.0/8, ::1, localhost).
OverrideCheck checkOverride(Endpoint endpoint, const QString &text);

// 127.0.0.0/8, ::1 and localhost, given a host as QUrl normalises it.
bool isLoopbackHost(const QString &host);

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
QString translatorMicrosoftKey();
QString translatorMicrosoftRegion();
QString translatorIflytekAppId();
QString translatorIflytekApiKey();
QString translatorIflytekApiSecret();
QString speechMicrosoftKey();
QString speechMicrosoftRegion();
QString ocrAzureKey();
QString ocrIflytekAppId();
QString ocrIflytekApiKey();
QString ocrIflytekApiSecret();
QString tencentAsrAppId();
QString tencentAsrSecretId();
QString tencentAsrSecretKey();
QString dashscopeAppId();
QString dashscopeApiKey();
// The byte the key service's payload is XOR-ed with.
quint8 keyPayloadXor();

}  // namespace BuiltInCredentials

// Public sites the user's browser opens; bare host names without a scheme.
namespace PublicHosts {

QString baiduSearch();
QString googleSearch();
QString bingSearch();
QString yahooSearch();
QString hao123Portal();
QString bingPortal();
QString yandexPortal();

}  // namespace PublicHosts
