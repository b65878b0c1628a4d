#pragma once

#include "widget/language/languagelistwidget.h"

#include <QPointer>
#include <QPushButton>

class QListWidgetItem;

// The language button of the settings pages, bound to one list type and one
// settings key. It shows the name of the stored language; a click opens the
// pop-up list, and a pick is stored at once (with the keys that follow it:
// the dialect's name, the Microsoft recogniser's language, the source copy).
class SearchButton : public QPushButton
{
    Q_OBJECT
public:
    SearchButton(LanguageListWidget::LanguageListWidgetType type, const QString &key,
                 QWidget *parent = nullptr);

    QString key() const { return m_key; }
    QString title() const;
    LanguageListWidget *popup() const { return m_popup; }

public slots:
    void openPopup();
    void onItemClicked(QListWidgetItem *item);
    // Shows the stored language's name in the interface language.
    void refresh();

protected:
    void changeEvent(QEvent *event) override;

private:
    LanguageListWidget::LanguageListWidgetType m_type;
    QString m_key;
    QPointer<LanguageListWidget> m_popup;
};
