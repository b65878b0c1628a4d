# Hosts and credentials are build configuration. Credentials default to empty;
# never commit a real key. Every service endpoint can also be replaced at run
# time with the environment variable TALKVANE_URL_<NAME> (a whole URL).

# Endpoints Talkvane talks to (whole URLs, scheme included).
set(TALKVANE_URL_MANAGEMENT "" CACHE STRING "Base URL of the maker's management server")
set(TALKVANE_URL_WEBSITE "" CACHE STRING
    "Base URL of the management web site; the AI, meeting and help pages append their paths")
set(TALKVANE_URL_DICTATION "wss://iat-api.xfyun.cn/v2/iat" CACHE STRING
    "Streaming dictation service, domestic")
set(TALKVANE_URL_DICTATION_MINORITY "wss://iat-niche-api.xfyun.cn/v2/iat" CACHE STRING
    "Streaming dictation service, domestic minority languages")
set(TALKVANE_URL_DICTATION_INTL "wss://iat-api-sg.xf-yun.com/v2/iat" CACHE STRING
    "Streaming dictation service, international")
set(TALKVANE_URL_TRANSLATOR_MICROSOFT "https://api.cognitive.microsofttranslator.com/translate"
    CACHE STRING "Text translation (Microsoft), up to /translate")
set(TALKVANE_URL_TRANSLATOR_IFLYTEK "https://ntrans.xfyun.cn/v2/ots" CACHE STRING
    "Text translation (iFlytek), the whole /v2/ots URL")
# Each Azure customer has a resource host of their own: no default.
set(TALKVANE_URL_OCR_AZURE "" CACHE STRING
    "Text recognition (Azure), the whole https://<resource host>/vision/v3.2/ocr URL")
set(TALKVANE_URL_OCR_IFLYTEK "https://api.xf-yun.com/v1/private/hh_ocr_recognize_doc" CACHE STRING
    "Document text recognition (iFlytek), the whole /v1/private/hh_ocr_recognize_doc URL")
# Microsoft speech: "{region}" stands for the subscription's region.
# Empty: the speech library builds the streaming host from the region itself.
set(TALKVANE_URL_SPEECH_MICROSOFT "" CACHE STRING
    "Streaming speech recognition (Microsoft), the whole service URL handed to the speech library")
set(TALKVANE_URL_TRANSCRIPTION_MICROSOFT
    "https://{region}.api.cognitive.microsoft.com/speechtotext/transcriptions:transcribe"
    CACHE STRING "Fast transcription (Microsoft), the whole URL without its query")
set(TALKVANE_URL_PICTURE_UPLOAD "http://127.0.0.1:36677/upload" CACHE STRING
    "Local picture-upload service the capture tool hands pictures to")
# Streaming speech through Sonabridge: "https://" + the user's region + this
# domain. The speech SDK makes the connection, so there is no run-time override.
set(TALKVANE_SPEECH_DOMAIN_MICROSOFT ".stt.speech.microsoft.com" CACHE STRING
    "Domain of the Microsoft speech service, leading dot included")
# Without the trailing "/<app id>": the client adds it and the signed query.
set(TALKVANE_URL_ASR_TENCENT "wss://asr.cloud.tencent.com/asr/v2" CACHE STRING
    "Real-time speech recognition (Tencent Cloud), up to /asr/v2")
# Meeting transcription: the HTTPS base (the client appends the generation and
# token paths) and the whole WebSocket URL (the client adds "?api_key=<token>").
set(TALKVANE_URL_DASHSCOPE "https://dashscope.aliyuncs.com" CACHE STRING
    "Meeting transcription (DashScope), HTTPS base URL without a path")
set(TALKVANE_URL_DASHSCOPE_WS "wss://dashscope.aliyuncs.com/api-ws/v1/inference" CACHE STRING
    "Meeting transcription (DashScope), the whole streaming WebSocket URL")
# Log upload: the storage region goes with the maker's bucket, so no default.
# The upload token comes from the management server.
set(TALKVANE_URL_STORAGE_UPLOAD "" CACHE STRING
    "Form-upload URL of the object storage the log upload sends to")

# Built-in dictation credentials; the delivered ones replace them at run time.
set(TALKVANE_DICTATION_APP_ID "" CACHE STRING "Dictation app id, domestic")
set(TALKVANE_DICTATION_API_KEY "" CACHE STRING "Dictation API key, domestic")
set(TALKVANE_DICTATION_API_SECRET "" CACHE STRING "Dictation API secret, domestic")
set(TALKVANE_DICTATION_INT_API_KEY "" CACHE STRING "Dictation API key, international")
set(TALKVANE_DICTATION_INT_API_SECRET "" CACHE STRING "Dictation API secret, international")

