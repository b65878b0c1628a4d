#include "core/speech/microsoftspeech.h"

#include "core/audio/wavfile.h"
#include "core/config/endpoints.h"
#include "core/speech/indonesian_text.h"
#include "core/speech/sonabridge.h"
#include "curl/curlwrapper.h"
#include "utils/app_paths.h"

#include <QDebug>
#include <QFileInfo>
#include <QFutureWatcher>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QtConcurrent>

namespace {

QString rawRecording() { return AppPaths::inDataDir(QStringLiteral("sound.pcm")); }
QString recordingWav() { return AppPaths::inDataDir(QStringLiteral("soundformat.wav")); }
const QString kTrailingPunctuation = QStringLiteral(".?!。！？");

QString firstChars(const QString &secret)
{
    return secret.isEmpty() ? QStringLiteral("(none)") : secret.left(4) + QStringLiteral("...");
}

// Segments of a language written with spaces between words are joined with one.
bool writtenWithSpaces(const QString &locale)
{
    static const QStringList unspaced = {"zh", "ja", "th", "lo", "my", "km", "yue", "wuu"};
    return !unspaced.contains(locale.section(QLatin1Char('-'), 0, 0).toLower());
}

}  // namespace

MicrosoftSpeech::MicrosoftSpeech(QObject *parent) : QObject(parent)
{
    registerPxAsrResultType();
}

MicrosoftSpeech::~MicrosoftSpeech()
{
    // The library's callbacks point at this object.
    if (m_session != Session::None)
        recognitionEnd();
}

void MicrosoftSpeech::setLocale(const QString &locale)
{
    m_locale = locale;
    m_transcript.clear();
    m_indonesian = locale == QLatin1String("id-ID");
    qInfo() << "MicrosoftSpeech locale" << locale;
    m_numbers = std::locale::classic();
    if (m_indonesian) {
        try {
            m_numbers = std::locale("id_ID.utf8");
        } catch (const std::runtime_error &e) {
            qWarning() << "locale id_ID.utf8 unavailable, Indonesian digit groups used:" << e.what();
        }
    }
}

void MicrosoftSpeech::setKey(const QString &key)
{
    m_key = key;
    qDebug().noquote() << "MicrosoftSpeech key" << firstChars(key);
}

void MicrosoftSpeech::setRegion(const QString &region)
{
    m_region = region;
    qDebug() << "MicrosoftSpeech region" << region;
}

void MicrosoftSpeech::setTimeouts(int connectMs, int totalMs)
{
    m_connectTimeoutMs = connectMs;
    m_timeoutMs = totalMs;
}

// ---- Streaming ----

bool MicrosoftSpeech::streamingAvailable(QString *why)
{
    QString reason;
    const bool usable = Sonabridge::instance().usable(&reason);
    if (!usable)
        qWarning().noquote() << "streaming recognition unavailable:" << reason;
    if (why)
        *why = reason;
    return usable;
}

void MicrosoftSpeech::startRecognition(const std::string &mode)
{
    if (m_audioSource) {
        connect(m_audioSource, SIGNAL(onAudioData(QByteArray)), this,
                SLOT(writeStream(QByteArray)), Qt::UniqueConnection);
    }
    if (mode == "Transcript")
        transcription();
    else
        leastVersionWin10Recognition();
}

void MicrosoftSpeech::leastVersionWin10Recognition()
{
    startStreaming(Session::Recognition);
}

void MicrosoftSpeech::transcription()
{
    startStreaming(Session::Transcription);
}

void MicrosoftSpeech::startStreaming(Session session)
{
    Sonabridge &bridge = Sonabridge::instance();
    if (!bridge.load())
        return;
    const bool recognition = session == Session::Recognition;
    const Sonabridge::Start start =
        recognition ? bridge.recognitionStart() : bridge.transcriptionStart();
    // Resolved now so that the session's end and writes are ready.
    if (recognition)
        bridge.recognitionEnd();
    else
        bridge.transcriptionEnd();
    bridge.write();
    if (!start)
        return;
    const QString endpoint = sdkRegionArgument();
    if (endpoint.isEmpty()) {
        qWarning() << "no region or endpoint for streaming recognition";
        return;
    }
    const std::string region = endpoint.toStdString();
    const std::string key = m_key.toStdString();
    const std::string language = m_locale.toStdString();
    qInfo().noquote() << "streaming" << (recognition ? "recognition" : "transcription") << "start"
                      << m_locale << "key" << firstChars(m_key);
    m_session = session;
    start(region, key, language, [this](std::string_view text, int kind) { forward(text, kind); },
          [this](std::string line) { forwardLog(std::move(line)); });
}

