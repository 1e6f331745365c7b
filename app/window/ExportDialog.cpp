#include "app/window/ExportDialog.h"

#include "app/request/AuthorCredit.h"
#include "app/request/ConversionRequest.h"
#include "commondialog/cCommonDialog.h"
#include "engine/Module1.h"
#include "platform/runtime/PathText.h"
#include "platform/runtime/UserFolders.h"
#include "platform/winapi/CommonDialogs.h"

namespace ferolan {

namespace {

constexpr int32_t kExportDialogFlags =
    winapi::OFN_FILEMUSTEXIST | winapi::OFN_PATHMUSTEXIST | winapi::OFN_HIDEREADONLY;
static_assert(kExportDialogFlags == 6148);

// The open dialog starts where the export chosen last in this run lies, else in the user's
// documents: exports are never in the program's folder once the program is installed.
std::string StartingFolder() {
  if (ExportPath.empty()) return DocumentsFolder();
  return TextOf(PathOf(ExportPath).parent_path());
}

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

RequestOutcome ConversionRequest::cmdOpen_Click(cCommonDialog& m_cHookDlg,
                                                FileNameBox& txtFileName) {
  return ConvertExportChosenBy([&] {
    ConfigureExportDialog(m_cHookDlg, StartingFolder());
    m_cHookDlg.ShowOpen();
    txtFileName.SetText(m_cHookDlg.Filename());
    return txtFileName.Text();
  });
}

}  // namespace ferolan
