// The update check against the package stand-in: what each answer offers,
// and a download that is either whole, handed to the desktop's opener and
// followed by quitting, or leaves nothing behind.

#include "build_config.h"
#include "curl/curlwrapper.h"
#include "fakes/update_server.h"
#include "support/files.h"
#include "support/message_boxes.h"
#include "utils/app_paths.h"
#include "widget/update/update_check.h"
#include "widget/update/updatedialogue.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

#include <curl/curl.h>
#include <csignal>
#include <sys/resource.h>

namespace {

const QString kPackage = QStringLiteral("talkvane_5.1.0_amd64.deb");

QByteArray randomBytes(int size)
{
    QByteArray bytes(size, Qt::Uninitialized);
    QRandomGenerator::global()->fillRange(reinterpret_cast<quint32 *>(bytes.data()), size / 4);
    return bytes;
}

// The largest file this process may write, as a full disk would stop it;
// a failed write instead of SIGXFSZ.
void limitFileSize(rlim_t bytes)
{
    static rlimit original{};
    if (!original.rlim_max)
        getrlimit(RLIMIT_FSIZE, &original);
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit = original;
    if (bytes)
        limit.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &limit);
}

}  // namespace

class UpdateDialogueTest : public QObject
{
    Q_OBJECT

    UpdateServer m_server;
    UpdateDialogue *m_dialogue = nullptr;
    QTemporaryDir m_bin;

    QLabel *status() const { return m_dialogue->findChild<QLabel *>("statusLabel"); }
    QPushButton *start() const { return m_dialogue->findChild<QPushButton *>("startButton"); }
    QProgressBar *progress() const { return m_dialogue->findChild<QProgressBar *>("progressBar"); }
    QString packagePath() const { return AppPaths::inDataDir(kPackage); }
    QString openerRecord() const { return m_bin.filePath("opened"); }

    // Runs a check of version against answer and waits for its verdict.
    void check(const QString &version, const QByteArray &answer)
    {
        m_server.setAnswer(answer);
        const int before = m_server.queries().size();
        m_dialogue->startversion(version);
        QCOMPARE(status()->text(), QStringLiteral("正在检查..."));
        QTRY_COMPARE(m_server.queries().size(), before + 1);
        QTRY_VERIFY(status()->text() != QStringLiteral("正在检查..."));
    }

private slots:
    void initTestCase()
    {
        curl_global_init(CURL_GLOBAL_ALL);
        CurlWrapper::setExtraCaFile(HttpServer::caFile());
        QVERIFY(m_server.listen());
        qputenv("TALKVANE_URL_MANAGEMENT", m_server.url().toUtf8());
        // Plays the desktop's opener: writes down what it was given.
        const QString opener = m_bin.filePath("xdg-open");
        QVERIFY(TestFiles::writeRaw(
            opener, QStringLiteral("#!/bin/sh\nprintf '%s\\n' \"$@\" > '%1.tmp' && mv '%1.tmp' '%1'\n")
                        .arg(openerRecord()).toUtf8()));
        QVERIFY(QFile::setPermissions(opener, QFile::ReadOwner | QFile::ExeOwner));
        qputenv("PATH", m_bin.path().toUtf8() + ':' + qgetenv("PATH"));
        m_dialogue = UpdateDialogue::instance();
    }
    void cleanupTestCase() { curl_global_cleanup(); }
    void init()
    {
        QFile::remove(packagePath());
        QFile::remove(packagePath() + ".part");
        QFile::remove(openerRecord());
    }

    // First: no answer has arrived yet in this process.
    void downloadBeforeAnyAnswerSaysBadAddress()
    {
        MessageBoxes::Answerer boxes;
        start()->click();
        QTRY_COMPARE(boxes.seen(), QStringList{"错误: 地址错误"});
    }

