// The entry list of an archive object: names in the order they were added, counted from 1 as
// its users count them, each optionally with a key that no other entry has.
#pragma once

#include <cstdint>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace ferolan {

class EntryList {
 public:
  void Add(std::string item);
  // Adds with a key; false, adding nothing, when an entry already has that key. Keys compare
  // without regard to the case of ASCII letters.
  bool Add(std::string item, const std::string& key);
  int32_t Count() const { return static_cast<int32_t>(entries_.size()); }
  // Raise "invalid argument" for a position outside 1 to Count().
  const std::string& Item(int32_t index) const;
  void Remove(int32_t index);

 private:
  struct Entry {
    std::string item;
    std::optional<std::string> foldedKey;
  };
  std::size_t Position(int32_t index) const;

  std::vector<Entry> entries_;
  std::set<std::string> foldedKeys_;
};

}  // namespace ferolan
