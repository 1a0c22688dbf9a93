#include "shell/Texts.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

void InstallTranslations(const QString& ownFolder)
{
    auto install = [](const QString& name, const QString& folder) {
        auto* texts = new QTranslator(QCoreApplication::instance());
        if (texts->load(QLocale(), name, QStringLiteral("_"), folder))
            QCoreApplication::installTranslator(texts);
        else
            delete texts;
    };
    install(QStringLiteral("qtbase"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    install(QStringLiteral("sidelines"), ownFolder);
}
