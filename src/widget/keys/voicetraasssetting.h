#pragma once

#include "widget/dialogframe.h"

class MouseDevice;
class QComboBox;
class QLabel;
class ShortcutLineEdit;

// The dialog of one mouse button (voice, translate or third button): a
// short-click action or a recorded key combination, and a long-press action.
// Every choice is stored at once and keeps the button's key mode in step.
class VoiceTraAssSetting : public DialogFrame
{
    Q_OBJECT
public:
    VoiceTraAssSetting(const QString &shortKey, const QString &longKey,
                       const QString &shortIndexKey, const QString &longIndexKey,
                       QWidget *parent = nullptr);

    // Shows the stored choices, then the dialog.
    void custShow();

    QComboBox *shortClickList() const { return m_shortList; }
    QComboBox *longPressList() const { return m_longList; }
    ShortcutLineEdit *shortcutField() const { return m_shortcut; }

public slots:
    void onClickChanged(int index);
    void onLongClickChanged(int index);
    void retranslateUi();

protected:
    void changeEvent(QEvent *event) override;

private:
    void onShortcutChanged(const QString &text);
    void fillShortList();
    void fillLongList();

    QString m_shortKey;
    QString m_longKey;
    QString m_shortIndexKey;
    QString m_longIndexKey;
    MouseDevice *m_device = nullptr;
    QLabel *m_shortCaption = nullptr;
    QLabel *m_shortcutCaption = nullptr;
    QLabel *m_longCaption = nullptr;
    QComboBox *m_shortList = nullptr;
    QComboBox *m_longList = nullptr;
    ShortcutLineEdit *m_shortcut = nullptr;
};
