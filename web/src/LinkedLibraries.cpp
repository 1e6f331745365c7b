// The zip library the module links instead of loading it: the unzip library, for the request's
// extraction. The page writes no archive.
#include "platform/runtime/SharedLibrary.h"
#include "zip/interface/unzip32.h"

namespace ferolan {

const std::vector<LinkedLibrary>& LinkedLibraries() {
  static const std::vector<LinkedLibrary> libraries{
      {"unzip32", {{"Wiz_SingleEntryUnzip", reinterpret_cast<void*>(&Wiz_SingleEntryUnzip)}}},
  };
  return libraries;
}

}  // namespace ferolan
