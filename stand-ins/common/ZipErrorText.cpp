#include "stand-ins/common/ZipErrorText.h"

#include <iterator>

#include "stand-ins/common/Fd.h"

namespace standin {

namespace {

// Indexed by libzip's error code, from ZIP_ER_OK on.
constexpr const char* kTexts[] = {
    "pas d'erreur",
    "archive en plusieurs volumes, non prise en charge",
    "impossible de renommer le fichier temporaire",
    "impossible de fermer l'archive",
    "erreur de positionnement dans le fichier",
    "erreur de lecture",
    "erreur d'écriture",
    "données abîmées (somme de contrôle CRC fausse)",
    "l'archive a été fermée",
    "fichier introuvable",
    "le fichier existe déjà",
    "impossible d'ouvrir le fichier",
    "impossible de créer un fichier temporaire",
    "erreur de décompression",
    "mémoire insuffisante",
    "l'entrée a été modifiée",
    "méthode de compression non prise en charge",
    "fin de fichier prématurée",
    "argument incorrect",
    "ce n'est pas une archive zip",
    "erreur interne",
    "archive zip incohérente, abîmée ou tronquée",
    "impossible de supprimer le fichier",
    "l'entrée a été supprimée",
    "méthode de chiffrement non prise en charge",
    "archive en lecture seule",
    "aucun mot de passe donné",
    "mot de passe incorrect",
    "opération non prise en charge",
    "ressource encore utilisée",
    "erreur de position dans le fichier",
    "données compressées incorrectes",
    "opération annulée",
};
static_assert(std::size(kTexts) == ZIP_ER_CANCELLED + 1);

}  // namespace

std::string ZipErrorText(zip_error_t* error) {
  const int code = zip_error_code_zip(error);
  std::string text = code >= 0 && code < static_cast<int>(std::size(kTexts))
                         ? kTexts[code]
                         : "erreur " + std::to_string(code) + " de la bibliothèque zip";
  const int system = zip_error_code_system(error);
  if (zip_error_system_type(error) == ZIP_ET_SYS && system != 0) text += " : " + ErrorText(system);
  return text;
}

}  // namespace standin
