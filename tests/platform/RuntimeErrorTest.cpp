#include <gtest/gtest.h>

#include <cerrno>

#include "platform/runtime/App.h"
#include "platform/runtime/RuntimeError.h"
#include "platform/runtime/ShownName.h"
#include "tests/support/TempDir.h"

namespace ferolan {
namespace {

TEST(RuntimeErrorTest, RaisedErrorsCarryTheFrenchDescriptionAndTheProgramAsSource) {
  try {
    Raise(kErrInputPastEnd);
    FAIL() << "no error raised";
  } catch (const RuntimeError& error) {
    EXPECT_EQ(error.Number(), 62);
    EXPECT_EQ(error.Description(), "Entrée au-delà de la fin du fichier");
    EXPECT_EQ(error.Source(), App::EXEName());
  }
}

TEST(RuntimeErrorTest, EveryNumberTheUserCanMeetHasItsDescription) {
  const std::pair<long, const char*> table[] = {
      {5, "Argument ou appel de procédure incorrect"}, {6, "Dépassement de capacité"},
      {48, "Erreur de chargement de la DLL"},          {53, "Fichier introuvable"},
      {62, "Entrée au-delà de la fin du fichier"},     {70, "Permission refusée"},
      {75, "Erreur d'accès au chemin/fichier"},        {76, "Chemin d'accès introuvable"},
      {453, "Point d'entrée de DLL introuvable"},
  };
  for (const auto& [number, description] : table) {
    EXPECT_EQ(DescriptionOf(number), description) << number;
  }
  EXPECT_EQ(DescriptionOf(12345), "");
}

TEST(RuntimeErrorTest, AFileErrorNamesTheFileWithoutItsFolders) {
  try {
    const testing::TempDir folder;
    RaiseFileError(ENOENT, FileAccess::kRead, folder / "CE2-A.xml");
    FAIL() << "no error raised";
  } catch (const RuntimeError& error) {
    EXPECT_EQ(error.Number(), kErrFileNotFound);
    EXPECT_EQ(error.Description(), "Fichier introuvable : CE2-A.xml");
  }
}

// A path too long and a file in place of a folder keep the number of a path not found, with
// texts of their own.
TEST(RuntimeErrorTest, FileErrorsMapToTheRuntimeNumbersAndTexts) {
#ifdef _WIN32
  GTEST_SKIP() << "errno values are POSIX's codes; Windows' are WindowsFileErrorsTest's";
#endif
  const struct {
    int errnoValue;
    FileAccess access;
    long expected;
    const char* description;
  } table[] = {
      // creating: the folder is missing
      {ENOENT, FileAccess::kWrite, kErrPathNotFound, "Chemin d'accès introuvable : whatever"},
      {ENOTDIR, FileAccess::kRead, kErrPathNotFound,
       "Un élément du chemin d'accès n'est pas un dossier : whatever"},
      {ENAMETOOLONG, FileAccess::kWrite, kErrPathNotFound, "Chemin d'accès trop long : whatever"},
      {EACCES, FileAccess::kWrite, kErrPermissionDenied, "Permission refusée : whatever"},
      {EROFS, FileAccess::kWrite, kErrPermissionDenied, "Permission refusée : whatever"},
      {ENOSPC, FileAccess::kWrite, kErrDiskFull, "Disque plein : whatever"},
      {EISDIR, FileAccess::kWrite, kErrPathFileAccess,
       "Erreur d'accès au chemin/fichier : whatever"},
  };
  for (const auto& row : table) {
    try {
      RaiseFileError(row.errnoValue, row.access, "/tmp/whatever");
      ADD_FAILURE() << "no error raised";
    } catch (const RuntimeError& error) {
      EXPECT_EQ(error.Number(), row.expected) << row.errnoValue;
      EXPECT_EQ(error.Description(), row.description);
    }
  }
}

TEST(RuntimeErrorTest, NamesAreShownWithTheirControlCharactersWrittenOut) {
  try {
    RaiseNaming(kErrFileNotFound, "a\nb\r\tc\x1b[2J\x7f", "d\ne");
    FAIL() << "no error raised";
  } catch (const RuntimeError& error) {
    EXPECT_EQ(error.Description(), "Fichier introuvable : a\\nb\\r\\tc\\x1b[2J\\x7f (d\\ne)");
  }
}

TEST(ShownNameTest, WritesOutWhatCouldDriveTheTerminalOrReorderTheLineAndKeepsTheRest) {
  const struct {
    const char* what;
    std::string name;
    std::string shown;
  } table[] = {
      {"accents and other scripts", "Élève ÿ Ωμέγα 日本 🙂",
       "Élève ÿ Ωμέγα 日本 🙂"},
      {"C1 controls in UTF-8",
       "a\xc2\x9b"
       "2J\xc2\x85\xc2\x80\xc2\x9f\xc2\xa0",
       "a\\u009b2J\\u0085\\u0080\\u009f\xc2\xa0"},
      {"bidirectional controls",
       "exe.\xe2\x80\xae"
       "txt\xe2\x81\xa6\xe2\x81\xa9\xe2\x80\x8f",
       "exe.\\u202etxt\\u2066\\u2069\\u200f"},
      {"bytes of another encoding",
       "\xe9t\xe9 \x9b"
       "2J",
       "\\xe9t\\xe9 \\x9b2J"},
      {"a sequence cut short",
       "\xc3"
       "A\xe2\x80",
       "\\xc3A\\xe2\\x80"},
      {"an overlong form", "\xc0\xaf\xe0\x80\xaf", "\\xc0\\xaf\\xe0\\x80\\xaf"},
      {"a surrogate and a code above U+10FFFF", "\xed\xa0\x80\xf4\x90\x80\x80",
       "\\xed\\xa0\\x80\\xf4\\x90\\x80\\x80"},
  };
  for (const auto& row : table) EXPECT_EQ(ShownName(row.name), row.shown) << row.what;
}

}  // namespace
}  // namespace ferolan
