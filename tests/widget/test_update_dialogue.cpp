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

#include <QDir>
#include <QJsonDocument>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <curl/curl.h>
#include <csignal>
#include <sys/resource.h>

namespace {

const QString kPackage = QStringLiteral("talkvane_5.1.0_amd64.deb");
const QString kChecking = QStringLiteral("正在检查...");

QByteArray randomBytes(int size)
{
    QByteArray bytes(size, Qt::Uninitialized);
    for (char &c : bytes)
        c = char(QRandomGenerator::global()->bounded(256));
    return bytes;
}

// Lowers the largest file this process may write, as a full disk would stop it.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &m_old);
        m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);  // a failed write instead of a signal
        rlimit limit = m_old;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_old);
        std::signal(SIGXFSZ, m_oldHandler);
    }

private:
    rlimit m_old{};
    void (*m_oldHandler)(int) = nullptr;
};

}  // namespace

class UpdateDialogueTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase() { curl_global_cleanup(); }
    void init();

    // First: no answer has arrived yet in this process.
    void downloadBeforeAnyAnswerSaysBadAddress();
    void theQueryNamesThisProductsPackage();
    void theAnswerDecidesWhatIsOffered_data();
    void theAnswerDecidesWhatIsOffered();
    void versionNumbers_data();
    void versionNumbers();
    void packageFileNames_data();
    void packageFileNames();
    void aWholeDownloadGoesToTheOpenerAndQuits();
    void withoutAnOpenerThePackageStaysAndIsNamed();
    void aFailedDownloadLeavesNothingBehind_data();
    void aFailedDownloadLeavesNothingBehind();
    void anUnsafeAddressIsRefusedUnfetched_data();
    void anUnsafeAddressIsRefusedUnfetched();

private:
    // Runs a check of version against answer and waits until it is decided.
    void check(const QString &version, const QByteArray &answer);
    QLabel *status() const { return m_dialogue->findChild<QLabel *>("statusLabel"); }
    QPushButton *start() const { return m_dialogue->findChild<QPushButton *>("startButton"); }
    QProgressBar *progress() const { return m_dialogue->findChild<QProgressBar *>("progressBar"); }
    QString packagePath() const { return AppPaths::inAppDir(kPackage); }
    QString openerRecord() const { return m_bin.filePath("opened"); }

    UpdateServer m_server;
    UpdateDialogue *m_dialogue = nullptr;
    QTemporaryDir m_bin;
};

