/*
 * Control side of the simulated voice-mouse receiver.
 *
 * libtalkvane_hidsim.so provides the hidapi functions (hid_init, hid_enumerate,
 * hid_open_path, hid_read, hid_write, ...), so a test executable that links it
 * instead of hidapi-hidraw talks to this receiver. The functions below let the
 * test steer the receiver and look at what the product did. All of them are
 * thread-safe: the product may read on its own thread while a test calls these.
 *
 * The receiver (vendor 0x5850, product 0x5653, manufacturer "Sevoly") shows up
 * as two interfaces. Interface 0 ("/dev/hidraw-sim-0") carries the vendor
 * protocol; interface 1 ("/dev/hidraw-sim-1") is the plain mouse: it opens,
 * never has input and refuses writes.
 *
 * Time is real: audio is due every 7.5 ms after "record on" (unless a test
 * asks for faster sound) and replies are due a short delay after their
 * request. Due reports are moved into each open
 * interface-0 handle's input queue whenever hid_read or one of the counters
 * below looks at it. Each queue holds 64 reports, like the kernel's hidraw
 * buffer; when full, the oldest report is dropped and counted.
 */
#ifndef TALKVANE_HIDSIM_H
#define TALKVANE_HIDSIM_H

#include <stddef.h>
#include <wchar.h>

#define HIDSIM_VENDOR_ID 0x5850
#define HIDSIM_PRODUCT_ID 0x5653
#define HIDSIM_REPORT_SIZE 64
#define HIDSIM_QUEUE_CAPACITY 64
#define HIDSIM_AUDIO_PERIOD_US 7500

#ifdef __cplusplus
extern "C" {
#endif

/* Back to a freshly plugged, answering receiver with default settings: name
 * "DLVPX08", firmware 1.0, serial 01 02 03 04 05 06, link model 4, battery
 * 80 %, no voltage mode, 2 ms reply delay, 440 Hz tone at half scale. Clears
 * the write log, all counters and the added devices. Handles opened before
 * are dead afterwards (reads and writes fail), as after a replug. */
void hidsim_reset(void);

/* 0 unplugs the receiver: it leaves the enumeration, every open handle fails
 * from then on (hid_read and hid_write return -1), recording stops and
 * unsent replies are lost. 1 plugs it back in; old handles stay dead and the
 * product has to open it again. Devices added with hidsim_add_device stay. */
void hidsim_set_plugged(int plugged);

/* 1: the receiver still enumerates but every open of it fails, as when its
 * hidraw node is not readable by the user: hid_open and hid_open_path return
 * NULL with errno EACCES and a "Permission denied" error text. 0 allows it. */
void hidsim_set_open_denied(int denied);

/* 0: the mouse is out of reach. Writes still succeed and are logged but have
 * no effect: nothing is answered, recording stops and unsent replies are
 * lost. 1: the mouse answers again (it does not resume recording by itself). */
void hidsim_set_answering(int answering);

void hidsim_set_serial(const unsigned char serial[6]);
/* UTF-8; cut to the 56 bytes that fit a report, at a character boundary. */
void hidsim_set_name(const char *name);
void hidsim_set_firmware(int major, int minor);
void hidsim_set_battery(int percent);
/* Non-zero: battery requests are answered with this voltage in millivolts
 * instead of a percentage. 0 turns that off. */
void hidsim_set_battery_voltage(int millivolts);
void hidsim_set_link_model(int model);
/* Time from a request to its reply becoming readable. */
void hidsim_set_reply_delay_ms(int ms);

/* The sound recorded while streaming, from the start at every "record on" and
 * looped. The WAV file must be 16 kHz mono 16-bit PCM; returns 0, or -1 and
 * leaves the current source when it cannot be used. */
int hidsim_set_audio_wav(const char *path);
/* A sine wave; amplitude is a fraction of full scale (0..1). */
void hidsim_set_audio_tone(double hz, double amplitude);
/* Time between audio reports from the next "record on": tests that need many
 * seconds of sound let the mouse talk faster than real time. 0 or less is
 * the real 7.5 ms. hidsim_reset restores it. */
void hidsim_set_audio_period_us(int us);

/* Queues a report exactly as given (no padding) on every open interface-0
 * handle, subject to the 64-report bound. Returns how many handles got it. */
int hidsim_inject_report(const unsigned char *data, size_t length);

/* Another HID device in the enumeration, such as the mouse paired over
 * Bluetooth. It opens, has no input and accepts writes without logging them.
 * Returns its index among the added devices; its path is "/dev/hidraw-sim-N"
 * with N = index + 2. */
int hidsim_add_device(unsigned short vendor_id, unsigned short product_id,
                      int interface_number, const wchar_t *manufacturer);

/* The mouse paired directly over Bluetooth, as Linux's hidraw backend lists
 * it: bus type Bluetooth, an empty manufacturer string and the advertised
 * name as the product string. Same indexing and paths as hidsim_add_device. */
int hidsim_add_bluetooth_device(unsigned short vendor_id, unsigned short product_id,
                                const wchar_t *name);

int hidsim_is_recording(void);

/* Every write the receiver's interface 0 accepted, report id byte included,
 * in order. hidsim_get_write copies at most cap bytes and returns the write's
 * full length, or -1 for an index out of range. */
int hidsim_write_count(void);
int hidsim_get_write(int index, unsigned char *buf, size_t cap);

/* Successful hid_open/hid_open_path calls, and hid_close calls on non-null
 * handles (a double close counts twice). */
int hidsim_open_count(void);
int hidsim_close_count(void);

/* Audio reports the mouse sent, audio reports lost to a full queue, and audio
 * reports hid_read handed over. With one handle open for the whole recording,
 * generated == read + dropped + still pending. */
int hidsim_audio_generated(void);
int hidsim_audio_dropped(void);
int hidsim_audio_read(void);
/* The same for reports of every kind (replies and injected ones included). */
int hidsim_reports_dropped(void);
int hidsim_reports_read(void);
/* Reports waiting in the open interface-0 handles' queues. */
int hidsim_pending_reports(void);
/* hid_close calls made while a read on the same handle was still running on
 * another thread: each one is a use-after-close with the real library. */
int hidsim_closes_during_read(void);

/* When the index-th audio report of the current recording was sent (became
 * readable), in nanoseconds of the monotonic clock (std::chrono::steady_clock,
 * CLOCK_MONOTONIC); -1 when it has not been sent yet. */
long long hidsim_audio_sent_ns(int index);

#ifdef __cplusplus
}
#endif

#endif
