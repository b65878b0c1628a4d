#include "funcontrolcenter.h"

#include "core/config/endpoints.h"
#include "core/device/mousedevice.h"
#include "core/key/typingtaskqueue.h"
#include "core/key/virtual_keys.h"
#include "core/setting/inifileinf.h"
#include "core/speech/mmtypinghelper.h"
#include "core/speech/tencentcloudspeech.h"
#include "core/speech/xfyunwebapidomestic.h"
#include "core/translator/microsofttranslator.h"
#include "core/translator/xunfeitranslator.h"
#include "platform/desktop.h"
#include "widget/capture/camainwindow.h"
#include "platform/key_injector.h"
#include "platform/keys.h"
#include "widget/tradialogue.h"

#include <QDebug>
#include <QDesktopServices>
#include <QMetaMethod>
#include <QTimer>
#include <QUrl>

namespace {

bool g_voiceInputToggle = false;
constexpr int kFinishDelayMs = 500;
constexpr int kModifierWaitMs = 300;
constexpr int kModifierPollMs = 10;

QString setting(const char *key)
{
    return IniFileInf::get_keydefine(QLatin1String(key));
}

}  // namespace

std::shared_ptr<FunControlCenter> FunControlCenter::getInstance(QObject *parent)
{
    static auto *center = new std::shared_ptr<FunControlCenter>;
    if (!*center)
        center->reset(new FunControlCenter(parent));
    return *center;
}

bool FunControlCenter::voiceInputToggled()
{
    return g_voiceInputToggle;
}

FunControlCenter::FunControlCenter(QObject *parent) : QObject(parent)
{
    registerPxAsrResultType();
    m_device = qobject_cast<MouseDevice *>(
        createDevice(QStringLiteral("0x5850"), QStringLiteral("0x5653")));
    m_window = TraDialogue::instance();

    m_xfyun = new XFYunWebApiDomestic;
    m_xfyun->setAppId(BuiltInCredentials::dictationAppId());
    m_xfyun->setApiKey(BuiltInCredentials::dictationApiKey());
    m_xfyun->setApiSecret(BuiltInCredentials::dictationApiSecret());
    m_xfyun->setIntApiKey(BuiltInCredentials::dictationIntApiKey());
    m_xfyun->setIntApiSecret(BuiltInCredentials::dictationIntApiSecret());
    m_xfyun->setAudioSource(m_device, SIGNAL(onAudioData(QByteArray)));
    connect(m_xfyun, &XFYunWebApiDomestic::mAudioResultBlock, this,
            &FunControlCenter::processingRecognitionResults);
    initTencent();

    m_xunfeiTranslator = new XunFeiTranslator(BuiltInCredentials::translatorIflytekAppId(),
                                              BuiltInCredentials::translatorIflytekApiKey(),
                                              BuiltInCredentials::translatorIflytekApiSecret());
    m_microsoftTranslator =
        new MicrosoftTranslator(QString(), BuiltInCredentials::translatorMicrosoftKey(), QString());
    for (CloudTranslator *translator :
         {static_cast<CloudTranslator *>(m_xunfeiTranslator),
          static_cast<CloudTranslator *>(m_microsoftTranslator)}) {
        connect(translator, &CloudTranslator::translationFinished, this,
                &FunControlCenter::translationArrived);
        connect(translator, &CloudTranslator::errorOccurred, this,
                &FunControlCenter::translationFailed);
    }

    connect(TypingTaskQueue::instance(), &TypingTaskQueue::onFinish, this,
            &FunControlCenter::finishLater, Qt::QueuedConnection);

    // The result window shows what the scene produces.
    connect(this, &FunControlCenter::speechWindowText, m_window.get(), &TraDialogue::setShowText);
    connect(this, &FunControlCenter::speechWindowTraText, m_window.get(),
            &TraDialogue::setShowTargetText);
    connect(this, &FunControlCenter::finishTask, m_window.get(), &TraDialogue::finishTask);
    connect(m_window.get(), &TraDialogue::onComboBoxLangChanged, this,
            &FunControlCenter::retranslate);
    connect(this, &FunControlCenter::ocrCallback, m_window.get(), &TraDialogue::setShowOcrText);
    connect(this, &FunControlCenter::ocrTraCallback, m_window.get(),
            &TraDialogue::setShowTargetOcrText);

    initOcr();
    initMicrosoftSpeech();
    initAliyunMeeting();
    initKeyManage();
}

