#include "hidsim.h"

#include <hidapi/hidapi.h>
#include <sbc/sbc.h>

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>

#include <cmath>
#include <cstring>
#include <thread>
#include <vector>

namespace {

using Bytes = std::vector<unsigned char>;

const Bytes kRecordOn{0x00, 0xA5, 0x5A, 0x07, 0x52, 0x03, 0x01, 0xFF};
const Bytes kRecordOff{0x00, 0xA5, 0x5A, 0x07, 0x52, 0x03, 0x00, 0xFF};
const Bytes kInfoRequest{0x00, 0xA5, 0x5A, 0x06, 0x52, 0x01, 0xFF, 0x00};
const Bytes kBatteryRequest{0x00, 0x9D, 0xA5, 0x5A, 0x05, 0x0A, 0x00, 0xFF};

Bytes padded(Bytes b)
{
    b.resize(HIDSIM_REPORT_SIZE, 0);
    return b;
}

hid_device *openInterface(int iface)
{
    hid_device_info *list = hid_enumerate(HIDSIM_VENDOR_ID, HIDSIM_PRODUCT_ID);
    hid_device *h = nullptr;
    for (hid_device_info *d = list; d && !h; d = d->next)
        if (d->interface_number == iface)
            h = hid_open_path(d->path);
    hid_free_enumeration(list);
    if (h)
        hid_set_nonblocking(h, 1);
    return h;
}

int send(hid_device *h, const Bytes &b)
{
    return hid_write(h, b.data(), b.size());
}

Bytes readOne(hid_device *h, int timeoutMs)
{
    unsigned char buf[256];
    const int n = hid_read_timeout(h, buf, sizeof(buf), timeoutMs);
    return n > 0 ? Bytes(buf, buf + n) : Bytes();
}

std::vector<Bytes> drain(hid_device *h)
{
    std::vector<Bytes> out;
    for (Bytes r = readOne(h, 0); !r.empty(); r = readOne(h, 0))
        out.push_back(r);
    return out;
}

bool isAudio(const Bytes &r)
{
    return r.size() == HIDSIM_REPORT_SIZE && r[0] == 0x9D;
}

Bytes writeAt(int index)
{
    unsigned char buf[256];
    const int n = hidsim_get_write(index, buf, sizeof(buf));
    return n < 0 ? Bytes() : Bytes(buf, buf + n);
}

QByteArray wav16k(int channels, int rate, const std::vector<int16_t> &samples)
{
    QByteArray b;
    auto u32 = [&](quint32 v) { for (int i = 0; i < 4; ++i) b.append(char(v >> (8 * i))); };
    auto u16 = [&](quint16 v) { b.append(char(v)); b.append(char(v >> 8)); };
    const quint32 dataBytes = quint32(samples.size() * 2);
    b.append("RIFF"); u32(36 + dataBytes); b.append("WAVE");
    b.append("fmt "); u32(16); u16(1); u16(quint16(channels)); u32(quint32(rate));
    u32(quint32(rate * channels * 2)); u16(quint16(channels * 2)); u16(16);
    b.append("data"); u32(dataBytes);
    for (int16_t s : samples) u16(quint16(s));
    return b;
}

// Share of the signal's power at hz, and that component's peak amplitude.
void toneContent(const std::vector<int16_t> &pcm, double hz, double *share, double *peak)
{
    double s = 0, c = 0, power = 0;
    for (size_t i = 0; i < pcm.size(); ++i) {
        const double w = 2 * M_PI * hz * double(i) / 16000.0;
        s += pcm[i] * std::sin(w);
        c += pcm[i] * std::cos(w);
        power += double(pcm[i]) * pcm[i];
    }
    const double n = double(pcm.size());
    *peak = 2.0 * std::sqrt(s * s + c * c) / n;
    *share = power > 0 ? (*peak * *peak / 2.0) / (power / n) : 0.0;
}

}  // namespace

