// The entry list of an archive object: names in the order they were added, counted from 1 as
// its users count them.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace ferolan {

class EntryList {
 public:
  void Add(std::string item) { items_.push_back(std::move(item)); }
  int32_t Count() const { return static_cast<int32_t>(items_.size()); }
  // Raise "invalid argument" for a position outside 1 to Count().
  const std::string& Item(int32_t index) const;
  void Remove(int32_t index);

 private:
  std::size_t Position(int32_t index) const;

  std::vector<std::string> items_;
};

}  // namespace ferolan
