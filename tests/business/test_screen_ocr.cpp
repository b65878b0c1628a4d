// Screenshot text recognition in the control center: the capture's ocr.png
// goes to the OCR service the country picks (stand-ins over TLS), the text is
// shown in the result window and, for the translate button, translated by
// the country's translator; empty results and failures are shown as messages.

#include "business/funcontrolcenter.h"
#include "core/config/endpoints.h"
#include "core/ocr/microsoftocr.h"
#include "core/ocr/xunfeiocr.h"
#include "core/setting/inifileinf.h"
#include "core/translator/microsofttranslator.h"
#include "core/translator/xunfeitranslator.h"
#include "curl/curlwrapper.h"
#include "fakes/ocr_servers.h"
#include "fakes/translator_servers.h"
#include "sim/hidsim.h"
#include "support/files.h"
#include "support/recording/recording_backends.h"
#include "utils/app_paths.h"
#include "widget/iconfont/iconfont.h"
#include "widget/tradialogue.h"

#include <QImage>
#include <QPainter>
#include <QSignalSpy>
#include <QtTest>

#include <curl/curl.h>

namespace {

// One ocrCallback: the text and the scene it was shown for.
struct Shown {
    QString text;
    int scene;
};

constexpr int kWaitMs = FunControlCenter::kOcrStartDelayMs + 4000;

}  // namespace

class ScreenOcrTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase() { curl_global_cleanup(); }
    void init();
    void recognisedTextIsShownAndTranslated_data();
    void recognisedTextIsShownAndTranslated();
    void failuresAreShown_data();
    void failuresAreShown();

private:
    int ocrRequests() const { return m_azure.requestCount() + m_iflytekOcr.requestCount(); }
    int translations() const { return m_msTranslator.requestCount() + m_iflytekTranslator.requestCount(); }

    AzureOcrServer m_azure;
    IflytekOcrServer m_iflytekOcr;
    MicrosoftTranslatorServer m_msTranslator;
    IflytekTranslatorServer m_iflytekTranslator;
    std::shared_ptr<FunControlCenter> m_center;
    QVector<Shown> m_shown;
    QStringList m_translated;
    QByteArray m_png;
};

void ScreenOcrTest::initTestCase()
{
    curl_global_init(CURL_GLOBAL_ALL);
    CurlWrapper::setExtraCaFile(HttpServer::caFile());
    platform::recording::install();
    QVERIFY(IconFont::instance().initFontAwesome());
    hidsim_reset();
    QVERIFY(m_azure.listen() && m_iflytekOcr.listen() && m_msTranslator.listen()
            && m_iflytekTranslator.listen());
    m_azure.setKey("azureocrkey");
    m_iflytekOcr.setCredentials("ocrapp", "ocrkey", "ocrsecret");
    m_msTranslator.setKey("mskey", BuiltInCredentials::translatorMicrosoftRegion());
    m_iflytekTranslator.setCredentials("otsapp", "otskey", "otssecret");
    qputenv("TALKVANE_URL_OCR_AZURE", m_azure.url().toUtf8());
    qputenv("TALKVANE_URL_OCR_IFLYTEK", m_iflytekOcr.url().toUtf8());
    qputenv("TALKVANE_URL_TRANSLATOR_MICROSOFT", m_msTranslator.url().toUtf8());
    qputenv("TALKVANE_URL_TRANSLATOR_IFLYTEK", m_iflytekTranslator.url().toUtf8());
    IniFileInf::saveAllConfig({{"country", "us"}, {"ocrtargetlangstr", "en"},
                               {"translatelangstr", "ja"}});

    m_center = FunControlCenter::getInstance();
    m_center->microsoftOcr()->setKeys({}, "azureocrkey", {});
    m_center->xunfeiOcr()->setKeys("ocrapp", "ocrkey", "ocrsecret");
    m_center->microsoftTranslator()->setKeys({}, "mskey", {});
    m_center->xunfeiTranslator()->setKeys("otsapp", "otskey", "otssecret");
    connect(m_center.get(), &FunControlCenter::ocrCallback, this,
            [this](const QString &text, SENCE_TYPE scene) { m_shown.append({text, int(scene)}); });
    connect(m_center.get(), &FunControlCenter::ocrTraCallback, this,
            [this](const QString &text) { m_translated << text; });

    // What the capture tool leaves beside the executable.
    QImage image(160, 48, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter(&image).fillRect(8, 16, 100, 14, Qt::darkBlue);
    QVERIFY(image.save(AppPaths::inDataDir("ocr.png"), "PNG"));
    m_png = TestFiles::readAll(AppPaths::inDataDir("ocr.png"));
}

void ScreenOcrTest::init()
{
    m_shown.clear();
    m_translated.clear();
    m_azure.setAnswer(OcrServer::Answer::Text);
    m_iflytekOcr.setAnswer(OcrServer::Answer::Text);
    m_msTranslator.setAnswer(TranslatorServer::Answer::Translate);
    m_iflytekTranslator.setAnswer(TranslatorServer::Answer::Translate);
}

void ScreenOcrTest::recognisedTextIsShownAndTranslated_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("country");
    QTest::addColumn<int>("scene");
    QTest::addColumn<QString>("target");  // empty: not translated
    QTest::newRow("recognise, cn: iFlytek") << 2 << "cn" << int(SENCE_OCR) << "";
    QTest::newRow("recognise, elsewhere: Azure") << 2 << "us" << int(SENCE_OCR) << "";
    QTest::newRow("translate, cn: iFlytek twice") << 1 << "cn" << int(SENCE_OCR_TRA) << "en";
    QTest::newRow("translate, elsewhere: Azure and Microsoft") << 1 << "us" << int(SENCE_OCR_TRA) << "de";
}

