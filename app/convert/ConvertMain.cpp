// ferolan-convert: converts J'ADE exports from the command line, for batch use and scripts.
#include <filesystem>
#include <string>
#include <vector>

#include "app/convert/Console.h"
#include "app/convert/ConsoleServices.h"
#include "app/request/ConversionRequest.h"
#include "app/request/EscapedError.h"
#include "platform/runtime/App.h"
#include "platform/runtime/PathText.h"
#include "platform/runtime/ProgramStart.h"
#include "platform/runtime/ShownName.h"

namespace {

constexpr const char* kUsageStart =
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
    "\n";

std::string Usage() { return std::string(kUsageStart) + ferolan::console::kMoreDetails + "\n"; }

// The export's full path, or the path as given when there is none.
std::string FullPath(const std::string& path) {
  std::error_code ec;
  const std::filesystem::path full = std::filesystem::absolute(ferolan::PathOf(path), ec);
  return ec ? path : ferolan::TextOf(full);
}

}  // namespace

int main(int argc, char** argv) {
  if (!ferolan::ProtectProgramStart()) {
    ferolan::console::Err() << "ferolan-convert : " << ferolan::kUnprotectedStart << "\n";
    return 1;
  }
  bool casimir = true;
  bool optionsEnded = false;
  std::vector<std::string> exports;
  std::ostream& out = ferolan::console::Out();
  std::ostream& err = ferolan::console::Err();
  for (const std::string& argument : ferolan::console::Arguments(argc, argv)) {
    if (optionsEnded) {
      exports.push_back(argument);
    } else if (argument == "--") {
      optionsEnded = true;
    } else if (argument == "--help" || argument == "-h") {
      out << Usage();
      return 0;
    } else if (argument == "--version") {
      out << "ferolan-convert " << ferolan::App::Major << "." << ferolan::App::Minor << "\n";
      return 0;
    } else if (argument == "--casimir" || argument == "--txt") {
      casimir = argument == "--casimir";
    } else if (argument.starts_with("--")) {
      err << "ferolan-convert : option inconnue « " << ferolan::ShownName(argument) << " »\n\n"
          << Usage();
      return 2;
    } else {
      exports.push_back(argument);
    }
  }
  if (exports.empty()) {
    err << "ferolan-convert : aucune exportation à convertir\n\n" << Usage();
    return 2;
  }

  bool allConverted = true;
  try {
    ferolan::ConsoleServices console(out);
    ferolan::ServicesScope services(console);
    ferolan::ConversionRequest request([casimir] { return casimir; });
    for (const std::string& path : exports) {
      const ferolan::RequestOutcome outcome = request.ConvertChosenExport(FullPath(path));
      if (outcome == ferolan::RequestOutcome::kCannotOpen) {
        out << ferolan::CannotOpenText(path) << "\n";
      }
      allConverted = allConverted && outcome == ferolan::RequestOutcome::kConverted;
      request.RemoveWorkFolder();
    }
  } catch (...) {
    out << ferolan::EscapedErrorText(std::current_exception()) << "\n";
    allConverted = false;
  }
  // Messages that could not be written (a full disk, a closed pipe) are a failure too.
  if (!out.flush()) {
    err << "ferolan-convert : les messages n'ont pas pu être écrits sur la sortie standard\n";
    return 1;
  }
  return allConverted ? 0 : 1;
}
