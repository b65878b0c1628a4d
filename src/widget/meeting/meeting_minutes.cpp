#include "widget/meeting/meeting_minutes.h"

#include "core/meeting/meeting_recording.h"
#include "core/meeting/meeting_store.h"
#include "utils/app_paths.h"
#include "widget/iconfont/iconfont.h"
#include "widget/meeting/meeting_export.h"
#include "widget/meeting/meeting_recorder.h"
#include "widget/meeting/meeting_summary.h"

#include <QApplication>
#include <QClipboard>
#include <QDebug>
#include <QDir>
#include <QEvent>
#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QSaveFile>
#include <QTextEdit>
#include <QTime>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>
#include <QtConcurrent>

namespace {

const QString kNameFormat = QStringLiteral("yyyy/MM/dd hh:mm:ss");

}  // namespace

MeetingMinutes::MeetingMinutes(QWidget *parent, int checkpointMs)
    : QWidget(parent), m_recordingPath(AppPaths::inDataDir(QStringLiteral("sound.pcm")))
{
    m_checkpoint = new QTimer(this);
    m_checkpoint->setInterval(checkpointMs);
    connect(m_checkpoint, &QTimer::timeout, this, &MeetingMinutes::saveCheckpoint);
    buildUi();
    retranslateUi();
    updateActions();
}

// Leaving while recording, or with a meeting the store refused, keeps what
// was saved last; the next start of the list finds the meeting unfinished and
// recovers it. (The store may be gone already: no write here.)
MeetingMinutes::~MeetingMinutes() = default;

void MeetingMinutes::setCheckpointInterval(int ms)
{
    m_checkpoint->setInterval(ms);
}

QToolButton *MeetingMinutes::toolButton(const char *icon)
{
    auto *b = new QToolButton;
    b->setIcon(IconFont::instance().icon(QString::fromLatin1(icon)));
    b->setAutoRaise(true);
    return b;
}

