#pragma once

#include <QWidget>

class QAbstractButton;
class QButtonGroup;
class QLabel;
class QPushButton;

// The main window's navigation: one exclusive group of page buttons whose
// ids are the pages' positions in the stacked area, plus the buttons that
// act instead of showing a page (the connected mouse, the AI window, the
// external AI client).
class NavigationBar : public QWidget
{
    Q_OBJECT
public:
    // Page positions, in the order the pages are stacked.
    enum Page {
        AiSettingPage = 0,
        MouseSettingPage,
        TranslationSettingPage,
        CommandSettingPage,
        SoftwareSettingPage,
        HelpPage,
        AiNavigationPage,
        DebugPage,
        MeetingListPage,
        MeetingWebPage,
        PageCount
    };

    explicit NavigationBar(QWidget *parent = nullptr);

    QButtonGroup *group() const { return m_group; }
    void select(int page);
    void setProductText(const QString &text);
    void setExternalClientText(const QString &text);
    void retranslateUi();

    QPushButton *productButton() const { return m_product; }
    QPushButton *aiButton() const { return m_ai; }
    QPushButton *externalClientButton() const { return m_external; }

signals:
    void pageRequested(int page);

private:
    QPushButton *addPageButton(Page page, const QString &icon);
    QPushButton *addActionButton(const QString &icon, const QString &objectName);

    QButtonGroup *m_group = nullptr;
    QPushButton *m_product = nullptr;
    QPushButton *m_ai = nullptr;
    QPushButton *m_external = nullptr;
    QLabel *m_clientCaption = nullptr;
    QString m_productText;
};
