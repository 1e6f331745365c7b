#include "web/src/PageConversion.h"

#include <map>

#include "app/ConversionRequest.h"
#include "app/TxtMsg.h"
#include "platform/runtime/App.h"
#include "web/src/PageServices.h"

namespace ferolan::page {

namespace {

// Runs `steps` with the page's services installed and returns the messages they showed.
template <class Steps>
std::vector<std::string> ShowingMessages(Steps&& steps) {
  PageServices services;
  ServicesScope scope(services);
  steps();
  return services.TakeMessages();
}

}  // namespace

std::vector<std::string> ConvertExport(const std::string& exportPath, bool casimir) {
  return ShowingMessages([&] {
    ConversionRequest request([casimir] { return casimir; });
    if (request.ConvertChosenExport(exportPath) == RequestOutcome::kCannotOpen) {
      MsgBox(CannotOpenText(exportPath), vbOKOnly);
    }
  });
}

std::string ExportHelp() {
  const auto messages = ShowingMessages(TxtMsg::ShowExportHelp);
  return messages.empty() ? std::string() : messages.front();
}

std::string VersionText() {
  return "Version " + std::to_string(App::Major) + "." + std::to_string(App::Minor);
}

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
