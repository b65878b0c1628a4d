#include "core/config/endpoints.h"

#include "build_config.h"

#include <QRegularExpression>
#include <QtTest>

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
    QTest::newRow("ws LOCALHOST") << ws << "ws://LOCALHOST/v2/iat" << true;
    QTest::newRow("ws ::1") << ws << "ws://[::1]:8080/v2/iat" << true;
    QTest::newRow("ws long form of ::1") << ws << "ws://[0:0:0:0:0:0:0:1]/v2/iat" << true;
    QTest::newRow("ws 127.0.0.5") << ws << "ws://127.0.0.5:9/v2/iat" << true;
    QTest::newRow("ws short form of 127.0.0.1") << ws << "ws://127.1/v2/iat" << true;
    QTest::newRow("http loopback") << http << "http://127.0.0.1:8000/api" << true;
    QTest::newRow("wss remote") << ws << "wss://dictation.example.com/v2/iat" << true;
    QTest::newRow("wss loopback") << ws << "wss://127.0.0.1:8443/v2/iat" << true;
    QTest::newRow("https remote") << http << "https://manage.example.com" << true;

    QTest::newRow("ws example.com") << ws << "ws://example.com/v2/iat" << false;
    QTest::newRow("http 10.0.0.1") << http << "http://10.0.0.1/api" << false;
    QTest::newRow("ws loopback-looking name") << ws << "ws://127.0.0.1.evil.com/v2/iat" << false;
    QTest::newRow("ws loopback as user info") << ws << "ws://127.0.0.1@evil.com/v2/iat" << false;
    QTest::newRow("ws loopback in fragment") << ws << "ws://evil.com#@127.0.0.1" << false;
    QTest::newRow("ws localhost subdomain") << ws << "ws://localhost.evil.com/" << false;
    QTest::newRow("ws 128.0.0.1") << ws << "ws://128.0.0.1/" << false;
    QTest::newRow("ws mapped IPv4") << ws << "ws://[::ffff:10.0.0.1]/" << false;
    QTest::newRow("ws LAN ipv6") << ws << "ws://[fe80::1]/" << false;

    QTest::newRow("no scheme") << ws << "127.0.0.1:8080/v2/iat" << false;
    QTest::newRow("no host") << ws << "wss:///v2/iat" << false;
    QTest::newRow("space in host") << ws << "wss://exa mple.com/v2/iat" << false;
    QTest::newRow("unclosed bracket") << ws << "ws://[::1/v2/iat" << false;
    QTest::newRow("port out of range") << ws << "wss://example.com:99999/" << false;
    QTest::newRow("other scheme") << ws << "ftp://127.0.0.1/" << false;
    QTest::newRow("https for a socket endpoint") << ws << "https://example.com/v2/iat" << false;
    QTest::newRow("wss for an http endpoint") << http << "wss://example.com/" << false;
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

    QStringList warnings;
    static QStringList *sink;
    sink = &warnings;
    const QtMessageHandler previous = qInstallMessageHandler(
        [](QtMsgType type, const QMessageLogContext &, const QString &msg) {
            if (type == QtWarningMsg)
                *sink << msg;
        });
    const QString used = Endpoints::url(Endpoint::Dictation);
    qInstallMessageHandler(previous);

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
