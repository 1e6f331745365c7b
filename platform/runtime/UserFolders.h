// The user's own folders, as the desktop names them: the home folder, and the documents folder
// where a dialog that looks for the user's files starts.
#pragma once

#include <string>

namespace ferolan {

// $HOME when it is an absolute path, else the home folder of the user database; empty when
// neither is known.
std::string HomeFolder();

// The folder that XDG_DOCUMENTS_DIR names in $XDG_CONFIG_HOME/user-dirs.dirs
// (~/.config/user-dirs.dirs when that variable is unset or not absolute), when that folder
// exists; else the home folder. Reads the file each time and never fails.
std::string DocumentsFolder();

}  // namespace ferolan
