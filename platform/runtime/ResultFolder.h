// A folder that holds results, held open for the steps that put a result pair in place and for
// their recovery. Every name given is a name in this folder, and none is followed when it is a
// link: a step acts on the name itself, never on a file elsewhere. No step raises: each says
// whether it was done, and LastError() gives the system's error code of the last one that
// failed, for the runtime's file errors (RaiseFileError).
#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "platform/runtime/FileContent.h"

namespace ferolan {

class ResultFolder {
 public:
  // Opens the folder `path`; raises the runtime's file error, naming `shownPath`, when it
  // cannot.
  ResultFolder(const std::string& path, const std::string& shownPath);
  ResultFolder(ResultFolder&&) noexcept;
  ResultFolder& operator=(ResultFolder&&) noexcept;
  ~ResultFolder();

  const std::string& Path() const { return path_; }
  // The full path of `name` in the folder `folder`, and in this one.
  static std::string PathIn(const std::string& folder, const std::string& name);
  std::string PathOf(const std::string& name) const { return PathIn(path_, name); }

  enum class Holds { kNothing, kOurFile, kSomethingElse };
  // What `name` holds: nothing, one of this user's regular files (on POSIX owned by this user,
  // or by anyone for root; on Windows a file that is no reparse point), or something else (a
  // link, a folder, another user's file). With `content`, the file's size and digest are read;
  // with `bytes`, its bytes, at most `limit` of them (more is something else). None when the
  // system cannot tell or the file cannot be read.
  std::optional<Holds> Look(const std::string& name, FileContent* content = nullptr,
                            std::string* bytes = nullptr, std::size_t limit = 0) const;
  // Renames `from` to `to`, replacing what `to` holds.
  bool Rename(const std::string& from, const std::string& to);
  // Removes the name.
  bool Remove(const std::string& name);
  // Makes a new file `name` that holds `bytes`, for this user alone, and flushes it to disk;
  // fails when the name is taken. A file partly made is removed.
  bool WriteNew(const std::string& name, std::string_view bytes);
  // Flushes the folder's names to disk. Where the platform cannot flush a folder (Windows, some
  // file systems), true: there every rename is as durable as the system makes it.
  bool Sync();

  int LastError() const { return lastError_; }

 private:
  // The folder as the platform holds it open.
  struct Held;

  std::unique_ptr<Held> held_;
  std::string path_;
  mutable int lastError_ = 0;
};

}  // namespace ferolan