class TestHidSim : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void enumerationShowsReceiverAndAddedDevices();
    void infoRequestAnswersIdentity_data();
    void infoRequestAnswersIdentity();
    void requestsAreAnsweredByteForByte_data();
    void requestsAreAnsweredByteForByte();
    void unknownWritesAreLoggedButNotAnswered();
    void silentMouseSwallowsCommands();
    void repliesWaitForTheReplyDelay();
    void blockingReadWaitsAndWakesOnUnplug();
    void unplugKillsHandlesUntilReopened();
    void fullQueueDropsOldestReport();
    void laterHandleMissesEarlierReports();
    void drainingReaderKeepsUpInRealTime();
    void oneReadPerTickFallsBehindAndDrops();
    void recordOffKeepsQueuedAudio();
    void repliesInterleaveWithAudio();
    void audioDecodesToTheSource_data();
    void audioDecodesToTheSource();
    void unusableWavIsRejected();

private:
    hid_device *m_h = nullptr;
    QTemporaryDir m_dir;
};

void TestHidSim::init()
{
    hidsim_reset();
    m_h = openInterface(0);
    QVERIFY(m_h);
}

void TestHidSim::cleanup()
{
    hid_close(m_h);
    m_h = nullptr;
}

void TestHidSim::enumerationShowsReceiverAndAddedDevices()
{
    hidsim_add_device(0x1234, 0x5678, 0, L"Sevoly Kestrom");

    hid_device_info *all = hid_enumerate(0, 0);
    QVector<hid_device_info *> found;
    for (hid_device_info *d = all; d; d = d->next)
        found << d;
    QCOMPARE(found.size(), 3);
    for (int i = 0; i < 2; ++i) {
        QCOMPARE(int(found[i]->vendor_id), HIDSIM_VENDOR_ID);
        QCOMPARE(int(found[i]->product_id), HIDSIM_PRODUCT_ID);
        QCOMPARE(found[i]->interface_number, i);
        QCOMPARE(QString::fromWCharArray(found[i]->manufacturer_string), QStringLiteral("Sevoly"));
    }
    QVERIFY(QByteArray(found[0]->path) != QByteArray(found[1]->path));
    QCOMPARE(int(found[2]->vendor_id), 0x1234);
    QCOMPARE(QString::fromWCharArray(found[2]->manufacturer_string),
             QStringLiteral("Sevoly Kestrom"));
    hid_free_enumeration(all);

    hid_device *byIds = hid_open(HIDSIM_VENDOR_ID, HIDSIM_PRODUCT_ID, nullptr);
    QVERIFY(byIds);
    QCOMPARE(hid_get_device_info(byIds)->interface_number, 0);
    hid_close(byIds);

    // The paired mouse stays when the receiver is pulled out.
    hidsim_set_plugged(0);
    QVERIFY(!hid_enumerate(HIDSIM_VENDOR_ID, HIDSIM_PRODUCT_ID));
    all = hid_enumerate(0, 0);
    QVERIFY(all && !all->next);
    QCOMPARE(int(all->vendor_id), 0x1234);
    hid_free_enumeration(all);

    hidsim_reset();
    QVERIFY(!hid_enumerate(0x1234, 0));
}

void TestHidSim::infoRequestAnswersIdentity_data()
{
    QTest::addColumn<bool>("configure");
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<QByteArray>("expectedName");
    QTest::addColumn<QByteArray>("serial");
    QTest::addColumn<int>("major");
    QTest::addColumn<int>("minor");
    QTest::addColumn<int>("link");

    const QByteArray defSerial = QByteArray::fromHex("010203040506");
    QTest::newRow("defaults") << false << QByteArray() << QByteArray("DLVPX08") << defSerial
                              << 1 << 0 << 4;
    QTest::newRow("configured") << true << QByteArray("Kestrel M2") << QByteArray("Kestrel M2")
                                << QByteArray::fromHex("a1b2c3d4e5f6") << 3 << 12 << 2;
    // 57 bytes do not fit; the cut may not split the two-byte character.
    const QByteArray longName = QByteArray(55, 'a') + "\xC3\xA9";
    QTest::newRow("long name") << true << longName << QByteArray(55, 'a') << defSerial
                               << 1 << 0 << 4;
}

