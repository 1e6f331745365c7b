#include <climits>
#include <cstddef>

#include "commondialog/GCommonDialog.h"
#include "commondialog/mDialogHook.h"
#include "platform/runtime/RuntimeError.h"
#include "platform/winapi/CommonDialogs.h"
#include "platform/winapi/FlagBits.h"

namespace ferolan {

using namespace winapi;

namespace {

// The platform's longest path, where the original records had Windows' 260 characters.
constexpr std::size_t kFileBuffer = PATH_MAX;
constexpr std::size_t kMultiSelectBuffer = 8192;
static_assert(kMultiSelectBuffer >= kFileBuffer, "a multi-select dialog takes any single path");
constexpr std::size_t kLongestFilter = 32767;

// "Description|pattern|..." as the record wants it: every "|" and ":" a NUL, then two NULs.
std::string ConvertFilter(const std::string& sFilter) {
  std::string converted;
  converted.reserve(sFilter.size() + 2);
  for (const char c : sFilter) converted += (c == '|' || c == ':') ? '\0' : c;
  converted.append(2, '\0');
  return converted;
}

// A preset text padded with NULs to the size of its buffer.
std::string Buffer(const std::string& preset, std::size_t size) {
  if (preset.size() > size) Raise(kErrInvalidArgument);
  std::string buffer = preset;
  buffer.resize(size, '\0');
  return buffer;
}

}  // namespace

// What tells the open dialog from the save dialog in the shared steps.
struct GCommonDialog::FileDialogKind {
  bool save;
  DWORD flags;  // the record's flags before the hook and the template add theirs
  std::size_t bufferSize;
  int32_t cancelledFilterIndex;
};

bool GCommonDialog::VBGetOpenFileName2(std::string& Filename, std::string& FileTitle,
                                       bool& FileMustExist, bool& MultiSelect, bool& ReadOnly,
                                       bool& HideReadOnly, std::string& Filter,
                                       int32_t& FilterIndex, const std::string& InitDir,
                                       const std::string& DlgTitle, const std::string& DefaultExt,
                                       int32_t Owner, int32_t& flags, bool Hook, int32_t hInstance,
                                       int32_t TemplateName, DialogEventSink* EventSink) {
  DWORD recordFlags = 0;
  if (ReadOnly) recordFlags |= OFN_READONLY;
  if (HideReadOnly) recordFlags |= OFN_HIDEREADONLY;
  if (FileMustExist) recordFlags |= OFN_FILEMUSTEXIST;
  if (MultiSelect) recordFlags |= OFN_ALLOWMULTISELECT | OFN_EXPLORER;
  const FileDialogKind kind{false, recordFlags, MultiSelect ? kMultiSelectBuffer : kFileBuffer, -1};
  return FileDialog(kind, Filename, FileTitle, &ReadOnly, Filter, FilterIndex, InitDir, DlgTitle,
                    DefaultExt, Owner, flags, Hook, hInstance, TemplateName, EventSink);
}

bool GCommonDialog::VBGetOpenFileName(std::string& Filename, std::string& FileTitle,
                                      bool& FileMustExist, bool& MultiSelect, bool& ReadOnly,
                                      bool& HideReadOnly, std::string& Filter, int32_t& FilterIndex,
                                      const std::string& InitDir, const std::string& DlgTitle,
                                      const std::string& DefaultExt, int32_t Owner, int32_t& flags,
                                      bool Hook, DialogEventSink* EventSink) {
  flags &= ~static_cast<int32_t>(OFN_ENABLETEMPLATE);
  return VBGetOpenFileName2(Filename, FileTitle, FileMustExist, MultiSelect, ReadOnly, HideReadOnly,
                            Filter, FilterIndex, InitDir, DlgTitle, DefaultExt, Owner, flags, Hook,
                            0, 0, EventSink);
}

bool GCommonDialog::VBGetSaveFileName2(std::string& Filename, std::string& FileTitle,
                                       bool OverWritePrompt, std::string& Filter,
                                       int32_t& FilterIndex, const std::string& InitDir,
                                       const std::string& DlgTitle, const std::string& DefaultExt,
                                       int32_t Owner, int32_t& flags, bool Hook, int32_t hInstance,
                                       int32_t TemplateName, DialogEventSink* EventSink) {
  const DWORD recordFlags = OFN_HIDEREADONLY | (OverWritePrompt ? OFN_OVERWRITEPROMPT : 0);
  const FileDialogKind kind{true, recordFlags, kFileBuffer, 0};
  return FileDialog(kind, Filename, FileTitle, nullptr, Filter, FilterIndex, InitDir, DlgTitle,
                    DefaultExt, Owner, flags, Hook, hInstance, TemplateName, EventSink);
}

bool GCommonDialog::VBGetSaveFileName(std::string& Filename, std::string& FileTitle,
                                      bool OverWritePrompt, std::string& Filter,
                                      int32_t& FilterIndex, const std::string& InitDir,
                                      const std::string& DlgTitle, const std::string& DefaultExt,
                                      int32_t Owner, int32_t& flags, bool Hook,
                                      DialogEventSink* EventSink) {
  flags &= ~static_cast<int32_t>(OFN_ENABLETEMPLATE);
  return VBGetSaveFileName2(Filename, FileTitle, OverWritePrompt, Filter, FilterIndex, InitDir,
                            DlgTitle, DefaultExt, Owner, flags, Hook, 0, 0, EventSink);
}

bool GCommonDialog::FileDialog(const FileDialogKind& kind, std::string& Filename,
                               std::string& FileTitle, bool* ReadOnly, std::string& Filter,
                               int32_t& FilterIndex, const std::string& InitDir,
                               const std::string& DlgTitle, const std::string& DefaultExt,
                               int32_t Owner, int32_t& flags, bool Hook, int32_t hInstance,
                               int32_t TemplateName, DialogEventSink* EventSink) {
  m_lApiReturn = 0;
  m_lExtendedError = 0;
  if (Filter.size() > kLongestFilter) Raise(kErrOverflow);
  const std::string sFilter = ConvertFilter(Filter);
  std::string sFile = Buffer(Filename, kind.bufferSize);
  std::string sFileTitle = Buffer(FileTitle, kind.bufferSize);

  OPENFILENAMEA ofn{};
  ofn.lStructSize = OPENFILENAME_SIZE_VERSION_400A;
  if (Owner != -1) ofn.hwndOwner = Owner;
  ofn.lpstrFilter = sFilter.c_str();
  ofn.nFilterIndex = static_cast<DWORD>(FilterIndex);
  ofn.lpstrFile = sFile.data();
  ofn.nMaxFile = static_cast<DWORD>(kind.bufferSize);
  ofn.lpstrFileTitle = sFileTitle.data();
  ofn.nMaxFileTitle = static_cast<DWORD>(kind.bufferSize);
  ofn.lpstrInitialDir = InitDir.c_str();
  ofn.lpstrTitle = DlgTitle.c_str();
  ofn.Flags = kind.flags;
  ofn.lpstrDefExt = DefaultExt.c_str();
  if (Hook) {
    ofn.lpfnHook = mDialogHook::HookProc1;
    ofn.Flags |= OFN_ENABLEHOOK | OFN_EXPLORER;
  }
  if (HasFlag(flags, OFN_ENABLETEMPLATE) && hInstance > 0) {
    ofn.hInstance = hInstance;
    ofn.Flags |= OFN_ENABLETEMPLATE;
    ofn.lpTemplateName = MAKEINTRESOURCEA(TemplateName);
  }

  RunDialog(Hook, EventSink,
            [&] { return kind.save ? GetSaveFileNameA(&ofn) : GetOpenFileNameA(&ofn); });

  if (m_lApiReturn == 1) {
    if (!kind.save && HasFlag(ofn.Flags, OFN_ALLOWMULTISELECT)) {
      Filename = sFile;
    } else {
      Filename = CutAtNul(sFile);
      FileTitle = CutAtNul(sFileTitle);
    }
    flags = static_cast<int32_t>(ofn.Flags);
    FilterIndex = static_cast<int32_t>(ofn.nFilterIndex);
    Filter = FilterEntry(sFilter, FilterIndex);
    if (ReadOnly != nullptr && HasFlag(ofn.Flags, OFN_READONLY)) *ReadOnly = true;
    return true;
  }
  Filename.clear();
  FileTitle.clear();
  flags = 0;
  FilterIndex = kind.cancelledFilterIndex;
  Filter.clear();
  return false;
}

}  // namespace ferolan
