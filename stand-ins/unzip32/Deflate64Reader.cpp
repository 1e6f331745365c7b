#include "stand-ins/unzip32/Deflate64Reader.h"

#include <zlib.h>

#include <algorithm>

#include "stand-ins/common/ZipErrorText.h"

namespace unzip32 {

Deflate64Reader::Deflate64Reader(zip_file_t* file, const zip_stat_t& stat)
    : file_(file),
      inflater_([file](std::uint8_t* buffer, std::size_t size) {
        return std::int64_t{zip_fread(file, buffer, size)};
      }),
      declaredSize_(stat.size),
      declaredCrc_((stat.valid & ZIP_STAT_CRC) != 0 ? std::optional(stat.crc) : std::nullopt) {}

zip_int64_t Deflate64Reader::Read(void* buffer, zip_uint64_t size) {
  if (!cause_.empty()) return -1;
  if (size == 0) return 0;
  const std::int64_t read =
      inflater_.Read(static_cast<std::uint8_t*>(buffer),
                     static_cast<std::size_t>(std::min<zip_uint64_t>(size, SIZE_MAX)));
  if (read < 0) {
    cause_ = inflater_.Error();
    return -1;
  }
  crc_ = static_cast<zip_uint32_t>(
      crc32_z(crc_, static_cast<const Bytef*>(buffer), static_cast<std::size_t>(read)));
  inflated_ += static_cast<zip_uint64_t>(read);
  if (read > 0) return read;
  // More bytes than declared are the caller's to stop, before they fill the disk.
  if (inflated_ < declaredSize_) {
    cause_ = "moins de données que les " + std::to_string(declaredSize_) +
             " octets annoncés par l'entrée";
  } else if (declaredCrc_ && crc_ != *declaredCrc_) {
    zip_error_t error;
    zip_error_init_with_code(&error, ZIP_ER_CRC);
    cause_ = standin::ZipErrorText(&error);
    zip_error_fini(&error);
  }
  return cause_.empty() ? 0 : -1;
}

// libzip's own failure (reading the file, decrypting) says more than the inflater's, which only
// saw its source fail.
std::string Deflate64Reader::Error() const {
  zip_error_t* error = zip_file_get_error(file_);
  return zip_error_code_zip(error) != ZIP_ER_OK ? standin::ZipErrorText(error) : cause_;
}

}  // namespace unzip32
