#include "platform/runtime/ResultFolder.h"

#include <windows.h>

#include "platform/runtime/RuntimeError.h"
#include "platform/windows/FileCalls.h"
#include "platform/windows/FolderFlush.h"
#include "platform/windows/NamedFiles.h"
#include "platform/windows/UniqueHandle.h"
#include "platform/windows/WideNames.h"

namespace ferolan {

struct ResultFolder::Held {
  std::wstring folder;
};

namespace {

constexpr DWORD kAnySharing = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

}  // namespace

ResultFolder::ResultFolder(const std::string& path, const std::string& shownPath)
    : held_(std::make_unique<Held>()), path_(path) {
  held_->folder = WidePath(path);
  const DWORD attributes = ::GetFileAttributesW(held_->folder.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) {
    RaiseFileError(static_cast<int>(::GetLastError()), FileAccess::kWrite, shownPath);
  }
  if ((attributes & FILE_ATTRIBUTE_DIRECTORY) == 0) {
    RaiseFileError(ERROR_DIRECTORY, FileAccess::kWrite, shownPath);
  }
}

ResultFolder::ResultFolder(ResultFolder&&) noexcept = default;
ResultFolder& ResultFolder::operator=(ResultFolder&&) noexcept = default;
ResultFolder::~ResultFolder() = default;

std::string ResultFolder::PathIn(const std::string& folder, const std::string& name) {
  const bool separated = !folder.empty() && (folder.back() == '\\' || folder.back() == '/');
  return folder + (separated ? "" : "\\") + name;
}

std::optional<ResultFolder::Holds> ResultFolder::Look(const std::string& name, FileContent* content,
                                                      std::string* bytes, std::size_t limit) const {
  const UniqueHandle file = OpenNamed(WidePath(PathOf(name)), GENERIC_READ, kAnySharing,
                                      OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN);
  BY_HANDLE_FILE_INFORMATION info;
  if (!file.Valid() || ::GetFileInformationByHandle(file.Get(), &info) == 0) {
    lastError_ = static_cast<int>(::GetLastError());
    if (lastError_ == ERROR_FILE_NOT_FOUND) return Holds::kNothing;
    if (lastError_ == kNotTheNamedFile) return Holds::kSomethingElse;
    return std::nullopt;
  }
  if ((info.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT)) != 0) {
    return Holds::kSomethingElse;
  }
  if (content == nullptr && bytes == nullptr) return Holds::kOurFile;
  char buffer[64 * 1024];
  for (;;) {
    DWORD count = 0;
    if (::ReadFile(file.Get(), buffer, sizeof buffer, &count, nullptr) == 0) {
      lastError_ = static_cast<int>(::GetLastError());
      return std::nullopt;
    }
    if (count == 0) return Holds::kOurFile;
    const std::string_view piece(buffer, count);
    if (content != nullptr) content->Add(piece);
    if (bytes != nullptr) {
      if (bytes->size() + piece.size() > limit) return Holds::kSomethingElse;
      bytes->append(piece);
    }
  }
}

bool ResultFolder::Rename(const std::string& from, const std::string& to) {
  if (SystemFileCalls().moveFileEx(WidePath(PathOf(from)).c_str(), WidePath(PathOf(to)).c_str(),
                                   MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0) {
    return true;
  }
  lastError_ = static_cast<int>(::GetLastError());
  return false;
}

bool ResultFolder::Remove(const std::string& name) {
  if (SystemFileCalls().deleteFile(WidePath(PathOf(name)).c_str()) != 0) return true;
  lastError_ = static_cast<int>(::GetLastError());
  return false;
}

bool ResultFolder::WriteNew(const std::string& name, std::string_view bytes) {
  const std::wstring path = WidePath(PathOf(name));
  UniqueHandle file(::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                  FILE_ATTRIBUTE_HIDDEN, nullptr));
  if (!file.Valid()) {
    lastError_ = static_cast<int>(::GetLastError());
    return false;
  }
  DWORD written = 0;
  if (::WriteFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) !=
          0 &&
      written == bytes.size() && ::FlushFileBuffers(file.Get()) != 0 && file.Close()) {
    return true;
  }
  lastError_ = static_cast<int>(::GetLastError());
  file.Close();
  SystemFileCalls().deleteFile(path.c_str());
  return false;
}

bool ResultFolder::Sync() {
  if (FlushFolder(held_->folder) != FolderFlush::kFailed) return true;
  lastError_ = static_cast<int>(::GetLastError());
  return false;
}

}  // namespace ferolan
