#include "widget/meeting/meeting_list.h"

#include "core/meeting/meeting_recording.h"
#include "utils/app_paths.h"
#include "widget/iconfont/iconfont.h"
#include "widget/meeting/meeting_minutes.h"

#include <QDebug>
#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>
#include <QStackedWidget>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

enum Column { NameColumn = 0, TimeColumn, ContentColumn, ActionColumn, ColumnCount };

const char kIdProperty[] = "id";
// Rows above and below the visible ones that get their buttons ahead of time.
constexpr int kSpareRows = 10;

}  // namespace

MeetingList::Files MeetingList::defaultFiles()
{
    Files files;
    // Beside the executable, not the working directory: started from a menu
    // or at log-in the working directory differs, and the meetings seemed gone.
    files.database = AppPaths::inDataDir(QStringLiteral("test.db"));
    files.recording = AppPaths::inDataDir(QStringLiteral("sound.pcm"));
    return files;
}

MeetingList::MeetingList(QWidget *parent) : MeetingList(defaultFiles(), parent) {}

MeetingList::MeetingList(const Files &files, QWidget *parent)
    : QWidget(parent), m_files(files)
{
    m_table = new QTableWidget(0, ColumnCount);
    m_table->setObjectName(QStringLiteral("meetingTable"));
    m_table->verticalHeader()->hide();
    m_table->verticalHeader()->setDefaultSectionSize(40);
    m_table->setAlternatingRowColors(true);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->horizontalHeader()->setSectionResizeMode(ContentColumn, QHeaderView::Stretch);
    m_table->horizontalHeader()->setSectionResizeMode(NameColumn, QHeaderView::Fixed);
    m_table->horizontalHeader()->setSectionResizeMode(TimeColumn, QHeaderView::Fixed);
    m_table->horizontalHeader()->setSectionResizeMode(ActionColumn, QHeaderView::Fixed);
    m_table->setColumnWidth(NameColumn, 170);
    m_table->setColumnWidth(TimeColumn, 90);
    m_table->setColumnWidth(ActionColumn, 90);
    m_table->setStyleSheet(QStringLiteral(
        "QTableWidget { alternate-background-color: #f6f8fb; }"
        "QScrollBar:vertical { width: 12px; }"
        "QPushButton#editMeetingButton, QPushButton#deleteMeetingButton { border: none; }"));
    m_table->viewport()->installEventFilter(this);
    connect(m_table->verticalScrollBar(), &QScrollBar::valueChanged, this,
            &MeetingList::ensureActionWidgets);

    m_create = new QPushButton;
    m_create->setObjectName(QStringLiteral("createMeetingButton"));
    m_status = new QLabel;
    m_status->setObjectName(QStringLiteral("meetingStoreStatus"));
    m_status->setStyleSheet(QStringLiteral("color: #c0392b;"));
    m_status->setWordWrap(true);
    m_status->hide();

    auto *listPage = new QWidget;
    auto *listLayout = new QVBoxLayout(listPage);
    auto *top = new QHBoxLayout;
    top->addStretch(1);
    top->addWidget(m_create);
    listLayout->addLayout(top);
    listLayout->addWidget(m_status);
    listLayout->addWidget(m_table, 1);

    m_minutes = new MeetingMinutes(nullptr, files.checkpointMs);
    m_minutes->setStore(&m_store);
    m_minutes->setRecordingPath(files.recording);
    m_stack = new QStackedWidget;
    m_stack->addWidget(listPage);
    m_stack->addWidget(m_minutes);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_stack);

    connect(m_create, &QPushButton::clicked, this, &MeetingList::createMeeting);
    connect(m_minutes, &MeetingMinutes::historyRequested, this, &MeetingList::showList);
    connect(m_minutes, &MeetingMinutes::tranlateFinish, this,
            &MeetingList::updateDatabaseContentTranslate);
    connect(m_minutes, &MeetingMinutes::aiSummaryFinish, this,
            &MeetingList::updateDatabaseAiSummary);
    connect(m_minutes, &MeetingMinutes::meetingStarted, this, [this](int id) {
        m_currentId = id;
        refreshRow(id);
    });
    connect(m_minutes, &MeetingMinutes::meetingSaved, this, &MeetingList::refreshRow);

    retranslateUi();
    loadMeetingData();
}

void MeetingList::retranslateUi()
{
    m_table->setHorizontalHeaderLabels({tr("会议名称"), tr("会议时间"), tr("会议内容"), tr("操作")});
    m_create->setText(tr("创建会议记录"));
    for (int row = 0; row < m_table->rowCount(); ++row) {
        if (m_table->item(row, TimeColumn)
            && m_table->item(row, TimeColumn)->data(Qt::UserRole).toBool())
            m_table->item(row, TimeColumn)->setText(tr("未完成"));
    }
}

