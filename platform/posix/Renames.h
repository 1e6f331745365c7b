// Renames that keep what the target name held, where the file system can do them; where it
// cannot (FAT before Linux 6.0, exFAT, network shares), they fail with errno EINVAL and the
// caller falls back to plain renames.
#pragma once

namespace ferolan {

// Swaps the files of two names in the folder open as `folder`, both of which must exist.
bool RenameExchange(int folder, const char* first, const char* second);

// Renames `from` to `to` in the folder open as `folder`; fails with EEXIST when `to` exists.
bool RenameNoReplace(int folder, const char* from, const char* to);

}  // namespace ferolan
