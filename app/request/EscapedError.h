// The last line of defence of each front end (the window's event handlers, the main functions):
// whatever escaped is shown as the request's handler shows an error, so that no error ends the
// program, or is lost, without a word.
#pragma once

#include <exception>
#include <string>

namespace ferolan {

// "Error: " and the description of what was raised, as the request's handler shows it.
std::string EscapedErrorText(const std::exception_ptr& raised);

// Shows that text in a message box; a failure to show it (no memory left) is lost.
void ShowEscapedError(const std::exception_ptr& raised) noexcept;

// Runs `handler`, showing whatever escapes it.
template <class Handler>
void Guarded(Handler&& handler) noexcept {
  try {
    handler();
  } catch (...) {
    ShowEscapedError(std::current_exception());
  }
}

}  // namespace ferolan
