// Conversions that fail: the error reaches the caller, nothing the user had is lost, and every
// file is free again afterwards.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>

#include "engine/Module1.h"
#include "platform/runtime/RuntimeError.h"
#include "tests/engine/ConversionHarness.h"
#include "tests/support/ExportBuilder.h"
#include "tests/support/System.h"

namespace ferolan::testing {
namespace {

const std::string kFrench = "FRACE2-2005";
const std::string kMaths = "MATCE2-2005";

std::vector<std::string> FilesIn(const std::filesystem::path& folder) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    names.push_back(entry.path().filename().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

TEST(ConversionFailureTest, ATruncatedExportStopsBeforeAnyResultFile) {
  const std::string whole =
      Export(Record("A--B (1)", kFrench, "1") + Record("C--D (2)", kMaths, "12"));
  const std::string cut = whole.substr(0, whole.find(">12<") + 3);
  const struct {
    Kind kind;
    std::string intermediate;
  } table[] = {
      {Kind::kText, "01;A;B ;FRACE2-2005|;1\r\n02;C;D ;MATCE2-2005|"},
      {Kind::kCasimir, "01" + Pad("A", 25) + Pad("B ", 15) + "FRACE2-2005|" + Pad("1", 250) +
                           "\r\n02" + Pad("C", 25) + Pad("D ", 15) + "MATCE2-2005|"},
  };
  for (const auto& row : table) {
    ConversionHarness harness;
    const Outcome outcome = harness.Convert(cut, row.kind);
    EXPECT_EQ(outcome.error, kErrInputPastEnd);
    EXPECT_FALSE(outcome.french.has_value());
    EXPECT_FALSE(outcome.maths.has_value());
    // Finished lines and the start of the current one; the codes being read are not written.
    EXPECT_EQ(outcome.intermediate, row.intermediate);
    EXPECT_TRUE(outcome.messages.empty());
  }
}

TEST(ConversionFailureTest, AFailedConversionLeavesEarlierResultsAsTheyWere) {
  const std::string earlyEnd = "<MELEVE_MID>A--B (1)</MELEVE_MID>\r\n<MPROTOCOLE_MNOM>FRA";
  // A line break inside a casimir pupil value leaves a line too short to hold a protocol.
  const std::string shortHead = Export(Record("A\r\nB--C (1)", kFrench, "1"));
  const struct {
    std::string xml;
    Kind kind;
    long error;
  } table[] = {
      {earlyEnd, Kind::kText, kErrInputPastEnd},
      {earlyEnd, Kind::kCasimir, kErrInputPastEnd},
      {"<MELEVE_MID>A--B (1)</MELEVE_MID>\r\n<MPROTO", Kind::kText, kErrInputPastEnd},
      {shortHead, Kind::kCasimir, kErrInvalidArgument},
  };
  for (const auto& row : table) {
    ConversionHarness harness;
    WriteBytes(harness.FrenchPath(row.kind), "earlier french\r\n");
    WriteBytes(harness.MathsPath(row.kind), "earlier maths\r\n");
    const Outcome outcome = harness.Convert(row.xml, row.kind);
    EXPECT_EQ(outcome.error, row.error);
    EXPECT_EQ(outcome.french, "earlier french\r\n");
    EXPECT_EQ(outcome.maths, "earlier maths\r\n");
    EXPECT_EQ(FilesIn(std::filesystem::path(harness.OutputPrefix()).parent_path()).size(), 2u)
        << "no temporary file is left beside the results";
  }
}

// Fewer than the 11 bytes of a pupil tag after the last "<" end the scan as the end does.
TEST(ConversionFailureTest, AShortClosingTagAtTheEndConvertsEveryRecord) {
  for (const std::string end : {"\r\n\r\n</JADE>", "</EXPORT>", "</R>", "<"}) {
    ConversionHarness harness;
    const std::string xml =
        "<JADE>\r\n" + Record("A--B (1)", kFrench, "1") + Record("C--D (2)", kMaths, "2") + end;
    const Outcome outcome = harness.Convert(xml, Kind::kText);
    EXPECT_EQ(outcome.error, 0) << end;
    EXPECT_EQ(outcome.french, "01;A;B ;1\r\n") << end;
    EXPECT_EQ(outcome.maths, "01;C;D ;2\r\n") << end;
    EXPECT_EQ(outcome.messages,
              std::vector<ScriptedServices::Message>({{"Traitement terminé.", 0, "Ferolan"}}))
        << end;
  }
}

// A problem in the content names the export; one with the intermediate file, which the user
// never sees, names the conversion.
TEST(ConversionFailureTest, TheErrorNamesTheExportAsTheUserKnowsIt) {
  const struct {
    std::string xml;
    Kind kind;
    bool intermediateLeadsNowhere;
    std::string description;
  } table[] = {
      {"<MELEVE_MID>A--B (1)</MELEVE_MID>\r\n<MPROTOCOLE_MNOM>FRA", Kind::kText, false,
       "Entrée au-delà de la fin du fichier : classe.xml, l'exportation semble incomplète"},
      {Export(Record(std::string(300000, 'X') + "(1)", kFrench, "1")), Kind::kText, false,
       "Dépassement de capacité : classe.xml, un enregistrement de l'exportation est trop long"},
      {Export(Record("A\r\nB--C (1)", kFrench, "1")), Kind::kCasimir, false,
       "Argument ou appel de procédure incorrect : classe.xml, un enregistrement de "
       "l'exportation est mal formé"},
      {Export(Record("A--B (1)", kFrench, "1")), Kind::kText, true,
       "Chemin d'accès introuvable : fichier de travail de la conversion de classe.xml"},
  };
  for (const auto& row : table) {
    ConversionHarness harness;
    if (row.intermediateLeadsNowhere &&
        !MakeSymbolicLink(harness.WorkBase() + "-absent/classe.txt", harness.WorkBase() + ".txt")) {
      continue;  // this system makes no symbolic link
    }
    EXPECT_EQ(harness.Convert(row.xml, row.kind).description, row.description);
  }
}

TEST(ConversionFailureTest, AMissingExportIsFileNotFoundBeforeTheWorkFileIsMade) {
  ConversionHarness harness;
  const Outcome outcome = harness.ConvertInPlace(Kind::kCasimir);
  EXPECT_EQ(outcome.error, kErrFileNotFound);
  EXPECT_FALSE(outcome.intermediate.has_value());
}

TEST(ConversionFailureTest, AnUnwritableOutputFolderIsAnErrorAndFreesEveryFile) {
  ConversionHarness harness;
  const std::string xml = Export(Record("A--B (1)", kFrench, "1"));
  // The result files would go below a regular file, which no user can write into.
  WriteBytes(harness.OutputPrefix(), "a file, not a folder");
  const int openBefore = OpenFileCount();
  const std::string goodPrefix = harness.OutputPrefix();

  ScriptedServices services;
  ferolan::WorkBase = harness.WorkBase();
  ferolan::OutputPrefix = goodPrefix + "/below/classe";
  WriteBytes(harness.WorkBase() + ".xml", xml);
  long error = 0;
  try {
    Module1::ConvertExport([] { return true; });
  } catch (const RuntimeError& e) {
    error = e.Number();
    EXPECT_EQ(e.Description(), "Un élément du chemin d'accès n'est pas un dossier : classe1.c01");
  }
  EXPECT_EQ(error, kErrPathNotFound);
  EXPECT_TRUE(services.messages.empty());
  EXPECT_EQ(OpenFileCount(), openBefore);
  EXPECT_TRUE(Exists(harness.WorkBase() + ".txt")) << "the intermediate file is kept";

  // With the export and work files free, the next conversion runs through.
  std::filesystem::remove(goodPrefix);
  const Outcome outcome = harness.Convert(xml, Kind::kText);
  EXPECT_EQ(outcome.error, 0);
  EXPECT_EQ(outcome.french, "01;A;B ;1\r\n");
  EXPECT_EQ(OpenFileCount(), openBefore);
}

TEST(ConversionFailureTest, EveryFailureClosesTheFilesItOpened) {
  const std::string inPass1 = "<MELEVE_MID>A";
  const std::string inPass2 = Export(Record("A\r\nB--C (1)", kFrench, "1"));
  for (const std::string& xml : {inPass1, inPass2}) {
    ConversionHarness harness;
    const int openBefore = OpenFileCount();
    const Outcome outcome = harness.Convert(xml, Kind::kCasimir);
    EXPECT_NE(outcome.error, 0);
    EXPECT_EQ(OpenFileCount(), openBefore);
  }
}

// Positions of the pupil text and of a casimir line are 16-bit, as SplitText counts them.
TEST(ConversionFailureTest, SeparatorsBeyondTheSixteenBitRangeOverflow) {
  const auto pupil = [](std::size_t before) { return std::string(before, 'X') + "(1)"; };
  const auto protocol = [](std::size_t length) { return std::string(length, 'P'); };
  const struct {
    const char* what;
    Kind kind;
    std::string xml;
    long error;
  } table[] = {
      {"( at 32767 in casimir", Kind::kCasimir, Export(Record(pupil(32766), kFrench, "1")), 0},
      {"( at 32768 in casimir", Kind::kCasimir, Export(Record(pupil(32767), kFrench, "1")),
       kErrOverflow},
      {"( at 32768 in text, after the leading ;", Kind::kText,
       Export(Record(pupil(32766), kFrench, "1")), kErrOverflow},
      {"( far beyond", Kind::kText, Export(Record(pupil(300000), kFrench, "1")), kErrOverflow},
      {"last | at 32767", Kind::kCasimir, Export(Record("A--B (1)", protocol(32724), "1")), 0},
      {"last | at 32768", Kind::kCasimir, Export(Record("A--B (1)", protocol(32725), "1")),
       kErrOverflow},
      {"a | among the codes counts", Kind::kCasimir,
       Export(Record("A--B (1)", kFrench, std::string(40000, '1') + "|")), kErrOverflow},
  };
  for (const auto& row : table) {
    ConversionHarness harness;
    EXPECT_EQ(harness.Convert(row.xml, row.kind).error, row.error) << row.what;
  }
}

}  // namespace
}  // namespace ferolan::testing
