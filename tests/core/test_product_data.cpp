// The per-model product data beside the executable: which file a mouse
// reads, what a missing or broken file gives, and that every file we ship
// is usable.

#include "core/device/product_data.h"
#include "support/files.h"
#include "support/message_capture.h"
#include "utils/app_paths.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QtTest>

class ProductDataTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void fileFollowsProductIdExceptForTheWQPX08Variant_data();
    void fileFollowsProductIdExceptForTheWQPX08Variant();
    void brokenFilesGiveAnEmptyObject_data();
    void brokenFilesGiveAnEmptyObject();
    void shippedFilesAreUsable_data();
    void shippedFilesAreUsable();

private:
    QString deviceDir() const { return AppPaths::appDir() + QStringLiteral("/device"); }
    void writeData(const QString &name, const QByteArray &bytes)
    {
        QVERIFY(TestFiles::writeRaw(deviceDir() + QLatin1Char('/') + name + "defaultkey.json",
                                    bytes));
    }
};

void ProductDataTest::init()
{
    QDir(deviceDir()).removeRecursively();
    QVERIFY(QDir().mkpath(deviceDir()));
}

void ProductDataTest::fileFollowsProductIdExceptForTheWQPX08Variant_data()
{
    QTest::addColumn<QString>("productId");
    QTest::addColumn<QString>("deviceName");
    QTest::addColumn<QString>("file");
    QTest::newRow("product id") << "PX08" << "DLVPX08" << "PX08";
    QTest::newRow("WQPX08 reads its own file") << "PX08" << "WQPX08" << "WQPX08";
    QTest::newRow("WQPX08 whatever the id") << "PX09" << "WQPX08" << "WQPX08";
    QTest::newRow("only the exact name") << "PX08" << "WQPX08 " << "PX08";
    QTest::newRow("id with a space") << "BT5.2 MOUSE" << "WQBT5.2 Mouse" << "BT5.2 MOUSE";
}

void ProductDataTest::fileFollowsProductIdExceptForTheWQPX08Variant()
{
    QFETCH(QString, productId);
    QFETCH(QString, deviceName);
    QFETCH(QString, file);
    for (const QString &name : {QStringLiteral("PX08"), QStringLiteral("PX09"),
                                QStringLiteral("WQPX08"), QStringLiteral("BT5.2 MOUSE")})
        writeData(name, R"({"data": {"dpi": [")" + name.toUtf8() + R"("]}})");

    const QJsonObject data = loadProductData(productId, deviceName);
    QCOMPARE(data.value("dpi").toArray().first().toString(), file);
    QCOMPARE(productDataPath(productId, deviceName),
             deviceDir() + QLatin1Char('/') + file + "defaultkey.json");
    QCOMPARE(productPicturePath(productId), deviceDir() + QLatin1Char('/') + productId + "-1.png");
}

void ProductDataTest::brokenFilesGiveAnEmptyObject_data()
{
    QTest::addColumn<bool>("present");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("logged");
    QTest::newRow("missing") << false << QByteArray() << "Failed to open file for reading:";
    QTest::newRow("not JSON") << true << QByteArray(R"({"data": {"dpi": [)")
                              << "Failed to parse JSON:";
    QTest::newRow("empty file") << true << QByteArray() << "Failed to parse JSON:";
    QTest::newRow("array") << true << QByteArray(R"([{"data": {}}])") << "JSON is not an object";
    QTest::newRow("no data member") << true << QByteArray(R"({"keyInfos": []})") << "";
    QTest::newRow("data not an object") << true << QByteArray(R"({"data": [1, 2]})") << "";
}

void ProductDataTest::brokenFilesGiveAnEmptyObject()
{
    QFETCH(bool, present);
    QFETCH(QByteArray, content);
    QFETCH(QString, logged);
    if (present)
        writeData("T011", content);
    MessageCapture log;
    QVERIFY(loadProductData("T011", "WQT011").isEmpty());
    if (!logged.isEmpty())
        QVERIFY2(log.contains(logged), qPrintable(log.messages().join('\n')));
}

void ProductDataTest::shippedFilesAreUsable_data()
{
    QTest::addColumn<QString>("name");
    const QDir shipped(QStringLiteral(TALKVANE_DEVICE_DATA));
    const QStringList files = shipped.entryList({"*defaultkey.json"}, QDir::Files);
    QVERIFY(files.size() >= 8);
    for (const QString &file : files)
        QTest::newRow(qPrintable(file)) << file.chopped(int(strlen("defaultkey.json")));
}

void ProductDataTest::shippedFilesAreUsable()
{
    QFETCH(QString, name);
    const QString shipped = QStringLiteral(TALKVANE_DEVICE_DATA "/") + name;
    const QString staged = QStringLiteral(TALKVANE_STAGED_DEVICE_DATA "/") + name;
    // The build puts the same file beside the program.
    QCOMPARE(TestFiles::readAll(staged + "defaultkey.json"),
             TestFiles::readAll(shipped + "defaultkey.json"));
    writeData(name, TestFiles::readAll(shipped + "defaultkey.json"));

    const bool variant = name == QLatin1String("WQPX08");
    const QJsonObject data = loadProductData(variant ? "PX08" : name, variant ? "WQPX08" : "");
    const QJsonArray infos = data.value("keyInfos").toArray();
    QVERIFY(!infos.isEmpty());
    QSet<QString> keys;
    for (const QJsonValue &value : infos) {
        const QJsonObject info = value.toObject();
        const QString key = info.value("key").toString();
        QVERIFY2(QStringList({"voice_key", "translate_key", "search_key", "A_key"}).contains(key),
                 qPrintable(key));
        QVERIFY(!keys.contains(key));
        keys << key;
        QVERIFY(info.value("short").isString());
        QVERIFY(!info.value("long").toString().isEmpty());
        QVERIFY(info.value("isLock").isDouble());
    }
    QVERIFY(keys.contains("voice_key") && keys.contains("translate_key"));
    // The third button is either the search key or the A key, never both.
    QVERIFY(keys.contains("search_key") != keys.contains("A_key"));

    const QJsonArray dpi = data.value("dpi").toArray();
    QVERIFY(!dpi.isEmpty());
    int previous = 0;
    for (const QJsonValue &value : dpi) {
        QVERIFY(value.isString());
        const int step = value.toString().toInt();
        QVERIFY2(step > previous, qPrintable(value.toString()));
        previous = step;
    }
    if (!variant) {
        QVERIFY(QImage(shipped + "-1.png").width() >= 200);
        QVERIFY(QFile::exists(staged + "-1.png"));
    }
}

QTEST_GUILESS_MAIN(ProductDataTest)
#include "test_product_data.moc"
