// ferolan-convert run as a script would run it: its output, its exit status and its files.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <sstream>

#include "app/convert/ConsoleServices.h"
#include "tests/app/RequestFixture.h"

namespace ferolan::testing {
namespace {

struct CommandRun {
  int status;
  std::string output;
};

// Runs a shell command line; its standard error goes nowhere.
CommandRun RunShell(const std::string& command) {
  FILE* pipe = ::popen((command + " 2>/dev/null").c_str(), "r");
  if (pipe == nullptr) return {-1, {}};
  std::string output;
  char buffer[4096];
  while (const std::size_t got = std::fread(buffer, 1, sizeof buffer, pipe))
    output.append(buffer, got);
  const int status = ::pclose(pipe);
  return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, output};
}

// Runs the command in `folder` when one is given.
CommandRun Convert(const std::string& arguments, const std::string& folder = {}) {
  return RunShell((folder.empty() ? "" : "cd '" + folder + "' && ") + std::string(FEROLAN_CONVERT) +
                  " " + arguments);
}

class ConvertCommandTest : public RequestFixture {};

TEST_F(ConvertCommandTest, ConvertsEachExportAndLeavesNoWorkFolder) {
  const std::string first = Base("-1");
  const std::string second = Base("-2");
  const CommandRun run =
      Convert(MakeExport(first, SmallExportXml()) + " " + MakeExport(second, SmallExportXml()));
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.output, "Traitement terminé.\nTraitement terminé.\n");
  for (const std::string& base : {first, second}) {
    EXPECT_TRUE(Exists(dir / (base + "1.c01")));  // casimir unless asked otherwise
    EXPECT_TRUE(Exists(dir / (base + "2.c01")));
  }
  EXPECT_TRUE(WorkFolders().empty());
}

TEST_F(ConvertCommandTest, TextOutputOnRequest) {
  const std::string base = Base();
  const CommandRun run = Convert("--txt " + MakeExport(base, SmallExportXml()));
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(ReadBytes(dir / (base + "FR.txt")), kSmallExportFrenchText);
}

TEST_F(ConvertCommandTest, AnExportThatCannotBeOpenedIsNamedAndFailsTheRun) {
  const std::string base = Base();
  const CommandRun run =
      Convert(dir / "absente.jad" + " --txt " + MakeExport(base, SmallExportXml()));
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.output, "Error: impossible d'ouvrir le fichier " + dir / "absente.jad" +
                            "\nTraitement terminé.\n");
  EXPECT_TRUE(Exists(dir / (base + "MATHS.txt")));
}

TEST_F(ConvertCommandTest, ABrokenExportPrintsEveryMessageOnALineOfItsOwn) {
  const std::string base = Base();
  const std::string path = dir / (base + ".jad");
  WriteBytes(path, "pas une archive");
  const CommandRun run = Convert(path);
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.output.rfind("Une erreur s'est produite pendant la décompression\n", 0), 0u)
      << run.output;
  EXPECT_NE(run.output.find(path), std::string::npos);
  EXPECT_TRUE(run.output.ends_with("\nError: Fichier introuvable : " + base + ".xml\n"))
      << run.output;
}

// No name can print a line of its own, "Traitement terminé." above all, or drive the terminal.
TEST_F(ConvertCommandTest, NamesArePrintedWithTheirControlCharactersWrittenOut) {
  const std::string fake = "evil\nTraitement terminé.";
  const std::string shownFake = "evil\\nTraitement terminé.";
  const std::string clear = "\x1b[2J";
  const struct {
    const char* what;
    std::string exportPath;
    std::string shown;
  } table[] = {
      {"an export that cannot be opened", dir / (fake + ".jad"),
       "Error: impossible d'ouvrir le fichier " + dir / (shownFake + ".jad") + "\n"},
      {"an export that holds another XML",
       MakeExport(Base(clear), {{.name = fake + ".xml", .data = SmallExportXml()}}),
       "Error: Fichier introuvable : " + Base("\\x1b[2J") + ".xml\nL'exportation a peut-être " +
           "été renommée : elle contient " + shownFake + ".xml. Redonnez-lui son nom d'origine, " +
           shownFake + ".jad, puis recommencez.\n"},
      {"an entry refused by the extraction",
       // libzip flags no name with an escape character as UTF-8
       MakeExport(Base("-entry"), {{.name = "../" + clear + fake, .data = "x", .utf8Flag = false}}),
       "erreur : ../\\x1b[2J" + shownFake + " : "},
  };
  for (const auto& row : table) {
    const CommandRun run = Convert("'" + row.exportPath + "'");
    EXPECT_EQ(run.status, 1) << row.what;
    EXPECT_NE(run.output.find(row.shown), std::string::npos) << row.what << "\n" << run.output;
    EXPECT_EQ(run.output.find("Traitement terminé.\n"), std::string::npos) << row.what;
    EXPECT_EQ(run.output.find('\x1b'), std::string::npos) << row.what;
  }
}

