// The worker behind cCommonDialog: one function per platform dialog, which fills the
// platform's record from by-reference settings, shows the dialog and writes the results back
// into the same settings; and the dispatch of a hooked dialog's messages to the event sink.
#pragma once

#include <array>
#include <cstdint>
#include <exception>
#include <functional>
#include <string>

#include "commondialog/DialogEventSink.h"
#include "commondialog/PrinterObject.h"
#include "commondialog/StdFont.h"
#include "platform/winapi/Types.h"

namespace ferolan {

class GCommonDialog {
 public:
  GCommonDialog() = default;
  GCommonDialog(const GCommonDialog&) = delete;
  GCommonDialog& operator=(const GCommonDialog&) = delete;

  // The open dialog. True when a file was chosen; otherwise the file settings are emptied,
  // `flags` is 0 and `FilterIndex` -1. A preset name longer than its buffer raises 5 and a
  // filter longer than 32,767 bytes raises 6, before any dialog is shown.
  bool VBGetOpenFileName2(std::string& Filename, std::string& FileTitle, bool& FileMustExist,
                          bool& MultiSelect, bool& ReadOnly, bool& HideReadOnly,
                          std::string& Filter, int32_t& FilterIndex, const std::string& InitDir,
                          const std::string& DlgTitle, const std::string& DefaultExt, int32_t Owner,
                          int32_t& flags, bool Hook, int32_t hInstance, int32_t TemplateName,
                          DialogEventSink* EventSink);
  // The same without a custom template: OFN_ENABLETEMPLATE is cleared in `flags`.
  bool VBGetOpenFileName(std::string& Filename, std::string& FileTitle, bool& FileMustExist,
                         bool& MultiSelect, bool& ReadOnly, bool& HideReadOnly, std::string& Filter,
                         int32_t& FilterIndex, const std::string& InitDir,
                         const std::string& DlgTitle, const std::string& DefaultExt, int32_t Owner,
                         int32_t& flags, bool Hook, DialogEventSink* EventSink);
  // The save dialog, as the open one; on a cancel `FilterIndex` is 0.
  bool VBGetSaveFileName2(std::string& Filename, std::string& FileTitle, bool OverWritePrompt,
                          std::string& Filter, int32_t& FilterIndex, const std::string& InitDir,
                          const std::string& DlgTitle, const std::string& DefaultExt, int32_t Owner,
                          int32_t& flags, bool Hook, int32_t hInstance, int32_t TemplateName,
                          DialogEventSink* EventSink);
  bool VBGetSaveFileName(std::string& Filename, std::string& FileTitle, bool OverWritePrompt,
                         std::string& Filter, int32_t& FilterIndex, const std::string& InitDir,
                         const std::string& DlgTitle, const std::string& DefaultExt, int32_t Owner,
                         int32_t& flags, bool Hook, DialogEventSink* EventSink);

  // The name part of a path; empty when the path names no file.
  std::string VBGetFileTitle(const std::string& sFIle) const;

  // The colour dialog, started at `Color`, with the custom colours. True when a colour was
  // chosen, which is then in `Color`; otherwise `Color` is -1.
  bool VBChooseColor(int32_t& Color, bool AnyColor, bool FullOpen, bool DisableFullOpen,
                     int32_t Owner, bool Hook, DialogEventSink* EventSink);
  // The 16 colours of the colour dialog's custom boxes, kept from one dialog to the next; at
  // first the system colours 0 to 15. An index outside 0 … 15 reads -1 and writes nothing.
  int32_t CustomColor(int16_t i);
  void CustomColor(int16_t i, int32_t iValue);
  // The font dialog, started at CurFont. `flags` gets the bits the worker adds in any case
  // (CF_SCREENFONTS without printer fonts, CF_EFFECTS with a colour, CF_LIMITSIZE with a size
  // range, CF_INITTOLOGFONTSTRUCT) and loses the hook, template and apply bits. When a font
  // was chosen: true, and the returned flags, the chosen colour and the font written back. A
  // PrinterDC of -1 means no device, and becomes 0; any other adds CF_PRINTERFONTS.
  bool VBChooseFont(StdFont& CurFont, int32_t& PrinterDC, int32_t Owner, int32_t& Color,
                    int32_t MinSize, int32_t MaxSize, int32_t& flags, bool Hook,
                    DialogEventSink* EventSink);

  // The last platform dialog function's return value and extended error; 0 when a worker starts.
  int32_t APIReturn() const { return m_lApiReturn; }
  int32_t ExtendedError() const { return m_lExtendedError; }

