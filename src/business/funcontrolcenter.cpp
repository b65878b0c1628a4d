#include "funcontrolcenter.h"

#include "core/config/endpoints.h"
#include "core/device/mousedevice.h"
#include "core/key/typingtaskqueue.h"
#include "core/key/virtual_keys.h"
#include "core/setting/inifileinf.h"
#include "core/speech/mmtypinghelper.h"
#include "core/speech/xfyunwebapidomestic.h"
#include "platform/desktop.h"
#include "platform/key_injector.h"
#include "platform/keys.h"
#include "widget/tradialogue.h"

#include <QDebug>
#include <QDesktopServices>
#include <QTimer>
#include <QUrl>

namespace {

bool g_voiceInputToggle = false;
constexpr int kFinishDelayMs = 500;

QString setting(const char *key)
{
    return IniFileInf::get_keydefine(QLatin1String(key));
}

bool usesTencent(const QString &code)
{
    return code == QLatin1String("16k_zh_dialect") || code == QLatin1String("16k_id");
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

    connect(TypingTaskQueue::instance(), &TypingTaskQueue::onFinish, this,
            &FunControlCenter::finishLater, Qt::QueuedConnection);

    // The result window shows what the scene produces.
    connect(this, &FunControlCenter::speechWindowText, m_window.get(), &TraDialogue::setShowText);
    connect(this, &FunControlCenter::speechWindowTraText, m_window.get(),
            &TraDialogue::setShowTargetText);
    connect(this, &FunControlCenter::finishTask, m_window.get(), &TraDialogue::finishTask);
}

FunControlCenter::~FunControlCenter()
{
    delete m_xfyun;
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
    m_window->showRecognizing(title);
    m_window->startAnimation();
    const QString code = setting("listenlangstr");
    m_typedText.clear();
    mSence = scene;
    m_segmentRecording = false;
    qDebug() << "scene" << scene << "language" << code << "recogniser default";
}

void FunControlCenter::chooseRecogniser(const QString &code, int ptt)
{
    if (usesTencent(code)) {
        // That recogniser is not part of this build: say so rather than
        // listening with a service that does not know the language.
        qWarning() << "no recogniser for" << code;
        emit speechWindowText(tr("当前识别语言暂不可用"));
        return;
    }
    m_xfyun->setPtt(ptt);
    m_xfyun->beginAsr(code, {}, false);
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
    // Translation clients are not part of this build yet.
    qWarning() << "voice translation is not available";
    m_window->showRecognizing(tr("语音翻译"));
    emit speechWindowText(tr("语音翻译暂不可用"));
}

void FunControlCenter::startVoiceAss()
{
    beginScene(SENCE_VOICE_ASS, tr("语音搜索"));
    m_xfyun->setRegion(setting("country"));
    chooseRecogniser(setting("listenlangstr"), 0);
}

void FunControlCenter::startVoiceAi()
{
    beginScene(SENCE_VOICE_AI, tr("AI语音助手"));
    m_xfyun->setRegion(setting("country"));
    chooseRecogniser(setting("listenlangstr"), setting("ptt").toInt());
}

void FunControlCenter::stopVoice()
{
    m_window->stopAnimation();
    if (usesTencent(setting("listenlangstr")))
        return;
    m_xfyun->endAsr(false);
}

void FunControlCenter::startScreenOcr()
{
    // The capture tool is not part of this build yet.
    qWarning() << "screen capture is not available";
}

// ---- Results ----

void FunControlCenter::processingRecognitionResults(bool success, QString text,
                                                    PXASRResultType type)
{
    Q_UNUSED(success);
    if (type == PXASRResultType::ShowText || type == PXASRResultType::Error) {
        emit speechWindowText(text);
    } else if (type == PXASRResultType::ShowTextEmpty) {
        emit speechWindowText(tr("识别文字为空"));
        finishLater();
    }
    qDebug() << "FunControlCenter mSence: " << mSence << "; ";
    switch (mSence) {
    case SENCE_VOICE:
        m_dynamicTyping ? typingTextResult(text, type) : pasteWithText(text, type);
        break;
    case SENCE_VOICE_ASS:
        if (type == PXASRResultType::Finish) {
            qDebug() << "ai ass text: " << text;
            emit voiceAssCallback(text.trimmed());
            finishLater();
        }
        break;
    case SENCE_VOICE_AI:
        if (type == PXASRResultType::Finish) {
            emit voiceAICallback(text);
            finishLater();
        }
        break;
    default:
        break;
    }
}

void FunControlCenter::typingTextResult(const QString &text, PXASRResultType type)
{
    qDebug() << "typingTextResult:" << text << int(type);
    TypingTaskQueue *queue = TypingTaskQueue::instance();
    switch (type) {
    case PXASRResultType::Continue: {
        // Computed directly rather than through the text description, which
        // misreads sentences containing "&&" or starting with "add::".
        const EditSteps steps = editSteps(m_typedText, text);
        qDebug() << "type del " << steps.deleteCount << " addString" << steps.text;
        if (steps.deleteCount > 0)
            queue->addTask({2, QString(), steps.deleteCount, m_letter});
        if (!steps.text.isEmpty())
            queue->addTask({1, steps.text, 0, m_letter});
        m_typedText = text;
        break;
    }
    case PXASRResultType::Confirm:
        m_typedText = text;
        queue->addTask({1, text, 0, m_letter});
        break;
    case PXASRResultType::Finish:
        if (!g_voiceInputToggle)
            queue->addTask({3, QString(), 0, m_letter});
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
    TypingTaskQueue::setClipboardText(text);
    QTimer::singleShot(kFinishDelayMs, this, [this] {
        if (const auto keys = platform::keyInjector())
            keys->waitForModifiersReleased(300);
        TypingTaskQueue::pressKey(platform::vk::Control);
        TypingTaskQueue::pressKey(platform::vk::KeyV);
        QTimer::singleShot(10, this, [] {
            TypingTaskQueue::releaseKey(platform::vk::KeyV);
            TypingTaskQueue::releaseKey(platform::vk::Control);
        });
        QTimer::singleShot(kFinishDelayMs, this, [this] { emit finishTask(mSence); });
    });
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
        emit LongPressAiGpt(6);
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
        if (keys)
            keys->sendBatch({{modifier, true}, {key, true}, {key, false}, {modifier, false}});
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
        emit LongPressAiGpt(6);
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
        } else {
            m_device->startRecord();
            startVoice();
        }
        g_voiceInputToggle = !g_voiceInputToggle;
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
