// The mouse's buttons arrive as repeated function keys; these tests drive
// the key slots and check the press, release and short click signals, and
// the per-model swaps. The key timers run twenty times faster than in the
// product, except in the one test that checks the real second.

#include "key_recorder.h"
#include "support/recording/recording_backends.h"

#include <QElapsedTimer>
#include <QtTest>

class MouseKeysTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void longPressSignalsAtOnceAndOnRelease();
    void shortClickMode();
    void buttonsAndModels_data();
    void buttonsAndModels();

private:
    // Activations gapMs apart, as a held key repeats; back to back by
    // default, so that no gap can outlast a shortened key timer.
    void activate(int button, int times, int gapMs = 0);
    MouseDevice *m_mouse = nullptr;
    const DeviceTiming m_fast = DeviceTiming().dividedBy(20);
};

void MouseKeysTest::initTestCase()
{
    platform::recording::install();
    m_mouse = MouseDevice::instance().get();
}

void MouseKeysTest::init()
{
    m_mouse->setTiming(m_fast);
}

void MouseKeysTest::activate(int button, int times, int gapMs)
{
    for (int i = 0; i < times; ++i) {
        if (i && gapMs)
            QTest::qWait(gapMs);
        QMetaObject::invokeMethod(m_mouse, QStringLiteral("KeyOne%1").arg(button).toLatin1());
    }
}

void MouseKeysTest::longPressSignalsAtOnceAndOnRelease()
{
    m_mouse->setTiming(DeviceTiming());  // the product's second
    m_mouse->model = QStringLiteral("T011");
    m_mouse->productName.clear();
    m_mouse->isShort129 = 0;
    KeyRecorder keys(m_mouse);

    QElapsedTimer sinceLast;
    m_mouse->KeyOne129();
    QCOMPARE(keys.events, QStringList{"129(0)"});  // at the first activation
    activate(129, 2, 40);
    sinceLast.start();
    QTRY_COMPARE_WITH_TIMEOUT(keys.events.size(), 2, 3000);
    QCOMPARE(keys.events.last(), QStringLiteral("129Over(3)"));
    // Released when no activation came for a second.
    QVERIFY2(sinceLast.elapsed() >= 950 && sinceLast.elapsed() < 1500,
             qPrintable(QString::number(sinceLast.elapsed())));
}

void MouseKeysTest::shortClickMode()
{
    m_mouse->model = QStringLiteral("T011");
    m_mouse->isShort129 = 1;
    KeyRecorder keys(m_mouse);

    m_mouse->KeyOne129();  // a tap: one activation
    QVERIFY(keys.events.isEmpty());
    QTRY_COMPARE_WITH_TIMEOUT(keys.events, QStringList{"129ShortOver(1)"}, 2000);
    // Only once the key timer has run out.
    QVERIFY2(keys.times.value(0) >= m_fast.keyReleaseMs * 9 / 10,
             qPrintable(QString::number(keys.times.value(0))));

    keys.events.clear();
    m_mouse->KeyOne129();
    QVERIFY(keys.events.isEmpty());
    activate(129, 1);  // held past the repeat delay
    QCOMPARE(keys.events, QStringList{"129(1)"});
    activate(129, 1);
    QTRY_COMPARE_WITH_TIMEOUT(keys.events, (QStringList{"129(1)", "129Over(3)"}), 2000);
    m_mouse->isShort129 = 0;
}

void MouseKeysTest::buttonsAndModels_data()
{
    QTest::addColumn<QString>("model");
    QTest::addColumn<QString>("productName");
    QTest::addColumn<int>("button");
    QTest::addColumn<int>("shortMode");
    QTest::addColumn<int>("activations");
    QTest::addColumn<QStringList>("expected");

    const QString none;
    QTest::newRow("131 long: press at 0 and again at 1")
        << "T011" << none << 131 << 0 << 3 << QStringList{"131(0)", "131(1)", "131Over(3)"};
    QTest::newRow("131 short tap") << "T011" << none << 131 << 1 << 1
                                   << QStringList{"131ShortOver(1)"};
    QTest::newRow("132 held") << "T011" << none << 132 << 0 << 3
                              << QStringList{"132(1)", "132Over(3)"};
    QTest::newRow("132 tap") << "T011" << none << 132 << 0 << 1 << QStringList{"132Over(1)"};
    QTest::newRow("130 short, no group: nothing") << "Z9" << none << 130 << 1 << 1
                                                  << QStringList{};
    QTest::newRow("130 short, group D") << "PX08" << none << 130 << 1 << 1
                                        << QStringList{"130ShortOver(1)"};
    QTest::newRow("group A: 129 acts as 130") << "T013" << none << 129 << 0 << 2
                                              << QStringList{"130(0)", "130Over(2)"};
    QTest::newRow("group A': 129 short as 130") << "T013" << none << 129 << 1 << 1
                                                << QStringList{"130ShortOver(1)"};
    QTest::newRow("group A not A': 129 short stays") << "PX06" << none << 129 << 1 << 1
                                                     << QStringList{"129ShortOver(1)"};
    QTest::newRow("group A not A': 129 long acts as 130") << "PX06" << none << 129 << 0 << 2
                                                          << QStringList{"130(0)", "130Over(2)"};
    QTest::newRow("group A not A': 129 held in short mode acts as 130")
        << "PX06" << none << 129 << 1 << 3 << QStringList{"130(1)", "130Over(3)"};
    QTest::newRow("group B: 129 acts as 131") << "X" << "WQQ313" << 129 << 0 << 2
                                              << QStringList{"131(0)", "131Over(2)"};
    QTest::newRow("group B: 131 acts as 129") << "X" << "WQBT5.2 Mouse" << 131 << 1 << 1
                                              << QStringList{"129ShortOver(1)"};
    QTest::newRow("group B: 129 short as 131") << "X" << "WQQ800" << 129 << 1 << 1
                                               << QStringList{"131ShortOver(1)"};
    QTest::newRow("group C: 130 acts as 129") << "Q7" << none << 130 << 0 << 2
                                              << QStringList{"129(0)", "129Over(2)"};
    QTest::newRow("group C: 130 short as 129") << "Q7" << none << 130 << 1 << 1
                                               << QStringList{"129ShortOver(1)"};
}

void MouseKeysTest::buttonsAndModels()
{
    QFETCH(QString, model);
    QFETCH(QString, productName);
    QFETCH(int, button);
    QFETCH(int, shortMode);
    QFETCH(int, activations);
    QFETCH(QStringList, expected);

    m_mouse->model = model;
    m_mouse->productName = productName;
    m_mouse->isShort129 = m_mouse->isShort130 = m_mouse->isShort131 = shortMode;
    KeyRecorder keys(m_mouse);
    activate(button, activations);
    if (expected.isEmpty())
        QTest::qWait(4 * m_fast.keyReleaseMs);  // well past the release
    else
        QTRY_COMPARE_WITH_TIMEOUT(keys.events, expected, 2000);
    QTest::qWait(2 * m_fast.keyReleaseMs);  // and nothing more follows
    QCOMPARE(keys.events, expected);
}

QTEST_GUILESS_MAIN(MouseKeysTest)
#include "test_mouse_keys.moc"
