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

#include "platform/winapi/Win32Services.h"

namespace ferolan {

class ScriptedWin32 : public winapi::Win32Services {
 public:
  // A file dialog's record as it arrived, with the texts it pointed to copied out (the record's
  // own pointers are dead once the call has returned).
  struct FileNameRequest {
    winapi::OPENFILENAMEA record;
    std::string filter;  // up to and with the closing double NUL
    std::string file;    // all nMaxFile bytes of the buffer
    std::string fileTitle;
    std::optional<std::string> initialDir;
    std::optional<std::string> title;
    std::optional<std::string> defExt;
  };
  struct Window {
    winapi::RECT rect;
    winapi::HWND parent = 0;
  };
  struct Move {
    winapi::HWND hWnd;
    winapi::HWND insertAfter;
    int x, y, cx, cy;
    winapi::UINT flags;
    bool operator==(const Move&) const = default;
  };
  using FileDialogAnswer = std::function<winapi::BOOL(winapi::OPENFILENAMEA&)>;
  // A colour dialog's record as it arrived, with the custom colours it pointed to.
  struct ColorRequest {
    winapi::CHOOSECOLORA record;
    std::array<winapi::COLORREF, winapi::kCustomColorCount> customColors;
  };
  // A font dialog's record as it arrived, with the LOGFONTA it pointed to.
  struct FontRequest {
    winapi::CHOOSEFONTA record;
    winapi::LOGFONTA logFont;
  };
  using ColorDialogAnswer = std::function<winapi::BOOL(winapi::CHOOSECOLORA&)>;
  using FontDialogAnswer = std::function<winapi::BOOL(winapi::CHOOSEFONTA&)>;

  // Installs itself for the process while it lives.
  ScriptedWin32();

  winapi::BOOL GetOpenFileNameA(winapi::OPENFILENAMEA* lpofn) override;
  winapi::BOOL GetSaveFileNameA(winapi::OPENFILENAMEA* lpofn) override;
  winapi::DWORD CommDlgExtendedError() override { return extendedError; }
  winapi::LONG SetWindowLongA(winapi::HWND hWnd, int nIndex, winapi::LONG dwNewLong) override;
  winapi::HWND GetParent(winapi::HWND hWnd) override;
  winapi::BOOL GetWindowRect(winapi::HWND hWnd, winapi::RECT* lpRect) override;
  winapi::BOOL SetWindowPos(winapi::HWND hWnd, winapi::HWND hWndInsertAfter, int X, int Y, int cx,
                            int cy, winapi::UINT uFlags) override;
  winapi::BOOL SystemParametersInfoA(winapi::UINT uiAction, winapi::UINT uiParam,
                                     winapi::LPVOID pvParam, winapi::UINT fWinIni) override;
  int GetSystemMetrics(int nIndex) override;
  winapi::BOOL ChooseColorA(winapi::CHOOSECOLORA* lpcc) override;
  winapi::BOOL ChooseFontA(winapi::CHOOSEFONTA* lpcf) override;
  winapi::DWORD GetSysColor(int nIndex) override;
  // LOGPIXELSX and LOGPIXELSY of the screen: screenDpi.
  int GetDeviceCaps(winapi::HDC hdc, int index) override;

  // System colour k (0 to 30) is RGB(k, 2k, 3k), that is 0x00(3k)(2k)(k); others are 0.
  static winapi::COLORREF SystemColor(int nIndex);

  // The coming file dialogs, in order: each gets the live record, may fill it and call its
  // hook as the platform's dialog would, and returns the dialog's result. Once the script is
  // used up, dialogs are cancelled.
  std::deque<FileDialogAnswer> fileDialogAnswers;
  winapi::DWORD extendedError = 0;
  std::vector<FileNameRequest> openRequests;
  std::vector<FileNameRequest> saveRequests;

  std::map<winapi::HWND, Window> windows;
  std::optional<winapi::RECT> workArea;  // none: SystemParametersInfoA fails
  int screenWidth = 1280;
  int screenHeight = 1024;
  std::vector<Move> moves;
  std::map<winapi::HWND, winapi::LONG> messageResults;  // DWL_MSGRESULT by window

  // The coming colour and font dialogs, scripted as the file dialogs are.
  std::deque<ColorDialogAnswer> colorDialogAnswers;
  std::deque<FontDialogAnswer> fontDialogAnswers;
  std::vector<ColorRequest> colorRequests;
  std::vector<FontRequest> fontRequests;
  int screenDpi = 96;  // 15 twips per pixel
  // The print and page-setup dialogs, scripted as the file dialogs are: an answer may put
  // blocks of its own and a device context into the record. Every record is copied as it
  // arrived, and every device context deleted is kept.
  using PrintDialogAnswer = std::function<winapi::BOOL(winapi::PRINTDLGA&)>;
  using PageSetupAnswer = std::function<winapi::BOOL(winapi::PAGESETUPDLGA&)>;
  winapi::BOOL PrintDlgA(winapi::PRINTDLGA* pPD) override;
  winapi::BOOL PageSetupDlgA(winapi::PAGESETUPDLGA* pPSD) override;
  winapi::BOOL DeleteDC(winapi::HDC hdc) override;
  std::deque<PrintDialogAnswer> printDialogAnswers;
  std::deque<PageSetupAnswer> pageSetupAnswers;
  std::vector<winapi::PRINTDLGA> printRequests;
  std::vector<winapi::PAGESETUPDLGA> pageSetupRequests;
  std::vector<winapi::HDC> deletedDCs;
  // A help call as it arrived; for HELP_SETWINPOS, the record at its address copied out.
  struct HelpCall {
    winapi::HWND hWnd;
    std::optional<std::string> file;
    winapi::UINT command;
    winapi::ULONG_PTR data;
    std::optional<winapi::HELPWININFOA> position;
  };
  // What a help call answers, and the last error it leaves.
  struct HelpAnswer {
    winapi::BOOL result;
    winapi::DWORD lastError;
  };
  winapi::BOOL WinHelpA(winapi::HWND hWndMain, winapi::LPCSTR lpszHelp, winapi::UINT uCommand,
                        winapi::ULONG_PTR dwData) override;
  // The coming help calls' answers, in order; once it is used up, calls answer 1 and leave the
  // last error alone.
  std::deque<HelpAnswer> helpAnswers;
  std::vector<HelpCall> helpCalls;

 private:
  winapi::BOOL FileDialog(winapi::OPENFILENAMEA* lpofn, std::vector<FileNameRequest>& requests);
  winapi::Win32ServicesScope scope_;
};

}  // namespace ferolan
