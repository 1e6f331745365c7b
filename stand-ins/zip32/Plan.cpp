#include "stand-ins/zip32/Plan.h"

#include <algorithm>

#include "stand-ins/zip32/StoredName.h"

namespace zip32 {

namespace {

std::string Child(const std::string& folder, const std::string& name) {
  return folder.empty() || folder.back() == '/' ? folder + name : folder + "/" + name;
}

}  // namespace

void Plan::Add(const std::string& listed) {
  const Look look = LookAt(listed);
  if (!look.facts) {
    report_.Problem(ZIP32_ERR_MISSING, listed, look.cause);
  } else {
    AddFound(listed, *look.facts);
  }
}

void Plan::AddFound(const std::string& path, const FileFacts& facts) {
  if (facts.kind == FileKind::kFolder) {
    AddFolder(path, facts);
  } else if (facts.kind == FileKind::kFile) {
    AddFile(path, facts);
  } else {
    report_.Warning(path, "ni fichier ni dossier, laissé de côté");
  }
}

void Plan::AddFile(const std::string& path, const FileFacts& facts) {
  if (archive_ == facts.id) {
    report_.Line("ignoré", path + " (l'archive elle-même)");
    return;
  }
  const StoredName stored = NameOf(path, options_.junkFolders != 0);
  std::string cause;
  if (!stored.refusal.empty()) {
    report_.Problem(ZIP32_ERR_NAME, path, stored.refusal);
  } else if (stored.name.empty()) {
    report_.Problem(ZIP32_ERR_NAME, path, "aucun nom sous lequel ranger le fichier");
  } else if (!CanRead(path, cause)) {
    // Files are read only when the archive is written: the unreadable ones are found now,
    // before anything is written.
    report_.Problem(ZIP32_ERR_MISSING, path, cause);
  } else {
    Store({path, stored.name, false, facts.size, facts.mtime}, facts.id);
  }
}

void Plan::AddFolder(const std::string& path, const FileFacts& facts) {
  if (options_.junkFolders == 0) {
    const StoredName stored = NameOf(path, false);
    if (!stored.refusal.empty()) {
      report_.Problem(ZIP32_ERR_NAME, path, stored.refusal);
      return;
    }
    // "/" and "." have no name of their own; what they hold still has.
    if (!stored.name.empty()) Store({path, stored.name + "/", true, 0, facts.mtime}, facts.id);
  }
  if (options_.recurse != 0) AddContents(path);
}

void Plan::AddContents(const std::string& folder) {
  std::vector<std::string> names;
  std::string cause;
  if (!ListFolder(folder, names, cause)) {
    report_.Problem(ZIP32_ERR_MISSING, folder, cause);
    return;
  }
  // The same archive from the same folder, whatever order the system lists it in.
  std::sort(names.begin(), names.end());
  for (const std::string& name : names) AddChild(Child(folder, name));
}

void Plan::AddChild(const std::string& path) {
  const Look look = LookAt(path);
  if (!look.facts) {
    if (look.isLink) {
      report_.Warning(path, "lien symbolique vers rien, laissé de côté");
    } else {
      report_.Problem(ZIP32_ERR_MISSING, path, look.cause);
    }
  } else if (look.facts->kind == FileKind::kFolder && look.isLink) {
    // Followed, it could lead out of the folder or back into it for ever.
    report_.Warning(path, "lien symbolique vers un dossier, non suivi");
  } else {
    AddFound(path, *look.facts);
  }
}

void Plan::Store(PlannedEntry entry, const FileId& id) {
  const auto [at, added] = sources_.try_emplace(entry.name, Source{id, entry.path});
  if (added) {
    entries_.push_back(std::move(entry));
  } else if (at->second.id != id) {
    report_.Problem(ZIP32_ERR_NAME, entry.path,
                    "serait rangé sous le nom " + entry.name + ", comme " + at->second.path);
  }
}

}  // namespace zip32
