// Whether users other than the one running the program can change what a folder holds: what
// decides whether a link found there, or a folder on the way to the program's own files, can
// be trusted.
#pragma once

#include <sys/stat.h>

namespace ferolan {

// True when a user other than this one and root may create, rename or remove names in the
// folder that `folder` describes: its owner when that is someone else, its group unless it is
// this user's own private group (named after the user, with no other member), or everyone.
bool OthersMayWrite(const struct stat& folder);

}  // namespace ferolan
