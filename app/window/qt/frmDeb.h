// The program's only window, a Qt view of the form: what it does, where the results go, the
// choice of the output kind, and the buttons to browse for an export, get help and quit.
#pragma once

#include <QWidget>
#include <array>
#include <cstdint>
#include <string>

#include "app/window/Form.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace ferolan {

class frmDeb : public QWidget, private FormView {
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
  void SetCaption(form::Id control, const std::string& text) override;
  bool Option1Checked() const override;
  void EnableControl(form::Id control, bool enabled) override;
  void Close() override { close(); }
  void EndProgram() override;
  // txtFileName carries the chosen path.
  std::string Text() const override;
  void SetText(const std::string& text) override;

  void BuildControls();
  QWidget* Make(const form::Control& control);
  template <class Control>
  Control* Named(form::Id id) const {
    return static_cast<Control*>(controls_[static_cast<int>(id)]);
  }
  int TwipsX(int twips) const;
  int TwipsY(int twips) const;

  std::array<QWidget*, form::kControlCount> controls_{};
  int32_t hwnd_ = 0;
  Form form_{*this};
};

}  // namespace ferolan
