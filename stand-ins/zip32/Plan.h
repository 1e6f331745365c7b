// What one call will store: the listed files and folders, and, when recursing, what the
// folders hold, each with the name it is stored under. Every problem is found here, before the
// archive is touched.
#pragma once

#include <zip.h>

#include <ctime>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "stand-ins/common/Report.h"
#include "stand-ins/zip32/Disk.h"
#include "zip/interface/zip32.h"

namespace zip32 {

struct PlannedEntry {
  std::string path;  // where it is read from
  std::string name;  // what it is stored as; a folder's ends in "/"
  bool isFolder;
  zip_uint64_t size;
  std::time_t mtime;
};

class Plan {
 public:
  // `archive` identifies the archive file, when it exists, so that it is never added to itself.
  Plan(const ZipOptions& options, std::optional<FileId> archive, standin::Report& report)
      : options_(options), archive_(archive), report_(report) {}

  // Adds a listed path; problems go to the report.
  void Add(const std::string& listed);
  const std::vector<PlannedEntry>& Entries() const { return entries_; }

 private:
  struct Source {
    FileId id;
    std::string path;
  };

  // A file or a folder, as `facts` (followed through links) say.
  void AddFound(const std::string& path, const FileFacts& facts);
  void AddFile(const std::string& path, const FileFacts& facts);
  void AddFolder(const std::string& path, const FileFacts& facts);
  void AddContents(const std::string& folder);
  void AddChild(const std::string& path);
  // Records the entry unless the same file is already planned under that name.
  void Store(PlannedEntry entry, const FileId& id);

  const ZipOptions& options_;
  const std::optional<FileId> archive_;
  standin::Report& report_;
  std::vector<PlannedEntry> entries_;
  std::map<std::string, Source> sources_;  // by stored name
};

}  // namespace zip32
