#pragma once

#include <QLineEdit>

// A text note typed onto the capture overlay: transparent, borderless, in
// the pen colour; it grows with its text and is fixed once editing ends.
class TextPaint : public QLineEdit
{
    Q_OBJECT
public:
    static constexpr int kStartSize = 30;

    TextPaint(const QColor &color, QWidget *parent = nullptr);

    static QFont noteFont();

public slots:
    void slt_autoResize();
    void slt_editEnd();

signals:
    // Text or size changed; geometry() and text() tell the rest.
    void changed();

protected:
    void keyPressEvent(QKeyEvent *event) override;
};
