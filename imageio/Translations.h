// The programs speak the user's language: their own texts and Qt's standard
// dialogs are translated where a translation for it exists, English stays
// otherwise.
#pragma once

#include <QLocale>

namespace kolvira {

// Installs, into the running application object, the translations for the
// languages `locale` asks for (its own, then the user's fallbacks such as
// LANGUAGE=de:fr), Kolvira's compiled in and Qt's from the system. Returns
// whether Kolvira's own were found.
bool InstallTranslations(const QLocale& locale = QLocale::system());

} // namespace kolvira
