#include "core/config/endpoints.h"

#include "build_config.h"

#include <QtTest>

#include "support/message_capture.h"

using Endpoints::Endpoint;

Q_DECLARE_METATYPE(Endpoints::Endpoint)

namespace {

const char kVariable[] = "TALKVANE_URL_DICTATION";
const QString kDefault = QStringLiteral(TALKVANE_DEFAULT_URL_DICTATION);

}  // namespace

class TestEndpoints : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();

    void overrideAcceptance_data();
    void overrideAcceptance();
    void acceptedOverrideIsUsedVerbatim();
    void refusedOverrideLeavesEndpointUnavailable_data();
    void refusedOverrideLeavesEndpointUnavailable();
    void unsetOverrideUsesBuiltInDefault();
};

void TestEndpoints::cleanup()
{
    qunsetenv(kVariable);
}

void TestEndpoints::overrideAcceptance_data()
{
    QTest::addColumn<Endpoint>("endpoint");
    QTest::addColumn<QString>("url");
    QTest::addColumn<bool>("accepted");

    const Endpoint ws = Endpoint::Dictation;
    const Endpoint http = Endpoint::Management;

    QTest::newRow("ws 127.0.0.1") << ws << "ws://127.0.0.1:8080/v2/iat" << true;
    QTest::newRow("ws localhost") << ws << "ws://localhost:8080/v2/iat" << true;
    QTest::newRow("ws ::1") << ws << "ws://[::1]:8080/v2/iat" << true;
    QTest::newRow("ws 127.0.0.5") << ws << "ws://127.0.0.5:9/v2/iat" << true;
    QTest::newRow("ws short form of 127.0.0.1") << ws << "ws://127.1/v2/iat" << true;
    QTest::newRow("http loopback") << http << "http://127.0.0.1:8000/api" << true;
    QTest::newRow("wss remote") << ws << "wss://dictation.example.com/v2/iat" << true;
    QTest::newRow("https remote") << http << "https://manage.example.com" << true;

    const Endpoint speech = Endpoint::SpeechMicrosoft;
    QTest::newRow("speech library wss remote") << speech << "wss://eastus.stt.example.com" << true;
    QTest::newRow("speech library https remote") << speech << "https://eastus.stt.example.com" << true;
    QTest::newRow("speech library ws loopback") << speech << "ws://127.0.0.1:9000" << true;
    QTest::newRow("speech library ws remote") << speech << "ws://eastus.stt.example.com" << false;
    QTest::newRow("speech library ftp") << speech << "ftp://eastus.stt.example.com" << false;

    QTest::newRow("ws example.com") << ws << "ws://example.com/v2/iat" << false;
    QTest::newRow("http 10.0.0.1") << http << "http://10.0.0.1/api" << false;
    // The web pages carry the user's session: TLS unless local.
    QTest::newRow("web site https") << Endpoint::Website << "https://www.example.com" << true;
    QTest::newRow("web site http loopback") << Endpoint::Website << "http://127.0.0.1:8080" << true;
    QTest::newRow("web site http remote") << Endpoint::Website << "http://www.example.com" << false;
    QTest::newRow("web site wss") << Endpoint::Website << "wss://www.example.com" << false;
    QTest::newRow("ws loopback-looking name") << ws << "ws://127.0.0.1.evil.com/v2/iat" << false;
    QTest::newRow("ws name that is no address") << ws << "ws://127.999.0.1/v2/iat" << false;
    QTest::newRow("ws loopback as user info") << ws << "ws://127.0.0.1@evil.com/v2/iat" << false;

    // Meetings: the HTTPS base and the streaming socket are two endpoints
    // with a protocol each.
    const Endpoint meeting = Endpoint::Dashscope;
    const Endpoint meetingWs = Endpoint::DashscopeWs;
    QTest::newRow("meeting https remote") << meeting << "https://meeting.example.com" << true;
    QTest::newRow("meeting http loopback") << meeting << "http://127.0.0.1:8443" << true;
    QTest::newRow("meeting http remote") << meeting << "http://meeting.example.com" << false;
    QTest::newRow("meeting wss for the HTTPS base") << meeting << "wss://meeting.example.com" << false;
    QTest::newRow("meeting socket wss remote") << meetingWs << "wss://meeting.example.com/api-ws/v1/inference" << true;
    QTest::newRow("meeting socket ws loopback") << meetingWs << "ws://127.0.0.1:9/api-ws/v1/inference" << true;
    QTest::newRow("meeting socket ws remote") << meetingWs << "ws://meeting.example.com/api-ws/v1/inference" << false;
    QTest::newRow("meeting socket https") << meetingWs << "https://meeting.example.com/api-ws/v1/inference" << false;

    // The log upload carries the user's log and voice: TLS unless local.
    const Endpoint storage = Endpoint::StorageUpload;
    QTest::newRow("storage upload https remote") << storage << "https://upload.example.com" << true;
    QTest::newRow("storage upload http loopback") << storage << "http://127.0.0.1:9000/" << true;
    QTest::newRow("storage upload http remote") << storage << "http://upload.example.com" << false;

    QTest::newRow("no scheme") << ws << "127.0.0.1:8080/v2/iat" << false;
    QTest::newRow("no host") << ws << "wss:///v2/iat" << false;
    QTest::newRow("unclosed bracket") << ws << "ws://[::1/v2/iat" << false;
    QTest::newRow("https for a socket endpoint") << ws << "https://example.com/v2/iat" << false;
}

