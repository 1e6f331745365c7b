#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "app/request/ExportNames.h"

namespace ferolan {
namespace {

TEST(ExportNamesTest, DerivesTheBaseNameAndBothStems) {
  const struct {
    const char* path;
    const char* baseName;
    const char* outputPrefix;
  } table[] = {
      {"C:\\Evaluations\\6A fr-math.jad", "6A fr-math", "C:\\Evaluations\\6A fr-math"},
      {"D:\\classe.jad", "classe", "D:\\classe"},
      {"C:\\x.jad.jad", "x", "C:\\x"},                      // cut at the first ".jad"
      {"C:\\Bilan.JAD.jad", "Bilan.JAD", "C:\\Bilan.JAD"},  // compared case by case
      {"C:\\notes.gz", "note", "C:\\note"},                 // always the last four characters
      {"C:\\bilan.jadex", "bilan.j", "C:\\bilan.j"},
      {"C:\\.jad", "", "C:\\"},
      {"C:\\abc", "", "C:\\"},
      {"sans-dossier.jad", "sans-dossier", "sans-dossier"},
  };
  for (const auto& row : table) {
    for (const char separator : {'\\', '/'}) {
      std::string path = row.path;
      std::string prefix = row.outputPrefix;
      if (separator == '/') {
        std::replace(path.begin(), path.end(), '\\', '/');
        std::replace(prefix.begin(), prefix.end(), '\\', '/');
      }
      const ExportNames names = DeriveExportNames(path, "P", separator);
      EXPECT_EQ(names.baseName, row.baseName) << path;
      EXPECT_EQ(names.outputPrefix, prefix) << path;
      EXPECT_EQ(names.workBase, std::string("P") + separator + row.baseName) << path;
    }
  }
}

TEST(ExportNamesTest, OnlyTheGivenSeparatorCutsTheFolder) {
  const ExportNames names = DeriveExportNames("/exports/a\\b.jad", "/opt/ferolan", '/');
  EXPECT_EQ(names.baseName, "a\\b");
  EXPECT_EQ(names.outputPrefix, "/exports/a\\b");
  EXPECT_EQ(names.workBase, "/opt/ferolan/a\\b");
}

}  // namespace
}  // namespace ferolan
