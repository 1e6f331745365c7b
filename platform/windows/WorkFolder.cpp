#include "platform/runtime/WorkFolder.h"

#include <windows.h>

#include <string_view>

#include "platform/runtime/App.h"
#include "platform/runtime/PlatformTexts.h"
#include "platform/runtime/RandomName.h"
#include "platform/runtime/RuntimeError.h"
#include "platform/runtime/ShownName.h"
#include "platform/windows/FileTree.h"
#include "platform/windows/KnownFolders.h"
#include "platform/windows/NamedFiles.h"
#include "platform/windows/PathShape.h"
#include "platform/windows/UniqueHandle.h"
#include "platform/windows/WideNames.h"

namespace ferolan {

namespace {

constexpr std::wstring_view kFolderPrefix = L"conversion-";
// In each request's folder, beside the folder that receives the request's files, so that no
// extracted entry can replace or remove it. Whoever opens it first, unshared, owns the folder:
// the request that made it, or a sweep. In the root, it keeps sweeps one at a time.
constexpr const wchar_t* kLockName = L"\\.lock";
constexpr const wchar_t* kFilesName = L"\\extraction";

// The texts are one line built around paths that may come from the environment: escaping the
// whole text escapes those paths.
[[noreturn]] void RefuseWorkRoot(const std::string& text) {
  throw RuntimeError(kErrPathFileAccess, App::EXEName(), ShownName(text));
}

[[noreturn]] void RaiseCannotCreate(const std::string& folder, DWORD error) {
  RefuseWorkRoot(texts::WorkRootCannotBeMade(
      folder, DescriptionOf(FileErrorNumber(static_cast<int>(error), FileAccess::kWrite, folder))));
}

std::string LocalAppData() {
  const std::string variable = Utf8Of(EnvironmentVariable(L"LOCALAPPDATA"));
  return IsFullPath(variable) ? variable : Utf8Of(KnownFolder(FOLDERID_LocalAppData));
}

// Makes the root and the folders missing on the way to it, with the access rights they
// inherit: LocalAppData's are the user's alone. Those on the way may exist or be out of reach
// (a drive, a server's name): only the root's own failure counts.
void MakeFolders(const std::wstring& root, const std::string& rootPath) {
  for (std::size_t slash = root.find_first_of(L"\\/", 3); slash != std::wstring::npos;
       slash = root.find_first_of(L"\\/", slash + 1)) {
    ::CreateDirectoryW(root.substr(0, slash).c_str(), nullptr);
  }
  if (::CreateDirectoryW(root.c_str(), nullptr) == 0 && ::GetLastError() != ERROR_ALREADY_EXISTS) {
    RaiseCannotCreate(rootPath, ::GetLastError());
  }
}

// A folder held open, unshared for deletion: nobody can remove or rename it meanwhile. Only a
// handle with access to the contents takes part in sharing; one to the attributes alone would
// keep nobody out.
UniqueHandle HoldFolder(const std::wstring& folder) {
  return UniqueHandle(::CreateFileW(folder.c_str(), FILE_LIST_DIRECTORY | FILE_READ_ATTRIBUTES,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                    FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OPEN_REPARSE_POINT,
                                    nullptr));
}

// Held while the request lives: the root cannot be removed or replaced by a link meanwhile.
UniqueHandle OpenWorkRoot(const std::wstring& root, const std::string& rootPath) {
  MakeFolders(root, rootPath);
  UniqueHandle folder = HoldFolder(root);
  if (!folder.Valid()) RaiseCannotCreate(rootPath, ::GetLastError());
  BY_HANDLE_FILE_INFORMATION info;
  if (::GetFileInformationByHandle(folder.Get(), &info) == 0) {
    RaiseCannotCreate(rootPath, ::GetLastError());
  }
  if ((info.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0) {
    RefuseWorkRoot(texts::WorkRootIsALink(rootPath));
  }
  if ((info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0) {
    RefuseWorkRoot(texts::WorkRootIsNoFolder(rootPath));
  }
  return folder;
}

// Opened unshared, it keeps every other opener out; it goes with its last handle, even when
// the process is killed, and the folder it was in then counts as abandoned.
UniqueHandle OpenLock(const std::wstring& folder, DWORD disposition) {
  return OpenLockFile(folder + kLockName, disposition);
}

// Removes a request's folder whose lock is held as `lock`: the files first, the lock last, so
// that no sweep can take the folder until then.
void RemoveLocked(const std::wstring& folder, UniqueHandle& lock) {
  RemoveTree(folder + kFilesName);
  lock.Close();
  ::RemoveDirectoryW(folder.c_str());
}

// Removes the request folders whose lock nobody holds: their process ended without removing
// them. A folder without its lock was either left so or is being made: the sweep makes the
// lock itself, and takes the folder only if it gets the lock before its maker does. While
// another process sweeps, this request goes on without sweeping.
void SweepAbandonedFolders(const std::wstring& root) {
  const UniqueHandle rootLock = OpenLock(root, OPEN_ALWAYS);
  if (!rootLock.Valid()) return;
  for (const FolderEntry& entry : EntriesStartingWith(root, kFolderPrefix)) {
    if ((entry.attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT)) !=
        FILE_ATTRIBUTE_DIRECTORY) {
      continue;
    }
    const std::wstring folder = root + L"\\" + entry.name;
    UniqueHandle lock = OpenLock(folder, OPEN_ALWAYS);
    if (lock.Valid()) RemoveLocked(folder, lock);
  }
}

}  // namespace

// Closed once ~WorkFolder has removed the request's files, the lock first.
struct WorkFolder::Held {
  UniqueHandle root;
  std::wstring folder;  // the request's folder
  UniqueHandle folderHandle;
  UniqueHandle lock;
};

std::string WorkRootPath() { return LocalAppData() + "\\Ferolan"; }

std::unique_ptr<WorkFolder> WorkFolder::Create() {
  const std::string rootPath = WorkRootPath();
  const std::wstring root = WidePath(rootPath);
  UniqueHandle rootHandle = OpenWorkRoot(root, rootPath);
  SweepAbandonedFolders(root);

  for (;;) {
    const std::string name = "conversion-" + RandomLetters(12);
    std::wstring folder = root + L"\\" + WidePath(name);
    if (::CreateDirectoryW(folder.c_str(), nullptr) == 0) {
      if (::GetLastError() == ERROR_ALREADY_EXISTS) continue;
      RaiseCannotCreate(rootPath, ::GetLastError());
    }
    UniqueHandle folderHandle = HoldFolder(folder);
    UniqueHandle lock = folderHandle.Valid() ? OpenLock(folder, CREATE_NEW) : UniqueHandle();
    const DWORD error = ::GetLastError();
    // A sweep that met the folder first made its lock (which is then being removed): it removes
    // the folder, and another name is tried.
    if (!lock.Valid() && (error == ERROR_FILE_EXISTS || error == ERROR_SHARING_VIOLATION ||
                          error == ERROR_ACCESS_DENIED || error == ERROR_FILE_NOT_FOUND ||
                          error == ERROR_PATH_NOT_FOUND)) {
      continue;
    }
    if (!lock.Valid() || ::CreateDirectoryW((folder + kFilesName).c_str(), nullptr) == 0) {
      const DWORD failure = lock.Valid() ? ::GetLastError() : error;
      lock.Close();
      folderHandle.Close();
      RemoveTree(folder);
      RaiseCannotCreate(rootPath, failure);
    }
    std::string path = rootPath + "\\" + name + "\\extraction";
    auto held = std::make_unique<Held>(
        Held{std::move(rootHandle), std::move(folder), std::move(folderHandle), std::move(lock)});
    return std::unique_ptr<WorkFolder>(new WorkFolder(std::move(held), std::move(path)));
  }
}

WorkFolder::WorkFolder(std::unique_ptr<Held> held, std::string path)
    : held_(std::move(held)), path_(std::move(path)) {}

WorkFolder::~WorkFolder() {
  held_->folderHandle.Close();
  RemoveLocked(held_->folder, held_->lock);
}

}  // namespace ferolan