void TestHidSim::infoRequestAnswersIdentity()
{
    QFETCH(bool, configure);
    QFETCH(QByteArray, name);
    QFETCH(QByteArray, expectedName);
    QFETCH(QByteArray, serial);
    QFETCH(int, major);
    QFETCH(int, minor);
    QFETCH(int, link);
    if (configure) {
        hidsim_set_name(name.constData());
        hidsim_set_serial(reinterpret_cast<const unsigned char *>(serial.constData()));
        hidsim_set_firmware(major, minor);
        hidsim_set_link_model(link);
    }

    QCOMPARE(send(m_h, kInfoRequest), 8);
    const Bytes info = readOne(m_h, 500);
    const Bytes ident = readOne(m_h, 500);

    Bytes wantInfo{0xA5, 0x5A, 0x14, 0x54, 0x06};
    wantInfo.insert(wantInfo.end(), serial.begin(), serial.end());
    wantInfo.insert(wantInfo.end(), {0x11, 0x22, 0x33, 0x44, 0x55, 0x66, 0x00});
    wantInfo.push_back(static_cast<unsigned char>(link));
    wantInfo.push_back(0xFF);
    QCOMPARE(info, padded(wantInfo));

    const int i = 5 + expectedName.size() + 2;
    QVERIFY(i < HIDSIM_REPORT_SIZE);
    Bytes wantIdent{0xA5, 0x5A, static_cast<unsigned char>(i + 1), 0x54, 0x0B};
    wantIdent.insert(wantIdent.end(), expectedName.begin(), expectedName.end());
    wantIdent.insert(wantIdent.end(), {static_cast<unsigned char>(major),
                                       static_cast<unsigned char>(minor), 0xFF});
    QCOMPARE(ident, padded(wantIdent));
    // The charge comes with the identity.
    QCOMPARE(readOne(m_h, 500), padded(Bytes{0xA5, 0x5A, 0x07, 0x54, 0x0F, 80, 0xFF}));
    QVERIFY(drain(m_h).empty());
}

void TestHidSim::requestsAreAnsweredByteForByte_data()
{
    QTest::addColumn<int>("batteryMv");
    QTest::addColumn<QByteArray>("request");
    QTest::addColumn<QByteArray>("reply");

    const QByteArray battery(reinterpret_cast<const char *>(kBatteryRequest.data()), 8);
    QTest::newRow("battery percent") << 0 << battery << QByteArray::fromHex("a55a07540f25ff");
    QTest::newRow("battery voltage") << 3912 << battery << QByteArray::fromHex("a55a095406480f00ff");
    QTest::newRow("sensitivity 1600") << 0 << QByteArray::fromHex("00a55a0852044006ff")
                                      << QByteArray::fromHex("a55a0854044006ff");
    QTest::newRow("wheel on") << 0 << QByteArray::fromHex("00a55a07520201000000ff00")
                              << QByteArray::fromHex("a55a07540201ff");
    QTest::newRow("wheel off") << 0 << QByteArray::fromHex("00a55a07520200000000ff00")
                               << QByteArray::fromHex("a55a07540200ff");
}

void TestHidSim::requestsAreAnsweredByteForByte()
{
    QFETCH(int, batteryMv);
    QFETCH(QByteArray, request);
    QFETCH(QByteArray, reply);
    hidsim_set_battery(37);
    hidsim_set_battery_voltage(batteryMv);

    const Bytes req(request.begin(), request.end());
    QCOMPARE(send(m_h, req), int(req.size()));
    QCOMPARE(readOne(m_h, 500), padded(Bytes(reply.begin(), reply.end())));
    QCOMPARE(writeAt(0), req);
}

void TestHidSim::unknownWritesAreLoggedButNotAnswered()
{
    const std::vector<Bytes> writes{
        {0x00, 0xA5, 0x5A, 0x06, 0x52, 0x01, 0xFF, 0x00, 0x00},  // padded info request
        {0x00, 0xA5, 0x5A, 0x07, 0x52, 0x03, 0x01, 0xFE},        // bad terminator
        {0x00, 0xA5, 0x5A, 0x08, 0x52, 0x04, 0x40, 0x06},        // sensitivity, short
        {0x00},
    };
    for (const Bytes &w : writes)
        QCOMPARE(send(m_h, w), int(w.size()));
    QCOMPARE(hidsim_write_count(), int(writes.size()));
    for (int i = 0; i < int(writes.size()); ++i)
        QCOMPARE(writeAt(i), writes[size_t(i)]);
    QCOMPARE(hidsim_get_write(int(writes.size()), nullptr, 0), -1);
    QVERIFY(readOne(m_h, 50).empty());
    QVERIFY(!hidsim_is_recording());

    // The mouse interface has no output report at all.
    hid_device *mouse = openInterface(1);
    QVERIFY(mouse);
    QCOMPARE(send(mouse, kInfoRequest), -1);
    QCOMPARE(hidsim_write_count(), int(writes.size()));
    hid_close(mouse);
}

