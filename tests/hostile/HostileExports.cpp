#include "tests/hostile/HostileExports.h"

#include <zip.h>

#include "platform/runtime/App.h"
#include "tests/hostile/ConvertProcess.h"
#include "tests/hostile/ZipBomb.h"
#include "tests/support/TempDir.h"
#include "tests/zip/ArchiveMaker.h"

namespace ferolan::testing {

namespace {

constexpr std::uint64_t kGiB = 1024 * kMiB;

}  // namespace

void MakeXmlEntry(const std::string& jad, const std::string& entryName, const std::string& xml) {
  MakeArchive(jad, {{.name = entryName, .data = xml}});
}

std::vector<HostileCase> HostileCases() {
  const std::string decompression = "Une erreur s'est produite pendant la décompression";
  const std::string refusedName = "entrée ignorée";
  const auto outsideProgramFolder = [](const std::string& base) {
    return std::vector<std::string>{App::Path() + "/../" + base + ".xml", "/tmp/" + base + ".xml",
                                    App::Path() + "/..\\" + base + ".xml"};
  };
  std::vector<HostileCase> cases = {
      {"NotAZip", [](auto& jad, auto&) { WriteBytes(jad, "Ceci n'est pas une archive.\r\n"); },
       "ce n'est pas une archive zip"},
      {"Empty", [](auto& jad, auto&) { WriteBytes(jad, ""); }, "fichier vide"},
      {"DeclaresGigabytes",
       [](auto& jad, auto& base) { MakeZipBomb(jad, base + ".xml", 3 * kGiB, kMiB); },
       "plus que les 2147483647 qu'une entrée peut contenir"},
      {"InflatesToGigabytes",
       [](auto& jad, auto& base) { MakeZipBomb(jad, base + ".xml", 3 * kGiB, 3 * kGiB); },
       "plus que les 2147483647 qu'une entrée peut contenir"},
      {"InflatesFarBeyondItsDeclaredSize",
       [](auto& jad, auto& base) { MakeZipBomb(jad, base + ".xml", kMiB, 3 * kGiB); },
       "plus de données que les 1048576 octets annoncés par l'entrée"},
      {"DotDotName",
       [](auto& jad, auto& base) { MakeXmlEntry(jad, "../" + base + ".xml", ExportXml(2)); },
       refusedName, outsideProgramFolder},
      {"AbsoluteName",
       [](auto& jad, auto& base) { MakeXmlEntry(jad, "/tmp/" + base + ".xml", ExportXml(2)); },
       refusedName, outsideProgramFolder},
      {"BackslashName",
       [](auto& jad, auto& base) { MakeXmlEntry(jad, "..\\" + base + ".xml", ExportXml(2)); },
       refusedName, outsideProgramFolder},
      {"DriveLetterName",
       [](auto& jad, auto& base) { MakeXmlEntry(jad, "C:\\" + base + ".xml", ExportXml(2)); },
       refusedName},
      {"VeryLongName",
       [](auto& jad, auto&) { MakeXmlEntry(jad, std::string(300, 'n') + ".xml", ExportXml(2)); },
       "nom de fichier trop long"},
      {"EncryptedWithoutItsPassword",
       [](auto& jad, auto& base) {
         MakeArchive(jad, {{.name = base + ".xml",
                            .data = ExportXml(2),
                            .encryption = ZIP_EM_AES_256,
                            .password = "secret"}});
       },
       "aucun mot de passe donné"},
      {"EmptyXml", [](auto& jad, auto& base) { MakeXmlEntry(jad, base + ".xml", ""); }, "est vide"},
      // Three hundred entries on one piece of data, each within the limit of one entry: the
      // extraction stops and removes what it had extracted, the export itself included.
      {"OverlappingEntries",
       [](auto& jad, auto& base) {
         std::vector<std::string> copies;
         for (int i = 1; i <= 300; ++i) copies.push_back("copie" + std::to_string(i) + ".xml");
         MakeSharedDataArchive(jad,
                               {{{base + ".xml"}, kMiB, kMiB}, {copies, 2047 * kMiB, 2047 * kMiB}});
       },
       "qu'une archive peut contenir"},
  };
  for (int tenth = 1; tenth <= 9; ++tenth) {
    cases.push_back({"TruncatedAtTenth" + std::to_string(tenth),
                     [tenth](auto& jad, auto& base) {
                       MakeXmlEntry(jad, base + ".xml", ExportXml(200));
                       const std::string whole = ReadBytes(jad);
                       WriteBytes(jad, whole.substr(0, whole.size() * tenth / 10));
                     },
                     decompression});
  }
  return cases;
}

}  // namespace ferolan::testing
