// The capture tool's settings file and its hand-off to the local picture
// upload service, against a stand-in service on a real socket.

#include "fakes/http_server.h"
#include "widget/capture/localconfig.h"
#include "widget/capture/picture_upload.h"

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void write(const QString &path, const QByteArray &content)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
}

}  // namespace

class CaptureSettingsTest : public QObject
{
    Q_OBJECT

private slots:
    void firstLoadWritesTheStartValues();
    void valuesSurviveSavingAndLoading();
    void linesAreReadByTheirOwnRules_data();
    void linesAreReadByTheirOwnRules();
    void anUnwritableFileKeepsTheStartValues();
    void theFileLivesBesideTheProgram();

    void uploadAnswers_data();
    void uploadAnswers();
    void aHungServiceDoesNotHoldTheOverlay();
    void linksAreCopiedAsMarkdownWhenAsked();

private:
    QTemporaryDir m_dir;
};

void CaptureSettingsTest::firstLoadWritesTheStartValues()
{
    const QString path = m_dir.filePath(QStringLiteral("first/.Quillshot-config"));
    QVERIFY(QDir().mkpath(m_dir.filePath(QStringLiteral("first"))));
    LocalConfig config(path);
    config.loadConfig();
    QCOMPARE(QString::fromUtf8(readAll(path)),
             QStringLiteral("hotkey=F1\ncopyWithMd=true\nrunWhenLogin=false\nlanguage=中文\n"));
    QCOMPARE(config.hotkey, QStringLiteral("F1"));
    QVERIFY(config.copyWithMd);
    QVERIFY(!config.runWhenLogin);
}

void CaptureSettingsTest::valuesSurviveSavingAndLoading()
{
    const QString path = m_dir.filePath(QStringLiteral("round-trip"));
    LocalConfig config(path);
    config.hotkey = QStringLiteral("Ctrl+Alt+A");
    config.copyWithMd = false;
    config.runWhenLogin = true;
    config.language = QStringLiteral("English");
    QVERIFY(config.saveConfig());

    LocalConfig again(path);
    again.loadConfig();
    QCOMPARE(again.hotkey, QStringLiteral("Ctrl+Alt+A"));
    QCOMPARE(again.copyWithMd, false);
    QCOMPARE(again.runWhenLogin, true);
    QCOMPARE(again.language, QStringLiteral("English"));
}

void CaptureSettingsTest::linesAreReadByTheirOwnRules_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("hotkey");
    QTest::addColumn<bool>("copyWithMd");
    QTest::addColumn<bool>("runWhenLogin");
    QTest::addColumn<QString>("language");
    QTest::newRow("spaces around keys and values")
        << QByteArray(" hotkey = F2 \n copyWithMd = false\nrunWhenLogin= true \nlanguage =  English \n")
        << "F2" << false << true << "English";
    QTest::newRow("flags are true only as \"true\"")
        << QByteArray("copyWithMd=TRUE\nrunWhenLogin=yes\n") << "F1" << false << false << "中文";
    QTest::newRow("a second '=' drops the line")
        << QByteArray("hotkey=Ctrl+=\ncopyWithMd=false=x\n") << "F1" << true << false << "中文";
    QTest::newRow("unknown keys and other lines are ignored")
        << QByteArray("garbage\n\nunknown=1\n# hotkey F9\nlanguage=日本語\n") << "F1" << true << false
        << "日本語";
    QTest::newRow("an empty file keeps the start values") << QByteArray() << "F1" << true << false << "中文";
    QTest::newRow("Windows line ends") << QByteArray("hotkey=F3\r\ncopyWithMd=false\r\n") << "F3" << false
                                       << false << "中文";
}

