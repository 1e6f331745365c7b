#include "platform/qt/DialogSupport.h"

#include <QApplication>
#include <QDialog>

#include "platform/qt/WindowTable.h"
#include "platform/win32/WindowFunctions.h"

namespace ferolan::qt {

using namespace win32;

bool CanShowDialogs() {
  return qobject_cast<QApplication*>(QCoreApplication::instance()) != nullptr;
}

HWND DialogHookCaller::Window() const { return HandleOf(&window_); }

UINT_PTR DialogHookCaller::Send(UINT msg, WPARAM wParam, LPARAM lParam) const {
  return hook_(Window(), msg, wParam, lParam);
}

int ExecWithHook(QDialog& dialog, const DialogHookCaller* hook, LPARAM initParam) {
  if (hook != nullptr) {
    // The hook may place the dialog, so it gets it at the size it will show with.
    dialog.adjustSize();
    hook->Send(WM_INITDIALOG, 0, initParam);
  }
  const int result = dialog.exec();
  if (hook != nullptr) hook->Send(WM_DESTROY, 0, 0);
  return result;
}

}  // namespace ferolan::qt
