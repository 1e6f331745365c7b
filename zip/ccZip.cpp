#include "zip/ccZip.h"

#include <string>

#include "platform/runtime/FileSystem.h"

namespace ferolan {

namespace {

using mZipDLLProc::UnzipSettings;

// Replace without asking and keep the entries' folders.
constexpr UnzipSettings kExtraction{.keepFolders = 1, .overwriteAll = 1};
// List the entries; the comment pass also prints the archive comment.
constexpr UnzipSettings kListing{.askBeforeOverwrite = 1, .listContents = 1, .keepFolders = 1};
constexpr UnzipSettings kComment{
    .askBeforeOverwrite = 1, .listContents = 1, .showComment = 1, .keepFolders = 1};

}  // namespace

ccZip::~ccZip() { ReleaseEntryList(); }

void ccZip::Init(const std::string& iName) {
  ReleaseEntryList();
  entries_ = std::make_shared<EntryList>();
  name_ = iName;
  if (!Dir(iName).empty()) {
    // Names reported in either pass are collected; the comment flag goes off only when the
    // library prints something, which may be during a later call.
    mZipDLLProc::m_bCollect = true;
    ListEntries();
    mZipDLLProc::m_bComment = true;
    ReadComment();
    mZipDLLProc::m_bCollect = false;
  }
  level_ = 5;
}

std::string ccZip::GetFile(int32_t lIndex) const {
  if (lIndex < 1 || lIndex > count()) return {};
  return entries_->Item(lIndex);
}

int32_t ccZip::Decompress(const std::string& sTargetRoot, const std::string& iName) {
  if (sTargetRoot.empty()) return 1;
  return RunUnzipPass(kExtraction, iName, sTargetRoot);
}

int32_t ccZip::AddFile(const std::string& sPath, bool bRecurse, bool bJunkDir) {
  using namespace mZipDLLProc;
  zipOptions.dateLimit = nullptr;
  zipOptions.recurse = bRecurse ? 1 : 0;
  // The first character of the level in decimal: '1' for 10, '-' for any negative level.
  zipOptions.level = std::to_string(level_).front();
  zipOptions.junkFolders = bJunkDir ? 1 : 0;
  // Once on, it stays on: with an empty Comm the comment callback keeps the archive's comment.
  if (!comment_.empty()) zipOptions.comment = 1;
  zipOptions.addToExisting = 1;
  zipFileCount = 1;
  zipArchivePath = name_;
  zipFileList[0] = sPath;
  zipFileList[1] = std::string();
  m_bCollect = true;
  BindArchive(shared_from_this());
  const int32_t result = CallZipLibrary();
  m_bCollect = false;
  return result;
}

void ccZip::ReleaseEntryList() {
  if (!entries_) return;
  // Holders of Col() share the list: they see it emptied.
  for (int32_t index = entries_->Count(); index >= 1; --index) entries_->Remove(index);
  entries_.reset();
}

void ccZip::ListEntries() { RunUnzipPass(kListing, std::nullopt, ""); }

void ccZip::ReadComment() { RunUnzipPass(kComment, std::nullopt, ""); }

int32_t ccZip::RunUnzipPass(const UnzipSettings& settings,
                            const std::optional<std::string>& includeName,
                            const std::string& target) {
  using namespace mZipDLLProc;
  m_sZipLog.clear();
  unzipSettings = settings;
  includeList[0] = includeName;
  includeCount = includeName && !includeName->empty() ? 1 : 0;
  excludeCount = 0;
  archivePath = name_;
  targetFolder = target;
  BindArchive(shared_from_this());
  return CallUnzipLibrary();
}

}  // namespace ferolan
