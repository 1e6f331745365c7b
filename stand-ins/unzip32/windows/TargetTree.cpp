#include "stand-ins/unzip32/TargetTree.h"

#include <windows.h>

#include <algorithm>
#include <atomic>
#include <cerrno>

#include "platform/runtime/ShownName.h"
#include "platform/windows/UniqueHandle.h"
#include "platform/windows/Utf16.h"
#include "stand-ins/common/ErrorText.h"
#include "stand-ins/common/windows/FileTime.h"
#include "stand-ins/common/windows/LastErrorText.h"

namespace unzip32 {

using ferolan::UniqueHandle;
using standin::LastErrorText;

// Windows reaches a folder by its path only. Each folder on the way stays open, without leave
// to delete it, so that the folder its path names cannot be moved or replaced meanwhile.
struct OpenFolder {
  UniqueHandle handle;
  std::wstring path;  // in the "\\?\" form, taken as it is, without any name rewritten
};

void CloseFolder::operator()(OpenFolder* folder) const { delete folder; }

namespace {

constexpr DWORD kFolderAccess = FILE_LIST_DIRECTORY | FILE_READ_ATTRIBUTES;
constexpr DWORD kFolderSharing = FILE_SHARE_READ | FILE_SHARE_WRITE;
constexpr std::size_t kLongestName = 255;

std::wstring Child(const std::wstring& folder, const std::wstring& name) {
  return folder + L"\\" + name;
}

// The attributes of an open file or folder; 0 with the error set when unknown.
DWORD AttributesOf(const UniqueHandle& handle) {
  BY_HANDLE_FILE_INFORMATION info{};
  return ::GetFileInformationByHandle(handle.Get(), &info) != 0 ? info.dwFileAttributes : 0;
}

// The path of the folder open as `handle`, wherever the path that opened it led, without the
// "\\" that ends a drive's root; false with the error set.
bool FinalPath(const UniqueHandle& handle, std::wstring& path) {
  path.assign(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length =
        ::GetFinalPathNameByHandleW(handle.Get(), path.data(), static_cast<DWORD>(path.size()), 0);
    if (length == 0) return false;
    const bool fits = length < path.size();
    path.resize(fits ? length : length + 1);
    if (fits) break;
  }
  if (!path.empty() && path.back() == L'\\') path.pop_back();
  return true;
}

bool SamePath(const std::wstring& a, const std::wstring& b) {
  return ::CompareStringOrdinal(a.c_str(), static_cast<int>(a.size()), b.c_str(),
                                static_cast<int>(b.size()), TRUE) == CSTR_EQUAL;
}

bool IsPlainFolder(DWORD attributes) {
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0 &&
         (attributes & FILE_ATTRIBUTE_REPARSE_POINT) == 0;
}

}  // namespace

struct PartFile::Native {
  std::wstring folder;
  UniqueHandle file;
  std::wstring path;
  bool committed = false;
};

PartFile::PartFile(std::unique_ptr<Native> native) : native_(std::move(native)) {}

std::unique_ptr<PartFile> PartFile::Create(const OpenFolder& folder, std::string& cause) {
  static std::atomic<unsigned long> counter{0};
  static const std::wstring prefix = L".unzip32-" + std::to_wstring(::GetCurrentProcessId()) + L"-";
  for (;;) {
    std::wstring path = Child(folder.path, prefix + std::to_wstring(counter++) + L".part");
    UniqueHandle file(::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                    FILE_ATTRIBUTE_NORMAL, nullptr));
    if (file.Valid()) {
      return std::unique_ptr<PartFile>(new PartFile(
          std::make_unique<Native>(Native{folder.path, std::move(file), std::move(path)})));
    }
    if (::GetLastError() != ERROR_FILE_EXISTS) {
      cause = LastErrorText();
      return nullptr;
    }
  }
}

PartFile::~PartFile() {
  if (native_->committed) return;
  native_->file.Close();
  ::DeleteFileW(native_->path.c_str());
}

bool PartFile::Write(const char* data, std::size_t size, std::string& cause) {
  while (size > 0) {
    const auto count = static_cast<DWORD>(std::min<std::size_t>(size, 1 << 30));
    DWORD written = 0;
    if (::WriteFile(native_->file.Get(), data, count, &written, nullptr) == 0) {
      cause = LastErrorText();
      return false;
    }
    data += written;
    size -= written;
  }
  return true;
}

void PartFile::SetModified(std::time_t modified) {
  const FILETIME time = standin::FileTime(modified);
  // A file system without times keeps the time of extraction.
  ::SetFileTime(native_->file.Get(), nullptr, nullptr, &time);
}

bool PartFile::Commit(const std::string& name, std::string& cause) {
  const std::optional<std::wstring> wide = ferolan::ExactUtf16Of(name);
  if (!wide) {
    cause = standin::kNotUtf8Text;
    return false;
  }
  // Windows' file systems hold names of at most 255 UTF-16 units; past that, some report the
  // path missing rather than the name too long.
  if (wide->size() > kLongestName) {
    cause = standin::ErrorText(ENAMETOOLONG);
    return false;
  }
  if (!native_->file.Close() ||
      ::MoveFileExW(native_->path.c_str(), Child(native_->folder, *wide).c_str(),
                    MOVEFILE_REPLACE_EXISTING) == 0) {
    cause = LastErrorText();
    return false;
  }
  native_->committed = true;
  return true;
}

