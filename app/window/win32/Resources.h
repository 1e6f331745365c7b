// The window's resources, by number: in frmDeb.rc and in the program's version resources.
#pragma once

namespace ferolan {

inline constexpr int kProgramIcon = 1;
inline constexpr int kHelpIcon = 2;

}  // namespace ferolan