void TestHidSim::silentMouseSwallowsCommands()
{
    hidsim_set_answering(0);
    QCOMPARE(send(m_h, kInfoRequest), 8);
    QCOMPARE(send(m_h, kRecordOn), 8);
    QVERIFY(readOne(m_h, 60).empty());
    QVERIFY(!hidsim_is_recording());
    QCOMPARE(hidsim_write_count(), 2);

    hidsim_set_answering(1);
    QCOMPARE(send(m_h, kRecordOn), 8);
    QVERIFY(hidsim_is_recording());
    QVERIFY(isAudio(readOne(m_h, 100)));
    hidsim_set_answering(0);
    QVERIFY(!hidsim_is_recording());
    const int generated = hidsim_audio_generated();
    QThread::msleep(40);
    QCOMPARE(hidsim_audio_generated(), generated);
}

void TestHidSim::repliesWaitForTheReplyDelay()
{
    hidsim_set_reply_delay_ms(80);
    QElapsedTimer t;
    t.start();
    QCOMPARE(send(m_h, kBatteryRequest), 8);
    QVERIFY(readOne(m_h, 0).empty());
    QCOMPARE(hidsim_pending_reports(), 0);
    const Bytes r = readOne(m_h, 1000);
    QVERIFY(t.elapsed() >= 75);
    QCOMPARE(int(r.at(4)), 0x0F);
}

void TestHidSim::blockingReadWaitsAndWakesOnUnplug()
{
    QCOMPARE(hid_set_nonblocking(m_h, 0), 0);
    hidsim_set_reply_delay_ms(40);
    QElapsedTimer t;
    t.start();
    QCOMPARE(send(m_h, kBatteryRequest), 8);
    unsigned char buf[64];
    QCOMPARE(hid_read(m_h, buf, sizeof(buf)), 64);
    QVERIFY(t.elapsed() >= 35);

    t.restart();
    QCOMPARE(hid_read_timeout(m_h, buf, sizeof(buf), 50), 0);
    QVERIFY(t.elapsed() >= 45);

    std::thread unplug([] {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        hidsim_set_plugged(0);
    });
    t.restart();
    const int n = hid_read(m_h, buf, sizeof(buf));
    unplug.join();
    QCOMPARE(n, -1);
    QVERIFY(t.elapsed() < 2000);
}

void TestHidSim::unplugKillsHandlesUntilReopened()
{
    QCOMPARE(send(m_h, kRecordOn), 8);
    QVERIFY(isAudio(readOne(m_h, 100)));

    hidsim_set_plugged(0);
    unsigned char buf[64];
    QCOMPARE(hid_read(m_h, buf, sizeof(buf)), -1);
    QCOMPARE(send(m_h, kInfoRequest), -1);
    QCOMPARE(hidsim_write_count(), 1);
    QVERIFY(!hidsim_is_recording());
    QVERIFY(!hid_open_path("/dev/hidraw-sim-0"));
    QVERIFY(!openInterface(0));

    hidsim_set_plugged(1);
    QCOMPARE(hid_read(m_h, buf, sizeof(buf)), -1);
    QCOMPARE(send(m_h, kInfoRequest), -1);

    hid_device *fresh = openInterface(0);
    QVERIFY(fresh);
    QCOMPARE(send(fresh, kBatteryRequest), 8);
    QCOMPARE(int(readOne(fresh, 500).at(4)), 0x0F);
    QCOMPARE(hidsim_open_count(), 2);
    hid_close(fresh);
    QCOMPARE(hidsim_close_count(), 1);
}

