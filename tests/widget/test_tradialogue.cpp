// The floating result card on a real X server: its states, the auto-hide,
// copying, and that it never takes the keyboard from the user's window.

#include "support/recording/recording_backends.h"
#include "widget/iconfont/iconfont.h"
#include "widget/tradialogue.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>

class TraDialogueTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void autoHideOnlyAfterPlainVoiceScenes();
    void copyTakesWhatIsShown();
    void neverTakesTheKeyboard();
};

void TraDialogueTest::initTestCase()
{
    platform::recording::install();
    QVERIFY(IconFont::instance().initFontAwesome());
}

void TraDialogueTest::autoHideOnlyAfterPlainVoiceScenes()
{
    auto card = TraDialogue::instance();
    card->showRecognizing(QStringLiteral("语音输入"));
    QVERIFY(card->isVisible());
    QCOMPARE(card->sourceText(), QStringLiteral("正在识别语音"));
    QVERIFY(!card->targetShown() && !card->languageSelectorShown());

    card->setShowText(QStringLiteral("你好"));
    card->setShowTargetText(QStringLiteral("hello"));
    QVERIFY(card->targetShown() && card->languageSelectorShown());
    card->finishTask(SENCE_VOICE_TRA);
    QVERIFY(!card->hideScheduled());

    card->finishTask(SENCE_VOICE);
    QVERIFY(card->hideScheduled());
    QTest::qWait(1000);
    card->setShowWordText(QStringLiteral("word"));  // reused before the timer fired
    QVERIFY(!card->hideScheduled());
    QTest::qWait(2500);
    QVERIFY(card->isVisible());

    card->finishTask(SENCE_VOICE_AI);
    QTRY_VERIFY_WITH_TIMEOUT(!card->isVisible(), TraDialogue::kHideAfterMs + 1000);
}

void TraDialogueTest::copyTakesWhatIsShown()
{
    auto card = TraDialogue::instance();
    auto *copy = card->findChildren<QPushButton *>().value(2);  // playback, close, copy
    QVERIFY(copy);
    card->setShowOcrText(QStringLiteral("源文本"), SENCE_OCR);
    copy->click();
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("源文本"));
    QCOMPARE(copy->text(), QStringLiteral("已复制"));
    card->setShowTargetOcrText(QStringLiteral("target text"));
    copy->click();
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("target text"));
    QTRY_COMPARE_WITH_TIMEOUT(copy->text(), QStringLiteral("复制"), 2000);
}

void TraDialogueTest::neverTakesTheKeyboard()
{
    QLineEdit field;
    field.setWindowTitle(QStringLiteral("user's window"));
    field.show();
    field.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&field));

    Display *display = XOpenDisplay(nullptr);
    QVERIFY(display);
    Window before = 0;
    int revert = 0;
    XGetInputFocus(display, &before, &revert);

    auto card = TraDialogue::instance();
    card->hide();
    card->showRecognizing(QStringLiteral("语音输入"));
    QVERIFY(QTest::qWaitForWindowExposed(card.get()));
    card->setShowText(QStringLiteral("识别结果"));
    QTest::qWait(200);

    Window after = 0;
    XGetInputFocus(display, &after, &revert);
    QCOMPARE(after, before);
    QVERIFY(field.hasFocus() && QApplication::activeWindow() == &field);

    // What the user (or the typing queue) types still lands in the field.
    const KeyCode a = XKeysymToKeycode(display, XStringToKeysym("a"));
    XTestFakeKeyEvent(display, a, True, CurrentTime);
    XTestFakeKeyEvent(display, a, False, CurrentTime);
    XFlush(display);
    QTRY_COMPARE(field.text(), QStringLiteral("a"));
    XCloseDisplay(display);
    card->hide();
}

QTEST_MAIN(TraDialogueTest)
#include "test_tradialogue.moc"
