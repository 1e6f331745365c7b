#include "commondialog/cCommonDialog.h"

#include "commondialog/GCommonDialog.h"
#include "platform/runtime/App.h"
#include "platform/runtime/RuntimeError.h"
#include "platform/winapi/CommonDialogs.h"
#include "platform/winapi/FlagBits.h"
#include "platform/winapi/Kernel.h"

namespace ferolan {

using namespace winapi;

namespace {

cCommonDialogEvents& NoOwner() {
  static cCommonDialogEvents none;
  return none;
}

void ClearTemplateBitWithoutModule(int32_t& flags, int32_t hInstance) {
  if (HasFlag(flags, OFN_ENABLETEMPLATE) && hInstance < 1) {
    flags &= ~static_cast<int32_t>(OFN_ENABLETEMPLATE);
  }
}

}  // namespace

cCommonDialog::cCommonDialog() : m_oOwner(&NoOwner()) {}

cCommonDialog::cCommonDialog(cCommonDialogEvents& owner) : m_oOwner(&owner) {}

cCommonDialog::~cCommonDialog() = default;

GCommonDialog& cCommonDialog::Worker() {
  if (!m_cDlg) m_cDlg = std::make_unique<GCommonDialog>();
  return *m_cDlg;
}

void cCommonDialog::ShowOpen() {
  m_bUseParent = true;
  bool FileMustExist = HasFlag(m_lFlags, OFN_FILEMUSTEXIST);
  bool MultiSelect = HasFlag(m_lFlags, OFN_ALLOWMULTISELECT);
  bool ReadOnly = HasFlag(m_lFlags, OFN_READONLY);
  bool HideReadOnly = HasFlag(m_lFlags, OFN_HIDEREADONLY);
  ClearTemplateBitWithoutModule(m_lFlags, m_lhInstance);
  if (m_lFilterIndex == 0) m_lFilterIndex = 1;
  if (!Worker().VBGetOpenFileName2(m_sFilename, m_sFileTitle, FileMustExist, MultiSelect, ReadOnly,
                                   HideReadOnly, m_sFilter, m_lFilterIndex, m_sInitDir,
                                   m_sDialogTitle, m_sDefaultExt, m_lhWnd, m_lFlags, m_bHookDialog,
                                   m_lhInstance, m_lTemplateName, this)) {
    RaiseDialogError();
  }
}

void cCommonDialog::ShowSave() {
  m_bUseParent = true;
  const bool OverWritePrompt = HasFlag(m_lFlags, OFN_OVERWRITEPROMPT);
  ClearTemplateBitWithoutModule(m_lFlags, m_lhInstance);
  if (!Worker().VBGetSaveFileName2(m_sFilename, m_sFileTitle, OverWritePrompt, m_sFilter,
                                   m_lFilterIndex, m_sInitDir, m_sDialogTitle, m_sDefaultExt,
                                   m_lhWnd, m_lFlags, m_bHookDialog, m_lhInstance, m_lTemplateName,
                                   this)) {
    RaiseDialogError();
  }
}

void cCommonDialog::RaiseDialogError() const {
  const std::string source = App::EXEName() + ".cCommonDialog";
  if (m_cDlg->APIReturn() != 0) {
    throw RuntimeError(m_cDlg->ExtendedError() | kErrDialogFailure, source, "");
  }
  if (m_bCancelError) throw RuntimeError(kErrCancel, source, "Abandon de l'utilisateur.");
}

void cCommonDialog::ParseMultiFileName(std::string& sDir, std::vector<std::string>& sFiles,
                                       int32_t& iFileCount) const {
  const std::size_t end = m_sFilename.find(std::string(2, '\0'));
  if (end == std::string::npos) {
    iFileCount = 1;
    sFiles.assign(1, std::string());
    const std::size_t slash = m_sFilename.rfind('/');
    if (slash != std::string::npos && slash >= 1) {
      sDir = m_sFilename.substr(0, slash);
      sFiles[0] = m_sFilename.substr(slash + 1);
    } else {
      sDir.clear();
      sFiles[0] = m_sFilename;
    }
    return;
  }

  const auto append = [&](std::string piece) {
    if (iFileCount < 0) Raise(kErrInvalidArgument);
    ++iFileCount;
    sFiles.resize(static_cast<std::size_t>(iFileCount));
    sFiles.back() = std::move(piece);
  };
  // An empty list (the buffer starts with its double NUL) names nothing.
  std::size_t start = 0;
  while (start < end) {
    const std::size_t nul = m_sFilename.find('\0', start);
    std::string piece = m_sFilename.substr(start, nul - start);
    const bool last = nul >= end;
    if (!last && sDir.empty()) {
      sDir = std::move(piece);
    } else {
      append(std::move(piece));
    }
    start = nul + 1;
  }
}

void cCommonDialog::cdLoadLibrary(const std::string& DllName) {
  m_lhInstance = LoadLibraryA(DllName.c_str());
}

void cCommonDialog::cdFreeLibrary() {
  if (m_lhInstance >= 1) FreeLibrary(m_lhInstance);
}

}  // namespace ferolan
