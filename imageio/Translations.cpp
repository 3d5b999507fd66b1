#include "imageio/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace kolvira {

namespace {

bool Install(const QLocale& locale, const QString& name, const QString& folder) {
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(locale, name, QStringLiteral("_"), folder) &&
        QCoreApplication::installTranslator(translator))
        return true;
    delete translator;
    return false;
}

} // namespace

bool InstallTranslations(const QLocale& locale) {
    // Qt's own (the buttons and standard dialogs) first, so that Kolvira's
    // take precedence where both translate a text.
    Install(locale, QStringLiteral("qtbase"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    return Install(locale, QStringLiteral("kolvira"), QStringLiteral(":/i18n"));
}

} // namespace kolvira
