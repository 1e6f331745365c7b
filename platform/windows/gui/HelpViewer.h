// The window of a help file: its text in a read-only edit control, owned by the caller's
// window (or by none), titled « Aide », and gone when it closes. The viewers live until their
// window is destroyed, by the user, by Close or with their owner.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <type_traits>
#include <vector>

#include "platform/winapi/Help.h"
#include "platform/winapi/HelpCommands.h"
#include "platform/winapi/HelpFile.h"

// After our records: the system's macros would hide our constants of the same names.
#include <windows.h>

namespace ferolan::windows {

class HelpViewer final : public winapi::HelpWindow {
 public:
  // A new viewer of `file` (the absolute path that names it), hidden until a command shows it;
  // null when the system makes no window, with its last error set.
  static HelpViewer* Open(::HWND owner, std::wstring file, const winapi::HelpFile& content);
  // The open viewers of `owner`; of that file only when `file` is not empty.
  static std::vector<HelpViewer*> ViewersOf(::HWND owner, const std::wstring& file);

  ::HWND Window() const { return window_; }
  ::HWND Text() const { return edit_; }

  void Present() override;
  void GoToTop() override;
  // The anchor of that name at the top, if the file has one.
  void GoToAnchor(const std::string& name) override;
  // Selects the first occurrence of the text, whatever its case, and scrolls it to the top.
  void GoToText(const std::string& text) override;
  void Place(const winapi::HELPWININFOA& position) override;
  // Destroys the window, and the viewer with it.
  void Close() override;

  ~HelpViewer();

 private:
  struct FontDeleter {
    void operator()(HFONT font) const { ::DeleteObject(font); }
  };

  HelpViewer(::HWND owner, std::wstring file);
  static LRESULT CALLBACK Procedure(::HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  bool MakeText(const winapi::HelpFile& content);
  void SetFont(UINT dotsPerInch);
  void ShowAt(std::size_t start, std::size_t end);

  ::HWND owner_;
  std::wstring file_;
  ::HWND window_ = nullptr;
  ::HWND edit_ = nullptr;
  std::wstring text_;
  std::map<std::string, std::size_t> anchors_;  // name -> offset in text_
  LOGFONTW logFont_{};
  UINT dotsPerInch_ = 96;
  std::unique_ptr<std::remove_pointer_t<HFONT>, FontDeleter> font_;
};

}  // namespace ferolan::windows
