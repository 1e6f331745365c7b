// What the system says of the files and folders to add and of the archive, and how it writes
// their paths.
#pragma once

#include <zip.h>

#include <cstdint>
#include <ctime>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zip32 {

// Which file a path leads to, whatever path leads there.
struct FileId {
  std::uint64_t volume = 0;
  std::uint64_t index = 0;
  bool operator==(const FileId&) const = default;
};

enum class FileKind { kFile, kFolder, kOther };

struct FileFacts {
  FileKind kind;
  zip_uint64_t size;
  std::time_t mtime;
  FileId id;
};

struct Look {
  std::optional<FileFacts> facts;  // links followed; none when missing or unreadable
  bool isLink = false;             // the path itself is a symbolic link (or a junction)
  bool missing = false;            // nothing there, or a link to nothing
  std::string cause;               // why there are no facts
};

// What is at `path` (UTF-8).
Look LookAt(const std::string& path);

// Whether the file at `path` can be opened for reading; `cause` says why not.
bool CanRead(const std::string& path, std::string& cause);

// Appends the names in `folder`, in the system's order; false with `cause` when it cannot be
// listed.
bool ListFolder(const std::string& folder, std::vector<std::string>& names, std::string& cause);

// Whether `c` separates the parts of a path on this system.
bool IsPathSeparator(char c);

// The length of the drive that starts `path` ("C:" on Windows), 0 for none.
std::size_t DriveLength(std::string_view path);

}  // namespace zip32
