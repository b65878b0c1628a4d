// The mouse half of the global hook against the recording backends: which
// button sequences count as a drag, the hook following install and removal,
// retries of the published selection, the floating button's placement and
// fade, and the copy fallback's keys. On an X server of its own: only a real
// clipboard tells who owns it.

#include "global_listen/globalmouse.h"
#include "support/recording/recording_backends.h"
#include "widget/floating_translate_button.h"
#include "widget/iconfont/iconfont.h"

#include <QApplication>
#include <QClipboard>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

using platform::SelectedText;

Q_DECLARE_METATYPE(QList<QPoint>)
Q_DECLARE_METATYPE(platform::SelectedText::Outcome)

class GlobalMouseTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void dragsAreReportedOnRelease_data();
    void dragsAreReportedOnRelease();
    void removedHookReportsNothingAndInstallCanFail();
    void publishedSelectionIsRetriedOnlyWhenUnanswered_data();
    void publishedSelectionIsRetriedOnlyWhenUnanswered();
    void buttonStaysOnTheScreen_data();
    void buttonStaysOnTheScreen();
    void buttonFadesOutAndHides();
    void copyWaitsForModifiersAndNeverReturnsTheOldClipboard();
    void noCopyAfterADragThatSelectedNothing();
};

void GlobalMouseTest::init()
{
    platform::recording::install();
    QVERIFY(GlobalMouse::instance()->installMouseEvent());
}

void GlobalMouseTest::cleanup()
{
    GlobalMouse::instance()->uninstallMouseEvent();
    platform::recording::uninstall();
}

void GlobalMouseTest::dragsAreReportedOnRelease_data()
{
    // Steps: 'p' press, 'm' move, 'r' release, each at a point.
    QTest::addColumn<QString>("steps");
    QTest::addColumn<QList<QPoint>>("points");
    QTest::addColumn<QList<QPoint>>("reported");

    QTest::newRow("plain click") << "pr" << QList<QPoint>{{10, 10}, {10, 10}} << QList<QPoint>{};
    QTest::newRow("jitter within the threshold")
        << "pmr" << QList<QPoint>{{10, 10}, {12, 12}, {12, 12}} << QList<QPoint>{};
    QTest::newRow("drag") << "pmr" << QList<QPoint>{{10, 10}, {60, 12}, {80, 12}}
                          << QList<QPoint>{{80, 12}};
    QTest::newRow("moved away and back still selected")
        << "pmmr" << QList<QPoint>{{10, 10}, {60, 10}, {10, 10}, {10, 10}} << QList<QPoint>{{10, 10}};
    QTest::newRow("release away from the press without a move in between")
        << "pr" << QList<QPoint>{{10, 10}, {90, 10}} << QList<QPoint>{{90, 10}};
    QTest::newRow("moving without the button")
        << "mmr" << QList<QPoint>{{0, 0}, {50, 50}, {50, 50}} << QList<QPoint>{};
    QTest::newRow("one report per drag")
        << "pmrr" << QList<QPoint>{{10, 10}, {60, 10}, {60, 10}, {70, 10}} << QList<QPoint>{{60, 10}};
    QTest::newRow("a click after a drag starts afresh")
        << "pmrpr" << QList<QPoint>{{10, 10}, {60, 10}, {60, 10}, {30, 30}, {30, 30}}
        << QList<QPoint>{{60, 10}};
    QTest::newRow("two drags")
        << "pmrpmr"
        << QList<QPoint>{{10, 10}, {60, 10}, {60, 10}, {100, 100}, {100, 150}, {100, 160}}
        << QList<QPoint>{{60, 10}, {100, 160}};
}