void MeetingList::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslateUi();
    QWidget::changeEvent(event);
}

void MeetingList::showStatus(const QString &text)
{
    m_status->setText(text);
    m_status->setVisible(!text.isEmpty());
}

void MeetingList::loadMeetingData()
{
    m_table->setRowCount(0);
    showStatus(QString());
    const MeetingStore::OpenResult opened =
        m_store.open(m_files.database, m_files.access, m_files.busyTimeoutMs);
    switch (opened) {
    case MeetingStore::OpenResult::Ok:
        break;
    case MeetingStore::OpenResult::ReadOnly:
        showStatus(tr("会议数据库只能读取，新的会议和修改无法保存。"));
        break;
    case MeetingStore::OpenResult::OpenFailed:
        qWarning() << "Failed to open database";
        QMessageBox::critical(this, tr("数据库错误"), tr("无法打开数据库文件"));
        showStatus(tr("无法打开数据库文件"));
        return;
    case MeetingStore::OpenResult::NotDatabase:
        // The file is kept as it is: it may still be rescued by hand.
        qWarning() << "the meeting database is damaged:" << m_store.lastError();
        QMessageBox::critical(this, tr("数据库错误"),
                              tr("会议数据库文件已损坏，无法读取。文件保持原样：%1")
                                  .arg(m_files.database));
        showStatus(tr("会议数据库文件已损坏，无法读取。文件保持原样：%1").arg(m_files.database));
        return;
    case MeetingStore::OpenResult::TableFailed:
        QMessageBox::critical(this, tr("数据库错误"), tr("初始化数据表失败"));
        showStatus(tr("初始化数据表失败"));
        return;
    }

    // A meeting cut short by a crash gets what was recorded of it.
    recoverUnfinishedMeeting(m_store, m_files.recording,
                             m_minutes->isRecording() ? m_minutes->meetingId() : 0);

    bool ok = false;
    const QVector<MeetingListEntry> entries = m_store.list(&ok);
    if (!ok)
        showStatus(tr("会议列表读取失败：%1").arg(m_store.lastError()));
    m_table->setUpdatesEnabled(false);
    m_table->setRowCount(entries.size());
    for (int row = 0; row < entries.size(); ++row)
        setRow(row, entries.at(row));
    ensureActionWidgets();
    m_table->setUpdatesEnabled(true);
}

void MeetingList::setRow(int row, const MeetingListEntry &entry)
{
    auto *name = new QTableWidgetItem(entry.name);
    name->setData(Qt::UserRole, entry.id);
    m_table->setItem(row, NameColumn, name);
    auto *time = new QTableWidgetItem(entry.unfinished() ? tr("未完成") : entry.time);
    time->setData(Qt::UserRole, entry.unfinished());
    m_table->setItem(row, TimeColumn, time);
    QString preview = entry.preview;
    preview.replace(QLatin1Char('\n'), QLatin1Char(' '));
    m_table->setItem(row, ContentColumn, new QTableWidgetItem(preview));
}

// The edit and delete buttons exist only for the rows on screen (and a few
// around): ten thousand rows of widgets would take seconds to build.
void MeetingList::ensureActionWidgets()
{
    const int rows = m_table->rowCount();
    if (rows == 0)
        return;
    int first = m_table->rowAt(0);
    if (first < 0)
        first = 0;
    int last = m_table->rowAt(m_table->viewport()->height() - 1);
    if (last < 0)
        last = first + m_table->viewport()->height() / qMax(1, m_table->verticalHeader()->defaultSectionSize());
    first = qMax(0, first - kSpareRows);
    last = qMin(rows - 1, last + kSpareRows);
    for (int row = first; row <= last; ++row) {
        if (!m_table->cellWidget(row, ActionColumn))
            addActionWidget(row);
    }
}

void MeetingList::addActionWidget(int row)
{
    const QTableWidgetItem *name = m_table->item(row, NameColumn);
    if (!name)
        return;
    const int id = name->data(Qt::UserRole).toInt();
    if (m_editIcon.isNull()) {
        m_editIcon = IconFont::instance().icon(QStringLiteral("fa-regular fa-pen-to-square"));
        m_deleteIcon = IconFont::instance().icon(QStringLiteral("fa-regular fa-trash-can"));
    }
    auto *actions = new QWidget;
    auto *box = new QHBoxLayout(actions);
    box->setContentsMargins(4, 0, 4, 0);
    const auto button = [&](const QIcon &icon, const char *objectName) {
        auto *b = new QPushButton(actions);
        b->setObjectName(QLatin1String(objectName));
        b->setIcon(icon);
        b->setFlat(true);  // "border: none;" comes from the table's style sheet
        b->setProperty(kIdProperty, id);
        box->addWidget(b);
        return b;
    };
    QPushButton *edit = button(m_editIcon, "editMeetingButton");
    QPushButton *del = button(m_deleteIcon, "deleteMeetingButton");
    connect(edit, &QPushButton::clicked, this, [this, edit] {
        openMeeting(edit->property(kIdProperty).toInt());
    });
    connect(del, &QPushButton::clicked, this, &MeetingList::onDeleteClicked);
    m_table->setCellWidget(row, ActionColumn, actions);
}

