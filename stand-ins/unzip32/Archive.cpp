#include "stand-ins/unzip32/Archive.h"

#include <cstring>

#include "stand-ins/common/ZipErrorText.h"
#include "stand-ins/unzip32/ArchiveFile.h"
#include "stand-ins/unzip32/UnflaggedName.h"

namespace unzip32 {

namespace {

constexpr zip_uint32_t kDosDirectoryAttribute = 0x10;
// The file types of Unix modes, as archivers store them whatever system reads the archive.
constexpr zip_uint32_t kUnixTypeMask = 0170000;
constexpr zip_uint32_t kUnixFolder = 0040000;
constexpr zip_uint32_t kUnixLink = 0120000;

bool EndsWithSeparator(const std::string& name) {
  return !name.empty() && (name.back() == '/' || name.back() == '\\');
}

// libzip reads a name without the UTF-8 flag as cp437, which turns the accented letters of a
// French name into box drawings; read strictly, such a name differs from its stored bytes.
std::string EntryName(zip_t* archive, zip_uint64_t index, const char* guessed) {
  const char* raw = zip_get_name(archive, index, ZIP_FL_ENC_RAW);
  const char* strict = zip_get_name(archive, index, ZIP_FL_ENC_STRICT);
  if (raw == nullptr || strict == nullptr) return guessed;
  return std::strcmp(raw, strict) == 0 ? std::string(raw) : UnflaggedNameToUtf8(raw);
}

// Whether the source begins as a zip archive does, with an entry's header: libzip 1.7 calls a
// zip archive whose end is missing no archive at all, later versions a cut one.
bool BeginsWithEntry(zip_source_t* source) {
  if (zip_source_open(source) != 0) return false;
  char start[4] = {};
  const bool begins = zip_source_read(source, start, sizeof start) == sizeof start &&
                      std::memcmp(start, "PK\3\4", sizeof start) == 0;
  zip_source_close(source);
  return begins;
}

}  // namespace

std::string EntryReader::Error() const {
  return deflate64_ ? deflate64_->Error() : standin::ZipErrorText(zip_file_get_error(file_.get()));
}

std::unique_ptr<Archive> Archive::Open(const char* path, std::string& cause, bool& notAnArchive) {
  zip_source_t* source = OpenArchiveFile(path, cause, notAnArchive);
  if (source == nullptr) return nullptr;
  zip_error_t error;
  zip_error_init(&error);
  zip_t* archive = zip_open_from_source(source, ZIP_RDONLY, &error);
  if (archive == nullptr) {
    const int code = zip_error_code_zip(&error);
    cause = code == ZIP_ER_NOZIP && BeginsWithEntry(source) ? standin::kCutArchiveText
                                                            : standin::ZipErrorText(&error);
    zip_source_free(source);
    notAnArchive = standin::IsDamagedArchive(code);
  }
  zip_error_fini(&error);
  return archive == nullptr ? nullptr : std::unique_ptr<Archive>(new Archive(archive));
}

bool Archive::Info(zip_uint64_t index, EntryInfo& info, std::string& cause) const {
  zip_stat_init(&info.stat);
  if (zip_stat_index(archive_.get(), index, 0, &info.stat) != 0 ||
      (info.stat.valid & ZIP_STAT_NAME) == 0) {
    cause = standin::ZipErrorText(zip_get_error(archive_.get()));
    return false;
  }
  info.name = EntryName(archive_.get(), index, info.stat.name);
  zip_uint8_t system = 0;
  zip_uint32_t attributes = 0;
  zip_file_get_external_attributes(archive_.get(), index, 0, &system, &attributes);
  const zip_uint32_t mode = system == ZIP_OPSYS_UNIX ? (attributes >> 16) & kUnixTypeMask : 0;
  // Archivers of the MS-DOS family may mark a folder by its attribute alone, without a "/".
  const bool dosFolder = mode == 0 && (attributes & kDosDirectoryAttribute) != 0;
  info.isSymbolicLink = mode == kUnixLink;
  info.isFolder =
      !info.isSymbolicLink && (EndsWithSeparator(info.name) || mode == kUnixFolder || dosFolder);
  info.encrypted = (info.stat.valid & ZIP_STAT_ENCRYPTION_METHOD) != 0 &&
                   info.stat.encryption_method != ZIP_EM_NONE;
  return true;
}

std::string_view Archive::Comment() const {
  int length = 0;
  const char* comment = zip_get_archive_comment(archive_.get(), &length, 0);
  return comment == nullptr ? std::string_view() : std::string_view(comment, length);
}

std::unique_ptr<EntryReader> Archive::OpenEntry(zip_uint64_t index, const EntryInfo& info,
                                                const char* password, std::string& cause,
                                                bool& wrongPassword) const {
  // libzip reads (and decrypts) a Deflate64 entry's compressed bytes; they are inflated here.
  const bool deflate64 = info.stat.comp_method == ZIP_CM_DEFLATE64;
  zip_file_t* file =
      zip_fopen_index_encrypted(archive_.get(), index, deflate64 ? ZIP_FL_COMPRESSED : 0, password);
  if (file == nullptr) {
    zip_error_t* error = zip_get_error(archive_.get());
    wrongPassword = zip_error_code_zip(error) == ZIP_ER_WRONGPASSWD ||
                    zip_error_code_zip(error) == ZIP_ER_NOPASSWD;
    cause = standin::ZipErrorText(error);
    zip_error_clear(archive_.get());
    return nullptr;
  }
  return std::make_unique<EntryReader>(
      file, deflate64 ? std::make_unique<Deflate64Reader>(file, info.stat) : nullptr);
}

}  // namespace unzip32
