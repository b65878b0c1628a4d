// Raw recordings played on a real ALSA output device: ALSA's "file" plugin in
// front of its null sink, so every byte the player hands the device lands in
// a file. Runs without a sound card, and lets the test see what was played.

#include "core/audio/playpcmaudio.h"

#include <QAudioDeviceInfo>
#include <QDir>
#include <QLibraryInfo>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include "support/files.h"

using TestFiles::readAll;
using TestFiles::writeRaw;

namespace {

QString g_root;  // HOME for ALSA, plugin folder, files

QString devicePath() { return g_root + QStringLiteral("/device.raw"); }

QByteArray pattern(int size)
{
    QByteArray out(size, Qt::Uninitialized);
    for (int i = 0; i < size; ++i)
        out[i] = char(i * 7 + i / 251);
    return out;
}

// Only Qt's ALSA audio plugin, so the ALSA default device is the default
// output whether or not a sound server is about.
bool prepareEnvironment(QString *why)
{
    const QString alsaPlugin = QLibraryInfo::location(QLibraryInfo::PluginsPath)
                               + QStringLiteral("/audio/libqtaudio_alsa.so");
    if (!QFile::exists(alsaPlugin)) {
        *why = alsaPlugin + " missing: install libqt5multimedia5-plugins (scripts/install-deps.sh)";
        return false;
    }
    if (!QDir(g_root).mkpath(QStringLiteral("plugins/audio"))
        || !QFile::link(alsaPlugin, g_root + QStringLiteral("/plugins/audio/libqtaudio_alsa.so"))) {
        *why = "cannot prepare the plugin folder";
        return false;
    }
    QCoreApplication::setLibraryPaths({g_root + QStringLiteral("/plugins")});

    const QByteArray asoundrc = "pcm.!default {\n"
                                "  type file\n"
                                "  slave.pcm \"null\"\n"
                                "  file \"" + QFile::encodeName(devicePath()) + "\"\n"
                                "  format \"raw\"\n"
                                "  hint { show on description \"test file sink\" }\n"
                                "}\n";
    if (!writeRaw(g_root + QStringLiteral("/.asoundrc"), asoundrc)) {
        *why = "cannot write .asoundrc";
        return false;
    }
    qputenv("HOME", QFile::encodeName(g_root));
    return true;
}

}  // namespace

class TestPcmOutputDevice : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void playsEveryByteInOrder_data();
    void playsEveryByteInOrder();
};

void TestPcmOutputDevice::initTestCase()
{
    const QAudioDeviceInfo device = QAudioDeviceInfo::defaultOutputDevice();
    QVERIFY2(!device.isNull(), "the ALSA file device was not picked up");
    QCOMPARE(device.deviceName(), QStringLiteral("default"));
}

void TestPcmOutputDevice::init()
{
    QFile::remove(devicePath());
}

void TestPcmOutputDevice::playsEveryByteInOrder_data()
{
    QTest::addColumn<int>("size");
    QTest::newRow("empty") << 0;
    QTest::newRow("a word") << 32;
    // Whole periods and a ragged end, many times the device buffer.
    QTest::newRow("three seconds and a bit") << 3 * 32000 + 222;
}

void TestPcmOutputDevice::playsEveryByteInOrder()
{
    QFETCH(int, size);
    const QByteArray pcm = pattern(size);
    const QString file = g_root + QStringLiteral("/sound.pcm");
    QVERIFY(writeRaw(file, pcm));

    PlayPcmAudio player(file);
    QSignalSpy spy(&player, &PlayPcmAudio::resultReady);
    player.start();
    QVERIFY(player.wait(30000));
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).toString(), QStringLiteral("succeed."));

    const QByteArray played = readAll(devicePath());
    QCOMPARE(played.size(), pcm.size());
    QVERIFY(played == pcm);
}

int main(int argc, char **argv)
{
    // Before the application exists, so that no audio plugin is loaded yet.
    QTemporaryDir root;
    g_root = root.path();
    QString why;
    if (!root.isValid() || !prepareEnvironment(&why)) {
        fprintf(stderr, "FAIL: %s\n", qPrintable(why));
        return 1;
    }
    QCoreApplication app(argc, argv);
    TestPcmOutputDevice tc;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&tc, argc, argv);
}

#include "test_pcm_output_device.moc"
