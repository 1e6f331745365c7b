// The conversion request's roads, driven without a window through the scripted dialogs and
// user-facing services.
#include <gtest/gtest.h>

#ifndef _WIN32
#include <unistd.h>
#endif

#include <cstdlib>
#include <filesystem>
#include <functional>

#include "app/request/ConversionRequest.h"
#include "commondialog/cCommonDialog.h"
#include "engine/Module1.h"
#include "platform/runtime/CommitRecord.h"
#include "platform/runtime/PathText.h"
#include "platform/runtime/ResultNames.h"
#include "platform/runtime/UserFolders.h"
#include "platform/runtime/WorkFolder.h"
#include "platform/scripted/ScriptedServices.h"
#include "platform/scripted/ScriptedWin32.h"
#include "tests/app/RequestFixture.h"
#include "tests/commondialog/DialogScript.h"
#include "tests/support/ScopedEnv.h"
#include "tests/support/System.h"

namespace ferolan::testing {
namespace {

using Message = ScriptedServices::Message;
using namespace std::string_literals;

class ConversionRequestTest : public RequestFixture {
 protected:
  RequestOutcome Browse(const std::string& picked) {
    platform.fileDialogAnswers.push_back(Pick(picked));
    return request.cmdOpen_Click(dialog, txtFileName);
  }

