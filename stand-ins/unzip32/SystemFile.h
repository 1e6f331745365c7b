// The archive file as the system gives it: its size, its time and reads at any position.
#pragma once

#include <zip.h>

#include <cstddef>
#include <ctime>
#include <memory>
#include <string>

namespace unzip32 {

class SystemFile {
 public:
  // Opens the regular file at `path` (UTF-8) for reading; null, with `cause`, when it cannot be
  // opened or is not a file.
  static std::unique_ptr<SystemFile> Open(const char* path, std::string& cause);
  SystemFile(const SystemFile&) = delete;
  SystemFile& operator=(const SystemFile&) = delete;
  ~SystemFile();

  zip_uint64_t Size() const { return size_; }
  std::time_t Modified() const { return modified_; }
  // Reads up to `size` bytes at `at`: the count read, 0 at the end of the file, or -1 with
  // `error` set to an errno value.
  zip_int64_t ReadAt(zip_uint64_t at, char* data, std::size_t size, int& error) const;

 private:
  struct Native;  // the system's handle, as each system has its own
  SystemFile(std::unique_ptr<Native> native, zip_uint64_t size, std::time_t modified);
  std::unique_ptr<Native> native_;
  zip_uint64_t size_;
  std::time_t modified_;
};

}  // namespace unzip32
