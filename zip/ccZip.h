// The program's object over one zip archive: its path, the entry names that the unzip library
// reported, its comment and compression level, and extraction through the unzip library.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "zip/EntryList.h"
#include "zip/mZipDLLProc.h"

namespace ferolan {

// Only ever held shared: each library call makes the object the binding's current archive, and
// the binding keeps it alive until another archive replaces it.
class ccZip : public std::enable_shared_from_this<ccZip> {
 public:
  static std::shared_ptr<ccZip> Create() { return std::shared_ptr<ccZip>(new ccZip()); }
  ccZip(const ccZip&) = delete;
  ccZip& operator=(const ccZip&) = delete;
  ~ccZip();

  // The entry list itself, shared with its holders; null before the first Init.
  const std::shared_ptr<EntryList>& Col() const { return entries_; }
  // The number of entries; 0 before the first Init.
  int32_t count() const { return entries_ ? entries_->Count() : 0; }
  const std::string& Name() const { return name_; }
  const std::string& Comm() const { return comment_; }
  void Comm(std::string iComm) { comment_ = std::move(iComm); }
  int32_t Level() const { return level_; }
  void Level(int32_t iLevel) { level_ = iLevel; }

  // Starts over with the archive at `iName`: a new, empty entry list, then, if a normal file
  // is there, the names that the library lists and the archive comment. Raises the library's
  // loading errors.
  void Init(const std::string& iName);
  // The entry at a position from 1 to count(); empty outside.
  std::string GetFile(int32_t lIndex) const;
  // Extracts the entries that `iName` matches (all of them when it is empty) into
  // `sTargetRoot`, replacing existing files, and returns the library's result; 1 without
  // doing anything when `sTargetRoot` is empty. Raises the library's loading errors.
  int32_t Decompress(const std::string& sTargetRoot, const std::string& iName);
  // Adds the file or folder at `sPath` to the archive, creating it when missing, with Level and,
  // once a Comm has been given, the comment; the names the library reports join Col (once
  // each) and the log. Returns the library's result, 0 when the library cannot be called.
  int32_t AddFile(const std::string& sPath, bool bRecurse, bool bJunkDir);
  // The text that the library printed during the last unzip pass.
  std::string GetZipInfo() const { return mZipDLLProc::m_sZipLog; }

 private:
  void ReleaseEntryList();
  void ListEntries();
  void ReadComment();
  // One call of the unzip library on this archive, with the log emptied first.
  int32_t RunUnzipPass(const mZipDLLProc::UnzipSettings& settings,
                       const std::optional<std::string>& includeName, const std::string& target);

  ccZip() = default;

  std::shared_ptr<EntryList> entries_;
  std::string name_;
  std::string comment_;
  int32_t level_ = 0;
};

}  // namespace ferolan
