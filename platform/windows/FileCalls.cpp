#include "platform/windows/FileCalls.h"

namespace ferolan {

FileCalls& SystemFileCalls() {
  static FileCalls calls;
  return calls;
}

}  // namespace ferolan
