#include "platform/runtime/LibraryFile.h"

#include "platform/runtime/App.h"
#include "platform/runtime/FileSystem.h"
#include "platform/runtime/PathText.h"
#include "platform/runtime/SharedLibrary.h"

namespace ferolan::library_file {

namespace {

// The first of `paths` that loads; the reason is that of the first copy that failed to load.
void* OpenFirst(const std::vector<std::string>& paths, const std::string& file,
                std::string& reason) {
  reason.clear();
  for (const std::string& path : paths) {
    std::string failure;
    if (void* handle = Open(path, failure)) return handle;
    if (reason.empty()) reason = failure;
  }
  if (reason.empty()) reason = NotFoundReason(file);
  return nullptr;
}

}  // namespace

// Without the program's folder nothing is loaded by name: the system's copy would be taken for
// the program's own, and the current folder is never searched.
void* OpenByName(const std::string& name, std::string& reason) {
  const std::string file = LibraryFileName(name);
  if (LeafOf(file) != file) {
    if (IsFullPath(file)) return OpenFirst({file}, file, reason);
    reason = "chemin relatif refusé";
    return nullptr;
  }
  const std::string programFolder = App::Path();
  if (programFolder.empty()) {
    reason = "dossier du programme inconnu";
    return nullptr;
  }
  std::vector<std::string> paths;
  for (const std::string& folder : SearchedFolders(programFolder)) {
    paths.push_back(TextOf(PathOf(folder) / PathOf(file)));
  }
  return OpenFirst(paths, file, reason);
}

}  // namespace ferolan::library_file
