// The names that the system would not give to the file they say: one part of a path below a
// folder, checked before anything is created under it.
#pragma once

#include <string>
#include <string_view>

namespace standin {

// Empty when the system keeps `part` as the name of exactly one file in its folder; otherwise
// why it would write somewhere else than named.
std::string PartRefusal(std::string_view part);

}  // namespace standin
