#pragma once

#include "widget/dialogframe.h"

#include <QVector>

class MouseDevice;
class QAbstractButton;
class QButtonGroup;
class QLabel;
class QLineEdit;

// The custom key (the third button on models with an A key): one long-press
// action, one short-click action, and the web address the "web" action opens.
class AKeySetting : public DialogFrame
{
    Q_OBJECT
public:
    explicit AKeySetting(QWidget *parent = nullptr);

    QButtonGroup *longGroup() const { return m_longGroup; }
    QButtonGroup *shortGroup() const { return m_shortGroup; }
    QLineEdit *urlField() const { return m_url; }

public slots:
    void onButtonClicked(QAbstractButton *button);
    void onInputChange(QString text);
    void retranslateUi();

protected:
    void showEvent(QShowEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    struct Choice {
        const char *text;
        const char *key;     // "aal" or "aas"
        const char *action;
        QAbstractButton *button;
    };
    QButtonGroup *addGroup(QLabel *caption, int first, int last, int columns);
    void selectStored();

    MouseDevice *m_device = nullptr;
    QVector<Choice> m_choices;
    QButtonGroup *m_longGroup = nullptr;
    QButtonGroup *m_shortGroup = nullptr;
    QLabel *m_longCaption = nullptr;
    QLabel *m_shortCaption = nullptr;
    QLabel *m_urlCaption = nullptr;
    QLineEdit *m_url = nullptr;
};
