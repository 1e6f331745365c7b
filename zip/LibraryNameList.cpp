#include "zip/LibraryNameList.h"

namespace ferolan::mZipDLLProc {

LibraryNameList::LibraryNameList(const NameList& names) : copies_(names.begin(), names.end()) {
  for (std::size_t i = 0; i < copies_.size(); ++i) {
    pointers_[i] = copies_[i] ? copies_[i]->c_str() : nullptr;
  }
}

}  // namespace ferolan::mZipDLLProc
