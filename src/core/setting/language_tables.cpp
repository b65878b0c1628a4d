#include "core/setting/language_tables.h"

#include <QDebug>
#include <QFile>
#include <QLocale>
#include <QTextStream>

#include <utility>

namespace LanguageTables {

namespace {

QString plainOrCn(const QString &country, const char *plain)
{
    const QString name = QLatin1String(plain);
    return name + (country == QLatin1String("cn") ? QStringLiteral("_cn.csv") : QStringLiteral(".csv"));
}

}  // namespace

QString fileName(int type, const QString &country, const QString &recognizer)
{
    switch (type) {
    case SpeechRecognition:
        if (recognizer == QLatin1String("microsoft"))
            return QStringLiteral("voice_identify_msWin10.csv");
        return country == QLatin1String("cn") ? QStringLiteral("voice_identify_cn_all.csv")
                                              : QStringLiteral("voice_identify.csv");
    case VoiceTranslation:
        return plainOrCn(country, "voice_translate");
    case ScreenshotRecognition:
        return plainOrCn(country, "ocr_identify");
    case ScreenshotTranslation:
        return plainOrCn(country, "ocr_translate");
    case SelectedTextRecognition:
        return plainOrCn(country, "words_identify");
    case SelectedTextTranslation:
        return plainOrCn(country, "words_translate");
    default:
        return QStringLiteral("voice_identify_cn.csv");
    }
}

QVector<QStringList> loadCsvData(const QString &path)
{
    QVector<QStringList> rows;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        qWarning() << "language table unreadable:" << path << file.errorString();
        return rows;
    }
    QTextStream in(&file);
    in.setCodec("UTF-8");  // also drops the byte-order mark
    while (!in.atEnd())
        rows.append(in.readLine().split(QLatin1Char(','), Qt::KeepEmptyParts));
    return rows;
}

QVector<QStringList> load(int type, const QString &country, const QString &recognizer)
{
    const QString path = QStringLiteral(":/data/lang/") + fileName(type, country, recognizer);
    qDebug() << "filePath:" << path << "; " << country;
    return loadCsvData(path);
}

QStringList column(const QVector<QStringList> &rows, int index)
{
    QStringList values;
    for (const QStringList &row : rows) {
        if (row.isEmpty() || (row.size() == 1 && row.first().isEmpty()))
            continue;
        values.append(row.value(index));
    }
    return values;
}

int displayColumn(const QString &sysLang)
{
    static const std::pair<QLocale, int> columns[] = {
        {QLocale(QLocale::Chinese), 2},
        {QLocale(QLocale::English), 3},
        {QLocale(QLocale::Indonesian), 4},
        {QLocale(QLocale::Korean), 5},
        {QLocale(QLocale::Chinese, QLocale::HongKong), 6},
        {QLocale(QLocale::Japanese), 7},
        {QLocale(QLocale::Vietnamese), 8},
        {QLocale(QLocale::Spanish), 10},
        {QLocale(QLocale::Russian), 14},
    };
    const QLocale locale(sysLang);
    for (const auto &entry : columns) {
        if (entry.first == locale)
            return entry.second;
    }
    return kChineseColumn;
}

int findCode(const QVector<QStringList> &rows, const QString &code)
{
    for (int i = 1; i < rows.size(); ++i) {
        if (rows.at(i).value(kCodeColumn) == code)
            return i;
    }
    return -1;
}

}  // namespace LanguageTables
