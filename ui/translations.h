#pragma once

#include <QLocale>
#include <QString>
#include <string_view>

namespace quintix {

// Installs the program's translation for the first of the system's languages it has one for (as
// LANGUAGE, LC_ALL, LC_MESSAGES or LANG give them), and with it Qt's own for the standard dialogs
// when the system has that. Called once, after the application object and before any window. False,
// and English throughout, when the program has no translation for those languages.
bool InstallTranslations();

// The language of the installed translation ("de"); empty while the program speaks English.
QString TranslationLanguage();

// A text of the core, marked there with Translatable, in the program's language.
QString CoreText(std::string_view english);

// How the program's language writes numbers: "245.3" in English whatever the system's locale, as
// ever, and "245,3" in German; never with group separators.
QLocale NumberLocale();

}  // namespace quintix
