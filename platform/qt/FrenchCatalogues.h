// Qt's own dialogs in French, whatever the user's locale: the program's interface is French.
#pragma once

class QCoreApplication;

namespace ferolan::qt {

// Installs Qt's French catalogue from Qt's translations folder into `application`, and makes
// French the default locale unless the user's locale is already French. Without the
// catalogue, Qt's dialogs stay in English.
void LoadFrenchCatalogues(QCoreApplication& application);

}  // namespace ferolan::qt
