#include "app/request/ConversionRequest.h"

#include <filesystem>

#include "app/request/CaseOnlyMatch.h"
#include "app/request/EscapedError.h"
#include "app/request/ExportNames.h"
#include "app/request/RenamedExport.h"
#include "platform/runtime/FileSystem.h"
#include "platform/runtime/PathText.h"
#include "platform/runtime/RuntimeError.h"
#include "platform/runtime/ShownName.h"
#include "platform/runtime/UserServices.h"
#include "platform/runtime/WorkFolder.h"
#include "zip/ccZip.h"

namespace ferolan {

namespace {

// The request's error handler: a cancelled dialog ends the request silently, any other error
// with one message box, whatever raised it (memory that ran out, a fault of the program's own).
template <class Steps>
RequestOutcome WithRequestHandler(Steps&& steps) {
  try {
    return steps();
  } catch (...) {
    const std::exception_ptr raised = std::current_exception();
    if (AsRuntimeError(raised).Number() == kErrCancel) return RequestOutcome::kCancelled;
    MsgBox(EscapedErrorText(raised), vbOKOnly);
    return RequestOutcome::kFailed;
  }
}

// Restores the default pointer and gives up the archive object when the extraction step is
// left by an error, so that the next request starts clean.
class ExtractionGuard {
 public:
  explicit ExtractionGuard(std::shared_ptr<ccZip>& archive) : archive_(archive) {}
  ~ExtractionGuard() {
    if (armed_) {
      SetMousePointer(vbDefault);
      archive_.reset();
    }
  }
  void Disarm() { armed_ = false; }

 private:
  std::shared_ptr<ccZip>& archive_;
  bool armed_ = true;
};

// An extracted XML of no bytes holds no export; converting it would write empty result files
// over the earlier ones and call that done.
bool ExtractedExportIsEmpty() {
  std::error_code ec;
  const auto size = std::filesystem::file_size(PathOf(WorkBase + ".xml"), ec);
  return !ec && size == 0;
}

}  // namespace

std::string CannotOpenText(const std::string& exportPath) {
  return "Error: impossible d'ouvrir le fichier " + ShownName(exportPath);
}

ConversionRequest::ConversionRequest(Module1::OutputKindQuery option1Value)
    : option1Value_(std::move(option1Value)) {}

ConversionRequest::~ConversionRequest() = default;

RequestOutcome ConversionRequest::ConvertChosenExport(const std::string& exportPath) {
  return ConvertExportChosenBy([&] { return exportPath; });
}

RequestOutcome ConversionRequest::ConvertExportChosenBy(const ExportChoice& choose) {
  return WithRequestHandler([&] {
    ExportPath = choose();
    return Convert();
  });
}

RequestOutcome ConversionRequest::Convert() {
  if (!Module1::FileCanBeOpened(ExportPath)) return RequestOutcome::kCannotOpen;
  // Each request works in a fresh folder of its own: nothing of an earlier request, another
  // window or another program can stand in for this export's files.
  RemoveWorkFolder();
  workFolder_ = WorkFolder::Create();
  const ExportNames names = DeriveExportNames(ExportPath, workFolder_->Path(),
                                              std::filesystem::path::preferred_separator);
  OutputPrefix = names.outputPrefix;
  WorkBase = names.workBase;
  m_sZipFile = ExportPath;
  // An interrupted conversion of the same results is mended even when this one fails.
  Module1::RecoverResults(option1Value_);
  ExtractJad();
  m_cZip.reset();
  // The exports come from Windows, where the XML is found whatever the case of its letters.
  TakeCaseOnlyMatch(PathOf(WorkBase + ".xml"));
  if (ExtractedExportIsEmpty()) {
    MsgBox("L'exportation " + ShownName(ExportPath) +
               " est vide : aucun fichier de résultats n'a été écrit.",
           vbCritical);
    return RequestOutcome::kFailed;
  }
  try {
    Module1::ConvertExport(option1Value_);
  } catch (const RuntimeError& error) {
    throw WithRenamedExportHint(error, WorkBase);
  }
  return RequestOutcome::kConverted;
}

void ConversionRequest::ExtractJad() {
  // An export that is not a normal file (a hidden one, say) is not extracted.
  if (!m_cZip && Dir(m_sZipFile).empty()) return;
  ExtractionGuard guard(m_cZip);
  if (!m_cZip) {
    m_cZip = ccZip::Create();
    m_cZip->Init(m_sZipFile);
  }
  SetMousePointer(vbHourglass);
  const long result = m_cZip->Decompress(workFolder_->Path(), "");
  SetMousePointer(vbDefault);
  guard.Disarm();

  if (result == 1) {
    MsgBox("Vous n'avez pas précisé de répertoire destination !", vbCritical);
  } else if (result > 1) {
    MsgBox("Une erreur s'est produite pendant la décompression", vbCritical);
    MsgBox(ReportForMessageBox(m_cZip->GetZipInfo()), vbOKOnly);
  }
}

void ConversionRequest::RemoveWorkFolder() { workFolder_.reset(); }

}  // namespace ferolan