FunControlCenter::~FunControlCenter()
{
    // Before its socket goes: a closing socket must not end in results here.
    delete m_tencent;
    delete m_xfyun;
    delete m_xunfeiTranslator;
    delete m_microsoftTranslator;
}

void FunControlCenter::finishLater()
{
    QTimer::singleShot(kFinishDelayMs, this, [this] { emit finishTask(mSence); });
}

void FunControlCenter::setSecDynamicTyping(bool on)
{
    qInfo() << "是否开启动态打字功能: " << on;
    m_dynamicTyping = on;
}

// ---- Scenes ----

void FunControlCenter::beginScene(SENCE_TYPE scene, const QString &title)
{
    // A dictation still draining delivers its words under the scene it
    // belongs to before the new one takes over.
    m_xfyun->cancelAsr();
    m_tencent->cancelAsr();
    m_listening = false;
    m_window->showRecognizing(title);
    m_window->startAnimation();
    const QString code = setting("listenlangstr");
    m_typedText.clear();
    mSence = scene;
    m_segmentRecording = false;
    qDebug() << "scene" << scene << "language" << code << "recogniser"
             << (m_device ? m_device->recognizer : QStringLiteral("default"));
}

void FunControlCenter::startWordTranslation(const QString &text)
{
    qDebug() << "FunControlCenter::startWordTranslation" << text;
    if (text.isEmpty())
        return;
    mSence = SENCE_WORD_TRA;
    translateText(text);
}

void FunControlCenter::sceneUnavailable(const QString &title, const QString &notice)
{
    qWarning() << "not available in this build:" << notice;
    m_listening = false;
    m_window->showRecognizing(title);
    m_window->stopAnimation();
    emit speechWindowText(notice);
    // The card goes away by itself, as after any finished voice scene.
    emit finishTask(SENCE_VOICE);
}

void FunControlCenter::chooseRecogniser(const QString &code, int ptt, bool meeting)
{
    if (usesTencent(code)) {
        startTencent(code);
        return;
    }
    if (usesMicrosoft()) {
        startMicrosoftRecognition(code, meeting);
        m_listening = true;
        return;
    }
    m_xfyun->setPtt(ptt);
    m_xfyun->beginAsr(code, {}, meeting);
    m_listening = true;
}

void FunControlCenter::startVoice()
{
    beginScene(SENCE_VOICE, tr("语音输入"));
    const QString code = setting("listenlangstr");
    static const QStringList unspaced = {QStringLiteral("zh_cn"), QStringLiteral("MANDARIN"),
                                         QStringLiteral("ko_kr"), QStringLiteral("ja_jp")};
    m_letter = unspaced.contains(code) ? 0 : 1;
    m_xfyun->setRegion(setting("country"));
    chooseRecogniser(code, setting("ptt").toInt());
}

void FunControlCenter::startVoiceTra()
{
    beginScene(SENCE_VOICE_TRA, tr("语音翻译"));
    chooseRecogniser(setting("listenlangstr"), setting("ptt").toInt());
}

void FunControlCenter::startVoiceAss()
{
    if (!isSignalConnected(QMetaMethod::fromSignal(&FunControlCenter::voiceAssCallback))) {
        sceneUnavailable(tr("语音搜索"), tr("语音搜索暂不可用"));
        return;
    }
    beginScene(SENCE_VOICE_ASS, tr("语音搜索"));
    m_xfyun->setRegion(setting("country"));
    chooseRecogniser(setting("listenlangstr"), 0);
}

void FunControlCenter::startVoiceAi()
{
    if (!isSignalConnected(QMetaMethod::fromSignal(&FunControlCenter::voiceAICallback))) {
        sceneUnavailable(tr("AI语音助手"), tr("AI助手暂不可用"));
        return;
    }
    beginScene(SENCE_VOICE_AI, tr("AI语音助手"));
    m_xfyun->setRegion(setting("country"));
    chooseRecogniser(setting("listenlangstr"), setting("ptt").toInt());
}

void FunControlCenter::openAiPage()
{
    if (isSignalConnected(QMetaMethod::fromSignal(&FunControlCenter::LongPressAiGpt)))
        emit LongPressAiGpt(6);
    else
        sceneUnavailable(tr("AI语音助手"), tr("AI助手暂不可用"));
}

void FunControlCenter::stopVoice()
{
    m_window->stopAnimation();
    if (!m_listening)
        return;
    m_listening = false;
    if (usesTencent(setting("listenlangstr"))) {
        m_tencent->finishAsr();
        return;
    }
    if (m_microsoftPath != MicrosoftPath::None) {
        stopMicrosoftRecognition();
        return;
    }
    m_xfyun->endAsr(false);
}