void GlobalMouseTest::dragsAreReportedOnRelease()
{
    QFETCH(QString, steps);
    QFETCH(QList<QPoint>, points);
    QFETCH(QList<QPoint>, reported);
    QList<QPoint> seen;
    const auto connection = connect(GlobalMouse::instance(), &GlobalMouse::mouseEvent, this,
                                    [&seen](std::shared_ptr<QMouseEvent> event) {
                                        QCOMPARE(event->type(), QEvent::MouseButtonRelease);
                                        QCOMPARE(event->button(), Qt::LeftButton);
                                        QCOMPARE(event->modifiers(), Qt::NoModifier);
                                        seen.append(event->globalPos());
                                    });
    auto mouse = platform::recording::installedMouseListener();
    for (int i = 0; i < steps.size(); ++i) {
        const QPoint at = points.at(i);
        switch (steps.at(i).toLatin1()) {
        case 'p': QVERIFY(mouse->press(at.x(), at.y())); break;
        case 'm': QVERIFY(mouse->move(at.x(), at.y())); break;
        case 'r': QVERIFY(mouse->release(at.x(), at.y())); break;
        }
    }
    disconnect(connection);
    QCOMPARE(seen, reported);
}

void GlobalMouseTest::removedHookReportsNothingAndInstallCanFail()
{
    auto *hook = GlobalMouse::instance();
    auto mouse = platform::recording::installedMouseListener();
    QSignalSpy drags(hook, &GlobalMouse::mouseEvent);
    mouse->press(0, 0);
    QVERIFY(hook->uninstallMouseEvent());
    QVERIFY(!hook->isMouseHookInstalled() && !mouse->isRunning());
    // A press before the removal does not make a drag of the next release.
    QVERIFY(hook->installMouseEvent());
    mouse->move(100, 0);
    mouse->release(100, 0);
    QCOMPARE(drags.count(), 0);

    hook->uninstallMouseEvent();
    mouse->setStartFails(true);
    QVERIFY(!hook->installMouseEvent());
    QVERIFY(!hook->isMouseHookInstalled());
    QVERIFY(!mouse->press(0, 0));
}

void GlobalMouseTest::publishedSelectionIsRetriedOnlyWhenUnanswered_data()
{
    QTest::addColumn<SelectedText::Outcome>("outcome");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("reads");
    QTest::addColumn<QString>("expected");
    QTest::newRow("text") << SelectedText::Outcome::Text << "选中的文字" << 1 << "选中的文字";
    QTest::newRow("nothing selected") << SelectedText::Outcome::Nothing << "" << 1 << "";
    QTest::newRow("not selected anew") << SelectedText::Outcome::Stale << "earlier" << 1 << "";
    QTest::newRow("owner never answers") << SelectedText::Outcome::Failed << "" << 3 << "";
}

void GlobalMouseTest::publishedSelectionIsRetriedOnlyWhenUnanswered()
{
    QFETCH(SelectedText::Outcome, outcome);
    QFETCH(QString, text);
    QFETCH(int, reads);
    QFETCH(QString, expected);
    auto selection = platform::recording::installedSelectedText();
    selection->set(outcome, text.toStdString());
    QCOMPARE(GlobalMouse::instance()->GetSelectedTextWithRetry(2), expected);
    QCOMPARE(selection->reads(), reads);
}

void GlobalMouseTest::buttonStaysOnTheScreen_data()
{
    QTest::addColumn<QRect>("available");
    QTest::addColumn<QPoint>("pointer");
    QTest::addColumn<QPoint>("expected");
    const int s = FloatingTranslateButton::kIconSize;
    const QRect screen(0, 0, 1280, 1024);
    QTest::newRow("above right of the pointer") << screen << QPoint(500, 500) << QPoint(510, 500 - s - 10);
    QTest::newRow("right edge") << screen << QPoint(1270, 500) << QPoint(1280 - s, 500 - s - 10);
    QTest::newRow("top edge goes below") << screen << QPoint(500, 20) << QPoint(510, 30);
    QTest::newRow("top right corner") << screen << QPoint(1279, 0) << QPoint(1280 - s, 10);
    QTest::newRow("under a top panel") << QRect(0, 40, 1280, 984) << QPoint(500, 60) << QPoint(510, 70);
    QTest::newRow("second screen on the right")
        << QRect(1280, 0, 1920, 1080) << QPoint(3190, 500) << QPoint(3200 - s, 500 - s - 10);
}