void MeetingMinutes::buildUi()
{
    m_title = new QLabel;
    m_title->setObjectName(QStringLiteral("meetingTitle"));
    m_historyButton = new QPushButton;
    m_historyButton->setObjectName(QStringLiteral("meetingHistoryButton"));
    m_recordButton = new QPushButton;
    m_recordButton->setObjectName(QStringLiteral("meetingRecordButton"));
    m_saveWarning = new QLabel;
    m_saveWarning->setObjectName(QStringLiteral("meetingSaveWarning"));
    m_saveWarning->setStyleSheet(QStringLiteral("color: #c0392b;"));
    m_saveWarning->setWordWrap(true);
    m_saveWarning->hide();

    m_contentEdit = new QTextEdit;
    m_contentEdit->setObjectName(QStringLiteral("meetingContent"));
    m_contentEdit->setAcceptRichText(false);
    m_translateEdit = new QTextEdit;
    m_translateEdit->setObjectName(QStringLiteral("meetingTranslation"));
    m_summaryEdit = new QTextEdit;
    m_summaryEdit->setObjectName(QStringLiteral("meetingSummary"));
    m_contentLabel = new QLabel;
    m_recordingLabel = new QLabel;
    m_translateLabel = new QLabel;
    m_summaryLabel = new QLabel;
    m_translateStatus = new QLabel;
    m_translateStatus->setObjectName(QStringLiteral("meetingTranslateStatus"));
    m_translateStatus->hide();
    m_summaryStatus = new QLabel;
    m_summaryStatus->setObjectName(QStringLiteral("meetingSummaryStatus"));
    m_summaryStatus->setWordWrap(true);
    m_summaryStatus->hide();

    m_copyContent = toolButton("fa-regular fa-copy");
    m_copyTranslate = toolButton("fa-regular fa-copy");
    m_copySummary = toolButton("fa-regular fa-copy");
    m_exportContent = toolButton("fa-regular fa-file-word");
    m_exportTranslate = toolButton("fa-regular fa-file-word");
    m_exportSummary = toolButton("fa-regular fa-file-word");
    m_summaryButton = toolButton("fa-solid fa-wand-magic-sparkles");
    m_summaryButton->setObjectName(QStringLiteral("meetingSummaryButton"));
    m_summaryButton->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    m_play = toolButton("fa-solid fa-play");
    m_pause = toolButton("fa-solid fa-pause");
    m_stop = toolButton("fa-solid fa-stop");
    m_retranslateButton = new QPushButton;
    m_retranslateButton->setObjectName(QStringLiteral("meetingRetranslateButton"));

    auto *header = new QHBoxLayout;
    header->addWidget(m_title);
    header->addStretch(1);
    header->addWidget(m_historyButton);
    header->addWidget(m_recordButton);

    const auto section = [](QLabel *label, std::initializer_list<QWidget *> tools) {
        auto *row = new QHBoxLayout;
        row->addWidget(label);
        row->addStretch(1);
        for (QWidget *w : tools)
            row->addWidget(w);
        return row;
    };
    auto *left = new QVBoxLayout;
    left->addLayout(section(m_contentLabel, {m_copyContent, m_exportContent}));
    left->addWidget(m_contentEdit, 1);
    left->addLayout(section(m_recordingLabel, {m_play, m_pause, m_stop}));

    auto *right = new QVBoxLayout;
    right->addLayout(section(m_translateLabel,
                             {m_retranslateButton, m_copyTranslate, m_exportTranslate}));
    right->addWidget(m_translateStatus);
    right->addWidget(m_translateEdit, 1);
    right->addLayout(section(m_summaryLabel, {m_summaryButton, m_copySummary, m_exportSummary}));
    right->addWidget(m_summaryStatus);
    right->addWidget(m_summaryEdit, 1);

    auto *body = new QHBoxLayout;
    body->addLayout(left, 1);
    body->addLayout(right, 1);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(header);
    layout->addWidget(m_saveWarning);
    layout->addLayout(body, 1);

    connect(m_recordButton, &QPushButton::clicked, this, &MeetingMinutes::toggleRecording);
    connect(m_historyButton, &QPushButton::clicked, this, [this] {
        emit historyRequested();
        if (!parentWidget())
            close();
    });
    connect(m_copyContent, &QToolButton::clicked, this, &MeetingMinutes::copyMeetingContent);
    connect(m_copyTranslate, &QToolButton::clicked, this,
            &MeetingMinutes::copyMeetingTranslateContent);
    connect(m_copySummary, &QToolButton::clicked, this,
            &MeetingMinutes::copyMeetingAiSummaryContent);
    connect(m_exportContent, &QToolButton::clicked, this,
            &MeetingMinutes::exportLeftContentToWord);
    connect(m_exportTranslate, &QToolButton::clicked, this, &MeetingMinutes::exportRightTopToWord);
    connect(m_exportSummary, &QToolButton::clicked, this,
            &MeetingMinutes::exportRightBottomToWord);
    connect(m_summaryButton, &QToolButton::clicked, this, &MeetingMinutes::generateSummary);
    connect(m_retranslateButton, &QPushButton::clicked, this, &MeetingMinutes::translateAgain);
    connect(m_play, &QToolButton::clicked, &m_player, &AudioPlayer::play);
    connect(m_pause, &QToolButton::clicked, &m_player, &AudioPlayer::pause);
    // Setting the data again stops and rewinds.
    connect(m_stop, &QToolButton::clicked, this, [this] { m_player.setData(m_recordingData); });
    connect(m_contentEdit, &QTextEdit::textChanged, this, &MeetingMinutes::updateActions);
    connect(m_translateEdit, &QTextEdit::textChanged, this, &MeetingMinutes::updateActions);
}

void MeetingMinutes::retranslateUi()
{
    m_title->setText(tr("会议实录"));
    m_historyButton->setText(tr("历史记录"));
    m_recordButton->setText(m_isRecording ? tr("停止记录") : tr("开始记录"));
    m_contentLabel->setText(tr("实时会议内容"));
    m_recordingLabel->setText(tr("Meeting recording"));
    m_translateLabel->setText(tr("Conference translation"));
    m_summaryLabel->setText(tr("AI会议总结"));
    for (QToolButton *b : {m_copyContent, m_copyTranslate, m_copySummary})
        b->setToolTip(tr("Copy to clipboard"));
    for (QToolButton *b : {m_exportContent, m_exportTranslate, m_exportSummary})
        b->setToolTip(tr("Export to word"));
    m_summaryButton->setText(tr("AI Summary"));
    m_summaryButton->setToolTip(tr("AI Summary"));
    m_play->setToolTip(tr("Play"));
    m_pause->setToolTip(tr("Pause"));
    m_stop->setToolTip(tr("Stop"));
    m_retranslateButton->setText(tr("重新翻译"));
}

void MeetingMinutes::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslateUi();
    QWidget::changeEvent(event);
}

