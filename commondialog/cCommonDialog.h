// The common-dialog object the program sees: its properties, the open and save dialogs, the
// colour and font dialogs, the events its hook raises to the owner, and the placing of a live
// dialog window.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "commondialog/DeviceContext.h"
#include "commondialog/DialogEventSink.h"
#include "commondialog/PrinterObject.h"
#include "commondialog/StdFont.h"
#include "commondialog/WindowHandleOwner.h"
#include "commondialog/cCommonDialogEvents.h"

namespace ferolan {

class GCommonDialog;

class cCommonDialog : public DialogEventSink {
 public:
  // Without an owner the events go nowhere.
  cCommonDialog();
  explicit cCommonDialog(cCommonDialogEvents& owner);
  ~cCommonDialog() override;
  cCommonDialog(const cCommonDialog&) = delete;
  cCommonDialog& operator=(const cCommonDialog&) = delete;

  const std::string& DialogTitle() const { return m_sDialogTitle; }
  void DialogTitle(std::string value) { m_sDialogTitle = std::move(value); }
  // A cancelled dialog raises error 20001.
  bool CancelError() const { return m_bCancelError; }
  void CancelError(bool value) { m_bCancelError = value; }
  // The dialog's flag bits; after the open and save dialogs, the flags they returned.
  int32_t flags() const { return m_lFlags; }
  void flags(int32_t value) { m_lFlags = value; }
  // After a multi-select open: the folder, NUL, the names, NULs up to 8192 bytes.
  const std::string& Filename() const { return m_sFilename; }
  void Filename(std::string value) { m_sFilename = std::move(value); }
  const std::string& FileTitle() const { return m_sFileTitle; }
  void FileTitle(std::string value) { m_sFileTitle = std::move(value); }
  // Descriptions and patterns in turn, separated by "|"; after a dialog, the chosen entry.
  const std::string& Filter() const { return m_sFilter; }
  void Filter(std::string value) { m_sFilter = std::move(value); }
  int32_t FilterIndex() const { return m_lFilterIndex; }
  void FilterIndex(int32_t value) { m_lFilterIndex = value; }
  const std::string& DefaultExt() const { return m_sDefaultExt; }
  void DefaultExt(std::string value) { m_sDefaultExt = std::move(value); }
  const std::string& InitDir() const { return m_sInitDir; }
  void InitDir(std::string value) { m_sInitDir = std::move(value); }
  int32_t MaxFileSize() const { return m_lMaxFileSize; }
  void MaxFileSize(int32_t value) { m_lMaxFileSize = value; }
  // Shows the dialogs with the hook, which raises the events.
  bool HookDialog() const { return m_bHookDialog; }
  void HookDialog(bool value) { m_bHookDialog = value; }
  // The owner window of the dialogs; 0 for none.
  int32_t hwnd() const { return m_lhWnd; }
  void hwnd(int32_t value) { m_lhWnd = value; }
  // The module holding a custom dialog template, and the template's resource number.
  int32_t hInstance() const { return m_lhInstance; }
  void hInstance(int32_t value) { m_lhInstance = value; }
  int32_t TemplateName() const { return m_lTemplateName; }
  void TemplateName(int32_t value) { m_lTemplateName = value; }
  int32_t Color() const { return m_lColor; }
  void Color(int32_t value) { m_lColor = value; }
  int32_t FontColor() const { return m_lFontColor; }
  void FontColor(int32_t value) { m_lFontColor = value; }
  int32_t Min() const { return m_lMin; }
  void Min(int32_t value) { m_lMin = value; }
  int32_t Max() const { return m_lMax; }
  void Max(int32_t value) { m_lMax = value; }
  int32_t Copies() const { return m_lCopies; }
  void Copies(int32_t value) { m_lCopies = value; }
  int32_t FromPage() const { return m_lFromPage; }
  void FromPage(int32_t value) { m_lFromPage = value; }
  int32_t ToPage() const { return m_lToPage; }
  void ToPage(int32_t value) { m_lToPage = value; }
  bool PrinterDefault() const { return m_bPrinterDefault; }
  void PrinterDefault(bool value) { m_bPrinterDefault = value; }
  int32_t HelpCommand() const { return m_lHelpCommand; }
  void HelpCommand(int32_t value) { m_lHelpCommand = value; }
  const std::string& HelpContext() const { return m_sHelpContext; }
  void HelpContext(std::string value) { m_sHelpContext = std::move(value); }
  const std::string& HelpFile() const { return m_sHelpFile; }
  void HelpFile(std::string value) { m_sHelpFile = std::move(value); }
  const std::string& HelpKey() const { return m_sHelpKey; }
  void HelpKey(std::string value) { m_sHelpKey = std::move(value); }

  // Show the dialog; the results arrive in the properties. A cancel with CancelError set
  // raises 20001, a failing dialog ExtendedError Or 13450.
  void ShowOpen();
  void ShowSave();

  // Splits Filename: a multi-select result into its folder and names, a single path into its
  // folder and name. Pass an empty sDir and a count of 0.
  void ParseMultiFileName(std::string& sDir, std::vector<std::string>& sFiles,
                          int32_t& iFileCount) const;

