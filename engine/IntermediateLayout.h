// The layout of the intermediate file's lines: pass 1 writes them, pass 2 reads them back, and
// both take their widths and markers from here.
#pragma once

#include <cstddef>
#include <string_view>

namespace ferolan::Module1 {

// Every line starts with the pass-1 record number, of which pass 2 drops exactly this many
// characters.
inline constexpr std::size_t kRecordNumberWidth = 2;

// Casimir lines: the names in fixed widths, then the protocol, the marker and the codes.
inline constexpr std::size_t kSurnameWidth = 25;
inline constexpr std::size_t kFirstNameWidth = 15;
inline constexpr std::size_t kCodesWidth = 250;
inline constexpr std::size_t kProtocolStart = kRecordNumberWidth + kSurnameWidth + kFirstNameWidth;
static_assert(kProtocolStart == 42, "the protocol is read from the 43rd character of a line");
// A head (the line before its last marker) of this length up to kProtocolStart gives an empty
// protocol; a shorter one is an invalid argument.
inline constexpr std::size_t kShortestHead = kProtocolStart - 3;

// Both layouts end the protocol with this marker.
inline constexpr std::string_view kProtocolMarker = "|";
inline constexpr std::string_view kFrenchProtocol = "FRACE2-2005";
inline constexpr std::string_view kMathsProtocol = "MATCE2-2005";

}  // namespace ferolan::Module1