void TestEndpoints::overrideAcceptance()
{
    QFETCH(Endpoint, endpoint);
    QFETCH(QString, url);
    QFETCH(bool, accepted);

    const Endpoints::OverrideCheck check = Endpoints::checkOverride(endpoint, url);
    QCOMPARE(check.accepted, accepted);
    QCOMPARE(check.reason.isEmpty(), accepted);
}

void TestEndpoints::acceptedOverrideIsUsedVerbatim()
{
    // The client signs the text it gets, so no normalisation may happen here.
    const QString url = QStringLiteral("ws://127.1:8080/v2/iat");
    qputenv(kVariable, url.toUtf8());
    QCOMPARE(Endpoints::url(Endpoint::Dictation), url);
}

void TestEndpoints::refusedOverrideLeavesEndpointUnavailable_data()
{
    QTest::addColumn<QString>("url");
    QTest::addColumn<QString>("logged");  // what the warning must name

    QTest::newRow("plain remote") << "ws://stage.example.com/v2/iat?key=SECRETKEY&sig=SECRETSIG#SECRETFRAG"
                                  << "ws://stage.example.com";
    QTest::newRow("user info") << "ws://SECRETUSER:SECRETPASS@stage.example.com/v2/iat"
                               << "ws://stage.example.com";
    QTest::newRow("malformed") << "ws://[SECRETKEY/v2/iat" << "not a valid absolute URL";
}

void TestEndpoints::refusedOverrideLeavesEndpointUnavailable()
{
    QFETCH(QString, url);
    QFETCH(QString, logged);

    qputenv(kVariable, url.toUtf8());

    QString used;
    QStringList warnings;
    {
        WarningCapture capture;
        used = Endpoints::url(Endpoint::Dictation);
        warnings = capture.messages();
    }

    QCOMPARE(used, QString());
    QCOMPARE(warnings.size(), 1);
    const QString &warning = warnings.first();
    QVERIFY2(warning.contains(QLatin1String(kVariable)), qPrintable(warning));
    QVERIFY2(warning.contains(logged), qPrintable(warning));
    QVERIFY2(!warning.contains(QLatin1String("SECRET")), qPrintable(warning));
}

void TestEndpoints::unsetOverrideUsesBuiltInDefault()
{
    qunsetenv(kVariable);
    QCOMPARE(Endpoints::url(Endpoint::Dictation), kDefault);
    qputenv(kVariable, QByteArray());
    QCOMPARE(Endpoints::url(Endpoint::Dictation), kDefault);
}

QTEST_GUILESS_MAIN(TestEndpoints)
#include "test_endpoints.moc"