void MicrosoftSpeech::writeStream(const QByteArray &audio)
{
    qInfo() << "writeStream" << audio.size();
    if (const Sonabridge::Write write = Sonabridge::instance().write())
        write(reinterpret_cast<const uint8_t *>(audio.constData()), uint32_t(audio.size()));
}

void MicrosoftSpeech::recognitionEnd()
{
    qInfo() << "MicrosoftSpeech::recognitionEnd";
    if (m_audioSource) {
        disconnect(m_audioSource, SIGNAL(onAudioData(QByteArray)), this,
                   SLOT(writeStream(QByteArray)));
    }
    const Session session = m_session;
    m_session = Session::None;
    Sonabridge &bridge = Sonabridge::instance();
    const Sonabridge::End end = session == Session::Recognition     ? bridge.recognitionEnd()
                                : session == Session::Transcription ? bridge.transcriptionEnd()
                                                                    : nullptr;
    if (end)
        end();
}

void MicrosoftSpeech::forward(std::string_view text, int kind)
{
    QString decoded = QString::fromUtf8(text.data(), int(text.size()));
    if (m_indonesian)
        decoded = IndonesianText::rewrite(decoded, m_numbers);
    switch (kind) {
    case 0:
        emit asrResult(true, decoded, PXASRResultType::ShowText);
        break;
    case 1:
        emit asrResult(true, decoded, PXASRResultType::Confirm);
        emit asrResult(true, decoded, PXASRResultType::Finish);
        break;
    case 10:
        emit asrResult(true, decoded, PXASRResultType::Error);
        break;
    default:
        break;
    }
}

void MicrosoftSpeech::forwardLog(std::string line)
{
    qInfo().noquote() << "speech library:" << QString::fromStdString(line);
}

QString MicrosoftSpeech::sdkRegionArgument() const
{
    const QString url = Endpoints::url(Endpoints::Endpoint::SpeechMicrosoft, m_region);
    if (!url.isEmpty())
        return url;
    // A refused override leaves the endpoint unavailable, not the built-in host.
    const QByteArray variable =
        Endpoints::overrideVariable(Endpoints::Endpoint::SpeechMicrosoft).toLatin1();
    return qEnvironmentVariableIsEmpty(variable.constData()) ? m_region : QString();
}

// ---- File transcription ----

QString MicrosoftSpeech::transcriptionUrl() const
{
    const QString url = Endpoints::url(Endpoints::Endpoint::TranscriptionMicrosoft, m_region);
    if (url.isEmpty())
        return QString();
    return url + QStringLiteral("?api-version=") + QLatin1String(kApiVersion);
}

bool MicrosoftSpeech::quickTranscription(const QString &locale, int index)
{
    QString error;
    if (!pcmToWav(rawRecording(), recordingWav(), 1, 16000, 16, &error)
        || !QFileInfo::exists(recordingWav())) {
        qWarning().noquote() << "File not found: " << recordingWav() << error;
        return false;
    }
    enqueue({recordingWav(), locale.isEmpty() ? m_locale : locale, index});
    return true;
}

void MicrosoftSpeech::multiFileTranscription(const QString &fileName, int index)
{
    if (!QFileInfo::exists(fileName)) {
        qWarning().noquote() << "File not found: " << fileName;
        // The recording's end still has to end the scene.
        if (index < 0)
            enqueue({QString(), m_locale, index});
        return;
    }
    enqueue({fileName, m_locale, index});
}

void MicrosoftSpeech::enqueue(const Job &job)
{
    m_jobs.enqueue(job);
    if (!m_busy)
        runNext();
}

