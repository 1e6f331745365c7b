#include "app/convert/windows/ConsoleBuffer.h"

#include <string_view>

#include "platform/windows/WideNames.h"

namespace ferolan::console {
namespace {

// How many bytes at the end of `text` begin a UTF-8 character whose last bytes are still to
// come; 0 when it ends on a whole character (or on bytes that are no UTF-8 at all).
std::size_t CutShortTail(std::string_view text) {
  for (std::size_t back = 1; back <= 3 && back <= text.size(); ++back) {
    const auto byte = static_cast<unsigned char>(text[text.size() - back]);
    if ((byte & 0xC0) == 0x80) continue;  // a continuation byte: the lead is further back
    const std::size_t length = byte >= 0xF0 ? 4 : byte >= 0xE0 ? 3 : byte >= 0xC0 ? 2 : 1;
    return length > back ? back : 0;
  }
  return 0;
}

// Writes all of `text` with `write`, which may write only part of it each time.
template <typename Char, typename Write>
bool WriteWhole(std::basic_string_view<Char> text, Write write) {
  while (!text.empty()) {
    DWORD written = 0;
    if (!write(text.data(), static_cast<DWORD>(text.size()), &written) || written == 0) {
      return false;
    }
    text.remove_prefix(written);
  }
  return true;
}

}  // namespace

ConsoleBuffer::ConsoleBuffer(DWORD which) : handle_(GetStdHandle(which)) {
  DWORD mode = 0;
  console_ = GetConsoleMode(handle_, &mode) != 0;
}

ConsoleBuffer::~ConsoleBuffer() { sync(); }

void ConsoleBuffer::Append(char c) {
  if (c == '\n') pending_ += '\r';
  pending_ += c;
}

// Each line is written as soon as it ends, so that the messages of a long run appear as it
// goes.
ConsoleBuffer::int_type ConsoleBuffer::overflow(int_type c) {
  if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
  Append(traits_type::to_char_type(c));
  if (traits_type::to_char_type(c) == '\n' && sync() != 0) return traits_type::eof();
  return c;
}

std::streamsize ConsoleBuffer::xsputn(const char* text, std::streamsize count) {
  const std::string_view added(text, static_cast<std::size_t>(count));
  for (const char c : added) Append(c);
  if (added.find('\n') != std::string_view::npos && sync() != 0) return 0;
  return count;
}

int ConsoleBuffer::sync() {
  const std::string_view text = pending_;
  const std::string_view whole = text.substr(0, text.size() - (console_ ? CutShortTail(text) : 0));
  const bool written = console_
                           ? WriteWhole(std::wstring_view(Utf16Of(whole)),
                                        [this](const wchar_t* data, DWORD size, DWORD* done) {
                                          return WriteConsoleW(handle_, data, size, done, nullptr);
                                        })
                           : WriteWhole(whole, [this](const char* data, DWORD size, DWORD* done) {
                               return WriteFile(handle_, data, size, done, nullptr);
                             });
  pending_.erase(0, whole.size());
  return written ? 0 : -1;
}

}  // namespace ferolan::console
