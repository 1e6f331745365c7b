#include "engine/Module1.h"
#include "platform/runtime/InputFile.h"
#include "platform/runtime/RuntimeError.h"

namespace ferolan::Module1 {

bool FileCanBeOpened(const std::string& path) {
  try {
    InputFile probe(path);
    return true;
  } catch (const RuntimeError&) {
    return false;  // why it cannot be opened does not matter here
  } catch (const std::bad_alloc&) {
    return false;
  }
}

}  // namespace ferolan::Module1
