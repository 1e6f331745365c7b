#include "app/request/TxtMsg.h"

#include <string>

#include "app/request/AuthorCredit.h"
#include "platform/runtime/UserServices.h"

namespace ferolan::TxtMsg {

void ShowExportHelp() {
  const std::string cr = "\r";
  const std::string message =
      "Pour exporter le fichier '.jad', ouvrez J'ADE, puis :" + cr + " - configuration " + cr +
      " - évaluations, sélectionnez l'évaluation concernée" + cr + " - cliquez sur exporter" + cr +
      " - prenez 'exportation de l'évaluation sélectionnée (.jad)'" + cr +
      " - choisissez le groupe d'élèves, validez, nommez le fichier et exportez.";
  MsgBox(message, vbInformation | vbOKOnly, kAuthorCredit);
}

}  // namespace ferolan::TxtMsg
