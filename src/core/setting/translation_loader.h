#pragma once

class QTranslator;
class QString;

namespace UiTranslation {

// Loads the interface translation for the "sysLang" setting (or the system
// language when it is empty), falling back to English. When "sysLang" was
// empty it is filled with the loaded translation's stored language.
// Returns false when not even English could be loaded.
bool load(QTranslator &translator);

// Loads ":/i18n/sevoly_<name>.qm" by locale search for the locale called name.
bool loadForLocaleName(QTranslator &translator, const QString &name);

}  // namespace UiTranslation
