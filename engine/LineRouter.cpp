#include "engine/LineRouter.h"

#include "engine/IntermediateLayout.h"
#include "engine/SplitText.h"
#include "platform/runtime/LastByte.h"
#include "platform/runtime/RuntimeError.h"

namespace ferolan::Module1 {

namespace {

// The most that a result line keeps after the pass-1 record number that the body loses.
constexpr std::size_t kBodyWidth = 500;
constexpr std::size_t kBodyReach = kRecordNumberWidth + kBodyWidth;

// The texts that the body loses (casimir: protocol and "|"; text: protocol, "|" and the ";"
// that opens the codes) and the markers that route a text line.
struct Markers {
  Pattern frenchBar{std::string(kFrenchProtocol) + std::string(kProtocolMarker)};
  Pattern mathsBar{std::string(kMathsProtocol) + std::string(kProtocolMarker)};
  Pattern frenchBarSemicolon{std::string(kFrenchProtocol) + std::string(kProtocolMarker) + ";"};
  Pattern mathsBarSemicolon{std::string(kMathsProtocol) + std::string(kProtocolMarker) + ";"};
};

const Markers& TheMarkers() {
  static const Markers markers;
  return markers;
}

}  // namespace

void LineRouter::Remover::Start(const Pattern& pattern) {
  kept_.clear();
  scanner_.Restart(pattern);
}

void LineRouter::Remover::Feed(std::string_view piece) {
  if (kept_.size() >= kBodyReach) return;  // nothing further can reach the body
  const auto keep = [this](std::string_view text) {
    if (kept_.size() < kBodyReach) kept_.append(text.substr(0, kBodyReach - kept_.size()));
  };
  scanner_.Feed(piece, keep, [] {});
}

std::string_view LineRouter::Remover::Body() {
  scanner_.Finish([this](std::string_view text) { kept_.append(text); });
  if (kept_.size() <= kRecordNumberWidth) return {};
  return std::string_view(kept_).substr(kRecordNumberWidth, kBodyWidth);
}

void LineRouter::Finder::Start() {
  found_ = false;
  scanner_.Restart();
}

void LineRouter::Finder::Feed(std::string_view piece) {
  if (!found_)
    scanner_.Feed(
        piece, [](std::string_view) {}, [this] { found_ = true; });
}

LineRouter::LineRouter()
    : french_(TheMarkers().frenchBar),
      maths_(TheMarkers().mathsBar),
      frenchMarker_(TheMarkers().frenchBar),
      mathsMarker_(TheMarkers().mathsBar) {}

void LineRouter::Start(bool casimir) {
  casimir_ = casimir;
  length_ = 0;
  lastBar_ = 0;
  start_.clear();
  french_.Start(casimir ? TheMarkers().frenchBar : TheMarkers().frenchBarSemicolon);
  maths_.Start(casimir ? TheMarkers().mathsBar : TheMarkers().mathsBarSemicolon);
  frenchMarker_.Start();
  mathsMarker_.Start();
}

void LineRouter::Feed(std::string_view piece) {
  french_.Feed(piece);
  maths_.Feed(piece);
  if (casimir_) {
    const std::size_t room = kProtocolStart + kFrenchProtocol.size();
    if (start_.size() < room) start_.append(piece.substr(0, room - start_.size()));
    if (const char* bar = LastByte(piece.data(), kProtocolMarker[0], piece.size())) {
      lastBar_ = length_ + static_cast<std::size_t>(bar - piece.data()) + 1;
    }
  } else {
    frenchMarker_.Feed(piece);
    mathsMarker_.Feed(piece);
  }
  length_ += piece.size();
}

RoutedLine LineRouter::Finish() { return casimir_ ? FinishCasimir() : FinishText(); }

RoutedLine LineRouter::FinishCasimir() {
  // The head is the line before its last "|", as SplitText finds it.
  if (lastBar_ > 0) CheckSplitPosition(lastBar_, true);
  const std::uint64_t headLength = lastBar_ > 0 ? lastBar_ - 1 : 0;
  if (headLength < kShortestHead) Raise(kErrInvalidArgument);
  const std::string_view protocol = headLength == kProtocolStart + kFrenchProtocol.size()
                                        ? std::string_view(start_).substr(kProtocolStart)
                                        : std::string_view();
  if (protocol == kFrenchProtocol) return {Target::kFrench, french_.Body()};
  if (protocol == kMathsProtocol) return {Target::kMaths, maths_.Body()};
  return {Target::kNone, {}};
}

RoutedLine LineRouter::FinishText() {
  if (!frenchMarker_.Found()) return {Target::kMaths, maths_.Body()};
  if (!mathsMarker_.Found()) return {Target::kFrench, french_.Body()};
  return {Target::kNone, {}};
}

}  // namespace ferolan::Module1
