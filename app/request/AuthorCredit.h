// The author credit: the foot of the window, the help box's title and the start of the open
// dialog's title.
#pragma once

namespace ferolan {

inline constexpr const char* kAuthorCredit = "L'équipe Ferolan";

}  // namespace ferolan
