// The blocking HTTP helpers against local stand-ins: TLS verified with the
// test CA, time-outs, the loopback rule for plain http, proxies, forms.

#include "curl/curlwrapper.h"
#include "fakes/http_server.h"

#include <QBuffer>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QtTest>

#include <curl/curl.h>

using Outcome = HttpResult::Outcome;

class CurlWrapperTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        curl_global_init(CURL_GLOBAL_ALL);
        QVERIFY(!HttpServer::caFile().isEmpty());
        CurlWrapper::setExtraCaFile(HttpServer::caFile());
        QVERIFY(m_server.listen());
        m_server.setHandler([](const HttpServer::Request &r) -> HttpServer::Response {
            if (r.target.startsWith("/status/"))
                return {r.target.mid(8).toInt(), "{\"error\":\"" + r.target.mid(8) + "\"}"};
            if (r.target == "/hang")
                return {200, {}, "text/plain", true};
            if (r.target.startsWith("/package"))
                return {200, package(), "application/octet-stream", false,
                        r.target == "/package/cut" ? 100000 : -1};
            return {200, r.method + ' ' + r.target + ' ' + r.body};
        });
    }
    void cleanupTestCase() { curl_global_cleanup(); }
    void init() { CurlWrapper::setExtraCaFile(HttpServer::caFile()); }

    void answersCarryStatusAndBody_data();
    void answersCarryStatusAndBody();
    void postSendsBodyAndHeaders_data();
    void postSendsBodyAndHeaders();
    void certificatesAreVerified_data();
    void certificatesAreVerified();
    void plainHttpOnlyReachesThisMachine_data();
    void plainHttpOnlyReachesThisMachine();
    void aSilentServerTimesOut();
    void aClosedPortFailsWithItsReason();
    void proxiesComeFromTheEnvironment();
    void multipartSendsFieldsAndFiles();
    void multipartRefusesAMissingFileBeforeSending();
    void aDownloadStreamsToTheDeviceWithProgress();
    void aDownloadThatFallsShortIsNotComplete_data();
    void aDownloadThatFallsShortIsNotComplete();

private:
    static QByteArray package()
    {
        static const QByteArray bytes = [] {
            QByteArray b;
            for (int i = 0; i < 300000; ++i)
                b += char(i * 7 % 251);
            return b;
        }();
        return bytes;
    }
    HttpServer m_server;
};

void CurlWrapperTest::answersCarryStatusAndBody_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("outcome");
    QTest::addColumn<long>("status");
    QTest::addColumn<QByteArray>("body");
    QTest::newRow("200") << "/hello" << int(Outcome::Ok) << 200L << QByteArray("GET /hello ");
    QTest::newRow("401 keeps the body") << "/status/401" << int(Outcome::HttpError) << 401L
                                        << QByteArray("{\"error\":\"401\"}");
    QTest::newRow("429") << "/status/429" << int(Outcome::HttpError) << 429L
                         << QByteArray("{\"error\":\"429\"}");
    QTest::newRow("500") << "/status/500" << int(Outcome::HttpError) << 500L
                         << QByteArray("{\"error\":\"500\"}");
}

void CurlWrapperTest::answersCarryStatusAndBody()
{
    QFETCH(QString, path);
    QFETCH(int, outcome);
    QFETCH(long, status);
    QFETCH(QByteArray, body);
    const HttpResult r = CurlWrapper::get(m_server.baseUrl() + path);
    QCOMPARE(int(r.outcome), outcome);
    QCOMPARE(r.status, status);
    QCOMPARE(r.body, body);
    QCOMPARE(r.ok(), status == 200);
    QCOMPARE(r.error.isEmpty(), status == 200);
}

void CurlWrapperTest::postSendsBodyAndHeaders_data()
{
    QTest::addColumn<QStringList>("headers");
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<QByteArray>("contentType");
    QTest::newRow("json with extra header")
        << QStringList{"Content-Type: application/json", "X-Extra: one"}
        << QByteArray("[{\"Text\":\"你好\"}]") << QByteArray("application/json");
    QTest::newRow("form fields") << QStringList{} << QByteArray("a=1&b=two")
                                 << QByteArray("application/x-www-form-urlencoded");
    QTest::newRow("empty body") << QStringList{} << QByteArray()
                                << QByteArray("application/x-www-form-urlencoded");
}

void CurlWrapperTest::postSendsBodyAndHeaders()
{
    QFETCH(QStringList, headers);
    QFETCH(QByteArray, body);
    QFETCH(QByteArray, contentType);
    CurlWrapper::Options options;
    options.headers = headers;
    const int before = m_server.requestCount();
    const HttpResult r = CurlWrapper::post(m_server.baseUrl() + "/post", body, options);
    QVERIFY2(r.ok(), qPrintable(r.error));
    QCOMPARE(r.body, "POST /post " + body);
    const HttpServer::Request seen = m_server.requests().value(before);
    QCOMPARE(seen.body, body);
    QCOMPARE(seen.header("content-type"), contentType);
    QCOMPARE(seen.header("x-extra"), QByteArray(headers.size() > 1 ? "one" : ""));
    QVERIFY(!seen.headers.contains("expect"));
}

