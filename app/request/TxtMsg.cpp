#include "app/request/TxtMsg.h"

#include "app/form/FormData.h"
#include "app/request/AuthorCredit.h"
#include "platform/runtime/UserServices.h"

namespace ferolan::TxtMsg {

void ShowExportHelp() { MsgBox(form::kHelp, vbInformation | vbOKOnly, kAuthorCredit); }

}  // namespace ferolan::TxtMsg
