// The simulated receiver behind the hidapi functions. Everything lives in one
// Sim guarded by one mutex; time-driven reports are produced lazily by pump()
// from the monotonic clock, which gives the same queue contents as a device
// pushing them in real time.

#include "hidsim.h"
#include "msbc_source.h"

#include <hidapi/hidapi.h>

#include <algorithm>
#include <array>
#include <atomic>
#include <chrono>
#include <cerrno>
#include <condition_variable>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

using Clock = std::chrono::steady_clock;

namespace {

constexpr size_t kReportSize = HIDSIM_REPORT_SIZE;
constexpr size_t kQueueCapacity = HIDSIM_QUEUE_CAPACITY;
constexpr auto kAudioPeriod = std::chrono::microseconds(HIDSIM_AUDIO_PERIOD_US);
constexpr size_t kMaxNameBytes = kReportSize - 8;  // header 5, version 2, terminator 1

const wchar_t *const kNoError = L"Success";
const wchar_t *const kGone = L"Device disconnected";

struct Entry
{
    std::string path;
    unsigned short vendor = 0;
    unsigned short product = 0;
    int interface = 0;
    std::wstring manufacturer;
    std::wstring productName;
    unsigned short usagePage = 0;
    unsigned short usage = 0;
    bool receiver = false;
    hid_bus_type bus = HID_API_BUS_USB;
};

struct Report
{
    std::vector<unsigned char> bytes;
    bool audio = false;
};

}  // namespace

struct hid_device_
{
    Entry entry;
    bool closed = false;
    bool dead = false;  // unplugged or reset under it; never revives
    bool nonblocking = false;
    int readers = 0;  // reads in progress
    std::deque<Report> queue;
    const wchar_t *error = kNoError;
    hid_device_info info{};
};

namespace {

struct PendingReply
{
    Clock::time_point due;
    std::vector<unsigned char> bytes;
};

struct Sim
{
    std::mutex mutex;
    std::condition_variable changed;

    bool plugged = true;
    bool answering = true;
    bool openDenied = false;

    std::array<unsigned char, 6> serial{};
    std::array<unsigned char, 6> secondId{};
    std::string name;
    int fwMajor = 1;
    int fwMinor = 0;
    int battery = 80;
    int batteryMv = 0;
    int linkModel = 4;
    std::chrono::milliseconds replyDelay{2};

    std::vector<Entry> extras;
    std::vector<std::unique_ptr<hid_device_>> handles;  // kept so stale pointers stay harmless
    std::vector<std::vector<unsigned char>> writes;
    std::deque<PendingReply> replies;  // ordered by due time

    bool recording = false;
    Clock::time_point recordStart;
    uint64_t audioSent = 0;  // in this recording
    std::chrono::microseconds audioPeriod = kAudioPeriod;   // for the next recording
    std::chrono::microseconds recordPeriod = kAudioPeriod;  // of the current one
    hidsim::MsbcSource source;

    int openCount = 0;
    int closeCount = 0;
    int closesDuringRead = 0;
    int audioGenerated = 0;
    int audioDropped = 0;
    int audioRead = 0;
    int reportsDropped = 0;
    int reportsRead = 0;

    Sim() { applyDefaults(); }

    void applyDefaults()
    {
        plugged = true;
        answering = true;
        openDenied = false;
        serial = {0x01, 0x02, 0x03, 0x04, 0x05, 0x06};
        secondId = {0x11, 0x22, 0x33, 0x44, 0x55, 0x66};
        name = "DLVPX08";
        fwMajor = 1;
        fwMinor = 0;
        battery = 80;
        batteryMv = 0;
        linkModel = 4;
        replyDelay = std::chrono::milliseconds(2);
        extras.clear();
        writes.clear();
        replies.clear();
        recording = false;
        audioSent = 0;
        audioPeriod = recordPeriod = kAudioPeriod;
        source.setTone(440.0, 0.5);
        openCount = closeCount = closesDuringRead = 0;
        audioGenerated = audioDropped = audioRead = 0;
        reportsDropped = reportsRead = 0;
    }

