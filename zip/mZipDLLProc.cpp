#include "zip/mZipDLLProc.h"

#include <utility>

#include "platform/runtime/SharedLibrary.h"
#include "zip/LibraryNameList.h"
#include "zip/ccZip.h"

namespace ferolan::mZipDLLProc {

std::string m_sZipLog;
bool m_bCollect = false;
bool m_bComment = false;
std::shared_ptr<ccZip> m_oArchive;

UnzipSettings unzipSettings;
std::string archivePath;
std::string targetFolder;
int32_t includeCount = 0;
NameList includeList;
int32_t excludeCount = 0;
NameList excludeList;

ZipOptions zipOptions{};
int16_t zipFileCount = 0;
std::string zipArchivePath;
NameList zipFileList;

namespace {

struct UnzipLibrary {
  SharedLibrary library = SharedLibrary::Load("unzip32");
  Wiz_SingleEntryUnzipFunction* unzip =
      library.Entry<Wiz_SingleEntryUnzipFunction>("Wiz_SingleEntryUnzip");
};

UnzipOptions ToOptions(const UnzipSettings& settings) {
  return UnzipOptions{settings.newerOnly,
                      settings.spacesToUnderscores,
                      settings.askBeforeOverwrite,
                      settings.quietLevel,
                      settings.toStandardOutput,
                      settings.testOnly,
                      settings.listContents,
                      settings.freshenOnly,
                      settings.showComment,
                      settings.keepFolders,
                      settings.overwriteAll,
                      settings.convertLineEnds,
                      settings.verbose,
                      settings.ignoreCase,
                      settings.restoreSecurity,
                      nullptr,
                      nullptr};
}

}  // namespace

void BindArchive(std::shared_ptr<ccZip> archive) { m_oArchive = std::move(archive); }

int32_t CallUnzipLibrary() {
  static const UnzipLibrary library;
  const std::string archive = archivePath;
  const std::string target = targetFolder;
  UnzipOptions options = ToOptions(unzipSettings);
  options.archivePath = archive.c_str();
  options.targetFolder = target.c_str();
  const UnzipCallbacks callbacks{
      OnUnzipText, nullptr, OnUnzipOverwrite, OnUnzipPassword, OnUnzipEntry, OnUnzipProgress, {}};
  const LibraryNameList includes(includeList);
  const LibraryNameList excludes(excludeList);
  return library.unzip(includeCount, includes.Pointers(), excludeCount, excludes.Pointers(),
                       &options, &callbacks);
}

}  // namespace ferolan::mZipDLLProc
