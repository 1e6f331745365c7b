// A modal box asking for a password: the prompt, a masked field, OK and Annuler.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

namespace ferolan::windows {

// What the user typed once confirmed; nothing for a cancel.
std::optional<std::wstring> AskPassword(HWND owner, const std::wstring& prompt,
                                        const std::wstring& title, const std::wstring& defaultText);

}  // namespace ferolan::windows
