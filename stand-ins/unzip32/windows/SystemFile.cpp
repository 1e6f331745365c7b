#include "stand-ins/unzip32/SystemFile.h"

#include <windows.h>

#include <algorithm>
#include <cerrno>

#include "platform/windows/ErrnoOf.h"
#include "platform/windows/UniqueHandle.h"
#include "platform/windows/Utf16.h"
#include "stand-ins/common/ErrorText.h"
#include "stand-ins/common/windows/FileTime.h"
#include "stand-ins/common/windows/LastErrorText.h"

namespace unzip32 {

struct SystemFile::Native {
  ferolan::UniqueHandle handle;
};

SystemFile::SystemFile(std::unique_ptr<Native> native, zip_uint64_t size, std::time_t modified)
    : native_(std::move(native)), size_(size), modified_(modified) {}

SystemFile::~SystemFile() = default;

std::unique_ptr<SystemFile> SystemFile::Open(const char* path, std::string& cause) {
  const std::optional<std::wstring> wide = ferolan::ExactUtf16Of(path);
  if (!wide) {
    cause = standin::kNotUtf8Text;
    return nullptr;
  }
  auto native = std::make_unique<Native>(Native{ferolan::UniqueHandle(
      ::CreateFileW(wide->c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr))});
  BY_HANDLE_FILE_INFORMATION info{};
  if (!native->handle.Valid() || ::GetFileInformationByHandle(native->handle.Get(), &info) == 0) {
    cause = standin::LastErrorText();
    return nullptr;
  }
  if ((info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0 ||
      ::GetFileType(native->handle.Get()) != FILE_TYPE_DISK) {
    cause = "ce n'est pas un fichier";
    return nullptr;
  }
  const zip_uint64_t size = (zip_uint64_t{info.nFileSizeHigh} << 32) | info.nFileSizeLow;
  return std::unique_ptr<SystemFile>(
      new SystemFile(std::move(native), size, standin::UnixTime(info.ftLastWriteTime)));
}

zip_int64_t SystemFile::ReadAt(zip_uint64_t at, char* data, std::size_t size, int& error) const {
  OVERLAPPED position{};
  position.Offset = static_cast<DWORD>(at);
  position.OffsetHigh = static_cast<DWORD>(at >> 32);
  const auto count = static_cast<DWORD>(std::min<std::size_t>(size, 1 << 30));
  DWORD got = 0;
  if (::ReadFile(native_->handle.Get(), data, count, &got, &position) == 0) {
    const DWORD failure = ::GetLastError();
    if (failure == ERROR_HANDLE_EOF) return 0;
    error = ferolan::ErrnoOf(failure);
    if (error == 0) error = EIO;
    return -1;
  }
  return got;
}

}  // namespace unzip32