// ---- Results ----

void FunControlCenter::processingRecognitionResults(bool success, QString text,
                                                    PXASRResultType type)
{
    if (mSence == SENCE_MEETING) {
        meetProcessingRecognitionResults(success, text, type);
        return;
    }
    if (type == PXASRResultType::ShowText || type == PXASRResultType::Error) {
        emit speechWindowText(text);
    } else if (type == PXASRResultType::ShowTextEmpty) {
        emit speechWindowText(tr("识别文字为空"));
        finishLater();
    }
    qDebug() << "FunControlCenter mSence: " << mSence << "; ";
    const bool finished = type == PXASRResultType::Finish;
    switch (mSence) {
    case SENCE_VOICE:
        m_dynamicTyping ? typingTextResult(text, type) : pasteWithText(text, type);
        break;
    case SENCE_VOICE_TRA:
        if (finished) {
            // Nothing said, nothing to translate: the scene ends as voice input does.
            if (text.trimmed().isEmpty())
                finishLater();
            else
                translateText(text);
        }
        break;
    case SENCE_VOICE_ASS:
        if (finished) {
            qDebug() << "ai ass text: " << text;
            // An interrupted dictation may end with nothing to search for.
            if (!text.trimmed().isEmpty())
                emit voiceAssCallback(text.trimmed());
            finishLater();
        }
        break;
    case SENCE_VOICE_AI:
        if (finished) {
            if (!text.trimmed().isEmpty())
                emit voiceAICallback(text);
            finishLater();
        }
        break;
    default:
        break;
    }
}

void FunControlCenter::typeUpTo(const QString &text)
{
    const EditSteps steps = editSteps(m_typedText, text);
    if (steps.deleteCount == 0 && steps.text.isEmpty())
        return;
    qDebug() << "type del " << steps.deleteCount << " addString" << steps.text;
    TypingTaskQueue *queue = TypingTaskQueue::instance();
    if (steps.deleteCount > 0)
        queue->addTask({2, QString(), steps.deleteCount, m_letter});
    if (!steps.text.isEmpty())
        queue->addTask({1, steps.text, 0, m_letter});
    m_typedText = text;
}

void FunControlCenter::typingTextResult(const QString &text, PXASRResultType type)
{
    qDebug() << "typingTextResult:" << text << int(type);
    // The field is kept equal to everything recognised so far: a correction
    // may reach back over several results, which the single corrected
    // sentence (Continue) or piece (Confirm) does not show.
    switch (type) {
    case PXASRResultType::ShowText:
        typeUpTo(text);
        break;
    case PXASRResultType::Finish:
        // Empty when a broken dictation had recognised nothing: keep what is there.
        if (!text.isEmpty())
            typeUpTo(text);
        // A dictation that goes on numbers its text from the start again.
        m_typedText.clear();
        if (!g_voiceInputToggle)
            TypingTaskQueue::instance()->addTask({3, QString(), 0, m_letter});
        break;
    default:
        break;
    }
}

void FunControlCenter::pasteWithText(const QString &text, PXASRResultType type)
{
    qDebug() << "FunControlCenter::pasteWithText" << ";" << __LINE__ << text << "; state: "
             << pxAsrResultTypeName(type);
    if (type != PXASRResultType::Finish)
        return;
    if (text.isEmpty()) {
        finishLater();
        return;
    }
    TypingTaskQueue::setClipboardText(text);
    QTimer::singleShot(kFinishDelayMs, this, [this] { pasteWhenModifiersReleased(0); });
}

void FunControlCenter::pasteWhenModifiersReleased(int waitedMs)
{
    // A held Alt turns Ctrl+V into something else. Polled, so the GUI thread
    // never blocks on the keyboard.
    const auto keys = platform::keyInjector();
    if (!keys) {
        // The text stays on the clipboard, for the user to paste.
        qWarning() << "no key injection in this session; the recognised text is not pasted";
        QTimer::singleShot(kFinishDelayMs, this, [this] { emit finishTask(mSence); });
        return;
    }
    if (keys->modifiersHeld()) {
        if (waitedMs < kModifierWaitMs) {
            QTimer::singleShot(kModifierPollMs, this, [this, waitedMs] {
                pasteWhenModifiersReleased(waitedMs + kModifierPollMs);
            });
            return;
        }
        qWarning() << "modifiers still held after" << waitedMs << "ms; pasting anyway";
    }
    TypingTaskQueue::pressKey(platform::vk::Control);
    TypingTaskQueue::pressKey(platform::vk::KeyV);
    QTimer::singleShot(10, this, [] {
        TypingTaskQueue::releaseKey(platform::vk::KeyV);
        TypingTaskQueue::releaseKey(platform::vk::Control);
    });
    QTimer::singleShot(kFinishDelayMs, this, [this] { emit finishTask(mSence); });
}

