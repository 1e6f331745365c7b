#include "engine/PatternScanner.h"

namespace ferolan::Module1 {

Pattern::Pattern(std::string text) : text_(std::move(text)), fallback_(text_.size(), 0) {
  std::size_t border = 0;
  for (std::size_t n = 1; n < text_.size(); ++n) {
    while (border > 0 && text_[n] != text_[border]) border = fallback_[border - 1];
    if (text_[n] == text_[border]) ++border;
    fallback_[n] = border;
  }
}

}  // namespace ferolan::Module1
