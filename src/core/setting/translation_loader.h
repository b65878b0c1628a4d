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

// Installs translator as the interface translation in place of the one made
// current before, which is removed (not deleted). One translation at a time:
// a text the new one lacks shows its source text, not the old language.
// Qt then sends every widget a LanguageChange event.
void makeCurrent(QTranslator *translator);

}  // namespace UiTranslation
