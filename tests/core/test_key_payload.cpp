// Unpacking the key service's answer: envelope, lenient hex, checksum, XOR,
// and the payload's minimum content.

#include "core/config/appconfig.h"
#include "core/config/key_payload.h"
#include "fakes/key_server.h"

#include <QtTest>

namespace {

const QByteArray kKeys = R"({"iat_appid":"a1","iat_appkey":"k1","iat_appsecret":"s1"})";

QByteArray envelope(const QByteArray &data, const QByteArray &code = "0")
{
    return "{\"errCode\":" + code + ",\"data\":\"" + data + "\"}";
}

}  // namespace

class KeyPayloadTest : public QObject
{
    Q_OBJECT

private slots:
    void answers_data();
    void answers();
    void recordTakesEveryKnownKey();
};

void KeyPayloadTest::answers_data()
{
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<QString>("failure");
    const quint8 x = 0xa7;
    const QByteArray packed = KeyServer::pack(kKeys, x);
    QByteArray odd = packed;
    odd.insert(10, "zz-");  // stray characters are skipped by the decoder
    QByteArray badSum = packed;
    badSum[badSum.size() - 1] = badSum.endsWith('0') ? '1' : '0';

    QTest::newRow("packed") << envelope(packed) << "";
    QTest::newRow("upper-case hex") << envelope(packed.toUpper()) << "";
    QTest::newRow("stray characters") << envelope(odd) << "";
    QTest::newRow("errCode as text counts as 0") << envelope(packed, "\"7\"") << "";
    QTest::newRow("errCode 3") << envelope(packed, "3") << "errCode 3";
    QTest::newRow("not JSON") << QByteArray("curl_easy_perform() failed") << "JSON 解析失败";
    QTest::newRow("checksum off") << envelope(badSum) << "Decoding failed or checksum error";
    QTest::newRow("one byte") << envelope("41") << "Decoding failed or checksum error";
    QTest::newRow("empty data") << envelope("") << "Decoding failed or checksum error";
    QTest::newRow("no data") << QByteArray("{\"errCode\":0}") << "Decoding failed or checksum error";
    QTest::newRow("other XOR byte") << envelope(KeyServer::pack(kKeys, 0x11))
                                    << "Failed to parse JSON configuration";
    QTest::newRow("array payload") << envelope(KeyServer::pack("[1,2]", x))
                                   << "Failed to parse JSON configuration";
    QTest::newRow("empty dictation secret")
        << envelope(KeyServer::pack(R"({"iat_appid":"a","iat_appkey":"k","iat_appsecret":""})", x))
        << "payload without iat_appsecret";
}

void KeyPayloadTest::answers()
{
    QFETCH(QByteArray, body);
    QFETCH(QString, failure);
    const KeyPayload::Unpacked r = KeyPayload::fromResponse(body, 0xa7);
    QCOMPARE(r.failure, failure);
    QCOMPARE(r.payload, failure.isEmpty() ? kKeys : QByteArray());
}

void KeyPayloadTest::recordTakesEveryKnownKey()
{
    AppConfig config;
    QVERIFY(config.loadFromJson(R"({"iat_appid":"a","azure_translate_url":"u",
        "tencent_asr_appid":"t","tencent_asr_secretkey":"sk","int_ocr_appsecret":"ios",
        "cn_urlstr":7})"));
    QCOMPARE(config.iatAppId(), QStringLiteral("a"));
    QCOMPARE(config.azureTranslateUrl(), QStringLiteral("u"));
    QCOMPARE(config.tencentAsrAppid(), QStringLiteral("t"));
    QCOMPARE(config.tencentAsrSecretKey(), QStringLiteral("sk"));
    QCOMPARE(config.property("intOcrAppSecret").toString(), QStringLiteral("ios"));
    QCOMPARE(config.cnUrlStr(), QString());  // not a string
    QVERIFY(!config.loadFromJson("{broken"));
    QCOMPARE(config.iatAppId(), QStringLiteral("a"));
    QVERIFY(config.loadFromJson("[]"));
    QCOMPARE(config.iatAppId(), QString());
}

QTEST_GUILESS_MAIN(KeyPayloadTest)
#include "test_key_payload.moc"
