#include <algorithm>
#include <cstring>
#include <string>
#include <string_view>

#include "platform/winapi/ChooseDialogs.h"
#include "platform/winapi/PrintDialogs.h"

// After our records: the system's macros would hide our constants of the same names.
#include <windows.h>

#include <commdlg.h>

#include "platform/windows/WideNames.h"
#include "platform/windows/gui/PrinterBlocks.h"

namespace ferolan::windows {

namespace {

// Our blocks and the system's, behind one face for reading and making them.
struct OurMemory {
  using Handle = winapi::HGLOBAL;
  static void* Lock(Handle block) { return winapi::GlobalLock(block); }
  static void Unlock(Handle block) { winapi::GlobalUnlock(block); }
  static std::size_t Size(Handle block) { return winapi::GlobalSize(block); }
  static Handle Allocate(std::size_t size) { return winapi::GlobalAlloc(GHND, size); }
  static void Free(Handle block) { winapi::GlobalFree(block); }
};

struct SystemMemory {
  using Handle = ::HGLOBAL;
  static void* Lock(Handle block) { return ::GlobalLock(block); }
  static void Unlock(Handle block) { ::GlobalUnlock(block); }
  static std::size_t Size(Handle block) { return ::GlobalSize(block); }
  static Handle Allocate(std::size_t size) { return ::GlobalAlloc(GHND, size); }
  static void Free(Handle block) { ::GlobalFree(block); }
};

// The block's bytes; none for no block.
template <class Memory>
std::string BytesOf(typename Memory::Handle block) {
  const void* address = block ? Memory::Lock(block) : nullptr;
  if (address == nullptr) return {};
  std::string bytes(static_cast<const char*>(address), Memory::Size(block));
  Memory::Unlock(block);
  return bytes;
}

template <class Memory>
typename Memory::Handle NewBlock(std::string_view bytes) {
  const typename Memory::Handle block = Memory::Allocate(bytes.size());
  void* address = block ? Memory::Lock(block) : nullptr;
  if (address == nullptr) {
    if (block) Memory::Free(block);
    return {};
  }
  std::memcpy(address, bytes.data(), bytes.size());
  Memory::Unlock(block);
  return block;
}

template <class Record>
std::string BytesOfRecord(const Record& record) {
  return std::string(reinterpret_cast<const char*>(&record), sizeof record);
}

// The fields the two device modes share, with the same names and meanings.
template <class From, class To>
void CopyDevModeFields(const From& from, To& to) {
  to.dmSpecVersion = from.dmSpecVersion;
  to.dmDriverVersion = from.dmDriverVersion;
  to.dmFields = from.dmFields;
  to.dmOrientation = from.dmOrientation;
  to.dmPaperSize = from.dmPaperSize;
  to.dmPaperLength = from.dmPaperLength;
  to.dmPaperWidth = from.dmPaperWidth;
  to.dmScale = from.dmScale;
  to.dmCopies = from.dmCopies;
  to.dmDefaultSource = from.dmDefaultSource;
  to.dmPrintQuality = from.dmPrintQuality;
  to.dmColor = from.dmColor;
  to.dmDuplex = from.dmDuplex;
  to.dmYResolution = from.dmYResolution;
  to.dmTTOption = from.dmTTOption;
  to.dmCollate = from.dmCollate;
  to.dmLogPixels = from.dmLogPixels;
  to.dmBitsPerPel = from.dmBitsPerPel;
  to.dmPelsWidth = from.dmPelsWidth;
  to.dmPelsHeight = from.dmPelsHeight;
  to.dmDisplayFlags = from.dmDisplayFlags;
  to.dmDisplayFrequency = from.dmDisplayFrequency;
}

// A text field up to its NUL, or whole when it holds none.
template <class Char, std::size_t N>
std::basic_string_view<Char> FieldText(const Char (&field)[N]) {
  return {field, static_cast<std::size_t>(std::find(field, field + N, Char{}) - field)};
}

// Our name fields are as long as a face name, and cut as one is: NUL-ended, whole characters.
template <std::size_t N>
void SetName(char (&field)[N], std::wstring_view name) {
  winapi::LOGFONTA cut{};
  static_assert(N == sizeof cut.lfFaceName);
  winapi::SetFaceName(cut, Utf8Of(name));
  std::memcpy(field, cut.lfFaceName, N);
}

template <std::size_t N>
void SetName(wchar_t (&field)[N], std::string_view name) {
  const std::wstring wide = Utf16Of(name);
  wide.copy(field, std::min(wide.size(), N - 1));
}

// The driver's private bytes after the record (which may be longer than the one we know),
// carried over as they are.
template <class Record>
std::string_view DriverExtra(std::string_view block, const Record& record) {
  const std::size_t end = std::max<std::size_t>(record.dmSize, sizeof record);
  return block.size() > end ? block.substr(end, record.dmDriverExtra) : std::string_view();
}

// The NUL-ended text at `offset` units into the block, cut at the block's end.
template <class Char>
std::basic_string_view<Char> TextAt(std::basic_string_view<Char> block, std::size_t offset) {
  if (offset >= block.size()) return {};
  const std::basic_string_view<Char> rest = block.substr(offset);
  return rest.substr(0, rest.find(Char{}));
}

}  // namespace

::HGLOBAL SystemDevMode(winapi::HGLOBAL ours) {
  const std::string bytes = BytesOf<OurMemory>(ours);
  winapi::DEVMODEA from{};
  if (bytes.size() < sizeof from) return nullptr;
  std::memcpy(&from, bytes.data(), sizeof from);
  DEVMODEW to{};
  CopyDevModeFields(from, to);
  to.dmSize = sizeof to;
  SetName(to.dmDeviceName, FieldText(from.dmDeviceName));
  SetName(to.dmFormName, FieldText(from.dmFormName));
  const std::string_view extra = DriverExtra(bytes, from);
  to.dmDriverExtra = static_cast<WORD>(extra.size());
  return NewBlock<SystemMemory>(BytesOfRecord(to).append(extra));
}

winapi::HGLOBAL OurDevMode(::HGLOBAL system) {
  const std::string bytes = BytesOf<SystemMemory>(system);
  DEVMODEW from{};
  if (bytes.size() < sizeof from) return 0;
  std::memcpy(&from, bytes.data(), sizeof from);
  winapi::DEVMODEA to{};
  CopyDevModeFields(from, to);
  to.dmSize = sizeof to;
  // Ours ends at the display frequency: the colour-matching and panning fields stay behind.
  to.dmFields &= ~static_cast<DWORD>(DM_ICMMETHOD | DM_ICMINTENT | DM_MEDIATYPE | DM_DITHERTYPE |
                                     DM_PANNINGWIDTH | DM_PANNINGHEIGHT);
  SetName(to.dmDeviceName, FieldText(from.dmDeviceName));
  SetName(to.dmFormName, FieldText(from.dmFormName));
  const std::string_view extra = DriverExtra(bytes, from);
  to.dmDriverExtra = static_cast<WORD>(extra.size());
  return NewBlock<OurMemory>(BytesOfRecord(to).append(extra));
}

::HGLOBAL SystemDevNames(winapi::HGLOBAL ours) {
  const std::string bytes = BytesOf<OurMemory>(ours);
  winapi::DEVNAMES from{};
  if (bytes.size() < sizeof from) return nullptr;
  std::memcpy(&from, bytes.data(), sizeof from);
  const std::string_view block = bytes;
  std::wstring texts;
  ::DEVNAMES to{};
  to.wDefault = from.wDefault;
  const auto add = [&](WORD& offset, WORD ourOffset) {
    // Offsets count characters after the record, which is four of them long.
    offset = static_cast<WORD>(sizeof to / sizeof(wchar_t) + texts.size());
    texts.append(Utf16Of(TextAt(block, ourOffset))).push_back(L'\0');
  };
  add(to.wDriverOffset, from.wDriverOffset);
  add(to.wDeviceOffset, from.wDeviceOffset);
  add(to.wOutputOffset, from.wOutputOffset);
  return NewBlock<SystemMemory>(BytesOfRecord(to).append(
      reinterpret_cast<const char*>(texts.data()), texts.size() * sizeof(wchar_t)));
}

winapi::HGLOBAL OurDevNames(::HGLOBAL system) {
  const std::string bytes = BytesOf<SystemMemory>(system);
  ::DEVNAMES from{};
  if (bytes.size() < sizeof from) return 0;
  std::memcpy(&from, bytes.data(), sizeof from);
  std::wstring characters(bytes.size() / sizeof(wchar_t), L'\0');
  std::memcpy(characters.data(), bytes.data(), characters.size() * sizeof(wchar_t));
  const std::wstring_view block = characters;
  std::string texts;
  winapi::DEVNAMES to{};
  to.wDefault = from.wDefault;
  const auto add = [&](winapi::WORD& offset, WORD systemOffset) {
    offset = static_cast<winapi::WORD>(sizeof to + texts.size());
    texts.append(Utf8Of(TextAt(block, systemOffset))).push_back('\0');
  };
  add(to.wDriverOffset, from.wDriverOffset);
  add(to.wDeviceOffset, from.wDeviceOffset);
  add(to.wOutputOffset, from.wOutputOffset);
  return NewBlock<OurMemory>(BytesOfRecord(to).append(texts));
}

}  // namespace ferolan::windows
