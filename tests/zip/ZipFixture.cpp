#include "tests/zip/ZipFixture.h"

#include <filesystem>

namespace ferolan::testing {

namespace {

void ResetBinding() {
  using namespace mZipDLLProc;
  m_sZipLog.clear();
  m_bCollect = false;
  m_bComment = false;
  m_oArchive.reset();
  unzipSettings = {};
  includeCount = 0;
  excludeCount = 0;
  includeList = {};
  excludeList = {};
  zipOptions = {};
  zipFileCount = 0;
  zipArchivePath.clear();
  zipFileList = {};
}

}  // namespace

ZipTest::ZipTest() : target(dir / "target") {
  ResetBinding();
  std::filesystem::create_directory(target);
}

ZipTest::~ZipTest() { ResetBinding(); }

std::string ZipTest::Archive(const std::vector<ArchiveEntry>& entries, const std::string& comment) {
  const std::string path = dir / "archive.zip";
  MakeArchive(path, entries, comment);
  return path;
}

int32_t ZipTest::Unzip(const std::string& archive, const mZipDLLProc::UnzipSettings& settings) {
  mZipDLLProc::unzipSettings = settings;
  mZipDLLProc::archivePath = archive;
  mZipDLLProc::targetFolder = target;
  return mZipDLLProc::CallUnzipLibrary();
}

int32_t ZipTest::Zip(const std::string& archive, const std::vector<std::string>& paths) {
  mZipDLLProc::zipArchivePath = archive;
  mZipDLLProc::zipFileCount = static_cast<int16_t>(paths.size());
  for (std::size_t i = 0; i < paths.size(); ++i) mZipDLLProc::zipFileList[i] = paths[i];
  return mZipDLLProc::CallZipLibrary();
}

std::set<std::string> ZipTest::Listing(const std::string& folder) {
  std::set<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    names.insert(entry.path().filename().string());
  }
  return names;
}

}  // namespace ferolan::testing
