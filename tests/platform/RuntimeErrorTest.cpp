#include <gtest/gtest.h>

#include <cerrno>

#include "platform/runtime/App.h"
#include "platform/runtime/RuntimeError.h"
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

}  // namespace
}  // namespace ferolan
