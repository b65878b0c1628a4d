#include "support/message_boxes.h"

#include <QAbstractButton>
#include <QPushButton>
#include <QApplication>
#include <QTimer>

namespace MessageBoxes {

void answerNext(QObject *context, QMessageBox::StandardButton button, QString *seenText)
{
    auto *poll = new QTimer(context);
    QObject::connect(poll, &QTimer::timeout, context, [=] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box)
            return;
        poll->stop();
        poll->deleteLater();
        *seenText = box->text();
        box->button(button)->click();
    });
    poll->start(20);
}

Answerer::Answerer(QObject *parent) : QObject(parent)
{
    auto *poll = new QTimer(this);
    connect(poll, &QTimer::timeout, this, [this] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box || !box->isVisible())
            return;
        m_seen << box->windowTitle() + QStringLiteral(": ") + box->text();
        QAbstractButton *answer = box->defaultButton();
        if (!answer && !box->buttons().isEmpty())
            answer = box->buttons().first();
        if (answer)
            answer->click();
        else
            box->close();
    });
    poll->start(20);
}

}  // namespace MessageBoxes