void CurlWrapperTest::certificatesAreVerified_data()
{
    QTest::addColumn<bool>("trustTestCa");
    QTest::addColumn<QString>("address");
    QTest::addColumn<bool>("ok");
    QTest::newRow("test CA trusted") << true << "127.0.0.1" << true;
    QTest::newRow("unknown CA") << false << "127.0.0.1" << false;
    QTest::newRow("host not in the certificate") << true << "127.0.0.2" << false;
}

void CurlWrapperTest::certificatesAreVerified()
{
    QFETCH(bool, trustTestCa);
    QFETCH(QString, address);
    QFETCH(bool, ok);
    HttpServer server;
    server.setHandler([](const HttpServer::Request &) { return HttpServer::Response{200, "ok"}; });
    QVERIFY(server.listen(address));
    CurlWrapper::setExtraCaFile(trustTestCa ? HttpServer::caFile() : QString());
    const HttpResult r = CurlWrapper::get(server.baseUrl() + "/");
    QCOMPARE(r.ok(), ok);
    if (!ok) {
        QCOMPARE(int(r.outcome), int(Outcome::TransferError));
        QVERIFY(r.curlCode == CURLE_PEER_FAILED_VERIFICATION || r.curlCode == CURLE_SSL_CACERT);
        QVERIFY(r.body.isEmpty());
    }
}

void CurlWrapperTest::plainHttpOnlyReachesThisMachine_data()
{
    QTest::addColumn<QString>("url");
    QTest::addColumn<bool>("sent");
    QTest::newRow("http to 127.0.0.1") << "PLAIN/x" << true;
    QTest::newRow("http elsewhere") << "http://example.com/x" << false;
    QTest::newRow("http to a name that only looks local") << "http://127.0.0.1.example.com/" << false;
    QTest::newRow("ftp") << "ftp://127.0.0.1/x" << false;
    QTest::newRow("file") << "file:///etc/passwd" << false;
    QTest::newRow("not a URL") << "https://" << false;
}

void CurlWrapperTest::plainHttpOnlyReachesThisMachine()
{
    QFETCH(QString, url);
    QFETCH(bool, sent);
    HttpServer plain(HttpServer::Transport::Plain);
    plain.setHandler([](const HttpServer::Request &) { return HttpServer::Response{200, "plain"}; });
    QVERIFY(plain.listen());
    url.replace("PLAIN", plain.baseUrl());
    const HttpResult r = CurlWrapper::get(url);
    QCOMPARE(r.ok(), sent);
    if (sent) {
        QCOMPARE(r.body, QByteArray("plain"));
    } else {
        QCOMPARE(int(r.outcome), int(Outcome::Refused));
        QVERIFY(!r.error.isEmpty());
    }
}

void CurlWrapperTest::aSilentServerTimesOut()
{
    CurlWrapper::Options options;
    options.timeoutMs = 300;
    QElapsedTimer clock;
    clock.start();
    const HttpResult r = CurlWrapper::get(m_server.baseUrl() + "/hang", options);
    QCOMPARE(int(r.outcome), int(Outcome::TransferError));
    QVERIFY(r.timedOut);
    QVERIFY2(clock.elapsed() < 2000, qPrintable(QString::number(clock.elapsed())));
}

void CurlWrapperTest::aClosedPortFailsWithItsReason()
{
    quint16 port;
    {
        HttpServer gone;
        QVERIFY(gone.listen());
        port = gone.port();
    }
    const HttpResult r = CurlWrapper::get(QStringLiteral("https://127.0.0.1:%1/").arg(port));
    QCOMPARE(int(r.outcome), int(Outcome::TransferError));
    QCOMPARE(r.curlCode, int(CURLE_COULDNT_CONNECT));
    QVERIFY(!r.timedOut);
    QVERIFY(!r.error.isEmpty());
}

void CurlWrapperTest::proxiesComeFromTheEnvironment()
{
    // The plain stand-in plays the proxy and refuses the tunnel it is asked for.
    HttpServer proxy(HttpServer::Transport::Plain);
    proxy.setHandler([](const HttpServer::Request &) { return HttpServer::Response{403, {}}; });
    QVERIFY(proxy.listen());
    qputenv("https_proxy", proxy.baseUrl().toUtf8());
    const HttpResult far = CurlWrapper::get("https://translator.example.invalid/translate?k=v");
    // This machine is always reached directly.
    const HttpResult near = CurlWrapper::get(m_server.baseUrl() + "/direct");
    qunsetenv("https_proxy");
    QVERIFY(!far.ok());
    QCOMPARE(proxy.requestCount(), 1);
    QCOMPARE(proxy.requests()[0].method, QByteArray("CONNECT"));
    QCOMPARE(proxy.requests()[0].target, QByteArray("translator.example.invalid:443"));
    QVERIFY2(near.ok(), qPrintable(near.error));
}

