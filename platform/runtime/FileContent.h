// What tells one result file from another whatever the file system does to their names and
// numbers: their size and a digest of their bytes. FAT gives a file another number at each
// mount, so a recovery after a USB stick was pulled out and put back finds files by what they
// hold; two files that hold the same bytes may stand for each other.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace ferolan {

struct FileContent {
  std::uint64_t size = 0;
  // 64-bit FNV-1a: not a defence against someone who can write the user's files, who could
  // replace the results themselves, only a way to tell two results apart.
  std::uint64_t digest = 14695981039346656037ull;

  void Add(std::string_view bytes) {
    for (const char byte : bytes) {
      digest = (digest ^ static_cast<unsigned char>(byte)) * 1099511628211ull;
    }
    size += bytes.size();
  }

  bool operator==(const FileContent&) const = default;
};

}  // namespace ferolan
