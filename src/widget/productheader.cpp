#include "widget/productheader.h"

#include "core/device/product_data.h"
#include "widget/iconfont/iconfont.h"

#include <QDebug>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QVBoxLayout>

ProductHeader::ProductHeader(QWidget *parent) : QWidget(parent)
{
    auto *line = new QHBoxLayout(this);
    line->setContentsMargins(24, 16, 24, 0);
    line->setSpacing(20);
    m_picture = new QLabel;
    m_picture->setObjectName(QStringLiteral("labelPicture"));
    m_picture->setFixedSize(160, 160);
    m_picture->setAlignment(Qt::AlignCenter);
    auto *names = new QVBoxLayout;
    m_name = new QLabel;
    m_name->setStyleSheet(QStringLiteral("font-size: 20px; font-weight: 600; color: #303133;"));
    m_detail = new QLabel;
    m_detail->setStyleSheet(QStringLiteral("font-size: 13px; color: #909399;"));
    names->addStretch(1);
    names->addWidget(m_name);
    names->addWidget(m_detail);
    names->addStretch(1);
    line->addWidget(m_picture);
    line->addLayout(names, 1);
    showPicture(QString());
}

void ProductHeader::showPicture(const QString &productId)
{
    const QPixmap picture(productId.isEmpty() ? QString() : productPicturePath(productId));
    m_hasPicture = !picture.isNull();
    if (!m_hasPicture) {
        if (!productId.isEmpty())
            qDebug() << "no product picture:" << productPicturePath(productId);
        m_picture->setPixmap(IconFont::instance()
                                 .icon(QStringLiteral("fa-solid fa-computer-mouse"),
                                       QColor(0xc0, 0xc4, 0xcc))
                                 .pixmap(72, 72));
        return;
    }
    QPixmap scaled = picture.scaled(m_picture->size() * devicePixelRatioF(), Qt::KeepAspectRatio,
                                    Qt::SmoothTransformation);
    scaled.setDevicePixelRatio(devicePixelRatioF());
    m_picture->setPixmap(scaled);
}

void ProductHeader::setNames(const QString &name, const QString &detail)
{
    m_name->setText(name);
    m_detail->setText(detail);
}