    void theQueryNamesThisProductsPackage()
    {
        check("5.0.54", UpdateServer::answer(5054, m_server.packageUrl(kPackage)));
        const HttpServer::Request seen = m_server.queries().last();
        QCOMPARE(seen.target, QByteArray("/api/app/v1/packageUpdate?p_key=" TALKVANE_UPDATE_PRODUCT_KEY));
        QCOMPARE(seen.header("content-type"), QByteArray("application/json"));
        QVERIFY(m_dialogue->isVisible());
        QVERIFY(progress()->isHidden());
    }

    void theAnswerDecidesWhatIsOffered_data()
    {
        QTest::addColumn<QString>("version");
        QTest::addColumn<QByteArray>("answer");
        QTest::addColumn<QString>("label");
        QTest::addColumn<bool>("offered");  // the download button shows
        const QString url = "https://packages.example.com/files/" + kPackage;
        const auto record = [](const char *versions, const char *url) {
            return QByteArray(R"({"code":200,"data":{"last_record":{"versions":)") + versions
                + R"(,"apk_url":)" + url + "}}}";
        };
        QTest::newRow("same version") << "5.0.54" << UpdateServer::answer(5054, url)
                                      << "已经是最新的了" << false;
        QTest::newRow("older on the server") << "5.0.54" << UpdateServer::answer(4999, url)
                                             << "已经是最新的了" << false;
        QTest::newRow("newer") << "5.0.54" << UpdateServer::answer(5100, url)
                               << "检测到有最新的版本：5100" << true;
        // A refusal leaves the button as the check started: shown.
        QTest::newRow("code 500") << "5.0.54" << UpdateServer::answer(5100, url, 500) << "网络错误："
                                  << true;
        QTest::newRow("code as text") << "5.0.54" << QByteArray(R"({"code":"busy"})")
                                      << "网络错误：busy" << true;
        QTest::newRow("no data") << "5.0.54" << QByteArray(R"({"code":200})") << "更新信息无效" << false;
        QTest::newRow("no last record") << "5.0.54" << QByteArray(R"({"code":200,"data":{"p_id":7}})")
                                        << "更新信息无效" << false;
        QTest::newRow("versions as text") << "5.0.54" << record("\"5100\"", "\"x\"") << "更新信息无效"
                                          << false;
        QTest::newRow("fractional versions") << "5.0.54" << record("5100.5", "\"x\"")
                                             << "更新信息无效" << false;
        QTest::newRow("address not text") << "5.0.54" << record("5100", "7") << "更新信息无效" << false;
        QTest::newRow("letters in the running version") << "5.0.54-beta" << record("5100", "\"x\"")
                                                        << "当前版本号无效" << false;
    }
    void theAnswerDecidesWhatIsOffered()
    {
        QFETCH(QString, version);
        QFETCH(QByteArray, answer);
        QFETCH(QString, label);
        QFETCH(bool, offered);
        // A usable address from the answer before must not survive a bad one.
        check("5.0.54", UpdateServer::answer(5100, m_server.packageUrl(kPackage)));
        check(version, answer);
        QCOMPARE(status()->text(), label);
        QCOMPARE(!start()->isHidden(), offered);
        if (label == QStringLiteral("更新信息无效") || label == QStringLiteral("当前版本号无效")) {
            MessageBoxes::Answerer boxes;
            m_dialogue->on_startButton_clicked();
            QTRY_COMPARE(boxes.seen(), QStringList{"错误: 地址错误"});
            QCOMPARE(m_server.downloads(), 0);
        }
    }

    void packageFileNames_data()
    {
        QTest::addColumn<QString>("url");
        QTest::addColumn<QString>("name");
        QTest::newRow("file") << "https://h/files/" + kPackage + "?sig=1" << kPackage;
        QTest::newRow("folder") << "https://h/files/" << "Update.exe";
        QTest::newRow("parent") << "https://h/files/.." << "Update.exe";
        QTest::newRow("escaped slashes") << "https://h/files/..%2F..%2Fbin%2Fsh" << "sh";
        QTest::newRow("the executable")
            << "https://h/" + QFileInfo(QCoreApplication::applicationFilePath()).fileName()
            << "Update.exe";
    }
    void packageFileNames()
    {
        QFETCH(QString, url);
        QFETCH(QString, name);
        QCOMPARE(UpdateCheck::packageFileName(url), name);
    }

