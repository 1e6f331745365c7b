// The password question that both libraries' password callbacks ask.
#pragma once

#include <cstddef>
#include <cstdint>

namespace ferolan::mZipDLLProc {

// Asks for a password in a text-input box and puts it, cut to at most `bound` bytes, into the
// library's buffer of `size` bytes. 0 with the password written; 1 with the buffer untouched
// when no password is given (an empty answer, a cancelled or failing box, no room).
int32_t AskPassword(char* buffer, uint32_t size, std::size_t bound) noexcept;

}  // namespace ferolan::mZipDLLProc
