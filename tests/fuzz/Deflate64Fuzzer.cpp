// The Deflate64 inflater on arbitrary bytes. The first two say how many bytes the source gives
// and the reader asks for at a time, so that every state meets the end of a piece; the rest is
// the stream.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

#include "stand-ins/unzip32/Deflate64Inflater.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 2) return 0;
  const std::size_t given = std::size_t{data[0]} + 1;
  std::vector<std::uint8_t> buffer(std::size_t{data[1]} * 64 + 1);
  const std::uint8_t* stream = data + 2;
  std::size_t left = size - 2;
  unzip32::Deflate64Inflater inflater([&](std::uint8_t* into, std::size_t capacity) {
    const std::size_t count = std::min({capacity, given, left});
    std::memcpy(into, stream, count);
    stream += count;
    left -= count;
    return static_cast<std::int64_t>(count);
  });
  // A few bytes may stand for gigabytes; a mebibyte reaches every state.
  for (std::size_t inflated = 0; inflated < (std::size_t{1} << 20);) {
    const std::int64_t read = inflater.Read(buffer.data(), buffer.size());
    if (read <= 0) break;
    inflated += static_cast<std::size_t>(read);
  }
  return 0;
}
