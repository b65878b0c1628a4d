// What the Windows backends decide without Windows: extended keys for
// SendInput, the Run key's command, Task Manager's startup switch, exception
// names in crash reports. The backends themselves are cross-compiled by the
// win32_cross_build test.

#include "platform/win32/win32_rules.h"

#include <QtTest>

#include <cstdint>
#include <vector>

using namespace platform::win32;

class TestWin32Rules : public QObject
{
    Q_OBJECT

private slots:
    void virtualKeysInRange();
    void extendedKeys_data();
    void extendedKeys();
    void absolutePaths_data();
    void absolutePaths();
    void runCommandQuotesThePath();
    void startupSwitch();
    void exceptionNames();
};

void TestWin32Rules::virtualKeysInRange()
{
    QVERIFY(!validVirtualKey(0));
    QVERIFY(validVirtualKey(0x01));
    QVERIFY(validVirtualKey(0x83));  // F20
    QVERIFY(validVirtualKey(0xFE));
    QVERIFY(!validVirtualKey(0xFF));
    QVERIFY(!validVirtualKey(0x1083));  // a Qt key code, not a virtual key
}

void TestWin32Rules::extendedKeys_data()
{
    QTest::addColumn<unsigned>("key");
    QTest::addColumn<bool>("extended");
    // Without the flag these arrive as their number-pad or left-hand twins.
    QTest::newRow("Left") << 0x25u << true;
    QTest::newRow("Down") << 0x28u << true;
    QTest::newRow("Home") << 0x24u << true;
    QTest::newRow("Page Down") << 0x22u << true;
    QTest::newRow("Insert") << 0x2Du << true;
    QTest::newRow("Delete") << 0x2Eu << true;
    QTest::newRow("Right Ctrl") << 0xA3u << true;
    QTest::newRow("Right Alt") << 0xA5u << true;
    QTest::newRow("Left Windows") << 0x5Bu << true;
    QTest::newRow("pad Divide") << 0x6Fu << true;
    QTest::newRow("Num Lock") << 0x90u << true;
    QTest::newRow("Volume Up") << 0xAFu << true;
    QTest::newRow("Play/Pause") << 0xB3u << true;
    // Their twins and the keys Talkvane types most.
    QTest::newRow("pad 4") << 0x64u << false;
    QTest::newRow("Left Ctrl") << 0xA2u << false;
    QTest::newRow("Left Alt") << 0xA4u << false;
    QTest::newRow("Ctrl") << 0x11u << false;
    QTest::newRow("Backspace") << 0x08u << false;
    QTest::newRow("Return") << 0x0Du << false;
    QTest::newRow("V") << 0x56u << false;
    QTest::newRow("F20") << 0x83u << false;
    QTest::newRow("OEM ;") << 0xBAu << false;
}

void TestWin32Rules::extendedKeys()
{
    QFETCH(unsigned, key);
    QFETCH(bool, extended);
    QCOMPARE(isExtendedKey(key), extended);
}

void TestWin32Rules::absolutePaths_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("absolute");
    QTest::newRow("drive") << R"(C:\Program Files\Talkvane\talkvane.exe)" << true;
    QTest::newRow("drive, forward slash") << "d:/apps/talkvane.exe" << true;
    QTest::newRow("UNC") << R"(\\server\share\talkvane.exe)" << true;
    QTest::newRow("relative") << "talkvane.exe" << false;
    QTest::newRow("drive-relative") << "C:talkvane.exe" << false;
    QTest::newRow("root of the current drive") << R"(\apps\talkvane.exe)" << false;
    QTest::newRow("UNC without share") << R"(\\server)" << false;
    QTest::newRow("UNC with empty share") << R"(\\server\\talkvane.exe)" << false;
    QTest::newRow("POSIX") << "/usr/bin/talkvane" << false;
    QTest::newRow("quote inside") << R"(C:\a" --evil ".exe)" << false;
    QTest::newRow("empty") << "" << false;
}

void TestWin32Rules::absolutePaths()
{
    QFETCH(QString, path);
    QFETCH(bool, absolute);
    QCOMPARE(isAbsolutePath(path.toStdString()), absolute);
}

void TestWin32Rules::runCommandQuotesThePath()
{
    // Unquoted, Windows would try "C:\Program" first.
    QCOMPARE(QString::fromStdString(runCommand(R"(C:\Program Files\Talkvane\talkvane.exe)")),
             QStringLiteral(R"("C:\Program Files\Talkvane\talkvane.exe")"));
}

void TestWin32Rules::startupSwitch()
{
    // The first byte as Task Manager writes it, then a time stamp.
    const std::vector<std::uint8_t> on{0x02, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    const std::vector<std::uint8_t> off{0x03, 0, 0, 0, 0x10, 0x20, 0x30, 0x40, 0x50, 0x60, 0x70, 0x01};
    QVERIFY(!startupApprovedDisabled(on.data(), on.size()));
    QVERIFY(startupApprovedDisabled(off.data(), off.size()));
    const std::uint8_t olderOn = 0x06, olderOff = 0x07;
    QVERIFY(!startupApprovedDisabled(&olderOn, 1));
    QVERIFY(startupApprovedDisabled(&olderOff, 1));
    QVERIFY(!startupApprovedDisabled(nullptr, 0));
    QVERIFY(!startupApprovedDisabled(off.data(), 0));
}

void TestWin32Rules::exceptionNames()
{
    QCOMPARE(exceptionName(0xC0000005u), "EXCEPTION_ACCESS_VIOLATION");
    QCOMPARE(exceptionName(0xC00000FDu), "EXCEPTION_STACK_OVERFLOW");
    QCOMPARE(exceptionName(0xC0000094u), "EXCEPTION_INT_DIVIDE_BY_ZERO");
    QCOMPARE(exceptionName(0xE06D7363u), "C++ exception");
    QCOMPARE(exceptionName(0x12345678u), "unknown exception");
}

QTEST_APPLESS_MAIN(TestWin32Rules)
#include "test_win32_rules.moc"
