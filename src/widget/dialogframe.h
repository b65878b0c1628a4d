#pragma once

#include <QDialog>

class QLabel;
class QPushButton;
class QVBoxLayout;

// The frame Talkvane's small settings dialogs share: a frameless modal card
// with a title bar (icon, title, close) that drags the dialog, and a body
// the dialog fills.
class DialogFrame : public QDialog
{
    Q_OBJECT
public:
    explicit DialogFrame(QWidget *parent = nullptr);

    void setTitle(const QString &title);
    QString title() const;
    void setTitleIcon(const QString &path);
    QVBoxLayout *body() const { return m_body; }
    QPushButton *closeButton() const { return m_close; }

    // The look of the lists and fields in the dialogs, shared with the pages
    // that open them.
    static QString inputStyle();

private:
    QLabel *m_icon = nullptr;
    QLabel *m_title = nullptr;
    QPushButton *m_close = nullptr;
    QVBoxLayout *m_body = nullptr;
};
