#include "platform/winapi/FormatMessage.h"

#include <cstring>
#include <string_view>

#include "platform/winapi/LastError.h"

namespace ferolan::winapi {

namespace {

// The codes that the program's platform functions leave as their last error.
std::string_view SystemText(DWORD code) {
  switch (code) {
    case ERROR_SUCCESS:
      return "L'opération a réussi.";
    case ERROR_FILE_NOT_FOUND:
      return "Le fichier spécifié est introuvable.";
    case ERROR_PATH_NOT_FOUND:
      return "Le chemin d'accès spécifié est introuvable.";
    case ERROR_ACCESS_DENIED:
      return "Accès refusé.";
    case ERROR_INVALID_HANDLE:
      return "Descripteur non valide.";
    case ERROR_NOT_ENOUGH_MEMORY:
      return "Les ressources mémoire disponibles sont insuffisantes pour traiter cette commande.";
    case ERROR_BAD_FORMAT:
      return "Le fichier n'a pas un format reconnu.";
    case ERROR_INVALID_PARAMETER:
      return "Paramètre incorrect.";
    case ERROR_OPEN_FAILED:
      return "Le système ne peut pas ouvrir le périphérique ou le fichier spécifié.";
    case ERROR_INSUFFICIENT_BUFFER:
      return "La zone de données transmise à un appel système est insuffisante.";
    case ERROR_NOT_LOCKED:
      return "Le segment est déjà déverrouillé.";
    case ERROR_MR_MID_NOT_FOUND:
      return "Le texte du message de ce numéro est introuvable.";
    case ERROR_INVALID_WINDOW_HANDLE:
      return "Handle de fenêtre non valide.";
    default:
      return {};
  }
}

}  // namespace

DWORD FormatMessageA(DWORD dwFlags, const void*, DWORD dwMessageId, DWORD, LPSTR lpBuffer,
                     DWORD nSize, va_list*) {
  if ((dwFlags & ~FORMAT_MESSAGE_IGNORE_INSERTS) != FORMAT_MESSAGE_FROM_SYSTEM ||
      lpBuffer == nullptr) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  const std::string_view text = SystemText(dwMessageId);
  if (text.empty()) {
    SetLastError(ERROR_MR_MID_NOT_FOUND);
    return 0;
  }
  if (text.size() >= nSize) {
    SetLastError(ERROR_INSUFFICIENT_BUFFER);
    return 0;
  }
  std::memcpy(lpBuffer, text.data(), text.size());
  lpBuffer[text.size()] = '\0';
  return static_cast<DWORD>(text.size());
}

}  // namespace ferolan::winapi
