#pragma once

#include <QWidget>

class QLabel;
class QPushButton;

// The control of one button row on the mouse settings page: the current
// actions in words on a button that opens the button's dialog, or, for a
// button the model fixes, a label naming what it does.
class KeyRow : public QWidget
{
    Q_OBJECT
public:
    explicit KeyRow(QWidget *parent = nullptr);

    void setActionText(const QString &text);
    QString actionText() const;
    void setLocked(bool locked, const QString &label);
    bool isLocked() const;
    QString lockText() const;
    QPushButton *selector() const { return m_selector; }

signals:
    void clicked();

private:
    QPushButton *m_selector = nullptr;
    QLabel *m_lock = nullptr;
};
