#pragma once

#include <QColor>
#include <QFont>
#include <QHash>
#include <QIcon>
#include <QString>

// Icons drawn from the Font Awesome 6 Free fonts carried in the resources.
// Names are the web names ("fa-regular fa-pen-to-square", "fa-solid xmark"),
// glyphs their code points (0xF00D). Styles that only exist in the paid
// editions (light, thin, duotone, sharp) fall back to a free style.
class IconFont
{
public:
    enum class Style { Solid, Regular, Brands };

    static IconFont &instance();

    // Registers the three fonts and reads the name table; false when a font
    // or the table is missing from the resources.
    bool initFontAwesome();
    bool isInitialised() const { return m_initialised; }

    QIcon icon(const QString &names, const QColor &color = QColor(0x33, 0x33, 0x33));
    QIcon icon(int glyph, Style style = Style::Solid, const QColor &color = QColor(0x33, 0x33, 0x33));

    // The glyph and its font, for buttons and labels that draw text.
    int glyph(const QString &names) const;   // 0 when unknown
    QFont font(Style style, int pixelSize) const;

    // Resolves "fa-regular fa-pen-to-square" into a glyph and a style the
    // name exists in; false for an unknown name.
    bool resolve(const QString &names, int *glyph, Style *style) const;

private:
    IconFont() = default;

    struct Entry {
        int glyph = 0;
        bool solid = false, regular = false, brands = false;
    };
    QHash<QString, Entry> m_icons;
    QString m_families[3];
    bool m_initialised = false;
};
