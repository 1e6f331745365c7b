// The calls of the zip library. Unlike the unzip side, nothing here raises: a call that
// cannot be made is skipped and the next one is tried.
#include <string>

#include "platform/runtime/SharedLibrary.h"
#include "zip/LibraryNameList.h"
#include "zip/SkipOnFailure.h"
#include "zip/mZipDLLProc.h"

namespace ferolan::mZipDLLProc {

namespace {

// Loaded at the first call that succeeds in loading it; a failed load is tried again next time.
const SharedLibrary& ZipLibrary() {
  static const SharedLibrary library = SharedLibrary::Load("zip32");
  return library;
}

// Makes one call through an entry point and keeps its result, unless the call cannot be made;
// `call` also prepares the copies that the library reads.
template <class Function, class Call>
void CallEntry(const char* entry, int32_t& result, Call call) {
  SkipOnFailure([&] { result = call(ZipLibrary().Entry<Function>(entry)); });
}

}  // namespace

int32_t CallZipLibrary() {
  int32_t result = 0;
  static constexpr ZipCallbacks kCallbacks{OnZipText, OnZipComment, OnZipPassword, OnZipEntry};
  CallEntry<ZpInitFunction>("ZpInit", result,
                            [](ZpInitFunction* zpInit) { return zpInit(&kCallbacks); });
  CallEntry<ZpSetOptionsFunction>("ZpSetOptions", result, [](ZpSetOptionsFunction* setOptions) {
    const ZipOptions options = zipOptions;
    return setOptions(&options);
  });
  CallEntry<ZpArchiveFunction>("ZpArchive", result, [](ZpArchiveFunction* zpArchive) {
    const std::string archive = zipArchivePath;
    const LibraryNameList files(zipFileList);
    return zpArchive(zipFileCount, archive.c_str(), files.Pointers());
  });
  return result;
}

}  // namespace ferolan::mZipDLLProc
