// The AI page talking to the application over CallBridge, through the
// page-side shim, with the page served over HTTP by a local stand-in.

#include "business/funcontrolcenter.h"
#include "core/setting/inifileinf.h"
#include "fakes/http_server.h"
#include "mainwindow.h"
#include "sim/hidsim.h"
#include "webview/aiwindow.h"
#include "webview/callbridge.h"
#include "webview/downloadmanager.h"
#include "webview/webengine_setup.h"
#include "webview/webpages.h"
#include "webview/webview.h"

#include <QElapsedTimer>
#include <QJsonDocument>
#include <QStackedWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTcpServer>
#include <QWebEnginePage>
#include <QtTest>

namespace {

// Records every event the application sends, with the time it arrived.
const char kPage[] = R"(<!DOCTYPE html><html><head><meta charset="utf-8"></head><body>
<div id="bar" style="position:absolute;left:0;top:0;width:400px;height:40px" data-app-region="drag"></div>
<script>
window.received = [];
['voiceChange', 'onSendData', 'retranslateUi'].forEach(function (name) {
  CallBridge.addEventListener(name, function (text) {
    window.received.push([name, text, Date.now()]);
  });
});
</script></body></html>)";

} // namespace

class WebBridgeTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void pageMethodsActOnTheWindow_data();
    void pageMethodsActOnTheWindow();
    void malformedCallsAreDroppedAndTheBridgeKeepsWorking();
    void queryIsAnsweredInUpperCase();
    void pageReportsItsDraggableRegion();
    void handOverSendsVoiceChangeThenOnSendData();
    void languageChangeSendsOneRetranslateUi();
    void pageDownloadToUnwritableFolderTellsTheUser();
    void meetingArguments_data();
    void meetingArguments();
    void helpPageFollowsTheModel();
    void webPagesReplaceTheirPlaceholders();
    void meetingMethodsFromThePage();
    void downloadToUnwritableFolderIsRefusedWithAMessage_data();
    void downloadToUnwritableFolderIsRefusedWithAMessage();
    void pageThatFailsToLoadIsLogged();

private:
    QVariant js(const QString &script);
    void call(const QString &script);

    HttpServer m_server{HttpServer::Transport::Plain};
    AiWindow *m_ai = nullptr;  // owned by m_main
    MainWindow *m_main = nullptr;
};

QVariant WebBridgeTest::js(const QString &script)
{
    QVariant result;
    bool done = false;
    m_ai->view()->page()->runJavaScript(script, [&](const QVariant &v) {
        result = v;
        done = true;
    });
    QElapsedTimer waited;
    waited.start();
    while (!done && waited.elapsed() < 5000)
        QTest::qWait(10);
    if (!done)
        qWarning() << "script did not answer:" << script;
    return result;
}

void WebBridgeTest::call(const QString &script)
{
    js(script + QStringLiteral("; 0"));
}

void WebBridgeTest::initTestCase()
{
    m_server.setHandler([](const HttpServer::Request &request) {
        HttpServer::Response response;
        if (request.target == "/file.bin") {
            response.body = QByteArray(1000, 'x');
            response.contentType = "application/octet-stream";
        } else if (request.target.startsWith("/talkvane/")) {
            response.body = kPage;
            response.contentType = "text/html; charset=utf-8";
        } else {
            response.status = 404;
        }
        return response;
    });
    QVERIFY(m_server.listen());
    // The window finds the page through the endpoint override, as in use.
    qputenv("TALKVANE_URL_WEBSITE", m_server.baseUrl().toUtf8());
    QCOMPARE(AiWindow::pageUrl().toString(), m_server.baseUrl() + QStringLiteral("/talkvane/"));

    QApplication::setQuitOnLastWindowClosed(false);
    hidsim_reset();
    m_main = new MainWindow;
    auto ai = std::make_unique<AiWindow>();
    m_ai = ai.get();
    QSignalSpy loaded(m_ai->view(), &QWebEngineView::loadFinished);
    m_main->setAiAssistant(std::move(ai));
    m_ai->windowShow();
    QVERIFY(QTest::qWaitForWindowExposed(m_ai));
    QTRY_VERIFY_WITH_TIMEOUT(!loaded.isEmpty(), 20000);
    QCOMPARE(loaded.first().first().toBool(), true);
    // The channel is up once the shim has a native object.
    QTRY_VERIFY_WITH_TIMEOUT(js(QStringLiteral("typeof qt !== 'undefined' && "
                                               "Array.isArray(window.received)"))
                                 .toBool(),
                             5000);
}

