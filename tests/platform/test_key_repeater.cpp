// Held keys repeated by time, on a clock the test turns by hand (the real
// timer is exercised by the X11 held-key tests).

#include "platform/x11/key_repeater.h"

#include <QtTest>

#include <vector>

using platform::x11::KeyRepeater;
using std::chrono::milliseconds;

namespace {
constexpr unsigned kF19 = 197, kF20 = 198;
}

class TestKeyRepeater : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void heldKeyRepeatsAfterTheDelayThenEveryInterval();
    void releaseEndsTheRepeatAtOnce();
    void twoHeldKeysRepeatEachUntilItsOwnRelease();
    void lateTimerDoesNotCatchUpWithABurst();
    void releasingFromTheCallbackStopsOtherDueKeys();

private:
    // Moves the clock to t ms and runs what is due; returns the repeats.
    std::vector<unsigned> at(int t);

    milliseconds m_now{0};
    std::vector<unsigned> m_repeats;
    std::unique_ptr<KeyRepeater> m_repeater;
};

void TestKeyRepeater::init()
{
    m_now = milliseconds(0);
    m_repeats.clear();
    m_repeater = std::make_unique<KeyRepeater>([this](unsigned key) { m_repeats.push_back(key); },
                                               [this] { return m_now; });
    m_repeater->setRate({milliseconds(660), milliseconds(40)});
}

std::vector<unsigned> TestKeyRepeater::at(int t)
{
    m_now = milliseconds(t);
    m_repeats.clear();
    m_repeater->repeatDue();
    return m_repeats;
}

using Keys = std::vector<unsigned>;

void TestKeyRepeater::heldKeyRepeatsAfterTheDelayThenEveryInterval()
{
    m_repeater->press(kF19);
    QVERIFY(at(659).empty());
    QCOMPARE(at(660), Keys{kF19});
    QVERIFY(at(699).empty());
    QCOMPARE(at(700), Keys{kF19});
    QCOMPARE(at(740), Keys{kF19});
}

void TestKeyRepeater::releaseEndsTheRepeatAtOnce()
{
    m_repeater->press(kF19);
    QCOMPARE(at(660), Keys{kF19});
    m_now = milliseconds(690);
    m_repeater->release(kF19);
    QVERIFY(!m_repeater->isHeld(kF19));
    QVERIFY(at(700).empty());
    QVERIFY(at(5000).empty());
    m_repeater->release(kF19);  // a second release is harmless

    m_repeater->press(kF20);
    m_repeater->releaseAll();
    QVERIFY(at(9000).empty());
}

void TestKeyRepeater::twoHeldKeysRepeatEachUntilItsOwnRelease()
{
    m_repeater->setRate({milliseconds(500), milliseconds(100)});
    m_repeater->press(kF19);
    m_now = milliseconds(250);
    m_repeater->press(kF20);
    QCOMPARE(at(500), Keys{kF19});
    QCOMPARE(at(600), Keys{kF19});
    QCOMPARE(at(700), Keys{kF19});
    QCOMPARE(at(750), Keys{kF20});
    QCOMPARE(at(800), Keys{kF19});
    m_repeater->release(kF19);
    QVERIFY(m_repeater->isHeld(kF20));
    QCOMPARE(at(850), Keys{kF20});
    QVERIFY(at(900).empty());
    QCOMPARE(at(950), Keys{kF20});
    m_repeater->release(kF20);
    QVERIFY(at(2000).empty());
}

void TestKeyRepeater::lateTimerDoesNotCatchUpWithABurst()
{
    m_repeater->press(kF19);
    QCOMPARE(at(1000), Keys{kF19});  // due at 660: one repeat, not nine
    QVERIFY(at(1001).empty());
    QVERIFY(at(1039).empty());
    QCOMPARE(at(1040), Keys{kF19});
}

void TestKeyRepeater::releasingFromTheCallbackStopsOtherDueKeys()
{
    // The listener may stop listening while it handles a repeat.
    m_repeater = std::make_unique<KeyRepeater>(
        [this](unsigned key) {
            m_repeats.push_back(key);
            m_repeater->releaseAll();
        },
        [this] { return m_now; });
    m_repeater->press(kF19);
    m_repeater->press(kF20);
    QCOMPARE(at(660), Keys{kF19});
    QVERIFY(at(2000).empty());
}

QTEST_GUILESS_MAIN(TestKeyRepeater)
#include "test_key_repeater.moc"
