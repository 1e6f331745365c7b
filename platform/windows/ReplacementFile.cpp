#include "platform/windows/ReplacementFile.h"

#include <stdexcept>
#include <utility>

#include "platform/runtime/FileSystem.h"
#include "platform/runtime/RuntimeError.h"
#include "platform/windows/FileTree.h"
#include "platform/windows/HiddenNames.h"
#include "platform/windows/WideNames.h"

namespace ferolan {

namespace {

// What the new file keeps of the attributes of the file it replaces.
constexpr DWORD kKeptAttributes = FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_HIDDEN |
                                  FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;

[[noreturn]] void RaiseLastError(const std::string& shownPath) {
  RaiseFileError(static_cast<int>(::GetLastError()), FileAccess::kWrite, shownPath);
}

// Opens `path` itself, never what a link under it points to.
UniqueHandle OpenEntry(const std::wstring& path, DWORD access) {
  return UniqueHandle(
      ::CreateFileW(path.c_str(), FILE_READ_ATTRIBUTES | access,
                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                    FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OPEN_REPARSE_POINT, nullptr));
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
  const UniqueHandle entry = OpenEntry(path, access);
  if (!entry.Valid()) {
    if (::GetLastError() == ERROR_FILE_NOT_FOUND) return {};
    RaiseLastError(shownPath);
  }
  BY_HANDLE_FILE_INFORMATION info;
  if (::GetFileInformationByHandle(entry.Get(), &info) == 0) RaiseLastError(shownPath);
  if (IsLink(entry.Get(), info.dwFileAttributes)) {
    RaiseForFile(kErrPathFileAccess, shownPath,
                 "lien symbolique ou jonction : Ferolan ne remplace pas ce qu'il désigne ; "
                 "supprimez ce lien ou choisissez un autre nom");
  }
  if ((info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
    RaiseForFile(kErrPathFileAccess, shownPath, "un dossier ou un fichier spécial porte ce nom");
  }
  if ((info.dwFileAttributes & FILE_ATTRIBUTE_READONLY) != 0) {
    RaiseForFile(kErrPermissionDenied, shownPath,
                 "fichier en lecture seule ; ôtez-lui cet attribut, puis recommencez");
  }
  return {true, info.dwFileAttributes, info.dwVolumeSerialNumber,
          (std::uint64_t{info.nFileIndexHigh} << 32) | info.nFileIndexLow};
}

// The identity of the folder `path`, as Inspect gives that of a file.
Occupant FolderIdentity(const std::wstring& path) {
  const UniqueHandle folder = OpenEntry(path, 0);
  BY_HANDLE_FILE_INFORMATION info;
  if (!folder.Valid() || ::GetFileInformationByHandle(folder.Get(), &info) == 0) return {};
  return {true, info.dwFileAttributes, info.dwVolumeSerialNumber,
          (std::uint64_t{info.nFileIndexHigh} << 32) | info.nFileIndexLow};
}

bool SameFile(const Occupant& one, const Occupant& other) {
  return one.exists && other.exists && one.volume == other.volume && one.index == other.index;
}

// Removes the temporaries of `leaf` that runs which ended left behind; one still open belongs
// to a run still writing, and cannot be removed.
void SweepLeftTemporaries(const std::wstring& folder, const std::wstring& leaf,
                          const std::wstring& own) {
  for (const FolderEntry& entry : EntriesStartingWith(folder, TemporaryPrefix(leaf))) {
    if (entry.name == own ||
        (entry.attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT)) != 0) {
      continue;
    }
    ::DeleteFileW((folder + L"\\" + entry.name).c_str());
  }
}

// A file took a name that was free when the conversion began: it is not ours to replace.
[[noreturn]] void RaiseAppeared(const std::string& shownPath) {
  RaiseForFile(kErrPathFileAccess, shownPath,
               "un fichier de ce nom est apparu pendant la conversion : Ferolan ne le remplace "
               "pas ; recommencez la conversion");
}

}  // namespace

ReplacementFile::ReplacementFile(std::string shownPath, std::wstring folder, std::wstring leaf,
                                 Occupant replaced, std::wstring temporary, UniqueHandle flusher,
                                 OutputFile file)
    : shownPath_(std::move(shownPath)),
      folder_(std::move(folder)),
      leaf_(std::move(leaf)),
      replaced_(replaced),
      temporary_(std::move(temporary)),
      flusher_(std::move(flusher)),
      file_(std::move(file)) {}

ReplacementFile::ReplacementFile(ReplacementFile&& other) noexcept
    : shownPath_(std::move(other.shownPath_)),
      folder_(std::move(other.folder_)),
      leaf_(std::move(other.leaf_)),
      replaced_(other.replaced_),
      temporary_(std::exchange(other.temporary_, {})),
      flusher_(std::move(other.flusher_)),
      file_(std::move(other.file_)),
      placing_(std::exchange(other.placing_, Placing::kNotPlaced)),
      kept_(std::exchange(other.kept_, {})) {}

ReplacementFile ReplacementFile::Open(const std::string& finalPath) {
  std::wstring folder = WidePath(FolderOf(finalPath));
  std::wstring leaf = WidePath(LeafOf(finalPath));
  const Occupant replaced = Inspect(folder + L"\\" + leaf, DELETE, finalPath);
  // Unshared while it is written: no other run's sweep can remove it.
  std::wstring name;
  UniqueHandle temporary;
  while (!temporary.Valid()) {
    name = HiddenName(leaf);
    temporary = UniqueHandle(::CreateFileW((folder + L"\\" + name).c_str(), GENERIC_WRITE, 0,
                                           nullptr, CREATE_NEW, FILE_ATTRIBUTE_HIDDEN, nullptr));
    if (!temporary.Valid() && ::GetLastError() != ERROR_FILE_EXISTS) RaiseLastError(finalPath);
  }
  std::wstring path = folder + L"\\" + name;
  HANDLE writer = nullptr;
  if (::DuplicateHandle(::GetCurrentProcess(), temporary.Get(), ::GetCurrentProcess(), &writer, 0,
                        FALSE, DUPLICATE_SAME_ACCESS) == 0) {
    const DWORD error = ::GetLastError();
    temporary.Close();
    ::DeleteFileW(path.c_str());
    RaiseFileError(static_cast<int>(error), FileAccess::kWrite, finalPath);
  }
  // From here on, the temporary goes with the object.
  ReplacementFile made(
      finalPath, std::move(folder), std::move(leaf), replaced, std::move(path),
      std::move(temporary),
      OutputFile(NativeFile(reinterpret_cast<NativeFile::Handle>(writer)), finalPath));
  SweepLeftTemporaries(made.folder_, made.leaf_, name);
  return made;
}

ReplacementFile::~ReplacementFile() {
  file_.Abandon();
  flusher_.Close();
  if (!temporary_.empty()) ::DeleteFileW(temporary_.c_str());
}

void ReplacementFile::CheckDistinctFrom(const ReplacementFile& other) const {
  // A file under both names (letter case, a short name, a hard link) has one identity; a name
  // still free is compared by its folder and its letters, case aside, as Windows compares them.
  const bool same = replaced_.exists || other.replaced_.exists
                        ? SameFile(replaced_, other.replaced_)
                        : SameFile(FolderIdentity(folder_), FolderIdentity(other.folder_)) &&
                              ::CompareStringOrdinal(leaf_.c_str(), -1, other.leaf_.c_str(), -1,
                                                     TRUE) == CSTR_EQUAL;
  if (same) {
    RaiseForFile(kErrPathFileAccess, shownPath_,
                 "désigne le même fichier que " + LeafOf(other.shownPath_) +
                     " : les deux fichiers de résultats ne peuvent pas en partager un");
  }
}

void ReplacementFile::Complete() {
  file_.Close();
  FILE_BASIC_INFO basic{};
  basic.FileAttributes = replaced_.attributes & kKeptAttributes;
  if (basic.FileAttributes == 0) basic.FileAttributes = FILE_ATTRIBUTE_NORMAL;
  if (::SetFileInformationByHandle(flusher_.Get(), FileBasicInfo, &basic, sizeof basic) == 0 ||
      ::FlushFileBuffers(flusher_.Get()) == 0 || !flusher_.Close()) {
    RaiseLastError(shownPath_);
  }
}

void ReplacementFile::CheckAgain() {
  const Occupant now = Inspect(FinalPath(), 0, shownPath_);
  if (!replaced_.exists && now.exists) RaiseAppeared(shownPath_);
  if (replaced_.exists && !SameFile(replaced_, now)) {
    RaiseForFile(kErrPathFileAccess, shownPath_,
                 "ce nom mène ailleurs qu'au début de la conversion : Ferolan n'y écrit pas ; "
                 "recommencez la conversion");
  }
}

void ReplacementFile::PutInPlace() {
  if (flusher_.Valid()) throw std::logic_error("ReplacementFile put in place incomplete");
  const std::wstring final = FinalPath();
  if (!replaced_.exists) {
    // Nothing to keep: the name must still be free, and a file that took it meanwhile stays.
    if (::MoveFileExW(temporary_.c_str(), final.c_str(), MOVEFILE_WRITE_THROUGH) == 0) {
      if (::GetLastError() == ERROR_ALREADY_EXISTS) RaiseAppeared(shownPath_);
      RaiseLastError(shownPath_);
    }
    temporary_.clear();
    placing_ = Placing::kNew;
    return;
  }
  // The replaced file moves to a hidden name of its own first, and for the moment between the
  // two renames the final name is free. A file that another program keeps from being replaced
  // fails the first rename, with nothing changed.
  std::wstring kept = folder_ + L"\\" + HiddenName(leaf_);
  if (::MoveFileExW(final.c_str(), kept.c_str(), MOVEFILE_WRITE_THROUGH) == 0) {
    RaiseLastError(shownPath_);
  }
  if (::MoveFileExW(temporary_.c_str(), final.c_str(), MOVEFILE_WRITE_THROUGH) == 0) {
    const DWORD error = ::GetLastError();
    ::MoveFileExW(kept.c_str(), final.c_str(), MOVEFILE_WRITE_THROUGH);
    RaiseFileError(static_cast<int>(error), FileAccess::kWrite, shownPath_);
  }
  temporary_.clear();
  kept_ = std::move(kept);
  placing_ = Placing::kKept;
}

bool ReplacementFile::TakeBack() {
  const std::wstring final = FinalPath();
  bool done = true;
  if (placing_ == Placing::kNew) done = ::DeleteFileW(final.c_str()) != 0;
  if (placing_ == Placing::kKept) {
    done = ::MoveFileExW(kept_.c_str(), final.c_str(),
                         MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
    kept_.clear();
  }
  placing_ = Placing::kNotPlaced;
  return done;
}

void ReplacementFile::DropReplaced() {
  if (!kept_.empty()) ::DeleteFileW(kept_.c_str());
  kept_.clear();
}

}  // namespace ferolan