// ---- Translation ----

void FunControlCenter::translateText(const QString &text)
{
    if (text.isEmpty())
        return;
    const char *key = mSence == SENCE_OCR_TRA    ? "ocrtargetlangstr"
                      : mSence == SENCE_WORD_TRA ? "screentranlangstr"
                                                 : "translatelangstr";
    m_typeTranslation = true;
    startTranslation(text, setting(key));
}

void FunControlCenter::retranslate(const QString &text, const QString &targetLanguage)
{
    m_typeTranslation = false;
    startTranslation(text, targetLanguage);
}

void FunControlCenter::startTranslation(const QString &text, const QString &target)
{
    if (setting("country") == QLatin1String("cn"))
        m_xunfeiTranslator->translate(text, QStringLiteral("auto"), target);
    else
        m_microsoftTranslator->translate(text, QStringLiteral("auto"), target);
}

void FunControlCenter::translationArrived(const QString &translation)
{
    qDebug() << "Translation Result:" << translation << "mSence" << mSence;
    if (mSence == SENCE_OCR_TRA) {
        emit ocrTraCallback(translation);
        finishLater();
        return;
    }
    if (mSence == SENCE_MEETING) {
        emit meetingTraCallback(translation);
        return;
    }
    if (mSence == SENCE_WORD_TRA) {
        // Shown beside the selection, never typed into the application.
        emit wordTraCallback(translation);
        finishLater();
        return;
    }
    if (m_typeTranslation) {
        if (m_dynamicTyping) {
            TypingTaskQueue *queue = TypingTaskQueue::instance();
            queue->addTask({1, translation, 0, m_letter});
            // The finish task ends the scene once the text is typed.
            queue->addTask({3, QString(), 0, m_letter});
        } else {
            pasteWithText(translation, PXASRResultType::Finish);
        }
    }
    emit speechWindowTraText(translation);
}

void FunControlCenter::translationFailed(const QString &message)
{
    qWarning() << "Error:" << message;
    if (mSence == SENCE_MEETING) {
        emit meetingTraFailed(message);
        return;
    }
    // Beside the recognised text, which stays readable.
    if (mSence == SENCE_OCR_TRA) {
        emit ocrTraCallback(message);
        return;
    }
    emit speechWindowText(message);
}

// ---- Buttons ----

bool FunControlCenter::isGroupA() const
{
    const QString name = m_device->productName;
    return name == QLatin1String("WQQ313") || name == QLatin1String("WQQ800")
        || name == QLatin1String("WQBT5.2 Mouse");
}

bool FunControlCenter::isModelB() const
{
    return m_device->productName == QLatin1String("WQORBELINE OPX263");
}

void FunControlCenter::translateKeyShortClick()
{
    const QString action = setting("tks");
    if (isGroupA())
        openAiPage();
    else
        commonShortClick(action);
}

void FunControlCenter::voiceKeyShortClick() { commonShortClick(setting("vks")); }
void FunControlCenter::aKeyShortClick() { commonShortClick(setting("aas")); }

void FunControlCenter::translateKeyLongPress()
{
    if (isGroupA())
        startVoiceAi();
    else if (isModelB())
        startVoiceTra();
    else
        longClickStart(setting("tkl"));
}

void FunControlCenter::voiceKeyLongPress() { longClickStart(setting("vkl")); }
void FunControlCenter::aKeyLongPress() { longClickStart(setting("aal")); }

void FunControlCenter::translateKeyRelease()
{
    if (isModelB())
        stopVoice();
    else
        longClickEnd(setting("tkl"));
}

void FunControlCenter::voiceKeyRelease() { longClickEnd(setting("vkl")); }
void FunControlCenter::aKeyRelease() { longClickEnd(setting("aal")); }

void FunControlCenter::longClickStart(const QString &action)
{
    if (action == QLatin1String("voiceInput"))
        startVoice();
    else if (action == QLatin1String("translationKey"))
        startVoiceTra();
    else if (action == QLatin1String("aiAssistantKey"))
        startVoiceAss();
    else if (action == QLatin1String("aiGpt"))
        startVoiceAi();
}

