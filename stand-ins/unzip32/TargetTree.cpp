#include "stand-ins/unzip32/TargetTree.h"

namespace unzip32 {

const OpenFolder* TargetTree::Folder(const std::vector<std::string>& parts, std::size_t count,
                                     Outcome& outcome, std::string& cause) {
  std::size_t kept = 0;
  while (kept < openNames_.size() && kept < count && openNames_[kept] == parts[kept]) ++kept;
  openNames_.resize(kept);
  openFolders_.resize(kept);
  outcome = Outcome::kOk;
  while (openNames_.size() < count) {
    const OpenFolder& parent = openFolders_.empty() ? *root_ : *openFolders_.back();
    const std::string& name = parts[openNames_.size()];
    FolderPointer child = OpenChild(parent, name, outcome, cause);
    if (!child) return nullptr;
    openNames_.push_back(name);
    openFolders_.push_back(std::move(child));
  }
  return count == 0 ? root_.get() : openFolders_.back().get();
}

}  // namespace unzip32
