// The names a caller hands over in a list of name pointers.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace standin {

// Appends the first `count` names of `names` to `out`; false when `count` is outside 0 to
// `size` or a name within it is null.
bool ReadNames(int32_t count, const char* const* names, std::size_t size,
               std::vector<std::string>& out);

}  // namespace standin
