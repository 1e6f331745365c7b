#include "platform/qt/QtWin32Services.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>

#include "platform/qt/ColorDialog.h"
#include "platform/qt/DeviceContexts.h"
#include "platform/qt/FileDialog.h"
#include "platform/qt/FontDialog.h"
#include "platform/qt/PageSetupDialog.h"
#include "platform/qt/PaletteColors.h"
#include "platform/qt/PrintDialog.h"
#include "platform/qt/WinHelp.h"
#include "platform/qt/WindowFrame.h"
#include "platform/qt/WindowTable.h"
#include "platform/winapi/DeviceCaps.h"

namespace ferolan::qt {

using namespace winapi;

namespace {

// A dialog given no record fails as the platform's does; otherwise `show` runs it.
template <class Record, class Show>
BOOL ShowRecord(Record* record, DWORD& extendedError, Show show) {
  if (record == nullptr) {
    extendedError = CDERR_INITIALIZATION;
    return 0;
  }
  return show(*record, extendedError);
}

RECT RectOf(const QRect& rect) {
  return {rect.left(), rect.top(), rect.left() + rect.width(), rect.top() + rect.height()};
}

// A window's rectangle includes its frame; a child's is its own area, in screen pixels.
QRect ScreenRect(const QWidget& widget) {
  if (widget.isWindow()) return FrameRect(widget);
  return {widget.mapToGlobal(QPoint(0, 0)), widget.size()};
}

// The platform sizes a window with its frame, Qt without.
void ResizeOuter(QWidget& widget, int cx, int cy) {
  const QMargins frame = widget.isWindow() ? FrameMargins(widget) : QMargins();
  widget.resize(std::max(cx - frame.left() - frame.right(), 0),
                std::max(cy - frame.top() - frame.bottom(), 0));
}

void Stack(QWidget& widget, HWND hWndInsertAfter) {
  if (hWndInsertAfter == HWND_TOP) {
    widget.raise();
  } else if (hWndInsertAfter == HWND_BOTTOM) {
    widget.lower();
  } else if (QWidget* above = WindowOf(hWndInsertAfter)) {
    widget.stackUnder(above);
  }
}

}  // namespace

QtWin32Services::QtWin32Services() : scope_(*this) {}

BOOL QtWin32Services::FileDialog(OPENFILENAMEA* lpofn, bool save) {
  const FileDialogKind kind = save ? FileDialogKind::kSave : FileDialogKind::kOpen;
  return ShowRecord(lpofn, extendedError_, [kind](OPENFILENAMEA& ofn, DWORD& extendedError) {
    return ShowFileDialog(ofn, kind, extendedError);
  });
}

BOOL QtWin32Services::GetOpenFileNameA(OPENFILENAMEA* lpofn) { return FileDialog(lpofn, false); }

BOOL QtWin32Services::GetSaveFileNameA(OPENFILENAMEA* lpofn) { return FileDialog(lpofn, true); }

LONG QtWin32Services::SetWindowLongA(HWND hWnd, int nIndex, LONG dwNewLong) {
  return nIndex == DWL_MSGRESULT ? SetMessageResult(hWnd, dwNewLong) : 0;
}

HWND QtWin32Services::GetParent(HWND hWnd) {
  const QWidget* widget = WindowOf(hWnd);
  return widget == nullptr ? 0 : HandleOf(widget->parentWidget());
}

BOOL QtWin32Services::GetWindowRect(HWND hWnd, RECT* lpRect) {
  const QWidget* widget = WindowOf(hWnd);
  if (widget == nullptr || lpRect == nullptr) return 0;
  *lpRect = RectOf(ScreenRect(*widget));
  return 1;
}

BOOL QtWin32Services::SetWindowPos(HWND hWnd, HWND hWndInsertAfter, int X, int Y, int cx, int cy,
                                   UINT uFlags) {
  QWidget* widget = WindowOf(hWnd);
  if (widget == nullptr) return 0;
  // A window moves by its frame on the screen, a child within its parent, as on the platform.
  if (!(uFlags & SWP_NOMOVE)) {
    if (widget->isWindow()) {
      MoveFrame(*widget, {X, Y});
    } else {
      widget->move(X, Y);
    }
  }
  if (!(uFlags & SWP_NOSIZE)) ResizeOuter(*widget, cx, cy);
  if (!(uFlags & SWP_NOZORDER)) Stack(*widget, hWndInsertAfter);
  if (uFlags & SWP_SHOWWINDOW) widget->show();
  if (uFlags & SWP_HIDEWINDOW) widget->hide();
  if (!(uFlags & SWP_NOACTIVATE) && widget->isWindow() && widget->isVisible()) {
    widget->activateWindow();
  }
  return 1;
}

BOOL QtWin32Services::SystemParametersInfoA(UINT uiAction, UINT, LPVOID pvParam, UINT) {
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (uiAction != SPI_GETWORKAREA || pvParam == nullptr || screen == nullptr) return 0;
  *static_cast<RECT*>(pvParam) = RectOf(screen->availableGeometry());
  return 1;
}

int QtWin32Services::GetSystemMetrics(int nIndex) {
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (screen == nullptr) return 0;
  switch (nIndex) {
    case SM_CXSCREEN:
      return screen->geometry().width();
    case SM_CYSCREEN:
      return screen->geometry().height();
    default:
      return 0;
  }
}

BOOL QtWin32Services::ChooseColorA(CHOOSECOLORA* lpcc) {
  return ShowRecord(lpcc, extendedError_, ShowColorDialog);
}

BOOL QtWin32Services::ChooseFontA(CHOOSEFONTA* lpcf) {
  return ShowRecord(lpcf, extendedError_, ShowFontDialog);
}

DWORD QtWin32Services::GetSysColor(int nIndex) { return PaletteColor(nIndex); }

int QtWin32Services::GetDeviceCaps(HDC hdc, int index) {
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (hdc != kScreenDC || screen == nullptr) return 0;
  switch (index) {
    case LOGPIXELSX:
      return qRound(screen->logicalDotsPerInchX());
    case LOGPIXELSY:
      return qRound(screen->logicalDotsPerInchY());
    default:
      return 0;
  }
}

BOOL QtWin32Services::PrintDlgA(PRINTDLGA* pPD) {
  return ShowRecord(pPD, extendedError_, ShowPrintDialog);
}

BOOL QtWin32Services::PageSetupDlgA(PAGESETUPDLGA* pPSD) {
  return ShowRecord(pPSD, extendedError_, ShowPageSetupDialog);
}

BOOL QtWin32Services::DeleteDC(HDC hdc) { return DeletePrinterContext(hdc); }

BOOL QtWin32Services::WinHelpA(HWND hWndMain, LPCSTR lpszHelp, UINT uCommand, ULONG_PTR dwData) {
  return WinHelp(hWndMain, lpszHelp, uCommand, dwData);
}

}  // namespace ferolan::qt
