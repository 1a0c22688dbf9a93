#pragma once

#include <QString>

// Installs the translations of the user's language (the system's locale, LANG and LANGUAGE on
// Linux) for Qt's own texts and the program's, taking the program's from ownFolder (the compiled
// ones in the resources unless a test names another). A language without a translation keeps the
// texts as written, in English. The translators belong to the application.
void InstallTranslations(const QString& ownFolder = QStringLiteral(":/i18n"));
