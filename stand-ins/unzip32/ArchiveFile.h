// The archive file as libzip reads it: libzip asks for a few kilobytes at a time and seeks
// between its reads, so the file is read through a large buffer with positioned reads.
#pragma once

#include <zip.h>

#include <string>

namespace unzip32 {

// A libzip source over the file at `path`; null with `cause` filled when it cannot be opened.
// An empty file sets `empty`: libzip would take it for an empty archive.
zip_source_t* OpenArchiveFile(const char* path, std::string& cause, bool& empty);

}  // namespace unzip32
