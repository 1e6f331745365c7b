#include "stand-ins/common/NameList.h"

namespace standin {

bool ReadNames(int32_t count, const char* const* names, std::size_t size,
               std::vector<std::string>& out) {
  if (count < 0 || static_cast<std::size_t>(count) > size || (count > 0 && names == nullptr)) {
    return false;
  }
  for (int32_t i = 0; i < count; ++i) {
    if (names[i] == nullptr) return false;
    out.emplace_back(names[i]);
  }
  return true;
}

}  // namespace standin
