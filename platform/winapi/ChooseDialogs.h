// The colour and font dialogs of the platform: the CHOOSECOLORA, CHOOSEFONTA and LOGFONTA
// records with their flags, the font dialog's extended errors, and the two functions.
#pragma once

#include <string>
#include <string_view>

#include "platform/winapi/Types.h"

namespace ferolan::winapi {

using COLORREF = DWORD;
using HDC = int32_t;
using BYTE = uint8_t;
using LPCCHOOKPROC = UINT_PTR (*)(HWND, UINT, WPARAM, LPARAM);
using LPCFHOOKPROC = UINT_PTR (*)(HWND, UINT, WPARAM, LPARAM);

struct CHOOSECOLORA {
  DWORD lStructSize;
  HWND hwndOwner;
  HWND hInstance;
  COLORREF rgbResult;
  COLORREF* lpCustColors;  // 16 colours, read and written by the dialog
  DWORD Flags;
  LPARAM lCustData;
  LPCCHOOKPROC lpfnHook;
  LPCSTR lpTemplateName;
};

inline constexpr DWORD CHOOSECOLOR_SIZE = 36;  // the 32-bit layout
static_assert(sizeof(void*) != 4 || sizeof(CHOOSECOLORA) == CHOOSECOLOR_SIZE);
inline constexpr int kCustomColorCount = 16;

inline constexpr DWORD CC_RGBINIT = 0x1;
inline constexpr DWORD CC_FULLOPEN = 0x2;
inline constexpr DWORD CC_PREVENTFULLOPEN = 0x4;
inline constexpr DWORD CC_ENABLEHOOK = 0x10;
inline constexpr DWORD CC_ENABLETEMPLATE = 0x20;
inline constexpr DWORD CC_SOLIDCOLOR = 0x80;
inline constexpr DWORD CC_ANYCOLOR = 0x100;

inline constexpr int LF_FACESIZE = 32;

struct LOGFONTA {
  LONG lfHeight;  // negative: the character height in pixels
  LONG lfWidth;
  LONG lfEscapement;
  LONG lfOrientation;
  LONG lfWeight;
  BYTE lfItalic;
  BYTE lfUnderline;
  BYTE lfStrikeOut;
  BYTE lfCharSet;
  BYTE lfOutPrecision;
  BYTE lfClipPrecision;
  BYTE lfQuality;
  BYTE lfPitchAndFamily;
  char lfFaceName[LF_FACESIZE];
};

static_assert(sizeof(LOGFONTA) == 60);

inline constexpr LONG FW_NORMAL = 400;
inline constexpr LONG FW_SEMIBOLD = 600;
inline constexpr LONG FW_BOLD = 700;

// Writes a face name NUL-terminated, cut to the 31 bytes that leave room for the NUL without
// splitting a character.
void SetFaceName(LOGFONTA& logFont, std::string_view name);
// The face name up to its NUL, or all 32 bytes when the field holds none.
std::string FaceName(const LOGFONTA& logFont);

struct CHOOSEFONTA {
  DWORD lStructSize;
  HWND hwndOwner;
  HDC hDC;
  LOGFONTA* lpLogFont;
  int iPointSize;  // tenths of a point
  DWORD Flags;
  COLORREF rgbColors;
  LPARAM lCustData;
  LPCFHOOKPROC lpfnHook;
  LPCSTR lpTemplateName;
  HINSTANCE hInstance;
  LPSTR lpszStyle;
  WORD nFontType;
  WORD alignment;
  int nSizeMin;
  int nSizeMax;
};

inline constexpr DWORD CHOOSEFONT_SIZE = 60;  // the 32-bit layout
static_assert(sizeof(void*) != 4 || sizeof(CHOOSEFONTA) == CHOOSEFONT_SIZE);

inline constexpr DWORD CF_SCREENFONTS = 0x1;
inline constexpr DWORD CF_PRINTERFONTS = 0x2;
inline constexpr DWORD CF_ENABLEHOOK = 0x8;
inline constexpr DWORD CF_ENABLETEMPLATE = 0x10;
inline constexpr DWORD CF_INITTOLOGFONTSTRUCT = 0x40;
inline constexpr DWORD CF_EFFECTS = 0x100;
inline constexpr DWORD CF_APPLY = 0x200;
inline constexpr DWORD CF_LIMITSIZE = 0x2000;

// nFontType of a chosen font.
inline constexpr WORD BOLD_FONTTYPE = 0x100;
inline constexpr WORD ITALIC_FONTTYPE = 0x200;
inline constexpr WORD REGULAR_FONTTYPE = 0x400;
inline constexpr WORD SCREEN_FONTTYPE = 0x2000;
inline constexpr WORD PRINTER_FONTTYPE = 0x4000;

inline constexpr DWORD CFERR_NOFONTS = 0x2001;
inline constexpr DWORD CFERR_MAXLESSTHANMIN = 0x2002;

// Show the dialog the record describes; 1 when a colour or a font was chosen, 0 for a cancel
// or a failure (CommDlgExtendedError tells which).
BOOL ChooseColorA(CHOOSECOLORA* lpcc);
BOOL ChooseFontA(CHOOSEFONTA* lpcf);

}  // namespace ferolan::winapi