void WebBridgeTest::cleanupTestCase()
{
    delete m_main;
}

void WebBridgeTest::pageMethodsActOnTheWindow_data()
{
    QTest::addColumn<QString>("method");
    QTest::newRow("minimise") << "minWin";
    QTest::newRow("maximise and back") << "maxWin";
    QTest::newRow("close hides") << "closeWin";
    QTest::newRow("reload") << "reloadWin";
    QTest::newRow("diagnostic box") << "TestMethod";
    QTest::newRow("unknown is ignored") << "noSuchMethod";
}

void WebBridgeTest::pageMethodsActOnTheWindow()
{
    QFETCH(QString, method);
    m_ai->windowShow();
    QVERIFY(QTest::qWaitForWindowExposed(m_ai));
    const QRect normal = m_ai->geometry();
    QSignalSpy handled(m_ai, &AiWindow::methodHandled);
    QSignalSpy reloads(m_ai->view(), &QWebEngineView::loadFinished);
    const auto invoke = [&] {
        call(QStringLiteral("CallBridge.invokeMethod('%1', 7, 'seven', {k: [1]})").arg(method));
    };
    invoke();
    QTRY_COMPARE_WITH_TIMEOUT(handled.count(), 1, 5000);
    QCOMPARE(handled.first().first().toString(), method);

    if (method == QLatin1String("minWin")) {
        QVERIFY(m_ai->isMinimized());
    } else if (method == QLatin1String("maxWin")) {
        QTRY_VERIFY(m_ai->isMaximized());
        invoke();
        QTRY_COMPARE_WITH_TIMEOUT(handled.count(), 2, 5000);
        QTRY_VERIFY(!m_ai->isMaximized());
        QTRY_COMPARE(m_ai->geometry(), normal);
    } else if (method == QLatin1String("closeWin")) {
        QVERIFY(m_ai->isHidden());
    } else if (method == QLatin1String("reloadWin")) {
        QTRY_VERIFY_WITH_TIMEOUT(!reloads.isEmpty(), 10000);
        QTRY_VERIFY_WITH_TIMEOUT(js(QStringLiteral("typeof qt !== 'undefined'")).toBool(), 5000);
    } else if (method == QLatin1String("TestMethod")) {
        QMessageBox *box = nullptr;
        for (QWidget *w : QApplication::topLevelWidgets()) {
            if (auto *b = qobject_cast<QMessageBox *>(w); b && b->isVisible())
                box = b;
        }
        QVERIFY(box);
        QCOMPARE(box->windowTitle(), QStringLiteral("QCef InvokeMethod Notify"));
        QVERIFY(box->text().contains(QStringLiteral("Method: TestMethod")));
        QVERIFY2(box->text().contains(QStringLiteral("1 Type:QString, Value:seven")),
                 qPrintable(box->text()));
        box->close();
    } else {
        QVERIFY(m_ai->isVisible());
        QVERIFY(!m_ai->isMinimized());
    }
}

void WebBridgeTest::malformedCallsAreDroppedAndTheBridgeKeepsWorking()
{
    QSignalSpy handled(m_ai, &AiWindow::methodHandled);
    // From the page: names that are not texts.
    call(QStringLiteral("CallBridge.invokeMethod(42); CallBridge.invokeMethod(null);"
                        " CallBridge.invokeMethod({name: 'maxWin'})"));
    // Past the shim: a text where the argument list belongs.
    m_ai->view()->bridge()->invokeMethod(QStringLiteral("maxWin"), QStringLiteral("not a list"));
    call(QStringLiteral("CallBridge.invokeMethod('noSuchMethod')"));
    QTRY_COMPARE_WITH_TIMEOUT(handled.count(), 1, 5000);
    QCOMPARE(handled.first().first().toString(), QStringLiteral("noSuchMethod"));
    QVERIFY(!m_ai->isMaximized());
}