void FunControlCenter::longClickEnd(const QString &action)
{
    static const QStringList voice = {QStringLiteral("voiceInput"),
                                      QStringLiteral("translationKey"),
                                      QStringLiteral("aiAssistantKey"), QStringLiteral("aiGpt")};
    if (voice.contains(action))
        stopVoice();
}

void FunControlCenter::tapKey(unsigned virtualKey)
{
    const auto keys = platform::keyInjector();
    if (!keys || !keys->sendBatch({{virtualKey, true}, {virtualKey, false}}))
        qWarning() << "key injection failed for" << virtualKey;
}

void FunControlCenter::keyEnter()
{
    tapKey(platform::vk::Return);
}

void FunControlCenter::keyDel()
{
    qDebug() << "keyDel";
    tapKey(platform::vk::Backspace);
}

void FunControlCenter::keyDesktop()
{
    qDebug() << "keyDesktop";
    if (!platform::showDesktop())
        qWarning() << "show desktop is not available in this session";
}

void FunControlCenter::commonShortClick(const QString &action)
{
    qDebug() << "commonShortClick" << action;
    using namespace platform;
    const auto keys = keyInjector();
    auto chord = [&keys](unsigned modifier, unsigned key) {
        if (!keys || !keys->sendBatch({{modifier, true}, {key, true}, {key, false}, {modifier, false}}))
            qWarning() << "key injection failed for" << key << "with" << modifier;
    };
    if (action == QLatin1String("enter")) {
        keyEnter();
    } else if (action == QLatin1String("delete")) {
        keyDel();
    } else if (action == QLatin1String("copy")) {
        chord(vk::Control, vk::KeyC);
    } else if (action == QLatin1String("pac")) {
        chord(vk::Control, vk::KeyV);
    } else if (action == QLatin1String("pageUp")) {
        tapKey(0x21);
    } else if (action == QLatin1String("pageDown")) {
        tapKey(0x22);
    } else if (action == QLatin1String("aigpt")) {
        openAiPage();
    } else if (action == QLatin1String("backspace")) {
        tapKey(vk::Backspace);
    } else if (action == QLatin1String("aiocrkey")) {
        startScreenOcr();
    } else if (action == QLatin1String("home")) {
        keyDesktop();
    } else if (action == QLatin1String("baidu")) {
        QDesktopServices::openUrl(QUrl(QStringLiteral("http://") + PublicHosts::baiduSearch()));
    } else if (action == QLatin1String("web")) {
        QDesktopServices::openUrl(QUrl(QStringLiteral("http://") + setting("akeyurl")));
    } else if (action == QLatin1String("makewowo")) {
        // no action
    } else if (action == QLatin1String("voiceInput")) {
        if (g_voiceInputToggle) {
            stopVoice();
            m_device->stopRecord();
            g_voiceInputToggle = false;
        } else {
            startVoice();
            // Nothing to record for when the scene could not start.
            if (m_listening) {
                m_device->startRecord();
                g_voiceInputToggle = true;
            }
        }
    } else {
        shortcut(QKeySequence(action, QKeySequence::PortableText));
    }
}

void FunControlCenter::shortcut(const QKeySequence &sequence)
{
    qDebug() << "shortcut" << sequence;
    std::vector<unsigned> modifiers;
    int key = 0;
    for (int i = 0; i < sequence.count(); ++i) {
        const int combination = sequence[i];
        if (combination & Qt::ControlModifier)
            modifiers.push_back(platform::vk::Control);
        if (combination & Qt::AltModifier)
            modifiers.push_back(platform::vk::Menu);
        if (combination & Qt::ShiftModifier)
            modifiers.push_back(platform::vk::Shift);
        const int k = combination & ~int(Qt::KeyboardModifierMask);
        if (k != Qt::Key_unknown)
            key = k;
    }
    const unsigned virtualKey = VirtualKeys::fromQtKey(key);
    if (!key || !virtualKey)
        return;
    std::vector<std::pair<unsigned, bool>> events;
    for (unsigned m : modifiers)
        events.push_back({m, true});
    events.push_back({virtualKey, true});
    events.push_back({virtualKey, false});
    for (auto it = modifiers.rbegin(); it != modifiers.rend(); ++it)
        events.push_back({*it, false});
    const auto keys = platform::keyInjector();
    if (!keys || !keys->sendBatch(events))
        qWarning() << "shortcut could not be sent" << sequence;
}