    std::vector<Entry> devices() const
    {
        std::vector<Entry> list;
        if (plugged) {
            for (int iface = 0; iface < 2; ++iface) {
                Entry e;
                e.path = "/dev/hidraw-sim-" + std::to_string(iface);
                e.vendor = HIDSIM_VENDOR_ID;
                e.product = HIDSIM_PRODUCT_ID;
                e.interface = iface;
                e.manufacturer = L"Sevoly";
                e.productName = L"USB Receiver";
                e.usagePage = iface == 0 ? 0xFF00 : 0x0001;
                e.usage = iface == 0 ? 0x0001 : 0x0002;
                e.receiver = true;
                list.push_back(e);
            }
        }
        list.insert(list.end(), extras.begin(), extras.end());
        return list;
    }

    bool alive(const hid_device_ *dev) const
    {
        return !dev->closed && !dev->dead && (!dev->entry.receiver || plugged);
    }

    static bool carriesProtocol(const hid_device_ *dev)
    {
        return dev->entry.receiver && dev->entry.interface == 0;
    }

    void killHandles(bool receiverOnly)
    {
        for (auto &h : handles) {
            if (receiverOnly && !h->entry.receiver)
                continue;
            h->dead = true;
            h->queue.clear();
        }
    }

    void deliver(std::vector<unsigned char> bytes, bool audio)
    {
        for (auto &h : handles) {
            if (!carriesProtocol(h.get()) || !alive(h.get()))
                continue;
            h->queue.push_back(Report{bytes, audio});
            if (h->queue.size() > kQueueCapacity) {
                if (h->queue.front().audio)
                    ++audioDropped;
                ++reportsDropped;
                h->queue.pop_front();
            }
        }
    }

    Clock::time_point nextAudioDue() const
    {
        return recordStart + recordPeriod * static_cast<Clock::rep>(audioSent + 1);
    }

    // Earliest moment something new becomes readable, or max() when idle.
    Clock::time_point nextDue() const
    {
        Clock::time_point due = Clock::time_point::max();
        if (recording)
            due = nextAudioDue();
        if (!replies.empty())
            due = std::min(due, replies.front().due);
        return due;
    }

    std::vector<unsigned char> audioReport()
    {
        // mSBC's H2 header: 0x01 and a 2-bit sequence number spread over the
        // high nibble, with the low nibble fixed at 8.
        static const unsigned char kSeq[4] = {0x08, 0x38, 0xC8, 0xF8};
        std::vector<unsigned char> r(kReportSize, 0);
        r[0] = 0x9D;
        r[1] = 0x01;
        r[2] = kSeq[audioSent % 4];
        source.nextFrame(r.data() + 3);
        return r;
    }

    void pump(Clock::time_point now)
    {
        for (;;) {
            const bool replyReady = !replies.empty() && replies.front().due <= now;
            const bool audioReady = recording && nextAudioDue() <= now;
            if (replyReady && (!audioReady || replies.front().due <= nextAudioDue())) {
                deliver(std::move(replies.front().bytes), false);
                replies.pop_front();
            } else if (audioReady) {
                deliver(audioReport(), true);
                ++audioSent;
                ++audioGenerated;
            } else {
                return;
            }
        }
    }

    static std::vector<unsigned char> reply(unsigned char length, unsigned char type)
    {
        std::vector<unsigned char> r(kReportSize, 0);
        r[0] = 0xA5;
        r[1] = 0x5A;
        r[2] = length;
        r[3] = 0x54;
        r[4] = type;
        // The length byte counts through the 0xFF that closes every reply.
        if (length > 0 && length <= kReportSize)
            r[length - 1] = 0xFF;
        return r;
    }

    void schedule(Clock::time_point now, std::vector<unsigned char> bytes)
    {
        PendingReply p{now + replyDelay, std::move(bytes)};
        // Delay may have been shortened since earlier requests: keep due order.
        auto pos = std::upper_bound(replies.begin(), replies.end(), p.due,
                                    [](Clock::time_point t, const PendingReply &r) { return t < r.due; });
        replies.insert(pos, std::move(p));
    }