# Built-in translation credentials; the delivered ones replace them at run time.
set(TALKVANE_TRANSLATOR_MICROSOFT_KEY "" CACHE STRING "Microsoft translation subscription key")
set(TALKVANE_TRANSLATOR_MICROSOFT_REGION "southeastasia" CACHE STRING
    "Region of the Microsoft translation subscription")
set(TALKVANE_TRANSLATOR_IFLYTEK_APP_ID "" CACHE STRING "iFlytek translation app id")
set(TALKVANE_TRANSLATOR_IFLYTEK_API_KEY "" CACHE STRING "iFlytek translation API key")
set(TALKVANE_TRANSLATOR_IFLYTEK_API_SECRET "" CACHE STRING "iFlytek translation API secret")

# Built-in speech recognition credentials (Microsoft); the delivered ones replace them.
set(TALKVANE_SPEECH_MICROSOFT_KEY "" CACHE STRING "Microsoft speech subscription key")
set(TALKVANE_SPEECH_MICROSOFT_REGION "" CACHE STRING "Region of the Microsoft speech subscription")

# Built-in text recognition credentials; the delivered ones replace them at run time.
set(TALKVANE_OCR_AZURE_KEY "" CACHE STRING "Azure text recognition subscription key")
set(TALKVANE_OCR_IFLYTEK_APP_ID "" CACHE STRING "iFlytek text recognition app id")
set(TALKVANE_OCR_IFLYTEK_API_KEY "" CACHE STRING "iFlytek text recognition API key")
set(TALKVANE_OCR_IFLYTEK_API_SECRET "" CACHE STRING "iFlytek text recognition API secret")

# Built-in Tencent Cloud recognition credentials; the delivered ones replace them at run time.
set(TALKVANE_TENCENT_ASR_APP_ID "" CACHE STRING "Tencent Cloud recognition app id")
set(TALKVANE_TENCENT_ASR_SECRET_ID "" CACHE STRING "Tencent Cloud recognition secret id")
set(TALKVANE_TENCENT_ASR_SECRET_KEY "" CACHE STRING "Tencent Cloud recognition secret key")

# Built-in meeting transcription credentials (application id "tw_...", API key "sk-...").
set(TALKVANE_DASHSCOPE_APP_ID "" CACHE STRING "DashScope meeting application id")
set(TALKVANE_DASHSCOPE_API_KEY "" CACHE STRING "DashScope API key")

# The byte the key service XORs its credential payload with (0x00..0xff, shared
# with the service); empty means 0.
set(TALKVANE_KEY_PAYLOAD_XOR "" CACHE STRING "XOR byte of the key service's payload")

# The package server's key of this product (10 letters and digits), asked
# for with every update check.
set(TALKVANE_UPDATE_PRODUCT_KEY "7tQmZ2rKxB" CACHE STRING "Product key of the update check")
string(LENGTH "${TALKVANE_UPDATE_PRODUCT_KEY}" key_length)
if(NOT key_length EQUAL 10 OR NOT TALKVANE_UPDATE_PRODUCT_KEY MATCHES "^[A-Za-z0-9]+$")
  message(FATAL_ERROR "TALKVANE_UPDATE_PRODUCT_KEY must be 10 letters and digits")
endif()

# Public sites opened in the user's browser (bare host names, no scheme).
set(TALKVANE_HOST_SEARCH_BAIDU "www.baidu.com" CACHE STRING "Chinese web search host")
set(TALKVANE_HOST_SEARCH_GOOGLE "www.google.com" CACHE STRING "International web search host")
set(TALKVANE_HOST_SEARCH_BING "www.bing.com" CACHE STRING "Web search host of the Bing entry")
set(TALKVANE_HOST_SEARCH_YAHOO "search.yahoo.com" CACHE STRING "Web search host of the Yahoo entry")
set(TALKVANE_HOST_PORTAL_HAO123 "www.hao123.com" CACHE STRING "Chinese start portal host")
set(TALKVANE_HOST_PORTAL_BING "www.bing.com" CACHE STRING "International start portal host")
set(TALKVANE_HOST_PORTAL_YANDEX "yandex.com" CACHE STRING "Russian start portal host")

configure_file(${CMAKE_CURRENT_LIST_DIR}/build_config.h.in
               ${CMAKE_BINARY_DIR}/generated/build_config.h @ONLY)
