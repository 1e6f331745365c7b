// A shared library found by name, as the program's external libraries are: loaded from the
// program's folder or the system's, never from the current folder nor through a search path
// that the environment sets; not at all by name when the program's folder cannot be known, and
// by a path only when it is a full one. On each system:
// - Windows: "unzip32" is unzip32.dll, loaded by its full path from the program's folder only;
//   the DLLs it needs in turn come from its own folder and the system's (System32), never from
//   the current folder nor PATH.
// - Linux: "unzip32" is libunzip32.so, loaded by its full path from the program's folder, else
//   from the system's library folders (the multiarch and plain lib folders of /usr/local, /usr
//   and /), never through LD_LIBRARY_PATH; what it needs in turn the loader finds as it found
//   the program's own libraries at start.
// - The page: the libraries are linked into its module and found there by the same names.
#pragma once

#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace ferolan {

class SharedLibrary {
 public:
  // Loads the library; raises "file not found", naming the library and giving the loader's
  // reason (or that the program's folder is unknown), when it cannot be found or loaded.
  static SharedLibrary Load(const std::string& name);
  // Loads the library; empty when it cannot be found or loaded.
  static std::unique_ptr<SharedLibrary> TryLoad(const std::string& name);

  SharedLibrary(SharedLibrary&& other) noexcept;
  SharedLibrary& operator=(SharedLibrary&& other) noexcept;
  SharedLibrary(const SharedLibrary&) = delete;
  SharedLibrary& operator=(const SharedLibrary&) = delete;
  ~SharedLibrary();

  // The address of an entry point; raises "entry point not found", naming the entry point and
  // the library, when the library has none.
  void* EntryPoint(const std::string& entry) const;

  template <class Function>
  Function* Entry(const std::string& entry) const {
    return reinterpret_cast<Function*>(EntryPoint(entry));
  }

 private:
  SharedLibrary(void* handle, std::string name) : handle_(handle), name_(std::move(name)) {}
  void* handle_;
  std::string name_;  // the library's file name, as errors show it
};

// The file name that a library name stands for on this system: "unzip32" and "unzip32.dll"
// give "unzip32.dll" on Windows, "libunzip32.so" elsewhere; a name with a folder in it is
// taken as a path, loaded only when it is a full one.
std::string LibraryFileName(const std::string& name);

// Where libraries cannot be loaded (the page's module), those linked in, with their entry
// points, as the module that links them lists them.
struct LinkedEntryPoint {
  const char* name;
  void* address;
};
struct LinkedLibrary {
  const char* name;
  std::vector<LinkedEntryPoint> entries;
};
const std::vector<LinkedLibrary>& LinkedLibraries();

}  // namespace ferolan
