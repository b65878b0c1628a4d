#pragma once

#include <QIcon>
#include <QString>
#include <QWidget>

#include "core/meeting/meeting_store.h"

class MeetingMinutes;
class QLabel;
class QPushButton;
class QStackedWidget;
class QTableWidget;
struct MeetingListEntry;

// The main window's page of stored meetings: the list, the minutes window
// embedded beside it, opening, deleting, and writing what the minutes window
// reports into the store. GUI thread.
class MeetingList : public QWidget
{
    Q_OBJECT
public:
    struct Files {
        QString database;   // "test.db" in the data folder by default
        QString recording;  // the raw recording, "sound.pcm" in the data folder
        int checkpointMs = 30000;
        int busyTimeoutMs = 5000;
        SQLiteDB::Access access = SQLiteDB::Access::ReadWrite;
    };
    static Files defaultFiles();

    explicit MeetingList(QWidget *parent = nullptr);
    explicit MeetingList(const Files &files, QWidget *parent = nullptr);

    MeetingMinutes *minutes() const { return m_minutes; }
    MeetingStore *store() { return &m_store; }
    QTableWidget *table() const { return m_table; }
    int currentId() const { return m_currentId; }

    void loadMeetingData();
    // Opens a stored meeting in the minutes window.
    bool openMeeting(int id);
    bool deleteMeeting(int id);

public slots:
    void onDeleteClicked();
    void updateDatabaseContentTranslate(QString content, QString translate);
    void updateDatabaseAiSummary();
    void showList();
    void createMeeting();

protected:
    void changeEvent(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void retranslateUi();
    void setRow(int row, const MeetingListEntry &entry);
    void ensureActionWidgets();
    void addActionWidget(int row);
    void refreshRow(int id);
    int rowOf(int id) const;
    void showStatus(const QString &text);

    Files m_files;
    MeetingStore m_store;
    QStackedWidget *m_stack = nullptr;
    QTableWidget *m_table = nullptr;
    QPushButton *m_create = nullptr;
    QLabel *m_status = nullptr;
    MeetingMinutes *m_minutes = nullptr;
    int m_currentId = 0;
    QIcon m_editIcon;
    QIcon m_deleteIcon;
};