  ScriptedServices services;
  ScriptedWin32 platform;
  cCommonDialogEvents window;
  cCommonDialog dialog{window};
  TextBox txtFileName;
  bool casimir = false;
  ConversionRequest request{[this] { return casimir; }};
};

TEST_F(ConversionRequestTest, AChosenExportIsExtractedAndConvertedBesideItself) {
  const std::string base = Base();
  const std::string path = MakeExport(base, SmallExportXml());
  EXPECT_EQ(Browse(path), RequestOutcome::kConverted);

  ASSERT_EQ(platform.openRequests.size(), 1u);
  const auto& asked = platform.openRequests[0];
  EXPECT_EQ(asked.title, "L'équipe Ferolan - Parcourir...");
  EXPECT_EQ(asked.filter, "Exportation d'une évaluation J'ADE (*.jad)\0*.jad\0\0"s);
  EXPECT_EQ(asked.record.Flags, winapi::DWORD{0x1000 | 0x4 | 0x20 | 0x80000});

  EXPECT_EQ(txtFileName.text, path);
  EXPECT_EQ(ExportPath, path);
  EXPECT_EQ(OutputPrefix, dir / base);
  const std::filesystem::path workBase(WorkBase);
  EXPECT_EQ(workBase.filename(), base);
  EXPECT_EQ(workBase.parent_path().parent_path().parent_path(), WorkRootPath());
  EXPECT_EQ(ReadBytes(dir / (base + "FR.txt")), kSmallExportFrenchText);
  EXPECT_TRUE(Exists(WorkFile())) << "the extracted XML stays until the request's life ends";
  EXPECT_EQ(services.pointers, (std::vector<int>{vbHourglass, vbDefault}));
  EXPECT_EQ(services.messages, (std::vector<Message>{{"Traitement terminé.", 0, "Ferolan"}}));
}

// Never in the program's folder: in the user's documents (here the home folder) at first, then
// where the export chosen last lies, whether its conversion went through or not.
TEST_F(ConversionRequestTest, TheDialogStartsInTheDocumentsThenBesideTheLastChosenExport) {
  const ScopedEnv home("HOME", dir.Path().string());
  const ScopedEnv config("XDG_CONFIG_HOME", std::nullopt);
  const std::string elsewhere = dir / "ailleurs";
  std::filesystem::create_directory(elsewhere);
  Browse(elsewhere + "/absente.jad");
  Browse(MakeExport(Base(), SmallExportXml()));
  request.cmdOpen_Click(dialog, txtFileName);  // cancelled
  request.cmdOpen_Click(dialog, txtFileName);
  std::vector<std::string> startedIn;
  for (const auto& asked : platform.openRequests) startedIn.push_back(asked.initialDir.value());
  const std::string folder = TextOf(dir.Path());
  EXPECT_EQ(startedIn, (std::vector<std::string>{DocumentsFolder(), elsewhere, folder, folder}));
}

TEST_F(ConversionRequestTest, ACancelledDialogEndsSilentlyAndKeepsThePreviousPath) {
  txtFileName.text = "/exports/avant.jad";
  ExportPath = "/exports/avant.jad";
  EXPECT_EQ(request.cmdOpen_Click(dialog, txtFileName), RequestOutcome::kCancelled);
  EXPECT_EQ(txtFileName.text, "/exports/avant.jad");
  EXPECT_EQ(ExportPath, "/exports/avant.jad");
  EXPECT_TRUE(services.messages.empty());
  EXPECT_TRUE(services.pointers.empty());
}

TEST_F(ConversionRequestTest, AFileThatCannotBeReadEndsSilently) {
  const std::string folder = dir / (Base() + ".jad");
  std::filesystem::create_directory(folder);
  EXPECT_EQ(Browse(folder), RequestOutcome::kCannotOpen);
  EXPECT_EQ(ExportPath, folder);
  EXPECT_TRUE(WorkBase.empty());
  EXPECT_TRUE(services.messages.empty());
}

TEST_F(ConversionRequestTest, AnEmptyArchiveWarnsAndTheConversionRunsAllTheSame) {
  const std::string base = Base();
  const std::string path = dir / (base + ".jad");
  WriteBytes(path, std::string("PK\x05\x06") + std::string(18, '\0'));
  EXPECT_EQ(request.ConvertChosenExport(path), RequestOutcome::kFailed);
  EXPECT_EQ(
      services.messages,
      (std::vector<Message>{{"Vous n'avez pas précisé de répertoire destination !", 16, "Ferolan"},
                            {"Error: Fichier introuvable : " + base + ".xml", 0, "Ferolan"}}));
}

TEST_F(ConversionRequestTest, AFailedExtractionShowsTheLibrarysTextThenTheConversionsError) {
  const std::string base = Base();
  const std::string path = dir / (base + ".jad");
  WriteBytes(path, "not an archive at all");
  EXPECT_EQ(request.ConvertChosenExport(path), RequestOutcome::kFailed);
  EXPECT_EQ(services.messages,
            (std::vector<Message>{
                {"Une erreur s'est produite pendant la décompression", 16, "Ferolan"},
                {"erreur : " + path + " : ce n'est pas une archive zip\n", 0, "Ferolan"},
                {"Error: Fichier introuvable : " + base + ".xml", 0, "Ferolan"}}));
}

TEST_F(ConversionRequestTest, AnEarlierWorkFileDoesNotStandInForAnExportThatFailsToExtract) {
  const std::string base = Base();
  const std::string path = MakeExport(base, SmallExportXml());
  ASSERT_EQ(request.ConvertChosenExport(path), RequestOutcome::kConverted);
  WriteBytes(dir / (base + "FR.txt"), "earlier");
  WriteBytes(path, "no longer an archive");
  services.messages.clear();

  EXPECT_EQ(request.ConvertChosenExport(path), RequestOutcome::kFailed);
  ASSERT_FALSE(services.messages.empty());
  EXPECT_EQ(services.messages.back(),
            (Message{"Error: Fichier introuvable : " + base + ".xml", 0, "Ferolan"}));
  EXPECT_EQ(ReadBytes(dir / (base + "FR.txt")), "earlier");
}

TEST_F(ConversionRequestTest, AnErrorNotOfTheProgramsOwnEndsTheRequestWithOneMessage) {
  const struct {
    const char* what;
    std::function<std::string()> choose;
    std::string message;
  } table[] = {
      {"memory that ran out", []() -> std::string { throw std::bad_alloc(); },
       "Error: Mémoire insuffisante"},
      {"a fault of the program's own",
       []() -> std::string { throw std::logic_error("ResultPair committed twice"); },
       "Error: Erreur interne (ResultPair committed twice)"},
      {"something that is no exception", []() -> std::string { throw 42; },
       "Error: Erreur interne"},
  };
  for (const auto& row : table) {
    services.messages.clear();
    EXPECT_EQ(request.ConvertExportChosenBy(row.choose), RequestOutcome::kFailed) << row.what;
    EXPECT_EQ(services.messages, (std::vector<Message>{{row.message, 0, "Ferolan"}})) << row.what;
  }
}

// A conversion that a kill or a pulled USB stick cut short between its renames: the French
// result new, the maths one old, the earlier French result under its kept name.
TEST_F(ConversionRequestTest, AnInterruptedCommitIsMendedEvenByAConversionThatFails) {
  const std::string base = Base();
  const std::string french = base + "FR.txt";
  CommitRecord record;
  for (auto [result, leaf] :
       {std::pair{&record.french, french}, {&record.maths, base + "MATHS.txt"}}) {
    *result = {dir / leaf, dir.Path().string(), leaf, StagedName(leaf), KeptName(leaf), true, {}};
    result->newContent.Add("new " + leaf);
  }
  WriteBytes(dir / french, "new " + french);
  WriteBytes(dir / record.french.kept, "earlier French");
  WriteBytes(dir / (base + "MATHS.txt"), "earlier maths");
  WriteBytes(dir / RecordName(french), record.Text());
  const std::string path = dir / (base + ".jad");
  WriteBytes(path, "not an archive at all");

  EXPECT_EQ(request.ConvertChosenExport(path), RequestOutcome::kFailed);
  ASSERT_FALSE(services.messages.empty());
  EXPECT_EQ(services.messages.front(),
            (Message{"Une conversion précédente a été interrompue pendant qu'elle mettait en "
                     "place ses fichiers de résultats. Ferolan les a remis dans l'état d'avant "
                     "cette conversion : " +
                         french + " remis en place.",
                     64, "Ferolan"}));
  EXPECT_EQ(ReadBytes(dir / french), "earlier French");
  EXPECT_EQ(ReadBytes(dir / (base + "MATHS.txt")), "earlier maths");
  EXPECT_FALSE(Exists(dir / record.french.kept));
  EXPECT_FALSE(Exists(dir / RecordName(french)));
}

TEST_F(ConversionRequestTest, AnEmptyXmlIsRefusedAndTheEarlierResultsKept) {
  const std::string base = Base();
  const std::string path = MakeExport(base, "");
  WriteBytes(dir / (base + "FR.txt"), "earlier");
  EXPECT_EQ(request.ConvertChosenExport(path), RequestOutcome::kFailed);
  EXPECT_EQ(services.messages,
            (std::vector<Message>{
                {"L'exportation " + path + " est vide : aucun fichier de résultats n'a été écrit.",
                 16, "Ferolan"}}));
  EXPECT_EQ(ReadBytes(dir / (base + "FR.txt")), "earlier");
  EXPECT_FALSE(Exists(dir / (base + "MATHS.txt")));
}

TEST_F(ConversionRequestTest, AnXmlMemberNotNamedAfterTheExportSaysTheExportWasRenamed) {
  const std::string base = Base(" (1)");
  const std::string held = Base() + ".xml";
  const std::string path = MakeExport(base, {{.name = held, .data = SmallExportXml()}});
  EXPECT_EQ(request.ConvertChosenExport(path), RequestOutcome::kFailed);
  EXPECT_EQ(services.messages,
            (std::vector<Message>{{"Error: Fichier introuvable : " + base +
                                       ".xml\rL'exportation a peut-être été renommée : elle "
                                       "contient " +
                                       held + ". Redonnez-lui son nom d'origine, " + Base() +
                                       ".jad, puis recommencez.",
                                   0, "Ferolan"}}));
}

// Windows, where the exports are made, finds the XML whatever the case of its letters.
TEST_F(ConversionRequestTest, AMemberNamedAfterTheExportButForLetterCaseIsTakenWhenAlone) {
  const std::string xml = SmallExportXml();
  const std::string converted = "Traitement terminé.";
  const struct {
    const char* what;
    std::string base;
    std::vector<ArchiveEntry> members;
    std::string message;
  } table[] = {
      {"the exact name first",
       "classe",
       {{.name = "classe.xml", .data = xml}, {.name = "CLASSE.xml", .data = ""}},
       converted},
      {"ASCII letters", "Ce2-a", {{.name = "cE2-A.XML", .data = xml}}, converted},
      {"accented letters", "Élève à Noël", {{.name = "éLÈVE À NOËL.xml", .data = xml}}, converted},
      {"several",
       "groupe",
       {{.name = "Groupe.xml", .data = xml}, {.name = "GROUPE.XML", .data = xml}},
       "Error: Fichier introuvable : groupe.xml\rL'exportation contient plusieurs documents de ce "
       "nom écrits avec des majuscules différentes : GROUPE.XML, Groupe.xml. Ferolan ne peut pas "
       "savoir lequel convertir."},
  };
  for (const auto& row : table) {
    services.messages.clear();
    request.ConvertChosenExport(MakeExport(row.base, row.members));
    if (kFoldersIgnoreCase && row.members.size() > 1) {
      // Windows' folders take the second for the first: it is left out, and said.
      ASSERT_GE(services.messages.size(), 2u) << row.what;
      EXPECT_NE(services.messages[1].text.find("que par la casse des lettres"), std::string::npos)
          << row.what;
      continue;
    }
    EXPECT_EQ(services.messages, (std::vector<Message>{{row.message, 0, "Ferolan"}})) << row.what;
  }
}

// As Windows and DOS programs stored names, without the UTF-8 flag.
TEST_F(ConversionRequestTest, AnAccentedMemberNameConvertsInEachEncodingAWindowsProgramUses) {
  const struct {
    const char* encoding;
    std::string name;
  } stored[] = {
      {"UTF-8", "Évaluation été.xml"},
      {"cp850", "\x90valuation \x82t\x82.xml"},
      {"cp1252", "\xC9valuation \xE9t\xE9.xml"},
  };
  for (const auto& member : stored) {
    SCOPED_TRACE(member.encoding);
    const std::string path = MakeExport(
        "Évaluation été", {{.name = member.name, .data = SmallExportXml(), .utf8Flag = false}});
    EXPECT_EQ(request.ConvertChosenExport(path), RequestOutcome::kConverted);
    EXPECT_EQ(ReadBytes(dir / "Évaluation étéFR.txt"), kSmallExportFrenchText);
    std::filesystem::remove(dir / "Évaluation étéFR.txt");
  }
}

TEST_F(ConversionRequestTest, AHiddenExportIsNotExtracted) {
  const std::string base = "." + Base();
  const std::string path = MakeExport(base, SmallExportXml());
  EXPECT_EQ(request.ConvertChosenExport(path), RequestOutcome::kFailed);
  EXPECT_TRUE(services.pointers.empty());
  EXPECT_FALSE(Exists(WorkFile()));
  EXPECT_EQ(
      services.messages,
      (std::vector<Message>{{"Error: Fichier introuvable : " + base + ".xml", 0, "Ferolan"}}));
}

TEST_F(ConversionRequestTest, TheOutputKindIsAskedOfTheWindowAtEachRequest) {
  const std::string base = Base();
  const std::string path = MakeExport(base, SmallExportXml());
  casimir = true;
  EXPECT_EQ(request.ConvertChosenExport(path), RequestOutcome::kConverted);
  EXPECT_TRUE(Exists(dir / (base + "1.c01")));
  EXPECT_FALSE(Exists(dir / (base + "FR.txt")));
  casimir = false;
  EXPECT_EQ(request.ConvertChosenExport(path), RequestOutcome::kConverted);
  EXPECT_EQ(ReadBytes(dir / (base + "FR.txt")), kSmallExportFrenchText);
}

TEST_F(ConversionRequestTest, EachRequestHasAFreshFolderThatTheNextOneAndTheEndRemove) {
  request.RemoveWorkFolder();  // before any request: nothing to remove
  request.ConvertChosenExport(MakeExport(Base("-1"), SmallExportXml()));
  const std::string first = WorkFile();
  request.ConvertChosenExport(MakeExport(Base("-2"), SmallExportXml()));
  EXPECT_FALSE(Exists(first));
  EXPECT_TRUE(Exists(WorkFile()));
  EXPECT_EQ(WorkFolders().size(), 1u);
  request.RemoveWorkFolder();
  EXPECT_TRUE(WorkFolders().empty());
  request.RemoveWorkFolder();  // already gone: nothing happens
}

// The work root refused: the request ends with a message naming it, writes nothing, and
// keeps no folder of the request before.
TEST_F(ConversionRequestTest, AWorkRootThatCannotBeTrustedIsRefused) {
#ifdef _WIN32
  GTEST_SKIP() << "the cache named by XDG_CACHE_HOME and other users' folders are POSIX's; "
                  "WindowsWorkFolderTest refuses Windows' roots";
#else
  ASSERT_EQ(request.ConvertChosenExport(MakeExport(Base("-avant"), SmallExportXml())),
            RequestOutcome::kConverted);
  const std::string before = WorkFile();
  const std::string path = MakeExport(Base(), SmallExportXml());
  const std::string cache = dir / "cache";
  std::filesystem::create_directory(cache);
  const std::string root = cache + "/ferolan";
  const struct {
    const char* name;
    std::function<void()> make;
    const char* said;
  } table[] = {
      {"a link", [&] { std::filesystem::create_directory_symlink(dir.Path(), root); },
       " est un lien symbolique"},
      {"a file", [&] { WriteBytes(root, ""); }, " n'est pas un dossier"},
      {"another user's",
       [&] {
         std::filesystem::create_directory(root);
         ASSERT_EQ(::chown(root.c_str(), 65534, 65534), 0);
       },
       " appartient à un autre utilisateur"},
  };
  const ScopedEnv workRoot("XDG_CACHE_HOME", cache);
  for (const auto& row : table) {
    if (std::string(row.name) == "another user's" && ::geteuid() != 0) continue;  // needs root
    std::filesystem::remove_all(root);
    row.make();
    services.messages.clear();
    EXPECT_EQ(request.ConvertChosenExport(path), RequestOutcome::kFailed) << row.name;
    ASSERT_EQ(services.messages.size(), 1u) << row.name;
    EXPECT_TRUE(
        services.messages[0].text.starts_with("Error: Le dossier de travail " + root + row.said))
        << services.messages[0].text;
  }
  EXPECT_FALSE(Exists(dir / (Base() + "1.c01")));
  EXPECT_FALSE(Exists(dir / (Base() + "FR.txt")));
  EXPECT_FALSE(Exists(before));
#endif
}

}  // namespace
}  // namespace ferolan::testing