void CurlWrapperTest::multipartSendsFieldsAndFiles()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("log.txt");
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("line one\nline two\n");
    file.close();
    const int before = m_server.requestCount();
    const HttpResult r = CurlWrapper::postMultiInterface(
        m_server.baseUrl() + "/upload", {{"name", "设备 PX08"}, {"file", path}},
        {"X-Token: abcd"});
    QVERIFY2(r.ok(), qPrintable(r.error));
    const HttpServer::Request seen = m_server.requests().value(before);
    QVERIFY(seen.header("content-type").startsWith("multipart/form-data; boundary="));
    QCOMPARE(seen.header("x-token"), QByteArray("abcd"));
    QVERIFY(seen.body.contains("name=\"name\"\r\n\r\n" + QString("设备 PX08").toUtf8()));
    QVERIFY(seen.body.contains("name=\"file\"; filename=\"log.txt\""));
    QVERIFY(seen.body.contains("line one\nline two\n"));
}

void CurlWrapperTest::multipartRefusesAMissingFileBeforeSending()
{
    const int before = m_server.requestCount();
    const HttpResult r = CurlWrapper::postMultiInterface(
        m_server.baseUrl() + "/upload", {{"audio", "/nonexistent/a.wav"}}, {});
    QCOMPARE(int(r.outcome), int(Outcome::Refused));
    QVERIFY(r.error.contains("/nonexistent/a.wav"));
    QCOMPARE(m_server.requestCount(), before);
}

namespace {

// Takes a number of bytes, then fails as a full disk does.
class FillingDevice : public QBuffer
{
public:
    explicit FillingDevice(qint64 room) : m_room(room) { open(QIODevice::WriteOnly); }

protected:
    qint64 writeData(const char *data, qint64 size) override
    {
        setErrorString(QStringLiteral("No space left on device"));
        return (m_room -= size) < 0 ? -1 : QBuffer::writeData(data, size);
    }

private:
    qint64 m_room;
};

}  // namespace

void CurlWrapperTest::aDownloadStreamsToTheDeviceWithProgress()
{
    FillingDevice out(1 << 30);
    QVector<qint64> steps;
    DownloadOptions options;
    options.progress = [&steps](qint64 received, qint64 total) {
        QCOMPARE(total, qint64(package().size()));
        steps << received;
    };
    const DownloadResult r = CurlWrapper::download(m_server.baseUrl() + "/package", &out, options);
    QVERIFY2(r.complete(), qPrintable(r.error));
    QCOMPARE(out.data(), package());
    QCOMPARE(r.announced, qint64(package().size()));
    QVERIFY(steps.size() > 1);
    QCOMPARE(steps.last(), r.received);
    QVERIFY(std::is_sorted(steps.begin(), steps.end()));

    // An error page is the result's body, never the file's.
    FillingDevice page(1 << 30);
    const DownloadResult missing = CurlWrapper::download(m_server.baseUrl() + "/status/404", &page);
    QCOMPARE(int(missing.outcome), int(Outcome::HttpError));
    QCOMPARE(missing.body, QByteArray("{\"error\":\"404\"}"));
    QVERIFY(page.data().isEmpty());
}

void CurlWrapperTest::aDownloadThatFallsShortIsNotComplete_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<qint64>("room");  // what the device takes
    QTest::addColumn<bool>("cancel");
    QTest::addColumn<bool>("writeFailed");
    QTest::newRow("connection cut") << "/package/cut" << qint64(1 << 30) << false << false;
    QTest::newRow("device full") << "/package" << qint64(50000) << false << true;
    QTest::newRow("cancelled") << "/package" << qint64(1 << 30) << true << false;
}

void CurlWrapperTest::aDownloadThatFallsShortIsNotComplete()
{
    QFETCH(QString, path);
    QFETCH(qint64, room);
    QFETCH(bool, cancel);
    QFETCH(bool, writeFailed);
    FillingDevice out(room);
    std::atomic_bool stop{false};
    DownloadOptions options;
    options.cancel = &stop;
    options.progress = [&stop, cancel](qint64, qint64) { stop = cancel; };
    const DownloadResult r = CurlWrapper::download(m_server.baseUrl() + path, &out, options);
    QCOMPARE(int(r.outcome), int(Outcome::TransferError));
    QVERIFY(!r.complete());
    QCOMPARE(r.cancelled, cancel);
    QCOMPARE(r.writeFailed, writeFailed);
    QVERIFY(r.received < package().size());
    QVERIFY2(!writeFailed || r.error.contains("No space left on device"), qPrintable(r.error));
}

QTEST_GUILESS_MAIN(CurlWrapperTest)
#include "test_curlwrapper.moc"
