// The callbacks of the unzip library, with the bounds of what they read and write.
#include <algorithm>
#include <string>

#include "platform/runtime/ShownName.h"
#include "platform/runtime/UserServices.h"
#include "zip/LibraryText.h"
#include "zip/PasswordPrompt.h"
#include "zip/SkipOnFailure.h"
#include "zip/ccZip.h"
#include "zip/mZipDLLProc.h"

namespace ferolan::mZipDLLProc {

namespace {

constexpr std::size_t kTextLimit = 32801;
constexpr std::size_t kNameLimit = 256;
// The password leaves room in the library's buffer for its NUL.
constexpr std::size_t kPasswordLimit = UNZIP32_PASSWORD_SIZE - 1;
static_assert(kPasswordLimit == 256);

}  // namespace

int32_t UNZIP32_CALL OnUnzipText(const char* buffer, uint32_t length) {
  SkipOnFailure([&] {
    const std::string text = ReadLibraryText(buffer, std::min<std::size_t>(length, kTextLimit));
    if (m_bComment) {
      if (m_oArchive) m_oArchive->Comm(text);
      m_bComment = false;
    }
    m_sZipLog += text;
  });
  return 0;
}

int32_t UNZIP32_CALL OnUnzipOverwrite(const char* name) {
  int answer = vbNo;
  SkipOnFailure([&] {
    answer = MsgBox("Overwrite " + ShownName(ReadLibraryText(name, kNameLimit)) + "?",
                    vbYesNoCancel | vbExclamation | vbDefaultButton1,
                    std::string("UnZip - File Already Exists!"));
  });
  switch (answer) {
    case vbYes:
      return UNZIP32_REPLACE_THIS;
    case vbCancel:
      return UNZIP32_REPLACE_NONE;
    default:
      return UNZIP32_KEEP_THIS;
  }
}

int32_t UNZIP32_CALL OnUnzipPassword(char* buffer, uint32_t size, const char*, const char*) {
  return AskPassword(buffer, size, kPasswordLimit);
}

void UNZIP32_CALL OnUnzipEntry(uint32_t, uint32_t, uint32_t, uint32_t, uint32_t, uint32_t, uint32_t,
                               uint32_t, uint32_t, const char* name, uint32_t, uint32_t, uint32_t) {
  if (!m_bCollect) {
    SkipOnFailure(DoEvents);
    return;
  }
  SkipOnFailure([&] {
    const std::string entry = ReadLibraryText(name, kNameLimit);
    if (m_oArchive && m_oArchive->Col()) m_oArchive->Col()->Add(entry);
    m_sZipLog += ShownName(entry);  // the log is shown to the user, the list is not
  });
}

int32_t UNZIP32_CALL OnUnzipProgress(const char*, uint32_t) { return 0; }

}  // namespace ferolan::mZipDLLProc