void CaptureSettingsTest::linesAreReadByTheirOwnRules()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, hotkey);
    QFETCH(bool, copyWithMd);
    QFETCH(bool, runWhenLogin);
    QFETCH(QString, language);
    const QString path = m_dir.filePath(QString::fromLatin1(QTest::currentDataTag()));
    write(path, content);
    LocalConfig config(path);
    config.loadConfig();
    QCOMPARE(config.hotkey, hotkey);
    QCOMPARE(config.copyWithMd, copyWithMd);
    QCOMPARE(config.runWhenLogin, runWhenLogin);
    QCOMPARE(config.language, language);
    QCOMPARE(readAll(path), content);  // reading never rewrites the file
}

void CaptureSettingsTest::anUnwritableFileKeepsTheStartValues()
{
    LocalConfig config(m_dir.filePath(QStringLiteral("missing-folder/.Quillshot-config")));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("写出配置失败")));
    config.loadConfig();
    QCOMPARE(config.hotkey, QStringLiteral("F1"));
    QVERIFY(config.copyWithMd);
}

void CaptureSettingsTest::theFileLivesBesideTheProgram()
{
    // Not in whatever folder the program was started from.
    QCOMPARE(LocalConfig().path(),
             QCoreApplication::applicationDirPath() + QStringLiteral("/.Quillshot-config"));
}

void CaptureSettingsTest::uploadAnswers_data()
{
    QTest::addColumn<QByteArray>("answer");
    QTest::addColumn<QString>("link");
    QTest::newRow("success") << QByteArray(R"({"success":true,"result":["https://img.test/a.png","x"]})")
                             << "https://img.test/a.png";
    QTest::newRow("refused") << QByteArray(R"({"success":false,"result":["https://img.test/a.png"]})")
                             << "";
    QTest::newRow("not JSON") << QByteArray("<html>busy</html>") << "";
    QTest::newRow("success without a result") << QByteArray(R"({"success":true})") << "";
}

void CaptureSettingsTest::uploadAnswers()
{
    QFETCH(QByteArray, answer);
    QFETCH(QString, link);
    HttpServer service(HttpServer::Transport::Plain);
    QVERIFY(service.listen());
    service.setHandler([answer](const HttpServer::Request &) {
        HttpServer::Response response;
        response.body = answer;
        return response;
    });
    qputenv("TALKVANE_URL_PICTURE_UPLOAD", (service.baseUrl() + QStringLiteral("/upload")).toUtf8());
    QCOMPARE(PictureUpload::upload(), link);
    QCOMPARE(service.requestCount(), 1);
    QCOMPARE(service.requests().at(0).method, QByteArray("POST"));
    QCOMPARE(service.requests().at(0).target, QByteArray("/upload"));
    QVERIFY(service.requests().at(0).body.isEmpty());
}

void CaptureSettingsTest::aHungServiceDoesNotHoldTheOverlay()
{
    HttpServer service(HttpServer::Transport::Plain);
    QVERIFY(service.listen());
    service.setHandler([](const HttpServer::Request &) {
        HttpServer::Response response;
        response.hang = true;
        return response;
    });
    qputenv("TALKVANE_URL_PICTURE_UPLOAD", (service.baseUrl() + QStringLiteral("/upload")).toUtf8());
    QElapsedTimer waited;
    waited.start();
    QCOMPARE(PictureUpload::upload(300), QString());
    QVERIFY2(waited.elapsed() < 2000, qPrintable(QString::number(waited.elapsed())));
    service.dropConnections();
}

void CaptureSettingsTest::linksAreCopiedAsMarkdownWhenAsked()
{
    QCOMPARE(PictureUpload::clipboardText(QStringLiteral("https://img.test/a.png"), true),
             QStringLiteral("![](https://img.test/a.png)"));
    QCOMPARE(PictureUpload::clipboardText(QStringLiteral("https://img.test/a.png"), false),
             QStringLiteral("https://img.test/a.png"));
    QCOMPARE(PictureUpload::clipboardText(QString(), true), QStringLiteral("![]()"));
}

QTEST_MAIN(CaptureSettingsTest)
#include "test_capture_settings.moc"
