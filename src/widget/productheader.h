#pragma once

#include <QWidget>

class QLabel;

// The top of the mouse settings page: the model's picture beside its name
// and device name. A model without a picture shows a plain mouse glyph.
class ProductHeader : public QWidget
{
    Q_OBJECT
public:
    explicit ProductHeader(QWidget *parent = nullptr);

    // "" shows the glyph.
    void showPicture(const QString &productId);
    bool hasPicture() const { return m_hasPicture; }
    void setNames(const QString &name, const QString &detail);

private:
    QLabel *m_picture = nullptr;
    QLabel *m_name = nullptr;
    QLabel *m_detail = nullptr;
    bool m_hasPicture = false;
};
