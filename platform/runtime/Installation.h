// One implementation of a platform interface installed for the whole process while a scope
// lives (the program's, or a scripted one in tests); the previous one comes back at its end.
#pragma once

#include <cstdlib>
#include <iostream>
#include <utility>

namespace ferolan {

template <class Interface>
class InstallationScope {
 public:
  explicit InstallationScope(Interface& implementation)
      : previous_(std::exchange(installed_, &implementation)) {}
  ~InstallationScope() { installed_ = previous_; }
  InstallationScope(const InstallationScope&) = delete;
  InstallationScope& operator=(const InstallationScope&) = delete;

  // The installed implementation. Using one while none is installed is a programming error.
  static Interface& Installed(const char* what) {
    if (installed_ == nullptr) {
      std::cerr << "ferolan: no " << what << " are installed\n";
      std::abort();
    }
    return *installed_;
  }

 private:
  inline static Interface* installed_ = nullptr;
  Interface* previous_;
};

}  // namespace ferolan
