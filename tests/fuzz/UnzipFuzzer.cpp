// The unzip library on arbitrary archive bytes: a listing with the comment, then an extraction
// into a scratch folder, giving a password when one is asked.
#include <cstddef>
#include <cstdint>
#include <cstring>

#include <filesystem>
#include <string>
#include "zip/interface/unzip32.h"

#include "tests/support/TempDir.h"

namespace {

int32_t Print(const char* text, uint32_t length) {
  // Read every byte, so that a length beyond the text shows.
  volatile char sink = 0;
  for (uint32_t i = 0; i < length; ++i) sink = sink ^ text[i];
  return 0;
}

int32_t Password(char* buffer, uint32_t size, const char*, const char*) {
  std::strncpy(buffer, "secret", size);
  buffer[size - 1] = '\0';
  return UNZIP32_PASSWORD_GIVEN;
}

void Entry(uint32_t, uint32_t, uint32_t, uint32_t, uint32_t, uint32_t, uint32_t, uint32_t, uint32_t,
           const char* name, uint32_t, uint32_t, uint32_t) {
  volatile std::size_t length = std::strlen(name);
  (void)length;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const ferolan::testing::TempDir scratch;
  const std::string archive = scratch / "input.jad";
  ferolan::testing::WriteBytes(archive, std::string(reinterpret_cast<const char*>(data), size));
  const std::string target = scratch / "target";
  std::filesystem::remove_all(target);
  std::filesystem::create_directory(target);
  const UnzipCallbacks callbacks{Print, nullptr, nullptr, Password, Entry, nullptr, {}};

  UnzipOptions listing{};
  listing.listContents = 1;
  listing.showComment = 1;
  listing.archivePath = archive.c_str();
  Wiz_SingleEntryUnzip(0, nullptr, 0, nullptr, &listing, &callbacks);

  UnzipOptions extraction{};
  extraction.keepFolders = 1;
  extraction.overwriteAll = 1;
  extraction.archivePath = archive.c_str();
  extraction.targetFolder = target.c_str();
  Wiz_SingleEntryUnzip(0, nullptr, 0, nullptr, &extraction, &callbacks);
  return 0;
}