std::unique_ptr<TargetTree> TargetTree::Open(const char* folder, std::string& cause) {
  const std::optional<std::wstring> wide =
      ferolan::ExactUtf16Of(folder == nullptr || *folder == '\0' ? "." : folder);
  if (!wide) {
    cause = standin::kNotUtf8Text;
    return nullptr;
  }
  UniqueHandle handle(::CreateFileW(wide->c_str(), kFolderAccess, kFolderSharing, nullptr,
                                    OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
  const DWORD attributes = handle.Valid() ? AttributesOf(handle) : 0;
  if (attributes == 0) {
    cause = LastErrorText();
    return nullptr;
  }
  if ((attributes & FILE_ATTRIBUTE_DIRECTORY) == 0) {
    cause = standin::ErrorText(ENOTDIR);
    return nullptr;
  }
  std::wstring path;
  if (!FinalPath(handle, path)) {
    cause = LastErrorText();
    return nullptr;
  }
  return std::unique_ptr<TargetTree>(
      new TargetTree(FolderPointer(new OpenFolder{std::move(handle), std::move(path)})));
}

TargetTree::Existing TargetTree::Find(const OpenFolder& folder, const std::string& name) {
  const std::optional<std::wstring> wide = ferolan::ExactUtf16Of(name);
  const DWORD attributes =
      wide ? ::GetFileAttributesW(Child(folder.path, *wide).c_str()) : INVALID_FILE_ATTRIBUTES;
  if (attributes == INVALID_FILE_ATTRIBUTES) return Existing::kNothing;
  return (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0 ? Existing::kFolder : Existing::kFile;
}

std::uint64_t TargetTree::FreeBytes() const {
  ULARGE_INTEGER available{};
  if (::GetDiskFreeSpaceExW(Child(root_->path, L"").c_str(), &available, nullptr, nullptr) == 0) {
    return UINT64_MAX;
  }
  return available.QuadPart;
}

void TargetTree::RemoveFile(const std::vector<std::string>& parts) const {
  std::wstring path = root_->path;
  for (std::size_t i = 0; i < parts.size(); ++i) {
    const std::optional<std::wstring> wide = ferolan::ExactUtf16Of(parts[i]);
    if (!wide) return;
    path = Child(path, *wide);
    if (i + 1 < parts.size() && !IsPlainFolder(::GetFileAttributesW(path.c_str()))) return;
  }
  if (!parts.empty()) ::DeleteFileW(path.c_str());
}

FolderPointer TargetTree::OpenChild(const OpenFolder& parent, const std::string& name,
                                    Outcome& outcome, std::string& cause) {
  outcome = Outcome::kFailed;
  const std::optional<std::wstring> wide = ferolan::ExactUtf16Of(name);
  if (!wide) {
    cause = "impossible de créer le dossier " + ferolan::ShownName(name) + " : " +
            standin::kNotUtf8Text;
    return nullptr;
  }
  std::wstring path = Child(parent.path, *wide);
  if (::CreateDirectoryW(path.c_str(), nullptr) == 0 && ::GetLastError() != ERROR_ALREADY_EXISTS) {
    cause = "impossible de créer le dossier " + ferolan::ShownName(name) + " : " + LastErrorText();
    return nullptr;
  }
  // The link itself, not where it leads: a junction or a symbolic link is refused.
  UniqueHandle handle(
      ::CreateFileW(path.c_str(), kFolderAccess, kFolderSharing, nullptr, OPEN_EXISTING,
                    FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OPEN_REPARSE_POINT, nullptr));
  const DWORD attributes = handle.Valid() ? AttributesOf(handle) : 0;
  if (attributes == 0) {
    cause = "impossible d'ouvrir le dossier " + ferolan::ShownName(name) + " : " + LastErrorText();
    return nullptr;
  }
  // A folder whose own path is not the one that named it is reached through a link of a kind
  // that has no reparse point (as Wine shows the system's symbolic links) or by a short name;
  // one whose path the system cannot give is not taken for safe either.
  std::wstring reached;
  if ((attributes & FILE_ATTRIBUTE_REPARSE_POINT) == 0 && !FinalPath(handle, reached)) {
    cause = "impossible de vérifier où mène le dossier " + ferolan::ShownName(name) + " : " +
            LastErrorText();
    return nullptr;
  }
  if ((attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0 || !SamePath(reached, path)) {
    outcome = Outcome::kUnsafe;
    cause = "le dossier " + ferolan::ShownName(name) + " est un lien symbolique ou une jonction";
    return nullptr;
  }
  if ((attributes & FILE_ATTRIBUTE_DIRECTORY) == 0) {
    cause = "impossible d'ouvrir le dossier " + ferolan::ShownName(name) + " : " +
            standin::ErrorText(ENOTDIR);
    return nullptr;
  }
  outcome = Outcome::kOk;
  return FolderPointer(new OpenFolder{std::move(handle), std::move(path)});
}

}  // namespace unzip32
