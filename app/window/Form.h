// frmDeb's behaviour, written once for every window that shows it: what happens when it loads,
// when its buttons are clicked and when it closes. A window is a view of it: it makes the
// controls from the form's table (app/form) and hands their events to the form.
#pragma once

#include <cstdint>
#include <string>

#include "app/form/FormData.h"
#include "app/request/ConversionRequest.h"
#include "commondialog/cCommonDialog.h"

namespace ferolan {

// What the form asks of the window that shows it; txtFileName is its FileNameBox.
class FormView : public WindowHandleOwner, public FileNameBox {
 public:
  virtual void SetCaption(form::Id control, const std::string& text) = 0;
  virtual bool Option1Checked() const = 0;
  virtual void EnableControl(form::Id control, bool enabled) = 0;
  // Closes the window as the user would, once a close asked for during a request may happen.
  virtual void Close() = 0;
  virtual void EndProgram() = 0;
};

class Form : private cCommonDialogEvents {
 public:
  explicit Form(FormView& view);
  Form(const Form&) = delete;
  Form& operator=(const Form&) = delete;

  void Form_Load();
  void cmdOpen_Click();
  void aide_Click();
  void Quitter_Click();
  // The window is asked to close: false while a request runs, which then closes it when it
  // ends; otherwise the form unloads and the window may close.
  bool Form_QueryUnload();

 private:
  void Form_Unload();
  void InitDialog(int32_t hDlg) override { m_cHookDlg_InitDialog(hDlg); }
  void m_cHookDlg_InitDialog(int32_t hDlg);
  // While a request runs, the zip library lets events through: the buttons wait.
  void SetRequestRunning(bool running);

  FormView& view_;
  cCommonDialog m_cHookDlg;
  ConversionRequest request_;
  bool requestRunning_ = false;
  bool closePending_ = false;
};

}  // namespace ferolan
