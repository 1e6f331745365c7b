#include "platform/runtime/UserFolders.h"

#include "platform/windows/KnownFolders.h"
#include "platform/windows/SharedFiles.h"
#include "platform/windows/WideNames.h"

namespace ferolan {

namespace {

std::wstring Home() {
  std::wstring home = KnownFolder(FOLDERID_Profile);
  return home.empty() ? EnvironmentVariable(L"USERPROFILE") : home;
}

}  // namespace

std::string HomeFolder() { return Utf8Of(Home()); }

std::string DocumentsFolder() {
  const std::wstring documents = KnownFolder(FOLDERID_Documents);
  return Utf8Of(!documents.empty() && IsFolder(documents) ? documents : Home());
}

}  // namespace ferolan
