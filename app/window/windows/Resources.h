// The window's resources, by number, as frmDeb.rc.in gives them.
#pragma once

namespace ferolan {

inline constexpr int kProgramIcon = 1;
inline constexpr int kHelpIcon = 2;

}  // namespace ferolan
