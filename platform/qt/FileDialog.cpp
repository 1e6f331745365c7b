#include "platform/qt/FileDialog.h"

#include <QCheckBox>
#include <QFileDialog>
#include <QGridLayout>
#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "platform/qt/CommonRecordError.h"
#include "platform/qt/FileResult.h"
#include "platform/qt/HookCaller.h"
#include "platform/qt/RecordFilters.h"
#include "platform/qt/WindowTable.h"
#include "platform/winapi/FlagBits.h"
#include "platform/winapi/WindowFunctions.h"

namespace ferolan::qt {

using namespace winapi;

namespace {

QString Text(LPCSTR text) { return text == nullptr ? QString() : QString::fromUtf8(text); }

// Why the record cannot be shown; 0 when it can.
DWORD RecordError(const OPENFILENAMEA& ofn) {
  const DWORD error =
      CommonRecordError(ofn.lStructSize, OPENFILENAME_SIZE_VERSION_400A, sizeof(OPENFILENAMEA),
                        HasFlag(ofn.Flags, OFN_ENABLEHOOK) && ofn.lpfnHook == nullptr,
                        HasFlag(ofn.Flags, OFN_ENABLETEMPLATE));
  if (error != 0) return error;
  return ofn.lpstrFile == nullptr || ofn.nMaxFile == 0 ? CDERR_INITIALIZATION : 0;
}

class RecordDialog final : public QFileDialog {
 public:
  RecordDialog(OPENFILENAMEA& ofn, FileDialogKind kind);
  BOOL Run(DWORD& extendedError);

 protected:
  void showEvent(QShowEvent* event) override;
  void done(int result) override;

 private:
  void SetModes(FileDialogKind kind);
  void SetLabels(FileDialogKind kind);
  void SetFilters();
  void SetStartFile();
  void AddReadOnlyBox();
  void InstallHook();
  DWORD ChosenFilterIndex() const;
  bool HookKeepsOpen();
  UINT_PTR Notify(UINT code);

