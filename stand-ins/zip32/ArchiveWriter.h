// The archive being written, over libzip. Nothing reaches the disk before Close, which writes
// a temporary file beside the archive and renames it into place; a writer dropped without a
// successful Close leaves the archive as it was.
#pragma once

#include <zip.h>

#include <memory>
#include <string>

#include "stand-ins/common/Report.h"
#include "stand-ins/zip32/Plan.h"

namespace zip32 {

class ArchiveWriter {
 public:
  // Opens the archive at `path`, or a new one when there is none or when `addToExisting` is
  // off; null on failure, reported.
  static std::unique_ptr<ArchiveWriter> Open(const std::string& path, bool addToExisting,
                                             standin::Report& report);

  // Sets the archive comment; a comment that is not UTF-8 text is reported and left out.
  void Comment(const std::string& comment);
  // Stores one entry at a level byte of ZipOptions, encrypted when `password` is not empty.
  bool Add(const PlannedEntry& entry, char level, const std::string& password);
  bool Close();

 private:
  ArchiveWriter(zip_t* archive, std::string path, standin::Report& report)
      : archive_(archive), path_(std::move(path)), report_(report) {}
  bool Check(bool ok, int32_t code, const std::string& name);

  struct Discard {
    void operator()(zip_t* archive) const { zip_discard(archive); }
  };
  std::unique_ptr<zip_t, Discard> archive_;
  std::string path_;
  standin::Report& report_;
};

}  // namespace zip32
