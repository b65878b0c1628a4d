#pragma once

#include "sim/hidsim.h"

#include <QByteArray>
#include <QtGlobal>

// The simulated mouse speaking up by itself, and what the simulated receiver
// was sent.
namespace MouseReports {

// A reply report of type type with its payload from byte 5 on; true when an
// open handle received it.
inline bool send(int type, const QByteArray &payload)
{
    QByteArray r = QByteArray::fromHex("a55a1054") + char(type) + payload;
    r.append(QByteArray(64 - r.size(), '\0'));
    return hidsim_inject_report(reinterpret_cast<const unsigned char *>(r.constData()),
                                size_t(r.size()))
        == 1;
}

// The name and firmware report, as a mouse called name with firmware 1.2.
inline bool sendName(const QByteArray &name)
{
    return send(0x0B, name + char(1) + char(2) + char(0xFF));
}

inline bool receiverGot(const QByteArray &frame)
{
    unsigned char buf[HIDSIM_REPORT_SIZE];
    for (int i = 0; i < hidsim_write_count(); ++i) {
        const int n = hidsim_get_write(i, buf, sizeof buf);
        if (QByteArray(reinterpret_cast<const char *>(buf), qMin(n, int(sizeof buf))) == frame)
            return true;
    }
    return false;
}

}  // namespace MouseReports
