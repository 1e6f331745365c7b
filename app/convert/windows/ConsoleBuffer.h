// A stream buffer over a standard handle, which takes the program's UTF-8 text with "\n" line
// ends. A console gets it in UTF-16 through WriteConsoleW, so that it reads right whatever the
// console's code page; a file or a pipe gets the UTF-8 bytes, with no byte order mark. Both
// get "\r\n" line ends, as Windows programs (Notepad first) expect in files.
#pragma once

#include <windows.h>

#include <streambuf>
#include <string>

namespace ferolan::console {

class ConsoleBuffer : public std::streambuf {
 public:
  // `which` is STD_OUTPUT_HANDLE or STD_ERROR_HANDLE.
  explicit ConsoleBuffer(DWORD which);
  ~ConsoleBuffer() override;
  ConsoleBuffer(const ConsoleBuffer&) = delete;
  ConsoleBuffer& operator=(const ConsoleBuffer&) = delete;

 protected:
  int_type overflow(int_type c) override;
  std::streamsize xsputn(const char* text, std::streamsize count) override;
  int sync() override;

 private:
  void Append(char c);

  HANDLE handle_;
  bool console_;
  // Text not written yet; on a console, it may end with a character cut short, which waits
  // for its last bytes.
  std::string pending_;
};

}  // namespace ferolan::console
