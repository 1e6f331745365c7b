#include "platform/qt/HookCaller.h"

#include <QDialog>

#include "platform/qt/WindowTable.h"
#include "platform/winapi/WindowFunctions.h"

namespace ferolan::qt {

using namespace winapi;

HookCaller::HookCaller(Procedure procedure, QWidget& window)
    : procedure_(procedure), window_(HandleOf(&window)) {}

UINT_PTR HookCaller::Send(UINT msg, WPARAM wParam, LPARAM lParam) const {
  return procedure_(window_, msg, wParam, lParam);
}

int RunHooked(QDialog& dialog, const HookCaller* hook, const void* record) {
  if (hook != nullptr) {
    dialog.adjustSize();
    hook->Send(WM_INITDIALOG, 0, reinterpret_cast<LPARAM>(record));
  }
  const int result = dialog.exec();
  if (hook != nullptr) hook->Send(WM_DESTROY, 0, 0);
  return result;
}

}  // namespace ferolan::qt
