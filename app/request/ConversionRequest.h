// One conversion request: from the chosen export to the closing message, with the request's
// error handler. The window drives it from its browse button; the command-line converter
// drives it once per export named on its command line.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "engine/Module1.h"

namespace ferolan {

class ccZip;
class cCommonDialog;
class WorkFolder;

// The window's hidden text box that carries the chosen path.
class FileNameBox {
 public:
  virtual ~FileNameBox() = default;
  virtual std::string Text() const = 0;
  virtual void SetText(const std::string& text) = 0;
};

enum class RequestOutcome {
  kCancelled,   // the open dialog was cancelled
  kCannotOpen,  // the chosen export cannot be opened for reading
  kConverted,   // the conversion ended with its closing message
  kFailed,      // an error ended the request; its message has been shown
};

// What the command line and the page say of an export that cannot be opened for reading.
std::string CannotOpenText(const std::string& exportPath);

class ConversionRequest {
 public:
  // `option1Value` tells the conversion which output kind the window has selected.
  explicit ConversionRequest(Module1::OutputKindQuery option1Value);
  ~ConversionRequest();

  // The browse button: lets the user choose an export in the open dialog, puts its path into
  // `txtFileName`, then converts it. The dialog starts in the folder of the export chosen last
  // in this run, else in the user's documents folder. Defined with the dialog's settings, in
  // ferolan_open_dialog: the page has no such dialog.
  RequestOutcome cmdOpen_Click(cCommonDialog& m_cHookDlg, FileNameBox& txtFileName);

  // Converts the export at `exportPath` as a chosen export is converted.
  RequestOutcome ConvertChosenExport(const std::string& exportPath);

  // Converts the export whose path `choose` gives; an error it raises ends the request as any
  // other, a cancel silently.
  using ExportChoice = std::function<std::string()>;
  RequestOutcome ConvertExportChosenBy(const ExportChoice& choose);

  // Removes the work folder of the last request (the extracted archive and every work file),
  // ignoring every error; before any request, or once removed, it removes nothing.
  void RemoveWorkFolder();

 private:
  RequestOutcome Convert();
  void ExtractJad();

  Module1::OutputKindQuery option1Value_;
  std::string m_sZipFile;
  std::shared_ptr<ccZip> m_cZip;
  // The private folder of the last request, kept until the next request or the end.
  std::unique_ptr<WorkFolder> workFolder_;
};

}  // namespace ferolan
