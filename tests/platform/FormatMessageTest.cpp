// The system's texts for its error codes, and the failures of asking for one.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "platform/winapi/FormatMessage.h"
#include "platform/winapi/LastError.h"

namespace ferolan {
namespace {

using namespace winapi;

constexpr DWORD kFromSystem = FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS;

std::string TextOf(DWORD code) {
  char buffer[256];
  const DWORD length =
      FormatMessageA(kFromSystem, nullptr, code, 0, buffer, sizeof buffer, nullptr);
  EXPECT_EQ(length, std::strlen(buffer)) << code;
  return std::string(buffer, length);
}

TEST(FormatMessageTest, EveryCodeTheProgramMeetsHasATextOnOneLine) {
  for (const DWORD code :
       {ERROR_SUCCESS, ERROR_FILE_NOT_FOUND, ERROR_PATH_NOT_FOUND, ERROR_ACCESS_DENIED,
        ERROR_INVALID_HANDLE, ERROR_NOT_ENOUGH_MEMORY, ERROR_BAD_FORMAT, ERROR_INVALID_PARAMETER,
        ERROR_OPEN_FAILED, ERROR_INSUFFICIENT_BUFFER, ERROR_NOT_LOCKED, ERROR_MR_MID_NOT_FOUND,
        ERROR_INVALID_WINDOW_HANDLE}) {
    const std::string text = TextOf(code);
    EXPECT_FALSE(text.empty()) << code;
    EXPECT_EQ(text.find_first_of("\r\n"), std::string::npos) << code;
  }
}

TEST(FormatMessageTest, FailuresAnswerZeroWithTheirCode) {
  const std::string text = TextOf(ERROR_ACCESS_DENIED);
  const auto size = static_cast<DWORD>(text.size());
  const struct {
    const char* name;
    DWORD flags, code, size;
    DWORD error;
  } cases[] = {
      {"unknown code", kFromSystem, 12345, 256, ERROR_MR_MID_NOT_FOUND},
      {"no room for the NUL", kFromSystem, ERROR_ACCESS_DENIED, size, ERROR_INSUFFICIENT_BUFFER},
      {"no buffer size", kFromSystem, ERROR_ACCESS_DENIED, 0, ERROR_INSUFFICIENT_BUFFER},
      {"not from the system", FORMAT_MESSAGE_IGNORE_INSERTS, 2, 256, ERROR_INVALID_PARAMETER},
      {"an unknown flag", kFromSystem | 0x100, 2, 256, ERROR_INVALID_PARAMETER},
  };
  for (const auto& c : cases) {
    char buffer[256] = "x";
    SetLastError(NO_ERROR);
    EXPECT_EQ(FormatMessageA(c.flags, nullptr, c.code, 0, buffer, c.size, nullptr), 0u) << c.name;
    EXPECT_EQ(GetLastError(), c.error) << c.name;
    EXPECT_STREQ(buffer, "x") << c.name;
  }

  char buffer[256];
  EXPECT_EQ(FormatMessageA(kFromSystem, nullptr, ERROR_ACCESS_DENIED, 0, buffer, size + 1, nullptr),
            size);
  EXPECT_EQ(FormatMessageA(kFromSystem, nullptr, 2, 0, nullptr, 256, nullptr), 0u);
  EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);
}

}  // namespace
}  // namespace ferolan
