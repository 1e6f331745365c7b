#include "tests/zip/ArchiveMaker.h"

#include <zlib.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <stdexcept>
#include <utility>

namespace ferolan::testing {

namespace {

// The file type bits of a Unix symbolic link, in the high half of its external attributes.
constexpr zip_uint32_t kUnixSymbolicLink = 0120000;

void Check(bool ok, zip_t* archive, const std::string& what) {
  if (!ok) throw std::runtime_error(what + ": " + zip_strerror(archive));
}

// A Deflate64 stream that libzip takes for already compressed data, and so writes as it is.
struct Deflate64Source {
  explicit Deflate64Source(std::string bytes) : stream(std::move(bytes)) {}
  std::string stream;
  zip_stat_t stat{};
  std::size_t at = 0;
};

zip_int64_t ReadDeflate64(void* state, void* data, zip_uint64_t length, zip_source_cmd_t command) {
  auto* source = static_cast<Deflate64Source*>(state);
  switch (command) {
    case ZIP_SOURCE_OPEN:
      source->at = 0;
      return 0;
    case ZIP_SOURCE_READ: {
      const std::size_t count = std::min<std::size_t>(length, source->stream.size() - source->at);
      std::memcpy(data, source->stream.data() + source->at, count);
      source->at += count;
      return static_cast<zip_int64_t>(count);
    }
    case ZIP_SOURCE_CLOSE:
      return 0;
    case ZIP_SOURCE_STAT:
      *static_cast<zip_stat_t*>(data) = source->stat;
      return 0;
    case ZIP_SOURCE_FREE:
      delete source;
      return 0;
    default:
      return -1;
  }
}

zip_source_t* Deflate64Data(zip_t* archive, const ArchiveEntry& entry) {
  auto state = std::make_unique<Deflate64Source>(*entry.deflate64);
  zip_stat_init(&state->stat);
  // The time too, which the traditional encryption's check byte is made of.
  state->stat.valid =
      ZIP_STAT_SIZE | ZIP_STAT_COMP_SIZE | ZIP_STAT_COMP_METHOD | ZIP_STAT_CRC | ZIP_STAT_MTIME;
  state->stat.mtime = entry.modified != 0 ? entry.modified : std::time(nullptr);
  state->stat.size = entry.data.size();
  state->stat.comp_size = state->stream.size();
  state->stat.comp_method = ZIP_CM_DEFLATE64;
  state->stat.crc = static_cast<zip_uint32_t>(
      crc32_z(0, reinterpret_cast<const Bytef*>(entry.data.data()), entry.data.size()));
  zip_source_t* source = zip_source_function(archive, ReadDeflate64, state.get());
  if (source != nullptr) state.release();  // libzip's now: freed with the source
  return source;
}

zip_int64_t AddData(zip_t* archive, const ArchiveEntry& entry) {
  zip_source_t* source = entry.deflate64
                             ? Deflate64Data(archive, entry)
                             : zip_source_buffer(archive, entry.data.data(), entry.data.size(), 0);
  Check(source != nullptr, archive, entry.name);
  // libzip leaves the flag off for a name it only guesses the encoding of.
  const zip_int64_t index = zip_file_add(archive, entry.name.c_str(), source,
                                         entry.utf8Flag ? ZIP_FL_ENC_UTF_8 : ZIP_FL_ENC_GUESS);
  if (index < 0) zip_source_free(source);
  Check(index >= 0, archive, entry.name);
  return index;
}

}  // namespace

void MakeArchive(const std::string& path, const std::vector<ArchiveEntry>& entries,
                 const std::string& comment) {
  int error = 0;
  zip_t* archive = zip_open(path.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &error);
  if (archive == nullptr) throw std::runtime_error("cannot create " + path);
  try {
    for (const ArchiveEntry& entry : entries) {
      if (entry.kind == ArchiveEntry::Kind::kFolder) {
        Check(zip_dir_add(archive, entry.name.c_str(), ZIP_FL_ENC_UTF_8) >= 0, archive, entry.name);
        continue;
      }
      const zip_int64_t index = AddData(archive, entry);
      const auto at = static_cast<zip_uint64_t>(index);
      if (entry.kind == ArchiveEntry::Kind::kSymbolicLink) {
        Check(zip_file_set_external_attributes(archive, at, 0, ZIP_OPSYS_UNIX,
                                               zip_uint32_t{kUnixSymbolicLink | 0777} << 16) == 0,
              archive, entry.name);
      }
      if (entry.kind == ArchiveEntry::Kind::kDosFolder) {
        Check(zip_file_set_external_attributes(archive, at, 0, ZIP_OPSYS_DOS, 0x10) == 0, archive,
              entry.name);
      }
      if (entry.modified != 0) {
        Check(zip_file_set_mtime(archive, at, entry.modified, 0) == 0, archive, entry.name);
      }
      if (entry.stored) {
        Check(zip_set_file_compression(archive, at, ZIP_CM_STORE, 0) == 0, archive, entry.name);
      }
      if (entry.encryption != ZIP_EM_NONE) {
        Check(zip_file_set_encryption(archive, at, entry.encryption, entry.password.c_str()) == 0,
              archive, entry.name);
      }
    }
    if (!comment.empty()) {
      Check(zip_set_archive_comment(archive, comment.data(),
                                    static_cast<zip_uint16_t>(comment.size())) == 0,
            archive, "comment");
    }
  } catch (...) {
    zip_discard(archive);
    throw;
  }
  if (zip_close(archive) != 0) {
    const std::string cause = zip_strerror(archive);
    zip_discard(archive);
    throw std::runtime_error("cannot write " + path + ": " + cause);
  }
}

StoredArchive ReadArchive(const std::string& path) {
  int error = 0;
  zip_t* archive = zip_open(path.c_str(), ZIP_RDONLY | ZIP_CHECKCONS, &error);
  if (archive == nullptr) throw std::runtime_error("cannot read " + path);
  StoredArchive stored;
  for (zip_int64_t i = 0; i < zip_get_num_entries(archive, 0); ++i) {
    zip_stat_t stat;
    zip_stat_index(archive, static_cast<zip_uint64_t>(i), 0, &stat);
    stored.entries.push_back({stat.name, stat.comp_method, stat.encryption_method, stat.comp_size});
  }
  int length = 0;
  if (const char* comment = zip_get_archive_comment(archive, &length, 0)) {
    stored.comment.assign(comment, static_cast<std::size_t>(length));
  }
  zip_discard(archive);
  return stored;
}

void MakeStoredArchive(const std::string& path, const std::string& name,
                       const std::string& source) {
  int error = 0;
  zip_t* archive = zip_open(path.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &error);
  if (archive == nullptr) throw std::runtime_error("cannot create " + path);
  zip_source_t* data = zip_source_file(archive, source.c_str(), 0, -1);
  Check(data != nullptr, archive, source);
  const zip_int64_t index = zip_file_add(archive, name.c_str(), data, ZIP_FL_ENC_UTF_8);
  if (index < 0) zip_source_free(data);
  Check(index >= 0, archive, name);
  zip_set_file_compression(archive, static_cast<zip_uint64_t>(index), ZIP_CM_STORE, 0);
  Check(zip_close(archive) == 0, archive, path);
}

}  // namespace ferolan::testing
