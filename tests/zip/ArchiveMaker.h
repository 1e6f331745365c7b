// Zip archives made for the tests with libzip, including the kinds that an extractor must
// refuse or survive, and a direct look into the archives that the program writes.
#pragma once

#include <zip.h>

#include <ctime>
#include <optional>
#include <string>
#include <vector>

namespace ferolan::testing {

struct ArchiveEntry {
  // A folder is stored with a "/" at the end of its name; a DOS folder by its attribute alone.
  enum class Kind { kFile, kFolder, kSymbolicLink, kDosFolder };

  std::string name = {};
  std::string data = {};  // a symbolic link's data is its target
  Kind kind = Kind::kFile;
  zip_uint16_t encryption = ZIP_EM_NONE;
  std::string password = {};
  bool stored = false;  // kept uncompressed, so that tests can find and damage its bytes
  // Compressed with Deflate64 (method 9): this stream is written as it is, with the size and
  // CRC-32 of `data`, whatever it inflates to.
  std::optional<std::string> deflate64 = {};
  bool utf8Flag = true;      // off: the name's bytes are stored as they are, without the flag
  std::time_t modified = 0;  // the archive's modification time for it; 0 for now
};

void MakeArchive(const std::string& path, const std::vector<ArchiveEntry>& entries,
                 const std::string& comment = {});

// An archive holding the file at `source` as `name`, stored, without reading it into memory.
void MakeStoredArchive(const std::string& path, const std::string& name, const std::string& source);

struct StoredEntry {
  std::string name;
  zip_uint16_t method;
  zip_uint16_t encryption;
  zip_uint64_t compressedSize;
};

struct StoredArchive {
  std::vector<StoredEntry> entries;
  std::string comment;
};

StoredArchive ReadArchive(const std::string& path);

}  // namespace ferolan::testing
