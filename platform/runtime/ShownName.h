// How a name or a path goes into a text shown to the user: with its control characters written
// out, so that no name can break a message into false lines, drive the terminal or reorder the
// line it stands in.
#pragma once

#include <string>
#include <string_view>

namespace ferolan {

// `name` with every well-formed UTF-8 character kept (accents, other scripts) but these,
// written out:
// - the C0 controls and DEL as \n, \r, \t or \x and two hexadecimal digits ("\x1b", "\x7f");
// - the C1 controls U+0080 to U+009F and the bidirectional controls (U+061C, U+200E, U+200F,
//   U+202A to U+202E, U+2066 to U+2069) as \u and four hexadecimal digits ("\u009b",
//   "\u202e");
// - each byte that is not part of well-formed UTF-8 (a name in another encoding, a sequence
//   cut short, an overlong form, a surrogate) as \x and two hexadecimal digits ("\x9b", "\xe9").
std::string ShownName(std::string_view name);

}  // namespace ferolan