void WebBridgeTest::queryIsAnsweredInUpperCase()
{
    call(QStringLiteral("window.answer = null; cefViewQuery({request: 'hello bridge',"
                        " onSuccess: function (r) { window.answer = r; }})"));
    QTRY_COMPARE_WITH_TIMEOUT(js(QStringLiteral("window.answer")).toString(),
                              QStringLiteral("HELLO BRIDGE"), 5000);
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (auto *b = qobject_cast<QMessageBox *>(w))
            b->close();
    }
}

void WebBridgeTest::pageReportsItsDraggableRegion()
{
    QTRY_VERIFY_WITH_TIMEOUT(!m_ai->view()->draggableRegion().isEmpty(), 5000);
    QVERIFY(m_ai->view()->isDragPoint(QPoint(10, 10)));
    QVERIFY(!m_ai->view()->isDragPoint(QPoint(10, 100)));
}

void WebBridgeTest::handOverSendsVoiceChangeThenOnSendData()
{
    m_ai->hide();
    call(QStringLiteral("window.received = []"));
    const QString text = QStringLiteral("明天北京的天气 & \"quotes\"");
    QElapsedTimer clock;
    clock.start();
    emit FunControlCenter::getInstance()->voiceAICallback(text);
    QVERIFY(m_ai->isVisible());
    QTRY_COMPARE_WITH_TIMEOUT(js(QStringLiteral("window.received.length")).toInt(), 2, 6000);
    const QVariantList got = js(QStringLiteral("window.received")).toList();
    const QVariantList first = got.at(0).toList();
    const QVariantList second = got.at(1).toList();
    QCOMPARE(first.at(0).toString(), QStringLiteral("voiceChange"));
    QCOMPARE(first.at(1).toString(), text);
    QCOMPARE(second.at(0).toString(), QStringLiteral("onSendData"));
    QCOMPARE(second.at(1).toString(), text);
    const double gap = second.at(2).toDouble() - first.at(2).toDouble();
    QVERIFY2(gap >= 1400 && gap < 2500, qPrintable(QString::number(gap)));
    QVERIFY2(clock.elapsed() >= 2500, qPrintable(QString::number(clock.elapsed())));
}

void WebBridgeTest::languageChangeSendsOneRetranslateUi()
{
    IniFileInf::set_keydefine(QStringLiteral("sysLang"), QStringLiteral("ja"));
    call(QStringLiteral("window.received = []"));
    QEvent change(QEvent::LanguageChange);
    QCoreApplication::sendEvent(m_ai, &change);
    QTRY_COMPARE_WITH_TIMEOUT(js(QStringLiteral("window.received.length")).toInt(), 1, 5000);
    QTest::qWait(200);
    const QVariantList got = js(QStringLiteral("window.received")).toList();
    QCOMPARE(got.size(), 1);
    QCOMPARE(got.first().toList().at(0).toString(), QStringLiteral("retranslateUi"));
    QCOMPARE(got.first().toList().at(1).toString(), QStringLiteral("ja"));
}

void WebBridgeTest::pageDownloadToUnwritableFolderTellsTheUser()
{
    DownloadManager &downloads = DownloadManager::instance();
    downloads.watch(m_ai->view()->page()->profile());
    QString suggested;
    QString told;
    downloads.setChooser([&](const QString &path) {
        suggested = path;
        return QStringLiteral("/proc/talkvane-download.bin");
    });
    downloads.setNotifier([&](const QString &message) { told = message; });
    call(QStringLiteral("var a = document.createElement('a'); a.href = '/file.bin';"
                        " a.download = 'file.bin'; document.body.appendChild(a); a.click()"));
    QTRY_VERIFY_WITH_TIMEOUT(!told.isEmpty(), 10000);
    QVERIFY2(suggested.endsWith(QStringLiteral("file.bin")), qPrintable(suggested));
    QVERIFY2(told.contains(QStringLiteral("/proc")), qPrintable(told));
    QCOMPARE(downloads.activeCount(), 0);
}