  // A message of the hooked dialog, passed to the event sink. An error raised by the sink is
  // kept, and raised again by the worker once the dialog has closed.
  int32_t DialogHook(winapi::HWND hDlg, winapi::UINT msg, winapi::WPARAM wParam,
                     winapi::LPARAM lParam) noexcept;

  // The entry of a NUL-separated filter at a 1-based index: description, NUL, pattern. Empty
  // for an empty filter or an index that names no entry.
  static std::string FilterEntry(const std::string& sFilter, int32_t lIndex);
  // The text up to its first NUL.
  static std::string CutAtNul(const std::string& sText);

  // The print dialog. True when the user confirmed it: then hdc (the chosen printer's device
  // context, now the caller's), PrintRange (0 all pages, 1 page numbers, 2 selection), the
  // pages, PrintToFile, Collate and Copies hold the choice, and Printer, when given, receives
  // the copies, orientation, paper size and print quality. Pages beyond 16 bits raise 6 before
  // the dialog.
  bool VBPrintDlg(int32_t& hdc, int32_t& PrintRange, bool DisablePageNumbers, int32_t& FromPage,
                  int32_t& ToPage, bool DisableSelection, int16_t& Copies, bool ShowPrintToFile,
                  bool DisablePrintToFile, bool& PrintToFile, bool& Collate, bool PreventWarning,
                  int32_t Owner, PrinterObject* Printer, int32_t flags, bool Hook,
                  DialogEventSink* EventSink);
  // The page-setup dialog, margins in inches (Units 0) or millimetres (any other Units). True
  // when the user confirmed it: then the margins, PaperSize, Orientation and PrintQuality hold
  // the choice, and Printer, when given, receives the settings.
  bool VBPageSetupDlg2(int32_t Owner, bool DisableMargins, bool DisableOrientation,
                       bool DisablePaper, bool DisablePrinter, float& LeftMargin,
                       float& MinLeftMargin, float& RightMargin, float& MinRightMargin,
                       float& TopMargin, float& MinTopMargin, float& BottomMargin,
                       float& MinBottomMargin, int32_t& PaperSize, int32_t& Orientation,
                       int32_t& PrintQuality, int32_t Units, PrinterObject* Printer, bool Hook,
                       DialogEventSink* EventSink);
  // The same with whole margins, rounded halves to even; they are left alone on a cancel.
  bool VBPageSetupDlg(int32_t Owner, bool DisableMargins, bool DisableOrientation,
                      bool DisablePaper, bool DisablePrinter, int32_t& LeftMargin,
                      int32_t& MinLeftMargin, int32_t& RightMargin, int32_t& MinRightMargin,
                      int32_t& TopMargin, int32_t& MinTopMargin, int32_t& BottomMargin,
                      int32_t& MinBottomMargin, int32_t& PaperSize, int32_t& Orientation,
                      int32_t& PrintQuality, int32_t Units, PrinterObject* Printer, bool Hook,
                      DialogEventSink* EventSink);

 private:
  class HookInstallation;
  struct FileDialogKind;

  bool FileDialog(const FileDialogKind& kind, std::string& Filename, std::string& FileTitle,
                  bool* ReadOnly, std::string& Filter, int32_t& FilterIndex,
                  const std::string& InitDir, const std::string& DlgTitle,
                  const std::string& DefaultExt, int32_t Owner, int32_t& flags, bool Hook,
                  int32_t hInstance, int32_t TemplateName, DialogEventSink* EventSink);
  int32_t DispatchToSink(winapi::HWND hDlg, winapi::UINT msg, winapi::WPARAM wParam,
                         winapi::LPARAM lParam);
  // Raises again the error that the event sink raised during the last dialog, if any.
  void RaiseHookError();
  // Calls a platform dialog function with the hook installed when asked, into APIReturn; the
  // extended error when it neither chose nor was cancelled; then the sink's error, if any.
  void RunDialog(bool Hook, DialogEventSink* EventSink,
                 const std::function<winapi::BOOL()>& dialog);
  void InitCustomColors();

  int32_t m_lApiReturn = 0;
  int32_t m_lExtendedError = 0;
  DialogEventSink* m_oEventSink = nullptr;
  std::exception_ptr m_oHookError;
  std::array<winapi::DWORD, 16> m_lCustomColors{};
  bool m_bCustomColorsSet = false;
};

}  // namespace ferolan
