// The engine against the plain reference model, on exports made at random from the pieces that
// matter to the scan: tags, near-tags, separators, line ends, long values and fillers that put
// everything astride the read buffer.
#include <gtest/gtest.h>

#include <map>
#include <random>
#include <string>

#include "tests/engine/ConversionHarness.h"
#include "tests/engine/ReferenceModel.h"
#include "tests/support/ExportBuilder.h"

namespace ferolan::testing {
namespace {

class RandomExport {
 public:
  explicit RandomExport(unsigned seed) : random_(seed) {}

  std::string Make() {
    std::string xml = Pick(2) ? "<?xml version=\"1.0\"?>\r\n<JADE_EXPORTATION>\r\n" : "";
    // Long exports keep to plain values, so that most of them run to the end.
    const int records = Pick(8) == 0 ? 100 + Pick(150) : Pick(12);
    plain_ = records >= 100;
    for (int i = 0; i < records; ++i) {
      if (Pick(10) == 0) xml += std::string(Pick(3) ? 1000 : 256 * 1024 - 3, ' ');
      xml += Pick(6) || plain_ ? Record(Value(), Protocol(), Codes()) : Noise();
    }
    if (Pick(4)) xml += "</JADE_EXPORTATION>\r\n";
    if (Pick(6) == 0 && !plain_) xml.resize(Pick(static_cast<int>(xml.size()) + 1));
    return xml;
  }

 private:
  int Pick(int below) { return std::uniform_int_distribution<int>(0, below - 1)(random_); }

  std::string Text(int maxLength) {
    static const char* pieces[] = {"A", "b", "Z", "é", "\xe9",  " ",    "-",  "--", "(",
                                   ")", "|", ";", "1", "&amp;", "\r\n", "\n", "\r", "FRACE2-2005|"};
    std::string text;
    for (int n = Pick(maxLength + 1); n > 0; --n) {
      text += pieces[Pick(Pick(5) == 0 && !plain_ ? 18 : 13)];
    }
    return text;
  }
  std::string Value() {
    return Text(12) + (Pick(4) ? "--" : "") + Text(10) + (Pick(5) ? " (" + Text(3) + ")" : "");
  }
  std::string Protocol() {
    switch (Pick(6)) {
      case 0:
        return "ANGCE2-2005";
      case 1:
        return Text(4);
      case 2:
      case 3:
        return "MATCE2-2005";
      default:
        return "FRACE2-2005";
    }
  }
  std::string Codes() {
    if (Pick(10) == 0) return std::string(200 + Pick(400), '9');
    return Text(8);
  }
  std::string Noise() {
    static const char* pieces[] = {"<MELEVE_MID>",
                                   "<MPROTOCOLE_MNOM>",
                                   "<MCODES>",
                                   "</MCODES>",
                                   "<",
                                   "<<",
                                   "</X>",
                                   "<A>",
                                   "MELEVE_MID>",
                                   "x",
                                   "\r\n",
                                   "FRACE2-2005",
                                   "MATCE2-2005",
                                   "|"};
    std::string noise;
    for (int n = Pick(20); n > 0; --n) noise += pieces[Pick(14)];
    return noise;
  }

  std::mt19937 random_;
  bool plain_ = false;
};

TEST(ReferenceModelTest, TheEngineAgreesWithThePlainModel) {
  RandomExport exports(20261207);
  std::map<long, int> errorsSeen;
  int manyRecords = 0;
  for (int round = 0; round < 400; ++round) {
    const std::string xml = exports.Make();
    for (const Kind kind : {Kind::kCasimir, Kind::kText}) {
      const ModelOutcome expected = RunReferenceModel(xml, kind == Kind::kCasimir);
      ++errorsSeen[expected.error];
      if (expected.intermediate.find("\r\n00") != std::string::npos && expected.error == 0) {
        ++manyRecords;
      }
      ConversionHarness harness;
      const Outcome actual = harness.Convert(xml, kind);
      const std::string where =
          "round " + std::to_string(round) + (kind == Kind::kCasimir ? " casimir" : " text");
      ASSERT_EQ(actual.error, expected.error) << where;
      EXPECT_EQ(actual.french, expected.french) << where;
      EXPECT_EQ(actual.maths, expected.maths) << where;
      if (expected.error != 0) {
        EXPECT_EQ(actual.intermediate, expected.intermediate) << where;
      }
    }
  }
  // The exports reach every outcome worth comparing.
  EXPECT_GT(errorsSeen[0], 100);
  EXPECT_GT(errorsSeen[5], 10);
  EXPECT_GT(errorsSeen[62], 10);
  EXPECT_GT(manyRecords, 0);
}

}  // namespace
}  // namespace ferolan::testing