void ScreenOcrTest::recognisedTextIsShownAndTranslated()
{
    QFETCH(int, type);
    QFETCH(QString, country);
    QFETCH(int, scene);
    QFETCH(QString, target);
    const bool cn = country == "cn";
    IniFileInf::set_keydefine("country", country);
    if (!target.isEmpty())
        IniFileInf::set_keydefine("ocrtargetlangstr", target);
    OcrServer &ocr = cn ? static_cast<OcrServer &>(m_iflytekOcr) : m_azure;
    ocr.setText("屏幕上的字");
    const int azure = m_azure.requestCount();
    const int iflytek = m_iflytekOcr.requestCount();
    const int msTranslations = m_msTranslator.requestCount();
    const int iflytekTranslations = m_iflytekTranslator.requestCount();
    QSignalSpy finished(m_center.get(), &FunControlCenter::finishTask);

    m_center->ocrRequested(type);
    QCOMPARE(int(m_center->sence()), scene);
    QCOMPARE(m_center->xunfeiOcr()->imageFilePath(), AppPaths::inDataDir("ocr.png"));
    QCOMPARE(m_center->microsoftOcr()->imageFilePath(), AppPaths::inDataDir("ocr.png"));
    QTest::qWait(FunControlCenter::kOcrStartDelayMs / 2);
    QCOMPARE(ocrRequests(), azure + iflytek);  // the capture is given time to finish

    QTRY_COMPARE_WITH_TIMEOUT(m_shown.size(), 1, kWaitMs);
    QCOMPARE(m_shown.first().text, QStringLiteral("屏幕上的字"));
    QCOMPARE(m_shown.first().scene, scene);
    QCOMPARE(m_azure.requestCount() - azure, cn ? 0 : 1);
    QCOMPARE(m_iflytekOcr.requestCount() - iflytek, cn ? 1 : 0);
    QCOMPARE(ocr.lastImage(), m_png);
    const auto window = TraDialogue::instance();
    QCOMPARE(window->sourceText(), QStringLiteral("屏幕上的字"));

    if (target.isEmpty()) {
        QTRY_COMPARE(finished.size(), 1);
        QCOMPARE(window->titleText(), QStringLiteral("图片识别-文字识别"));
        QCOMPARE(translations(), msTranslations + iflytekTranslations);
        QCOMPARE(m_translated.size(), 0);
        return;
    }
    QTRY_COMPARE(m_translated.size(), 1);
    QCOMPARE(m_translated.first(), "[" + target + "] 屏幕上的字");
    QCOMPARE(m_iflytekTranslator.requestCount() - iflytekTranslations, cn ? 1 : 0);
    QCOMPARE(m_msTranslator.requestCount() - msTranslations, cn ? 0 : 1);
    QCOMPARE(window->titleText(), QStringLiteral("图片识别-文字翻译"));
    QCOMPARE(window->targetText(), m_translated.first());
    QTRY_COMPARE(finished.size(), 1);
}

void ScreenOcrTest::failuresAreShown_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("ocrAnswer");
    QTest::addColumn<int>("translatorAnswer");
    QTest::addColumn<QString>("shown");       // in the source text
    QTest::addColumn<QString>("translated");  // in the target text, empty when not reached
    const int text = int(OcrServer::Answer::Text);
    const int translate = int(TranslatorServer::Answer::Translate);
    QTest::newRow("nothing recognised") << 1 << int(OcrServer::Answer::Raw) << translate
                                        << "未识别到文字" << "";
    QTest::newRow("OCR service down") << 1 << int(OcrServer::Answer::Status500) << translate
        << CloudOCR::failureMessage({HttpResult::Outcome::HttpError, 500}) << "";
    QTest::newRow("OCR answer unreadable") << 2 << int(OcrServer::Answer::NotJson) << translate
                                           << CloudOCR::unexpectedAnswerMessage() << "";
    QTest::newRow("translation fails: the text stays")
        << 1 << text << int(TranslatorServer::Answer::Status429) << "看得见"
        << CloudTranslator::failureMessage({HttpResult::Outcome::HttpError, 429});
}

void ScreenOcrTest::failuresAreShown()
{
    QFETCH(int, type);
    QFETCH(int, ocrAnswer);
    QFETCH(int, translatorAnswer);
    QFETCH(QString, shown);
    QFETCH(QString, translated);
    IniFileInf::set_keydefine("country", "us");
    m_azure.setText("看得见");
    if (OcrServer::Answer(ocrAnswer) == OcrServer::Answer::Raw)
        m_azure.setRawAnswer(R"({"language":"unk","regions":[]})");
    else
        m_azure.setAnswer(OcrServer::Answer(ocrAnswer));
    m_msTranslator.setAnswer(TranslatorServer::Answer(translatorAnswer));
    const int translationsBefore = translations();

    m_center->ocrRequested(type);
    QTRY_COMPARE_WITH_TIMEOUT(m_shown.size(), 1, kWaitMs);
    QCOMPARE(m_shown.first().text, shown);
    const auto window = TraDialogue::instance();
    QCOMPARE(window->sourceText(), shown);
    QVERIFY(window->isVisible());
    if (translated.isEmpty()) {
        QTest::qWait(600);  // a translation or a late signal would be here by now
        QCOMPARE(translations(), translationsBefore);
        QCOMPARE(m_translated.size(), 0);
        QCOMPARE(m_shown.size(), 1);
        return;
    }
    QTRY_COMPARE(m_translated.size(), 1);
    QCOMPARE(m_translated.first(), translated);
    QCOMPARE(window->targetText(), translated);
    QCOMPARE(window->sourceText(), shown);
}

QTEST_MAIN(ScreenOcrTest)
#include "test_screen_ocr.moc"
