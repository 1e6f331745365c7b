#include "stand-ins/common/windows/LastErrorText.h"

#include <windows.h>

#include "platform/windows/ErrnoOf.h"
#include "stand-ins/common/ErrorText.h"

namespace standin {

std::string LastErrorText() {
  const DWORD error = ::GetLastError();
  const int known = ferolan::ErrnoOf(error);
  return known != 0 ? ErrorText(known) : "erreur système Windows " + std::to_string(error);
}

}  // namespace standin
