// The records that the archive object hands to the libraries, pinned byte for byte through
// libraries of the same names that only write down what they received.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/scripted/ScriptedServices.h"
#include "tests/support/ScopedEnv.h"
#include "tests/support/TempDir.h"
#include "zip/ccZip.h"

namespace ferolan::testing {
namespace {

// Integers as the bytes the library reads, as the recording library writes them.
std::string Bytes(const std::vector<int32_t>& values) {
  std::string text;
  char byte[4];
  for (const int32_t value : values) {
    for (int shift = 0; shift < 32; shift += 8) {
      std::snprintf(byte, sizeof byte, " %02x", (static_cast<uint32_t>(value) >> shift) & 0xFF);
      text += byte;
    }
  }
  return text;
}

std::string UnzipCall(const std::vector<int32_t>& settings, const std::string& includes,
                      const std::string& archive, const std::string& target) {
  return "Wiz_SingleEntryUnzip\n" + includes + "exclude 0\nsettings" + Bytes(settings) +
         "\narchive \"" + archive + "\"\ntarget \"" + target + "\"\ncallbacks 101111\n";
}

TEST(RecordingTest, TheThreeUnzipPassesAndAddFileHandOverTheirRecords) {
  ScriptedServices services;
  TempDir dir;
  const std::string recording = dir / "recording.txt";
  const ScopedEnv recordTo("FEROLAN_RECORDING", recording);
  const std::string archive = dir / "classe.jad";
  WriteBytes(archive, "the recording library reads nothing");

  const auto zip = ccZip::Create();
  zip->Init(archive);
  zip->Decompress(dir.Path().string(), "CE2.xml");
  zip->Comm("Classe de CE2");
  zip->AddFile(dir / "eleves.txt", true, false);

  const std::string listing = UnzipCall({0, 0, 1, 0, 0, 0, 1, 0, 0, 1, 0, 0, 0, 0, 0},
                                        "include 0\n", archive, "");
  const std::string comment = UnzipCall({0, 0, 1, 0, 0, 0, 1, 0, 1, 1, 0, 0, 0, 0, 0},
                                        "include 0\n", archive, "");
  const std::string extraction =
      UnzipCall({0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 0, 0, 0, 0}, "include 1\n  [0] \"CE2.xml\"\n",
                archive, dir.Path().string());
  // From the encrypt field (offset 12 in the 32-bit layout) to the level's last byte (127):
  // folders kept, added to the existing archive, with a comment, recursing, at level "5".
  std::vector<int32_t> zipSettings(29, 0);
  const auto at = [&](std::size_t offset) -> int32_t& { return zipSettings[(offset - 12) / 4]; };
  at(68) = 1;
  at(100) = 1;
  at(116) = 1;
  at(124) = '5';
  const std::string addFile = "ZpInit 1111\nZpSetOptions\ndateLimit null\nrootFolder null\n"
                              "tempFolder null\nsettings" + Bytes(zipSettings) +
                              "\nZpArchive\narchive \"" + archive + "\"\nfiles 1\n  [0] \"" +
                              (dir / "eleves.txt") + "\"\n  [1] \"\"\n";
  EXPECT_EQ(ReadBytes(recording), listing + comment + extraction + addFile);
}

}  // namespace
}  // namespace ferolan::testing
