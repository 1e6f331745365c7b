#include "zip/EntryList.h"

#include <algorithm>
#include <utility>

#include "platform/runtime/RuntimeError.h"

namespace ferolan {

namespace {

std::string Folded(std::string key) {
  std::transform(key.begin(), key.end(), key.begin(), [](char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
  });
  return key;
}

}  // namespace

void EntryList::Add(std::string item) { entries_.push_back({std::move(item), std::nullopt}); }

bool EntryList::Add(std::string item, const std::string& key) {
  std::string folded = Folded(key);
  if (foldedKeys_.contains(folded)) return false;
  entries_.push_back({std::move(item), folded});
  foldedKeys_.insert(std::move(folded));
  return true;
}

std::size_t EntryList::Position(int32_t index) const {
  if (index < 1 || index > Count()) Raise(kErrInvalidArgument);
  return static_cast<std::size_t>(index - 1);
}

const std::string& EntryList::Item(int32_t index) const { return entries_[Position(index)].item; }

void EntryList::Remove(int32_t index) {
  const auto at = entries_.begin() + static_cast<std::ptrdiff_t>(Position(index));
  if (at->foldedKey) foldedKeys_.erase(*at->foldedKey);
  entries_.erase(at);
}

}  // namespace ferolan