void UpdateDialogueTest::initTestCase()
{
    curl_global_init(CURL_GLOBAL_ALL);
    CurlWrapper::setExtraCaFile(HttpServer::caFile());
    QVERIFY(m_server.listen());
    qputenv("TALKVANE_URL_MANAGEMENT", m_server.url().toUtf8());
    // Plays the desktop's opener: writes down what it was given.
    const QString opener = m_bin.filePath("xdg-open");
    QVERIFY(TestFiles::writeRaw(opener, QStringLiteral("#!/bin/sh\nprintf '%s\\n' \"$@\" > '%1.tmp'"
                                                       " && mv '%1.tmp' '%1'\n")
                                            .arg(openerRecord()).toUtf8()));
    QVERIFY(QFile::setPermissions(opener, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    qputenv("PATH", m_bin.path().toUtf8() + ':' + qgetenv("PATH"));
    m_dialogue = UpdateDialogue::instance();
    QCOMPARE(UpdateDialogue::instance(), m_dialogue);
}

void UpdateDialogueTest::init()
{
    for (const QString &name : {kPackage, kPackage + ".part", QStringLiteral("Update.exe")})
        QFile::remove(AppPaths::inAppDir(name));
    QFile::remove(openerRecord());
    m_server.setPackage(QByteArray());
}

void UpdateDialogueTest::check(const QString &version, const QByteArray &answer)
{
    m_server.setAnswer(answer);
    const int before = m_server.queries().size();
    m_dialogue->startversion(version);
    QCOMPARE(status()->text(), kChecking);
    QTRY_COMPARE(m_server.queries().size(), before + 1);
    // The answer still has to come back to the window.
    QTest::qWait(50);
    QTRY_VERIFY(status()->text() != kChecking || !QJsonDocument::fromJson(answer).isObject());
}

void UpdateDialogueTest::downloadBeforeAnyAnswerSaysBadAddress()
{
    MessageBoxes::Answerer boxes;
    start()->click();
    QTRY_COMPARE(boxes.seen(), QStringList{"错误: 地址错误"});
    QCOMPARE(m_server.downloads(), 0);
}

void UpdateDialogueTest::theQueryNamesThisProductsPackage()
{
    check("5.0.54", UpdateServer::answer(5054, m_server.packageUrl(kPackage)));
    const HttpServer::Request seen = m_server.queries().last();
    QCOMPARE(seen.method, QByteArray("GET"));
    QCOMPARE(seen.target, QByteArray("/api/app/v1/packageUpdate?p_key=" TALKVANE_UPDATE_PRODUCT_KEY));
    QCOMPARE(seen.header("content-type"), QByteArray("application/json"));
    QVERIFY(m_dialogue->isVisible());
    QVERIFY(progress()->isHidden());
}

void UpdateDialogueTest::theAnswerDecidesWhatIsOffered_data()
{
    QTest::addColumn<QString>("version");
    QTest::addColumn<QByteArray>("answer");
    QTest::addColumn<QString>("label");
    QTest::addColumn<bool>("buttonShown");
    QTest::addColumn<bool>("addressDropped");  // a click then finds no address

    const QString url = QStringLiteral("https://packages.example.com/files/") + kPackage;
    const QByteArray record = R"("p_id":7,"last_record":{"versions":5100,"apk_url":")" + url.toUtf8() + "\"}";
    QTest::newRow("same version") << "5.0.54" << UpdateServer::answer(5054, url) << "已经是最新的了"
                                  << false << false;
    QTest::newRow("older on the server") << "5.0.54" << UpdateServer::answer(4999, url)
                                         << "已经是最新的了" << false << false;
    QTest::newRow("newer") << "5.0.54" << UpdateServer::answer(5100, url) << "检测到有最新的版本：5100"
                           << true << false;
    // The check started with the button shown; a refusal leaves it so.
    QTest::newRow("code 500") << "5.0.54" << UpdateServer::answer(5100, url, 500) << "网络错误："
                              << true << false;
    QTest::newRow("code as text") << "5.0.54" << QByteArray(R"({"code":"busy"})") << "网络错误：busy"
                                  << true << false;
    QTest::newRow("not JSON") << "5.0.54" << QByteArray("<html>502</html>") << kChecking << true
                              << false;
    QTest::newRow("no data") << "5.0.54" << QByteArray(R"({"code":200})") << "更新信息无效" << false
                             << true;
    QTest::newRow("no last record") << "5.0.54" << QByteArray(R"({"code":200,"data":{"p_id":7}})")
                                    << "更新信息无效" << false << true;
    QTest::newRow("versions as text")
        << "5.0.54" << QByteArray(R"({"code":200,"data":{"last_record":{"versions":"5100","apk_url":"x"}}})")
        << "更新信息无效" << false << true;
    QTest::newRow("fractional versions")
        << "5.0.54" << QByteArray(R"({"code":200,"data":{"last_record":{"versions":5100.5,"apk_url":"x"}}})")
        << "更新信息无效" << false << true;
    QTest::newRow("address not text")
        << "5.0.54" << QByteArray(R"({"code":200,"data":{"last_record":{"versions":5100,"apk_url":7}}})")
        << "更新信息无效" << false << true;
    QTest::newRow("letters in the running version")
        << "5.0.54-beta" << QByteArray("{\"code\":200,\"data\":{" + record + "}}") << "当前版本号无效"
        << false << true;
}

void UpdateDialogueTest::theAnswerDecidesWhatIsOffered()
{
    QFETCH(QString, version);
    QFETCH(QByteArray, answer);
    QFETCH(QString, label);
    QFETCH(bool, buttonShown);
    QFETCH(bool, addressDropped);
    if (addressDropped) {
        // An address from an earlier answer must not survive a bad one.
        check("5.0.54", UpdateServer::answer(5100, m_server.packageUrl(kPackage)));
        QVERIFY(!start()->isHidden());
    }
    check(version, answer);
    QCOMPARE(status()->text(), label);
    QCOMPARE(!start()->isHidden(), buttonShown);
    if (addressDropped) {
        MessageBoxes::Answerer boxes;
        m_dialogue->on_startButton_clicked();
        QTRY_COMPARE(boxes.seen(), QStringList{"错误: 地址错误"});
        QCOMPARE(m_server.downloads(), 0);
    }
}

void UpdateDialogueTest::versionNumbers_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<qint64>("number");
    QTest::newRow("three parts") << "5.0.54" << qint64(5054);
    QTest::newRow("two digits each") << "10.11.12" << qint64(101112);
    QTest::newRow("no dots") << "5100" << qint64(5100);
    QTest::newRow("suffix") << "5.0.54-beta" << qint64(-1);
    QTest::newRow("leading v") << "v5.0.54" << qint64(-1);
    QTest::newRow("minus") << "-5.0" << qint64(-1);
    QTest::newRow("only dots") << "..." << qint64(-1);
    QTest::newRow("empty") << "" << qint64(-1);
    QTest::newRow("too large") << "99999999999999999999" << qint64(-1);
}

void UpdateDialogueTest::versionNumbers()
{
    QFETCH(QString, text);
    QFETCH(qint64, number);
    QCOMPARE(UpdateCheck::versionNumber(text), number);
}

