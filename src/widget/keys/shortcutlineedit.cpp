#include "widget/keys/shortcutlineedit.h"

#include <QKeyEvent>
#include <QKeySequence>

ShortcutLineEdit::ShortcutLineEdit(QWidget *parent) : QLineEdit(parent)
{
    setContextMenuPolicy(Qt::NoContextMenu);
    setAcceptDrops(false);
    setAttribute(Qt::WA_InputMethodEnabled, false);
    retranslateUi();
}

void ShortcutLineEdit::retranslateUi()
{
    setPlaceholderText(tr("按下快捷键"));
}

QString ShortcutLineEdit::spell(int key, Qt::KeyboardModifiers modifiers)
{
    switch (key) {
    case Qt::Key_Control:
    case Qt::Key_Shift:
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
    case Qt::Key_Meta:
    case Qt::Key_Super_L:
    case Qt::Key_Super_R:
    case Qt::Key_Hyper_L:
    case Qt::Key_Hyper_R:
    case Qt::Key_CapsLock:
    case Qt::Key_NumLock:
    case Qt::Key_unknown:
    case 0:
        return QString();
    case Qt::Key_Backtab:  // what Shift+Tab arrives as
        key = Qt::Key_Tab;
        modifiers |= Qt::ShiftModifier;
        break;
    default:
        break;
    }
    // The key pad is the same key to whoever replays the combination.
    modifiers &= Qt::ControlModifier | Qt::ShiftModifier | Qt::AltModifier | Qt::MetaModifier;
    return QKeySequence(int(modifiers) | key).toString(QKeySequence::PortableText);
}

bool ShortcutLineEdit::event(QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Tab || key == Qt::Key_Backtab) {
            keyPressEvent(static_cast<QKeyEvent *>(event));
            return true;
        }
    }
    if (event->type() == QEvent::ShortcutOverride) {
        event->accept();  // the window's own shortcuts must not steal the keys
        return true;
    }
    return QLineEdit::event(event);
}

void ShortcutLineEdit::keyPressEvent(QKeyEvent *event)
{
    const int key = event->key();
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    if (key == Qt::Key_Escape && modifiers == Qt::NoModifier) {
        event->ignore();  // closes the dialog, as everywhere else
        return;
    }
    event->accept();
    if ((key == Qt::Key_Backspace || key == Qt::Key_Delete) && modifiers == Qt::NoModifier) {
        if (!text().isEmpty()) {
            clear();
            emit shortcutChanged(QString());
        }
        return;
    }
    const QString spelled = spell(key, modifiers);
    if (spelled.isEmpty() || spelled == text())
        return;
    setText(spelled);
    emit shortcutChanged(spelled);
}

void ShortcutLineEdit::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslateUi();
    QLineEdit::changeEvent(event);
}
