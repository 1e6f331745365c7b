#include "web/src/PageConversion.h"

#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <map>
#include <memory>
#include <utility>

#include "app/form/VersionCaption.h"
#include "app/request/ConversionRequest.h"
#include "app/request/EscapedError.h"
#include "app/request/TxtMsg.h"
#include "platform/runtime/RuntimeError.h"
#include "web/src/PageServices.h"

namespace ferolan::page {

namespace {

// Runs `steps` with `services` installed and returns the messages they showed.
template <class Steps>
std::vector<std::string> ShowingMessages(PageServices& services, Steps&& steps) {
  ServicesScope scope(services);
  steps();
  return services.TakeMessages();
}

// Makes a folder the current one while it lives; raises the runtime's error for it when it
// cannot, so that nothing is converted elsewhere. The results are written there: it is entered
// as a folder written to.
class InFolder {
 public:
  explicit InFolder(const std::string& folder) : previous_(::getcwd(nullptr, 0), std::free) {
    if (!folder.empty() && ::chdir(folder.c_str()) != 0) {
      RaiseFileError(errno, FileAccess::kWrite, folder);
    }
  }
  ~InFolder() {
    if (previous_) static_cast<void>(::chdir(previous_.get()));
  }
  InFolder(const InFolder&) = delete;
  InFolder& operator=(const InFolder&) = delete;

 private:
  std::unique_ptr<char, decltype(&std::free)> previous_;
};

}  // namespace

ConversionOutcome ConvertExport(const std::string& exportPath, bool casimir,
                                std::vector<std::string> answers) {
  const std::size_t slash = exportPath.rfind('/');
  const std::string name = exportPath.substr(slash + 1);
  const std::string folder = slash == std::string::npos ? "" : exportPath.substr(0, slash + 1);
  PageServices services(std::move(answers));
  ConversionOutcome outcome;
  outcome.messages = ShowingMessages(services, [&] {
    Guarded([&] {
      const InFolder inExportFolder(folder);
      ConversionRequest request([casimir] { return casimir; });
      if (request.ConvertChosenExport(name) == RequestOutcome::kCannotOpen) {
        MsgBox(CannotOpenText(name), vbOKOnly);
      }
    });
  });
  outcome.question = services.Unanswered();
  return outcome;
}

std::string ExportHelp() {
  PageServices services;
  const auto messages = ShowingMessages(services, TxtMsg::ShowExportHelp);
  return messages.empty() ? std::string() : messages.front();
}

std::string VersionText() { return form::VersionCaption(); }

std::string BusyText() { return "Traitement en cours..."; }

std::string StoppedText(const std::string& cause) {
  static const std::map<std::string, std::string> texts{
      {"memory",
       "Error: le traitement s'est arrêté avant la fin, faute de mémoire : aucun fichier de "
       "résultats n'a été écrit."},
      {"unreadable",
       "Error: le traitement s'est arrêté avant la fin, car le fichier choisi ne peut plus être "
       "lu (il a sans doute été modifié, déplacé ou supprimé depuis) : aucun fichier de "
       "résultats n'a été écrit. Choisissez-le de nouveau."},
      {"user", "Le traitement a été arrêté : aucun fichier de résultats n'a été écrit."},
  };
  const auto text = texts.find(cause);
  return text != texts.end() ? text->second
                             : "Error: le traitement s'est arrêté avant la fin, pour une raison "
                               "inconnue : aucun fichier de résultats n'a été écrit.";
}

}  // namespace ferolan::page
