// Sets an environment variable for the life of a scope and puts back what it was.
#pragma once

#include <cstdlib>
#include <optional>
#include <string>

#include "tests/support/System.h"

namespace ferolan::testing {

class ScopedEnv {
 public:
  // `value` nothing unsets the variable.
  ScopedEnv(std::string name, const std::optional<std::string>& value) : name_(std::move(name)) {
    if (const char* old = std::getenv(name_.c_str())) saved_ = old;
    Set(value);
  }
  ~ScopedEnv() { Set(saved_); }
  ScopedEnv(const ScopedEnv&) = delete;
  ScopedEnv& operator=(const ScopedEnv&) = delete;

 private:
  void Set(const std::optional<std::string>& value) { SetVariable(name_, value); }

  std::string name_;
  std::optional<std::string> saved_;
};

}  // namespace ferolan::testing
