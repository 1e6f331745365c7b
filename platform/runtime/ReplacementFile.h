// A file written under a temporary name beside its final name and put in place only by
// Commit(), so that a failed write leaves an earlier file of that name as it was.
#pragma once

#include <string>

#include "platform/runtime/OutputFile.h"

namespace ferolan {

class ReplacementFile {
 public:
  // Raises the runtime's file error when the final file could not be created or replaced.
  explicit ReplacementFile(std::string finalPath);
  ReplacementFile(const ReplacementFile&) = delete;
  ReplacementFile& operator=(const ReplacementFile&) = delete;
  // Without Commit(), removes the temporary file.
  ~ReplacementFile();

  OutputFile& File() { return file_; }
  void Commit();

 private:
  std::string finalPath_;
  std::string tempPath_;
  OutputFile file_;
  bool committed_ = false;
};

}  // namespace ferolan
