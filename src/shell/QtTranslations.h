#pragma once

#include <QStringList>

class QCoreApplication;

namespace QtTranslations {
// Where Qt's own Russian texts are looked for: Qt's translations folder, then a
// "translations" folder beside the program (where the Windows package puts them).
QStringList folders();
// Installs Qt's Russian translations (context menus, file dialogs, message box buttons),
// whatever the system's locale, so no standard text Qt draws stays English. Without the
// file Qt's texts stay English and Kelo runs on: false then.
bool install(QCoreApplication &app);
} // namespace QtTranslations
