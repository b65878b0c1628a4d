#include "textpaint.h"

#include <QFontMetrics>
#include <QKeyEvent>

TextPaint::TextPaint(const QColor &color, QWidget *parent) : QLineEdit(parent)
{
    setFont(noteFont());
    setFrame(false);
    // Through the style sheet the colour holds in the disabled state too.
    setStyleSheet(QStringLiteral("QLineEdit { background: transparent; border: none; color: %1; }")
                      .arg(color.name()));
    resize(kStartSize, kStartSize);
    connect(this, &QLineEdit::textChanged, this, &TextPaint::slt_autoResize);
    connect(this, &QLineEdit::editingFinished, this, &TextPaint::slt_editEnd);
}

QFont TextPaint::noteFont()
{
    QFont font(QStringLiteral("微软雅黑"));
    font.setPointSize(18);
    return font;
}

void TextPaint::slt_autoResize()
{
    const QFontMetrics metrics(font());
    resize(qMax(kStartSize, metrics.horizontalAdvance(text()) + 6), metrics.height() + 2);
    emit changed();
}

void TextPaint::slt_editEnd()
{
    setEnabled(false);
    emit changed();
}

void TextPaint::keyPressEvent(QKeyEvent *event)
{
    // Return ends the note; it must not also reach the overlay and copy.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        clearFocus();
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}
