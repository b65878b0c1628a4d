#pragma once

#include "business/sence_type.h"

#include <QStringList>
#include <QWidget>

#include <memory>

class QComboBox;
class QFrame;
class QLabel;
class QPushButton;
class QTextEdit;
class QTimer;

// The floating result card shared by every feature: a listening notice, the
// recognised or captured source text and, when translating, the translation
// with its target language. It never takes the keyboard focus, so typing
// keeps going to the user's window while it is up.
class TraDialogue : public QWidget
{
    Q_OBJECT
public:
    static std::shared_ptr<TraDialogue> instance(QWidget *parent = nullptr);

    void showRecognizing(const QString &title);
    void setShowText(const QString &text);
    void setShowTargetText(const QString &text);
    void setShowOcrText(const QString &text, SENCE_TYPE scene);
    void setShowTargetOcrText(const QString &text);
    void setShowWordText(const QString &text);
    void setShowTargetWordText(const QString &text);
    void setShowTargetSearchResult(const QString &text);
    void showTraWidget();
    void finishTask(SENCE_TYPE scene);
    void startAnimation();
    void stopAnimation();

    // Read access for the window's users and tests.
    QString titleText() const;
    QString sourceText() const;
    QString targetText() const;
    bool targetShown() const;
    bool languageSelectorShown() const;
    SENCE_TYPE currentScene() const { return m_scene; }
    bool hideScheduled() const;

    static constexpr int kHideAfterMs = 3000;

signals:
    void onComboBoxLangChanged(QString sourceText, QString targetLang);

public slots:
    void onComboBoxIndexChanged(int index);
    void retranslateUi();

protected:
    void changeEvent(QEvent *event) override;

private:
    explicit TraDialogue(QWidget *parent);
    void showWithoutFocus();
    void loadTargetLanguages(SENCE_TYPE scene);
    void setTitleIcon(const QString &icon);
    void copyText();

    QLabel *m_titleIcon = nullptr;
    QLabel *m_mic = nullptr;
    QTimer *m_micTimer = nullptr;
    int m_micFrame = 0;
    QLabel *m_title = nullptr;
    QPushButton *m_playback = nullptr;
    QPushButton *m_close = nullptr;
    QTextEdit *m_source = nullptr;
    QFrame *mTargetWidget = nullptr;
    QTextEdit *m_target = nullptr;
    QPushButton *m_copy = nullptr;
    QComboBox *mTargetLangSelect = nullptr;
    QStringList m_languageCodes;
    SENCE_TYPE m_scene = SENCE_VOICE;
    QTimer *m_hideTimer = nullptr;
};
