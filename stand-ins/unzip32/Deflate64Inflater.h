// Inflates Deflate64 (zip method 9), which libzip cannot: deflate with a 64 KiB window, length
// code 285 as 3 plus 16 extra bits, and distance codes 30 and 31 for the window's far half.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace unzip32 {

class Deflate64Inflater {
 public:
  // Fills `buffer` with up to `size` compressed bytes: the number given, 0 at the end of the
  // compressed data, -1 when they cannot be read.
  using Source = std::function<std::int64_t(std::uint8_t* buffer, std::size_t size)>;

  explicit Deflate64Inflater(Source source);

  // Inflates up to `size` bytes into `buffer`: the number written, 0 once the final block has
  // ended (whatever compressed bytes follow it), -1 on a failure, which Error() describes; after
  // a failure, every call fails.
  std::int64_t Read(std::uint8_t* buffer, std::size_t size);

  // Why Read() failed, in French: data that is cut, damaged, or that the source could not read.
  const std::string& Error() const { return error_; }

 private:
  enum class Stage { kBlockStart, kStored, kCoded, kEnd };
  struct Output;
  // One Huffman code's lookup table, indexed by the stream's next `bits` bits.
  struct Code {
    struct Entry {
      std::uint16_t symbol;
      std::uint8_t length;  // 0: no code begins with these bits
    };
    std::vector<Entry> entries;
    int bits = 0;
  };

  static void Build(const std::uint8_t* lengths, int count, Code& code);
  void Step(Output& out);
  void StartBlock();
  void ReadDynamicCodes();
  void StartCopy(int symbol);
  void Fill(int count);
  std::uint32_t Bits(int count);
  int Decode(const Code& code);

  Source source_;
  std::vector<std::uint8_t> input_;
  std::size_t inputAt_ = 0;
  std::size_t inputEnd_ = 0;
  bool inputEnded_ = false;
  std::uint64_t bitBuffer_ = 0;
  int bitCount_ = 0;

  Stage stage_ = Stage::kBlockStart;
  bool finalBlock_ = false;
  std::uint32_t storedLeft_ = 0;
  Code literals_;
  Code distances_;

  // Every byte inflated so far, the last 64 KiB of them in the window.
  std::vector<std::uint8_t> window_;
  std::uint64_t inflated_ = 0;
  std::uint32_t copyLeft_ = 0;
  std::uint32_t copyDistance_ = 0;

  std::string error_;
};

}  // namespace unzip32
