#include "widget/iconfont/iconfont.h"

#include <QApplication>
#include <QFontMetrics>
#include <QImage>
#include <QPixmap>
#include <QtTest>

Q_DECLARE_METATYPE(IconFont::Style)

namespace {

QImage render(const QIcon &icon, QIcon::Mode mode = QIcon::Normal)
{
    return icon.pixmap(QSize(32, 32), mode).toImage().convertToFormat(QImage::Format_ARGB32);
}

int inkedPixels(const QImage &img)
{
    int n = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            n += qAlpha(img.pixel(x, y)) > 0;
    return n;
}

int maxAlpha(const QImage &img)
{
    int best = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            best = qMax(best, qAlpha(img.pixel(x, y)));
    return best;
}

}  // namespace

class TestIconFont : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void resolvesNames_data();
    void resolvesNames();
    void unknownNames_data();
    void unknownNames();
    void glyphsAreInTheirFonts_data();
    void glyphsAreInTheirFonts();
    void iconsAreDrawn_data();
    void iconsAreDrawn();
    void distinctGlyphsAndWeightsDrawDifferently();
    void colourAndDisabledMode();
};

void TestIconFont::initTestCase()
{
    QVERIFY(IconFont::instance().initFontAwesome());
    QVERIFY(IconFont::instance().isInitialised());
    QVERIFY(IconFont::instance().initFontAwesome());  // a second call is harmless
}

void TestIconFont::resolvesNames_data()
{
    QTest::addColumn<QString>("names");
    QTest::addColumn<int>("glyph");
    QTest::addColumn<IconFont::Style>("style");

    QTest::newRow("regular") << "fa-regular fa-pen-to-square" << 0xF044 << IconFont::Style::Regular;
    QTest::newRow("solid") << "fa-solid fa-pen-to-square" << 0xF044 << IconFont::Style::Solid;
    QTest::newRow("short prefix") << "far fa-pen-to-square" << 0xF044 << IconFont::Style::Regular;
    QTest::newRow("no style given") << "fa-pen-to-square" << 0xF044 << IconFont::Style::Solid;
    QTest::newRow("brands") << "fa-brands fa-github" << 0xF09B << IconFont::Style::Brands;
    QTest::newRow("brand without style") << "fa-github" << 0xF09B << IconFont::Style::Brands;
    QTest::newRow("brand asked as solid") << "fa-solid fa-github" << 0xF09B << IconFont::Style::Brands;
    QTest::newRow("regular missing, solid used") << "fa-regular fa-xmark" << 0xF00D << IconFont::Style::Solid;
    QTest::newRow("paid style, solid only") << "fa-light fa-desktop" << 0xF390 << IconFont::Style::Solid;
    QTest::newRow("paid style, has regular") << "fa-thin fa-pen-to-square" << 0xF044
                                             << IconFont::Style::Regular;
    QTest::newRow("extra spaces") << "  fa-solid   fa-xmark " << 0xF00D << IconFont::Style::Solid;
}

void TestIconFont::resolvesNames()
{
    QFETCH(QString, names);
    QFETCH(int, glyph);
    QFETCH(IconFont::Style, style);

    int g = 0;
    IconFont::Style s = IconFont::Style::Brands;
    if (style == IconFont::Style::Brands)
        s = IconFont::Style::Solid;
    QVERIFY(IconFont::instance().resolve(names, &g, &s));
    QCOMPARE(g, glyph);
    QCOMPARE(s, style);
    QCOMPARE(IconFont::instance().glyph(names), glyph);
    QVERIFY(!IconFont::instance().icon(names).isNull());
}

void TestIconFont::unknownNames_data()
{
    QTest::addColumn<QString>("names");
    QTest::newRow("unknown") << "fa-solid fa-no-such-icon";
    QTest::newRow("style only") << "fa-regular";
    QTest::newRow("empty") << "";
}

void TestIconFont::unknownNames()
{
    QFETCH(QString, names);
    int g = 12345;
    QVERIFY(!IconFont::instance().resolve(names, &g, nullptr));
    QCOMPARE(IconFont::instance().glyph(names), 0);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^unknown icon:")));
    QVERIFY(IconFont::instance().icon(names).isNull());
}

void TestIconFont::glyphsAreInTheirFonts_data()
{
    QTest::addColumn<int>("glyph");
    QTest::addColumn<IconFont::Style>("style");
    QTest::newRow("solid xmark") << 0xF00D << IconFont::Style::Solid;
    QTest::newRow("regular pen") << 0xF044 << IconFont::Style::Regular;
    QTest::newRow("brands github") << 0xF09B << IconFont::Style::Brands;
}

void TestIconFont::glyphsAreInTheirFonts()
{
    QFETCH(int, glyph);
    QFETCH(IconFont::Style, style);
    const QFont f = IconFont::instance().font(style, 24);
    QCOMPARE(f.pixelSize(), 24);
    QVERIFY2(QFontMetrics(f).inFont(QChar(glyph)), qPrintable(QFontInfo(f).family()));
}

void TestIconFont::iconsAreDrawn_data()
{
    QTest::addColumn<QString>("names");
    QTest::newRow("regular pen") << "fa-regular fa-pen-to-square";
    QTest::newRow("solid pen") << "fa-solid fa-pen-to-square";
    QTest::newRow("paid fallback") << "fa-light fa-desktop";
    QTest::newRow("brand") << "fa-brands fa-github";
}

void TestIconFont::iconsAreDrawn()
{
    QFETCH(QString, names);
    const QImage img = render(IconFont::instance().icon(names));
    QCOMPARE(img.size(), QSize(32, 32));
    QVERIFY2(inkedPixels(img) > 40, qPrintable(QString::number(inkedPixels(img))));
}

void TestIconFont::distinctGlyphsAndWeightsDrawDifferently()
{
    IconFont &fonts = IconFont::instance();
    const QImage xmark = render(fonts.icon(0xF00D));
    const QImage penSolid = render(fonts.icon(0xF044, IconFont::Style::Solid));
    const QImage penRegular = render(fonts.icon(0xF044, IconFont::Style::Regular));

    QVERIFY(inkedPixels(xmark) > 40);
    QVERIFY(xmark != penSolid);  // a missing-glyph box would look the same for both
    // Solid and regular share a family; only the weight picks the face.
    QVERIFY(penSolid != penRegular);
    QVERIFY(inkedPixels(penSolid) > inkedPixels(penRegular));
}

void TestIconFont::colourAndDisabledMode()
{
    const QColor red(200, 0, 0);
    const QIcon icon = IconFont::instance().icon(QStringLiteral("fa-solid fa-xmark"), red);

    const QImage normal = render(icon);
    QCOMPARE(maxAlpha(normal), 255);
    bool sawRed = false;
    for (int y = 0; y < normal.height() && !sawRed; ++y)
        for (int x = 0; x < normal.width() && !sawRed; ++x)
            sawRed = normal.pixel(x, y) == red.rgba();
    QVERIFY(sawRed);

    const QImage disabled = render(icon, QIcon::Disabled);
    QVERIFY(inkedPixels(disabled) > 40);
    QVERIFY(maxAlpha(disabled) <= 90);
}

QTEST_MAIN(TestIconFont)
#include "test_iconfont.moc"
