#include "platform/qt/CommonRecordError.h"

#include <QApplication>

#include "platform/winapi/CommonDialogs.h"
#include "platform/winapi/RecordChecks.h"

namespace ferolan::qt {

using namespace winapi;

namespace {

// Dialogs need a QApplication, not only a core application.
bool CanShowDialogs() {
  return qobject_cast<QApplication*>(QCoreApplication::instance()) != nullptr;
}

}  // namespace

DWORD CommonRecordError(DWORD lStructSize, DWORD size32, std::size_t size,
                        bool hookWithoutProcedure, bool templateAsked) {
  const DWORD error = RecordError(lStructSize, size32, size, hookWithoutProcedure, templateAsked);
  if (error != 0) return error;
  return CanShowDialogs() ? 0 : CDERR_DIALOGFAILURE;
}

}  // namespace ferolan::qt
