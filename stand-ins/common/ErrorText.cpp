#include "stand-ins/common/ErrorText.h"

#include <cerrno>

namespace standin {

// The system's own texts are English in the C locale the libraries run in.
std::string ErrorText(int error) {
  switch (error) {
    case EACCES:
      return "permission refusée";
    case EPERM:
      return "opération non permise";
    case ENOENT:
      return "fichier ou dossier introuvable";
    case ENOTDIR:
      return "un élément du chemin n'est pas un dossier";
    case EISDIR:
      return "c'est un dossier";
    case EEXIST:
      return "le fichier existe déjà";
    case ENOTEMPTY:
      return "le dossier n'est pas vide";
    case ENAMETOOLONG:
      return "nom de fichier trop long";
    case ELOOP:
      return "trop de liens symboliques";
    case ENOSPC:
      return "plus de place sur le disque";
#ifdef EDQUOT  // no such quota on Windows
    case EDQUOT:
      return "quota de disque dépassé";
#endif
    case EFBIG:
      return "fichier trop grand";
    case EROFS:
      return "disque en lecture seule";
    case EIO:
      return "erreur d'entrée/sortie";
    case EMFILE:
    case ENFILE:
      return "trop de fichiers ouverts";
    case EBUSY:
    case ETXTBSY:
      return "fichier occupé";
    case EXDEV:
      return "déplacement impossible d'un disque à l'autre";
    case ENOMEM:
      return "mémoire insuffisante";
    case EINVAL:
      return "argument incorrect";
    default:
      return "erreur système " + std::to_string(error);
  }
}

}  // namespace standin
