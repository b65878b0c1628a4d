#include "core/speech/indonesian_text.h"

#include <QDebug>
#include <QHash>
#include <QRegularExpression>
#include <QStringList>

#include <climits>
#include <functional>

namespace IndonesianText {

namespace {

QString grouped(qint64 amount, const std::locale &numbers)
{
    QChar separator('.');
    int size = 3;
    const auto &punct = std::use_facet<std::numpunct<char>>(numbers);
    const std::string grouping = punct.grouping();
    if (!grouping.empty() && grouping[0] > 0 && grouping[0] != CHAR_MAX) {
        separator = QLatin1Char(punct.thousands_sep());
        size = grouping[0];
    }
    QString digits = QString::number(amount < 0 ? -amount : amount);
    for (int i = digits.size() - size; i > 0; i -= size)
        digits.insert(i, separator);
    return amount < 0 ? QLatin1Char('-') + digits : digits;
}

// "5 juta rupiah" → 5000000: the last word is the currency; "satu" is one,
// "juta" a million times what came before.
qint64 amountOf(const QString &spoken)
{
    QStringList words = spoken.toLower().split(QRegularExpression(QStringLiteral("\\s+")),
                                              Qt::SkipEmptyParts);
    if (!words.isEmpty())
        words.removeLast();
    qint64 value = 0;
    for (const QString &word : words) {
        if (word == QLatin1String("satu"))
            value = 1;
        else if (word == QLatin1String("juta"))
            value *= 1000000;
        else
            value = word.toLongLong();
    }
    return value;
}

QString replaceEach(const QString &text, const QRegularExpression &pattern,
                    const std::function<QString(const QString &)> &replacement)
{
    QString out;
    int from = 0;
    auto it = pattern.globalMatch(text);
    while (it.hasNext()) {
        const QRegularExpressionMatch m = it.next();
        out += text.midRef(from, m.capturedStart() - from);
        out += replacement(m.captured());
        from = m.capturedEnd();
    }
    out += text.midRef(from);
    return out;
}

}  // namespace

QString rupiah(qint64 amount, const std::locale &numbers)
{
    return QStringLiteral("Rp") + grouped(amount, numbers);
}

QString rewrite(const QString &text, const std::locale &numbers)
{
    static const QRegularExpression money(QStringLiteral("(satu|\\d+)\\s+juta\\s+rupiah"),
                                          QRegularExpression::CaseInsensitiveOption);
    const QString withMoney = replaceEach(text, money, [&numbers](const QString &spoken) {
        const QString written = rupiah(amountOf(spoken), numbers);
        qDebug() << "amount" << spoken << "->" << written;
        return written;
    });

    static const QRegularExpression symbols(
        QStringLiteral("\\*|/|\\bSama dengan\\b|\\bKilometer\\b|\\bHektometer\\b|\\bDekameter\\b"
                       "|\\bMeter\\b|\\bDesimeter\\b|\\bsentimeter\\b|\\bMilimeter\\b"
                       "|\\bcentimeter\\b|\\bsatu\\b|\\b1\\b"),
        QRegularExpression::CaseInsensitiveOption);
    static const QHash<QString, QString> written = {
        {"*", "x"},          {"/", ":"},          {"sama dengan", "="}, {"kilometer", "km"},
        {"hektometer", "hm"}, {"dekameter", "dam"}, {"meter", "m"},       {"desimeter", "dm"},
        {"sentimeter", "cm"}, {"centimeter", "cm"}, {"milimeter", "mm"},  {"satu", "1"},
        {"1", "1"},
    };
    const QString result = replaceEach(withMoney, symbols, [](const QString &word) {
        return written.value(word.toLower(), word);
    });
    qDebug() << "Indonesian text:" << result;
    return result;
}

}  // namespace IndonesianText
