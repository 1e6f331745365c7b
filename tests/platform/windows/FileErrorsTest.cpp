#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "platform/runtime/RuntimeError.h"
#include "tests/support/TempDir.h"

namespace ferolan {
namespace {

using testing::TempDir;
using testing::WriteBytes;

// Windows' codes reach the numbers and texts that the same failure has on POSIX.
TEST(WindowsFileErrorsTest, SystemCodesGiveTheRuntimeNumbersAndTexts) {
  TempDir dir;
  WriteBytes(dir / "file.txt", "");
  const struct {
    DWORD code;
    FileAccess access;
    std::string path;
    long number;
    const char* description;
  } cases[] = {
      {ERROR_FILE_NOT_FOUND, FileAccess::kRead, dir / "x.jad", 53, "Fichier introuvable"},
      {ERROR_PATH_NOT_FOUND, FileAccess::kRead, dir / "no\\x.jad", 76,
       "Chemin d'accès introuvable"},
      {ERROR_PATH_NOT_FOUND, FileAccess::kRead, dir / "file.txt\\x.jad", 76,
       "Un élément du chemin d'accès n'est pas un dossier"},
      {ERROR_FILENAME_EXCED_RANGE, FileAccess::kWrite, dir / "x.jad", 76,
       "Chemin d'accès trop long"},
      {ERROR_SHARING_VIOLATION, FileAccess::kWrite, dir / "x.jad", 70, "Permission refusée"},
      {ERROR_WRITE_PROTECT, FileAccess::kWrite, dir / "x.jad", 70, "Permission refusée"},
      {1295 /* disk quota exceeded */, FileAccess::kWrite, dir / "x.jad", 61, "Disque plein"},
      {ERROR_READ_FAULT, FileAccess::kRead, dir / "x.jad", 57,
       "Erreur d'entrée/sortie de périphérique"},
      {ERROR_INVALID_NAME, FileAccess::kWrite, dir / "x.jad", 75,
       "Erreur d'accès au chemin/fichier"},
      {ERROR_ALREADY_EXISTS, FileAccess::kWrite, dir / "x.jad", 75,
       "Erreur d'accès au chemin/fichier"},
  };
  for (const auto& c : cases) {
    try {
      RaiseFileError(static_cast<int>(c.code), c.access, c.path);
      ADD_FAILURE() << c.code;
    } catch (const RuntimeError& error) {
      EXPECT_EQ(error.Number(), c.number) << c.code;
      EXPECT_EQ(error.Description(), std::string(c.description) + " : x.jad") << c.code;
    }
  }
}

}  // namespace
}  // namespace ferolan
