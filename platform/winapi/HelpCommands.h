// The commands of WinHelpA, the same on every system: what each does with the help windows of
// one owner and one file, which a system finds, opens and drives in its own way.
#pragma once

#include <string>
#include <vector>

#include "platform/winapi/Help.h"
#include "platform/winapi/HelpFile.h"

namespace ferolan::winapi {

// One help window, as the commands drive it.
class HelpWindow {
 public:
  // Shows the window normally if it is hidden or minimized, in front and active.
  virtual void Present() = 0;
  virtual void GoToTop() = 0;
  // The anchor of that name, if the file has one.
  virtual void GoToAnchor(const std::string& name) = 0;
  // Selects the first occurrence of the text, if there is one.
  virtual void GoToText(const std::string& text) = 0;
  // Moves and sizes the outer window (no size for a width or height of 0 or less), then shows
  // it as the show-window code says.
  virtual void Place(const HELPWININFOA& position) = 0;
  // The window goes, and the viewer with it.
  virtual void Close() = 0;

 protected:
  ~HelpWindow() = default;
};

// The help windows of one owner window (or of none) and one help file (or of none), named by
// the file's absolute path as the system spells it.
class HelpWindowSet {
 public:
  // The open windows of the owner; of the file only, when there is one.
  virtual std::vector<HelpWindow*> Existing() = 0;
  // A new window of the file, hidden until a command shows it; null when the system makes
  // none, with the last error (LastError.h) set.
  virtual HelpWindow* OpenNew(const HelpFile& content) = 0;

 protected:
  ~HelpWindowSet() = default;
};

// Runs WinHelpA's command on the help file `file` (UTF-8, as the caller named it; empty for
// none) with the windows of its owner, as Help.h tells.
BOOL RunHelpCommand(HelpWindowSet& windows, const std::string& file, UINT uCommand,
                    ULONG_PTR dwData);

}  // namespace ferolan::winapi