void WebBridgeTest::meetingArguments_data()
{
    QTest::addColumn<QString>("argumentsJson");
    QTest::addColumn<QString>("parametersJson");
    QTest::addColumn<QString>("taskId");
    QTest::newRow("parameters inside the first object")
        << R"([{"parameters": {"lang": "cn", "n": 2}}, "x"])" << R"({"lang":"cn","n":2})" << "";
    QTest::newRow("object without parameters") << R"([{"lang": "cn"}])" << "{}" << "";
    QTest::newRow("no arguments") << "[]" << "{}" << "";
    QTest::newRow("task id text") << R"(["task-17"])" << "{}" << "task-17";
    QTest::newRow("task id as object") << R"([{"id": "task-17"}])" << "{}" << "";
    QTest::newRow("task id as number") << "[17]" << "{}" << "";
}

void WebBridgeTest::meetingArguments()
{
    QFETCH(QString, argumentsJson);
    QFETCH(QString, parametersJson);
    QFETCH(QString, taskId);
    const QVariantList arguments =
        QJsonDocument::fromJson(argumentsJson.toUtf8()).array().toVariantList();
    const QJsonObject expected = QJsonDocument::fromJson(parametersJson.toUtf8()).object();
    QCOMPARE(MeetingArguments::startParameters(arguments), expected);
    QCOMPARE(MeetingArguments::taskId(arguments), taskId);
}

void WebBridgeTest::helpPageFollowsTheModel()
{
    WebHelp help;
    const QString base = m_server.baseUrl();
    QCOMPARE(help.requestedUrl().toString(), base + "/helps/#/article/PX08");
    const QUrl start = help.requestedUrl();
    help.loadHelpDocument(QStringLiteral("unknown"));
    help.loadHelpDocument(QString());
    help.loadHelpDocument(QStringLiteral("PX08"));
    QCOMPARE(help.requestedUrl(), start);
    QCOMPARE(help.model(), QStringLiteral("PX08"));

    help.loadHelpDocument(QStringLiteral("PX12"));
    QCOMPARE(help.model(), QStringLiteral("PX12"));
    QVERIFY2(help.requestedUrl().toString().startsWith(base + "/helps/#/article/PX12/"),
             qPrintable(help.requestedUrl().toString()));
    help.loadHelpAi();
    QVERIFY(help.requestedUrl().toString().startsWith(base + "/helps/#/article/AI/"));
    QCOMPARE(WebAiNav::pageUrl().toString(), base + "/helps/#/ai");
    QCOMPARE(WebMeeting::pageUrl().toString(), base + "/meeting/");
}

void WebBridgeTest::webPagesReplaceTheirPlaceholders()
{
    auto *pages = m_main->findChild<QStackedWidget *>(QStringLiteral("stackedPages"));
    QVERIFY(pages);
    const int count = pages->count();
    auto *help = new WebHelp;
    auto *nav = new WebAiNav;
    auto *meeting = new WebMeeting;
    QSignalSpy helpLoaded(help->view(), &QWebEngineView::loadFinished);
    QSignalSpy navLoaded(nav->view(), &QWebEngineView::loadFinished);
    QSignalSpy meetingLoaded(meeting->view(), &QWebEngineView::loadFinished);
    m_main->setWebPages(help, nav, meeting);
    QCOMPARE(pages->count(), count);
    const int helpIndex = pages->indexOf(help);
    const int navIndex = pages->indexOf(nav);
    const int meetingIndex = pages->indexOf(meeting);
    QVERIFY(helpIndex >= 0 && navIndex == helpIndex + 1);
    QCOMPARE(meetingIndex, count - 1);

    // The header's refresh reloads every web page.
    QTRY_VERIFY_WITH_TIMEOUT(!helpLoaded.isEmpty() && !navLoaded.isEmpty()
                                 && !meetingLoaded.isEmpty(),
                             10000);
    QSignalSpy helpReload(help->view(), &QWebEngineView::loadStarted);
    QSignalSpy navReload(nav->view(), &QWebEngineView::loadStarted);
    QSignalSpy meetingReload(meeting->view(), &QWebEngineView::loadStarted);
    auto *refresh = m_main->findChild<QPushButton *>(QStringLiteral("btnAi"));
    QVERIFY(refresh);
    // The refresh ends in a modal notice; answer it from inside its loop.
    QTimer answer;
    connect(&answer, &QTimer::timeout, [] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget()))
            box->accept();
    });
    answer.start(50);
    refresh->click();
    QTRY_VERIFY_WITH_TIMEOUT(!helpReload.isEmpty() && !navReload.isEmpty()
                                 && !meetingReload.isEmpty(),
                             5000);
}

