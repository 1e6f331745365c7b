// Writes the seed corpora of the fuzz targets into FOLDER/<target>/: exports of the shapes the
// conversion meets and the intermediate files pass 1 makes of them, archives of every kind the
// unzip library reads, Deflate64 streams, and file-dialog texts.
//   fuzz_seeds FOLDER
#include <cstdint>
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "engine/ExportScan.h"
#include "platform/runtime/RuntimeError.h"
#include "tests/support/ExportBuilder.h"
#include "tests/support/TempDir.h"
#include "tests/zip/ArchiveMaker.h"
#include "tests/zip/Deflate64Writer.h"

namespace {

using namespace ferolan;
using ferolan::testing::ArchiveEntry;
namespace fs = std::filesystem;

std::vector<std::string> Exports() {
  const std::string head(testing::kExportHead);
  const std::string tail(testing::kExportTail);
  const std::string item =
      "  <MITEM><MITEM_LIBELLE>Lire une consigne</MITEM_LIBELLE><MITEM_SCORE>2</MITEM_SCORE>"
      "</MITEM>\r\n";
  std::string many;
  for (int i = 1; i <= 120; ++i) {
    many += testing::Record("ELEVE" + std::to_string(i) + "--Prenom (" + std::to_string(i) + ")",
                            i % 2 ? "FRACE2-2005" : "MATCE2-2005", "1190921");
  }
  return {
      head + testing::Record("MARTIN--Paul (1)", "FRACE2-2005", "1190") +
          testing::Record("MARTIN--Paul (1)", "MATCE2-2005", "901") + tail,
      head + testing::Record("L\xC9VY--H\xE9l\xE8ne (2)", "FRACE2-2005", "0129") + item + item +
          testing::Record("DURAND (3)", "MATCE2-2005", "") + tail,
      head +
          testing::Record("NOM-TR\xC8S-LONG-POUR-LA-LARGEUR-DU-CHAMP--Pr\xE9nomTr\xE8sLong (4)",
                          "AUTRE", "9999") +
          tail,
      head + many + tail,
      head + "  <MELEVE_MID>SANS-FIN--Paul (1",  // cut in a value
      head +
          testing::Record("LIGNE\r\nCOUP\xC9"
                          "E--Paul (5)",
                          "FRACE2-2005", "12\r\n90") +
          tail,
  };
}

void WriteSeed(const fs::path& folder, int number, const std::string& bytes) {
  testing::WriteBytes((folder / ("seed-" + std::to_string(number))).string(), bytes);
}

// Each export for pass 1, and the intermediate file pass 1 makes of it for pass 2 alone.
void WriteConversionSeeds(const fs::path& root) {
  const fs::path conversion = root / "conversion";
  fs::create_directories(conversion);
  const testing::TempDir scratch;
  int number = 0;
  for (const std::string& xml : Exports()) {
    for (const char kind : {'\0', '\1'}) {
      WriteSeed(conversion, ++number, kind + xml);
      testing::WriteBytes(scratch / "export.xml", xml);
      const Module1::OutputKindQuery option1Value = [kind] { return kind != 0; };
      try {
        Module1::ExportScan(scratch / "export.xml", scratch / "work.txt", option1Value).Run();
      } catch (const RuntimeError&) {
        // A cut export leaves the lines written before the cut: a seed all the same.
      }
      WriteSeed(conversion, ++number,
                static_cast<char>(kind | 2) + testing::ReadBytes(scratch / "work.txt"));
    }
  }
}

void WriteArchiveSeeds(const fs::path& root) {
  const fs::path unzip = root / "unzip";
  fs::create_directories(unzip);
  const std::string xml = Exports()[0];
  const std::vector<std::vector<ArchiveEntry>> archives = {
      {{.name = "CE2-A.xml", .data = xml}},
      {{.name = "CE2-A.xml", .data = xml, .stored = true}},
      {{.name = "classe/", .kind = ArchiveEntry::Kind::kFolder},
       {.name = "classe/CE2-A.xml", .data = xml},
       {.name = "classe/notes.txt", .data = "notes\r\n"}},
      {{.name = "CE2-A.xml", .data = xml, .encryption = ZIP_EM_AES_256, .password = "secret"}},
      {{.name = "CE2-A.xml", .data = xml, .encryption = ZIP_EM_TRAD_PKWARE, .password = "secret"}},
      {{.name = "lien", .data = "CE2-A.xml", .kind = ArchiveEntry::Kind::kSymbolicLink},
       {.name = "../dehors.xml", .data = xml}},
      {{.name = "CE2-A.xml", .data = xml, .deflate64 = testing::Deflate64(xml)}},
      {{.name = "CE2-A.xml",
        .data = xml,
        .encryption = ZIP_EM_TRAD_PKWARE,
        .password = "secret",
        .deflate64 = testing::Deflate64(xml)}},
  };
  const testing::TempDir scratch;
  int number = 0;
  for (const auto& entries : archives) {
    MakeArchive(scratch / "seed.jad", entries, number % 2 ? "Commentaire de l'archive" : "");
    WriteSeed(unzip, ++number, testing::ReadBytes(scratch / "seed.jad"));
  }
}

// Streams of the three kinds of block and of the codes Deflate64 adds, each after the two bytes
// that say how the target cuts it.
void WriteDeflate64Seeds(const fs::path& root) {
  const fs::path deflate64 = root / "deflate64";
  fs::create_directories(deflate64);
  using testing::Copy;
  const std::string stream =
      testing::Deflate64Writer()
          .Stored("Bonjour", false)
          .Fixed(testing::Literals("abc") +
                     std::vector{Copy(60000, 3), Copy(100, 33000), Copy(10, 50000), Copy(65538, 1)},
                 false)
          .Dynamic(testing::Literals(Exports()[0]), true)
          .Bytes();
  WriteSeed(deflate64, 1, "\xFF\xFF" + stream);
  WriteSeed(deflate64, 2, "\x07\x02" + stream);
}

// In the order the file-name target reads them: four texts ended by "\" and another character,
// the file buffer's answer, then the integers from the end (filter index, flags, buffer size).
void WriteFileNameSeeds(const fs::path& root) {
  const fs::path fileNames = root / "file-names";
  fs::create_directories(fileNames);
  const auto seed = [](const std::string& filter, const std::string& name,
                       const std::string& answer, std::uint32_t flags) {
    std::string bytes = filter + "\\;" + name + "\\;jad\\;" + answer;
    for (const std::uint32_t value : {std::uint32_t{260}, flags, std::uint32_t{1}}) {
      for (int shift = 24; shift >= 0; shift -= 8) bytes += static_cast<char>(value >> shift);
    }
    return bytes;
  };
  const std::string jad = "Exportation d'une évaluation J'ADE (*.jad)|*.jad";
  WriteSeed(fileNames, 1, seed(jad, "", std::string("/home/prof/CE2-A.jad\0", 21), 6148));
  WriteSeed(fileNames, 2,
            seed(jad + "|Tous les fichiers (*.*)|*.*", "CE2-A.jad",
                 std::string("/home/prof\0CE2-A.jad\0CE2-B.jad\0\0", 32), 0x200 | 0x80000));
  WriteSeed(fileNames, 3, seed("Texte|*.txt:Tout|*.*", "a.txt", std::string("\0\0", 2), 0x2));
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: fuzz_seeds FOLDER\n";
    return 2;
  }
  const fs::path root = argv[1];
  WriteConversionSeeds(root);
  WriteArchiveSeeds(root);
  WriteDeflate64Seeds(root);
  WriteFileNameSeeds(root);
  return 0;
}