void MeetingMinutes::updateActions()
{
    // Without recognition there is nothing to record.
    m_recordButton->setEnabled(m_recorder || m_isRecording);
    // A stored meeting whose translation never came (service down, crash)
    // can be translated again.
    m_retranslateButton->setVisible(m_recorder && !m_isRecording && m_meetingId > 0
                                    && m_translationFor == 0
                                    && m_translateEdit->toPlainText().isEmpty()
                                    && !m_contentEdit->toPlainText().isEmpty());
}

QString MeetingMinutes::startTimeText() const
{
    return m_startTime.toString(kNameFormat);
}

QString MeetingMinutes::transcript() const
{
    return m_contentEdit->toPlainText();
}

QString MeetingMinutes::translation() const
{
    return m_translateEdit->toPlainText();
}

QString MeetingMinutes::summaryHtml() const
{
    return m_summaryEdit->toHtml();
}

void MeetingMinutes::reportStoreFailure(const QString &what)
{
    m_saveWarned = true;
    m_storeWarning = what;
    showSaveWarning();
}

void MeetingMinutes::captureFailed(QString reason)
{
    if (!m_isRecording)
        return;
    m_captureWarning = tr("录音无法继续写入磁盘（%1）。已录下的部分保留，转写继续。").arg(reason);
    showSaveWarning();
}

void MeetingMinutes::showSaveWarning()
{
    QStringList lines;
    for (const QString &line : {m_storeWarning, m_captureWarning}) {
        if (!line.isEmpty())
            lines << line;
    }
    m_saveWarning->setText(lines.join(QLatin1Char('\n')));
    m_saveWarning->setVisible(!lines.isEmpty());
}

bool MeetingMinutes::showMeeting(const MeetingRecord &meeting)
{
    if (m_isRecording)
        return false;
    m_acceptResults = false;
    m_meetingId = meeting.id;
    m_startTime = QDateTime::fromString(meeting.name, kNameFormat);
    m_duration = meeting.time;
    m_contentEdit->setPlainText(meeting.content);
    m_translateEdit->setPlainText(meeting.translate);
    m_summaryEdit->setHtml(meeting.summary);
    m_savedTranscript = meeting.content;
    m_recordingData = meeting.wav;
    m_player.setData(m_recordingData);
    m_translateStatus->hide();
    m_summaryStatus->hide();
    updateActions();
    return true;
}

bool MeetingMinutes::newMeeting()
{
    if (m_isRecording)
        return false;
    m_acceptResults = false;
    m_meetingId = 0;
    m_startTime = QDateTime();
    m_duration.clear();
    m_contentEdit->clear();
    m_translateEdit->clear();
    m_summaryEdit->clear();
    m_savedTranscript.clear();
    m_recordingData.clear();
    m_player.setData(m_recordingData);
    m_translateStatus->hide();
    m_summaryStatus->hide();
    updateActions();
    return true;
}

void MeetingMinutes::toggleRecording()
{
    if (m_isRecording)
        stopRecording();
    else
        startRecording();
}

void MeetingMinutes::startRecording()
{
    m_isRecording = true;
    m_recordButton->setText(tr("停止记录"));
    m_acceptResults = true;
    m_duration.clear();
    m_startTime = QDateTime::currentDateTime();
    m_microsoftMode = m_recorder && m_recorder->recognitionEngine() == QLatin1String("microsoft");
    m_contentEdit->clear();
    m_translateEdit->clear();
    m_summaryEdit->clear();
    m_translateStatus->hide();
    m_summaryStatus->hide();
    m_recordingData.clear();
    m_player.setData(m_recordingData);
    m_savedTranscript.clear();
    m_saveWarned = false;
    m_storeWarning.clear();
    m_captureWarning.clear();
    showSaveWarning();
    m_translationFor = 0;

    // The row exists from the first second, marked unfinished by its empty
    // duration, so a crash cannot lose the whole meeting.
    m_meetingId = 0;
    if (m_store) {
        m_meetingId = m_store->begin(startTimeText());
        if (m_meetingId > 0)
            emit meetingStarted(m_meetingId);
        else
            reportStoreFailure(tr("会议无法保存：%1").arg(m_store->lastError()));
    }
    m_checkpoint->start();
    updateActions();
    if (m_recorder)
        m_recorder->startMeeting();
}

