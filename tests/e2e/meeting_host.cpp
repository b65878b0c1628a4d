// Talkvane's meeting page in a process of its own, for the test that kills it
// mid-meeting: with "record" it starts a cloud meeting from the simulated
// mouse (the service stand-in runs in the test) and says "recording"; with
// "list" it opens the page the way a new start does and prints the meetings
// it lists, one per line: id, time, whether the recording came back, text.

#include "business/funcontrolcenter.h"
#include "business/meeting_recorder_center.h"
#include "core/meeting/meeting_store.h"
#include "core/setting/inifileinf.h"
#include "curl/curlwrapper.h"
#include "sim/hidsim.h"
#include "support/simulated_mouse.h"
#include "widget/meeting/meeting_list.h"
#include "widget/meeting/meeting_minutes.h"

#include <QAbstractButton>
#include <QApplication>
#include <QSslConfiguration>
#include <QTableWidget>

#include <cstdio>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const QString mode = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    MeetingList::Files files = MeetingList::defaultFiles();
    files.checkpointMs = 300;

    if (mode == QLatin1String("list")) {
        MeetingList list(files);
        for (const MeetingListEntry &entry : list.store()->list()) {
            const auto meeting = list.store()->load(entry.id);
            std::printf("%d|%s|%d|%s\n", entry.id, qPrintable(entry.time),
                        meeting && meeting->wav.size() > 44 ? 1 : 0,
                        meeting ? meeting->content.toUtf8().constData() : "");
        }
        return 0;
    }

    // The stand-ins' CA is made by the test process.
    const QString ca = qEnvironmentVariable("MEETING_CA_FILE");
    CurlWrapper::setExtraCaFile(ca);
    QSslConfiguration tls = QSslConfiguration::defaultConfiguration();
    tls.addCaCertificates(ca);
    QSslConfiguration::setDefaultConfiguration(tls);
    IniFileInf::set_keydefine(QStringLiteral("use_aliyun_meeting"), QStringLiteral("1"));
    auto center = FunControlCenter::getInstance();
    center->setMeetingCredentials(qEnvironmentVariable("MEETING_APP_ID"),
                                  qEnvironmentVariable("MEETING_API_KEY"));
    MeetingList list(files);
    ControlCenterMeetingRecorder recorder(center.get());
    recorder.attach(list.minutes());
    if (!connectSimulatedMouse())
        return 2;
    list.createMeeting();
    list.minutes()->findChild<QAbstractButton *>(QStringLiteral("meetingRecordButton"))->click();
    std::printf("recording\n");
    std::fflush(stdout);
    return app.exec();
}
