#include "platform/winapi/RecordChecks.h"

#include "platform/winapi/CommonDialogs.h"

namespace ferolan::winapi {

DWORD RecordError(DWORD lStructSize, DWORD size32, std::size_t size, bool hookWithoutProcedure,
                  bool templateAsked) {
  if (lStructSize != size32 && lStructSize != size) return CDERR_STRUCTSIZE;
  if (hookWithoutProcedure) return CDERR_NOHOOK;
  // Templates are dialog resources of the platform's modules, which ours do not carry.
  if (templateAsked) return CDERR_FINDRESFAILURE;
  return 0;
}

}  // namespace ferolan::winapi
