// Entry names stored without the UTF-8 flag, as programs of the DOS and early Windows years
// store them: in the code page of the computer that made the archive.
#pragma once

#include <string>
#include <string_view>

namespace unzip32 {

// The name in UTF-8: as it is when it is valid UTF-8; otherwise read as cp850 (the DOS code
// page of Western Europe) or cp1252 (Windows'), whichever the accented letters point to.
std::string UnflaggedNameToUtf8(std::string_view raw);

}  // namespace unzip32
