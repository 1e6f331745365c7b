// Decides, for each line of the intermediate file, which result file receives it and with which
// text. A line is handed over in pieces, so a line of any length needs little memory; the
// router is used line after line and keeps its buffers.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "engine/PatternScanner.h"

namespace ferolan::Module1 {

enum class Target { kNone, kFrench, kMaths };

struct RoutedLine {
  Target target;
  // The text that follows the line number in the result file; valid until the next line.
  std::string_view body;
};

class LineRouter {
 public:
  LineRouter();
  // Begins a line of the given output kind.
  void Start(bool casimir);
  void Feed(std::string_view piece);
  // Raises the invalid-argument or overflow error for a casimir line that has no room for a
  // protocol.
  RoutedLine Finish();

 private:
  // Collects what removing every occurrence of a pattern leaves of the line, as far as the
  // body can reach.
  class Remover {
   public:
    explicit Remover(const Pattern& pattern) : scanner_(pattern) {}
    void Start(const Pattern& pattern);
    void Feed(std::string_view piece);
    std::string_view Body();

   private:
    std::string kept_;
    PatternScanner scanner_;
  };

  // Tells whether the line holds a pattern.
  class Finder {
   public:
    explicit Finder(const Pattern& pattern) : scanner_(pattern) {}
    void Start();
    void Feed(std::string_view piece);
    bool Found() const { return found_; }

   private:
    bool found_ = false;
    PatternScanner scanner_;
  };

  RoutedLine FinishCasimir();
  RoutedLine FinishText();

  bool casimir_ = true;
  std::uint64_t length_ = 0;
  std::uint64_t lastBar_ = 0;  // 1-based position of the last "|", 0 when none
  std::string start_;          // the first bytes of the line, as far as a protocol can reach
  Remover french_;
  Remover maths_;
  Finder frenchMarker_;
  Finder mathsMarker_;
};

}  // namespace ferolan::Module1
