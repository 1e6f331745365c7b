#include "stand-ins/common/ZipErrorText.h"

#include <algorithm>
#include <iterator>
#include <string>

#include "stand-ins/common/ErrorText.h"

namespace standin {

namespace {

struct Text {
  int code;
  const char* text;
};

// Every code of the libzip versions the libraries are built with; the later ones are guarded,
// as older headers lack them.
constexpr Text kTexts[] = {
    {ZIP_ER_OK, "pas d'erreur"},
    {ZIP_ER_MULTIDISK, "archive en plusieurs volumes, non prise en charge"},
    {ZIP_ER_RENAME, "impossible de renommer le fichier temporaire"},
    {ZIP_ER_CLOSE, "impossible de fermer l'archive"},
    {ZIP_ER_SEEK, "erreur de positionnement dans le fichier"},
    {ZIP_ER_READ, "erreur de lecture"},
    {ZIP_ER_WRITE, "erreur d'écriture"},
    {ZIP_ER_CRC, "données abîmées (somme de contrôle CRC fausse)"},
    {ZIP_ER_ZIPCLOSED, "l'archive a été fermée"},
    {ZIP_ER_NOENT, "fichier introuvable"},
    {ZIP_ER_EXISTS, "le fichier existe déjà"},
    {ZIP_ER_OPEN, "impossible d'ouvrir le fichier"},
    {ZIP_ER_TMPOPEN, "impossible de créer un fichier temporaire"},
    {ZIP_ER_ZLIB, "erreur de décompression"},
    {ZIP_ER_MEMORY, "mémoire insuffisante"},
    {ZIP_ER_CHANGED, "l'entrée a été modifiée"},
    {ZIP_ER_COMPNOTSUPP, "méthode de compression non prise en charge"},
    {ZIP_ER_EOF, "fin de fichier prématurée"},
    {ZIP_ER_INVAL, "argument incorrect"},
    {ZIP_ER_NOZIP, "ce n'est pas une archive zip"},
    {ZIP_ER_INTERNAL, "erreur interne"},
    {ZIP_ER_INCONS, "archive zip incohérente, abîmée ou tronquée"},
    {ZIP_ER_REMOVE, "impossible de supprimer le fichier"},
    {ZIP_ER_DELETED, "l'entrée a été supprimée"},
    {ZIP_ER_ENCRNOTSUPP, "méthode de chiffrement non prise en charge"},
    {ZIP_ER_RDONLY, "archive en lecture seule"},
    {ZIP_ER_NOPASSWD, "aucun mot de passe donné"},
    {ZIP_ER_WRONGPASSWD, "mot de passe incorrect"},
    {ZIP_ER_OPNOTSUPP, "opération non prise en charge"},
    {ZIP_ER_INUSE, "ressource encore utilisée"},
    {ZIP_ER_TELL, "erreur de position dans le fichier"},
    {ZIP_ER_COMPRESSED_DATA, "données compressées incorrectes"},
    {ZIP_ER_CANCELLED, "opération annulée"},
#ifdef ZIP_ER_DATA_LENGTH
    {ZIP_ER_DATA_LENGTH, "longueur des données inattendue"},
#endif
#ifdef ZIP_ER_NOT_ALLOWED
    {ZIP_ER_NOT_ALLOWED, "opération interdite dans ce format d'archive"},
#endif
#ifdef ZIP_ER_TRUNCATED_ZIP
    {ZIP_ER_TRUNCATED_ZIP, kCutArchiveText},
#endif
};

}  // namespace

std::string ZipErrorText(zip_error_t* error) {
  const int code = zip_error_code_zip(error);
  const auto known = std::find_if(std::begin(kTexts), std::end(kTexts),
                                  [code](const Text& text) { return text.code == code; });
  std::string text = known != std::end(kTexts)
                         ? known->text
                         : "erreur " + std::to_string(code) + " de la bibliothèque zip";
  const int system = zip_error_code_system(error);
  if (zip_error_system_type(error) == ZIP_ET_SYS && system != 0) text += " : " + ErrorText(system);
  return text;
}

bool IsDamagedArchive(int code) {
#ifdef ZIP_ER_TRUNCATED_ZIP
  // Where 1.7 found a cut archive inconsistent, later versions say so.
  if (code == ZIP_ER_TRUNCATED_ZIP) return true;
#endif
  return code == ZIP_ER_NOZIP || code == ZIP_ER_INCONS || code == ZIP_ER_READ ||
         code == ZIP_ER_SEEK || code == ZIP_ER_COMPNOTSUPP;
}

}  // namespace standin
