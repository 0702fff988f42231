#pragma once
// The language a host shows the catalogue in: English (the module's own
// texts) or a translation shipped beside the module ("kdproperties_de.qm").
// Whatever the language, the host can find the module's own text behind
// each translated one, so that scripts can name properties in English.
#include <QString>

namespace kdapp {
// "en" or "de": the requested language when given, else the locale
// (LC_ALL, LC_MESSAGES, LANG); languages without a translation are English.
QString chooseLanguage(const QString& requested);
// Shows the catalogue in the language from now on ("en" removes any
// translation). False, with the reason, when the translation is missing or
// damaged; the catalogue then stays English. Needs a QCoreApplication.
bool useLanguage(const QString& language, QString& error);
QString currentLanguage();
// The module's text behind a shown one of the context ("Farbe" under
// "property_types" is "LineColor"); the shown text when none is known.
QString sourceText(const char* context, const QString& shown);
}  // namespace kdapp