bool MeetingList::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_table->viewport() && event->type() == QEvent::Resize)
        ensureActionWidgets();
    return QWidget::eventFilter(watched, event);
}

int MeetingList::rowOf(int id) const
{
    for (int row = m_table->rowCount() - 1; row >= 0; --row) {
        if (m_table->item(row, NameColumn)
            && m_table->item(row, NameColumn)->data(Qt::UserRole).toInt() == id)
            return row;
    }
    return -1;
}

void MeetingList::refreshRow(int id)
{
    if (id <= 0)
        return;
    const auto meeting = m_store.load(id);
    if (!meeting)
        return;
    MeetingListEntry entry{id, meeting->name, meeting->time,
                           meeting->content.left(MeetingStore::kPreviewLength)};
    int row = rowOf(id);
    if (row < 0) {
        row = m_table->rowCount();
        m_table->insertRow(row);
    }
    setRow(row, entry);
    ensureActionWidgets();
}

bool MeetingList::openMeeting(int id)
{
    if (m_minutes->isRecording()) {
        // The meeting being recorded stays in the window.
        m_stack->setCurrentWidget(m_minutes);
        return false;
    }
    const auto meeting = m_store.load(id);
    if (!meeting) {
        showStatus(tr("会议读取失败：%1").arg(m_store.lastError()));
        return false;
    }
    m_minutes->showMeeting(*meeting);
    m_currentId = id;
    m_stack->setCurrentWidget(m_minutes);
    m_minutes->raise();
    return true;
}

void MeetingList::createMeeting()
{
    if (!m_minutes->isRecording()) {
        m_minutes->newMeeting();
        m_currentId = 0;
    }
    m_stack->setCurrentWidget(m_minutes);
}

void MeetingList::showList()
{
    m_stack->setCurrentIndex(0);
}

void MeetingList::onDeleteClicked()
{
    auto *button = qobject_cast<QPushButton *>(sender());
    if (!button)
        return;
    deleteMeeting(button->property(kIdProperty).toInt());
}

bool MeetingList::deleteMeeting(int id)
{
    if (m_minutes->isRecording() && m_minutes->meetingId() == id) {
        showStatus(tr("正在记录的会议不能删除。"));
        return false;
    }
    if (!m_store.remove(id)) {
        showStatus(tr("会议删除失败：%1").arg(m_store.lastError()));
        return false;
    }
    const int row = rowOf(id);
    if (row >= 0) {
        m_table->removeRow(row);
        ensureActionWidgets();
    }
    if (m_currentId == id)
        m_currentId = 0;
    if (m_minutes->meetingId() == id)
        m_minutes->setMeetingId(0);
    return true;
}

void MeetingList::updateDatabaseContentTranslate(QString content, QString translate)
{
    int id = m_minutes->translationTargetId();
    if (id > 0) {
        if (!m_store.saveTranslation(id, content, translate))
            m_minutes->reportStoreFailure(tr("翻译保存失败：%1").arg(m_store.lastError()));
        refreshRow(id);
        return;
    }
    // A meeting that has no row yet (its start could not be stored).
    MeetingRecord record;
    record.name = m_minutes->startTimeText();
    record.time = m_minutes->duration();
    record.content = content;
    record.translate = translate;
    QString error;
    if (!meetingWavFromPcm(m_files.recording, &record.wav, &error))
        qInfo() << "the meeting has no recording:" << error;
    id = m_store.insert(record);
    if (id <= 0) {
        m_minutes->reportStoreFailure(tr("会议保存失败：%1").arg(m_store.lastError()));
        return;
    }
    m_currentId = id;
    m_minutes->setMeetingId(id);
    refreshRow(id);
}

void MeetingList::updateDatabaseAiSummary()
{
    const int id = m_minutes->summaryTargetId();
    if (id <= 0 || m_minutes->summarySource().isEmpty()) {
        qDebug() << "a summary for no stored meeting is not kept";
        return;
    }
    if (!m_store.saveSummary(id, m_minutes->lastSummaryHtml()))
        m_minutes->reportStoreFailure(tr("AI总结保存失败：%1").arg(m_store.lastError()));
}
