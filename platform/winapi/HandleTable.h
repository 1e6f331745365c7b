// Values kept under 32-bit handle numbers, as the platform hands out window and module handles:
// every number is 1 or more and names one value until it is removed.
#pragma once

#include <cstdint>
#include <limits>
#include <map>
#include <utility>

namespace ferolan::winapi {

template <class Value>
class HandleTable {
 public:
  int32_t Add(Value value) {
    do {
      last_ = last_ == std::numeric_limits<int32_t>::max() ? 1 : last_ + 1;
    } while (entries_.contains(last_));
    entries_.emplace(last_, std::move(value));
    return last_;
  }

  // The value under `handle`, or null when no value has that number.
  Value* Find(int32_t handle) {
    const auto found = entries_.find(handle);
    return found == entries_.end() ? nullptr : &found->second;
  }

  bool Remove(int32_t handle) { return entries_.erase(handle) > 0; }

 private:
  std::map<int32_t, Value> entries_;
  int32_t last_ = 0;
};

}  // namespace ferolan::winapi