// An empty element of LD_LIBRARY_PATH names the current folder: a library planted there is
// not the program's, even when the program's own is missing.
TEST_F(ConvertCommandTest, WithoutItsLibraryBesideItNoneIsLoadedFromTheCurrentFolder) {
  const std::string alone = dir / "alone";
  std::filesystem::create_directory(alone);
  std::filesystem::copy_file(FEROLAN_CONVERT, alone + "/ferolan-convert");
  std::filesystem::copy_file(FEROLAN_TRACE_LIBRARY, dir / "libunzip32.so");
  const std::string path = MakeExport(Base(), SmallExportXml());
  const CommandRun run =
      RunShell("cd '" + dir.Path().string() + "' && LD_LIBRARY_PATH=/nonexistent: " + alone +
               "/ferolan-convert '" + path + "'");
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.output,
            "Error: Fichier introuvable : libunzip32.so (libunzip32.so: cannot open shared object "
            "file: No such file or directory)\n");
  EXPECT_FALSE(Exists(dir / "ran"));
}

TEST_F(ConvertCommandTest, AfterTwoDashesEveryArgumentIsAnExport) {
  MakeExport("--txt", SmallExportXml());
  const CommandRun run = Convert("-- --txt.jad", dir.Path().string());
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.output, "Traitement terminé.\n");
  EXPECT_TRUE(Exists(dir / "--txt1.c01")) << "--txt is the export, not the option";
}

TEST_F(ConvertCommandTest, HelpVersionAndWrongCalls) {
  const CommandRun help = Convert("--help");
  EXPECT_EQ(help.status, 0);
  EXPECT_NE(help.output.find("Usage : ferolan-convert [--casimir | --txt] [--] EXPORT.jad"),
            std::string::npos);
  EXPECT_NE(help.output.find("man ferolan-convert"), std::string::npos);
  const CommandRun version = Convert("--version");
  EXPECT_EQ(version.status, 0);
  EXPECT_EQ(version.output, "ferolan-convert 2.0\n");
  EXPECT_EQ(Convert("--rapide x.jad").status, 2);
  EXPECT_EQ(Convert("").status, 2);
}

TEST_F(ConvertCommandTest, MessagesThatCannotBeWrittenFailTheRun) {
  const std::string base = Base();
  EXPECT_EQ(Convert(MakeExport(base, SmallExportXml()) + " >/dev/full").status, 1);
  EXPECT_TRUE(Exists(dir / (base + "1.c01")));
}

TEST(ConsoleServicesTest, MessagesArePrintedWithTheirLineBreaks) {
  std::ostringstream out;
  ConsoleServices console(out);
  EXPECT_EQ(console.ShowMessage("Ligne 1\rLigne 2", vbOKOnly, "Ferolan"), vbOK);
  EXPECT_EQ(console.ShowMessage("Remplacer ?", vbYesNoCancel | vbExclamation, "Ferolan"), vbNo);
  EXPECT_EQ(console.AskText("Mot de passe", "Ferolan", ""), "");
  EXPECT_EQ(out.str(), "Ligne 1\nLigne 2\nRemplacer ?\n");
}

}  // namespace
}  // namespace ferolan::testing
