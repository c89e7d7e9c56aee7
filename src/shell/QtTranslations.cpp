#include "shell/QtTranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QStringList>
#include <QTranslator>

namespace QtTranslations {
QStringList folders()
{
    return {QLibraryInfo::path(QLibraryInfo::TranslationsPath),
            QCoreApplication::applicationDirPath() + QStringLiteral("/translations")};
}

bool install(QCoreApplication &app)
{
    auto *translator = new QTranslator(&app);
    for (const QString &folder : folders()) {
        if (translator->load(QStringLiteral("qtbase_ru"), folder) &&
            QCoreApplication::installTranslator(translator))
            return true;
    }
    delete translator;
    return false;
}
} // namespace QtTranslations
