#include "platform/qt/NoSettings.h"

#include <QSettings>

namespace ferolan::qt {

void KeepNoQtSettings() {
  // Below a device file, no folder can be made, even by the administrator.
  const QString nowhere = QStringLiteral("/dev/null/ferolan");
  for (const QSettings::Scope scope : {QSettings::UserScope, QSettings::SystemScope}) {
    QSettings::setPath(QSettings::NativeFormat, scope, nowhere);
    QSettings::setPath(QSettings::IniFormat, scope, nowhere);
  }
}

}  // namespace ferolan::qt
