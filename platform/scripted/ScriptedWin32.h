// The window functions for tests: file dialogs answer from a script and every record they get
// is copied out; windows are rectangles that the calls read and move, and every move is kept.
#pragma once

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
