#include "platform/runtime/ReplacementFile.h"

#include <windows.h>

#include <cstdint>
#include <stdexcept>
#include <utility>

#include "platform/runtime/CommitNames.h"
#include "platform/runtime/FileSystem.h"
#include "platform/runtime/PlatformTexts.h"
#include "platform/runtime/ResultNames.h"
#include "platform/runtime/RuntimeError.h"
#include "platform/windows/FileCalls.h"
#include "platform/windows/FileTree.h"
#include "platform/windows/FolderFlush.h"
#include "platform/windows/NamedFiles.h"
#include "platform/windows/UniqueHandle.h"
#include "platform/windows/WideNames.h"

namespace ferolan {

namespace {

// What the new file keeps of the attributes of the file it replaces.
constexpr DWORD kKeptAttributes = FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_HIDDEN |
                                  FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;

// What a final name holds when checked.
struct Occupant {
  bool exists = false;
  DWORD attributes = 0;
  // The file's identity: its volume's serial number and its index on that volume.
  DWORD volume = 0;
  std::uint64_t index = 0;
};

[[noreturn]] void RaiseLastError(const std::string& shownPath) {
  RaiseFileError(static_cast<int>(::GetLastError()), FileAccess::kWrite, shownPath);
}

// A reparse point that stands for another name (a junction, a symbolic link); the others, such
// as a synchronised cloud folder's files, are files like any other.
bool IsLink(HANDLE entry, DWORD attributes) {
  FILE_ATTRIBUTE_TAG_INFO tag{};
  return (attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0 &&
         (::GetFileInformationByHandleEx(entry, FileAttributeTagInfo, &tag, sizeof tag) == 0 ||
          IsReparseTagNameSurrogate(tag.ReparseTag));
}

// What `path` holds, refused up front when it could not be replaced, so that nothing is written
// in vain. `access` is what the replacing will need of it; asked for when the conversion
// begins, it refuses too a file that another program keeps from being replaced.
Occupant Inspect(const std::wstring& path, DWORD access, const std::string& shownPath) {
  const UniqueHandle entry = OpenNamed(path, FILE_READ_ATTRIBUTES | access);
  if (!entry.Valid()) {
    if (::GetLastError() == ERROR_FILE_NOT_FOUND) return {};
    if (::GetLastError() == kNotTheNamedFile) {
      RaiseForFile(kErrPathFileAccess, shownPath, texts::kLinkNotReplaced);
    }
    RaiseLastError(shownPath);
  }
  BY_HANDLE_FILE_INFORMATION info;
  if (::GetFileInformationByHandle(entry.Get(), &info) == 0) RaiseLastError(shownPath);
  if (IsLink(entry.Get(), info.dwFileAttributes)) {
    RaiseForFile(kErrPathFileAccess, shownPath, texts::kLinkNotReplaced);
  }
  if ((info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
    RaiseForFile(kErrPathFileAccess, shownPath, texts::kFolderOrSpecialFile);
  }
  if ((info.dwFileAttributes & FILE_ATTRIBUTE_READONLY) != 0) {
    RaiseForFile(kErrPermissionDenied, shownPath, texts::kReadOnlyFile);
  }
  return {true, info.dwFileAttributes, info.dwVolumeSerialNumber,
          (std::uint64_t{info.nFileIndexHigh} << 32) | info.nFileIndexLow};
}

// The identity of the folder `path`, as Inspect gives that of a file.
Occupant FolderIdentity(const std::wstring& path) {
  const UniqueHandle folder(::CreateFileW(
      path.c_str(), FILE_READ_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
      nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
  BY_HANDLE_FILE_INFORMATION info;
  if (!folder.Valid() || ::GetFileInformationByHandle(folder.Get(), &info) == 0) return {};
  return {true, info.dwFileAttributes, info.dwVolumeSerialNumber,
          (std::uint64_t{info.nFileIndexHigh} << 32) | info.nFileIndexLow};
}

bool SameFile(const Occupant& one, const Occupant& other) {
  return one.exists && other.exists && one.volume == other.volume && one.index == other.index;
}

// Removes the temporaries of `leaf` that runs which ended left behind; one still open belongs
// to a run still writing, and cannot be removed. Staged and kept files carry other markers:
// they belong to a commit's record.
void SweepLeftTemporaries(const std::wstring& folder, const std::wstring& prefix,
                          const std::wstring& own) {
  for (const FolderEntry& entry : EntriesStartingWith(folder, prefix)) {
    if (entry.name == own ||
        (entry.attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT)) != 0) {
      continue;
    }
    SystemFileCalls().deleteFile((folder + L"\\" + entry.name).c_str());
  }
}

// A file took a name that was free when the conversion began: it is not ours to replace.
[[noreturn]] void RaiseAppeared(const std::string& shownPath) {
  RaiseForFile(kErrPathFileAccess, shownPath, texts::kFileAppeared);
}

// What the file open as `file` holds, read from its start.
FileContent ContentOf(HANDLE file, const std::string& shownPath) {
  FileContent content;
  LARGE_INTEGER start{};
  if (::SetFilePointerEx(file, start, nullptr, FILE_BEGIN) == 0) RaiseLastError(shownPath);
  char buffer[64 * 1024];
  for (;;) {
    DWORD count = 0;
    if (::ReadFile(file, buffer, sizeof buffer, &count, nullptr) == 0) RaiseLastError(shownPath);
    if (count == 0) return content;
    content.Add({buffer, count});
  }
}

}  // namespace

struct ReplacementFile::Held {
  enum class Placing {
    kNotPlaced,
    kNew,     // no file was replaced
    kLinked,  // the replaced file had its kept name too before the new one took its place
    kMoved,   // the replaced file moved to its kept name, then the new one took its place
  };

  std::wstring Path(const std::string& name) const { return folder + L"\\" + WidePath(name); }

  std::string shownPath;  // the name the user gave, for messages
  std::wstring folder;
  std::string leaf;
  Occupant replaced;
  std::wstring temporary;  // the temporary's full path; empty once staged or gone
  UniqueHandle flusher;    // the temporary, open until Complete
  OutputFile file{NativeFile(), {}};
  unsigned capabilities = kFinalNameAlwaysTaken | kFlushesFolders;
  CommitNames names;  // chosen by Complete
  Placing placing = Placing::kNotPlaced;
};

ReplacementFile::ReplacementFile(std::unique_ptr<Held> held) : held_(std::move(held)) {}
ReplacementFile::ReplacementFile(ReplacementFile&&) noexcept = default;

ReplacementFile ReplacementFile::Open(const std::string& finalPath) {
  auto held = std::make_unique<Held>();
  held->shownPath = finalPath;
  held->folder = WidePath(FolderOf(finalPath));
  held->leaf = LeafOf(finalPath);
  held->replaced = Inspect(held->Path(held->leaf), DELETE, finalPath);
  // Unshared while it is written: no other run's sweep can remove it.
  std::wstring name;
  while (!held->flusher.Valid()) {
    name = WidePath(TemporaryName(held->leaf));
    held->flusher = UniqueHandle(::CreateFileW((held->folder + L"\\" + name).c_str(),
                                               GENERIC_READ | GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                               FILE_ATTRIBUTE_HIDDEN, nullptr));
    if (!held->flusher.Valid() && ::GetLastError() != ERROR_FILE_EXISTS) RaiseLastError(finalPath);
  }
  // From here on, the temporary goes with the object.
  held->temporary = held->folder + L"\\" + name;
  ReplacementFile made(std::move(held));
  Held& own = *made.held_;
  HANDLE writer = nullptr;
  if (::DuplicateHandle(::GetCurrentProcess(), own.flusher.Get(), ::GetCurrentProcess(), &writer, 0,
                        FALSE, DUPLICATE_SAME_ACCESS) == 0) {
    RaiseLastError(finalPath);
  }
  own.file = OutputFile(NativeFile(reinterpret_cast<NativeFile::Handle>(writer)), finalPath);
  SweepLeftTemporaries(own.folder, WidePath(TemporaryPrefix(own.leaf)), name);
  return made;
}

ReplacementFile::~ReplacementFile() {
  if (!held_) return;
  held_->file.Abandon();
  held_->flusher.Close();
  if (!held_->temporary.empty()) SystemFileCalls().deleteFile(held_->temporary.c_str());
}

OutputFile& ReplacementFile::File() { return held_->file; }
unsigned ReplacementFile::Capabilities() const { return held_->capabilities; }

void ReplacementFile::CheckDistinctFrom(const ReplacementFile& other) const {
  const Held& mine = *held_;
  const Held& theirs = *other.held_;
  // A file under both names (letter case, a short name, a hard link) has one identity; a name
  // still free is compared by its folder and its letters, case aside, as Windows compares them.
  const bool same =
      mine.replaced.exists || theirs.replaced.exists
          ? SameFile(mine.replaced, theirs.replaced)
          : SameFile(FolderIdentity(mine.folder), FolderIdentity(theirs.folder)) &&
                ::CompareStringOrdinal(WidePath(mine.leaf).c_str(), -1,
                                       WidePath(theirs.leaf).c_str(), -1, TRUE) == CSTR_EQUAL;
  if (same) {
    RaiseForFile(kErrPathFileAccess, mine.shownPath, texts::SameFileAs(LeafOf(theirs.shownPath)));
  }
}

void ReplacementFile::Complete() {
  Held& held = *held_;
  held.file.Close();
  FILE_BASIC_INFO basic{};
  basic.FileAttributes = held.replaced.attributes & kKeptAttributes;
  if (basic.FileAttributes == 0) basic.FileAttributes = FILE_ATTRIBUTE_NORMAL;
  if (::SetFileInformationByHandle(held.flusher.Get(), FileBasicInfo, &basic, sizeof basic) == 0 ||
      ::FlushFileBuffers(held.flusher.Get()) == 0) {
    RaiseLastError(held.shownPath);
  }
  held.names.Choose(held.leaf, ContentOf(held.flusher.Get(), held.shownPath));
  if (!held.flusher.Close()) RaiseLastError(held.shownPath);
}

// With the access the replacing needs: a file that another program opened meanwhile without
// letting it be replaced is refused here, before any name changes.
void ReplacementFile::CheckAgain() {
  const Held& held = *held_;
  const Occupant now = Inspect(held.Path(held.leaf), DELETE, held.shownPath);
  if (!held.replaced.exists && now.exists) RaiseAppeared(held.shownPath);
  if (held.replaced.exists && !SameFile(held.replaced, now)) {
    RaiseForFile(kErrPathFileAccess, held.shownPath, texts::kNameLeadsElsewhere);
  }
}

RecordedResult ReplacementFile::Plan() const {
  const Held& held = *held_;
  return held.names.Record(held.shownPath, FolderOf(held.shownPath), held.leaf,
                           held.replaced.exists);
}

void ReplacementFile::Stage() {
  Held& held = *held_;
  held.names.RequireChosen();
  if (SystemFileCalls().moveFileEx(held.temporary.c_str(), held.Path(held.names.staged).c_str(),
                                   MOVEFILE_WRITE_THROUGH) == 0) {
    RaiseLastError(held.shownPath);
  }
  held.temporary.clear();
  held.names.isStaged = true;
}

void ReplacementFile::PutInPlace() {
  Held& held = *held_;
  if (!held.names.isStaged) throw std::logic_error("ReplacementFile put in place unstaged");
  const FileCalls& calls = SystemFileCalls();
  const std::wstring final = held.Path(held.leaf);
  const std::wstring staged = held.Path(held.names.staged);
  const std::wstring kept = held.Path(held.names.kept);
  if (!held.replaced.exists) {
    // Nothing to keep: the name must still be free, and a file that took it meanwhile stays.
    if (calls.moveFileEx(staged.c_str(), final.c_str(), MOVEFILE_WRITE_THROUGH) == 0) {
      if (::GetLastError() == ERROR_ALREADY_EXISTS) RaiseAppeared(held.shownPath);
      RaiseLastError(held.shownPath);
    }
    held.placing = Held::Placing::kNew;
    return;
  }
  // The replaced file keeps a second name, then the new one replaces it: the final name is
  // never free. A file that another program keeps from being replaced fails the replacing.
  if ((held.capabilities & kFinalNameAlwaysTaken) != 0 &&
      calls.createHardLink(kept.c_str(), final.c_str(), nullptr) != 0) {
    held.placing = Held::Placing::kLinked;
    if (calls.moveFileEx(staged.c_str(), final.c_str(),
                         MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) == 0) {
      RaiseLastError(held.shownPath);
    }
    return;
  }
  // A volume without hard links (FAT, exFAT): the replaced file moves to its kept name first,
  // and for the moment between the two renames the final name is free.
  held.capabilities &= ~kFinalNameAlwaysTaken;
  if (calls.moveFileEx(final.c_str(), kept.c_str(), MOVEFILE_WRITE_THROUGH) == 0) {
    RaiseLastError(held.shownPath);
  }
  held.placing = Held::Placing::kMoved;
  if (calls.moveFileEx(staged.c_str(), final.c_str(), MOVEFILE_WRITE_THROUGH) == 0) {
    RaiseLastError(held.shownPath);
  }
}

bool ReplacementFile::DropEarlier() {
  const Held& held = *held_;
  if (held.placing != Held::Placing::kLinked && held.placing != Held::Placing::kMoved) {
    return true;
  }
  return SystemFileCalls().deleteFile(held.Path(held.names.kept).c_str()) != 0;
}

bool ReplacementFile::SyncFolder() {
  switch (FlushFolder(held_->folder)) {
    case FolderFlush::kFlushed:
      return true;
    case FolderFlush::kUnsupported:
      held_->capabilities &= ~kFlushesFolders;
      return true;
    case FolderFlush::kFailed:
      return false;
  }
  return false;
}

}  // namespace ferolan
