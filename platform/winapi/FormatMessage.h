// The system's message texts for its error codes, in French, the language of this system.
#pragma once

#include <cstdarg>

#include "platform/winapi/Types.h"

namespace ferolan::winapi {

inline constexpr DWORD FORMAT_MESSAGE_IGNORE_INSERTS = 0x0200;
inline constexpr DWORD FORMAT_MESSAGE_FROM_SYSTEM = 0x1000;

// Only FORMAT_MESSAGE_FROM_SYSTEM, with or without FORMAT_MESSAGE_IGNORE_INSERTS (the texts
// have no inserts); lpSource and Arguments are not read and every language gives French.
// Writes the text of dwMessageId and a NUL into lpBuffer, nSize bytes long, and returns the
// text's length. The texts end without a line break. Answers 0 with the last error set for an
// unknown code (ERROR_MR_MID_NOT_FOUND), a text that does not fit with its NUL
// (ERROR_INSUFFICIENT_BUFFER), or other flags or no buffer (ERROR_INVALID_PARAMETER).
DWORD FormatMessageA(DWORD dwFlags, const void* lpSource, DWORD dwMessageId, DWORD dwLanguageId,
                     LPSTR lpBuffer, DWORD nSize, va_list* Arguments);

}  // namespace ferolan::winapi
