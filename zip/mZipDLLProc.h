// The binding between the archive objects and the zip libraries: the process-wide state that
// every ccZip shares, the library calls, and the callbacks the libraries report through.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "zip/interface/unzip32.h"
#include "zip/interface/zip32.h"

namespace ferolan {

class ccZip;

namespace mZipDLLProc {

// The unzip settings as the program keeps them; each call copies them, sign-extended, into the
// library's UnzipOptions.
struct UnzipSettings {
  int16_t newerOnly = 0;
  int16_t spacesToUnderscores = 0;
  int16_t askBeforeOverwrite = 0;
  int16_t quietLevel = 0;
  int16_t toStandardOutput = 0;
  int16_t testOnly = 0;
  int16_t listContents = 0;
  int16_t freshenOnly = 0;
  int16_t showComment = 0;
  int16_t keepFolders = 0;
  int16_t overwriteAll = 0;
  int16_t convertLineEnds = 0;
  int16_t verbose = 0;
  int16_t ignoreCase = 0;
  int16_t restoreSecurity = 0;
};

// Names handed to a library; a position never set stays null, unlike an empty name.
using NameList = std::array<std::optional<std::string>, UNZIP32_NAME_LIST_SIZE>;
static_assert(int{UNZIP32_NAME_LIST_SIZE} == int{ZIP32_NAME_LIST_SIZE});

// Text the library printed and the names it reported; emptied by each unzip pass of ccZip.
extern std::string m_sZipLog;
// On while the entry callback adds each reported name to the current archive's Col.
extern bool m_bCollect;
// On until the next printed text, which becomes the current archive's Comm.
extern bool m_bComment;
// The archive the callbacks report to; kept until another one replaces it.
extern std::shared_ptr<ccZip> m_oArchive;

// What the next CallUnzipLibrary hands to the library.
extern UnzipSettings unzipSettings;
extern std::string archivePath;
extern std::string targetFolder;
extern int32_t includeCount;
extern NameList includeList;
extern int32_t excludeCount;
extern NameList excludeList;

// Makes `archive` the one the callbacks report to, releasing the previous one.
void BindArchive(std::shared_ptr<ccZip> archive);

// Calls the library's Wiz_SingleEntryUnzip with the state above and returns its result. The
// library is loaded by name at the first call and kept for the process; a missing library or
// entry point raises "file not found" or "entry point not found".
int32_t CallUnzipLibrary();

// The callbacks. They never let a failure reach the library: a failing step is skipped.
int32_t UNZIP32_CALL OnUnzipText(const char* buffer, uint32_t length);
int32_t UNZIP32_CALL OnUnzipOverwrite(const char* name);
int32_t UNZIP32_CALL OnUnzipPassword(char* buffer, uint32_t size, const char* prompt,
                                     const char* name);
void UNZIP32_CALL OnUnzipEntry(uint32_t, uint32_t, uint32_t, uint32_t, uint32_t, uint32_t, uint32_t,
                               uint32_t, uint32_t, const char* name, uint32_t, uint32_t, uint32_t);
int32_t UNZIP32_CALL OnUnzipProgress(const char* name, uint32_t size);

// What the next CallZipLibrary hands to the zip library. The program leaves the text fields of
// the options null.
extern ZipOptions zipOptions;
extern int16_t zipFileCount;
extern std::string zipArchivePath;
extern NameList zipFileList;

// Calls the zip library's ZpInit, ZpSetOptions and ZpArchive with the state above, each call
// skipped when it cannot be made: the library is loaded by name at the first call, and a
// missing library or entry point raises nothing. Returns the result of the last call made, 0
// when none could be.
int32_t CallZipLibrary();

// The zip library's callbacks; they never let a failure reach the library either.
int32_t ZIP32_CALL OnZipText(const char* buffer, uint32_t length);
int32_t ZIP32_CALL OnZipComment(char* buffer);
int32_t ZIP32_CALL OnZipPassword(char* buffer, uint32_t size, const char* prompt, const char* name);
int32_t ZIP32_CALL OnZipEntry(const char* name, uint32_t size);

}  // namespace mZipDLLProc
}  // namespace ferolan
