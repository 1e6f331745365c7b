#include "web/src/PageConversion.h"

#include <unistd.h>

#include <cstdlib>
#include <map>
#include <memory>
#include <utility>

#include "app/request/ConversionRequest.h"
#include "app/request/TxtMsg.h"
#include "app/window/Captions.h"
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

// Makes a folder the current one while it lives.
class InFolder {
 public:
  explicit InFolder(const std::string& folder) : previous_(::getcwd(nullptr, 0), std::free) {
    if (!folder.empty()) static_cast<void>(::chdir(folder.c_str()));
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
  const InFolder inExportFolder(slash == std::string::npos ? "" : exportPath.substr(0, slash + 1));
  PageServices services(std::move(answers));
  ConversionOutcome outcome;
  outcome.messages = ShowingMessages(services, [&] {
    ConversionRequest request([casimir] { return casimir; });
    if (request.ConvertChosenExport(name) == RequestOutcome::kCannotOpen) {
      MsgBox(CannotOpenText(name), vbOKOnly);
    }
  });
  outcome.question = services.Unanswered();
  return outcome;
}

std::string ExportHelp() {
  PageServices services;
  const auto messages = ShowingMessages(services, TxtMsg::ShowExportHelp);
  return messages.empty() ? std::string() : messages.front();
}

std::string VersionText() { return captions::VersionCaption(); }

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