void MicrosoftSpeech::runNext()
{
    if (m_jobs.isEmpty()) {
        m_busy = false;
        return;
    }
    m_busy = true;
    const Job job = m_jobs.dequeue();
    if (job.file.isEmpty()) {
        emitText(m_transcript, PXASRResultType::Finish);
        QMetaObject::invokeMethod(this, [this] { runNext(); }, Qt::QueuedConnection);
        return;
    }
    const QString url = transcriptionUrl();
    if (url.isEmpty() || m_key.isEmpty()) {
        fail(QStringLiteral("no endpoint, region or key"), tr("语音识别服务未配置"), job.index);
        QMetaObject::invokeMethod(this, [this] { runNext(); }, Qt::QueuedConnection);
        return;
    }
    const QList<CurlWrapper::Field> fields = {
        {QStringLiteral("audio"), job.file},
        {QStringLiteral("definition"), QStringLiteral("{\"locales\":[\"") + job.locale
                                           + QStringLiteral("\"]}")},
    };
    const QStringList headers = {QStringLiteral("Content-Type: multipart/form-data"),
                                 QStringLiteral("Ocp-Apim-Subscription-Key: ") + m_key};
    CurlWrapper::Options options;
    options.connectTimeoutMs = m_connectTimeoutMs;
    options.timeoutMs = m_timeoutMs;
    qDebug().noquote() << "transcribing" << job.file << job.locale << "segment" << job.index << "at"
                       << CurlWrapper::loggable(url);
    auto *watcher = new QFutureWatcher<HttpResult>(this);
    connect(watcher, &QFutureWatcherBase::finished, this, [this, watcher, job] {
        const HttpResult result = watcher->result();
        watcher->deleteLater();
        finished(job, result);
        runNext();
    });
    watcher->setFuture(QtConcurrent::run([url, fields, headers, options] {
        return CurlWrapper::postMultiInterface(url, fields, headers, options);
    }));
}

void MicrosoftSpeech::finished(const Job &job, const HttpResult &result)
{
    if (!result.ok()) {
        QString reason = result.error;
        if (result.outcome == HttpResult::Outcome::HttpError)
            reason += QStringLiteral(" - ") + QString::fromUtf8(result.body.left(300));
        fail(reason, failureMessage(result), job.index);
        return;
    }
    handleResult(QString::fromUtf8(result.body), job.index);
}

void MicrosoftSpeech::fail(const QString &reason, const QString &message, int index)
{
    qWarning().noquote() << "transcription failed:" << reason;
    emitText(message, PXASRResultType::Error);
    // The last segment ends the scene with what was recognised before it.
    if (index < 0)
        emitText(m_transcript, PXASRResultType::Finish);
}

void MicrosoftSpeech::emitText(const QString &text, PXASRResultType type)
{
    emit asrResult(true, text, type);
}

QString MicrosoftSpeech::failureMessage(const HttpResult &result)
{
    return result.failureText({tr("语音识别服务未配置"),
                               tr("语音识别服务响应超时，请稍后再试"),
                               tr("无法连接语音识别服务，请检查网络"),
                               tr("语音识别服务拒绝了请求，请检查密钥"),
                               tr("语音识别请求过于频繁，请稍后再试"),
                               tr("语音识别服务暂时不可用，请稍后再试")});
}

void MicrosoftSpeech::handleResult(const QString &json, int index)
{
    const QJsonDocument doc = QJsonDocument::fromJson(json.toUtf8());
    if (!doc.isObject()) {
        qWarning() << "Failed to create JSON doc.";
        fail(QStringLiteral("not JSON: ") + json.left(200), tr("语音识别服务返回了无法识别的结果"),
             index);
        return;
    }
    const QJsonObject reply = doc.object();
    qDebug() << "durationMilliseconds" << reply.value("durationMilliseconds").toInt();
    for (const QJsonValue &combined : reply.value("combinedPhrases").toArray())
        qDebug() << "combinedPhrases text" << combined.toObject().value("text").toString();
    const QJsonArray phrases = reply.value("phrases").toArray();
    for (const QJsonValue &value : phrases) {
        const QJsonObject phrase = value.toObject();
        qDebug() << "phrase" << phrase.value("offsetMilliseconds").toInt()
                 << phrase.value("durationMilliseconds").toInt() << phrase.value("text").toString()
                 << phrase.value("locale").toString() << phrase.value("confidence").toDouble();
        for (const QJsonValue &word : phrase.value("words").toArray()) {
            const QJsonObject w = word.toObject();
            qDebug() << "  word" << w.value("text").toString()
                     << w.value("offsetMilliseconds").toInt()
                     << w.value("durationMilliseconds").toInt();
        }
    }
    QString text = phrases.isEmpty() ? QString() : phrases.last().toObject().value("text").toString();
    while (!text.isEmpty() && kTrailingPunctuation.contains(text.back()))
        text.chop(1);
    if (m_indonesian)
        text = IndonesianText::rewrite(text, m_numbers);
    if (!m_transcript.isEmpty() && !text.isEmpty() && writtenWithSpaces(m_locale))
        m_transcript += QLatin1Char(' ');
    m_transcript += text;
    emitText(m_transcript, PXASRResultType::ShowText);
    if (index < 0)
        emitText(m_transcript, PXASRResultType::Finish);
}
