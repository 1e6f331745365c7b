#include "web/src/PageServices.h"

#include <utility>

namespace ferolan {

int PageServices::ShowMessage(const std::string& text, int style, const std::string&) {
  messages_.push_back(text);
  return (style & 0xF) == vbYesNoCancel ? vbNo : vbOK;
}

std::vector<std::string> PageServices::TakeMessages() { return std::exchange(messages_, {}); }

}  // namespace ferolan
