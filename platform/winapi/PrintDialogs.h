// The print and page-setup dialogs of the platform: the PRINTDLGA and PAGESETUPDLGA records
// with their flags, the device-mode and device-names blocks they return, and the functions.
#pragma once

#include <cstddef>

#include "platform/winapi/GlobalMemory.h"
#include "platform/winapi/Types.h"

namespace ferolan::winapi {

using LPPRINTHOOKPROC = UINT_PTR (*)(HWND, UINT, WPARAM, LPARAM);
using LPSETUPHOOKPROC = UINT_PTR (*)(HWND, UINT, WPARAM, LPARAM);
using LPPAGESETUPHOOK = UINT_PTR (*)(HWND, UINT, WPARAM, LPARAM);
using LPPAGEPAINTHOOK = UINT_PTR (*)(HWND, UINT, WPARAM, LPARAM);

// The 32-bit platform packs the print dialog's record to bytes; wider builds align it.
#if UINTPTR_MAX == 0xFFFFFFFFu
#pragma pack(push, 1)
#endif
struct PRINTDLGA {
  DWORD lStructSize;
  HWND hwndOwner;
  HGLOBAL hDevMode;
  HGLOBAL hDevNames;
  HDC hDC;
  DWORD Flags;
  WORD nFromPage;
  WORD nToPage;
  WORD nMinPage;
  WORD nMaxPage;
  WORD nCopies;
  HINSTANCE hInstance;
  LPARAM lCustData;
  LPPRINTHOOKPROC lpfnPrintHook;
  LPSETUPHOOKPROC lpfnSetupHook;
  LPCSTR lpPrintTemplateName;
  LPCSTR lpSetupTemplateName;
  HGLOBAL hPrintTemplate;
  HGLOBAL hSetupTemplate;
};
#if UINTPTR_MAX == 0xFFFFFFFFu
#pragma pack(pop)
#endif

struct PAGESETUPDLGA {
  DWORD lStructSize;
  HWND hwndOwner;
  HGLOBAL hDevMode;
  HGLOBAL hDevNames;
  DWORD Flags;
  POINT ptPaperSize;
  RECT rtMinMargin;
  RECT rtMargin;
  HINSTANCE hInstance;
  LPARAM lCustData;
  LPPAGESETUPHOOK lpfnPageSetupHook;
  LPPAGEPAINTHOOK lpfnPagePaintHook;
  LPCSTR lpPageSetupTemplateName;
  HGLOBAL hPageSetupTemplate;
};

// The records' sizes in the 32-bit layout.
inline constexpr DWORD PRINTDLG_SIZE = 66;
inline constexpr DWORD PAGESETUPDLG_SIZE = 84;
static_assert(sizeof(void*) != 4 || sizeof(PRINTDLGA) == PRINTDLG_SIZE);
static_assert(sizeof(void*) != 4 || sizeof(PAGESETUPDLGA) == PAGESETUPDLG_SIZE);

inline constexpr DWORD PD_ALLPAGES = 0x0;
inline constexpr DWORD PD_SELECTION = 0x1;
inline constexpr DWORD PD_PAGENUMS = 0x2;
inline constexpr DWORD PD_NOSELECTION = 0x4;
inline constexpr DWORD PD_NOPAGENUMS = 0x8;
inline constexpr DWORD PD_COLLATE = 0x10;
inline constexpr DWORD PD_PRINTTOFILE = 0x20;
inline constexpr DWORD PD_PRINTSETUP = 0x40;
inline constexpr DWORD PD_NOWARNING = 0x80;
inline constexpr DWORD PD_RETURNDC = 0x100;
inline constexpr DWORD PD_ENABLEPRINTHOOK = 0x1000;
inline constexpr DWORD PD_ENABLESETUPHOOK = 0x2000;
inline constexpr DWORD PD_ENABLEPRINTTEMPLATE = 0x4000;
inline constexpr DWORD PD_ENABLESETUPTEMPLATE = 0x8000;
inline constexpr DWORD PD_USEDEVMODECOPIES = 0x40000;
inline constexpr DWORD PD_DISABLEPRINTTOFILE = 0x80000;
inline constexpr DWORD PD_HIDEPRINTTOFILE = 0x100000;

inline constexpr DWORD PSD_MINMARGINS = 0x1;
inline constexpr DWORD PSD_MARGINS = 0x2;
inline constexpr DWORD PSD_INTHOUSANDTHSOFINCHES = 0x4;
inline constexpr DWORD PSD_INHUNDREDTHSOFMILLIMETERS = 0x8;
inline constexpr DWORD PSD_DISABLEMARGINS = 0x10;
inline constexpr DWORD PSD_DISABLEPRINTER = 0x20;
inline constexpr DWORD PSD_DISABLEORIENTATION = 0x100;
inline constexpr DWORD PSD_DISABLEPAPER = 0x200;
inline constexpr DWORD PSD_ENABLEPAGESETUPHOOK = 0x2000;
inline constexpr DWORD PSD_ENABLEPAGESETUPTEMPLATE = 0x8000;
inline constexpr DWORD PSD_ENABLEPAGEPAINTHOOK = 0x40000;

// A printer's settings as the ANSI platform lays them out, as far as the dialogs fill them.
inline constexpr std::size_t CCHDEVICENAME = 32;
inline constexpr std::size_t CCHFORMNAME = 32;
struct DEVMODEA {
  char dmDeviceName[CCHDEVICENAME];
  WORD dmSpecVersion;
  WORD dmDriverVersion;
  WORD dmSize;
  WORD dmDriverExtra;
  DWORD dmFields;
  short dmOrientation;
  short dmPaperSize;
  short dmPaperLength;  // tenths of millimetres
  short dmPaperWidth;
  short dmScale;
  short dmCopies;
  short dmDefaultSource;
  short dmPrintQuality;  // dots per inch, or one of the DMRES_ values
  short dmColor;
  short dmDuplex;
  short dmYResolution;
  short dmTTOption;
  short dmCollate;
  char dmFormName[CCHFORMNAME];
  WORD dmLogPixels;
  DWORD dmBitsPerPel;
  DWORD dmPelsWidth;
  DWORD dmPelsHeight;
  DWORD dmDisplayFlags;
  DWORD dmDisplayFrequency;
};
static_assert(offsetof(DEVMODEA, dmFormName) == 70 && sizeof(DEVMODEA) == 124);

inline constexpr WORD DM_SPECVERSION = 0x0401;
inline constexpr DWORD DM_ORIENTATION = 0x1;
inline constexpr DWORD DM_PAPERSIZE = 0x2;
inline constexpr DWORD DM_PAPERLENGTH = 0x4;
inline constexpr DWORD DM_PAPERWIDTH = 0x8;
inline constexpr DWORD DM_COPIES = 0x100;
inline constexpr DWORD DM_PRINTQUALITY = 0x400;
inline constexpr DWORD DM_COLOR = 0x800;
inline constexpr DWORD DM_DUPLEX = 0x1000;
inline constexpr DWORD DM_YRESOLUTION = 0x2000;
inline constexpr DWORD DM_COLLATE = 0x8000;
inline constexpr DWORD DM_FORMNAME = 0x10000;

inline constexpr short DMORIENT_PORTRAIT = 1;
inline constexpr short DMORIENT_LANDSCAPE = 2;
inline constexpr short DMPAPER_LETTER = 1;
inline constexpr short DMPAPER_A4 = 9;
inline constexpr short DMPAPER_USER = 256;
inline constexpr short DMCOLOR_MONOCHROME = 1;
inline constexpr short DMCOLOR_COLOR = 2;
inline constexpr short DMDUP_SIMPLEX = 1;
inline constexpr short DMDUP_VERTICAL = 2;
inline constexpr short DMDUP_HORIZONTAL = 3;
inline constexpr short DMCOLLATE_FALSE = 0;
inline constexpr short DMCOLLATE_TRUE = 1;

// The chosen printer's driver, device and output names: offsets in bytes from the block's
// start to NUL-ended texts that follow the record in the same block.
struct DEVNAMES {
  WORD wDriverOffset;
  WORD wDeviceOffset;
  WORD wOutputOffset;
  WORD wDefault;
};
inline constexpr WORD DN_DEFAULTPRN = 0x1;

// Show the dialog the record describes; non-zero when the user confirmed it, 0 for a cancel or
// a failure (CommDlgExtendedError tells which). On success the record holds new device-mode
// and device-names blocks, which the caller frees, and with PD_RETURNDC a device context,
// which the caller deletes; blocks the record held before are freed.
BOOL PrintDlgA(PRINTDLGA* pPD);
BOOL PageSetupDlgA(PAGESETUPDLGA* pPSD);
// Frees a device context that PrintDlgA returned; 0 when the handle names none.
BOOL DeleteDC(HDC hdc);

}  // namespace ferolan::winapi
