// The French text of a libzip error, which libzip gives in English only.
#pragma once

#include <zip.h>

#include <string>

namespace standin {

// What went wrong, followed by the system's reason when libzip kept one.
std::string ZipErrorText(zip_error_t* error);

// What a zip archive whose end is missing is called, whatever libzip's version says of it.
inline constexpr const char* kCutArchiveText = "archive zip tronquée ou abîmée";

// Whether libzip's CODE, on opening a file, says it is no archive or a damaged or cut one.
bool IsDamagedArchive(int code);

}  // namespace standin
