#include "platform/qt/RecordChecks.h"

#include <QApplication>

#include "platform/win32/CommonDialogs.h"

namespace ferolan::qt {

using namespace win32;

namespace {

// Dialogs need a QApplication, not only a core application.
bool CanShowDialogs() {
  return qobject_cast<QApplication*>(QCoreApplication::instance()) != nullptr;
}

}  // namespace

DWORD CommonRecordError(DWORD lStructSize, DWORD size32, std::size_t size,
                        bool hookWithoutProcedure, bool templateAsked) {
  if (lStructSize != size32 && lStructSize != size) return CDERR_STRUCTSIZE;
  if (hookWithoutProcedure) return CDERR_NOHOOK;
  // Templates are dialog resources of the platform's modules, which ours do not carry.
  if (templateAsked) return CDERR_FINDRESFAILURE;
  return CanShowDialogs() ? 0 : CDERR_DIALOGFAILURE;
}

}  // namespace ferolan::qt
