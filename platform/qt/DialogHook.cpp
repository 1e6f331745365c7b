#include "platform/qt/DialogHook.h"

#include <QApplication>
#include <QDialog>

#include "platform/qt/WindowTable.h"
#include "platform/win32/CommonDialogs.h"
#include "platform/win32/WindowFunctions.h"

namespace ferolan::qt {

using namespace win32;

namespace {

// Dialogs need a QApplication, not only a core application.
bool CanShowDialogs() {
  return qobject_cast<QApplication*>(QCoreApplication::instance()) != nullptr;
}

}  // namespace

DialogHook::DialogHook(Procedure procedure, QWidget& window)
    : procedure_(procedure), window_(HandleOf(&window)) {}

UINT_PTR DialogHook::Send(UINT msg, WPARAM wParam, LPARAM lParam) const {
  return procedure_(window_, msg, wParam, lParam);
}

int RunHooked(QDialog& dialog, const DialogHook* hook, const void* record) {
  if (hook != nullptr) {
    dialog.adjustSize();
    hook->Send(WM_INITDIALOG, 0, reinterpret_cast<LPARAM>(record));
  }
  const int result = dialog.exec();
  if (hook != nullptr) hook->Send(WM_DESTROY, 0, 0);
  return result;
}

DWORD CommonRecordError(DWORD lStructSize, DWORD size32, std::size_t size,
                        bool hookWithoutProcedure, bool templateAsked) {
  if (lStructSize != size32 && lStructSize != size) return CDERR_STRUCTSIZE;
  if (hookWithoutProcedure) return CDERR_NOHOOK;
  // Templates are dialog resources of the platform's modules, which ours do not carry.
  if (templateAsked) return CDERR_FINDRESFAILURE;
  return CanShowDialogs() ? 0 : CDERR_DIALOGFAILURE;
}

}  // namespace ferolan::qt