    void aWholeDownloadGoesToTheOpenerAndQuits()
    {
        const QByteArray package = randomBytes(600 * 1024);
        m_server.setPackage(package);
        check("5.0.54", UpdateServer::answer(5100, m_server.packageUrl(kPackage)));
        start()->click();
        QVERIFY(!progress()->isHidden());
        // The application's own loop, ended by the dialogue's quit or the guard.
        QTimer guard;
        connect(&guard, &QTimer::timeout, [] { QCoreApplication::exit(99); });
        guard.start(10000);
        QCOMPARE(QCoreApplication::exec(), 0);
        QCOMPARE(TestFiles::readAll(packagePath()), package);
        QVERIFY(!QFile::exists(packagePath() + ".part"));
        QCOMPARE(progress()->value(), 100);
        QTRY_COMPARE(TestFiles::readText(openerRecord()), packagePath() + "\n");
    }

    void withoutAnOpenerThePackageStaysAndIsNamed()
    {
        m_server.setPackage("package");
        check("5.0.54", UpdateServer::answer(5100, m_server.packageUrl(kPackage)));
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", "/nonexistent");
        start()->click();
        QTRY_COMPARE(status()->text(), "无法打开安装包，它已保存在：" + packagePath());
        qputenv("PATH", path);
        QCOMPARE(TestFiles::readAll(packagePath()), QByteArray("package"));
    }

    void aFailedDownloadLeavesNothingBehind_data()
    {
        QTest::addColumn<int>("cutAfter");
        QTest::addColumn<int>("fileSizeLimit");  // 0: none
        QTest::newRow("cut midway") << 300 * 1024 << 0;
        QTest::newRow("cut before the body") << 0 << 0;
        QTest::newRow("disk full") << -1 << 128 * 1024;
    }
    void aFailedDownloadLeavesNothingBehind()
    {
        QFETCH(int, cutAfter);
        QFETCH(int, fileSizeLimit);
        // An older package of the same name is no stand-in for this one.
        QVERIFY(TestFiles::writeRaw(packagePath(), "old"));
        m_server.setPackage(randomBytes(600 * 1024), cutAfter);
        check("5.0.54", UpdateServer::answer(5100, m_server.packageUrl(kPackage)));
        limitFileSize(rlim_t(fileSizeLimit));
        start()->click();
        QTRY_COMPARE(status()->text(), QStringLiteral("下载失败，请稍后重试"));
        limitFileSize(0);
        QCOMPARE(progress()->value(), 0);
        QVERIFY(!QFile::exists(packagePath()));
        QVERIFY(!QFile::exists(packagePath() + ".part"));
        QVERIFY(!start()->isHidden());
        QTest::qWait(100);
        QVERIFY(!QFile::exists(openerRecord()));
    }

    void anUnsafeAddressIsRefusedUnfetched_data()
    {
        QTest::addColumn<QString>("url");
        QTest::newRow("plain http elsewhere") << "http://198.51.100.7/files/" + kPackage;
        QTest::newRow("ftp") << "ftp://198.51.100.7/files/" + kPackage;
        QTest::newRow("local file") << "file:///etc/" + kPackage;
    }
    void anUnsafeAddressIsRefusedUnfetched()
    {
        QFETCH(QString, url);
        check("5.0.54", UpdateServer::answer(5100, url));
        start()->click();
        QCOMPARE(status()->text(), QStringLiteral("下载地址不安全，已拒绝下载"));
        QVERIFY(start()->isHidden());
        QVERIFY(!QFile::exists(packagePath() + ".part"));
    }
};

QTEST_MAIN(UpdateDialogueTest)
#include "test_update_dialogue.moc"
