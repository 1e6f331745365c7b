// ferolan-convert: converts J'ADE exports from the command line, for batch use and scripts.
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "app/convert/ConsoleServices.h"
#include "app/request/ConversionRequest.h"
#include "platform/runtime/App.h"
#include "platform/runtime/ShownName.h"

namespace {

constexpr const char* kUsage =
    "Usage : ferolan-convert [--casimir | --txt] [--] EXPORT.jad...\n"
    "\n"
    "Convertit chaque exportation J'ADE (.jad) en deux fichiers de résultats placés à côté\n"
    "d'elle : un pour le français, un pour les mathématiques.\n"
    "\n"
    "  --casimir   fichiers de type 'casimir' pour GPI (1.c01 et 2.c01) ; c'est le choix\n"
    "              par défaut\n"
    "  --txt       fichiers texte avec ';' comme séparateur (FR.txt et MATHS.txt)\n"
    "  --help      affiche cette aide\n"
    "  --version   affiche la version\n"
    "  --          termine les options : tout ce qui suit est une exportation, même un\n"
    "              nom qui commence par '-'\n"
    "\n"
    "Les messages s'affichent sur la sortie standard. Le code de sortie vaut 0 lorsque\n"
    "chaque exportation a été traitée jusqu'au bout, 1 sinon, 2 pour un appel incorrect.\n"
    "\n"
    "Plus de détails dans la page de manuel : man ferolan-convert\n";

}  // namespace

int main(int argc, char** argv) {
  bool casimir = true;
  bool optionsEnded = false;
  std::vector<std::string> exports;
  for (int i = 1; i < argc; ++i) {
    const std::string argument = argv[i];
    if (optionsEnded) {
      exports.push_back(argument);
    } else if (argument == "--") {
      optionsEnded = true;
    } else if (argument == "--help" || argument == "-h") {
      std::cout << kUsage;
      return 0;
    } else if (argument == "--version") {
      std::cout << "ferolan-convert " << ferolan::App::Major << "." << ferolan::App::Minor << "\n";
      return 0;
    } else if (argument == "--casimir" || argument == "--txt") {
      casimir = argument == "--casimir";
    } else if (argument.starts_with("--")) {
      std::cerr << "ferolan-convert : option inconnue « " << ferolan::ShownName(argument)
                << " »\n\n"
                << kUsage;
      return 2;
    } else {
      exports.push_back(argument);
    }
  }
  if (exports.empty()) {
    std::cerr << "ferolan-convert : aucune exportation à convertir\n\n" << kUsage;
    return 2;
  }

  ferolan::ConsoleServices console(std::cout);
  ferolan::ServicesScope services(console);
  ferolan::ConversionRequest request([casimir] { return casimir; });
  bool allConverted = true;
  for (const std::string& path : exports) {
    std::error_code ec;
    const std::string fullPath = std::filesystem::absolute(path, ec).string();
    const ferolan::RequestOutcome outcome = request.ConvertChosenExport(ec ? path : fullPath);
    if (outcome == ferolan::RequestOutcome::kCannotOpen) {
      std::cout << ferolan::CannotOpenText(path) << "\n";
    }
    allConverted = allConverted && outcome == ferolan::RequestOutcome::kConverted;
    request.RemoveWorkFolder();
  }
  return allConverted ? 0 : 1;
}
