// The French text of the calling thread's last Windows error, from the errno value it stands
// for, so that one table of French texts serves libzip's errors and the system's.
#pragma once

#include <string>

namespace standin {

std::string LastErrorText();

}  // namespace standin
