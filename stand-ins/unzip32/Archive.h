// The zip archive being read, over libzip: opening it, the facts about each entry, and reading
// an entry's data with its CRC checked at the end.
#pragma once

#include <zip.h>

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <utility>

#include "stand-ins/unzip32/Deflate64Reader.h"

namespace unzip32 {

struct EntryInfo {
  std::string name;
  zip_stat_t stat;
  bool isFolder;
  bool isSymbolicLink;
  bool encrypted;
};

// Reads one entry from start to end. Read() returns the number of bytes read, 0 at the end and
// -1 on a failure (the CRC is checked when the end is reached); Error() then says why.
class EntryReader {
 public:
  // `file` gives the entry's data, or the compressed bytes that `deflate64` inflates.
  EntryReader(zip_file_t* file, std::unique_ptr<Deflate64Reader> deflate64)
      : file_(file), deflate64_(std::move(deflate64)) {}
  zip_int64_t Read(void* buffer, zip_uint64_t size) {
    return deflate64_ ? deflate64_->Read(buffer, size) : zip_fread(file_.get(), buffer, size);
  }
  std::string Error() const;

 private:
  struct Close {
    void operator()(zip_file_t* file) const { zip_fclose(file); }
  };
  std::unique_ptr<zip_file_t, Close> file_;
  std::unique_ptr<Deflate64Reader> deflate64_;  // reads from file_, so is closed first
};

class Archive {
 public:
  // Opens the archive for reading; on failure, `cause` says why and `notAnArchive` tells a file
  // that is not a (sound) zip archive from one that cannot be opened at all.
  static std::unique_ptr<Archive> Open(const char* path, std::string& cause, bool& notAnArchive);

  zip_int64_t Count() const { return zip_get_num_entries(archive_.get(), 0); }
  // False, with `cause` filled, when the directory record of the entry is unreadable.
  bool Info(zip_uint64_t index, EntryInfo& info, std::string& cause) const;
  std::string_view Comment() const;

  // Opens the entry described by `info`; null on failure, with `cause` filled and
  // `wrongPassword` telling whether the password was refused.
  std::unique_ptr<EntryReader> OpenEntry(zip_uint64_t index, const EntryInfo& info,
                                         const char* password, std::string& cause,
                                         bool& wrongPassword) const;

 private:
  explicit Archive(zip_t* archive) : archive_(archive) {}
  struct Discard {
    void operator()(zip_t* archive) const { zip_discard(archive); }
  };
  std::unique_ptr<zip_t, Discard> archive_;
};

}  // namespace unzip32