void TestHidSim::fullQueueDropsOldestReport()
{
    for (int i = 0; i < HIDSIM_QUEUE_CAPACITY + 6; ++i) {
        const unsigned char r[3] = {0x42, static_cast<unsigned char>(i), 0x00};
        QCOMPARE(hidsim_inject_report(r, sizeof(r)), 1);
    }
    QCOMPARE(hidsim_pending_reports(), HIDSIM_QUEUE_CAPACITY);
    QCOMPARE(hidsim_reports_dropped(), 6);
    QCOMPARE(hidsim_audio_dropped(), 0);
    const Bytes first = readOne(m_h, 0);
    QCOMPARE(first, (Bytes{0x42, 6, 0x00}));  // injected as-is, oldest six gone
    unsigned char small[2];
    QCOMPARE(hid_read(m_h, small, sizeof(small)), 2);
    QCOMPARE(int(small[1]), 7);
    QCOMPARE(hidsim_reports_read(), 2);
}

void TestHidSim::laterHandleMissesEarlierReports()
{
    // hidraw gives each open its own buffer, filled only from the open on.
    QCOMPARE(send(m_h, kBatteryRequest), 8);
    QThread::msleep(20);
    hid_device *late = openInterface(0);
    QVERIFY(late);
    QVERIFY(readOne(late, 0).empty());
    QCOMPARE(int(readOne(m_h, 0).at(4)), 0x0F);
    hid_close(late);
}

void TestHidSim::drainingReaderKeepsUpInRealTime()
{
    static const unsigned char kSeq[4] = {0x08, 0x38, 0xC8, 0xF8};
    QElapsedTimer t;
    t.start();
    QCOMPARE(send(m_h, kRecordOn), 8);
    int audio = 0;
    while (t.elapsed() < 1000) {
        for (const Bytes &r : drain(m_h)) {
            QVERIFY(isAudio(r));
            QCOMPARE(int(r[1]), 0x01);
            QCOMPARE(int(r[2]), int(kSeq[audio % 4]));
            QCOMPARE(int(r[3]), 0xAD);
            QCOMPARE(int(r[4]), 0x00);
            QCOMPARE(int(r[5]), 0x00);
            QCOMPARE(Bytes(r.begin() + 60, r.end()), Bytes(4, 0));
            ++audio;
        }
        QThread::usleep(2000);
    }
    QCOMPARE(send(m_h, kRecordOff), 8);
    const qint64 elapsedUs = t.nsecsElapsed() / 1000;  // bounds the recording from above
    audio += int(drain(m_h).size());

    qInfo("drain every 2 ms: %d reports in %lld us, %d dropped", audio,
          static_cast<long long>(elapsedUs), hidsim_audio_dropped());
    QCOMPARE(hidsim_audio_dropped(), 0);
    QCOMPARE(hidsim_audio_read(), audio);
    const int due = int(elapsedUs / HIDSIM_AUDIO_PERIOD_US);
    QVERIFY(audio <= due && audio >= due - 2);
    QVERIFY(audio >= 131);  // about one second
}

void TestHidSim::oneReadPerTickFallsBehindAndDrops()
{
    QCOMPARE(send(m_h, kRecordOn), 8);
    QElapsedTimer t;
    t.start();
    int reads = 0;
    while (t.elapsed() < 3000) {
        if (!readOne(m_h, 0).empty())
            ++reads;
        QThread::msleep(10);
    }
    QCOMPARE(send(m_h, kRecordOff), 8);

    const int generated = hidsim_audio_generated();
    const int dropped = hidsim_audio_dropped();
    qInfo("one read per 10 ms for 3 s: %d generated, %d read, %d dropped", generated, reads,
          dropped);
    QVERIFY(generated >= 395);
    QVERIFY(reads <= 300);
    QCOMPARE(hidsim_pending_reports(), HIDSIM_QUEUE_CAPACITY);
    QCOMPARE(generated, reads + dropped + HIDSIM_QUEUE_CAPACITY);
    QVERIFY(dropped > 0);
}

void TestHidSim::recordOffKeepsQueuedAudio()
{
    QCOMPARE(send(m_h, kRecordOn), 8);
    QThread::msleep(100);
    QCOMPARE(send(m_h, kRecordOff), 8);
    const int queued = hidsim_pending_reports();
    QVERIFY(queued >= 12);
    QThread::msleep(50);
    QCOMPARE(hidsim_pending_reports(), queued);
    QCOMPARE(int(drain(m_h).size()), queued);
}

