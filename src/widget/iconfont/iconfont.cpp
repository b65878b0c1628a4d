#include "iconfont.h"

#include <QDebug>
#include <QFile>
#include <QFontDatabase>
#include <QIconEngine>
#include <QPainter>
#include <QTextStream>

namespace {

class GlyphIconEngine : public QIconEngine
{
public:
    GlyphIconEngine(QFont font, int glyph, QColor color)
        : m_font(std::move(font)), m_glyph(glyph), m_color(color)
    {
    }

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State) override
    {
        QColor color = m_color;
        if (mode == QIcon::Disabled)
            color.setAlpha(90);
        QFont f = m_font;
        f.setPixelSize(qMax(1, qRound(rect.height() * 0.85)));
        painter->save();
        painter->setFont(f);
        painter->setPen(color);
        painter->drawText(rect, Qt::AlignCenter, QString(QChar(m_glyph)));
        painter->restore();
    }

    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        QPixmap pm(size);
        pm.fill(Qt::transparent);
        QPainter p(&pm);
        paint(&p, QRect(QPoint(0, 0), size), mode, state);
        return pm;
    }

    QIconEngine *clone() const override { return new GlyphIconEngine(m_font, m_glyph, m_color); }

private:
    QFont m_font;
    int m_glyph;
    QColor m_color;
};

int styleIndex(IconFont::Style s) { return int(s); }

}  // namespace

IconFont &IconFont::instance()
{
    static IconFont fonts;
    return fonts;
}

bool IconFont::initFontAwesome()
{
    if (m_initialised)
        return true;
    static const char *const files[3] = {
        ":/resources/fonts/fontawesome/fa-solid-900.ttf",
        ":/resources/fonts/fontawesome/fa-regular-400.ttf",
        ":/resources/fonts/fontawesome/fa-brands-400.ttf",
    };
    for (int i = 0; i < 3; ++i) {
        const int id = QFontDatabase::addApplicationFont(QLatin1String(files[i]));
        const QStringList families = QFontDatabase::applicationFontFamilies(id);
        if (families.isEmpty()) {
            qWarning() << "icon font not loaded:" << files[i];
            return false;
        }
        m_families[i] = families.first();
    }

    QFile table(QStringLiteral(":/resources/fonts/fontawesome/icons.tsv"));
    if (!table.open(QIODevice::ReadOnly | QIODevice::Text)) {
        qWarning() << "icon name table missing";
        return false;
    }
    QTextStream in(&table);
    in.setCodec("UTF-8");
    while (!in.atEnd()) {
        const QStringList cols = in.readLine().split(QLatin1Char('\t'));
        if (cols.size() != 3)
            continue;
        Entry e;
        bool ok = false;
        e.glyph = cols[1].toInt(&ok, 16);
        if (!ok)
            continue;
        const QStringList styles = cols[2].split(QLatin1Char(','));
        e.solid = styles.contains(QLatin1String("solid"));
        e.regular = styles.contains(QLatin1String("regular"));
        e.brands = styles.contains(QLatin1String("brands"));
        m_icons.insert(cols[0], e);
    }
    m_initialised = !m_icons.isEmpty();
    return m_initialised;
}

bool IconFont::resolve(const QString &names, int *glyph, Style *style) const
{
    enum Wanted { Any, Solid, Regular, Brands, Paid };
    Wanted wanted = Any;
    QString name;
    for (const QString &token : names.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (token == QLatin1String("fa-solid") || token == QLatin1String("fas"))
            wanted = Solid;
        else if (token == QLatin1String("fa-regular") || token == QLatin1String("far"))
            wanted = Regular;
        else if (token == QLatin1String("fa-brands") || token == QLatin1String("fab"))
            wanted = Brands;
        else if (token == QLatin1String("fa-light") || token == QLatin1String("fa-thin")
                 || token == QLatin1String("fa-duotone") || token == QLatin1String("fa-sharp"))
            wanted = Paid;
        else
            name = token.startsWith(QLatin1String("fa-")) ? token.mid(3) : token;
    }
    const auto it = m_icons.constFind(name);
    if (it == m_icons.cend())
        return false;
    const Entry &e = *it;
    Style chosen;
    if (wanted == Solid && e.solid)
        chosen = Style::Solid;
    else if (wanted == Regular && e.regular)
        chosen = Style::Regular;
    else if (wanted == Brands && e.brands)
        chosen = Style::Brands;
    else if (e.brands && !e.solid && !e.regular)
        chosen = Style::Brands;
    else if (wanted == Paid && e.regular)
        chosen = Style::Regular;  // the outlined look is the closest to light and thin
    else
        chosen = e.solid ? Style::Solid : Style::Regular;
    if (glyph)
        *glyph = e.glyph;
    if (style)
        *style = chosen;
    return true;
}

int IconFont::glyph(const QString &names) const
{
    int g = 0;
    return resolve(names, &g, nullptr) ? g : 0;
}

QFont IconFont::font(Style style, int pixelSize) const
{
    QFont f(m_families[styleIndex(style)]);
    f.setPixelSize(pixelSize);
    // Solid and regular share one family name and differ only by weight.
    f.setWeight(style == Style::Solid ? QFont::Black : QFont::Normal);
    f.setStyleStrategy(QFont::NoFontMerging);  // never draw another font's glyph
    return f;
}

QIcon IconFont::icon(const QString &names, const QColor &color)
{
    int g = 0;
    Style style = Style::Solid;
    if (!resolve(names, &g, &style)) {
        qWarning() << "unknown icon:" << names;
        return QIcon();
    }
    return icon(g, style, color);
}

QIcon IconFont::icon(int glyph, Style style, const QColor &color)
{
    return QIcon(new GlyphIconEngine(font(style, 16), glyph, color));
}
