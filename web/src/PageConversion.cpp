#include "web/src/PageConversion.h"

#include <filesystem>

#include "app/ExportNames.h"
#include "app/RenamedExport.h"
#include "app/TxtMsg.h"
#include "engine/Module1.h"
#include "platform/runtime/App.h"
#include "platform/runtime/RuntimeError.h"
#include "web/src/PageServices.h"

namespace ferolan::page {

namespace {

// The page's stand-ins for the program's folder and for the folder the export was chosen in.
const std::string kWorkFolder = "/work";
const std::string kResultFolder = "/results";

void MakeEmptyFolder(const std::string& folder) {
  std::filesystem::remove_all(folder);
  std::filesystem::create_directories(folder);
}

// Runs `steps` with the page's services installed and returns the messages they showed.
template <class Steps>
std::vector<std::string> ShowingMessages(Steps&& steps) {
  PageServices services;
  ServicesScope scope(services);
  steps();
  return services.TakeMessages();
}

}  // namespace

ExportPlacement PlaceExport(const std::string& fileName) {
  ExportPath = kResultFolder + "/" + fileName;
  const ExportNames names = DeriveExportNames(ExportPath, kWorkFolder, '/');
  WorkBase = names.workBase;
  OutputPrefix = names.outputPrefix;
  MakeEmptyFolder(kWorkFolder);
  MakeEmptyFolder(kResultFolder);
  return {names.baseName + ".xml", WorkBase + ".xml", kResultFolder};
}

std::vector<std::string> ConvertPlacedExport(bool casimir) {
  auto messages = ShowingMessages([casimir] {
    try {
      Module1::ConvertExport([casimir] { return casimir; });
    } catch (const RuntimeError& error) {
      MsgBox("Error: " + WithRenamedExportHint(error, WorkBase).Description(), vbOKOnly);
    }
  });
  MakeEmptyFolder(kWorkFolder);
  return messages;
}

std::string ExportHelp() {
  const auto messages = ShowingMessages(TxtMsg::ShowExportHelp);
  return messages.empty() ? std::string() : messages.front();
}

std::string VersionText() {
  return "Version " + std::to_string(App::Major) + "." + std::to_string(App::Minor);
}

}  // namespace ferolan::page