void UpdateDialogueTest::packageFileNames_data()
{
    QTest::addColumn<QString>("url");
    QTest::addColumn<QString>("name");
    const QString self = QFileInfo(QCoreApplication::applicationFilePath()).fileName();
    QTest::newRow("file") << "https://h/files/" + kPackage + "?sig=1" << kPackage;
    QTest::newRow("escaped") << "https://h/files/talkvane%201.deb" << "talkvane 1.deb";
    QTest::newRow("folder") << "https://h/files/" << "Update.exe";
    QTest::newRow("no path") << "https://h" << "Update.exe";
    QTest::newRow("parent") << "https://h/files/.." << "Update.exe";
    QTest::newRow("hidden") << "https://h/files/.bashrc" << "Update.exe";
    QTest::newRow("escaped slashes") << "https://h/files/..%2F..%2Fbin%2Fsh" << "sh";
    QTest::newRow("backslash") << "https://h/files/a%5Cb.deb" << "Update.exe";
    QTest::newRow("the executable") << "https://h/files/" + self << "Update.exe";
}

void UpdateDialogueTest::packageFileNames()
{
    QFETCH(QString, url);
    QFETCH(QString, name);
    QCOMPARE(UpdateCheck::packageFileName(url), name);
}

void UpdateDialogueTest::aWholeDownloadGoesToTheOpenerAndQuits()
{
    const QByteArray package = randomBytes(600 * 1024);
    m_server.setPackage(package);
    check("5.0.54", UpdateServer::answer(5100, m_server.packageUrl(kPackage)));
    QSignalSpy values(progress(), &QProgressBar::valueChanged);
    start()->click();
    QVERIFY(!progress()->isHidden());
    // The application's own loop, ended by the dialogue's quit (or the guard).
    QTimer guard;
    guard.setSingleShot(true);
    connect(&guard, &QTimer::timeout, [] { QCoreApplication::exit(99); });
    guard.start(10000);
    QCOMPARE(QCoreApplication::exec(), 0);
    QCOMPARE(TestFiles::readAll(packagePath()), package);
    QVERIFY(!QFile::exists(packagePath() + ".part"));
    QCOMPARE(progress()->value(), 100);
    QVERIFY(values.size() >= 2);
    QTRY_COMPARE(TestFiles::readText(openerRecord()), packagePath() + "\n");
}

void UpdateDialogueTest::withoutAnOpenerThePackageStaysAndIsNamed()
{
    const QByteArray package = randomBytes(64 * 1024);
    m_server.setPackage(package);
    check("5.0.54", UpdateServer::answer(5100, m_server.packageUrl(kPackage)));
    QTemporaryDir empty;
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", empty.path().toUtf8());
    start()->click();
    QTRY_COMPARE(status()->text(), "无法打开安装包，它已保存在：" + packagePath());
    qputenv("PATH", path);
    QCOMPARE(TestFiles::readAll(packagePath()), package);
    QCOMPARE(progress()->value(), 100);
}

void UpdateDialogueTest::aFailedDownloadLeavesNothingBehind_data()
{
    QTest::addColumn<int>("cutAfter");
    QTest::addColumn<int>("fileSizeLimit");  // 0: none
    QTest::newRow("cut midway") << 300 * 1024 << 0;
    QTest::newRow("cut before the body") << 0 << 0;
    QTest::newRow("disk full") << -1 << 128 * 1024;
}

void UpdateDialogueTest::aFailedDownloadLeavesNothingBehind()
{
    QFETCH(int, cutAfter);
    QFETCH(int, fileSizeLimit);
    // An older package of the same name is no stand-in for this one.
    QVERIFY(TestFiles::writeRaw(packagePath(), "old"));
    m_server.setPackage(randomBytes(600 * 1024), cutAfter);
    check("5.0.54", UpdateServer::answer(5100, m_server.packageUrl(kPackage)));
    std::unique_ptr<FileSizeLimit> limit;
    if (fileSizeLimit > 0)
        limit = std::make_unique<FileSizeLimit>(rlim_t(fileSizeLimit));
    start()->click();
    QTRY_COMPARE(status()->text(), QStringLiteral("下载失败，请稍后重试"));
    limit.reset();
    QCOMPARE(progress()->value(), 0);
    QVERIFY(!QFile::exists(packagePath()));
    QVERIFY(!QFile::exists(packagePath() + ".part"));
    QVERIFY(!start()->isHidden());
    QTest::qWait(100);
    QVERIFY(!QFile::exists(openerRecord()));
}

void UpdateDialogueTest::anUnsafeAddressIsRefusedUnfetched_data()
{
    QTest::addColumn<QString>("url");
    QTest::newRow("plain http elsewhere") << "http://198.51.100.7/files/" + kPackage;
    QTest::newRow("ftp") << "ftp://198.51.100.7/files/" + kPackage;
    QTest::newRow("local file") << "file:///etc/" + kPackage;
}

void UpdateDialogueTest::anUnsafeAddressIsRefusedUnfetched()
{
    QFETCH(QString, url);
    check("5.0.54", UpdateServer::answer(5100, url));
    QVERIFY(!start()->isHidden());
    start()->click();
    QCOMPARE(status()->text(), QStringLiteral("下载地址不安全，已拒绝下载"));
    QVERIFY(start()->isHidden());
    QVERIFY(!QFile::exists(packagePath()));
    QVERIFY(!QFile::exists(packagePath() + ".part"));
}

QTEST_MAIN(UpdateDialogueTest)
#include "test_update_dialogue.moc"
