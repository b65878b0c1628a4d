#pragma once

#include <QVector>
#include <QWidget>

#include "core/commands/voice_command.h"

class QLabel;
class QPushButton;
class QTableWidget;

// The voice-command list: shown, added to, edited and deleted from; every
// change is written to the command store at once.
class InsSetting : public QWidget
{
    Q_OBJECT
public:
    explicit InsSetting(QWidget *parent = nullptr);

    const QVector<VoiceCommand> &commands() const { return m_commands; }
    // Adds (replacing a command with the same phrase) or, with a row, replaces that row.
    void putCommand(const VoiceCommand &command, int editedRow = -1);
    void removeCommand(int row);
    void editCommand(int row);
    void addCommand();

protected:
    void changeEvent(QEvent *event) override;

private:
    void retranslateUi();
    void rebuildTable();
    void save();
    QString typeName(const QString &type) const;

    QVector<VoiceCommand> m_commands;
    QTableWidget *m_table;
    QLabel *m_error;
    QPushButton *m_add;
};
