// What one call will store: the listed files and folders, and, when recursing, what the
// folders hold, each with the name it is stored under. Every problem is found here, before the
// archive is touched.
#pragma once

#include <sys/stat.h>
#include <zip.h>

#include <ctime>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "stand-ins/common/Report.h"
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
  Plan(const ZipOptions& options, std::optional<struct stat> archive, standin::Report& report)
      : options_(options), archive_(archive), report_(report) {}

  // Adds a listed path; problems go to the report.
  void Add(const std::string& listed);
  const std::vector<PlannedEntry>& Entries() const { return entries_; }

 private:
  struct Source {
    dev_t device;
    ino_t inode;
    std::string path;
  };

  // A file or a folder, as `info` (followed through links) says.
  void AddFound(const std::string& path, const struct stat& info);
  void AddFile(const std::string& path, const struct stat& info);
  void AddFolder(const std::string& path, const struct stat& info);
  void AddContents(const std::string& folder);
  void AddChild(const std::string& path);
  bool IsArchive(const struct stat& info) const;
  // Records the entry unless the same file is already planned under that name.
  void Store(PlannedEntry entry, const struct stat& info);

  const ZipOptions& options_;
  const std::optional<struct stat> archive_;
  standin::Report& report_;
  std::vector<PlannedEntry> entries_;
  std::map<std::string, Source> sources_;  // by stored name
};

}  // namespace zip32
