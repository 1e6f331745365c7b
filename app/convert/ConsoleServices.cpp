#include "app/convert/ConsoleServices.h"

#include <algorithm>

namespace ferolan {

int ConsoleServices::ShowMessage(const std::string& text, int style, const std::string&) {
  std::string printed = text;
  std::replace(printed.begin(), printed.end(), '\r', '\n');
  out_ << printed << '\n' << std::flush;
  return (style & 0xF) == vbYesNoCancel ? vbNo : vbOK;
}

std::string ConsoleServices::AskText(const std::string&, const std::string&, const std::string&) {
  return {};
}

}  // namespace ferolan