    void scheduleBattery(Clock::time_point now)
    {
        if (batteryMv > 0) {
            auto r = reply(0x09, 0x06);
            r[5] = static_cast<unsigned char>(batteryMv & 0xFF);
            r[6] = static_cast<unsigned char>((batteryMv >> 8) & 0xFF);
            schedule(now, std::move(r));
        } else {
            auto r = reply(0x07, 0x0F);
            r[5] = static_cast<unsigned char>(battery);
            schedule(now, std::move(r));
        }
    }

    void handleCommand(Clock::time_point now, const unsigned char *d, size_t n)
    {
        auto is = [&](std::initializer_list<unsigned char> bytes) {
            return n == bytes.size() && std::equal(bytes.begin(), bytes.end(), d);
        };

        if (is({0x00, 0xA5, 0x5A, 0x07, 0x52, 0x03, 0x01, 0xFF})) {
            if (!recording) {
                recording = true;
                recordStart = now;
                recordPeriod = audioPeriod;
                audioSent = 0;
                source.restart();
            }
        } else if (is({0x00, 0xA5, 0x5A, 0x07, 0x52, 0x03, 0x00, 0xFF})) {
            recording = false;
        } else if (is({0x00, 0xA5, 0x5A, 0x06, 0x52, 0x01, 0xFF, 0x00})) {
            auto info = reply(0x14, 0x06);
            std::copy(serial.begin(), serial.end(), info.begin() + 5);
            std::copy(secondId.begin(), secondId.end(), info.begin() + 11);
            info[18] = static_cast<unsigned char>(linkModel);
            schedule(now, std::move(info));

            const size_t end = 5 + name.size() + 2;
            auto ident = reply(static_cast<unsigned char>(end + 1), 0x0B);
            std::copy(name.begin(), name.end(), ident.begin() + 5);
            ident[end - 2] = static_cast<unsigned char>(fwMajor);
            ident[end - 1] = static_cast<unsigned char>(fwMinor);
            schedule(now, std::move(ident));
            // The mouse reports its charge with its identity: that is how
            // battery polling starts, and how older firmware is polled at all.
            scheduleBattery(now);
        } else if (is({0x00, 0x9D, 0xA5, 0x5A, 0x05, 0x0A, 0x00, 0xFF})) {
            scheduleBattery(now);
        } else if (n == 9 && is({0x00, 0xA5, 0x5A, 0x08, 0x52, 0x04, d[6], d[7], 0xFF})) {
            auto r = reply(0x08, 0x04);
            r[5] = d[6];
            r[6] = d[7];
            schedule(now, std::move(r));
        } else if (n == 12
                   && is({0x00, 0xA5, 0x5A, 0x07, 0x52, 0x02, d[6], 0x00, 0x00, 0x00, 0xFF, 0x00})) {
            auto r = reply(0x07, 0x02);
            r[5] = d[6];
            schedule(now, std::move(r));
        }
    }

    int pendingReports()
    {
        int n = 0;
        for (auto &h : handles)
            if (carriesProtocol(h.get()) && alive(h.get()))
                n += static_cast<int>(h->queue.size());
        return n;
    }
};

Sim &sim()
{
    // Never destroyed: product threads may still read while the process exits.
    static Sim *s = new Sim;
    return *s;
}

std::atomic<const wchar_t *> g_error{kNoError};

wchar_t *dupWide(const std::wstring &s)
{
    auto *p = static_cast<wchar_t *>(std::calloc(s.size() + 1, sizeof(wchar_t)));
    if (p)
        std::wmemcpy(p, s.c_str(), s.size());
    return p;
}

void fillInfo(hid_device_info *info, const Entry &e)
{
    info->path = strdup(e.path.c_str());
    info->vendor_id = e.vendor;
    info->product_id = e.product;
    info->serial_number = dupWide(L"");
    info->release_number = 0x0100;
    info->manufacturer_string = dupWide(e.manufacturer);
    info->product_string = dupWide(e.productName);
    info->usage_page = e.usagePage;
    info->usage = e.usage;
    info->interface_number = e.interface;
    info->next = nullptr;
    info->bus_type = e.bus;
}

void freeInfoStrings(hid_device_info *info)
{
    std::free(info->path);
    std::free(info->serial_number);
    std::free(info->manufacturer_string);
    std::free(info->product_string);
}

hid_device *openEntry(Sim &s, const Entry &e)
{
    if (s.openDenied && e.receiver) {
        // What the library reports when open(2) on the node is refused.
        g_error = L"Failed to open a device: Permission denied";
        errno = EACCES;
        return nullptr;
    }
    // Whatever came due before this open went to nobody.
    s.pump(Clock::now());
    auto h = std::make_unique<hid_device_>();
    h->entry = e;
    fillInfo(&h->info, e);
    hid_device *raw = h.get();
    s.handles.push_back(std::move(h));
    ++s.openCount;
    g_error = kNoError;
    return raw;
}

int copyWide(const std::wstring &from, wchar_t *to, size_t maxlen)
{
    if (!to || maxlen == 0)
        return -1;
    const size_t n = std::min(from.size(), maxlen - 1);
    std::wmemcpy(to, from.c_str(), n);
    to[n] = L'\0';
    return 0;
}

}  // namespace

