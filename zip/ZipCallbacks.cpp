// The callbacks of the zip library, with the bounds of what they read and write.
#include <algorithm>
#include <cstring>
#include <string>

#include "platform/runtime/UserServices.h"
#include "zip/LibraryText.h"
#include "zip/PasswordPrompt.h"
#include "zip/SkipOnFailure.h"
#include "zip/ccZip.h"
#include "zip/mZipDLLProc.h"

namespace ferolan::mZipDLLProc {

namespace {

// The comment and the password leave room in the library's buffers for their NUL.
constexpr std::size_t kCommentLimit = ZIP32_COMMENT_SIZE - 1;
constexpr std::size_t kPasswordLimit = ZIP32_PASSWORD_SIZE - 1;
static_assert(kCommentLimit == 4096 && kPasswordLimit == 4096);
constexpr std::size_t kNameLimit = 4097;

}  // namespace

int32_t ZIP32_CALL OnZipText(const char*, uint32_t) {
  SkipOnFailure(DoEvents);
  return 0;
}

int32_t ZIP32_CALL OnZipComment(char* buffer) {
  SkipOnFailure([&] {
    if (buffer == nullptr || !m_oArchive || m_oArchive->Comm().empty()) return;
    const std::string& comment = m_oArchive->Comm();
    const std::size_t written = std::min(comment.size(), kCommentLimit);
    std::memcpy(buffer, comment.data(), written);
    buffer[written] = '\0';
  });
  return 1;
}

int32_t ZIP32_CALL OnZipPassword(char* buffer, uint32_t size, const char*, const char*) {
  return AskPassword(buffer, size, kPasswordLimit);
}

int32_t ZIP32_CALL OnZipEntry(const char* name, uint32_t) {
  if (m_bCollect) {
    SkipOnFailure([&] {
      const std::string entry = ReadLibraryText(name, kNameLimit);
      // Keyed by the name itself: a name already listed is not listed again, but logged again.
      if (m_oArchive && m_oArchive->Col()) m_oArchive->Col()->Add(entry, entry);
      m_sZipLog += entry;
    });
  }
  SkipOnFailure(DoEvents);
  return 0;
}

}  // namespace ferolan::mZipDLLProc
