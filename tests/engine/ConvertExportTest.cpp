// The conversion from export to result files, for both output kinds.
#include <gtest/gtest.h>

#include <string>

#include "engine/ExportScan.h"
#include "engine/Module1.h"
#include "tests/engine/ConversionHarness.h"
#include "tests/support/ExportBuilder.h"

namespace ferolan::testing {
namespace {

const std::string kFrench = "FRACE2-2005";
const std::string kMaths = "MATCE2-2005";

const std::string kWorkedExample =
    Export(Record("MARTIN--Paul (1)", kFrench, "1190") + Record("MARTIN--Paul (1)", kMaths, "901"));

std::string ScanOnly(const std::string& xml, Kind kind) {
  TempDir dir;
  WriteBytes(dir / "e.xml", xml);
  const Module1::OutputKindQuery option1 = [kind] { return kind == Kind::kCasimir; };
  Module1::ExportScan(dir / "e.xml", dir / "e.txt", option1).Run();
  return ReadBytes(dir / "e.txt");
}

TEST(ExportScanTest, WorkedExampleIntermediateLines) {
  EXPECT_EQ(ScanOnly(kWorkedExample, Kind::kCasimir),
            "01MARTIN" + std::string(19, ' ') + "Paul " + std::string(10, ' ') +
                "FRACE2-2005|1190" + std::string(246, ' ') + "\r\n" + "02MARTIN" +
                std::string(19, ' ') + "Paul " + std::string(10, ' ') + "MATCE2-2005|901" +
                std::string(247, ' ') + "\r\n");
  EXPECT_EQ(ScanOnly(kWorkedExample, Kind::kText),
            "01;MARTIN;Paul ;FRACE2-2005|;1;1;9;0\r\n02;MARTIN;Paul ;MATCE2-2005|;9;0;1\r\n");
}

TEST(ConvertExportTest, WorkedExampleCasimir) {
  ConversionHarness harness;
  const Outcome outcome = harness.Convert(kWorkedExample, Kind::kCasimir);
  ASSERT_EQ(outcome.error, 0);
  const std::string french = "01MARTIN" + std::string(19, ' ') + "Paul " + std::string(10, ' ') +
                             "1190" + std::string(246, ' ') + "\r\n";
  const std::string maths = "01MARTIN" + std::string(19, ' ') + "Paul " + std::string(10, ' ') +
                            "901" + std::string(247, ' ') + "\r\n";
  EXPECT_EQ(outcome.french, french);
  EXPECT_EQ(outcome.maths, maths);
  EXPECT_EQ(outcome.french->size(), 292u + 2u);
  EXPECT_FALSE(outcome.intermediate.has_value());
  const std::vector<ScriptedServices::Message> done = {{"Traitement terminé.", 0, "Ferolan"}};
  EXPECT_EQ(outcome.messages, done);
}

TEST(ConvertExportTest, WorkedExampleText) {
  ConversionHarness harness;
  const Outcome outcome = harness.Convert(kWorkedExample, Kind::kText);
  ASSERT_EQ(outcome.error, 0);
  EXPECT_EQ(outcome.french, "01;MARTIN;Paul ;1;1;9;0\r\n");
  EXPECT_EQ(outcome.maths, "01;MARTIN;Paul ;9;0;1\r\n");
  EXPECT_FALSE(outcome.intermediate.has_value());
  ASSERT_EQ(outcome.messages.size(), 1u);
  EXPECT_EQ(outcome.messages[0].text, "Traitement terminé.");
}

std::string Repeat(const std::function<std::string(int)>& part, int count) {
  std::string all;
  for (int i = 1; i <= count; ++i) all += part(i);
  return all;
}

std::string Two(int n) { return (n < 10 ? "0" : "") + std::to_string(n); }

struct ScanCase {
  const char* what;
  Kind kind;
  std::string xml;
  std::string french;
  std::string maths;
};

void PrintTo(const ScanCase& c, std::ostream* out) { *out << c.what; }

class ScanCaseTest : public ::testing::TestWithParam<ScanCase> {};

TEST_P(ScanCaseTest, ResultFilesHoldExactlyTheExpectedBytes) {
  const ScanCase& c = GetParam();
  ConversionHarness harness;
  const Outcome outcome = harness.Convert(c.xml, c.kind);
  ASSERT_EQ(outcome.error, 0) << c.what;
  EXPECT_EQ(outcome.french, c.french) << c.what;
  EXPECT_EQ(outcome.maths, c.maths) << c.what;
  ASSERT_EQ(outcome.messages.size(), 1u) << c.what;
}

const std::string kUtf16Export = [] {
  std::string wide = "\xff\xfe";
  for (const char c : kWorkedExample) wide += std::string(1, c) + '\0';
  return wide;
}();

INSTANTIATE_TEST_SUITE_P(
    Cases, ScanCaseTest,
    ::testing::Values(
        ScanCase{"an empty export gives two empty files", Kind::kCasimir, "", "", ""},
        ScanCase{"an export without records", Kind::kText, Export("  <CLASSE>6A</CLASSE>\r\n"), "",
                 ""},
        ScanCase{"a two-byte export matches no tag", Kind::kText, kUtf16Export, "", ""},
        ScanCase{"a second < swallows the pupil tag", Kind::kText,
                 Export("<<MELEVE_MID>A--B (1)</MELEVE_MID>\r\n<MPROTOCOLE_MNOM>FRACE2-2005"
                        "</MPROTOCOLE_MNOM>\r\n<MCODES>1</MCODES>\r\n"),
                 "", ""},
        ScanCase{"a short element right before the pupil tag swallows it", Kind::kText,
                 Export("<A><MELEVE_MID>A--B (1)</MELEVE_MID>\r\n<MPROTOCOLE_MNOM>FRACE2-2005"
                        "</MPROTOCOLE_MNOM>\r\n<MCODES>1</MCODES>\r\n"),
                 "", ""},
        ScanCase{"adjacent tags without spacing are found", Kind::kText,
                 Export("<MELEVE_MID>A--B (1)</MELEVE_MID><MPROTOCOLE_MNOM>FRACE2-2005"
                        "</MPROTOCOLE_MNOM><MCODES>12</MCODES>\r\n"),
                 TextLine("01", ";A;B ", "12"), ""},
        ScanCase{"</X><MCODES> is passed over for the next codes", Kind::kText,
                 Export("<MELEVE_MID>A--B (1)</MELEVE_MID>\r\n<MPROTOCOLE_MNOM>FRACE2-2005"
                        "</MPROTOCOLE_MNOM></X><MCODES>1</MCODES>\r\n<MCODES>22</MCODES>\r\n"),
                 TextLine("01", ";A;B ", "22"), ""},
        ScanCase{"a record without protocol takes the next record's", Kind::kText,
                 Export("  <MELEVE_MID>UN--Un (1)</MELEVE_MID>\r\n  <MCODES>1</MCODES>\r\n" +
                        Record("DEUX--Deux (2)", kMaths, "99")),
                 "", TextLine("01", ";UN;Un ", "99")},
        ScanCase{"a record without codes takes the next record's", Kind::kCasimir,
                 Export("  <MELEVE_MID>UN--Un (1)</MELEVE_MID>\r\n  <MPROTOCOLE_MNOM>FRACE2-2005"
                        "</MPROTOCOLE_MNOM>\r\n" +
                        Record("DEUX--Deux (2)", kMaths, "99") +
                        Record("TROIS--Trois (3)", kMaths, "7")),
                 CasimirLine("01", "UN", "Un ", "99"), CasimirLine("01", "TROIS", "Trois ", "7")},
        ScanCase{"French, maths, French are numbered per file", Kind::kText,
                 Export(Record("A--a (1)", kFrench, "1") + Record("B--b (2)", kMaths, "2") +
                        Record("C--c (3)", kFrench, "3")),
                 TextLine("01", ";A;a ", "1") + TextLine("02", ";C;c ", "3"),
                 TextLine("01", ";B;b ", "2")},
        ScanCase{"the tenth line is numbered 10", Kind::kCasimir,
                 Export(Repeat([](int) { return Record("N--P (1)", kFrench, "1"); }, 10)),
                 Repeat([](int i) { return CasimirLine(Two(i), "N", "P ", "1"); }, 10), ""},
        ScanCase{"a pupil text without ( has no names", Kind::kCasimir,
                 Export(Record("MARTIN--Paul", kMaths, "5")), "", CasimirLine("01", "", "", "5")},
        ScanCase{"a pupil text without ( gives one ; in text output", Kind::kText,
                 Export(Record("MARTIN--Paul", kMaths, "5")), "", TextLine("01", ";", "5")},
        ScanCase{"a hyphenated surname shifts the first name", Kind::kText,
                 Export(Record("MARTIN-DURAND--Anne (2)", kFrench, "1")),
                 TextLine("01", ";MARTIN-DURAND;URAND--Anne ", "1"), ""},
        ScanCase{"a third protocol is dropped in casimir output", Kind::kCasimir,
                 Export(Record("A--B (1)", "ANGCE2-2005", "12")), "", ""},
        ScanCase{"a third protocol goes to maths with its marker in text output", Kind::kText,
                 Export(Record("A--B (1)", "ANGCE2-2005", "12")), "",
                 "01;A;B ;ANGCE2-2005|;1;2\r\n"},
        ScanCase{"a text line holding both markers goes nowhere", Kind::kText,
                 Export(Record("MATCE2-2005|--X (1)", kFrench, "1")), "", ""},
        ScanCase{"a text record without codes keeps its marker", Kind::kText,
                 Export(Record("A--B (1)", kFrench, "")), "01;A;B ;FRACE2-2005|\r\n", ""},
        ScanCase{"a casimir record without codes carries 250 spaces", Kind::kCasimir,
                 Export(Record("A--B (1)", kMaths, "")), "", CasimirLine("01", "A", "B ", "")},
        ScanCase{"a text line is cut at 500 bytes after its number", Kind::kText,
                 Export(Record("A--B (1)", kFrench, std::string(300, '7'))),
                 "01" +
                     (";A;B " + Repeat([](int) { return std::string(";7"); }, 300)).substr(0, 500) +
                     "\r\n",
                 ""},
        ScanCase{"a line break inside a text value splits the line", Kind::kText,
                 Export(Record("A--B (1)", kFrench, "1\r\n2")), "01;A;B ;1;\r\n", "01;2\r\n"},
        ScanCase{"UTF-8 names pass unchanged and count in bytes", Kind::kCasimir,
                 Export(Record("L\xc3\x89VY--Zo\xc3\xa9 (1)", kFrench, "1")),
                 CasimirLine("01", "L\xc3\x89VY", "Zo\xc3\xa9 ", "1"), ""},
        ScanCase{"Windows-1252 names pass unchanged", Kind::kText,
                 Export(Record("L\xc9VY--Zo\xe9 (1)", kMaths, "1")), "",
                 TextLine("01", ";L\xc9VY;Zo\xe9 ", "1")},
        ScanCase{"entities are not decoded", Kind::kText,
                 Export(Record("D&amp;C--L&apos;a (1)", kMaths, "&amp;")), "",
                 "01;D&amp;C;L&apos;a ;&;a;m;p;;\r\n"}),
    [](const ::testing::TestParamInfo<ScanCase>& info) {
      return "case" + std::to_string(info.index);
    });

// Beyond 99 records and beyond the name fields the layout is kept, so no record is lost.
TEST(ConvertExportTest, MoreThan99RecordsAreNumberedByEachFile) {
  for (const Kind kind : {Kind::kCasimir, Kind::kText}) {
    ConversionHarness harness;
    const auto pupil = [](int i) { return "ELEVE" + std::to_string(i); };
    const Outcome outcome = harness.Convert(
        Export(Repeat(
            [&](int i) { return Record(pupil(i) + "--P (1)", i % 3 ? kFrench : kMaths, "12"); },
            330)),
        kind);
    ASSERT_EQ(outcome.error, 0);
    std::string french, maths;
    int frenchCount = 0, mathsCount = 0;
    for (int i = 1; i <= 330; ++i) {
      std::string& file = i % 3 ? french : maths;
      const std::string number = Two(i % 3 ? ++frenchCount : ++mathsCount);
      file += kind == Kind::kCasimir ? CasimirLine(number, pupil(i), "P ", "12")
                                     : TextLine(number, ";" + pupil(i) + ";P ", "12");
    }
    EXPECT_EQ(frenchCount, 220);
    EXPECT_EQ(outcome.french, french);
    EXPECT_EQ(outcome.maths, maths);
  }
}

TEST(ConvertExportTest, LongCasimirNamesAreCutToTheirFields) {
  ConversionHarness harness;
  const std::string surname = "DE LA FONTAINE-MONTGOLFIER-ABC";  // 30 bytes
  const std::string firstName = "Marie-Charlotte Ann";           // 19 bytes
  const Outcome outcome = harness.Convert(
      Export(Record(surname + "--" + firstName + " (1)", kMaths, "3")), Kind::kCasimir);
  ASSERT_EQ(outcome.error, 0);
  // The first name starts after the first "-" of the name part, inside the surname.
  const std::string shiftedFirstName = "ONTGOLFIER-ABC--Marie-Charlotte Ann ";
  EXPECT_EQ(outcome.maths,
            CasimirLine("01", surname.substr(0, 25), shiftedFirstName.substr(0, 15), "3"));
}

TEST(ConvertExportTest, ValuesAcrossTheReadBufferAreReadWhole) {
  ConversionHarness harness;
  // The filler puts the pupil tag, then a code, astride the edges of the read buffer.
  const std::string head = Export("").substr(0, Export("").find("</JADE"));
  const std::string filler(256 * 1024 - head.size() - 8, ' ');
  const std::string codes(256 * 1024, '4');
  const Outcome outcome = harness.Convert(
      Export(filler + Record("A--B (1)", kFrench, codes) + Record("C--D (2)", kMaths, "5")),
      Kind::kText);
  ASSERT_EQ(outcome.error, 0);
  EXPECT_EQ(outcome.french,
            "01" + (";A;B " + Repeat([](int) { return std::string(";4"); }, 300)).substr(0, 500) +
                "\r\n");
  EXPECT_EQ(outcome.maths, TextLine("01", ";C;D ", "5"));
}

TEST(ConvertExportTest, EarlierResultFilesAreReplaced) {
  ConversionHarness harness;
  WriteBytes(harness.FrenchPath(Kind::kText), "old french\r\n");
  WriteBytes(harness.MathsPath(Kind::kText), "old maths\r\n");
  const Outcome outcome = harness.Convert(kWorkedExample, Kind::kText);
  ASSERT_EQ(outcome.error, 0);
  EXPECT_EQ(outcome.french, "01;MARTIN;Paul ;1;1;9;0\r\n");
  EXPECT_EQ(outcome.maths, "01;MARTIN;Paul ;9;0;1\r\n");
}

}  // namespace
}  // namespace ferolan::testing
