#include "stand-ins/unzip32/Deflate64Inflater.h"

#include <algorithm>
#include <iterator>
#include <utility>

namespace unzip32 {

namespace {

constexpr int kLongestCode = 15;
constexpr std::size_t kWindowSize = std::size_t{1} << 16;
constexpr std::size_t kInputSize = std::size_t{1} << 14;
constexpr int kEndOfBlock = 256;
constexpr int kLiteralLengthCodes = 286;
constexpr int kDistanceCodes = 32;

struct Base {
  std::uint32_t base;
  int extraBits;
};

// Length codes 257 to 285; Deflate64's 285 is 3 plus 16 bits where deflate's is 258.
constexpr Base kLengths[] = {
    {3, 0},  {4, 0},  {5, 0},  {6, 0},   {7, 0},   {8, 0},   {9, 0},   {10, 0},  {11, 1}, {13, 1},
    {15, 1}, {17, 1}, {19, 2}, {23, 2},  {27, 2},  {31, 2},  {35, 3},  {43, 3},  {51, 3}, {59, 3},
    {67, 4}, {83, 4}, {99, 4}, {115, 4}, {131, 5}, {163, 5}, {195, 5}, {227, 5}, {3, 16},
};
static_assert(std::size(kLengths) == kLiteralLengthCodes - kEndOfBlock - 1);

// Distance codes 0 to 31; 30 and 31 reach the window's far half, which deflate has not.
constexpr Base kDistances[] = {
    {1, 0},      {2, 0},      {3, 0},      {4, 0},      {5, 1},     {7, 1},     {9, 2},
    {13, 2},     {17, 3},     {25, 3},     {33, 4},     {49, 4},    {65, 5},    {97, 5},
    {129, 6},    {193, 6},    {257, 7},    {385, 7},    {513, 8},   {769, 8},   {1025, 9},
    {1537, 9},   {2049, 10},  {3073, 10},  {4097, 11},  {6145, 11}, {8193, 12}, {12289, 12},
    {16385, 13}, {24577, 13}, {32769, 14}, {49153, 14},
};
static_assert(std::size(kDistances) == kDistanceCodes);

// The order in which a dynamic block gives the lengths of the code-length code.
constexpr int kLengthCodeOrder[] = {16, 17, 18, 0, 8,  7, 9,  6, 10, 5,
                                    11, 4,  12, 3, 13, 2, 14, 1, 15};

constexpr const char* kCut = "données compressées tronquées";
constexpr const char* kUnreadable = "lecture des données compressées impossible";

struct Failure {
  std::string text;
};

[[noreturn]] void Fail(const char* detail) {
  throw Failure{std::string("données compressées incorrectes (") + detail + ")"};
}

std::uint32_t Reversed(std::uint32_t value, int bits) {
  std::uint32_t reversed = 0;
  for (int i = 0; i < bits; ++i, value >>= 1) reversed = (reversed << 1) | (value & 1);
  return reversed;
}

}  // namespace

struct Deflate64Inflater::Output {
  std::uint8_t* at;
  std::size_t left;
};

Deflate64Inflater::Deflate64Inflater(Source source)
    : source_(std::move(source)), input_(kInputSize), window_(kWindowSize) {}

// Codes are canonical: the lengths alone make them. Each entry of the table holds the symbol
// whose code the index's low bits, read first, begin with.
void Deflate64Inflater::Build(const std::uint8_t* lengths, int count, Code& code) {
  int counts[kLongestCode + 1] = {};
  for (int symbol = 0; symbol < count; ++symbol) ++counts[lengths[symbol]];
  int left = 1;
  int longest = 0;
  for (int bits = 1; bits <= kLongestCode; ++bits) {
    left = (left << 1) - counts[bits];
    if (left < 0) Fail("table de codes de Huffman en surnombre");
    if (counts[bits] > 0) longest = bits;
  }
  // A code may leave bit patterns unused only when it is a single one-bit code (one distance
  // used) or no code at all (no distance used).
  const int used = count - counts[0];
  if (left > 0 && used > 0 && !(used == 1 && counts[1] == 1)) {
    Fail("table de codes de Huffman incomplète");
  }

  std::uint32_t next[kLongestCode + 1] = {};
  for (int bits = 2; bits <= kLongestCode; ++bits) {
    next[bits] = (next[bits - 1] + static_cast<std::uint32_t>(counts[bits - 1])) << 1;
  }
  code.bits = longest;
  code.entries.assign(std::size_t{1} << longest, Code::Entry{0, 0});
  for (int symbol = 0; symbol < count; ++symbol) {
    const int length = lengths[symbol];
    if (length == 0) continue;
    const Code::Entry entry{static_cast<std::uint16_t>(symbol), static_cast<std::uint8_t>(length)};
    for (std::size_t at = Reversed(next[length]++, length); at < code.entries.size();
         at += std::size_t{1} << length) {
      code.entries[at] = entry;
    }
  }
}

std::int64_t Deflate64Inflater::Read(std::uint8_t* buffer, std::size_t size) {
  if (!error_.empty()) return -1;
  Output out{buffer, size};
  try {
    while (out.left > 0 && stage_ != Stage::kEnd) Step(out);
  } catch (const Failure& failure) {
    error_ = failure.text;
    return -1;
  }
  return static_cast<std::int64_t>(size - out.left);
}

void Deflate64Inflater::Step(Output& out) {
  const auto emit = [&](std::uint8_t byte) {
    window_[inflated_++ % kWindowSize] = byte;
    *out.at++ = byte;
    --out.left;
  };
  if (copyLeft_ > 0) {
    const auto count = static_cast<std::uint32_t>(std::min<std::size_t>(copyLeft_, out.left));
    // Byte by byte: a copy may overlap the bytes it makes.
    for (std::uint32_t i = 0; i < count; ++i) {
      emit(window_[(inflated_ - copyDistance_) % kWindowSize]);
    }
    copyLeft_ -= count;
    return;
  }
  switch (stage_) {
    case Stage::kBlockStart:
      StartBlock();
      return;
    case Stage::kStored: {
      const auto count = static_cast<std::uint32_t>(std::min<std::size_t>(storedLeft_, out.left));
      for (std::uint32_t i = 0; i < count; ++i) emit(static_cast<std::uint8_t>(Bits(8)));
      storedLeft_ -= count;
      if (storedLeft_ == 0) stage_ = finalBlock_ ? Stage::kEnd : Stage::kBlockStart;
      return;
    }
    case Stage::kCoded: {
      const int symbol = Decode(literals_);
      if (symbol < kEndOfBlock) {
        emit(static_cast<std::uint8_t>(symbol));
      } else if (symbol == kEndOfBlock) {
        stage_ = finalBlock_ ? Stage::kEnd : Stage::kBlockStart;
      } else {
        StartCopy(symbol);
      }
      return;
    }
    case Stage::kEnd:
      return;
  }
}

void Deflate64Inflater::StartBlock() {
  finalBlock_ = Bits(1) == 1;
  switch (Bits(2)) {
    case 0: {
      // Stored: from the next byte boundary, its length and that length's complement.
      const int partial = bitCount_ % 8;
      bitBuffer_ >>= partial;
      bitCount_ -= partial;
      storedLeft_ = Bits(16);
      if ((Bits(16) ^ 0xFFFF) != storedLeft_) Fail("longueur de bloc non compressé incohérente");
      stage_ = storedLeft_ > 0 ? Stage::kStored : finalBlock_ ? Stage::kEnd : Stage::kBlockStart;
      return;
    }
    case 1: {
      static const std::pair<Code, Code> fixed = [] {
        std::uint8_t lengths[288 + kDistanceCodes];
        std::fill(lengths, lengths + 144, 8);
        std::fill(lengths + 144, lengths + 256, 9);
        std::fill(lengths + 256, lengths + 280, 7);
        std::fill(lengths + 280, lengths + 288, 8);
        std::fill(lengths + 288, lengths + 288 + kDistanceCodes, 5);
        std::pair<Code, Code> codes;
        Build(lengths, 288, codes.first);
        Build(lengths + 288, kDistanceCodes, codes.second);
        return codes;
      }();
      literals_ = fixed.first;
      distances_ = fixed.second;
      stage_ = Stage::kCoded;
      return;
    }
    case 2:
      ReadDynamicCodes();
      stage_ = Stage::kCoded;
      return;
    default:
      Fail("type de bloc inconnu");
  }
}

void Deflate64Inflater::ReadDynamicCodes() {
  const int literalCount = 257 + static_cast<int>(Bits(5));
  const int distanceCount = 1 + static_cast<int>(Bits(5));
  const int lengthCodeCount = 4 + static_cast<int>(Bits(4));
  if (literalCount > kLiteralLengthCodes) Fail("trop de codes de littéraux et de longueurs");
  std::uint8_t lengthCodeLengths[std::size(kLengthCodeOrder)] = {};
  for (int i = 0; i < lengthCodeCount; ++i) {
    lengthCodeLengths[kLengthCodeOrder[i]] = static_cast<std::uint8_t>(Bits(3));
  }
  Code lengthCode;
  Build(lengthCodeLengths, static_cast<int>(std::size(lengthCodeLengths)), lengthCode);

  std::uint8_t lengths[kLiteralLengthCodes + kDistanceCodes] = {};
  const int total = literalCount + distanceCount;
  for (int at = 0; at < total;) {
    const int symbol = Decode(lengthCode);
    if (symbol < 16) {
      lengths[at++] = static_cast<std::uint8_t>(symbol);
      continue;
    }
    std::uint8_t repeated = 0;
    int times = 0;
    if (symbol == 16) {
      if (at == 0) Fail("répétition d'une longueur de code absente");
      repeated = lengths[at - 1];
      times = 3 + static_cast<int>(Bits(2));
    } else if (symbol == 17) {
      times = 3 + static_cast<int>(Bits(3));
    } else {
      times = 11 + static_cast<int>(Bits(7));
    }
    if (at + times > total) Fail("répétition au-delà du nombre de codes");
    std::fill_n(lengths + at, times, repeated);
    at += times;
  }
  Build(lengths, literalCount, literals_);
  Build(lengths + literalCount, distanceCount, distances_);
}

void Deflate64Inflater::StartCopy(int symbol) {
  if (symbol >= kLiteralLengthCodes) Fail("code de longueur inconnu");
  const Base& length = kLengths[symbol - kEndOfBlock - 1];
  copyLeft_ = length.base + Bits(length.extraBits);
  const Base& distance = kDistances[Decode(distances_)];
  copyDistance_ = distance.base + Bits(distance.extraBits);
  if (copyDistance_ > inflated_) Fail("distance avant le début des données");
}

// Takes whole bytes until `count` bits are at hand or the compressed data ends.
void Deflate64Inflater::Fill(int count) {
  while (bitCount_ < count) {
    if (inputAt_ == inputEnd_) {
      if (inputEnded_) return;
      const std::int64_t got = source_(input_.data(), input_.size());
      if (got < 0) throw Failure{kUnreadable};
      inputEnded_ = got == 0;
      inputAt_ = 0;
      inputEnd_ = std::min(static_cast<std::size_t>(got), input_.size());
      continue;
    }
    bitBuffer_ |= std::uint64_t{input_[inputAt_++]} << bitCount_;
    bitCount_ += 8;
  }
}

std::uint32_t Deflate64Inflater::Bits(int count) {
  Fill(count);
  if (bitCount_ < count) throw Failure{kCut};
  const auto value = static_cast<std::uint32_t>(bitBuffer_ & ((std::uint64_t{1} << count) - 1));
  bitBuffer_ >>= count;
  bitCount_ -= count;
  return value;
}

int Deflate64Inflater::Decode(const Code& code) {
  Fill(code.bits);
  const Code::Entry entry = code.entries[bitBuffer_ & ((std::uint64_t{1} << code.bits) - 1)];
  // Bits missing at the end may be what would have made a code.
  if (entry.length == 0 || entry.length > bitCount_) {
    if (bitCount_ < code.bits) throw Failure{kCut};
    Fail("code de Huffman inconnu");
  }
  bitBuffer_ >>= entry.length;
  bitCount_ -= entry.length;
  return entry.symbol;
}

}  // namespace unzip32
