#include "platform/scripted/ScriptedWin32.h"

#include <algorithm>
#include <cstring>

#include "platform/winapi/DeviceCaps.h"
#include "platform/winapi/SystemColors.h"

namespace ferolan {

using namespace winapi;

namespace {

std::optional<std::string> TextOf(LPCSTR text) {
  return text == nullptr ? std::nullopt : std::optional<std::string>(text);
}

// A NUL-separated list up to and with its closing double NUL.
std::string FilterOf(LPCSTR filter) {
  if (filter == nullptr) return {};
  std::size_t length = 0;
  while (filter[length] != '\0' || filter[length + 1] != '\0') ++length;
  return std::string(filter, length + 2);
}

std::string BufferOf(LPCSTR buffer, DWORD size) {
  return buffer == nullptr ? std::string() : std::string(buffer, size);
}

// The next answer of a script, given the live record; a cancel once the script is used up.
template <class Record>
BOOL Answer(std::deque<std::function<BOOL(Record&)>>& answers, Record& record) {
  if (answers.empty()) return 0;
  const auto answer = std::move(answers.front());
  answers.pop_front();
  return answer(record);
}

}  // namespace

ScriptedWin32::ScriptedWin32() : scope_(*this) {}

BOOL ScriptedWin32::FileDialog(OPENFILENAMEA* lpofn, std::vector<FileNameRequest>& requests) {
  requests.push_back(
      {*lpofn, FilterOf(lpofn->lpstrFilter), BufferOf(lpofn->lpstrFile, lpofn->nMaxFile),
       BufferOf(lpofn->lpstrFileTitle, lpofn->nMaxFileTitle), TextOf(lpofn->lpstrInitialDir),
       TextOf(lpofn->lpstrTitle), TextOf(lpofn->lpstrDefExt)});
  return Answer(fileDialogAnswers, *lpofn);
}

BOOL ScriptedWin32::GetOpenFileNameA(OPENFILENAMEA* lpofn) {
  return FileDialog(lpofn, openRequests);
}

BOOL ScriptedWin32::GetSaveFileNameA(OPENFILENAMEA* lpofn) {
  return FileDialog(lpofn, saveRequests);
}

LONG ScriptedWin32::SetWindowLongA(HWND hWnd, int nIndex, LONG dwNewLong) {
  if (nIndex != DWL_MSGRESULT) return 0;
  LONG& value = messageResults[hWnd];
  const LONG previous = value;
  value = dwNewLong;
  return previous;
}

HWND ScriptedWin32::GetParent(HWND hWnd) {
  const auto found = windows.find(hWnd);
  return found == windows.end() ? 0 : found->second.parent;
}

BOOL ScriptedWin32::GetWindowRect(HWND hWnd, RECT* lpRect) {
  const auto found = windows.find(hWnd);
  if (found == windows.end()) return 0;
  *lpRect = found->second.rect;
  return 1;
}

BOOL ScriptedWin32::SetWindowPos(HWND hWnd, HWND hWndInsertAfter, int X, int Y, int cx, int cy,
                                 UINT uFlags) {
  moves.push_back({hWnd, hWndInsertAfter, X, Y, cx, cy, uFlags});
  const auto found = windows.find(hWnd);
  if (found == windows.end()) return 0;
  RECT& rect = found->second.rect;
  const LONG width = (uFlags & SWP_NOSIZE) ? rect.right - rect.left : cx;
  const LONG height = (uFlags & SWP_NOSIZE) ? rect.bottom - rect.top : cy;
  if (!(uFlags & SWP_NOMOVE)) {
    rect.left = X;
    rect.top = Y;
  }
  rect.right = rect.left + width;
  rect.bottom = rect.top + height;
  return 1;
}

BOOL ScriptedWin32::SystemParametersInfoA(UINT uiAction, UINT, LPVOID pvParam, UINT) {
  if (uiAction != SPI_GETWORKAREA || !workArea) return 0;
  std::memcpy(pvParam, &*workArea, sizeof(RECT));
  return 1;
}

int ScriptedWin32::GetSystemMetrics(int nIndex) {
  switch (nIndex) {
    case SM_CXSCREEN:
      return screenWidth;
    case SM_CYSCREEN:
      return screenHeight;
    default:
      return 0;
  }
}

BOOL ScriptedWin32::ChooseColorA(CHOOSECOLORA* lpcc) {
  ColorRequest request{*lpcc, {}};
  if (lpcc->lpCustColors != nullptr) {
    std::copy_n(lpcc->lpCustColors, request.customColors.size(), request.customColors.begin());
  }
  colorRequests.push_back(request);
  return Answer(colorDialogAnswers, *lpcc);
}

BOOL ScriptedWin32::ChooseFontA(CHOOSEFONTA* lpcf) {
  fontRequests.push_back({*lpcf, lpcf->lpLogFont == nullptr ? LOGFONTA{} : *lpcf->lpLogFont});
  return Answer(fontDialogAnswers, *lpcf);
}

COLORREF ScriptedWin32::SystemColor(int nIndex) {
  if (nIndex < 0 || nIndex > COLOR_MENUBAR) return 0;
  const auto k = static_cast<COLORREF>(nIndex);
  return k | (2 * k) << 8 | (3 * k) << 16;
}

DWORD ScriptedWin32::GetSysColor(int nIndex) { return SystemColor(nIndex); }

int ScriptedWin32::GetDeviceCaps(HDC hdc, int index) {
  return hdc == kScreenDC && (index == LOGPIXELSX || index == LOGPIXELSY) ? screenDpi : 0;
}

BOOL ScriptedWin32::PrintDlgA(PRINTDLGA* pPD) {
  printRequests.push_back(*pPD);
  return Answer(printDialogAnswers, *pPD);
}

BOOL ScriptedWin32::PageSetupDlgA(PAGESETUPDLGA* pPSD) {
  pageSetupRequests.push_back(*pPSD);
  return Answer(pageSetupAnswers, *pPSD);
}

BOOL ScriptedWin32::DeleteDC(HDC hdc) {
  deletedDCs.push_back(hdc);
  return hdc != 0;
}

}  // namespace ferolan
