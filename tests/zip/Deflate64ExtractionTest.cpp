// Deflate64 entries through the unzip library: inflated, checked as every entry is, decrypted
// first when they are encrypted.
#include <filesystem>
#include <string>

#include "tests/zip/Deflate64Writer.h"
#include "tests/zip/ZipFixture.h"

namespace ferolan::testing {
namespace {

class Deflate64ExtractionTest : public ZipTest {};

TEST_F(Deflate64ExtractionTest, EntriesExtractWholeAndAreRefusedDamaged) {
  // Its second half copied from the window's far half.
  const std::string half = Noise(40000);
  const std::string data = half + half;
  const std::string stream =
      Deflate64Writer().Stored(half, false).Fixed({Copy(40000, 40000)}, true).Bytes();
  std::string otherByte = data;
  otherByte[100] ^= 1;
  const std::string declared = std::to_string(data.size());
  const struct {
    const char* title;
    std::string stream;
    zip_uint16_t encryption;
    int32_t result;
    std::string said;
  } cases[] = {
      {"whole", stream, ZIP_EM_NONE, UNZIP32_OK, "extrait : a.xml"},
      {"traditional encryption", stream, ZIP_EM_TRAD_PKWARE, UNZIP32_OK, "extrait"},
      {"AES encryption", stream, ZIP_EM_AES_256, UNZIP32_OK, "extrait"},
      {"a wrong CRC-32", Deflate64(otherByte), ZIP_EM_NONE, UNZIP32_ERR_ENTRY,
       "erreur : a.xml : données abîmées (somme de contrôle CRC fausse)"},
      {"fewer bytes than declared", Deflate64(data.substr(1)), ZIP_EM_NONE, UNZIP32_ERR_ENTRY,
       "erreur : a.xml : moins de données que les " + declared + " octets annoncés par l'entrée"},
      {"more bytes than declared", Deflate64(data + "x"), ZIP_EM_NONE, UNZIP32_ERR_ENTRY,
       "erreur : a.xml : plus de données que les " + declared + " octets annoncés par l'entrée"},
      {"a cut stream, encrypted", stream.substr(0, 1000), ZIP_EM_AES_256, UNZIP32_ERR_ENTRY,
       "erreur : a.xml : données compressées tronquées (mot de passe incorrect ?)"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.title);
    ScriptedServices answering;
    answering.textAnswers = {"sésame"};
    std::filesystem::remove(target + "/a.xml");
    const std::string archive = Archive({{.name = "a.xml",
                                          .data = data,
                                          .encryption = c.encryption,
                                          .password = "sésame",
                                          .deflate64 = c.stream}});
    const auto zip = ccZip::Create();
    zip->Init(archive);
    EXPECT_EQ(zip->Decompress(target, ""), c.result);
    EXPECT_NE(zip->GetZipInfo().find(c.said), std::string::npos) << zip->GetZipInfo();
    EXPECT_EQ(Listing(target).size(), c.result == UNZIP32_OK ? 1u : 0u);
    if (c.result == UNZIP32_OK) {
      EXPECT_TRUE(ReadBytes(target + "/a.xml") == data);
    }
  }
}

}  // namespace
}  // namespace ferolan::testing