void TestHidSim::repliesInterleaveWithAudio()
{
    QCOMPARE(send(m_h, kRecordOn), 8);
    QThread::msleep(40);
    QCOMPARE(send(m_h, kBatteryRequest), 8);
    QThread::msleep(40);
    const std::vector<Bytes> got = drain(m_h);
    int at = -1;
    for (int i = 0; i < int(got.size()); ++i)
        if (!isAudio(got[size_t(i)]))
            at = i;
    QVERIFY(at > 2);
    QVERIFY(at < int(got.size()) - 2);
    QCOMPARE(int(got[size_t(at)].at(4)), 0x0F);
    QVERIFY(hidsim_is_recording());
}

void TestHidSim::audioDecodesToTheSource_data()
{
    QTest::addColumn<QString>("wav");
    QTest::addColumn<double>("hz");
    QTest::addColumn<double>("peak");

    QVERIFY(m_dir.isValid());
    // 0.1 s holding whole cycles, so the recording must loop it seamlessly.
    std::vector<int16_t> samples(1600);
    for (size_t i = 0; i < samples.size(); ++i)
        samples[i] = int16_t(std::lround(8000 * std::sin(2 * M_PI * 700 * double(i) / 16000)));
    const QString wav = m_dir.filePath(QStringLiteral("tone700.wav"));
    QFile f(wav);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(wav16k(1, 16000, samples));
    f.close();

    QTest::newRow("default tone") << QString() << 440.0 << 0.5 * 32767;
    QTest::newRow("1 kHz tone") << QStringLiteral("tone") << 1000.0 << 0.25 * 32767;
    QTest::newRow("looped wav") << wav << 700.0 << 8000.0;
}

void TestHidSim::audioDecodesToTheSource()
{
    QFETCH(QString, wav);
    QFETCH(double, hz);
    QFETCH(double, peak);
    if (wav == QLatin1String("tone"))
        hidsim_set_audio_tone(hz, 0.25);
    else if (!wav.isEmpty())
        QCOMPARE(hidsim_set_audio_wav(wav.toLocal8Bit().constData()), 0);

    QCOMPARE(send(m_h, kRecordOn), 8);
    std::vector<Bytes> frames;
    while (frames.size() < 48) {
        QThread::msleep(5);
        for (const Bytes &r : drain(m_h))
            frames.push_back(r);
    }
    QCOMPARE(send(m_h, kRecordOff), 8);

    sbc_t dec;
    QCOMPARE(sbc_init_msbc(&dec, 0), 0);
    dec.endian = SBC_LE;
    std::vector<int16_t> pcm;
    for (const Bytes &r : frames) {
        int16_t out[120];
        size_t written = 0;
        const ssize_t used = sbc_decode(&dec, r.data() + 3, 57, out, sizeof(out), &written);
        QCOMPARE(used, ssize_t(57));
        QCOMPARE(written, sizeof(out));
        pcm.insert(pcm.end(), out, out + 120);
    }
    sbc_finish(&dec);

    // Skip the codec's start-up, then the whole 4800 samples must be the source.
    pcm.erase(pcm.begin(), pcm.begin() + 8 * 120);
    double share = 0, found = 0;
    toneContent(pcm, hz, &share, &found);
    qInfo("%.0f Hz: %.3f of the power, peak %.0f (want %.0f)", hz, share, found, peak);
    QVERIFY(share > 0.9);
    QVERIFY(std::abs(found - peak) < 0.15 * peak);
}

void TestHidSim::unusableWavIsRejected()
{
    QVERIFY(m_dir.isValid());
    const std::vector<int16_t> samples(1600, 100);
    const struct { const char *name; QByteArray bytes; } cases[] = {
        {"stereo.wav", wav16k(2, 16000, samples)},
        {"rate.wav", wav16k(1, 44100, samples)},
        {"empty.wav", wav16k(1, 16000, {})},
        {"junk.wav", QByteArray(200, 'x')},
    };
    for (const auto &c : cases) {
        const QString path = m_dir.filePath(QString::fromLatin1(c.name));
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(c.bytes);
        f.close();
        QVERIFY2(hidsim_set_audio_wav(path.toLocal8Bit().constData()) == -1, c.name);
    }
    QCOMPARE(hidsim_set_audio_wav(m_dir.filePath(QStringLiteral("missing.wav")).toLocal8Bit()
                                      .constData()),
             -1);
}

QTEST_GUILESS_MAIN(TestHidSim)
#include "test_hidsim.moc"
