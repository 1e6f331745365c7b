// A Deflate64 entry's data, inflated here from the compressed bytes that libzip reads (and
// decrypts) but cannot inflate, with its size and CRC-32 checked at the end as libzip checks
// the other entries'.
#pragma once

#include <zip.h>

#include <cstdint>
#include <optional>
#include <string>

#include "stand-ins/unzip32/Deflate64Inflater.h"

namespace unzip32 {

class Deflate64Reader {
 public:
  // `file` is open on the entry's compressed bytes, and stays open as long as the reader.
  Deflate64Reader(zip_file_t* file, const zip_stat_t& stat);

  // As EntryReader's: bytes read, 0 at the end, -1 on a failure that Error() describes.
  zip_int64_t Read(void* buffer, zip_uint64_t size);
  std::string Error() const;

 private:
  zip_file_t* file_;
  Deflate64Inflater inflater_;
  zip_uint64_t declaredSize_;
  std::optional<zip_uint32_t> declaredCrc_;
  zip_uint64_t inflated_ = 0;
  zip_uint32_t crc_ = 0;
  std::string cause_;
};

}  // namespace unzip32
