#include "stand-ins/unzip32/ArchiveFile.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <vector>

#include "stand-ins/common/ZipErrorText.h"
#include "stand-ins/unzip32/SystemFile.h"

namespace unzip32 {

namespace {

constexpr std::size_t kBufferSize = 1 << 20;

class ArchiveFile {
 public:
  explicit ArchiveFile(std::unique_ptr<SystemFile> file) : file_(std::move(file)) {
    zip_error_init(&error_);
  }
  ~ArchiveFile() { zip_error_fini(&error_); }

  static zip_int64_t Command(void* state, void* data, zip_uint64_t length, zip_source_cmd_t cmd) {
    return static_cast<ArchiveFile*>(state)->Run(data, length, cmd);
  }

 private:
  zip_uint64_t Size() const { return file_->Size(); }
  zip_int64_t Run(void* data, zip_uint64_t length, zip_source_cmd_t cmd);
  zip_int64_t Read(char* data, zip_uint64_t length);
  bool Fill(zip_uint64_t at);

  std::unique_ptr<SystemFile> file_;
  zip_error_t error_;
  zip_uint64_t position_ = 0;
  std::vector<char> buffer_;
  zip_uint64_t bufferStart_ = 0;  // file position of buffer_[0]
};

zip_int64_t ArchiveFile::Run(void* data, zip_uint64_t length, zip_source_cmd_t cmd) {
  switch (cmd) {
    case ZIP_SOURCE_OPEN:
      position_ = 0;
      return 0;
    case ZIP_SOURCE_READ:
      return Read(static_cast<char*>(data), length);
    case ZIP_SOURCE_CLOSE:
      return 0;
    case ZIP_SOURCE_STAT: {
      if (length < sizeof(zip_stat_t)) break;
      auto* stat = static_cast<zip_stat_t*>(data);
      zip_stat_init(stat);
      stat->size = Size();
      stat->mtime = file_->Modified();
      stat->valid |= ZIP_STAT_SIZE | ZIP_STAT_MTIME;
      return sizeof(zip_stat_t);
    }
    case ZIP_SOURCE_ERROR:
      return zip_error_to_data(&error_, data, length);
    case ZIP_SOURCE_FREE:
      delete this;
      return 0;
    case ZIP_SOURCE_SEEK: {
      const zip_int64_t to =
          zip_source_seek_compute_offset(position_, Size(), data, length, &error_);
      if (to < 0) return -1;
      position_ = static_cast<zip_uint64_t>(to);
      return 0;
    }
    case ZIP_SOURCE_TELL:
      return static_cast<zip_int64_t>(position_);
    case ZIP_SOURCE_SUPPORTS:
      return zip_source_make_command_bitmap(
          ZIP_SOURCE_OPEN, ZIP_SOURCE_READ, ZIP_SOURCE_CLOSE, ZIP_SOURCE_STAT, ZIP_SOURCE_ERROR,
          ZIP_SOURCE_FREE, ZIP_SOURCE_SEEK, ZIP_SOURCE_TELL, ZIP_SOURCE_SUPPORTS, -1);
    default:
      break;
  }
  zip_error_set(&error_, ZIP_ER_OPNOTSUPP, 0);
  return -1;
}

bool ArchiveFile::Fill(zip_uint64_t at) {
  buffer_.resize(kBufferSize);
  int error = 0;
  const zip_int64_t got = file_->ReadAt(at, buffer_.data(), buffer_.size(), error);
  if (got < 0) {
    zip_error_set(&error_, ZIP_ER_READ, error);
    buffer_.clear();
    return false;
  }
  buffer_.resize(static_cast<std::size_t>(got));
  bufferStart_ = at;
  return true;
}

zip_int64_t ArchiveFile::Read(char* data, zip_uint64_t length) {
  zip_uint64_t done = 0;
  while (done < length) {
    const bool buffered = position_ >= bufferStart_ && position_ < bufferStart_ + buffer_.size();
    if (!buffered) {
      if (!Fill(position_)) return -1;
      if (buffer_.empty()) break;  // end of the file
    }
    const zip_uint64_t offset = position_ - bufferStart_;
    const zip_uint64_t count = std::min<zip_uint64_t>(length - done, buffer_.size() - offset);
    std::memcpy(data + done, buffer_.data() + offset, count);
    done += count;
    position_ += count;
  }
  return static_cast<zip_int64_t>(done);
}

}  // namespace

zip_source_t* OpenArchiveFile(const char* path, std::string& cause, bool& empty) {
  empty = false;
  std::unique_ptr<SystemFile> opened = SystemFile::Open(path, cause);
  if (!opened) return nullptr;
  if (opened->Size() == 0) {
    empty = true;
    cause = "fichier vide, ce n'est pas une archive zip";
    return nullptr;
  }
  auto file = std::make_unique<ArchiveFile>(std::move(opened));
  zip_error_t error;
  zip_error_init(&error);
  zip_source_t* source = zip_source_function_create(ArchiveFile::Command, file.get(), &error);
  if (source == nullptr) {
    cause = standin::ZipErrorText(&error);
  } else {
    file.release();  // the source frees it
  }
  zip_error_fini(&error);
  return source;
}

}  // namespace unzip32