void WebBridgeTest::meetingMethodsFromThePage()
{
    WebMeeting meeting;
    meeting.view()->setHtml(QString::fromUtf8(kPage), QUrl(m_server.baseUrl() + "/meeting/"));
    QSignalSpy loaded(meeting.view(), &QWebEngineView::loadFinished);
    QTRY_VERIFY_WITH_TIMEOUT(!loaded.isEmpty(), 10000);
    QSignalSpy started(&meeting, &WebMeeting::startMeeting);
    QSignalSpy queried(&meeting, &WebMeeting::queryMeetingTask);
    QSignalSpy stopped(&meeting, &WebMeeting::stopMeeting);
    auto *page = meeting.view()->page();
    page->runJavaScript(QStringLiteral(
        "CallBridge.invokeMethod('startRecording', {parameters: {lang: 'en'}});"
        "CallBridge.invokeMethod('getTask', 'task-9');"
        "CallBridge.invokeMethod('stopAliyunMeeting');"));
    QTRY_COMPARE_WITH_TIMEOUT(stopped.count(), 1, 5000);
    QCOMPARE(started.count(), 1);
    QCOMPARE(started.first().first().value<QJsonObject>().value("lang").toString(),
             QStringLiteral("en"));
    QCOMPARE(queried.count(), 1);
    QCOMPARE(queried.first().first().toString(), QStringLiteral("task-9"));
}

void WebBridgeTest::downloadToUnwritableFolderIsRefusedWithAMessage_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("refused");
    QTest::newRow("missing folder") << "/nonexistent-talkvane/x.bin" << true;
    // Read-only even for root.
    QTest::newRow("read-only file system") << "/proc/x.bin" << true;
    QTest::newRow("a file, not a folder") << QCoreApplication::applicationFilePath() + "/x.bin"
                                          << true;
    QTest::newRow("writable") << QDir::tempPath() + "/x.bin" << false;
}

void WebBridgeTest::downloadToUnwritableFolderIsRefusedWithAMessage()
{
    QFETCH(QString, path);
    QFETCH(bool, refused);
    const QString problem = DownloadManager::targetProblem(path);
    QCOMPARE(!problem.isEmpty(), refused);
    if (refused)
        QVERIFY2(problem.contains(QFileInfo(path).absolutePath()), qPrintable(problem));
}

void WebBridgeTest::pageThatFailsToLoadIsLogged()
{
    // A port nobody listens on any more.
    QTcpServer closed;
    QVERIFY(closed.listen(QHostAddress::LocalHost));
    const QUrl url(QStringLiteral("http://127.0.0.1:%1/talkvane/").arg(closed.serverPort()));
    closed.close();

    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("onLoadError")));
    AiWindow window(url);
    QSignalSpy loaded(window.view(), &QWebEngineView::loadFinished);
    QTRY_VERIFY_WITH_TIMEOUT(!loaded.isEmpty(), 20000);
    QCOMPARE(loaded.first().first().toBool(), false);
    // Events for a page that is not there go nowhere, quietly.
    window.sendPageEvent(QStringLiteral("voiceChange"), QStringLiteral("x"));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("onLoadError")));
    window.reload();
    QTRY_VERIFY_WITH_TIMEOUT(loaded.count() >= 2, 20000);
}

int main(int argc, char **argv)
{
    WebEngineSetup::beforeApplication();
    QApplication app(argc, argv);
    WebBridgeTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_web_bridge.moc"
