// The file dialogs of the platform: the OPENFILENAMEA record with its flags, the notifications
// an Explorer-style dialog sends to its hook, the extended error codes, and the functions.
#pragma once

#include "platform/winapi/Types.h"

namespace ferolan::winapi {

using LPOFNHOOKPROC = UINT_PTR (*)(HWND, UINT, WPARAM, LPARAM);

struct OPENFILENAMEA {
  DWORD lStructSize;
  HWND hwndOwner;
  HINSTANCE hInstance;
  LPCSTR lpstrFilter;
  LPSTR lpstrCustomFilter;
  DWORD nMaxCustFilter;
  DWORD nFilterIndex;
  LPSTR lpstrFile;
  DWORD nMaxFile;
  LPSTR lpstrFileTitle;
  DWORD nMaxFileTitle;
  LPCSTR lpstrInitialDir;
  LPCSTR lpstrTitle;
  DWORD Flags;
  WORD nFileOffset;
  WORD nFileExtension;
  LPCSTR lpstrDefExt;
  LPARAM lCustData;
  LPOFNHOOKPROC lpfnHook;
  LPCSTR lpTemplateName;
};

// The record's size without the later extension fields, in the 32-bit layout.
inline constexpr DWORD OPENFILENAME_SIZE_VERSION_400A = 76;
static_assert(sizeof(void*) != 4 || sizeof(OPENFILENAMEA) == OPENFILENAME_SIZE_VERSION_400A);

// The WM_NOTIFY record of a file dialog.
struct OFNOTIFYA {
  NMHDR hdr;
  OPENFILENAMEA* lpOFN;
  LPSTR pszFile;
};

inline constexpr DWORD OFN_READONLY = 0x1;
inline constexpr DWORD OFN_OVERWRITEPROMPT = 0x2;
inline constexpr DWORD OFN_HIDEREADONLY = 0x4;
inline constexpr DWORD OFN_ENABLEHOOK = 0x20;
inline constexpr DWORD OFN_ENABLETEMPLATE = 0x40;
inline constexpr DWORD OFN_ALLOWMULTISELECT = 0x200;
inline constexpr DWORD OFN_PATHMUSTEXIST = 0x800;
inline constexpr DWORD OFN_FILEMUSTEXIST = 0x1000;
inline constexpr DWORD OFN_EXPLORER = 0x80000;

inline constexpr UINT CDN_FIRST = 0U - 601U;
inline constexpr UINT CDN_INITDONE = CDN_FIRST - 0;
inline constexpr UINT CDN_SELCHANGE = CDN_FIRST - 1;
inline constexpr UINT CDN_FOLDERCHANGE = CDN_FIRST - 2;
inline constexpr UINT CDN_SHAREVIOLATION = CDN_FIRST - 3;
inline constexpr UINT CDN_HELP = CDN_FIRST - 4;
inline constexpr UINT CDN_FILEOK = CDN_FIRST - 5;
inline constexpr UINT CDN_TYPECHANGE = CDN_FIRST - 6;

inline constexpr DWORD CDERR_STRUCTSIZE = 0x0001;
inline constexpr DWORD CDERR_INITIALIZATION = 0x0002;
inline constexpr DWORD CDERR_FINDRESFAILURE = 0x0006;
inline constexpr DWORD CDERR_NOHOOK = 0x000B;
inline constexpr DWORD CDERR_DIALOGFAILURE = 0xFFFF;
inline constexpr DWORD FNERR_BUFFERTOOSMALL = 0x3003;

// A resource number where the record expects a resource name.
inline LPCSTR MAKEINTRESOURCEA(int id) {
  return reinterpret_cast<LPCSTR>(static_cast<UINT_PTR>(static_cast<WORD>(id)));
}

// Show the dialog the record describes; 1 when a file was chosen, 0 for a cancel or a failure
// (CommDlgExtendedError tells which).
BOOL GetOpenFileNameA(OPENFILENAMEA* lpofn);
BOOL GetSaveFileNameA(OPENFILENAMEA* lpofn);
// The code of the last dialog failure; 0 after a success or a cancel.
DWORD CommDlgExtendedError();

// The name part of a path (after the last '/'): 0 on success, the buffer size needed when the
// buffer is too small, a negative number when the path names no file.
short GetFileTitleA(LPCSTR lpszFile, LPSTR Buf, WORD cchSize);

}  // namespace ferolan::winapi
