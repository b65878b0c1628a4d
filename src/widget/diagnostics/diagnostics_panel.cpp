#include "widget/diagnostics/diagnostics_panel.h"

#include "business/funcontrolcenter.h"
#include "core/audio/playpcmaudio.h"
#include "core/audio/wavfile.h"
#include "core/decoder/sbchelper.h"
#include "core/device/mousedevice.h"
#include "core/speech/xfyunwebapidomestic.h"
#include "utils/app_paths.h"
#include "widget/kit/switchbutton.h"
#include "widget/tradialogue.h"

#include <QDebug>
#include <QEvent>
#include <QFile>
#include <QGridLayout>
#include <QJsonObject>
#include <QLabel>
#include <QPushButton>
#include <QTextEdit>
#include <QTimer>

namespace {

constexpr int kDpiSteps[] = {800, 1000, 1300, 1600, 2400, 4000, 8000, 12000};
constexpr int kColumns = 4;

}  // namespace

DiagnosticsPanel::DiagnosticsPanel(MouseDevice *device, std::shared_ptr<FunControlCenter> center,
                                   QWidget *parent)
    : QWidget(parent), m_device(device), m_center(std::move(center))
{
    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    const auto place = [this, grid](QWidget *widget) {
        const int n = grid->count();
        grid->addWidget(widget, n / kColumns, n % kColumns);
    };
    const auto button = [this, place](const char *name, void (DiagnosticsPanel::*slot)()) {
        QPushButton *b = addButton(name, slot);
        place(b);
        return b;
    };

    button("pushButtonLogWindow", nullptr);
    connect(m_buttons.last(), &QPushButton::clicked, this, &DiagnosticsPanel::logWindowRequested);
    m_connect = button("pushButtonConnect", &DiagnosticsPanel::toggleLink);
    button("pushButtonInfo", &DiagnosticsPanel::queryInfo);
    connect(button("pushButtonWheelOn", nullptr), &QPushButton::clicked, this,
            [this] { m_device->setWBL(1); });
    connect(button("pushButtonWheelOff", nullptr), &QPushButton::clicked, this,
            [this] { m_device->setWBL(0); });
    button("pushButtonStartRecord", &DiagnosticsPanel::startRecording);
    connect(button("pushButtonStopRecord", nullptr), &QPushButton::clicked, this,
            [this] { m_device->stopRecord(); });
    button("pushButtonPlay", &DiagnosticsPanel::playback);
    button("pushButtonDecode", &DiagnosticsPanel::decodeRaw);
    button("pushButtonPcmToWav", &DiagnosticsPanel::pcmToWavFile);
    connect(button("pushButtonMeetingTest", nullptr), &QPushButton::clicked, this,
            [this] { m_center->startAliyunMeeting(QJsonObject()); });
    connect(button("pushButtonMeetingStop", nullptr), &QPushButton::clicked, this,
            [this] { m_center->stopAliyunMeeting(); });
    button("pushButtonDictation", &DiagnosticsPanel::startDictation);
    button("pushButtonDictationEnd", &DiagnosticsPanel::stopDictation);
    button("pushButtonTranslationDictation", &DiagnosticsPanel::startTranslationDictation);
    button("pushButtonTranslationDictationEnd", &DiagnosticsPanel::stopTranslationDictation);
    for (const int dpi : kDpiSteps) {
        auto *b = new QPushButton(QString::number(dpi));
        b->setObjectName(QStringLiteral("pushButtonDpi%1").arg(dpi));
        connect(b, &QPushButton::clicked, this, [this, dpi] { m_device->setDPI(dpi); });
        place(b);
    }

    // Whether a recording is also cut into six-second WAV files.
    m_saveSegments = new SwitchButton;
    m_saveSegments->setObjectName(QStringLiteral("switchSaveSegments"));
    place(m_saveSegments);

    m_recognised = new QTextEdit;
    m_recognised->setObjectName(QStringLiteral("textRecognised"));
    m_recognised->setReadOnly(true);
    m_recognised->setMaximumHeight(100);
    grid->addWidget(m_recognised, grid->rowCount(), 0, 1, kColumns);
    connect(m_center.get(), &FunControlCenter::aliyunRecognitionText, m_recognised,
            &QTextEdit::append);

    m_player = new PlayPcmAudio(AppPaths::inDataDir(QStringLiteral("sound.pcm")), this);
    connect(m_player, &PlayPcmAudio::resultReady, this,
            [](const QString &result) { qInfo() << "playback:" << result; });
    retranslateUi();
}

