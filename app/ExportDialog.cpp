#include "app/ExportDialog.h"

#include "app/AuthorCredit.h"
#include "commondialog/cCommonDialog.h"
#include "platform/win32/CommonDialogs.h"

namespace ferolan {

namespace {

constexpr int32_t kExportDialogFlags =
    win32::OFN_FILEMUSTEXIST | win32::OFN_PATHMUSTEXIST | win32::OFN_HIDEREADONLY;
static_assert(kExportDialogFlags == 6148);

}  // namespace

void ConfigureExportDialog(cCommonDialog& m_cHookDlg, const std::string& initDir) {
  m_cHookDlg.DialogTitle(std::string(kAuthorCredit) + " - Parcourir...");
  m_cHookDlg.CancelError(true);
  m_cHookDlg.flags(kExportDialogFlags);
  m_cHookDlg.InitDir(initDir);
  m_cHookDlg.Filter("Exportation d'une évaluation J'ADE (*.jad)|*.jad");
  m_cHookDlg.FilterIndex(1);
  m_cHookDlg.HookDialog(true);
}

}  // namespace ferolan
