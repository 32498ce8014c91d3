#include "ui/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>
#include <string>

#include "base/translatable.h"

namespace quintix {

namespace {

QString Language;

// A translator owned by the application, installed when its file is found.
bool Install(const QLocale& locale, const QString& name, const QString& folder, QString* language = nullptr) {
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (!translator->load(locale, name, QStringLiteral("_"), folder)) {
        delete translator;
        return false;
    }
    QCoreApplication::installTranslator(translator);
    if (language != nullptr) {
        *language = translator->language().section(QLatin1Char('_'), 0, 0);
    }
    return true;
}

}  // namespace

bool InstallTranslations() {
    // The default locale's languages are the system's, LANGUAGE included; the lookups go to the
    // resources compiled into the program, so English costs no file access.
    if (!Install(QLocale(), QStringLiteral("quintix"), QStringLiteral(":/i18n"), &Language)) {
        return false;
    }
    Install(QLocale(Language), QStringLiteral("qtbase"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    return true;
}

QString TranslationLanguage() {
    return Language;
}

QString CoreText(std::string_view english) {
    return QCoreApplication::translate(CoreTextContext, std::string(english).c_str());
}

QLocale NumberLocale() {
    QLocale locale = Language.isEmpty() ? QLocale::c() : QLocale(Language);
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale;
}

}  // namespace quintix