void MeetingMinutes::stopRecording()
{
    m_isRecording = false;
    m_recordButton->setText(tr("开始记录"));
    m_checkpoint->stop();
    if (m_recorder)
        m_recorder->stopMeeting();
    const qint64 seconds = m_startTime.secsTo(QDateTime::currentDateTime());
    m_duration = QTime(0, 0).addSecs(int(seconds)).toString(QStringLiteral("hh:mm:ss"));
    qDebug() << "会议时长：" << m_duration;

    QString error;
    if (!meetingWavFromPcm(m_recordingPath, &m_recordingData, &error))
        qInfo() << "the meeting has no recording:" << error;
    m_player.setData(m_recordingData);

    // Stored at once, without waiting for the translation. A store that
    // refuses (a full disk) gets it again at every save interval.
    if (m_store) {
        m_unsaved.append({m_meetingId, startTimeText(), m_duration, transcript(), m_recordingData});
        retryUnsaved();
        if (!m_unsaved.isEmpty()) {
            m_checkpoint->start();
            reportStoreFailure(tr("会议保存失败：%1").arg(m_store->lastError()));
        }
    }
    updateActions();
    if (m_microsoftMode && !transcript().isEmpty())
        requestTranslation();
}

void MeetingMinutes::retryUnsaved()
{
    if (!m_store)
        return;
    for (int i = 0; i < m_unsaved.size();) {
        UnsavedMeeting &meeting = m_unsaved[i];
        const bool shown =
            !m_isRecording && meeting.id == m_meetingId && meeting.name == startTimeText();
        if (shown)
            meeting.content = transcript();  // a final result may have come since
        bool saved = false;
        bool inserted = false;
        if (meeting.id > 0) {
            saved = m_store->finish(meeting.id, meeting.time, meeting.content, meeting.wav);
        } else {
            MeetingRecord record;
            record.name = meeting.name;
            record.time = meeting.time;
            record.content = meeting.content;
            record.wav = meeting.wav;
            meeting.id = m_store->insert(record);
            saved = inserted = meeting.id > 0;
            if (shown && saved)
                m_meetingId = meeting.id;
        }
        if (!saved) {
            ++i;
            continue;
        }
        const int id = meeting.id;
        if (shown)
            m_savedTranscript = meeting.content;
        m_unsaved.remove(i);
        if (inserted)
            emit meetingStarted(id);
        emit meetingSaved(id);
    }
    if (m_unsaved.isEmpty() && !m_storeWarning.isEmpty() && m_saveWarned) {
        m_storeWarning.clear();
        showSaveWarning();
    }
}

void MeetingMinutes::saveCheckpoint()
{
    if (!m_unsaved.isEmpty()) {
        retryUnsaved();
        if (m_unsaved.isEmpty() && !m_isRecording)
            m_checkpoint->stop();
    }
    const QString text = transcript();
    if (!m_store || m_meetingId <= 0 || text == m_savedTranscript)
        return;
    if (m_store->saveTranscript(m_meetingId, text)) {
        m_savedTranscript = text;
        return;
    }
    // What was saved before stays; recording goes on and the next interval
    // tries again. Said once, not every interval.
    if (!m_saveWarned)
        reportStoreFailure(tr("会议内容暂时无法保存，录音继续：%1").arg(m_store->lastError()));
}

void MeetingMinutes::updateMeetingContent(bool success, QString message,
                                          PXASRResultType resultType)
{
    Q_UNUSED(success)
    if (!m_acceptResults) {
        qDebug() << "meeting result without a meeting:" << pxAsrResultTypeName(resultType);
        return;
    }
    if (!message.isEmpty() && resultType != PXASRResultType::Error) {
        if (!m_microsoftMode || !m_duration.isEmpty())
            m_contentEdit->setPlainText(message);
        else if (resultType == PXASRResultType::Finish)
            m_contentEdit->append(message);
        if (!m_isRecording)
            saveCheckpoint();  // a late final result after stop
    }
    qDebug() << "meeting result" << pxAsrResultTypeName(resultType);
    if (resultType == PXASRResultType::LongAudioEnd) {
        if (!m_isRecording) {
            saveCheckpoint();
            if (m_meetingId > 0)
                emit meetingSaved(m_meetingId);
        }
        if (!transcript().isEmpty())
            requestTranslation();
    }
}

void MeetingMinutes::requestTranslation()
{
    if (!m_recorder)
        return;
    m_translationFor = m_meetingId;
    m_translationSource = transcript();
    m_translateStatus->hide();
    updateActions();
    m_recorder->translateMeeting(m_translationSource);
}

