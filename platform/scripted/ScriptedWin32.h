// The window functions for tests: file dialogs answer from a script and every record they get
// is copied out; windows are rectangles that the calls read and move, and every move is kept.
#pragma once

#include <array>
#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/win32/Win32Services.h"

namespace ferolan {

class ScriptedWin32 : public win32::Win32Services {
 public:
  // A file dialog's record as it arrived, with the texts it pointed to copied out (the record's
  // own pointers are dead once the call has returned).
  struct FileNameRequest {
    win32::OPENFILENAMEA record;
    std::string filter;  // up to and with the closing double NUL
    std::string file;    // all nMaxFile bytes of the buffer
    std::string fileTitle;
    std::optional<std::string> initialDir;
    std::optional<std::string> title;
    std::optional<std::string> defExt;
  };
  struct Window {
    win32::RECT rect;
    win32::HWND parent = 0;
  };
  struct Move {
    win32::HWND hWnd;
    win32::HWND insertAfter;
    int x, y, cx, cy;
    win32::UINT flags;
    bool operator==(const Move&) const = default;
  };
  using FileDialogAnswer = std::function<win32::BOOL(win32::OPENFILENAMEA&)>;
  // A colour dialog's record as it arrived, with the custom colours it pointed to.
  struct ColorRequest {
    win32::CHOOSECOLORA record;
    std::array<win32::COLORREF, win32::kCustomColorCount> customColors;
  };
  // A font dialog's record as it arrived, with the LOGFONTA it pointed to.
  struct FontRequest {
    win32::CHOOSEFONTA record;
    win32::LOGFONTA logFont;
  };
  using ColorDialogAnswer = std::function<win32::BOOL(win32::CHOOSECOLORA&)>;
  using FontDialogAnswer = std::function<win32::BOOL(win32::CHOOSEFONTA&)>;

  // Installs itself for the process while it lives.
  ScriptedWin32();

  win32::BOOL GetOpenFileNameA(win32::OPENFILENAMEA* lpofn) override;
  win32::BOOL GetSaveFileNameA(win32::OPENFILENAMEA* lpofn) override;
  win32::DWORD CommDlgExtendedError() override { return extendedError; }
  win32::LONG SetWindowLongA(win32::HWND hWnd, int nIndex, win32::LONG dwNewLong) override;
  win32::HWND GetParent(win32::HWND hWnd) override;
  win32::BOOL GetWindowRect(win32::HWND hWnd, win32::RECT* lpRect) override;
  win32::BOOL SetWindowPos(win32::HWND hWnd, win32::HWND hWndInsertAfter, int X, int Y, int cx,
                           int cy, win32::UINT uFlags) override;
  win32::BOOL SystemParametersInfoA(win32::UINT uiAction, win32::UINT uiParam,
                                    win32::LPVOID pvParam, win32::UINT fWinIni) override;
  int GetSystemMetrics(int nIndex) override;
  win32::BOOL ChooseColorA(win32::CHOOSECOLORA* lpcc) override;
  win32::BOOL ChooseFontA(win32::CHOOSEFONTA* lpcf) override;
  win32::DWORD GetSysColor(int nIndex) override;
  // LOGPIXELSX and LOGPIXELSY of the screen: screenDpi.
  int GetDeviceCaps(win32::HDC hdc, int index) override;

  // System colour k (0 to 30) is RGB(k, 2k, 3k), that is 0x00(3k)(2k)(k); others are 0.
  static win32::COLORREF SystemColor(int nIndex);

  // The coming file dialogs, in order: each gets the live record, may fill it and call its
  // hook as the platform's dialog would, and returns the dialog's result. Once the script is
  // used up, dialogs are cancelled.
  std::deque<FileDialogAnswer> fileDialogAnswers;
  win32::DWORD extendedError = 0;
  std::vector<FileNameRequest> openRequests;
  std::vector<FileNameRequest> saveRequests;

  std::map<win32::HWND, Window> windows;
  std::optional<win32::RECT> workArea;  // none: SystemParametersInfoA fails
  int screenWidth = 1280;
  int screenHeight = 1024;
  std::vector<Move> moves;
  std::map<win32::HWND, win32::LONG> messageResults;  // DWL_MSGRESULT by window

  // The coming colour and font dialogs, scripted as the file dialogs are.
  std::deque<ColorDialogAnswer> colorDialogAnswers;
  std::deque<FontDialogAnswer> fontDialogAnswers;
  std::vector<ColorRequest> colorRequests;
  std::vector<FontRequest> fontRequests;
  int screenDpi = 96;  // 15 twips per pixel
  // The print and page-setup dialogs, scripted as the file dialogs are: an answer may put
  // blocks of its own and a device context into the record. Every record is copied as it
  // arrived, and every device context deleted is kept.
  using PrintDialogAnswer = std::function<win32::BOOL(win32::PRINTDLGA&)>;
  using PageSetupAnswer = std::function<win32::BOOL(win32::PAGESETUPDLGA&)>;
  win32::BOOL PrintDlgA(win32::PRINTDLGA* pPD) override;
  win32::BOOL PageSetupDlgA(win32::PAGESETUPDLGA* pPSD) override;
  win32::BOOL DeleteDC(win32::HDC hdc) override;
  std::deque<PrintDialogAnswer> printDialogAnswers;
  std::deque<PageSetupAnswer> pageSetupAnswers;
  std::vector<win32::PRINTDLGA> printRequests;
  std::vector<win32::PAGESETUPDLGA> pageSetupRequests;
  std::vector<win32::HDC> deletedDCs;
  // A help call as it arrived; for HELP_SETWINPOS, the record at its address copied out.
  struct HelpCall {
    win32::HWND hWnd;
    std::optional<std::string> file;
    win32::UINT command;
    win32::ULONG_PTR data;
    std::optional<win32::HELPWININFOA> position;
  };
  // What a help call answers, and the last error it leaves.
  struct HelpAnswer {
    win32::BOOL result;
    win32::DWORD lastError;
  };
  win32::BOOL WinHelpA(win32::HWND hWndMain, win32::LPCSTR lpszHelp, win32::UINT uCommand,
                       win32::ULONG_PTR dwData) override;
  // The coming help calls' answers, in order; once it is used up, calls answer 1 and leave the
  // last error alone.
  std::deque<HelpAnswer> helpAnswers;
  std::vector<HelpCall> helpCalls;

 private:
  win32::BOOL FileDialog(win32::OPENFILENAMEA* lpofn, std::vector<FileNameRequest>& requests);
  win32::Win32ServicesScope scope_;
};

}  // namespace ferolan
