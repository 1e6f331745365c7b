#include "stand-ins/zip32/Disk.h"

#include <windows.h>

#include <cctype>
#include <memory>

#include "platform/windows/UniqueHandle.h"
#include "platform/windows/Utf16.h"
#include "stand-ins/common/ErrorText.h"
#include "stand-ins/common/windows/FileTime.h"
#include "stand-ins/common/windows/LastErrorText.h"

namespace zip32 {

namespace {

constexpr DWORD kAnySharing = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

struct CloseSearch {
  void operator()(HANDLE search) const { ::FindClose(search); }
};
using Search = std::unique_ptr<void, CloseSearch>;

bool IsMissing(DWORD error) {
  return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
}

}  // namespace

Look LookAt(const std::string& path) {
  Look look;
  const std::optional<std::wstring> wide = ferolan::ExactUtf16Of(path);
  if (!wide) {
    look.cause = standin::kNotUtf8Text;
    return look;
  }
  const DWORD attributes = ::GetFileAttributesW(wide->c_str());
  look.isLink =
      attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
  const ferolan::UniqueHandle file(::CreateFileW(wide->c_str(), FILE_READ_ATTRIBUTES, kAnySharing,
                                                 nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS,
                                                 nullptr));
  BY_HANDLE_FILE_INFORMATION info{};
  if (!file.Valid() || ::GetFileInformationByHandle(file.Get(), &info) == 0) {
    look.missing = IsMissing(::GetLastError());
    look.cause = standin::LastErrorText();
    return look;
  }
  FileKind kind = FileKind::kOther;
  if ((info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
    kind = FileKind::kFolder;
  } else if (::GetFileType(file.Get()) == FILE_TYPE_DISK) {
    kind = FileKind::kFile;
  }
  look.facts = FileFacts{kind, (zip_uint64_t{info.nFileSizeHigh} << 32) | info.nFileSizeLow,
                         standin::UnixTime(info.ftLastWriteTime),
                         FileId{info.dwVolumeSerialNumber,
                                (std::uint64_t{info.nFileIndexHigh} << 32) | info.nFileIndexLow}};
  return look;
}

bool CanRead(const std::string& path, std::string& cause) {
  const std::optional<std::wstring> wide = ferolan::ExactUtf16Of(path);
  if (!wide) {
    cause = standin::kNotUtf8Text;
    return false;
  }
  const ferolan::UniqueHandle file(::CreateFileW(wide->c_str(), GENERIC_READ, kAnySharing, nullptr,
                                                 OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.Valid()) cause = standin::LastErrorText();
  return file.Valid();
}

bool ListFolder(const std::string& folder, std::vector<std::string>& names, std::string& cause) {
  std::optional<std::wstring> pattern = ferolan::ExactUtf16Of(folder);
  if (!pattern) {
    cause = standin::kNotUtf8Text;
    return false;
  }
  if (!pattern->empty() && pattern->back() != L'\\' && pattern->back() != L'/') *pattern += L'\\';
  *pattern += L'*';
  WIN32_FIND_DATAW found{};
  const HANDLE first = ::FindFirstFileW(pattern->c_str(), &found);
  if (first == INVALID_HANDLE_VALUE) {
    // A drive's root holds no "." entry: an empty one finds nothing at all.
    if (::GetLastError() == ERROR_FILE_NOT_FOUND) return true;
    cause = standin::LastErrorText();
    return false;
  }
  const Search search(first);
  do {
    const std::wstring_view name = found.cFileName;
    if (name != L"." && name != L"..") names.push_back(ferolan::Utf8Of(name));
  } while (::FindNextFileW(search.get(), &found) != 0);
  if (::GetLastError() != ERROR_NO_MORE_FILES) {
    cause = standin::LastErrorText();
    return false;
  }
  return true;
}

bool IsPathSeparator(char c) { return c == '/' || c == '\\'; }

std::size_t DriveLength(std::string_view path) {
  return path.size() >= 2 && path[1] == ':' && std::isalpha(static_cast<unsigned char>(path[0]))
             ? 2
             : 0;
}

}  // namespace zip32
