#pragma once

#include <QWidget>

class QLabel;
class QVBoxLayout;

// The common shape of the settings pages: titled sections, each a white card
// of rows with a caption on the left and a control on the right. Captions are
// returned so that a page can set their texts again when the language changes.
class SettingsForm : public QWidget
{
    Q_OBJECT
public:
    explicit SettingsForm(QWidget *parent = nullptr);

    // Starts a new section; later rows go into it.
    QLabel *addSection(const QString &title);
    QLabel *addRow(const QString &caption, QWidget *control);
    // A row whose caption carries a second, quieter line (a hint).
    QLabel *addRow(const QString &caption, QWidget *control, QLabel *hint);
    void finish();  // pushes the sections to the top

private:
    QVBoxLayout *m_layout = nullptr;
    QVBoxLayout *m_card = nullptr;
};
