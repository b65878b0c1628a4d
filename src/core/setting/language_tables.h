#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

// The language tables compiled into the resources (":/data/lang/"): one row
// per language, column 1 the code sent to the service and stored in the
// settings, columns 2 to 14 its name in each interface language. Row 0 is a
// header. Fields are split at every comma; there is no quoting.
//
// Nothing is cached: every call reads the table again, so the list always
// follows the current region and recogniser.
namespace LanguageTables {

// What a table is chosen for; the values are those of the pop-up's list types.
enum ListType {
    SpeechRecognition = 0,
    VoiceTranslation = 1,
    ScreenshotRecognition = 2,
    ScreenshotTranslation = 3,
    SelectedTextRecognition = 4,
    SelectedTextTranslation = 5,
};

constexpr int kCodeColumn = 1;
constexpr int kChineseColumn = 2;

// The table file for a list type, the "country" setting and the connected
// mouse's recogniser ("default" or "microsoft").
QString fileName(int type, const QString &country, const QString &recognizer);

// All rows of a table file, header included; none when it cannot be read.
QVector<QStringList> loadCsvData(const QString &path);

// The table for a list type: ":/data/lang/" + fileName(...), read.
QVector<QStringList> load(int type, const QString &country, const QString &recognizer);

// The column's value of every non-empty row, header included; a row too
// short for the column gives an empty string.
QStringList column(const QVector<QStringList> &rows, int index);

// The name column for an interface language (the "sysLang" setting): the
// column of the matching locale, the Simplified Chinese names otherwise.
int displayColumn(const QString &sysLang);

// Index of the first data row (1 on) whose code is code; -1 when none.
int findCode(const QVector<QStringList> &rows, const QString &code);

}  // namespace LanguageTables
