// The services that face the user: message boxes, the text-input box, the screen-wide mouse
// pointer and the processing of pending events. One implementation is installed for the
// whole process (the window's, or a scripted one in tests); the free functions use it.
#pragma once

#include <cstddef>
#include <optional>
#include <string>

#include "platform/runtime/Installation.h"

namespace ferolan {

// Message-box styles (Windows message-box type flags): the buttons, the icon and the default
// button, added together.
inline constexpr int vbOKOnly = 0;
inline constexpr int vbOKCancel = 1;
inline constexpr int vbAbortRetryIgnore = 2;
inline constexpr int vbYesNoCancel = 3;
inline constexpr int vbYesNo = 4;
inline constexpr int vbRetryCancel = 5;
inline constexpr int vbCritical = 16;
inline constexpr int vbQuestion = 32;
inline constexpr int vbExclamation = 48;
inline constexpr int vbInformation = 64;
inline constexpr int vbDefaultButton1 = 0;

// Message-box answers.
inline constexpr int vbOK = 1;
inline constexpr int vbCancel = 2;
inline constexpr int vbAbort = 3;
inline constexpr int vbRetry = 4;
inline constexpr int vbIgnore = 5;
inline constexpr int vbYes = 6;
inline constexpr int vbNo = 7;

// Mouse pointers.
inline constexpr int vbDefault = 0;
inline constexpr int vbHourglass = 11;

class UserServices {
 public:
  virtual ~UserServices() = default;

  // Shows a modal message box; texts break lines with a single CR. Returns the answer.
  virtual int ShowMessage(const std::string& text, int style, const std::string& title) = 0;
  // Shows a modal text-input box that masks what is typed, as the program asks only for
  // passwords; a cancel gives the empty text.
  virtual std::string AskText(const std::string& prompt, const std::string& title,
                              const std::string& defaultText) = 0;
  virtual void SetMousePointer(int pointer) = 0;
  virtual void ProcessPendingEvents() = 0;
};

// Installs services for the process while the scope lives, and restores the previous ones.
using ServicesScope = InstallationScope<UserServices>;

// The installed services. Using them while none are installed is a programming error.
UserServices& Services();

// A message box titled with the program's title unless a title is given.
int MsgBox(const std::string& text, int style = vbOKOnly,
           const std::optional<std::string>& title = std::nullopt);
// A text-input box titled with the program's title unless a title is given.
std::string InputBox(const std::string& prompt,
                     const std::optional<std::string>& title = std::nullopt,
                     const std::string& defaultText = {});
void SetMousePointer(int pointer);
void DoEvents();

// A report (lines broken by CR, LF or both) cut to what a message box can show: its first
// kMostReportLines lines, then one that says how many were left out.
inline constexpr std::size_t kMostReportLines = 40;
std::string ReportForMessageBox(const std::string& report);

}  // namespace ferolan
