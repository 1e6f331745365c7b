#include "zip/EntryList.h"

#include "platform/runtime/RuntimeError.h"

namespace ferolan {

std::size_t EntryList::Position(int32_t index) const {
  if (index < 1 || index > Count()) Raise(kErrInvalidArgument);
  return static_cast<std::size_t>(index - 1);
}

const std::string& EntryList::Item(int32_t index) const { return items_[Position(index)]; }

void EntryList::Remove(int32_t index) {
  items_.erase(items_.begin() + static_cast<std::ptrdiff_t>(Position(index)));
}

}  // namespace ferolan
