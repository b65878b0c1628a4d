#pragma once

#include <QLineEdit>

// Records a key combination while focused and shows it in its portable
// spelling ("Ctrl+Shift+A"), the form stored as a button's short-click
// action. Backspace or Delete alone clears it; Escape alone is left to the
// dialog; a modifier alone is not a combination. Typed text, paste and drops
// never reach it.
class ShortcutLineEdit : public QLineEdit
{
    Q_OBJECT
public:
    explicit ShortcutLineEdit(QWidget *parent = nullptr);

    // The spelling of one key press, or "" when it is not a combination.
    static QString spell(int key, Qt::KeyboardModifiers modifiers);

    void retranslateUi();

signals:
    // Only for the user's own recording or clearing, never for setText().
    void shortcutChanged(const QString &text);

protected:
    bool event(QEvent *event) override;  // Tab belongs to the recording too
    void keyPressEvent(QKeyEvent *event) override;
    void changeEvent(QEvent *event) override;
};
