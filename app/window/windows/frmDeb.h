// The program's only window on Windows, a view of the form made of the system's windows: the
// same controls, places and texts as the Qt window, laid out for the dots per inch of its
// screen.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "app/window/Form.h"

// The system's handle types, declared as its headers declare them.
struct HWND__;
using WindowHandle = HWND__*;

namespace ferolan {

class frmDeb : private FormView {
 public:
  frmDeb();
  ~frmDeb() override;
  frmDeb(const frmDeb&) = delete;
  frmDeb& operator=(const frmDeb&) = delete;

  // The window's handle, as the window functions know it.
  int32_t hwnd() const override;
  WindowHandle Window() const { return window_; }
  // A control, by its name in the table.
  WindowHandle Child(form::Id id) const { return controls_[static_cast<int>(id)]; }

  // A message to the window, from its window procedure.
  intptr_t Handle(unsigned message, uintptr_t wParam, intptr_t lParam);

 private:
  struct Resources;

  void SetCaption(form::Id control, const std::string& text) override;
  bool Option1Checked() const override;
  void EnableControl(form::Id control, bool enabled) override;
  void Close() override;
  void EndProgram() override;
  // txtFileName carries the chosen path.
  std::string Text() const override;
  void SetText(const std::string& text) override;

  void BuildControls();
  // Sizes the window, places the controls and makes their fonts and pictures for `dpi`.
  void LayOut(unsigned dpi);
  void CentreOnScreen();
  void SizeClientArea(int width, int height);
  intptr_t ControlColours(uintptr_t dc, WindowHandle control) const;

  std::array<WindowHandle, form::kControlCount> controls_{};
  WindowHandle window_ = nullptr;
  unsigned dpi_ = 96;
  std::unique_ptr<Resources> resources_;
  Form form_{*this};
};

}  // namespace ferolan
