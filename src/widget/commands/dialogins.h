#pragma once

#include <QDialog>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

// Adds or edits one voice command: its kind, the phrase and the target.
class DialogIns : public QDialog
{
    Q_OBJECT
public:
    explicit DialogIns(QWidget *parent = nullptr);

    // Empty values open it for a new command.
    void setCommand(const QString &type, const QString &command, const QString &target);
    bool editing() const { return m_editing; }

    QString type() const;
    QString command() const;
    QString target() const;

private:
    void updateHint();
    void pickTarget();

    QComboBox *m_type;
    QLineEdit *m_command;
    QLineEdit *m_target;
    QPushButton *m_pick;
    QLabel *m_hint;
    QPushButton *m_accept;
    bool m_editing = false;
};
