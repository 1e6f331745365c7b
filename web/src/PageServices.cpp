#include "web/src/PageServices.h"

#include <utility>

namespace ferolan {

PageServices::PageServices(std::vector<std::string> answers) : answers_(std::move(answers)) {}

int PageServices::ShowMessage(const std::string& text, int style, const std::string&) {
  messages_.push_back(text);
  return (style & 0xF) == vbYesNoCancel ? vbNo : vbOK;
}

std::string PageServices::AskText(const std::string& prompt, const std::string& title,
                                  const std::string&) {
  if (answered_ < answers_.size()) return answers_[answered_++];
  if (!unanswered_) unanswered_ = PageQuestion{prompt, title};
  return {};
}

std::vector<std::string> PageServices::TakeMessages() { return std::exchange(messages_, {}); }

}  // namespace ferolan