// ---- hidapi ----

extern "C" {

int hid_init(void)
{
    return 0;
}

int hid_exit(void)
{
    return 0;
}

hid_device_info *hid_enumerate(unsigned short vendor_id, unsigned short product_id)
{
    Sim &s = sim();
    std::lock_guard<std::mutex> lock(s.mutex);
    hid_device_info *head = nullptr;
    hid_device_info **tail = &head;
    for (const Entry &e : s.devices()) {
        if ((vendor_id && e.vendor != vendor_id) || (product_id && e.product != product_id))
            continue;
        auto *info = static_cast<hid_device_info *>(std::calloc(1, sizeof(hid_device_info)));
        fillInfo(info, e);
        *tail = info;
        tail = &info->next;
    }
    g_error = head ? kNoError : L"No HID devices found";
    return head;
}

void hid_free_enumeration(hid_device_info *devs)
{
    while (devs) {
        hid_device_info *next = devs->next;
        freeInfoStrings(devs);
        std::free(devs);
        devs = next;
    }
}

hid_device *hid_open(unsigned short vendor_id, unsigned short product_id,
                     const wchar_t *serial_number)
{
    Sim &s = sim();
    std::lock_guard<std::mutex> lock(s.mutex);
    for (const Entry &e : s.devices()) {
        if (e.vendor != vendor_id || (product_id && e.product != product_id))
            continue;
        if (serial_number && serial_number[0] != L'\0')
            continue;  // no device here has a USB serial string
        return openEntry(s, e);
    }
    g_error = L"No such device";
    return nullptr;
}

hid_device *hid_open_path(const char *path)
{
    Sim &s = sim();
    std::lock_guard<std::mutex> lock(s.mutex);
    if (path) {
        for (const Entry &e : s.devices())
            if (e.path == path)
                return openEntry(s, e);
    }
    g_error = L"No such device";
    return nullptr;
}

void hid_close(hid_device *dev)
{
    if (!dev)
        return;
    Sim &s = sim();
    std::lock_guard<std::mutex> lock(s.mutex);
    ++s.closeCount;
    if (dev->readers > 0)
        ++s.closesDuringRead;
    dev->closed = true;
    dev->queue.clear();
    s.changed.notify_all();
}

int hid_set_nonblocking(hid_device *dev, int nonblock)
{
    if (!dev)
        return -1;
    Sim &s = sim();
    std::lock_guard<std::mutex> lock(s.mutex);
    if (dev->closed)
        return -1;
    dev->nonblocking = nonblock != 0;
    return 0;
}

int hid_read_timeout(hid_device *dev, unsigned char *data, size_t length, int milliseconds)
{
    if (!dev)
        return -1;
    Sim &s = sim();
    std::unique_lock<std::mutex> lock(s.mutex);
    struct Reading
    {
        hid_device *dev;
        explicit Reading(hid_device *d) : dev(d) { ++dev->readers; }
        ~Reading() { --dev->readers; }
    } reading(dev);
    const Clock::time_point deadline = milliseconds < 0
        ? Clock::time_point::max()
        : Clock::now() + std::chrono::milliseconds(milliseconds);
    for (;;) {
        if (!s.alive(dev)) {
            dev->error = kGone;
            return -1;
        }
        const Clock::time_point now = Clock::now();
        s.pump(now);
        if (!dev->queue.empty()) {
            Report r = std::move(dev->queue.front());
            dev->queue.pop_front();
            const size_t n = std::min(length, r.bytes.size());
            if (n > 0)
                std::memcpy(data, r.bytes.data(), n);
            ++s.reportsRead;
            if (r.audio)
                ++s.audioRead;
            dev->error = kNoError;
            return static_cast<int>(n);
        }
        if (now >= deadline)
            return 0;
        const Clock::time_point wake = std::min(deadline, s.nextDue());
        if (wake == Clock::time_point::max())
            s.changed.wait(lock);
        else
            s.changed.wait_until(lock, wake);
    }
}

int hid_read(hid_device *dev, unsigned char *data, size_t length)
{
    if (!dev)
        return -1;
    int timeout;
    {
        std::lock_guard<std::mutex> lock(sim().mutex);
        timeout = dev->nonblocking ? 0 : -1;
    }
    return hid_read_timeout(dev, data, length, timeout);
}

int hid_write(hid_device *dev, const unsigned char *data, size_t length)
{
    if (!dev || !data || length == 0)
        return -1;
    Sim &s = sim();
    std::lock_guard<std::mutex> lock(s.mutex);
    if (!s.alive(dev)) {
        dev->error = kGone;
        return -1;
    }
    if (!dev->entry.receiver)
        return static_cast<int>(length);
    if (!Sim::carriesProtocol(dev)) {
        // The mouse interface has no output report.
        dev->error = L"Broken pipe";
        return -1;
    }
    s.writes.emplace_back(data, data + length);
    if (s.answering) {
        const Clock::time_point now = Clock::now();
        s.pump(now);  // what was due before this command went out under the old state
        s.handleCommand(now, data, length);
        s.changed.notify_all();
    }
    dev->error = kNoError;
    return static_cast<int>(length);
}

int hid_send_feature_report(hid_device *dev, const unsigned char *, size_t)
{
    if (dev)
        dev->error = L"Not supported";
    return -1;
}

int hid_get_feature_report(hid_device *dev, unsigned char *, size_t)
{
    if (dev)
        dev->error = L"Not supported";
    return -1;
}

int hid_get_input_report(hid_device *dev, unsigned char *, size_t)
{
    if (dev)
        dev->error = L"Not supported";
    return -1;
}

int hid_get_manufacturer_string(hid_device *dev, wchar_t *string, size_t maxlen)
{
    if (!dev)
        return -1;
    std::lock_guard<std::mutex> lock(sim().mutex);
    return sim().alive(dev) ? copyWide(dev->entry.manufacturer, string, maxlen) : -1;
}

int hid_get_product_string(hid_device *dev, wchar_t *string, size_t maxlen)
{
    if (!dev)
        return -1;
    std::lock_guard<std::mutex> lock(sim().mutex);
    return sim().alive(dev) ? copyWide(dev->entry.productName, string, maxlen) : -1;
}

int hid_get_serial_number_string(hid_device *dev, wchar_t *string, size_t maxlen)
{
    if (!dev)
        return -1;
    std::lock_guard<std::mutex> lock(sim().mutex);
    return sim().alive(dev) ? copyWide(L"", string, maxlen) : -1;
}

hid_device_info *hid_get_device_info(hid_device *dev)
{
    return dev ? &dev->info : nullptr;
}

int hid_get_indexed_string(hid_device *dev, int, wchar_t *, size_t)
{
    if (dev)
        dev->error = L"Not supported";
    return -1;
}

const wchar_t *hid_error(hid_device *dev)
{
    if (!dev)
        return g_error.load();
    std::lock_guard<std::mutex> lock(sim().mutex);
    return dev->error;
}

const hid_api_version *hid_version(void)
{
    static const hid_api_version v{HID_API_VERSION_MAJOR, HID_API_VERSION_MINOR,
                                   HID_API_VERSION_PATCH};
    return &v;
}

const char *hid_version_str(void)
{
    return HID_API_VERSION_STR;
}

// ---- control ----

void hidsim_reset(void)
{
    Sim &s = sim();
    std::lock_guard<std::mutex> lock(s.mutex);
    s.killHandles(false);
    s.applyDefaults();
    s.changed.notify_all();
}

void hidsim_set_plugged(int plugged)
{
    Sim &s = sim();
    std::lock_guard<std::mutex> lock(s.mutex);
    if (!plugged && s.plugged) {
        s.pump(Clock::now());
        s.plugged = false;
        s.recording = false;
        s.replies.clear();
        s.killHandles(true);
    } else if (plugged) {
        s.plugged = true;
    }
    s.changed.notify_all();
}

void hidsim_set_open_denied(int denied)
{
    std::lock_guard<std::mutex> lock(sim().mutex);
    sim().openDenied = denied != 0;
}

void hidsim_set_answering(int answering)
{
    Sim &s = sim();
    std::lock_guard<std::mutex> lock(s.mutex);
    if (!answering && s.answering) {
        s.pump(Clock::now());
        s.recording = false;
        s.replies.clear();
    }
    s.answering = answering != 0;
    s.changed.notify_all();
}

void hidsim_set_serial(const unsigned char serial[6])
{
    std::lock_guard<std::mutex> lock(sim().mutex);
    std::copy(serial, serial + 6, sim().serial.begin());
}

void hidsim_set_name(const char *name)
{
    std::string n = name ? name : "";
    if (n.size() > kMaxNameBytes) {
        size_t cut = kMaxNameBytes;
        while (cut > 0 && (static_cast<unsigned char>(n[cut]) & 0xC0) == 0x80)
            --cut;  // do not split a UTF-8 sequence
        n.resize(cut);
    }
    std::lock_guard<std::mutex> lock(sim().mutex);
    sim().name = n;
}

void hidsim_set_firmware(int major, int minor)
{
    std::lock_guard<std::mutex> lock(sim().mutex);
    sim().fwMajor = major;
    sim().fwMinor = minor;
}

void hidsim_set_battery(int percent)
{
    std::lock_guard<std::mutex> lock(sim().mutex);
    sim().battery = percent;
}

void hidsim_set_battery_voltage(int millivolts)
{
    std::lock_guard<std::mutex> lock(sim().mutex);
    sim().batteryMv = std::max(0, millivolts);
}

void hidsim_set_link_model(int model)
{
    std::lock_guard<std::mutex> lock(sim().mutex);
    sim().linkModel = model;
}

void hidsim_set_reply_delay_ms(int ms)
{
    std::lock_guard<std::mutex> lock(sim().mutex);
    sim().replyDelay = std::chrono::milliseconds(std::max(0, ms));
}

int hidsim_set_audio_wav(const char *path)
{
    if (!path)
        return -1;
    Sim &s = sim();
    std::lock_guard<std::mutex> lock(s.mutex);
    s.pump(Clock::now());
    return s.source.loadWav(path, nullptr) ? 0 : -1;
}

void hidsim_set_audio_period_us(int us)
{
    std::lock_guard<std::mutex> lock(sim().mutex);
    sim().audioPeriod = std::chrono::microseconds(us > 0 ? us : HIDSIM_AUDIO_PERIOD_US);
}

void hidsim_set_audio_tone(double hz, double amplitude)
{
    Sim &s = sim();
    std::lock_guard<std::mutex> lock(s.mutex);
    s.pump(Clock::now());
    s.source.setTone(hz, amplitude);
}

int hidsim_inject_report(const unsigned char *data, size_t length)
{
    Sim &s = sim();
    std::lock_guard<std::mutex> lock(s.mutex);
    s.pump(Clock::now());  // keep it behind everything already due
    int reached = 0;
    for (auto &h : s.handles)
        if (Sim::carriesProtocol(h.get()) && s.alive(h.get()))
            ++reached;
    s.deliver(std::vector<unsigned char>(data, data + length), false);
    s.changed.notify_all();
    return reached;
}

namespace {
int addExtra(Entry e)
{
    Sim &s = sim();
    std::lock_guard<std::mutex> lock(s.mutex);
    e.path = "/dev/hidraw-sim-" + std::to_string(s.extras.size() + 2);
    s.extras.push_back(e);
    return static_cast<int>(s.extras.size() - 1);
}
}  // namespace

int hidsim_add_device(unsigned short vendor_id, unsigned short product_id, int interface_number,
                      const wchar_t *manufacturer)
{
    Entry e;
    e.vendor = vendor_id;
    e.product = product_id;
    e.interface = interface_number;
    e.manufacturer = manufacturer ? manufacturer : L"";
    e.productName = L"HID device";
    return addExtra(e);
}

int hidsim_add_bluetooth_device(unsigned short vendor_id, unsigned short product_id,
                                const wchar_t *name)
{
    Entry e;
    e.vendor = vendor_id;
    e.product = product_id;
    // Linux's hidraw backend has no manufacturer for Bluetooth devices; the
    // advertised name comes as the product string.
    e.productName = name ? name : L"";
    e.bus = HID_API_BUS_BLUETOOTH;
    return addExtra(e);
}

int hidsim_is_recording(void)
{
    Sim &s = sim();
    std::lock_guard<std::mutex> lock(s.mutex);
    return s.recording ? 1 : 0;
}

int hidsim_write_count(void)
{
    std::lock_guard<std::mutex> lock(sim().mutex);
    return static_cast<int>(sim().writes.size());
}

int hidsim_get_write(int index, unsigned char *buf, size_t cap)
{
    Sim &s = sim();
    std::lock_guard<std::mutex> lock(s.mutex);
    if (index < 0 || static_cast<size_t>(index) >= s.writes.size())
        return -1;
    const auto &w = s.writes[static_cast<size_t>(index)];
    if (buf)
        std::memcpy(buf, w.data(), std::min(cap, w.size()));
    return static_cast<int>(w.size());
}

int hidsim_open_count(void)
{
    std::lock_guard<std::mutex> lock(sim().mutex);
    return sim().openCount;
}

int hidsim_close_count(void)
{
    std::lock_guard<std::mutex> lock(sim().mutex);
    return sim().closeCount;
}

int hidsim_audio_generated(void)
{
    Sim &s = sim();
    std::lock_guard<std::mutex> lock(s.mutex);
    s.pump(Clock::now());
    return s.audioGenerated;
}

int hidsim_audio_dropped(void)
{
    Sim &s = sim();
    std::lock_guard<std::mutex> lock(s.mutex);
    s.pump(Clock::now());
    return s.audioDropped;
}

int hidsim_audio_read(void)
{
    std::lock_guard<std::mutex> lock(sim().mutex);
    return sim().audioRead;
}

int hidsim_reports_dropped(void)
{
    Sim &s = sim();
    std::lock_guard<std::mutex> lock(s.mutex);
    s.pump(Clock::now());
    return s.reportsDropped;
}

int hidsim_reports_read(void)
{
    std::lock_guard<std::mutex> lock(sim().mutex);
    return sim().reportsRead;
}

int hidsim_pending_reports(void)
{
    Sim &s = sim();
    std::lock_guard<std::mutex> lock(s.mutex);
    s.pump(Clock::now());
    return s.pendingReports();
}

int hidsim_closes_during_read(void)
{
    std::lock_guard<std::mutex> lock(sim().mutex);
    return sim().closesDuringRead;
}

long long hidsim_audio_sent_ns(int index)
{
    Sim &s = sim();
    std::lock_guard<std::mutex> lock(s.mutex);
    s.pump(Clock::now());
    if (index < 0 || uint64_t(index) >= s.audioSent)
        return -1;
    const Clock::time_point sent = s.recordStart + s.recordPeriod * static_cast<Clock::rep>(index + 1);
    return std::chrono::duration_cast<std::chrono::nanoseconds>(sent.time_since_epoch()).count();
}

}  // extern "C"
