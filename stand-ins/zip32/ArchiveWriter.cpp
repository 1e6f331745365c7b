#include "stand-ins/zip32/ArchiveWriter.h"

#include <filesystem>
#include <optional>

#include "platform/runtime/ShownName.h"
#include "platform/runtime/Utf8.h"
#include "stand-ins/common/ZipErrorText.h"
#include "stand-ins/zip32/Disk.h"

namespace zip32 {

namespace {

// The folder part of `path`, both in UTF-8: on Windows, a std::string path is in the ANSI code
// page.
std::string FolderOf(const std::string& path) {
  const std::u8string folder =
      std::filesystem::path(std::u8string(path.begin(), path.end())).parent_path().u8string();
  return std::string(folder.begin(), folder.end());
}

// libzip creates the archive only when it is closed; a folder that cannot take it is found now.
bool CanHold(const std::string& path, std::string& cause) {
  const Look archive = LookAt(path);
  if (archive.facts) {
    if (archive.facts->kind == FileKind::kFile) return true;
    cause = "ce n'est pas un fichier";
    return false;
  }
  if (!archive.missing) {
    cause = archive.cause;
    return false;
  }
  const std::string folder = FolderOf(path);
  const Look holder = LookAt(folder.empty() ? "." : folder);
  if (!holder.facts) {
    cause = "dossier " + ferolan::ShownName(folder) + " : " + holder.cause;
    return false;
  }
  if (holder.facts->kind != FileKind::kFolder) {
    cause = ferolan::ShownName(folder) + " n'est pas un dossier";
    return false;
  }
  return true;
}

bool IsFormatError(int code) { return standin::IsDamagedArchive(code) || code == ZIP_ER_MULTIDISK; }

struct Compression {
  zip_int32_t method;
  zip_uint32_t level;
};

// '0' stores, '1' to '9' deflate at that level; libzip's default for any other byte.
std::optional<Compression> CompressionOf(char level) {
  if (level == '0') return Compression{ZIP_CM_STORE, 0};
  if (level >= '1' && level <= '9') {
    return Compression{ZIP_CM_DEFLATE, static_cast<zip_uint32_t>(level - '0')};
  }
  return std::nullopt;
}

}  // namespace

std::unique_ptr<ArchiveWriter> ArchiveWriter::Open(const std::string& path, bool addToExisting,
                                                   standin::Report& report) {
  std::string cause;
  if (!CanHold(path, cause)) {
    report.Problem(ZIP32_ERR_OPEN, path, cause);
    return nullptr;
  }
  int code = 0;
  zip_t* archive = zip_open(path.c_str(), ZIP_CREATE | (addToExisting ? 0 : ZIP_TRUNCATE), &code);
  if (archive == nullptr) {
    zip_error_t error;
    zip_error_init_with_code(&error, code);
    report.Problem(IsFormatError(code) ? ZIP32_ERR_ARCHIVE : ZIP32_ERR_OPEN, path,
                   standin::ZipErrorText(&error));
    zip_error_fini(&error);
    return nullptr;
  }
  return std::unique_ptr<ArchiveWriter>(new ArchiveWriter(archive, path, report));
}

bool ArchiveWriter::Check(bool ok, int32_t code, const std::string& name) {
  if (!ok) report_.Problem(code, name, standin::ZipErrorText(zip_get_error(archive_.get())));
  return ok;
}

void ArchiveWriter::Comment(const std::string& comment) {
  if (!ferolan::IsUtf8(comment)) {
    report_.Warning(path_, "le commentaire n'est pas du texte UTF-8, l'archive garde le sien");
    return;
  }
  Check(zip_set_archive_comment(archive_.get(), comment.data(),
                                static_cast<zip_uint16_t>(comment.size())) == 0,
        ZIP32_ERR_WRITE, path_);
}

bool ArchiveWriter::Add(const PlannedEntry& entry, char level, const std::string& password) {
  zip_t* archive = archive_.get();
  if (entry.isFolder) {
    // A folder already stored is kept as it is.
    if (zip_name_locate(archive, entry.name.c_str(), 0) >= 0) return true;
    const zip_int64_t index = zip_dir_add(archive, entry.name.c_str(), 0);
    return Check(index >= 0, ZIP32_ERR_NAME, entry.path) &&
           Check(zip_file_set_mtime(archive, static_cast<zip_uint64_t>(index), entry.mtime, 0) == 0,
                 ZIP32_ERR_WRITE, entry.path);
  }
  zip_source_t* source = zip_source_file(archive, entry.path.c_str(), 0, -1);
  if (!Check(source != nullptr, ZIP32_ERR_MISSING, entry.path)) return false;
  const zip_int64_t index = zip_file_add(archive, entry.name.c_str(), source, ZIP_FL_OVERWRITE);
  if (index < 0) zip_source_free(source);
  if (!Check(index >= 0, ZIP32_ERR_NAME, entry.path)) return false;
  const auto at = static_cast<zip_uint64_t>(index);
  const std::optional<Compression> compression = CompressionOf(level);
  if (compression &&
      !Check(zip_set_file_compression(archive, at, compression->method, compression->level) == 0,
             ZIP32_ERR_WRITE, entry.path)) {
    return false;
  }
  return password.empty() ||
         Check(zip_file_set_encryption(archive, at, ZIP_EM_AES_256, password.c_str()) == 0,
               ZIP32_ERR_PASSWORD, entry.path);
}

bool ArchiveWriter::Close() {
  if (!Check(zip_close(archive_.get()) == 0, ZIP32_ERR_WRITE, path_)) return false;
  archive_.release();  // closed: nothing left to discard
  return true;
}

}  // namespace zip32