void GlobalMouseTest::buttonStaysOnTheScreen()
{
    QFETCH(QRect, available);
    QFETCH(QPoint, pointer);
    QFETCH(QPoint, expected);
    QCOMPARE(FloatingTranslateButton::placement(pointer, FloatingTranslateButton::kIconSize, available),
             expected);
}

void GlobalMouseTest::buttonFadesOutAndHides()
{
    QVERIFY(IconFont::instance().initFontAwesome());
    FloatingTranslateButton button;
    QSignalSpy clicked(&button, &FloatingTranslateButton::clicked);
    button.setFadeMs(300);
    button.popUpAt(QPoint(400, 400));
    QVERIFY(button.isVisible());
    QTest::qWait(200);
    // A new selection starts the fade again.
    button.popUpAt(QPoint(420, 400));
    QCOMPARE(button.windowOpacity(), 1.0);
    QTest::qWait(200);
    QVERIFY(button.isVisible());
    QTRY_VERIFY_WITH_TIMEOUT(!button.isVisible(), 1000);
    QCOMPARE(clicked.count(), 0);

    button.popUpAt(QPoint(400, 400));
    button.button()->click();
    QVERIFY(!button.isVisible());
    QCOMPARE(clicked.count(), 1);
}

void GlobalMouseTest::copyWaitsForModifiersAndNeverReturnsTheOldClipboard()
{
    using platform::recording::RecordingKeyInjector;
    auto keys = platform::recording::installedKeyInjector();
    QClipboard *clipboard = QApplication::clipboard();
    clipboard->setText(QStringLiteral("the user's text"));
    keys->setModifiersHeld(true);  // still holding Shift from the selection
    bool called = false;
    QString copied = QStringLiteral("unset");
    GlobalMouse::instance()->GetSelectedTextWithoutPollutingClipboard([&](const QString &text) {
        called = true;
        copied = text;
    });
    QTest::qWait(150);
    QVERIFY(keys->events().empty());

    keys->setModifiersHeld(false);
    QTRY_COMPARE(keys->events().size(), size_t(4));
    const std::vector<std::pair<unsigned, bool>> expected{{0x11, true}, {0x43, true}, {0x43, false}, {0x11, false}};
    for (size_t i = 0; i < expected.size(); ++i) {
        QCOMPARE(keys->events()[i].virtualKey, expected[i].first);
        QCOMPARE(keys->events()[i].down, expected[i].second);
    }
    // Nobody copied: nothing selected, and the clipboard is as it was.
    QTRY_VERIFY_WITH_TIMEOUT(called, 2000);
    QCOMPARE(copied, QString());
    QCOMPARE(clipboard->text(), QStringLiteral("the user's text"));
}

void GlobalMouseTest::noCopyAfterADragThatSelectedNothing()
{
    auto *hook = GlobalMouse::instance();
    auto selection = platform::recording::installedSelectedText();
    auto keys = platform::recording::installedKeyInjector();
    const auto copy = [hook] {
        bool called = false;
        hook->GetSelectedTextWithoutPollutingClipboard([&called](const QString &) { called = true; });
        QTRY_VERIFY_WITH_TIMEOUT(called, 2000);
    };
    selection->set(SelectedText::Outcome::Stale, "earlier");
    QCOMPARE(hook->GetSelectedTextWithRetry(2), QString());
    copy();
    QVERIFY(keys->events().empty());

    // Nobody publishes a selection: the copy is the only way to the text.
    selection->set(SelectedText::Outcome::Nothing);
    QCOMPARE(hook->GetSelectedTextWithRetry(2), QString());
    copy();
    QCOMPARE(keys->events().size(), size_t(4));
}

QTEST_MAIN(GlobalMouseTest)
#include "test_global_mouse.moc"