void MeetingMinutes::translateAgain()
{
    if (!m_isRecording && !transcript().isEmpty())
        requestTranslation();
}

void MeetingMinutes::updateTranslation(QString message)
{
    int target = m_translationFor;
    QString source = m_translationSource;
    if (target == 0 && source.isEmpty()) {  // not asked for by this window: the meeting shown
        target = m_meetingId;
        source = transcript();
    }
    m_translationFor = 0;
    if (target == m_meetingId)
        m_translateEdit->setPlainText(message);
    // Restore the target for the store while the signal is delivered.
    m_translationFor = target;
    emit tranlateFinish(source, message);
    m_translationFor = 0;
    m_translationSource.clear();
    updateActions();
}

void MeetingMinutes::translationFailed(QString reason)
{
    qWarning() << "meeting translation failed:" << reason;
    m_translationFor = 0;
    m_translationSource.clear();
    m_translateStatus->setText(tr("翻译失败：%1").arg(reason));
    m_translateStatus->show();
    updateActions();
}

void MeetingMinutes::generateSummary()
{
    const QString source = transcript();
    const int meeting = m_meetingId;
    m_summaryStatus->setText(tr("正在生成AI总结…"));
    m_summaryStatus->show();
    m_summaryButton->setEnabled(false);
    QPointer<MeetingMinutes> self(this);
    // The request blocks for as long as the model writes; never on the GUI thread.
    (void)QtConcurrent::run([self, source, meeting] {
        const MeetingSummaryReply reply = fetchMeetingSummary(source);
        QMetaObject::invokeMethod(
            qApp,
            [self, source, meeting, reply] {
                if (self)
                    self->applySummary(meeting, source, reply.ok, reply.html, reply.error);
            },
            Qt::QueuedConnection);
    });
}

void MeetingMinutes::applySummary(int meetingId, const QString &source, bool ok,
                                  const QString &html, const QString &error)
{
    m_summaryButton->setEnabled(true);
    if (!ok) {
        qWarning() << "meeting summary failed:" << error;
        m_summaryStatus->setText(tr("AI总结失败：%1").arg(error));
        m_summaryStatus->show();
        return;
    }
    m_summaryStatus->hide();
    if (meetingId == m_meetingId)
        m_summaryEdit->setHtml(html);
    m_summaryFor = meetingId;
    m_summarySource = source;
    m_lastSummary = html;
    emit aiSummaryFinish();
}

void MeetingMinutes::copyMeetingContent()
{
    QApplication::clipboard()->setText(m_contentEdit->toPlainText());
}

void MeetingMinutes::copyMeetingTranslateContent()
{
    QApplication::clipboard()->setText(m_translateEdit->toPlainText());
}

void MeetingMinutes::copyMeetingAiSummaryContent()
{
    QApplication::clipboard()->setText(m_summaryEdit->toPlainText());
}

void MeetingMinutes::exportLeftContentToWord()
{
    exportDocument(tr("实时会议内容"), meetingPlainTextAsHtml(m_contentEdit->toPlainText()));
}

void MeetingMinutes::exportRightTopToWord()
{
    exportDocument(m_translateLabel->text(), m_translateEdit->toHtml());
}

void MeetingMinutes::exportRightBottomToWord()
{
    exportDocument(m_summaryLabel->text(), m_summaryEdit->toHtml());
}

QString MeetingMinutes::chooseExportPath()
{
    return QFileDialog::getSaveFileName(this, tr("导出Word文档"), QDir::homePath(),
                                        tr("Word 文档 (*.doc *.docx)"));
}

void MeetingMinutes::exportDocument(const QString &title, const QString &bodyHtml)
{
    const QString chosen = chooseExportPath();
    if (chosen.isEmpty())
        return;
    const QString path = meetingExportFileName(chosen);
    // Written beside and renamed into place: a failed export never leaves
    // half a document where the user's file was.
    QSaveFile file(path);
    bool done = file.open(QIODevice::WriteOnly | QIODevice::Text);
    if (done) {
        file.write(meetingExportDocument(title, bodyHtml).toUtf8());
        done = file.commit();
    }
    if (!done) {
        QMessageBox::warning(this, tr("错误"), tr("无法创建文件: ") + file.errorString());
        return;
    }
    QMessageBox::information(this, tr("成功"), tr("文档已成功导出到:\n") + path);
}
