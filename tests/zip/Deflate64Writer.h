// Deflate64 streams for the tests, written bit by bit: stored, fixed and dynamic Huffman blocks
// of chosen symbols, damaged ones too.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace ferolan::testing {

// A literal byte, a copy of `value` bytes from `distance` back, or a literal/length symbol
// written as it is, without extra bits.
struct Deflate64Token {
  enum class Kind { kLiteral, kCopy, kSymbol };
  Kind kind;
  std::uint32_t value;
  std::uint32_t distance = 0;
};

std::vector<Deflate64Token> Literals(std::string_view text);
Deflate64Token Copy(std::uint32_t length, std::uint32_t distance);
std::vector<Deflate64Token> operator+(std::vector<Deflate64Token> tokens,
                                      const std::vector<Deflate64Token>& more);

// A symbol of a dynamic header's code-length code, with its extra bits.
struct LengthSymbol {
  int symbol;
  std::uint32_t extra = 0;
};

class Deflate64Writer {
 public:
  Deflate64Writer& Stored(std::string_view data, bool final);
  Deflate64Writer& Fixed(const std::vector<Deflate64Token>& tokens, bool final);
  // A dynamic block with code lengths fitted to its tokens.
  Deflate64Writer& Dynamic(const std::vector<Deflate64Token>& tokens, bool final);
  // A dynamic block's header giving these code lengths; Codes() writes the block's tokens.
  Deflate64Writer& DynamicHeader(bool final, const std::vector<std::uint8_t>& literalLengths,
                                 const std::vector<std::uint8_t>& distanceLengths);
  // A dynamic block's header giving these code-length symbols as they are.
  Deflate64Writer& DynamicHeader(bool final, int literalCount, int distanceCount,
                                 const std::vector<LengthSymbol>& symbols);
  // The tokens in the codes of the block begun last, then the block's end.
  Deflate64Writer& Codes(const std::vector<Deflate64Token>& tokens);
  // Bits as they are, the first one lowest.
  Deflate64Writer& Bits(std::uint32_t value, int count);
  std::string Bytes() const;

 private:
  void Code(const std::vector<std::uint32_t>& codes, const std::vector<std::uint8_t>& lengths,
            std::uint32_t symbol);

  std::string bytes_;
  std::uint32_t pending_ = 0;
  int pendingBits_ = 0;
  std::vector<std::uint8_t> literalLengths_;
  std::vector<std::uint32_t> literalCodes_;
  std::vector<std::uint8_t> distanceLengths_;
  std::vector<std::uint32_t> distanceCodes_;
};

// `data` as the literals of one dynamic block.
std::string Deflate64(std::string_view data);

// `size` bytes in which no short run repeats, so that a copy from the wrong place shows.
std::string Noise(std::size_t size);

}  // namespace ferolan::testing