DiagnosticsPanel::~DiagnosticsPanel() = default;

QPushButton *DiagnosticsPanel::addButton(const char *objectName, void (DiagnosticsPanel::*slot)())
{
    auto *b = new QPushButton;
    b->setObjectName(QString::fromLatin1(objectName));
    if (slot)
        connect(b, &QPushButton::clicked, this, slot);
    m_buttons.append(b);
    return b;
}

void DiagnosticsPanel::retranslateUi()
{
    const QStringList texts = {
        tr("日志窗口"), m_linked ? tr("断开连接") : tr("连接设备"), tr("查询设备信息"),
        tr("滚轮弹开"), tr("滚轮弹关"), tr("开启录音"), tr("停止录音"), tr("播放录音"),
        tr("解码数据"), QStringLiteral("pmc2wav"), tr("测试会议纪要"), tr("音频文件测试"),
        tr("语音听写"), tr("松开语音听写"), tr("翻译听写"), tr("松开翻译听写"),
    };
    for (int i = 0; i < m_buttons.size(); ++i)
        m_buttons[i]->setText(texts.value(i));
    m_recognised->setPlaceholderText(tr("识别文本"));
}

void DiagnosticsPanel::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslateUi();
    QWidget::changeEvent(event);
}

void DiagnosticsPanel::setLinked(bool linked)
{
    m_linked = linked;
    retranslateUi();
}

void DiagnosticsPanel::toggleLink()
{
    if (m_device->linkState == Disconnected) {
        m_device->connect();
        return;
    }
    emit status(tr("设备已经连接，自动断开当前模式"));
    QTimer::singleShot(kCloseDelayMs, m_device, &MouseDevice::closeDevice);
}

void DiagnosticsPanel::queryInfo()
{
    qDebug() << "查询设备信息";
    m_device->getInfo();
}

void DiagnosticsPanel::startRecording()
{
    m_device->setSaveWavSegments(m_saveSegments->isChecked());
    m_device->startRecord();
}

void DiagnosticsPanel::playback()
{
    // One playback at a time; a click while playing is ignored.
    if (!m_player->isRunning())
        m_player->start();
}

void DiagnosticsPanel::decodeRaw()
{
    if (!SbcHelper::decodesbc(AppPaths::inDataDir(QStringLiteral("sound.bin")),
                              AppPaths::inDataDir(QStringLiteral("soundbin.wav"))))
        qWarning() << "the raw capture could not be decoded";
}

void DiagnosticsPanel::pcmToWavFile()
{
    const QString wav = AppPaths::inDataDir(QStringLiteral("soundformat.wav"));
    pcmToWav(AppPaths::inDataDir(QStringLiteral("sound.pcm")), wav, 1, 16000, 16);
    if (!QFile::exists(wav))
        qDebug() << "File not found: " << wav;
}

void DiagnosticsPanel::beginDictation()
{
    XFYunWebApiDomestic *dictation = m_center->dictation();
    dictation->resetFlags();
    dictation->beginAsr(QStringLiteral("cn"), {}, false);
    m_device->setSaveWavSegments(m_saveSegments->isChecked());
    m_device->startRecord();
}

void DiagnosticsPanel::startDictation()
{
    TraDialogue::instance()->show();
    beginDictation();
}

void DiagnosticsPanel::stopDictation()
{
    m_device->stopRecord();
    m_center->dictation()->endAsr(false);
}

void DiagnosticsPanel::startTranslationDictation()
{
    TraDialogue::instance()->showRecognizing(tr("语音翻译"));
    beginDictation();
}

void DiagnosticsPanel::stopTranslationDictation()
{
    stopDictation();
    TraDialogue::instance()->hide();
}
