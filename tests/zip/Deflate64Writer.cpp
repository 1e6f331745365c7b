#include "tests/zip/Deflate64Writer.h"

#include <algorithm>
#include <stdexcept>

namespace ferolan::testing {

namespace {

constexpr std::uint32_t kEndOfBlock = 256;
constexpr int kLengthCodeOrder[] = {16, 17, 18, 0, 8,  7, 9,  6, 10, 5,
                                    11, 4,  12, 3, 13, 2, 14, 1, 15};

struct Range {
  std::uint32_t symbol;
  std::uint32_t base;
  int extraBits;
};

// Worked out from the rule of the extra bits, so that the inflater's tables are checked against
// something else than themselves. Code 285 comes last: it covers every length, and the lengths
// up to 258 have codes of their own.
const std::vector<Range>& LengthRanges() {
  static const std::vector<Range> ranges = [] {
    std::vector<Range> list;
    std::uint32_t base = 3;
    for (std::uint32_t symbol = 257; symbol <= 284; ++symbol) {
      const int extraBits = symbol < 265 ? 0 : static_cast<int>(symbol - 261) / 4;
      list.push_back({symbol, base, extraBits});
      base += 1u << extraBits;
    }
    list.push_back({285, 3, 16});
    return list;
  }();
  return ranges;
}

const std::vector<Range>& DistanceRanges() {
  static const std::vector<Range> ranges = [] {
    std::vector<Range> list;
    std::uint32_t base = 1;
    for (std::uint32_t symbol = 0; symbol < 32; ++symbol) {
      const int extraBits = symbol < 4 ? 0 : static_cast<int>(symbol) / 2 - 1;
      list.push_back({symbol, base, extraBits});
      base += 1u << extraBits;
    }
    return list;
  }();
  return ranges;
}

const Range& RangeOf(const std::vector<Range>& ranges, std::uint32_t value) {
  for (const Range& range : ranges) {
    if (value >= range.base && value - range.base < (1u << range.extraBits)) return range;
  }
  throw std::invalid_argument("no Deflate64 code for " + std::to_string(value));
}

std::vector<std::uint32_t> CanonicalCodes(const std::vector<std::uint8_t>& lengths) {
  std::uint32_t counts[16] = {};
  for (const std::uint8_t length : lengths) counts[length] += length > 0 ? 1 : 0;
  std::uint32_t next[16] = {};
  for (int bits = 2; bits < 16; ++bits) next[bits] = (next[bits - 1] + counts[bits - 1]) << 1;
  std::vector<std::uint32_t> codes(lengths.size());
  for (std::size_t symbol = 0; symbol < lengths.size(); ++symbol) {
    if (lengths[symbol] > 0) codes[symbol] = next[lengths[symbol]]++;
  }
  return codes;
}

// A complete code for the used symbols, not the shortest: n of them get lengths k - 1 and k,
// for the k with 2^(k-1) < n <= 2^k. The list ends at its last used symbol, or at `least`.
std::vector<std::uint8_t> FittedLengths(const std::vector<bool>& used, std::size_t least) {
  const auto count = static_cast<std::size_t>(std::count(used.begin(), used.end(), true));
  int bits = 0;
  while ((std::size_t{1} << bits) < count) ++bits;
  std::size_t shorter = (std::size_t{1} << bits) - count;
  std::vector<std::uint8_t> lengths(used.size(), 0);
  for (std::size_t symbol = 0; symbol < used.size(); ++symbol) {
    if (!used[symbol]) continue;
    lengths[symbol] = static_cast<std::uint8_t>(count == 1 ? 1 : shorter > 0 ? bits - 1 : bits);
    shorter -= shorter > 0 ? 1 : 0;
  }
  while (lengths.size() > least && lengths.back() == 0) lengths.pop_back();
  return lengths;
}

// Runs of zeros as codes 17 and 18, other runs as the length and code 16.
std::vector<LengthSymbol> RunLengths(const std::vector<std::uint8_t>& lengths) {
  std::vector<LengthSymbol> symbols;
  for (std::size_t at = 0; at < lengths.size();) {
    const std::uint8_t length = lengths[at];
    std::size_t run = 1;
    while (at + run < lengths.size() && lengths[at + run] == length) ++run;
    if (length == 0 && run >= 11) {
      run = std::min<std::size_t>(run, 138);
      symbols.push_back({18, static_cast<std::uint32_t>(run - 11)});
    } else if (length == 0 && run >= 3) {
      run = std::min<std::size_t>(run, 10);
      symbols.push_back({17, static_cast<std::uint32_t>(run - 3)});
    } else if (length != 0 && run >= 4) {
      run = 1 + std::min<std::size_t>(run - 1, 6);
      symbols.push_back({length});
      symbols.push_back({16, static_cast<std::uint32_t>(run - 4)});
    } else {
      run = 1;
      symbols.push_back({length});
    }
    at += run;
  }
  return symbols;
}

}  // namespace

std::vector<Deflate64Token> Literals(std::string_view text) {
  std::vector<Deflate64Token> tokens;
  for (const char c : text) {
    tokens.push_back({Deflate64Token::Kind::kLiteral, static_cast<std::uint8_t>(c)});
  }
  return tokens;
}

Deflate64Token Copy(std::uint32_t length, std::uint32_t distance) {
  return {Deflate64Token::Kind::kCopy, length, distance};
}

std::vector<Deflate64Token> operator+(std::vector<Deflate64Token> tokens,
                                      const std::vector<Deflate64Token>& more) {
  tokens.insert(tokens.end(), more.begin(), more.end());
  return tokens;
}

Deflate64Writer& Deflate64Writer::Stored(std::string_view data, bool final) {
  if (data.size() > 0xFFFF) throw std::invalid_argument("a stored block holds 65535 bytes");
  Bits(final ? 1 : 0, 1).Bits(0, 2);
  if (pendingBits_ > 0) Bits(0, 8 - pendingBits_);
  const auto size = static_cast<std::uint32_t>(data.size());
  Bits(size, 16).Bits(~size & 0xFFFF, 16);
  for (const char c : data) Bits(static_cast<std::uint8_t>(c), 8);
  return *this;
}

Deflate64Writer& Deflate64Writer::Fixed(const std::vector<Deflate64Token>& tokens, bool final) {
  Bits(final ? 1 : 0, 1).Bits(1, 2);
  literalLengths_.assign(288, 8);
  std::fill(literalLengths_.begin() + 144, literalLengths_.begin() + 256, 9);
  std::fill(literalLengths_.begin() + 256, literalLengths_.begin() + 280, 7);
  distanceLengths_.assign(32, 5);
  literalCodes_ = CanonicalCodes(literalLengths_);
  distanceCodes_ = CanonicalCodes(distanceLengths_);
  return Codes(tokens);
}

Deflate64Writer& Deflate64Writer::Dynamic(const std::vector<Deflate64Token>& tokens, bool final) {
  std::vector<bool> literals(286);
  std::vector<bool> distances(32);
  literals[kEndOfBlock] = true;
  for (const Deflate64Token& token : tokens) {
    if (token.kind != Deflate64Token::Kind::kCopy) {
      literals.at(token.value) = true;
      continue;
    }
    literals[RangeOf(LengthRanges(), token.value).symbol] = true;
    distances[RangeOf(DistanceRanges(), token.distance).symbol] = true;
  }
  return DynamicHeader(final, FittedLengths(literals, 257), FittedLengths(distances, 1))
      .Codes(tokens);
}

Deflate64Writer& Deflate64Writer::DynamicHeader(bool final,
                                                const std::vector<std::uint8_t>& literalLengths,
                                                const std::vector<std::uint8_t>& distanceLengths) {
  std::vector<std::uint8_t> all = literalLengths;
  all.insert(all.end(), distanceLengths.begin(), distanceLengths.end());
  DynamicHeader(final, static_cast<int>(literalLengths.size()),
                static_cast<int>(distanceLengths.size()), RunLengths(all));
  literalLengths_ = literalLengths;
  literalCodes_ = CanonicalCodes(literalLengths);
  distanceLengths_ = distanceLengths;
  distanceCodes_ = CanonicalCodes(distanceLengths);
  return *this;
}

// The code-length code is always the same complete one: thirteen codes of 4 bits, six of 5.
Deflate64Writer& Deflate64Writer::DynamicHeader(bool final, int literalCount, int distanceCount,
                                                const std::vector<LengthSymbol>& symbols) {
  std::vector<std::uint8_t> lengthCodeLengths(19, 4);
  std::fill(lengthCodeLengths.begin() + 13, lengthCodeLengths.end(), 5);
  const std::vector<std::uint32_t> lengthCodes = CanonicalCodes(lengthCodeLengths);
  Bits(final ? 1 : 0, 1).Bits(2, 2);
  Bits(static_cast<std::uint32_t>(literalCount - 257), 5);
  Bits(static_cast<std::uint32_t>(distanceCount - 1), 5);
  Bits(19 - 4, 4);
  for (const int symbol : kLengthCodeOrder) Bits(lengthCodeLengths[symbol], 3);
  for (const LengthSymbol& symbol : symbols) {
    Code(lengthCodes, lengthCodeLengths, static_cast<std::uint32_t>(symbol.symbol));
    const int extraBits[] = {2, 3, 7};
    if (symbol.symbol >= 16) Bits(symbol.extra, extraBits[symbol.symbol - 16]);
  }
  return *this;
}

Deflate64Writer& Deflate64Writer::Codes(const std::vector<Deflate64Token>& tokens) {
  for (const Deflate64Token& token : tokens) {
    if (token.kind != Deflate64Token::Kind::kCopy) {
      Code(literalCodes_, literalLengths_, token.value);
      continue;
    }
    const Range& length = RangeOf(LengthRanges(), token.value);
    Code(literalCodes_, literalLengths_, length.symbol);
    Bits(token.value - length.base, length.extraBits);
    const Range& distance = RangeOf(DistanceRanges(), token.distance);
    Code(distanceCodes_, distanceLengths_, distance.symbol);
    Bits(token.distance - distance.base, distance.extraBits);
  }
  Code(literalCodes_, literalLengths_, kEndOfBlock);
  return *this;
}

// Huffman codes go in from their highest bit.
void Deflate64Writer::Code(const std::vector<std::uint32_t>& codes,
                           const std::vector<std::uint8_t>& lengths, std::uint32_t symbol) {
  if (symbol >= lengths.size() || lengths[symbol] == 0) {
    throw std::invalid_argument("no code for symbol " + std::to_string(symbol));
  }
  for (int bit = lengths[symbol] - 1; bit >= 0; --bit) Bits((codes[symbol] >> bit) & 1, 1);
}

Deflate64Writer& Deflate64Writer::Bits(std::uint32_t value, int count) {
  for (int bit = 0; bit < count; ++bit) {
    pending_ |= ((value >> bit) & 1) << pendingBits_;
    if (++pendingBits_ == 8) {
      bytes_ += static_cast<char>(pending_);
      pending_ = 0;
      pendingBits_ = 0;
    }
  }
  return *this;
}

std::string Deflate64Writer::Bytes() const {
  return pendingBits_ > 0 ? bytes_ + static_cast<char>(pending_) : bytes_;
}

std::string Deflate64(std::string_view data) {
  return Deflate64Writer().Dynamic(Literals(data), true).Bytes();
}

std::string Noise(std::size_t size) {
  std::string noise(size, '\0');
  std::uint32_t state = 1;
  for (char& c : noise) c = static_cast<char>((state = state * 1103515245 + 12345) >> 16);
  return noise;
}

}  // namespace ferolan::testing
