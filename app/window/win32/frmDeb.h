// The program's only window on Windows: the same controls, places, texts and handlers as the
// Qt window, as a window of the system, laid out for the dots per inch of its screen.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "app/request/ConversionRequest.h"
#include "commondialog/cCommonDialog.h"

// The system's handle types, declared as its headers declare them.
struct HWND__;
using WindowHandle = HWND__*;

namespace ferolan {

namespace layout {
struct Twips;
}

class frmDeb : public cCommonDialogEvents, public WindowHandleOwner, private FileNameBox {
 public:
  frmDeb();
  ~frmDeb() override;
  frmDeb(const frmDeb&) = delete;
  frmDeb& operator=(const frmDeb&) = delete;

  // The window's handle, as the window functions know it.
  int32_t hwnd() const override;
  WindowHandle Window() const { return window_; }

  // The controls, by the window's names.
  WindowHandle Frame2 = nullptr;
  WindowHandle Label1 = nullptr;
  WindowHandle Picture1 = nullptr;
  WindowHandle Frame1 = nullptr;
  WindowHandle Label2 = nullptr;
  WindowHandle Option1 = nullptr;
  WindowHandle Option2 = nullptr;
  WindowHandle cmdOpen = nullptr;
  WindowHandle Quitter = nullptr;
  WindowHandle aide = nullptr;
  WindowHandle Frame3 = nullptr;
  WindowHandle Label3 = nullptr;
  WindowHandle Label4 = nullptr;
  WindowHandle txtFileName = nullptr;

  // A message to the window, from its window procedure.
  intptr_t Handle(unsigned message, uintptr_t wParam, intptr_t lParam);

 private:
  struct Resources;

  void Form_Load();
  void cmdOpen_Click();
  void aide_Click();
  void Quitter_Click();
  void Form_Unload();
  void InitDialog(int32_t hDlg) override { m_cHookDlg_InitDialog(hDlg); }
  void m_cHookDlg_InitDialog(int32_t hDlg);

  // FileNameBox: txtFileName carries the chosen path.
  std::string Text() const override;
  void SetText(const std::string& text) override;

  void SetRequestRunning(bool running);
  void Close();

  void BuildControls();
  // Sizes the window, places the controls and makes their fonts and pictures for `dpi`.
  void LayOut(unsigned dpi);
  void CentreOnScreen();
  void SizeClientArea(int width, int height);
  void Place(WindowHandle control, const layout::Twips& twips, const layout::Twips* frame) const;

  cCommonDialog m_cHookDlg;
  ConversionRequest request_;
  WindowHandle window_ = nullptr;
  unsigned dpi_ = 96;
  std::unique_ptr<Resources> resources_;
  bool requestRunning_ = false;
  bool closePending_ = false;
};

}  // namespace ferolan