  OPENFILENAMEA& ofn_;
  QStringList filters_;
  QCheckBox* readOnlyBox_ = nullptr;
  std::optional<HookCaller> hook_;  // with a child window that the hook receives as its dialog
  bool shown_ = false;
  DWORD error_ = 0;
};

RecordDialog::RecordDialog(OPENFILENAMEA& ofn, FileDialogKind kind)
    : QFileDialog(WindowOf(ofn.hwndOwner)), ofn_(ofn) {
  setOption(DontUseNativeDialog);
  setOption(HideNameFilterDetails);
  SetModes(kind);
  SetLabels(kind);
  setDefaultSuffix(Text(ofn.lpstrDefExt));
  SetFilters();
  SetStartFile();
  if (!HasFlag(ofn.Flags, OFN_HIDEREADONLY)) AddReadOnlyBox();
  if (HasFlag(ofn.Flags, OFN_ENABLEHOOK)) InstallHook();
}

void RecordDialog::SetModes(FileDialogKind kind) {
  if (kind == FileDialogKind::kSave) {
    setAcceptMode(AcceptSave);
    setFileMode(AnyFile);
    setOption(DontConfirmOverwrite, !HasFlag(ofn_.Flags, OFN_OVERWRITEPROMPT));
  } else if (HasFlag(ofn_.Flags, OFN_ALLOWMULTISELECT)) {
    // Qt picks several files only among existing ones.
    setFileMode(ExistingFiles);
  } else {
    setFileMode(HasFlag(ofn_.Flags, OFN_FILEMUSTEXIST) ? ExistingFile : AnyFile);
  }
}

void RecordDialog::SetLabels(FileDialogKind kind) {
  const bool save = kind == FileDialogKind::kSave;
  const QString title = Text(ofn_.lpstrTitle);
  if (!title.isEmpty()) {
    setWindowTitle(title);
  } else {
    setWindowTitle(save ? QStringLiteral("Enregistrer sous") : QStringLiteral("Ouvrir"));
  }
  setLabelText(LookIn, QStringLiteral("Regarder dans :"));
  setLabelText(FileName, QStringLiteral("Nom du fichier :"));
  setLabelText(FileType, QStringLiteral("Types de fichiers :"));
  setLabelText(Accept, save ? QStringLiteral("Enregistrer") : QStringLiteral("Ouvrir"));
  setLabelText(Reject, QStringLiteral("Annuler"));
}

void RecordDialog::SetFilters() {
  filters_ = NameFilters(ofn_.lpstrFilter);
  if (filters_.isEmpty()) return;
  setNameFilters(filters_);
  const DWORD index = ofn_.nFilterIndex;
  const bool named = index >= 1 && index <= static_cast<DWORD>(filters_.size());
  selectNameFilter(filters_.at(named ? index - 1 : 0));
}

// A preset path opens its own folder; a bare name opens the initial one.
void RecordDialog::SetStartFile() {
  const char* end = std::find(ofn_.lpstrFile, ofn_.lpstrFile + ofn_.nMaxFile, '\0');
  QString name = QFile::decodeName(QByteArray(ofn_.lpstrFile, end - ofn_.lpstrFile));
  QString folder = Text(ofn_.lpstrInitialDir);
  if (name.contains(u'/')) {
    const QFileInfo preset(name);
    folder = preset.absolutePath();
    name = preset.fileName();
  }
  setDirectory(folder.isEmpty() ? QDir::currentPath() : folder);
  if (!name.isEmpty()) selectFile(name);
}

void RecordDialog::AddReadOnlyBox() {
  readOnlyBox_ = new QCheckBox(QStringLiteral("Ouvrir en lecture seule"), this);
  readOnlyBox_->setObjectName(QStringLiteral("readOnlyBox"));
  readOnlyBox_->setChecked(HasFlag(ofn_.Flags, OFN_READONLY));
  if (auto* grid = qobject_cast<QGridLayout*>(layout())) {
    grid->addWidget(readOnlyBox_, grid->rowCount(), 0, 1, grid->columnCount());
  } else {
    layout()->addWidget(readOnlyBox_);
  }
}

void RecordDialog::InstallHook() {
  auto* hookWindow = new QWidget(this);
  hookWindow->hide();
  hook_.emplace(ofn_.lpfnHook, *hookWindow);
  connect(this, &QFileDialog::currentChanged, this, [this] { Notify(CDN_SELCHANGE); });
  connect(this, &QFileDialog::directoryEntered, this, [this] { Notify(CDN_FOLDERCHANGE); });
  connect(this, &QFileDialog::filterSelected, this, [this] {
    ofn_.nFilterIndex = ChosenFilterIndex();
    Notify(CDN_TYPECHANGE);
  });
}

BOOL RecordDialog::Run(DWORD& extendedError) {
  const int result = RunHooked(*this, hook_ ? &*hook_ : nullptr, &ofn_);
  extendedError = error_;
  return result == Accepted && error_ == 0 ? 1 : 0;
}

void RecordDialog::showEvent(QShowEvent* event) {
  QFileDialog::showEvent(event);
  if (shown_ || !hook_) return;
  shown_ = true;
  Notify(CDN_INITDONE);
  Notify(CDN_FOLDERCHANGE);
}

void RecordDialog::done(int result) {
  if (result == Accepted) {
    ofn_.nFilterIndex = ChosenFilterIndex();
    if (readOnlyBox_ != nullptr) {
      ofn_.Flags =
          readOnlyBox_->isChecked() ? ofn_.Flags | OFN_READONLY : ofn_.Flags & ~OFN_READONLY;
    }
    std::vector<std::string> paths;
    for (const QString& file : selectedFiles())
      paths.push_back(QFile::encodeName(file).toStdString());
    error_ = WriteFileResult(ofn_, paths);
    if (error_ == 0 && hook_ && HookKeepsOpen()) return;
  }
  QFileDialog::done(result);
}

DWORD RecordDialog::ChosenFilterIndex() const {
  const qsizetype at = IndexOfFilter(filters_, selectedNameFilter());
  return at < 0 ? ofn_.nFilterIndex : static_cast<DWORD>(at + 1);
}

// The hook keeps the dialog open by answering non-zero with a non-zero DWL_MSGRESULT.
bool RecordDialog::HookKeepsOpen() {
  const HWND hDlg = hook_->Window();
  SetMessageResult(hDlg, 0);
  return Notify(CDN_FILEOK) != 0 && MessageResult(hDlg) != 0;
}

UINT_PTR RecordDialog::Notify(UINT code) {
  OFNOTIFYA notify{};
  notify.hdr.hwndFrom = HandleOf(this);
  notify.hdr.code = code;
  notify.lpOFN = &ofn_;
  return hook_->Send(WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&notify));
}

}  // namespace

BOOL ShowFileDialog(OPENFILENAMEA& ofn, FileDialogKind kind, DWORD& extendedError) {
  extendedError = RecordError(ofn);
  if (extendedError != 0) return 0;
  RecordDialog dialog(ofn, kind);
  return dialog.Run(extendedError);
}

}  // namespace ferolan::qt