  // The colour dialog, started at Color (a system-colour value as the colour it stands for),
  // with AnyColor, FullOpen and DisableFullOpen from flags; the chosen colour goes to Color.
  void ShowColor();
  // The colour of a custom box of the colour dialogs, index 0 to 15; -1 for others.
  int32_t CustomColor(int16_t i);
  void CustomColor(int16_t i, int32_t iValue);

  // The font dialog, started at Font (created if there is none) and FontColor, with sizes
  // from Min to Max when either is set; the choice goes to Font, FontColor and flags.
  void ShowFont();
  // The font the font dialog starts at and writes: none until first used.
  std::shared_ptr<StdFont> Font() const { return m_oFont; }
  void Font(std::shared_ptr<StdFont> value) { m_oFont = std::move(value); }
  // Read and write the Font object, creating one when there is none; sizes in whole points.
  std::string FontName();
  void FontName(std::string value);
  int32_t FontSize();
  void FontSize(int32_t value);
  bool FontBold();
  void FontBold(bool value);
  bool FontItalic();
  void FontItalic(bool value);
  bool FontUnderline();
  void FontUnderline(bool value);
  bool FontStrikethru();
  void FontStrikethru(bool value);

  // Loads a library into hInstance (0 when it cannot be loaded); frees it, keeping hInstance.
  void cdLoadLibrary(const std::string& DllName);
  void cdFreeLibrary();

  // Centres a live dialog over the window of oCentreTo; with no object, over the work area,
  // or the whole screen when there is no work area. After ShowOpen and ShowSave, hDlg is the
  // child window the hook received and the dialog around it is moved.
  void CentreDialog(int32_t hDlg, const WindowHandleOwner& oCentreTo);
  void CentreDialog(int32_t hDlg);
  void GetDialogSize(int32_t hDlg, int32_t& lL, int32_t& lT, int32_t& lW, int32_t& lH) const;

  // Called by the hook; each raises the event of the same name.
  int32_t InitDialog(int32_t hDlg) override;
  int32_t FileChange(int32_t hDlg) override;
  int32_t FolderChange(int32_t hDlg) override;
  bool ConfirmOK() override;
  int32_t TypeChange(int32_t hDlg) override;
  void DialogClose() override;
  void WMCommand(int32_t hDlg, int32_t& wParam, int32_t& lParam) override;

  // The print dialog: FromPage, ToPage and Copies in and out, the chosen settings onto Object,
  // and the printer's device context kept until the next print dialog replaces it. A cancel
  // raises nothing; Copies, FromPage or ToPage beyond 32,767 raise 6 before the dialog.
  void ShowPrinter();
  // The printer object that receives the print dialog's settings; not owned, none when null.
  PrinterObject* Object() const { return m_oObject; }
  void Object(PrinterObject* value) { m_oObject = value; }
  // Hands HelpCommand for HelpFile to the help viewer owned by hwnd, with no data: HelpContext
  // and HelpKey do not reach it. HELP_MULTIKEY and HELP_SETWINPOS raise 13705; a failing
  // viewer raises its system error code with the system's text.
  void ShowHelp();
  // Places and sizes the help window of HelpFile (eWindowType: a show-window code). A viewer
  // that fails is not reported.
  void SetHelpPosition(int32_t X, int32_t y, int32_t dx, int32_t dy, int32_t eWindowType);

 private:
  GCommonDialog& Worker();
  void RaiseDialogError() const;
  // The window a geometry method works on: the parent of hDlg after a file dialog.
  int32_t DialogWindow(int32_t hDlg) const;
  void CentreOn(int32_t hDlg, const WindowHandleOwner* oCentreTo);
  const std::shared_ptr<StdFont>& FontObject();
  void CallHelp();
  // The system's text for its error code; empty when it has none.
  static std::string SystemErrorText(uint32_t code);

  cCommonDialogEvents* m_oOwner;
  std::unique_ptr<GCommonDialog> m_cDlg;
  bool m_bUseParent = false;

  std::string m_sDialogTitle;
  bool m_bCancelError = false;
  int32_t m_lFlags = 0;
  std::string m_sFilename;
  std::string m_sFileTitle;
  std::string m_sFilter;
  int32_t m_lFilterIndex = 1;
  std::string m_sDefaultExt;
  std::string m_sInitDir;
  int32_t m_lMaxFileSize = 0;
  bool m_bHookDialog = false;
  int32_t m_lhWnd = 0;
  int32_t m_lhInstance = 0;
  int32_t m_lTemplateName = 0;
  int32_t m_lColor = 0;
  int32_t m_lFontColor = 0;
  int32_t m_lMin = 0;
  int32_t m_lMax = 0;
  int32_t m_lCopies = 0;
  int32_t m_lFromPage = 0;
  int32_t m_lToPage = 0;
  bool m_bPrinterDefault = false;
  int32_t m_lHelpCommand = 0;
  std::string m_sHelpContext;
  std::string m_sHelpFile;
  std::string m_sHelpKey;
  std::shared_ptr<StdFont> m_oFont;

  PrinterObject* m_oObject = nullptr;
  DeviceContext m_oPrinterDC;
};

}  // namespace ferolan
