// The program's only window: what it does, where the results go, the choice of the output
// kind, and the buttons to browse for an export, get help and quit.
#pragma once

#include <QWidget>
#include <cstdint>
#include <string>

#include "app/request/ConversionRequest.h"
#include "app/window/FormLayout.h"
#include "commondialog/cCommonDialog.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace ferolan {

class frmDeb : public QWidget,
               public cCommonDialogEvents,
               public WindowHandleOwner,
               private FileNameBox {
 public:
  frmDeb();
  ~frmDeb() override;

  // The window's handle, as the platform's window functions know it.
  int32_t hwnd() const override { return hwnd_; }

  // The controls, by the window's names.
  QGroupBox* Frame2;
  QLabel* Label1;
  QLabel* Picture1;
  QGroupBox* Frame1;
  QLabel* Label2;
  QRadioButton* Option1;
  QRadioButton* Option2;
  QPushButton* cmdOpen;
  QPushButton* Quitter;
  QPushButton* aide;
  QGroupBox* Frame3;
  QLabel* Label3;
  QLabel* Label4;
  QLineEdit* txtFileName;

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
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

  // While a request runs, the zip library lets events through: the buttons wait, and a
  // close asked for meanwhile happens when the request ends.
  void SetRequestRunning(bool running);

  void BuildControls();
  int TwipsX(int twips) const;
  int TwipsY(int twips) const;
  void Place(QWidget* control, const layout::Twips& twips) const;

  cCommonDialog m_cHookDlg;
  ConversionRequest request_;
  int32_t hwnd_ = 0;
  bool requestRunning_ = false;
  bool closePending_ = false;
};

}  // namespace ferolan
