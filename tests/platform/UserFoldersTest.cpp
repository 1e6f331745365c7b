// The documents folder as the desktop names it, and the home folder in its place.
#include <gtest/gtest.h>

#include <filesystem>

#include "platform/runtime/UserFolders.h"
#include "tests/support/ScopedEnv.h"
#include "tests/support/TempDir.h"

namespace ferolan {
namespace {

using testing::ScopedEnv;
using testing::TempDir;
using testing::WriteBytes;

TEST(UserFoldersTest, TheDocumentsFolderNamedByTheDesktopElseHome) {
#ifdef _WIN32
  GTEST_SKIP() << "the desktop's user-dirs.dirs; Windows names the folder itself";
#endif
  const struct {
    const char* name;
    bool ownConfig;        // XDG_CONFIG_HOME set to a folder beside home; else unset
    const char* dirs;      // what user-dirs.dirs holds; null: no such file
    const char* made;      // the folder made under home before asking
    const char* expected;  // relative to home; "" is home itself
  } table[] = {
      {"under home", false,
       "# written by the desktop\nXDG_DESKTOP_DIR=\"$HOME/Bureau\"\n"
       "XDG_DOCUMENTS_DIR=\"$HOME/Mes documents\"\n",
       "Mes documents", "/Mes documents"},
      {"with escapes", false, "XDG_DOCUMENTS_DIR=\"$HOME/l'\\\"école\\\"\"\n", "l'\"école\"",
       "/l'\"école\""},
      {"an absolute path", false, "XDG_DOCUMENTS_DIR=\"@/Classe\"\n", "Classe", "/Classe"},
      {"a folder that is missing", false, "XDG_DOCUMENTS_DIR=\"$HOME/Documents\"\n", "", ""},
      {"no entry for documents", false, "XDG_MUSIC_DIR=\"$HOME/Musique\"\n", "Musique", ""},
      {"no file", false, nullptr, "Documents", ""},
      {"a config folder of its own", true, "XDG_DOCUMENTS_DIR=\"$HOME/Travail\"\n", "Travail",
       "/Travail"},
  };
  for (const auto& row : table) {
    const TempDir dir;
    const std::string home = dir / "home";
    const std::string config = row.ownConfig ? dir / "config" : home + "/.config";
    std::filesystem::create_directories(home + "/" + row.made);
    std::filesystem::create_directories(config);
    if (row.dirs != nullptr) {
      std::string dirs = row.dirs;
      if (const auto at = dirs.find('@'); at != std::string::npos) dirs.replace(at, 1, home);
      WriteBytes(config + "/user-dirs.dirs", dirs);
    }
    const ScopedEnv homeEnv("HOME", home);
    const ScopedEnv configEnv("XDG_CONFIG_HOME",
                              row.ownConfig ? std::optional(config) : std::nullopt);
    EXPECT_EQ(DocumentsFolder(), home + row.expected) << row.name;
  }
}

}  // namespace
}  // namespace ferolan
