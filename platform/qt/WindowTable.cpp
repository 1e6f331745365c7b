#include "platform/qt/WindowTable.h"

#include <QWidget>
#include <unordered_map>
#include <utility>

#include "platform/winapi/HandleTable.h"

namespace ferolan::qt {

using namespace winapi;

namespace {

struct Window {
  QWidget* widget;
  LONG messageResult = 0;
};

struct Windows {
  HandleTable<Window> byHandle;
  std::unordered_map<const QWidget*, HWND> byWidget;
};

Windows& Table() {
  static Windows windows;
  return windows;
}

}  // namespace

HWND HandleOf(QWidget* widget) {
  if (widget == nullptr) return 0;
  Windows& table = Table();
  if (const auto found = table.byWidget.find(widget); found != table.byWidget.end()) {
    return found->second;
  }
  const HWND hWnd = table.byHandle.Add({widget});
  table.byWidget.emplace(widget, hWnd);
  QObject::connect(widget, &QObject::destroyed, [hWnd, widget] {
    Table().byHandle.Remove(hWnd);
    Table().byWidget.erase(widget);
  });
  return hWnd;
}

QWidget* WindowOf(HWND hWnd) {
  const Window* window = Table().byHandle.Find(hWnd);
  return window == nullptr ? nullptr : window->widget;
}

LONG SetMessageResult(HWND hWnd, LONG result) {
  Window* window = Table().byHandle.Find(hWnd);
  return window == nullptr ? 0 : std::exchange(window->messageResult, result);
}

LONG MessageResult(HWND hWnd) {
  const Window* window = Table().byHandle.Find(hWnd);
  return window == nullptr ? 0 : window->messageResult;
}

}  // namespace ferolan::qt
