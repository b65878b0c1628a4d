#pragma once

#include <QHash>
#include <QString>

using SettingsRow = QHash<QString, QString>;

// First-run settings per interface language: recognition, translation and OCR
// languages, service region, web search and the start page. Keyed by the
// stored language of the loaded translation ("zh_CN", "en_US", ...).
const QHash<QString, SettingsRow> &languageDefaults();

// Saves the row for language, or the "en_US" row when there is none.
void setLangConfig(const QString &language);
