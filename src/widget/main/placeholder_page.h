#pragma once

#include <QWidget>

class QLabel;

// Stands in the page stack for a page this version does not have yet, and
// says what will be there, so that nothing looks broken or pretends to work.
class PlaceholderPage : public QWidget
{
    Q_OBJECT
public:
    // Both texts are untranslated sources (marked with QT_TRANSLATE_NOOP in
    // the "PlaceholderPage" context); they are translated on every change.
    PlaceholderPage(const char *title, const char *text, const QString &icon,
                    QWidget *parent = nullptr);

    QString titleText() const;

protected:
    void changeEvent(QEvent *event) override;

private:
    void retranslateUi();

    const char *m_titleSource;
    const char *m_textSource;
    QLabel *m_title = nullptr;
    QLabel *m_text = nullptr;
};
