// Finds every occurrence of a fixed pattern in a text handed over in pieces, left to right and
// without overlap, as a text replacement does.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace ferolan::Module1 {

// A non-empty fixed text to look for.
class Pattern {
 public:
  explicit Pattern(std::string text);
  const std::string& Text() const { return text_; }
  // For each prefix length n, the length of its longest proper border.
  std::size_t Fallback(std::size_t matched) const { return fallback_[matched - 1]; }

 private:
  std::string text_;
  std::vector<std::size_t> fallback_;
};

// Hands every byte that is not part of an occurrence to `emit`, in order, and calls `matched`
// for every occurrence.
class PatternScanner {
 public:
  explicit PatternScanner(const Pattern& pattern) : pattern_(&pattern) {}

  // Starts a new text.
  void Restart() { matchedSoFar_ = 0; }
  // Starts a new text, looking for `pattern` from now on.
  void Restart(const Pattern& pattern) {
    pattern_ = &pattern;
    Restart();
  }

  template <class Emit, class Matched>
  void Feed(std::string_view piece, Emit&& emit, Matched&& matched) {
    const std::string& p = pattern_->Text();
    std::size_t i = 0;
    while (i < piece.size()) {
      if (matchedSoFar_ == 0) {
        // Bytes that cannot start an occurrence go out in one piece.
        const std::size_t next = piece.find(p[0], i);
        const std::size_t stop = next == std::string_view::npos ? piece.size() : next;
        if (stop > i) emit(piece.substr(i, stop - i));
        if (next == std::string_view::npos) return;
        i = next;
      }
      const char c = piece[i++];
      while (matchedSoFar_ > 0 && p[matchedSoFar_] != c) {
        const std::size_t border = pattern_->Fallback(matchedSoFar_);
        emit(std::string_view(p).substr(0, matchedSoFar_ - border));
        matchedSoFar_ = border;
      }
      if (p[matchedSoFar_] == c) {
        if (++matchedSoFar_ == p.size()) {
          matchedSoFar_ = 0;
          matched();
        }
      } else {
        emit(piece.substr(i - 1, 1));
      }
    }
  }

  // Ends the text: a partial occurrence at its end is ordinary text.
  template <class Emit>
  void Finish(Emit&& emit) {
    if (matchedSoFar_ > 0) emit(std::string_view(pattern_->Text()).substr(0, matchedSoFar_));
    matchedSoFar_ = 0;
  }

 private:
  const Pattern* pattern_;
  std::size_t matchedSoFar_ = 0;
};

}  // namespace ferolan::Module1
