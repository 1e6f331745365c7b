// A help file as the help viewer's edit control shows it: plain text as it is, HTML as its
// text (tags left out, the usual entities read, <br> and the blocks as line breaks), every
// line ending in CR LF, and the places of the HTML anchors.
#pragma once

#include <cstddef>
#include <map>
#include <string>

#include "platform/winapi/HelpFile.h"

namespace ferolan::windows {

struct HelpText {
  std::string text;                            // UTF-8
  std::map<std::string, std::size_t> anchors;  // name or id -> byte offset in `text`
};

HelpText HelpTextOf(const winapi::HelpFile& file);

}  // namespace ferolan::windows
